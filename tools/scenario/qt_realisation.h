#pragma once
// The scenario player's realisation on the Qt window: it finds dialogs and
// controls by their object names (d<id>, c<id>), reads the widgets as the
// user sees them and acts on them with QTest's keys and clicks, posted to
// run after the player's tick on the window thread.

#include <QObject>

#include "app/program.h"
#include "realisation.h"

namespace tarnex::scenario {

class QtRealisation final : public Realisation {
 public:
  explicit QtRealisation(Program& program) : program_(program) {}

  // Called by the program's exit handler.
  void program_exited() { exited_ = true; }

  bool started_up() override { return program_.started_up(); }
  bool exited() override { return exited_; }
  State& state() override { return program_.state(); }
  std::string window_text() override { return program_.ui().text().text(); }
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
  void answer_open_file(std::optional<std::string> path) override { program_.ui().answer_open_file(std::move(path)); }
  // Posted actions run before the next tick of the window thread's timer.
  bool settled() override { return true; }

 private:
  Program& program_;
  QObject context_;
  bool exited_ = false;
};

}  // namespace tarnex::scenario
