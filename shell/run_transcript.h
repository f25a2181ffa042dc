#pragma once
// The transcript of one model run, kept as the driver tells of the run: the
// header before the program starts, what the window shows as it shows it,
// and how the run ended. A transcript that cannot be kept changes nothing
// of the run; the status line says so once.

#include <chrono>
#include <memory>
#include <string_view>

#include "common/running_child.h"
#include "history/run_history.h"
#include "history/transcript_writer.h"
#include "run/run_observer.h"
#include "run/run_settings.h"
#include "ui/services.h"

namespace tarnex {

class RunTranscript final : public RunObserver {
 public:
  // Begins the transcript of a run of `run_code` (from the dialog of
  // `dialog_code`) answered from `settings`, when transcripts are kept.
  RunTranscript(history::RunHistory& runs, const RunSettings& settings, ui::Ui& ui, int run_code, int dialog_code);

  void started() override { started_ = true; }
  void shown(std::string_view bytes) override {
    if (writer_) writer_->output(bytes);
  }
  void drained() override {
    if (writer_) writer_->flush();
  }

  // The run is over: how `running` ended goes into the trailer.
  void finish(const RunningChild& running);

 private:
  void note(std::string failure);

  history::RunHistory& runs_;
  ui::Ui& ui_;
  std::unique_ptr<history::TranscriptWriter> writer_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  bool started_ = false;
};

}  // namespace tarnex
