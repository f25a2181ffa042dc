// Measures the main window under a flood of model output: a stand-in model
// program prints MEBIBYTES of text lines, with line breaks or all on one
// line, through the driver into the real Qt window. Meanwhile a menu of the
// menu bar is clicked open every tenth of a second, as a user reaching for
// Terminate would. Prints how long the menus took to open, the longest work
// the window thread did at a stretch, when the window had caught up with the
// output after the program ended, and the peak memory. One flood per
// process, so that the peak is that flood's.
//
//   tarnex-window-bench MEBIBYTES [no-newline]
//
// Without a display the window is drawn off screen; under xvfb-run it is
// drawn on the virtual display.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <vector>

#include "app/program.h"
#include "shell/tarnex.h"

namespace tarnex::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kMenuEveryMilliseconds = 100;
// The longest a window may take to catch up before the bench gives up.
constexpr qint64 kCatchUpLimitMilliseconds = 300'000;

// A fresh current directory for the model program, removed at the end.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (fs::temp_directory_path() / "tarnex-window-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::exit(1);
    path_ = pattern;
    fs::current_path(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(path_, ignored);
  }

 private:
  fs::path path_;
};

long peak_rss_mib() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

long current_rss_mib() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * ::sysconf(_SC_PAGESIZE) / 1048576;
}

// Clicks the title of `menu` every kMenuEveryMilliseconds from a thread of
// its own, as a user does whatever the window thread is busy with, and
// records how long after each click the opened menu was painted.
class MenuProbe final : public QObject {
 public:
  explicit MenuProbe(QMenu* menu) : menu_(menu) {
    menu_->installEventFilter(this);
    clicker_ = std::thread([this] {
      while (!stop_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kMenuEveryMilliseconds));
        if (waiting_.exchange(true)) continue;  // the last click is still not answered
        clicked_ = Clock::now();
        QMetaObject::invokeMethod(menu_, [this] { menu_->popup(QPoint(10, 10)); }, Qt::QueuedConnection);
      }
    });
  }
  ~MenuProbe() override { stop(); }
  void stop() {
    stop_ = true;
    if (clicker_.joinable()) clicker_.join();
  }
  const std::vector<double>& delays() const { return delays_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && waiting_ && !painted_) {
      painted_ = true;
      delays_.push_back(std::chrono::duration<double, std::milli>(Clock::now() - clicked_.load()).count());
      QTimer::singleShot(0, menu_, [this] {
        menu_->close();
        painted_ = false;
        waiting_ = false;
      });
    }
    return false;
  }

 private:
  using Clock = std::chrono::steady_clock;
  QMenu* menu_;
  std::atomic<Clock::time_point> clicked_{};
  std::atomic<bool> waiting_{false};
  std::atomic<bool> stop_{false};
  bool painted_ = false;
  std::vector<double> delays_;
  std::thread clicker_;
};

// Times every event the window thread handles, so that the figures can
// tell which work kept the menus waiting.
class TimedApplication final : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    if (nested_ > 0) return QApplication::notify(receiver, event);
    ++nested_;
    QElapsedTimer handling;
    handling.start();
    const bool handled = QApplication::notify(receiver, event);
    const double milliseconds = static_cast<double>(handling.nsecsElapsed()) / 1e6;
    --nested_;
    if (milliseconds > longest_) {
      longest_ = milliseconds;
      longest_what_ = QStringLiteral("%1 (event %2)").arg(receiver->metaObject()->className()).arg(event->type());
    }
    return handled;
  }
  // From now on.
  void restart() {
    longest_ = 0;
    longest_what_.clear();
  }
  double longest() const { return longest_; }
  const QString& longest_what() const { return longest_what_; }

 private:
  int nested_ = 0;
  double longest_ = 0;
  QString longest_what_;
};

// True when the text window shows what the model holds: the same number of
// rows and the same last rows.
bool caught_up(ui::QtUi& ui) {
  const auto rows = ui.text().rows();
  const auto* document = ui.main_window()->findChild<QPlainTextEdit*>("text")->document();
  if (static_cast<std::size_t>(document->blockCount()) != rows.size()) return false;
  QTextBlock block = document->lastBlock();
  for (auto row = rows.rbegin(); row != rows.rend() && row - rows.rbegin() < 3; ++row, block = block.previous()) {
    if (block.text() != QString::fromUtf8(row->data(), static_cast<qsizetype>(row->size()))) return false;
  }
  return true;
}

double percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::ranges::sort(values);
  return values[std::min(values.size() - 1, static_cast<std::size_t>(share * static_cast<double>(values.size())))];
}

int run(int argc, char** argv, long mebibytes, bool one_line) {
  ScratchDirectory directory;
  fs::create_symlink(QARN_STANDIN_PATH, "ORB.exe");
  const std::string mode = "flood:" + std::to_string(mebibytes) + (one_line ? ",no-newline" : "");
  ::setenv("STANDIN_MODE", mode.c_str(), 1);
  if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

  TimedApplication application(argc, argv);
  Program program;
  program.ui().set_exit_handler([](int) {});
  program.start();
  while (!program.started_up()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QCoreApplication::processEvents();
  const long rss_before = current_rss_mib();

  QMenu* menu = nullptr;
  for (QAction* title : program.ui().main_window()->menuBar()->actions()) {
    if (title->text() == QStringLiteral("&QARN Programs")) menu = title->menu();
  }
  if (!menu) return 1;
  MenuProbe probe(menu);

  // ORB's run code has no operation of the command loop's own, which stays
  // idle meanwhile.
  application.restart();
  QElapsedTimer clock;
  clock.start();
  std::atomic<qint64> ended{-1};
  std::thread runner([&] {
    run_model(program.state(), program.ui(), kOrbRun);
    ended = clock.elapsed();
  });
  long rss_highest = 0;
  qint64 caught = -1;
  while (caught < 0 && clock.elapsed() < kCatchUpLimitMilliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    rss_highest = std::max(rss_highest, current_rss_mib());
    if (ended >= 0 && caught_up(program.ui())) caught = clock.elapsed();
  }
  probe.stop();
  runner.join();
  const std::vector<double>& delays = probe.delays();

  std::printf("window under a flood of %ld MiB %s, through the driver into the Qt window (%s)\n", mebibytes,
              one_line ? "on one line" : "of 80-byte lines", qPrintable(QGuiApplication::platformName()));
  std::printf("  model program ended after                %8.2f s\n", static_cast<double>(ended) / 1000);
  if (caught < 0) {
    std::printf("  window not caught up after               %8.2f s\n", static_cast<double>(kCatchUpLimitMilliseconds) / 1000);
  } else {
    std::printf("  window caught up after                   %8.2f s\n", static_cast<double>(caught) / 1000);
  }
  std::printf("  menu opened, %zu clicks every %d ms: median %.1f ms, 90%% %.1f ms, max %.1f ms\n", delays.size(),
              kMenuEveryMilliseconds, percentile(delays, 0.5), percentile(delays, 0.9), percentile(delays, 1.0));
  std::printf("  longest event handled by the window thread: %.1f ms, %s\n", application.longest(),
              qPrintable(application.longest_what()));
  std::printf("  resident memory: %ld MiB before the run, highest seen %ld MiB, peak %ld MiB\n", rss_before,
              rss_highest, peak_rss_mib());
  program.stop();
  return caught < 0 ? 1 : 0;
}

}  // namespace
}  // namespace tarnex::bench

int main(int argc, char** argv) {
  const long mebibytes = argc > 1 ? std::atol(argv[1]) : 10;
  const bool one_line = argc > 2 && std::string(argv[2]) == "no-newline";
  if (mebibytes <= 0) {
    std::fprintf(stderr, "usage: tarnex-window-bench MEBIBYTES [no-newline]\n");
    return 2;
  }
  return tarnex::bench::run(argc, argv, mebibytes, one_line);
}
