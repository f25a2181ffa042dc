#include "ui/headless/headless_ui.h"

#include <cerrno>
#include <stdexcept>

namespace tarnex::ui {
namespace {

// The item bound to a routine, in a const or a changeable menu bar.
template <typename Menus>
auto find_item(Menus& menus, std::string_view routine_name) -> decltype(&menus.front().items.front()) {
  for (auto& menu : menus) {
    for (auto& item : menu.items) {
      if (!item.separator && item.routine_name == routine_name) return &item;
    }
  }
  return nullptr;
}

template <typename Menus>
auto& item_named(Menus& menus, std::string_view routine_name) {
  auto* item = find_item(menus, routine_name);
  if (!item) throw std::invalid_argument("no menu item is bound to \"" + std::string(routine_name) + "\"");
  return *item;
}

}  // namespace

bool HeadlessUi::set_text_font(std::string_view family, int, int) {
  if (family != accepted_font_) return false;
  font_ = family;
  return true;
}

void HeadlessUi::add_menu(std::string_view title) {
  std::lock_guard lock(mutex_);
  menus_.push_back({std::string(title), {}});
}

void HeadlessUi::add_menu_item(std::string_view text, std::string_view routine_name, std::function<void()> routine,
                               bool enabled) {
  std::lock_guard lock(mutex_);
  if (routine_name.empty() || find_item(menus_, routine_name)) {
    throw std::invalid_argument("menu item without a routine name of its own: \"" + std::string(routine_name) + "\"");
  }
  menus_.back().items.push_back({std::string(text), std::string(routine_name), false, enabled, std::move(routine)});
}

void HeadlessUi::add_menu_separator() {
  std::lock_guard lock(mutex_);
  menus_.back().items.push_back({std::string(), std::string(), true, true, nullptr});
}

void HeadlessUi::set_menu_item_enabled(std::string_view routine_name, bool enabled) {
  std::lock_guard lock(mutex_);
  item_named(menus_, routine_name).enabled = enabled;
}

void HeadlessUi::set_close_enabled(bool enabled) {
  std::lock_guard lock(mutex_);
  close_enabled_ = enabled;
}

void HeadlessUi::set_close_refusal(std::function<void()> refusal) {
  std::lock_guard lock(mutex_);
  close_refusal_ = std::move(refusal);
}

void HeadlessUi::user_close() {
  std::function<void()> refusal;
  {
    std::lock_guard lock(mutex_);
    if (close_enabled_) {
      exit_code_ = 0;
      return;
    }
    refusal = close_refusal_;
  }
  if (refusal) refusal();
}

bool HeadlessUi::close_enabled() const {
  std::lock_guard lock(mutex_);
  return close_enabled_;
}

// Titled as the Qt window titles it, so that a scenario reads the same.
void HeadlessUi::show_about() { message_box(about_text_, "About Tarnex"); }

void HeadlessUi::show_run_started(std::string_view program, std::string_view roots) {
  std::lock_guard lock(mutex_);
  run_statuses_.push_back({std::string(program), std::string(roots), std::nullopt, 0});
}

void HeadlessUi::show_run_ended(RunEnd end, int exit_code) {
  std::lock_guard lock(mutex_);
  if (run_statuses_.empty()) throw std::logic_error("a run ended that never started");
  run_statuses_.back().end = end;
  run_statuses_.back().exit_code = exit_code;
}

std::vector<HeadlessUi::RunStatus> HeadlessUi::run_statuses() const {
  std::lock_guard lock(mutex_);
  return run_statuses_;
}

void HeadlessUi::message_box(std::string_view text, std::string_view title) {
  {
    std::lock_guard lock(mutex_);
    message_boxes_.push_back({std::string(text), std::string(title)});
  }
  if (!is_live()) return;
  ModalWindow box;
  box.kind = ModalWindow::Kind::MessageBox;
  box.text = text;
  box.title = title;
  live_.run(box, [&box] { return box.ended; });
}

std::optional<std::string> HeadlessUi::open_file(const std::vector<std::pair<std::string, std::string>>& filter,
                                                 std::string_view title, std::string_view initial) {
  std::unique_lock lock(mutex_);
  last_title_ = title;
  last_initial_ = initial;
  last_filter_.clear();
  for (const auto& [description, patterns] : filter) last_filter_.push_back(description + "|" + patterns);
  if (open_file_answers_.empty()) {
    if (!is_live()) return std::nullopt;
    // With no answer queued the dialog stays open, as the system's would.
    ModalWindow chooser;
    chooser.kind = ModalWindow::Kind::OpenFile;
    chooser.title = title;
    lock.unlock();
    live_.run(chooser, [&chooser] { return chooser.ended; });
    return std::nullopt;
  }
  auto answer = open_file_answers_.front();
  open_file_answers_.pop_front();
  return answer;
}

int HeadlessUi::shell_open(std::string_view target) {
  std::lock_guard lock(mutex_);
  shell_opened_.emplace_back(target);
  return shell_result_;
}

std::optional<int> HeadlessUi::start_program(const std::vector<std::string>& arguments) {
  std::lock_guard lock(mutex_);
  program_starts_.push_back(arguments);
  if (arguments.empty()) return EINVAL;
  auto failing = program_start_errors_.find(arguments.front());
  if (failing == program_start_errors_.end()) return std::nullopt;
  return failing->second;
}

std::unique_ptr<Dialog> HeadlessUi::make_dialog(int dialog_id) {
  const auto* dialog_template = templates_.find(dialog_id);
  if (!dialog_template) return nullptr;
  return std::make_unique<HeadlessDialog>(*dialog_template, *this);
}

void HeadlessUi::exit_program(int code) {
  {
    std::lock_guard lock(mutex_);
    exit_code_ = code;
  }
  if (is_live()) shut_down();
}

void HeadlessUi::go_live() { live_.start_window_thread(); }

std::vector<HeadlessUi::Menu> HeadlessUi::menus() const {
  std::lock_guard lock(mutex_);
  return menus_;
}

bool HeadlessUi::menu_item_enabled(std::string_view routine_name) const {
  std::lock_guard lock(mutex_);
  return item_named(menus_, routine_name).enabled;
}

bool HeadlessUi::user_choose_menu(std::string_view menu, std::string_view item) {
  std::function<void()> routine;
  {
    std::lock_guard lock(mutex_);
    for (const auto& m : menus_) {
      if (m.title != menu) continue;
      for (const auto& i : m.items) {
        if (!i.separator && i.text == item) {
          if (!i.enabled) return false;
          routine = i.routine;
        }
      }
    }
  }
  if (!routine) return false;
  routine();
  return true;
}

std::vector<HeadlessUi::MessageBox> HeadlessUi::message_boxes() const {
  std::lock_guard lock(mutex_);
  return message_boxes_;
}

std::vector<std::string> HeadlessUi::shell_opened() const {
  std::lock_guard lock(mutex_);
  return shell_opened_;
}

std::optional<int> HeadlessUi::exit_code() const {
  std::lock_guard lock(mutex_);
  return exit_code_;
}

void HeadlessUi::answer_open_file(std::optional<std::string> path) {
  std::lock_guard lock(mutex_);
  open_file_answers_.push_back(std::move(path));
}

void HeadlessUi::on_modal(int dialog_id, std::function<void(HeadlessDialog&)> user) {
  std::lock_guard lock(mutex_);
  scripts_[dialog_id].push_back(std::move(user));
}

std::function<void(HeadlessDialog&)> HeadlessUi::take_script(int dialog_id) {
  std::lock_guard lock(mutex_);
  dialogs_run_.push_back(dialog_id);
  auto& queue = scripts_[dialog_id];
  if (queue.empty()) return nullptr;
  auto user = std::move(queue.front());
  queue.pop_front();
  return user;
}

std::vector<int> HeadlessUi::dialogs_run() const {
  std::lock_guard lock(mutex_);
  return dialogs_run_;
}

std::vector<std::string> HeadlessUi::last_open_file_filter() const {
  std::lock_guard lock(mutex_);
  return last_filter_;
}

std::string HeadlessUi::last_open_file_title() const {
  std::lock_guard lock(mutex_);
  return last_title_;
}

std::string HeadlessUi::last_open_file_initial() const {
  std::lock_guard lock(mutex_);
  return last_initial_;
}

std::vector<std::vector<std::string>> HeadlessUi::program_starts() const {
  std::lock_guard lock(mutex_);
  return program_starts_;
}

void HeadlessUi::fail_program_start(std::string program, int error) {
  std::lock_guard lock(mutex_);
  program_start_errors_[std::move(program)] = error;
}

void HeadlessUi::show_history(HistoryAccess access) {
  std::lock_guard lock(mutex_);
  ++history_shown_;
  history_ = std::move(access);
}

void HeadlessUi::set_history_notice(std::string_view text) {
  std::lock_guard lock(mutex_);
  history_notice_ = text;
}

int HeadlessUi::history_shown() const {
  std::lock_guard lock(mutex_);
  return history_shown_;
}

std::optional<HistoryAccess> HeadlessUi::history() const {
  std::lock_guard lock(mutex_);
  return history_;
}

std::string HeadlessUi::history_notice() const {
  std::lock_guard lock(mutex_);
  return history_notice_;
}

std::optional<std::string> HeadlessUi::user_run_again(std::size_t row) {
  const auto access = history();
  if (!access || !access->runs || !access->run_again) return std::nullopt;
  const auto runs = history::list_runs(access->runs->directory());
  if (row < 1 || row > runs.size()) return std::nullopt;
  return access->run_again(runs[row - 1]);
}

}  // namespace tarnex::ui
