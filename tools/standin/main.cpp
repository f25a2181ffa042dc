// qarn-standin: plays one of the six model programs (MOR, MORD, ORB, MERL,
// FLUM, JORN), chosen by the name it is started under. It asks that
// program's questions, reports the files it would read and write, and says
// goodbye the way the program does; it computes nothing and writes no model
// files. STANDIN_MODE makes it misbehave on purpose (see modes.h).

#include "console_io.h"
#include "flood.h"
#include "linger.h"
#include "modes.h"
#include "programs.h"
#include "session.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    standin::prepare_console();
    standin::play_helper_if_asked(argc, argv);

    const char* started_as = argc > 0 ? argv[0] : "";
    const auto program = standin::program_for(started_as);
    if (!program) {
        std::fprintf(stderr, "qarn-standin: cannot tell which model program '%s' is "
                             "(expected MOR, MORD, ORB, MERL, FLUM or JORN)\n", started_as);
        return 2;
    }

    const char* mode_text = std::getenv("STANDIN_MODE");
    const standin::Modes modes = standin::parse_modes(mode_text ? mode_text : "");
    standin::AnswerReader reader(std::string(program->name) + ".answers");
    if (modes.silent) return 0;

    standin::Session session(modes, reader);
    if (modes.flood_mib > 0) standin::flood(modes.flood_mib, !modes.no_newline);
    if (modes.unknown) session.ask("Enter the phase of the moon.");

    std::vector<std::string> answers;
    for (std::size_t i = 0; i < program->questions.size(); ++i) {
        std::string answer = session.ask(program->questions[i]);
        // Asked again, the program keeps the second answer, as one that
        // rejected the first would.
        if (i == 0 && modes.twice) answer = session.ask(program->questions[i]);
        answers.push_back(answer);
    }

    session.progress(standin::file_lines(*program, answers));
    session.say(program->exit_line);
    session.ask("Press enter to exit.");
    if (modes.linger_seconds >= 0) standin::leave_helper(modes.linger_seconds, modes.linger_detached);
    return 0;
}
