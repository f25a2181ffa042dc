#include "headless_realisation.h"

#include <future>
#include <memory>

namespace tarnex::scenario {
namespace {

using ui::HeadlessDialog;
using ui::ModalWindow;

// Runs `read` on the thread of the topmost modal window, between two of its
// actions, and waits for it; nothing when no window is open or it closed
// before the reading ran.
template <typename T>
std::optional<T> read_topmost(ui::ModalLoops& live, std::function<std::optional<T>(ModalWindow&)> read) {
  auto promise = std::make_shared<std::promise<std::optional<T>>>();
  auto future = promise->get_future();
  const bool posted = live.post_to_topmost([promise = std::move(promise), read = std::move(read)](ModalWindow* window) {
    promise->set_value(window ? read(*window) : std::nullopt);
  });
  if (!posted) return std::nullopt;
  try {
    return future.get();
  } catch (const std::future_error&) {
    // the window's thread left its last loop before reading
    return std::nullopt;
  }
}

// A control of a dialog or of the pages its tab controls show; `shown`
// turns false on a page that is not the one its tab control shows.
struct Found {
  HeadlessDialog* dialog = nullptr;
  const ControlTemplate* layout = nullptr;
  bool shown = true;
};

Found find_control(HeadlessDialog& dialog, int id, bool shown = true) {
  if (const auto* layout = dialog.layout(id)) return Found{&dialog, layout, shown && !layout->hidden};
  for (int tabs : dialog.control_ids()) {
    if (dialog.layout(tabs)->kind != ::tarnex::ControlKind::TabControl) continue;
    for (int index = 1; index <= dialog.item_count(tabs); ++index) {
      if (auto* page = static_cast<HeadlessDialog*>(dialog.page(tabs, index))) {
        const Found found = find_control(*page, id, shown && dialog.selected(tabs) == index);
        if (found.layout) return found;
      }
    }
  }
  return {};
}

bool is_label(const ControlTemplate& layout) { return layout.label && layout.read_only && !layout.multi_line; }

scenario::ControlKind kind_of(const ControlTemplate& layout) {
  switch (layout.kind) {
    case ::tarnex::ControlKind::Static:
    case ::tarnex::ControlKind::GroupBox:
      return scenario::ControlKind::Label;
    case ::tarnex::ControlKind::Edit:
      return is_label(layout) ? scenario::ControlKind::Label : scenario::ControlKind::Edit;
    case ::tarnex::ControlKind::PushButton:
    case ::tarnex::ControlKind::DefaultPushButton:
      return scenario::ControlKind::PushButton;
    case ::tarnex::ControlKind::CheckBox:
    case ::tarnex::ControlKind::RadioButton:
      return scenario::ControlKind::CheckBox;
    case ::tarnex::ControlKind::DropDownList:
    case ::tarnex::ControlKind::DropDownCombo:
    case ::tarnex::ControlKind::ListBox:
      return scenario::ControlKind::List;
    case ::tarnex::ControlKind::TabControl:
      return scenario::ControlKind::Tabs;
    case ::tarnex::ControlKind::ScrollBar:
      return scenario::ControlKind::ScrollBar;
  }
  return scenario::ControlKind::Other;
}

ControlView view_of(const Found& found, int id) {
  const auto& layout = *found.layout;
  HeadlessDialog& dialog = *found.dialog;
  ControlView view;
  view.kind = kind_of(layout);
  view.editable = view.kind == scenario::ControlKind::Edit || layout.kind == ::tarnex::ControlKind::DropDownCombo;
  view.enabled = dialog.enabled(id);
  view.shown = found.shown;
  view.text = dialog.text(id);
  view.checked = dialog.checked(id);
  if (view.kind == scenario::ControlKind::List || view.kind == scenario::ControlKind::Tabs) {
    for (int i = 1; i <= dialog.item_count(id); ++i) view.entries.push_back(dialog.item_text(id, i));
    view.selected = dialog.selected(id) - 1;
  }
  return view;
}

// The characters of UTF-8 text, each with its continuation bytes.
std::vector<std::string> characters(std::string_view text) {
  std::vector<std::string> result;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80 && !result.empty()) result.back() += c;
    else result.emplace_back(1, c);
  }
  return result;
}

// Enter where a line break is not typed: the dialog's default button, as
// the window presses it.
void press_default(HeadlessDialog& dialog) {
  for (int id : dialog.control_ids()) {
    const auto* layout = dialog.layout(id);
    if (layout->kind == ::tarnex::ControlKind::DefaultPushButton && !layout->hidden && dialog.enabled(id)) {
      dialog.user_click(id);
      return;
    }
  }
}

// Types key by key into an edit box whose text is all selected: each key
// fires the edit's callback, and the next key goes after what the box then
// holds.
void type_keys(HeadlessDialog& window, HeadlessDialog& dialog, int id, const std::string& text) {
  const auto& layout = *dialog.layout(id);
  dialog.user_leave();
  dialog.user_focus(id);
  if (layout.read_only) return;
  if (text.empty()) {
    dialog.user_type(id, "");
    return;
  }
  const bool breaks_lines = layout.multi_line && !layout.one_value;
  bool first = true;
  for (const auto& key : characters(text)) {
    const std::string before = first ? std::string() : dialog.text(id);
    first = false;
    if (key == "\n" && !breaks_lines) {
      press_default(window);
      if (window.ended()) return;
      continue;
    }
    dialog.user_type(id, before + key);
  }
}

}  // namespace

void HeadlessRealisation::act(std::function<void(HeadlessDialog&)> action) {
  ui_.live().post_to_topmost([action = std::move(action)](ModalWindow* window) {
    if (window && window->dialog) action(*window->dialog);
  });
}

std::optional<WindowView> HeadlessRealisation::topmost() {
  const auto shown = ui_.live().shown();
  if (shown.empty()) return std::nullopt;
  const auto& window = shown.back();
  WindowView view;
  view.title = window.title;
  switch (window.kind) {
    case ModalWindow::Kind::MessageBox:
      view.kind = WindowView::Kind::MessageBox;
      view.name = "messagebox";
      return view;
    case ModalWindow::Kind::OpenFile:
      view.name = "openfile";
      return view;
    case ModalWindow::Kind::Dialog:
      break;
  }
  return read_topmost<WindowView>(ui_.live(), [](ModalWindow& open) -> std::optional<WindowView> {
    if (!open.dialog) return std::nullopt;
    WindowView dialog;
    dialog.kind = WindowView::Kind::Dialog;
    dialog.dialog_id = open.dialog->id();
    dialog.name = "d" + std::to_string(dialog.dialog_id);
    dialog.title = open.dialog->caption();
    return dialog;
  });
}

std::optional<ControlView> HeadlessRealisation::control(int id) {
  return read_topmost<ControlView>(ui_.live(), [id](ModalWindow& open) -> std::optional<ControlView> {
    if (!open.dialog) return std::nullopt;
    const Found found = find_control(*open.dialog, id);
    if (!found.layout) return std::nullopt;
    return view_of(found, id);
  });
}

std::optional<std::string> HeadlessRealisation::message_box() {
  const auto shown = ui_.live().shown();
  for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
    if (it->kind == ModalWindow::Kind::MessageBox) return it->text;
  }
  return std::nullopt;
}

std::optional<bool> HeadlessRealisation::menu_item(const std::string& menu, const std::string& item) {
  for (const auto& m : ui_.menus()) {
    if (m.title != menu) continue;
    for (const auto& i : m.items) {
      if (!i.separator && i.text == item) return i.enabled;
    }
  }
  return std::nullopt;
}

void HeadlessRealisation::choose_menu_item(const std::string& menu, const std::string& item) {
  ui_.live().post_to_window([this, menu, item] { ui_.user_choose_menu(menu, item); });
}

void HeadlessRealisation::focus(int id) {
  act([id](HeadlessDialog& dialog) {
    auto& target = *find_control(dialog, id).dialog;
    target.user_leave();
    target.user_focus(id);
  });
}

void HeadlessRealisation::type(int id, const std::string& text) {
  act([id, text](HeadlessDialog& dialog) { type_keys(dialog, *find_control(dialog, id).dialog, id, text); });
}

void HeadlessRealisation::click(int id) {
  act([id](HeadlessDialog& dialog) { find_control(dialog, id).dialog->user_click(id); });
}

void HeadlessRealisation::choose(int id, int index) {
  act([id, index](HeadlessDialog& dialog) { find_control(dialog, id).dialog->user_choose(id, index + 1); });
}

void HeadlessRealisation::scroll(int id, int position) {
  act([id, position](HeadlessDialog& dialog) { find_control(dialog, id).dialog->user_scroll(id, position); });
}

void HeadlessRealisation::press_message_box() {
  ui_.live().post_to_topmost(
      [](ModalWindow* window) {
        if (window) window->ended = true;
      },
      ModalWindow::Kind::MessageBox);
}

}  // namespace tarnex::scenario
