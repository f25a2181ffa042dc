// Message boxes, the about box, the system's open-file dialog, opening
// documents and web addresses, starting programs, and template dialogs.

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <filesystem>

#include "process/start_program.h"
#include "ui/win32/win32_dialog.h"
#include "ui/win32/win32_text.h"
#include "ui/win32/win32_ui.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {
namespace {

// The longest path the open-file dialog may give back.
constexpr DWORD kLongestPath = 32768;

// A dialog that, once Tarnex is ending, no longer runs: it ends at once as
// cancelled, so that a command loop that opens it meanwhile never waits for
// a user who has closed the program.
class StoppableDialog final : public Dialog {
 public:
  StoppableDialog(std::unique_ptr<Dialog> dialog, const std::atomic<bool>& stopping)
      : dialog_(std::move(dialog)), stopping_(stopping) {}

  int id() const override { return dialog_->id(); }
  void set_caption(std::string_view caption) override { dialog_->set_caption(caption); }
  std::string caption() const override { return dialog_->caption(); }
  bool has_control(int control_id) const override { return dialog_->has_control(control_id); }
  void set_text(int control_id, std::string_view text) override { dialog_->set_text(control_id, text); }
  std::string text(int control_id) const override { return dialog_->text(control_id); }
  void set_checked(int control_id, bool checked) override { dialog_->set_checked(control_id, checked); }
  bool checked(int control_id) const override { return dialog_->checked(control_id); }
  void set_enabled(int control_id, bool enabled) override { dialog_->set_enabled(control_id, enabled); }
  bool enabled(int control_id) const override { return dialog_->enabled(control_id); }
  void set_text_limit(int control_id, int limit) override { dialog_->set_text_limit(control_id, limit); }
  void set_caret(int control_id, int position) override { dialog_->set_caret(control_id, position); }
  int caret(int control_id) const override { return dialog_->caret(control_id); }
  void set_item_count(int control_id, int count) override { dialog_->set_item_count(control_id, count); }
  int item_count(int control_id) const override { return dialog_->item_count(control_id); }
  void set_item_text(int control_id, int index, std::string_view text) override {
    dialog_->set_item_text(control_id, index, text);
  }
  std::string item_text(int control_id, int index) const override { return dialog_->item_text(control_id, index); }
  void set_selected(int control_id, int index) override { dialog_->set_selected(control_id, index); }
  int selected(int control_id) const override { return dialog_->selected(control_id); }
  void set_scroll_range(int control_id, int minimum, int maximum) override {
    dialog_->set_scroll_range(control_id, minimum, maximum);
  }
  void set_scroll_page(int control_id, int page) override { dialog_->set_scroll_page(control_id, page); }
  void set_scroll_position(int control_id, int position) override {
    dialog_->set_scroll_position(control_id, position);
  }
  int scroll_position(int control_id) const override { return dialog_->scroll_position(control_id); }
  void set_callback(int control_id, Event event, Callback callback) override {
    // The callbacks are handed this dialog, so that what they open is
    // stopped the same way.
    dialog_->set_callback(control_id, event, [this, callback = std::move(callback)](Dialog&, int id, Event e) {
      callback(*this, id, e);
    });
  }
  int run_modal() override { return stopping_ ? kCancel : dialog_->run_modal(); }
  void end(int result) override { dialog_->end(result); }
  void show_page(int tab_control_id, int tab_index, Dialog& page) override {
    auto* stoppable = dynamic_cast<StoppableDialog*>(&page);
    dialog_->show_page(tab_control_id, tab_index, stoppable ? *stoppable->dialog_ : page);
  }

 private:
  std::unique_ptr<Dialog> dialog_;
  const std::atomic<bool>& stopping_;
};

// "description\0*.A;*.B\0...\0\0". The file system matches names in any
// letter case, so the patterns serve as they are.
std::wstring filter_text(const std::vector<std::pair<std::string, std::string>>& filter) {
  std::wstring text;
  for (const auto& [description, patterns] : filter) {
    text += wide(description);
    text += L'\0';
    text += wide(patterns);
    text += L'\0';
  }
  text += L'\0';
  return text;
}

}  // namespace

void Win32Ui::set_about_text(std::string_view text) {
  on_window_thread([&] { about_text_ = text; });
}

void Win32Ui::show_about() {
  on_window_thread([&] {
    if (stopping_) return;
    MessageBoxW(owner(), lines_text(about_text_).c_str(), L"About Tarnex", MB_OK | MB_ICONINFORMATION);
  });
}

void Win32Ui::message_box(std::string_view text, std::string_view title) {
  on_window_thread([&] {
    if (stopping_) return;
    MessageBoxW(owner(), lines_text(text).c_str(), wide(title).c_str(), MB_OK | MB_ICONWARNING);
  });
}

void Win32Ui::answer_open_file(std::optional<std::string> path) {
  std::lock_guard lock(answers_mutex_);
  open_file_answers_.push_back(std::move(path));
}

std::optional<std::string> Win32Ui::open_file(const std::vector<std::pair<std::string, std::string>>& filter,
                                              std::string_view title, std::string_view initial) {
  {
    std::lock_guard lock(answers_mutex_);
    if (!open_file_answers_.empty()) {
      auto answer = std::move(open_file_answers_.front());
      open_file_answers_.pop_front();
      return answer;
    }
  }
  return on_window_thread([&]() -> std::optional<std::string> {
    if (stopping_) return std::nullopt;
    const std::wstring filters = filter_text(filter);
    const std::wstring caption = wide(title);
    // A folder opens the dialog there; a file's path opens its folder with
    // its name filled in.
    std::wstring folder;
    std::wstring name(kLongestPath, L'\0');
    if (!initial.empty()) {
      const std::filesystem::path path(wide(initial));
      std::error_code ignored;
      if (std::filesystem::is_directory(path, ignored)) {
        folder = path.wstring();
      } else {
        folder = path.parent_path().wstring();
        const std::wstring file = path.filename().wstring();
        file.copy(name.data(), kLongestPath - 1);
      }
    }
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kLongestPath;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    // The current directory is the model directory, which the dialog must
    // leave as it was.
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return narrow(name.c_str());
  });
}

int Win32Ui::shell_open(std::string_view target) {
  return on_window_thread([&] {
    const auto code = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner(), nullptr, wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return static_cast<int>(code);
  });
}

std::optional<int> Win32Ui::start_program(const std::vector<std::string>& arguments) {
  return process::start_detached_program(arguments);
}

std::unique_ptr<Dialog> Win32Ui::make_dialog(int dialog_id) {
  const auto* dialog_template = templates_.find(dialog_id);
  if (!dialog_template) return nullptr;
  return on_window_thread([&]() -> std::unique_ptr<Dialog> {
    auto dialog = make_win32_dialog(*dialog_template, owner());
    if (!dialog) return nullptr;
    return std::make_unique<StoppableDialog>(std::move(dialog), stopping_);
  });
}

}  // namespace tarnex::ui::win32
