#pragma once
// A dialog of the Qt window built from its template. Every widget carries the
// objectName c<id>, the dialog d<id>, so that tests and the scenario runner
// find them. Programmatic changes are made with the widget's signals blocked,
// so only the user's actions reach the callbacks.

#include <QDialog>
#include <QPointer>
#include <atomic>
#include <map>
#include <utility>
#include <vector>

#include "ui/services.h"

class QGroupBox;
class QWidget;

namespace tarnex::ui {

class QtDialog final : public Dialog {
 public:
  // `stopping` is set when the program shuts down: no dialog runs after it.
  QtDialog(const DialogTemplate& dialog_template, QWidget* owner, const std::atomic<bool>& stopping);
  ~QtDialog() override;

  int id() const override { return id_; }
  void set_caption(std::string_view caption) override;
  std::string caption() const override;
  bool has_control(int control_id) const override;
  void set_text(int control_id, std::string_view text) override;
  std::string text(int control_id) const override;
  void set_checked(int control_id, bool checked) override;
  bool checked(int control_id) const override;
  void set_enabled(int control_id, bool enabled) override;
  bool enabled(int control_id) const override;
  void set_text_limit(int control_id, int limit) override;
  void set_caret(int control_id, int position) override;
  int caret(int control_id) const override;
  void set_item_count(int control_id, int count) override;
  int item_count(int control_id) const override;
  void set_item_text(int control_id, int index, std::string_view text) override;
  std::string item_text(int control_id, int index) const override;
  void set_selected(int control_id, int index) override;
  int selected(int control_id) const override;
  void set_scroll_range(int control_id, int minimum, int maximum) override;
  void set_scroll_page(int control_id, int page) override;
  void set_scroll_position(int control_id, int position) override;
  int scroll_position(int control_id) const override;
  void set_callback(int control_id, Event event, Callback callback) override;
  int run_modal() override;
  void end(int result) override;
  void show_page(int tab_control_id, int tab_index, Dialog& page) override;

  QDialog* widget() const { return dialog_; }

 private:
  // An input control, with the labels or texts and the group box that
  // caption it.
  struct Captioned {
    QWidget* control;
    std::vector<QWidget*> labels;
    QGroupBox* group;
  };

  void build(const DialogTemplate& dialog_template);
  // Gives each input control its caption as its accessible name and buddy.
  void caption_controls(const std::vector<std::pair<const ControlTemplate*, QWidget*>>& built);
  // Names the captioned controls again after a caption changed.
  void name_captioned();
  // Clicks a push button as the user would.
  void press(int button_id);
  // The visible lines the template gives a control, 0 when none.
  int lines_of(int control_id) const;
  void connect_events(const ControlTemplate& control, QWidget* widget);
  QWidget* find(int control_id) const;
  // Calls `change` on the window thread with control `control_id` as the
  // first of `Widgets` it is, its signals blocked so that what the program
  // sets reaches no callback. A missing control, or one of another kind, is
  // left alone.
  template <typename... Widgets, typename Change>
  void with_control(int control_id, Change change);
  // What `read` gives for control `control_id` as the first of `Widgets` it
  // is; `none` for a missing control or one of another kind.
  template <typename... Widgets, typename Result, typename Read>
  Result read_control(int control_id, Result none, Read read) const;
  void fire(int control_id, Event event);
  void user_typed(int control_id);

  int id_;
  QPointer<QDialog> dialog_;
  const std::atomic<bool>& stopping_;
  std::map<int, QWidget*> controls_;
  std::map<int, int> lines_;
  std::vector<Captioned> captioned_;
  std::map<int, int> limits_;
  std::map<std::pair<int, Event>, Callback> callbacks_;
  // The control whose caret the program placed last, so that a click that
  // gives a box the focus keeps the caret its focus callback placed.
  int caret_placed_ = 0;
  bool ended_early_ = false;
  int early_result_ = kCancel;
};

}  // namespace tarnex::ui
