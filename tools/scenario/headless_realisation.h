#pragma once
// The scenario player's realisation on the headless window in its live mode
// (ui/headless/modal_loops.h): Tarnex runs as a Session, its command loop on
// its own thread and its menu routines on the live mode's window thread. A
// user action is posted to the thread of the modal window it acts on and
// fires the callbacks the headless unit tests fire; a reading runs there
// too, between two actions, and the player waits for it.

#include <functional>

#include "realisation.h"
#include "shell/session.h"
#include "ui/headless/headless_ui.h"

namespace tarnex::scenario {

class HeadlessRealisation final : public Realisation {
 public:
  HeadlessRealisation(ui::HeadlessUi& ui, Session& session) : ui_(ui), session_(session) {}

  bool started_up() override { return session_.started_up(); }
  bool exited() override { return ui_.exit_code().has_value(); }
  State& state() override { return session_.state(); }
  std::string window_text() override { return ui_.text().text(); }
  std::optional<WindowView> topmost() override;
  std::optional<ControlView> control(int id) override;
  std::optional<std::string> message_box() override;
  std::optional<bool> menu_item(const std::string& menu, const std::string& item) override;
  void focus(int id) override;
  void type(int id, const std::string& text) override;
  void click(int id) override;
  void choose(int id, int index) override;
  void scroll(int id, int position) override;
  void press_message_box() override;
  void choose_menu_item(const std::string& menu, const std::string& item) override;
  void answer_open_file(std::optional<std::string> path) override { ui_.answer_open_file(std::move(path)); }
  bool settled() override { return ui_.live().settled(); }

 private:
  // Acts on the topmost dialog, on its thread.
  void act(std::function<void(ui::HeadlessDialog&)> action);

  ui::HeadlessUi& ui_;
  Session& session_;
};

}  // namespace tarnex::scenario
