// Measures the console child driver: how fast a flood of model output passes
// through it into the window model, beside a plain read of the same output,
// and how soon a question is answered once it has arrived.
//
//   tarnex-driver-bench [MEBIBYTES]     (default 50)

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "base/fixed_text.h"
#include "latency_probe.h"
#include "process/process.h"
#include "run/qarn.h"
#include "shell/tarnex.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::bench {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A fresh current directory for the model program, removed at the end.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (fs::temp_directory_path() / "tarnex-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::exit(1);
    path_ = pattern;
    fs::current_path(path_);
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
};

// The stand-in's whole output read as fast as it comes, into nothing; every
// answer is given up front, so it never waits for one.
Measured plain_read(const fs::path& program, std::size_t read_size) {
  auto input = process::create_pipe();
  auto output = process::create_pipe();
  if (!input || !output) std::exit(1);
  const auto start = Clock::now();
  auto child = process::start_child({program.string(), &input->read, &output->write});
  if (!child) std::exit(1);
  input->read.close();
  output->write.close();
  input->write.write("\n\n\n\n");
  std::vector<char> buffer(read_size);
  std::size_t bytes = 0;
  while (const std::size_t got = output->read.read(buffer)) bytes += got;
  const double seconds = seconds_since(start);
  while (child->exit_code() == kStillActive) std::this_thread::sleep_for(1ms);
  return {seconds, bytes};
}

// The same output through the driver into the window model, with the
// program's waits except the settling before Enter at the very end.
Measured through_driver(std::size_t bytes, long& writes) {
  ui::HeadlessUi ui;
  State state;
  start_up(state, ui, fs::current_path().string());
  std::atomic<long> changes{0};
  ui.text().set_change_listener([&changes] { ++changes; });
  const auto start = Clock::now();
  QARN(state.running, state.run_settings, state.paths.executable_paths, ui, kMorRun, Pacing{.settle = 0ms});
  const double seconds = seconds_since(start);
  writes = changes;
  return {seconds, bytes};
}

double mib_per_second(const Measured& m) { return static_cast<double>(m.bytes) / 1048576.0 / m.seconds; }

void report_flood(const fs::path& program, long mebibytes) {
  ::setenv("STANDIN_MODE", ("flood:" + std::to_string(mebibytes)).c_str(), 1);
  const Measured plain = plain_read(program, 65536);
  const Measured plain_small = plain_read(program, 511);
  long writes = 0;
  const Measured driven = through_driver(plain.bytes, writes);
  ::unsetenv("STANDIN_MODE");

  std::printf("flood:%ld, %zu bytes of model output\n", mebibytes, plain.bytes);
  std::printf("  plain read, 65536-byte reads        %8.1f MiB/s  %7.3f s\n", mib_per_second(plain), plain.seconds);
  std::printf("  plain read, 511-byte reads          %8.1f MiB/s  %7.3f s\n", mib_per_second(plain_small),
              plain_small.seconds);
  std::printf("  through the driver into the window  %8.1f MiB/s  %7.3f s\n", mib_per_second(driven), driven.seconds);
  std::printf("  driver time / plain read time       %8.2f x (511-byte reads: %.2f x)\n",
              driven.seconds / plain.seconds, driven.seconds / plain_small.seconds);
  std::printf("  writes into the window model        %8ld, the view redraws at most every 50 ms: <= %.0f redraws\n",
              writes, driven.seconds / 0.05 + 1);
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
  tarnex::bench::ScratchDirectory directory;
  const fs::path program = directory.path() / "MOR.exe";
  fs::create_symlink(QARN_STANDIN_PATH, program);
  tarnex::bench::report_flood(program, mebibytes);
  tarnex::bench::report_latency(program);
  return 0;
}
