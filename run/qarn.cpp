#include "run/qarn.h"

#include <algorithm>
#include <array>
#include <optional>
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

using Clock = std::chrono::steady_clock;

// The whole milliseconds left until `until`, none when it has passed.
std::chrono::milliseconds till(Clock::time_point until) {
  return std::max(std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()), std::chrono::milliseconds{0});
}

// One run of a model program: its pipe ends, the child, and the output the
// questions are looked for in.
class ConsoleRun {
 public:
  ConsoleRun(RunningChild& running, const RunSettings& settings, ui::Ui& ui, const ModelProgram& program, const Pacing& pacing, process::PipeEnd answers,
             process::PipeEnd output, std::shared_ptr<process::ChildProcess> child, RunObserver& observer)
      : running_(running),
        settings_(settings),
        ui_(ui),
        program_(program),
        pacing_(pacing),
        answers_(std::move(answers)),
        output_(std::move(output)),
        child_(std::move(child)),
        observer_(observer) {}

  void run() {
    child_->set_priority_class(Priority::Normal);
    child_->set_thread_priority(Priority::AboveNormal);
    // The first look comes as soon as the child prints something or ends.
    read_exit_code();
    pause();
    read_exit_code();
    // A program that ended without a word is done.
    if (over()) return;
    do {
      drain();
      answer_one_prompt();
      press_enter_at_end();
      read_exit_code();
      pause();
    } while (!over());
  }

 private:
  bool active() const { return running_.exit_code() == kStillActive; }

  // The run is over once the child has ended and its output is drained, or
  // as soon as Terminate came: a helper that escaped it, or that prints
  // without end, holds the run no longer, and what it prints is not read.
  bool over() const { return running_.terminated() || (output_.available() == 0 && !active()); }

  void read_exit_code() { running_.read_exit_code(); }

  // The child's priority is the flow control: lower while its output waits
  // for the driver, higher while the driver waits for it.
  void drain() {
    std::array<char, kReadSize> chunk;
    std::size_t waiting = output_.available();
    if (waiting > 0) last_output_ = Clock::now();
    while (waiting > 0 && !running_.terminated()) {
      const std::string_view bytes(chunk.data(), output_.read(chunk));
      child_->set_thread_priority(Priority::Normal);
      ui_.text().write(bytes);
      observer_.shown(bytes);
      sliding_buffer_.append(bytes);
      waiting = output_.available();
      child_->set_thread_priority(waiting == 0 && active() ? Priority::AboveNormal : Priority::BelowNormal);
    }
    observer_.drained();
  }

  void answer_one_prompt() {
    const auto answer = answer_prompt(sliding_buffer_, program_.prompts, settings_);
    if (!answer) return;
    answers_.write(*answer);
    answers_.write("\n");
    const std::string echo = "\n   " + *answer + "\n";
    ui_.text().write(echo);
    observer_.shown(echo);
  }

  // Enter goes once for each exit line the program prints, when its output
  // has been quiet for a moment, and again after each further silent
  // second while it still runs: it may have taken the first line feed as
  // the answer to something else.
  void press_enter_at_end() {
    const auto due = enter_due();
    if (!due || Clock::now() < *due || output_.available() > 0) return;
    answers_.write("\n");
    pressed_for_ = last_end_marker(sliding_buffer_);
    last_enter_ = Clock::now();
  }

  // When Enter is to be pressed next; nothing while no exit line is shown
  // or once the child has ended.
  std::optional<Clock::time_point> enter_due() const {
    const auto marker = last_end_marker(sliding_buffer_);
    if (!marker || !active()) return std::nullopt;
    if (!pressed_for_ || *marker > *pressed_for_) return last_output_ + pacing_.settle;
    return std::max(last_output_, last_enter_) + pacing_.enter_again;
  }

  // Waits until there is something to do: output to drain, an Enter to
  // press, the exit code to read again, or the end of the run.
  void pause() {
    if (running_.terminated()) return;
    if (!active()) {
      wait_after_end();
      return;
    }
    auto until = Clock::now() + pacing_.while_running;
    if (const auto due = enter_due()) until = std::min(until, *due);
    if (!output_ended_) {
      if (output_.wait(till(until)) != process::PipeWait::Ended) return;
      output_ended_ = true;
    }
    // Nothing more can come through the pipe, only the child's exit: it is
    // looked for after ever longer sleeps, from a moment to a cycle.
    std::this_thread::sleep_for(std::min(exit_look_, till(until)));
    exit_look_ = std::min(2 * exit_look_, pacing_.while_running);
  }

  // Once the child has ended the run is over when its output is drained to
  // the end of the pipe, or when a helper it left behind holding the pipe
  // open has been silent for a while.
  void wait_after_end() {
    if (!output_ended_ && output_.wait(pacing_.after_end) == process::PipeWait::Ended) output_ended_ = true;
  }

  RunningChild& running_;
  const RunSettings& settings_;
  ui::Ui& ui_;
  const ModelProgram& program_;
  const Pacing& pacing_;
  process::PipeEnd answers_;
  process::PipeEnd output_;
  std::shared_ptr<process::ChildProcess> child_;
  RunObserver& observer_;
  // Fresh for every run: the exit line of the previous program must not
  // make the driver press Enter for this one.
  SlidingBuffer sliding_buffer_;
  Clock::time_point last_output_ = Clock::now();
  Clock::time_point last_enter_;
  // The exit line the last Enter was pressed for.
  std::optional<std::uint64_t> pressed_for_;
  // True once every writer has closed the output pipe and it is drained.
  bool output_ended_ = false;
  std::chrono::milliseconds exit_look_{1};
};

}  // namespace

void QARN(RunningChild& running, const RunSettings& settings, const ExecutablePaths& programs, ui::Ui& ui,
          int run_code, const Pacing& pacing, RunObserver* observer) {
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
  RunObserver unobserved;
  RunObserver& told = observer ? *observer : unobserved;
  told.started();
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
  ConsoleRun(running, settings, ui, *program, pacing, std::move(answers), std::move(output_end), std::move(child), told).run();
  // The run is over: its pipes close with ConsoleRun, so a helper still
  // printing after a Terminate finds no reader, and the child, ended by
  // itself or by Terminate, is released and reaped.
  running.finish();
}

}  // namespace tarnex
