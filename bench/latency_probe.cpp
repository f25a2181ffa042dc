#include "latency_probe.h"

#include <chrono>
#include <fstream>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tarnex::bench {
namespace {

using Clock = std::chrono::steady_clock;

void say(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
    if (written <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

void read_line() {
  char byte = 0;
  while (::read(STDIN_FILENO, &byte, 1) == 1 && byte != '\n') {
  }
}

}  // namespace

int run_latency_probe() {
  std::vector<long long> delays;
  for (int question = 0; question < kQuestions; ++question) {
    // Questions fall at every phase of the driver's polling cycle.
    std::this_thread::sleep_for(std::chrono::milliseconds((question * 37) % 61));
    const auto asked = Clock::now();
    say("Enter root of input and output file names.\n");
    read_line();
    delays.push_back(std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - asked).count());
  }
  std::ofstream out(kDelaysFile);
  for (long long delay : delays) out << delay << '\n';
  out.close();
  say("Exit QARN-MOR\nPress enter to exit.\n");
  read_line();
  return 0;
}

}  // namespace tarnex::bench
