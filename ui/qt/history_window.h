#pragma once
// The History window: the runs newest first (start time, program, roots,
// duration, result) and the selected run's transcript, read-only in a
// fixed-pitch font, with Find, Copy, Open transcript and Run again, and the
// switch that keeps transcripts or not. It follows the runs as they come
// and end while it is open.

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "history/shown_runs.h"
#include "history/transcript_reader.h"
#include "ui/services.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnex::ui {

class FindBar;

class HistoryWindow final : public QWidget {
 public:
  // `ui` opens transcripts with the desktop's default application.
  HistoryWindow(Ui& ui, QWidget* owner);

  // Shows the window, raised, with the listing read afresh.
  void open(HistoryAccess access);
  // Reads the listing again; the window does so every second while shown.
  void refresh();

 private:
  void fill_list();
  void describe(QTreeWidgetItem& item, const history::RunRecord& run) const;
  void show_selected(bool follow);
  const history::RunRecord* selected() const;
  void copy();
  void open_transcript();
  void run_again();
  void set_keeping(bool keeping);
  void show_place();
  void say(const QString& text);

  Ui& ui_;
  HistoryAccess access_;
  history::RunListing listing_;
  history::ShownRuns shown_;
  std::filesystem::path current_;
  // The transcript in the view as it was read.
  std::filesystem::path viewed_;
  std::uint64_t viewed_bytes_ = 0;

  QCheckBox* keep_;
  QLabel* place_;
  QTreeWidget* runs_;
  QPlainTextEdit* transcript_;
  FindBar* find_;
  QPushButton* copy_;
  QPushButton* open_;
  QPushButton* again_;
  QLabel* status_;
  QTimer* follow_;
};

}  // namespace tarnex::ui
