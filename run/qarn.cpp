#include "run/qarn.h"

#include <array>
#include <thread>

#include "common/executable_paths.h"
#include "run/model_programs.h"
#include "run/prompts.h"
#include "run/sliding_buffer.h"

namespace tarnex {
namespace {

using process::Priority;

// One read takes at most this many bytes.
constexpr std::size_t kReadSize = 511;

// Some Fortran runtimes hold output written to a pipe until the program
// ends, so a question would never reach the driver; these make them write
// at once.
const std::vector<std::pair<std::string, std::string>> kModelEnvironment = {
    {"GFORTRAN_UNBUFFERED_PRECONNECTED", "y"},
    {"FORT_BUFFERED", "false"},
};

// One run of a model program: its pipe ends, the child, and the output the
// questions are looked for in.
class ConsoleRun {
 public:
  ConsoleRun(RunningChild& running, const RunSettings& settings, ui::Ui& ui, const ModelProgram& program, const Pacing& pacing, process::PipeEnd answers,
             process::PipeEnd output, std::shared_ptr<process::ChildProcess> child)
      : running_(running),
        settings_(settings),
        ui_(ui),
        program_(program),
        pacing_(pacing),
        answers_(std::move(answers)),
        output_(std::move(output)),
        child_(std::move(child)) {}

  void run() {
    child_->set_priority_class(Priority::Normal);
    child_->set_thread_priority(Priority::AboveNormal);
    read_exit_code();
    std::this_thread::sleep_for(pacing_.after_start);
    // A program that ended within the first wait without a word is done.
    read_exit_code();
    if (output_.available() == 0 && !active()) return;
    std::size_t waiting = 0;
    do {
      drain();
      answer_one_prompt();
      press_enter_at_end();
      read_exit_code();
      pause(active() ? pacing_.while_running : pacing_.after_end);
      waiting = output_.available();
    } while (waiting > 0 || active());
  }

 private:
  bool active() const { return running_.exit_code() == kStillActive; }

  void read_exit_code() { running_.read_exit_code(); }

  // The child's priority is the flow control: lower while its output waits
  // for the driver, higher while the driver waits for it.
  void drain() {
    std::array<char, kReadSize> chunk;
    std::size_t waiting = output_.available();
    while (waiting > 0) {
      const std::string_view bytes(chunk.data(), output_.read(chunk));
      child_->set_thread_priority(Priority::Normal);
      ui_.text().write(bytes);
      sliding_buffer_.append(bytes);
      waiting = output_.available();
      child_->set_thread_priority(waiting == 0 && active() ? Priority::AboveNormal : Priority::BelowNormal);
    }
  }

  void answer_one_prompt() {
    const auto answer = answer_prompt(sliding_buffer_, program_.prompts, settings_);
    if (!answer) return;
    answers_.write(*answer);
    answers_.write("\n");
    ui_.text().write("\n   " + *answer + "\n");
  }

  void press_enter_at_end() {
    if (output_.available() > 0 || !shows_end_marker(sliding_buffer_)) return;
    std::this_thread::sleep_for(pacing_.before_enter);
    answers_.write("\n");
  }

  // Sleeps `interval`, or less when output arrives meanwhile.
  void pause(std::chrono::milliseconds interval) {
    const auto until = std::chrono::steady_clock::now() + interval;
    if (output_.wait_readable(interval) && output_.available() > 0) return;
    std::this_thread::sleep_until(until);
  }

  RunningChild& running_;
  const RunSettings& settings_;
  ui::Ui& ui_;
  const ModelProgram& program_;
  const Pacing& pacing_;
  process::PipeEnd answers_;
  process::PipeEnd output_;
  std::shared_ptr<process::ChildProcess> child_;
  // Fresh for every run: the exit line of the previous program must not
  // make the driver press Enter for this one.
  SlidingBuffer sliding_buffer_;
};

}  // namespace

void QARN(RunningChild& running, const RunSettings& settings, const ExecutablePaths& programs, ui::Ui& ui,
          int run_code, const Pacing& pacing) {
  auto input = process::create_pipe();
  if (!input) ui.text().write_line("Creation of Input Pipe Failed");
  auto output = process::create_pipe();
  if (!output) {
    ui.text().write_line("Creation of Output Pipe Failed");
    input.reset();
  }
  const ModelProgram* program = model_program(run_code);
  if (program == nullptr) return;
  auto child = process::start_child({path_of(programs[program->executable]), input ? &input->read : nullptr,
                                     output ? &output->write : nullptr, kModelEnvironment});
  if (!child) {
    ui.message_box(program->start_failure, "ERROR");
    return;
  }
  running.start(child);
  // The child's ends are the child's now; the driver keeps the other two.
  process::PipeEnd answers, output_end;
  if (input) {
    input->read.close();
    answers = std::move(input->write);
  }
  if (output) {
    output->write.close();
    output_end = std::move(output->read);
  }
  ConsoleRun(running, settings, ui, *program, pacing, std::move(answers), std::move(output_end), std::move(child)).run();
  // The run is over: its pipes close with ConsoleRun and the child, already
  // reaped or ended by Terminate, is released.
  running.finish();
}

}  // namespace tarnex
