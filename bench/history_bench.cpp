// Measures the History window with a full history: 1000 transcripts of runs
// of every program, most a few kilobytes and some a few hundred, made in a
// scratch state directory. It times reading the listing, and opening the
// window with it: the listing read, the list filled and the newest run's
// transcript shown. Each figure is the median of several openings.
//
//   tarnex-history-bench [RUNS]     (default 1000)

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "history/run_history.h"
#include "history/transcript_reader.h"
#include "history/transcript_writer.h"
#include "ui/headless/headless_ui.h"
#include "ui/qt/history_window.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kOpenings = 7;

double milliseconds_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::ranges::sort(values);
  return values[values.size() / 2];
}

// A run's output: its questions and answers, then progress lines, `lines`
// of them.
std::string output_of(int lines) {
  std::string text = "Enter root of input and output file names.\n\n   BASIN\n";
  for (int i = 0; i < lines; ++i)
    text +=
        "Reading BASIN.DAT, year " + std::to_string(1940 + i % 60) + ", control point CP" + std::to_string(i) + "\n";
  return text + "Exit QARN-MOR\nPress enter to exit.\n";
}

void make_history(const fs::path& directory, int count) {
  tarnex::history::RunHistory runs;
  runs.set_directory(directory);
  const char* programs[] = {"MOR", "ORB", "MERL", "ORB", "FLUM", "JORN"};
  const auto first = std::chrono::system_clock::now() - std::chrono::hours(24 * 30);
  for (int i = 0; i < count; ++i) {
    tarnex::history::TranscriptHeader header;
    header.program = programs[i % 6];
    header.run_code = 200;
    header.directory = "/home/modeller/basin";
    header.started = first + std::chrono::minutes(30 * i);
    header.answers = {{"input and output", "BASIN" + std::to_string(i % 7), true},
                      {"output files", "Replace All", false}};
    std::string failure;
    auto writer = runs.begin(header, failure);
    if (!writer) {
      std::fprintf(stderr, "cannot make a transcript: %s\n", failure.c_str());
      std::exit(1);
    }
    writer->output(output_of(i % 50 == 0 ? 5000 : 40));
    writer->finish({tarnex::history::Outcome::Exited, 0, std::chrono::milliseconds(900 + i), 0});
  }
}

// The offscreen platform's complaints about window sizes and raising say
// nothing about the figures.
void quiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  for (const char* known : {"propagateSizeHints", "raise()", "XDG_RUNTIME_DIR"}) {
    if (message.contains(QLatin1String(known))) return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 1000;
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  std::string pattern = (fs::temp_directory_path() / "tarnex-history-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return 1;
  const fs::path directory = fs::path(pattern) / "runs";
  fs::create_directories(directory);
  const auto making = Clock::now();
  make_history(directory, count);
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::directory_iterator(directory)) bytes += entry.file_size();
  std::printf("history of %d runs, %.1f MB, made in %.0f ms\n", count, static_cast<double>(bytes) / 1e6,
              milliseconds_since(making));

  std::vector<double> listing;
  for (int i = 0; i < kOpenings; ++i) {
    const auto start = Clock::now();
    const auto runs = tarnex::history::list_runs(directory);
    listing.push_back(milliseconds_since(start));
    if (runs.size() != static_cast<std::size_t>(count)) std::printf("listed %zu runs\n", runs.size());
  }
  std::printf("  reading the listing                       %7.1f ms (median of %d)\n", median(listing), kOpenings);

  qInstallMessageHandler(quiet);
  QApplication application(argc, argv);
  tarnex::ui::HeadlessUi ui;
  tarnex::history::RunHistory runs;
  runs.set_directory(directory);
  std::vector<double> opening;
  for (int i = 0; i < kOpenings; ++i) {
    const auto start = Clock::now();
    tarnex::ui::HistoryWindow window(ui, nullptr);
    window.open({&runs, nullptr});
    QApplication::processEvents();
    opening.push_back(milliseconds_since(start));
  }
  std::printf("  opening the History window with them      %7.1f ms (median of %d; aim: under 200 ms)\n",
              median(opening), kOpenings);
  fs::remove_all(pattern);
  return 0;
}
