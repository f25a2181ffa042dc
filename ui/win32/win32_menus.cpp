// The menu bar, built from the menu table through the window services: each
// item is known by its routine's name and has a command number of its own.

#include "ui/win32/win32_text.h"
#include "ui/win32/win32_ui.h"
#include "ui/win32/window_thread.h"

namespace tarnex::ui::win32 {

void Win32Ui::add_menu(std::string_view title) {
  on_window_thread([&] {
    last_menu_ = CreatePopupMenu();
    AppendMenuW(menu_bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(last_menu_), wide(title).c_str());
    DrawMenuBar(frame_);
  });
}

void Win32Ui::add_menu_item(std::string_view text, std::string_view routine_name, std::function<void()> routine,
                            bool enabled) {
  on_window_thread([&] {
    const UINT command = next_command_++;
    AppendMenuW(last_menu_, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, wide(text).c_str());
    items_.insert_or_assign(std::string(routine_name), Item{last_menu_, command, std::move(routine)});
  });
}

void Win32Ui::add_menu_separator() {
  on_window_thread([&] { AppendMenuW(last_menu_, MF_SEPARATOR, 0, nullptr); });
}

void Win32Ui::set_menu_item_enabled(std::string_view routine_name, bool enabled) {
  on_window_thread([&] {
    const auto item = items_.find(routine_name);
    if (item == items_.end()) {
      OutputDebugStringW((L"tarnex: no menu item is bound to \"" + wide(routine_name) + L"\"\n").c_str());
      return;
    }
    EnableMenuItem(item->second.menu, item->second.command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  });
}

UINT Win32Ui::command_of(std::string_view routine_name) const {
  return on_window_thread([&] {
    const auto item = items_.find(routine_name);
    return item == items_.end() ? 0u : item->second.command;
  });
}

}  // namespace tarnex::ui::win32
