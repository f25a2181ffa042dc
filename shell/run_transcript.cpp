#include "shell/run_transcript.h"

#include <filesystem>
#include <string>

#include "run/run_answers.h"

namespace tarnex {
namespace {

history::TranscriptHeader header_of(const RunSettings& settings, int run_code, int dialog_code) {
  history::TranscriptHeader header;
  header.program = program_name(run_code);
  header.run_code = run_code;
  header.dialog_code = dialog_code;
  std::error_code ignored;
  header.directory = std::filesystem::current_path(ignored).string();
  header.started = std::chrono::system_clock::now();
  for (auto& answer : answered_settings(run_code, settings)) {
    header.answers.push_back({std::move(answer.label), std::move(answer.value), answer.root});
  }
  return header;
}

}  // namespace

RunTranscript::RunTranscript(history::RunHistory& runs, const RunSettings& settings, ui::Ui& ui, int run_code,
                             int dialog_code)
    : runs_(runs), ui_(ui) {
  if (program_name(run_code).empty()) return;
  std::string failure;
  writer_ = runs_.begin(header_of(settings, run_code, dialog_code), failure);
  note(std::move(failure));
}

void RunTranscript::finish(const RunningChild& running) {
  if (!writer_) return;
  history::TranscriptEnd end;
  if (!started_) {
    end.outcome = history::Outcome::NotStarted;
  } else if (running.terminated()) {
    end.outcome = history::Outcome::Terminated;
  } else {
    end.outcome = history::Outcome::Exited;
    end.exit_code = running.exit_code();
  }
  end.duration = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
  writer_->finish(end);
  runs_.end(*writer_);
  if (writer_->failed()) note("writing " + writer_->path().string() + " failed: " + writer_->error().message());
  writer_.reset();
}

void RunTranscript::note(std::string failure) {
  const std::string notice = failure.empty() ? std::string() : "Transcripts are not being kept: " + failure;
  if (runs_.note_failure(std::move(failure))) ui_.set_history_notice(notice);
}

}  // namespace tarnex
