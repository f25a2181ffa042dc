#include "runner.h"

namespace tarnex::scenario {
namespace {

constexpr int kTickMilliseconds = 10;

}  // namespace

Runner::Runner(Program& program, std::vector<Step> steps, Options options)
    : realisation_(program), player_(realisation_, std::move(steps), std::move(options)) {
  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (!player_.tick()) return;
    timer_.stop();
    if (finished_) std::exchange(finished_, nullptr)(player_.passed());
  });
}

void Runner::start(std::function<void(bool)> finished) {
  finished_ = std::move(finished);
  player_.start();
  timer_.start();
}

}  // namespace tarnex::scenario
