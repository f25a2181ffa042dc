// Measures the console child driver: what a whole MOR then ORB request costs
// beyond the model programs themselves, how fast a flood of model output
// passes through it into the window model, with and without its transcript,
// beside plain reads of the same output, and how soon a question is answered
// once it has arrived. Each figure is the median of several runs, as other
// programs share the machine. Transcripts go to a scratch state directory.
//
//   tarnex-driver-bench [MEBIBYTES] [RUNS]     (default 50 and 5)

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <thread>
#include <utility>
#include <vector>

#include "base/fixed_text.h"
#include "latency_probe.h"
#include "process/process.h"
#include "run/qarn.h"
#include "shell/run_transcript.h"
#include "shell/tarnex.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::bench {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A fresh directory, removed at the end; the model program's is made the
// current directory.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(bool current = true) {
    std::string pattern = (fs::temp_directory_path() / "tarnex-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::exit(1);
    path_ = pattern;
    if (current) fs::current_path(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

struct Measured {
  double seconds;
  std::size_t bytes;
  // CPU seconds of this thread, which reads the output, and of the model
  // program: on a shared machine they tell what the wall time cannot.
  double reader_cpu = 0;
  double model_cpu = 0;
};

double seconds_of(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// CPU time used so far by this thread and by the children reaped.
struct CpuClock {
  CpuClock() { read(thread_, children_); }
  // Fills in the CPU times since the clock was made.
  void stop(Measured& measured) const {
    double thread = 0, children = 0;
    read(thread, children);
    measured.reader_cpu = thread - thread_;
    measured.model_cpu = children - children_;
  }

 private:
  static void read(double& thread, double& children) {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    thread = seconds_of(usage.ru_utime) + seconds_of(usage.ru_stime);
    ::getrusage(RUSAGE_CHILDREN, &usage);
    children = seconds_of(usage.ru_utime) + seconds_of(usage.ru_stime);
  }
  double thread_ = 0, children_ = 0;
};

double median(std::vector<double> values) {
  std::ranges::sort(values);
  return values[values.size() / 2];
}

// Starts `program` on two fresh pipes with `answers` written up front, so
// that it never waits for one, and reads its whole output `read_size` bytes
// at a time into nothing. Returns the seconds from the start until it has
// exited, and the bytes read.
Measured run_directly(const fs::path& program, std::string_view answers, std::size_t read_size) {
  auto input = process::create_pipe();
  auto output = process::create_pipe();
  if (!input || !output) std::exit(1);
  const CpuClock cpu;
  const auto start = Clock::now();
  auto child = process::start_child({program.string(), &input->read, &output->write});
  if (!child) std::exit(1);
  input->read.close();
  output->write.close();
  input->write.write(answers);
  std::vector<char> buffer(read_size);
  std::size_t bytes = 0;
  while (const std::size_t got = output->read.read(buffer)) bytes += got;
  while (child->exit_code() == kStillActive) std::this_thread::sleep_for(100us);
  Measured measured{seconds_since(start), bytes};
  cpu.stop(measured);
  return measured;
}

// The answers of the request below, as the stand-ins read them.
constexpr std::string_view kMorAnswers = "BASIN\nBASIN\nA\n\n";
constexpr std::string_view kOrbAnswers = "BASIN\nBASIN\nY\nBASIN\n\n";

// A MOR then ORB request as the run-dialog operation makes it, through the
// driver with the program's own waits, into the headless window.
double driven_request() {
  ui::HeadlessUi ui;
  State state;
  start_up(state, ui, fs::current_path().string());
  RunSettings& settings = state.run_settings;
  for (std::string* root : {&settings.mor_root, &settings.hydrology_root, &settings.tin_root,
                            &settings.orben_output_root, &settings.orb_source_root}) {
    *root = fit("BASIN", kRootField);
  }
  const auto start = Clock::now();
  run_model(state, ui, kMorRun);
  run_model(state, ui, kOrbRun);
  return seconds_since(start);
}

void report_overhead(const fs::path& directory, int runs) {
  const fs::path mor = directory / "MOR.exe";
  const fs::path orb = directory / "ORB.exe";
  fs::create_symlink(QARN_STANDIN_PATH, orb);
  std::vector<double> direct, driven;
  for (int run = 0; run < runs; ++run) {
    direct.push_back(run_directly(mor, kMorAnswers, 65536).seconds + run_directly(orb, kOrbAnswers, 65536).seconds);
    driven.push_back(driven_request());
  }
  const double plain = median(direct);
  const double through = median(driven);
  std::printf("run overhead, a MOR then ORB request, median of %d\n", runs);
  std::printf("  the two stand-ins run directly, answers piped in  %7.3f s\n", plain);
  std::printf("  the same request through the driver               %7.3f s\n", through);
  std::printf("  Tarnex's own time per program                     %7.3f s\n", (through - plain) / 2);
}

// The same output through the driver into the window model, with the
// program's waits except the settling before Enter at the very end; with
// `kept` also into its transcript, as the shell keeps it.
Measured through_driver(std::size_t bytes, long& writes, bool kept) {
  ui::HeadlessUi ui;
  State state;
  start_up(state, ui, fs::current_path().string());
  std::atomic<long> changes{0};
  ui.text().set_change_listener([&changes] { ++changes; });
  const CpuClock cpu;
  const auto start = Clock::now();
  if (kept) {
    RunTranscript transcript(state.history, state.run_settings, ui, kMorRun, kMorOrbDialog);
    QARN(state.running, state.run_settings, state.paths.executable_paths, ui, kMorRun, Pacing{.settle = 0ms},
         &transcript);
    transcript.finish(state.running);
  } else {
    QARN(state.running, state.run_settings, state.paths.executable_paths, ui, kMorRun, Pacing{.settle = 0ms});
  }
  Measured measured{seconds_since(start), bytes};
  cpu.stop(measured);
  writes = changes;
  return measured;
}

double mib_per_second(std::size_t bytes, double seconds) { return static_cast<double>(bytes) / 1048576.0 / seconds; }

// The median of each figure of `runs`.
Measured median_of(const std::vector<Measured>& runs) {
  auto figure = [&runs](double Measured::*field) {
    std::vector<double> values;
    for (const auto& run : runs) values.push_back(run.*field);
    return median(values);
  };
  return {figure(&Measured::seconds), runs.front().bytes, figure(&Measured::reader_cpu), figure(&Measured::model_cpu)};
}

void report_flood(const fs::path& program, long mebibytes, int runs) {
  ::setenv("STANDIN_MODE", ("flood:" + std::to_string(mebibytes)).c_str(), 1);
  std::vector<Measured> plain_large, plain_small, driven, driven_kept;
  long writes = 0, writes_kept = 0;
  for (int run = 0; run < runs; ++run) {
    plain_large.push_back(run_directly(program, "\n\n\n\n", 65536));
    plain_small.push_back(run_directly(program, "\n\n\n\n", 511));
    driven.push_back(through_driver(plain_large.back().bytes, writes, false));
    driven_kept.push_back(through_driver(plain_large.back().bytes, writes_kept, true));
  }
  ::unsetenv("STANDIN_MODE");
  const Measured large = median_of(plain_large);
  const Measured small = median_of(plain_small);
  const Measured through = median_of(driven);
  const Measured kept = median_of(driven_kept);
  const std::size_t bytes = large.bytes;

  std::printf("drain, flood:%ld, %zu bytes of model output, median of %d\n", mebibytes, bytes, runs);
  std::printf("                                         wall time            CPU: reader   model\n");
  for (const auto& [name, m] : {std::pair{"plain read, 65536-byte reads      ", large},
                                std::pair{"plain read, 511-byte reads        ", small},
                                std::pair{"through the driver into the window", through},
                                std::pair{"the same with the run's transcript", kept}}) {
    std::printf("  %s %8.1f MiB/s %7.3f s        %7.3f s %7.3f s\n", name, mib_per_second(bytes, m.seconds),
                m.seconds, m.reader_cpu, m.model_cpu);
  }
  std::printf("  driver time / plain read time       %8.2f x (511-byte reads: %.2f x)\n", through.seconds / large.seconds,
              through.seconds / small.seconds);
  std::printf("  with the transcript / plain read    %8.2f x (511-byte reads: %.2f x)\n", kept.seconds / large.seconds,
              kept.seconds / small.seconds);
  std::printf("  writes into the window model        %8ld, the view redraws at most every 50 ms: <= %.0f redraws\n",
              writes, through.seconds / 0.05 + 1);
}

void report_latency(const fs::path& program) {
  fs::remove(program);
  fs::create_symlink(fs::read_symlink("/proc/self/exe"), program);
  ui::HeadlessUi ui;
  State state;
  start_up(state, ui, fs::current_path().string());
  state.run_settings.mor_root = fit("BASIN", kRootField);
  QARN(state.running, state.run_settings, state.paths.executable_paths, ui, kMorRun);

  std::ifstream in(kDelaysFile);
  std::vector<double> delays;
  for (long long microseconds = 0; in >> microseconds;) delays.push_back(static_cast<double>(microseconds) / 1000.0);
  if (delays.size() != static_cast<std::size_t>(kQuestions)) {
    std::printf("the probe answered %zu of %d questions\n", delays.size(), kQuestions);
    return;
  }
  const double first = delays.front();
  std::vector<double> loop(delays.begin() + 1, delays.end());
  std::ranges::sort(loop);
  std::printf("answer delay from a question's arrival, program's own waits, %zu questions in the run loop\n",
              loop.size());
  std::printf("  median %.2f ms, 90%% %.2f ms, max %.2f ms (one polling cycle: %lld ms)\n", loop[loop.size() / 2],
              loop[loop.size() * 9 / 10], loop.back(), static_cast<long long>(Pacing{}.while_running.count()));
  std::printf("  first question, asked as the program starts: %.1f ms\n", first);
}

}  // namespace
}  // namespace tarnex::bench

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (fs::path(argv[0]).filename() == "MOR.exe") return tarnex::bench::run_latency_probe();
  const long mebibytes = argc > 1 ? std::atol(argv[1]) : 50;
  const int runs = std::max(argc > 2 ? std::atoi(argv[2]) : 5, 1);
  // Every run's transcript goes here, never into the user's history.
  const tarnex::bench::ScratchDirectory desktop(false);
  ::setenv("XDG_STATE_HOME", desktop.path().c_str(), 1);
  tarnex::bench::ScratchDirectory directory;
  const fs::path program = directory.path() / "MOR.exe";
  fs::create_symlink(QARN_STANDIN_PATH, program);
  tarnex::bench::report_overhead(directory.path(), runs);
  tarnex::bench::report_flood(program, mebibytes, runs);
  tarnex::bench::report_latency(program);
  return 0;
}
