#include <algorithm>

#include "ui/headless/headless_ui.h"

namespace tarnex::ui {
namespace {

bool is_list(ControlKind kind) {
  return kind == ControlKind::ListBox || kind == ControlKind::DropDownList ||
         kind == ControlKind::DropDownCombo || kind == ControlKind::TabControl;
}

}  // namespace

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialog_template, HeadlessUi& ui)
    : ui_(ui), id_(dialog_template.id), caption_(dialog_template.title) {
  for (const auto& layout : dialog_template.controls) {
    Control c;
    c.layout = layout;
    c.text = layout.caption;
    c.items = layout.items;
    controls_[layout.id] = std::move(c);
  }
}

HeadlessDialog::Control& HeadlessDialog::control(int control_id) {
  auto it = controls_.find(control_id);
  if (it == controls_.end()) {
    throw UserActionError("dialog " + std::to_string(id_) + " has no control " + std::to_string(control_id));
  }
  return it->second;
}

const HeadlessDialog::Control& HeadlessDialog::control(int control_id) const {
  return const_cast<HeadlessDialog*>(this)->control(control_id);
}

HeadlessDialog::Control& HeadlessDialog::usable(int control_id) {
  auto& c = control(control_id);
  if (!c.enabled) throw UserActionError("control " + std::to_string(control_id) + " is disabled");
  if (c.layout.hidden) throw UserActionError("control " + std::to_string(control_id) + " is hidden");
  return c;
}

void HeadlessDialog::fire(int control_id, Event event) {
  auto it = callbacks_.find({control_id, event});
  if (it == callbacks_.end()) return;
  auto callback = it->second;  // the callback may replace itself
  callback(*this, control_id, event);
}

void HeadlessDialog::set_text(int control_id, std::string_view text) {
  auto& c = control(control_id);
  if (is_list(c.layout.kind) && c.layout.kind != ControlKind::DropDownCombo) {
    auto it = std::find(c.items.begin(), c.items.end(), text);
    c.selected = it == c.items.end() ? 0 : static_cast<int>(it - c.items.begin()) + 1;
    return;
  }
  c.text = text;
}

std::string HeadlessDialog::text(int control_id) const {
  const auto& c = control(control_id);
  if (is_list(c.layout.kind) && c.layout.kind != ControlKind::DropDownCombo) {
    return c.selected > 0 ? c.items[c.selected - 1] : std::string();
  }
  return c.text;
}

void HeadlessDialog::set_checked(int control_id, bool checked) {
  auto& c = control(control_id);
  c.checked = checked;
  if (checked && c.layout.kind == ControlKind::RadioButton) {
    for (auto& [id, other] : controls_) {
      if (id != control_id && other.layout.kind == ControlKind::RadioButton &&
          other.layout.radio_group == c.layout.radio_group) {
        other.checked = false;
      }
    }
  }
}

bool HeadlessDialog::checked(int control_id) const { return control(control_id).checked; }
void HeadlessDialog::set_enabled(int control_id, bool enabled) { control(control_id).enabled = enabled; }
bool HeadlessDialog::enabled(int control_id) const { return control(control_id).enabled; }
void HeadlessDialog::set_text_limit(int control_id, int limit) { control(control_id).limit = limit; }
int HeadlessDialog::text_limit(int control_id) const { return control(control_id).limit; }

void HeadlessDialog::set_caret(int control_id, int position) {
  auto& c = control(control_id);
  c.caret = std::clamp(position, 1, static_cast<int>(c.text.size()) + 1);
}

int HeadlessDialog::caret(int control_id) const { return control(control_id).caret; }

void HeadlessDialog::set_item_count(int control_id, int count) {
  auto& c = control(control_id);
  c.items.resize(static_cast<std::size_t>(std::max(count, 0)));
  if (c.selected > count) c.selected = 0;
}

int HeadlessDialog::item_count(int control_id) const {
  return static_cast<int>(control(control_id).items.size());
}

void HeadlessDialog::set_item_text(int control_id, int index, std::string_view text) {
  auto& c = control(control_id);
  if (index < 1) return;
  if (static_cast<std::size_t>(index) > c.items.size()) c.items.resize(static_cast<std::size_t>(index));
  c.items[static_cast<std::size_t>(index) - 1] = text;
}

std::string HeadlessDialog::item_text(int control_id, int index) const {
  const auto& c = control(control_id);
  if (index < 1 || static_cast<std::size_t>(index) > c.items.size()) return {};
  return c.items[static_cast<std::size_t>(index) - 1];
}

void HeadlessDialog::set_selected(int control_id, int index) {
  auto& c = control(control_id);
  c.selected = (index >= 1 && static_cast<std::size_t>(index) <= c.items.size()) ? index : 0;
  if (c.layout.kind == ControlKind::DropDownCombo && c.selected > 0) c.text = c.items[c.selected - 1];
}

int HeadlessDialog::selected(int control_id) const { return control(control_id).selected; }

void HeadlessDialog::set_scroll_range(int control_id, int minimum, int maximum) {
  auto& c = control(control_id);
  c.minimum = minimum;
  c.maximum = std::max(minimum, maximum);
  c.position = std::clamp(c.position, c.minimum, c.maximum);
}

void HeadlessDialog::set_scroll_page(int control_id, int page) { control(control_id).page = page; }

void HeadlessDialog::set_scroll_position(int control_id, int position) {
  auto& c = control(control_id);
  c.position = std::clamp(position, c.minimum, c.maximum);
}

int HeadlessDialog::scroll_position(int control_id) const { return control(control_id).position; }

void HeadlessDialog::set_callback(int control_id, Event event, Callback callback) {
  if (control_id == id_ && event == Event::DialogInit) {
    callbacks_[{id_, Event::DialogClose}] = callback;
  }
  callbacks_[{control_id, event}] = std::move(callback);
}

int HeadlessDialog::run_modal() {
  const bool live = ui_.is_live();
  if (live && ui_.live().shutting_down()) return kCancel;
  running_ = true;
  ended_ = false;
  result_ = kCancel;
  focused_ = 0;
  fire(id_, Event::DialogInit);
  if (!ended_ && live) {
    ModalWindow window;
    window.dialog = this;
    ui_.live().run(window, [this] { return ended_; });
  } else if (!ended_) {
    if (auto user = ui_.take_script(id_)) user(*this);
  }
  running_ = false;
  fire(id_, Event::DialogClose);
  return result_;
}

void HeadlessDialog::end(int result) {
  ended_ = true;
  result_ = result;
}

void HeadlessDialog::show_page(int tab_control_id, int tab_index, Dialog& page) {
  control(tab_control_id).pages[tab_index] = &page;
}

Dialog* HeadlessDialog::page(int tab_control_id, int tab_index) const {
  const auto& pages = control(tab_control_id).pages;
  auto it = pages.find(tab_index);
  return it == pages.end() ? nullptr : it->second;
}

const ControlTemplate* HeadlessDialog::layout(int control_id) const {
  auto it = controls_.find(control_id);
  return it == controls_.end() ? nullptr : &it->second.layout;
}

std::vector<int> HeadlessDialog::control_ids() const {
  std::vector<int> ids;
  for (const auto& [id, c] : controls_) ids.push_back(id);
  return ids;
}

void HeadlessDialog::user_focus(int control_id) {
  usable(control_id);
  if (focused_ == control_id) return;
  focused_ = control_id;
  fire(control_id, Event::FocusGain);
}

void HeadlessDialog::user_type(int control_id, std::string_view text) {
  user_focus(control_id);
  auto& c = control(control_id);
  if (c.layout.read_only) throw UserActionError("control " + std::to_string(control_id) + " is read-only");
  std::string typed(text);
  if (!c.layout.multi_line) typed = typed.substr(0, typed.find('\n'));
  if (c.limit > 0 && typed.size() > static_cast<std::size_t>(c.limit)) typed.resize(static_cast<std::size_t>(c.limit));
  c.text = typed;
  c.caret = static_cast<int>(typed.size()) + 1;
  fire(control_id, Event::EditChange);
}

void HeadlessDialog::user_click(int control_id) {
  auto& c = usable(control_id);
  focused_ = control_id;
  switch (c.layout.kind) {
    case ControlKind::CheckBox:
      c.checked = !c.checked;
      break;
    case ControlKind::RadioButton:
      set_checked(control_id, true);
      break;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
      if (!callbacks_.count({control_id, Event::Click})) {
        end(control_id);
        return;
      }
      break;
    default:
      throw UserActionError("control " + std::to_string(control_id) + " cannot be clicked");
  }
  fire(control_id, Event::Click);
}

void HeadlessDialog::user_check(int control_id, bool checked) {
  if (control(control_id).checked != checked) user_click(control_id);
}

void HeadlessDialog::user_choose(int control_id, int index) {
  auto& c = usable(control_id);
  if (!is_list(c.layout.kind)) throw UserActionError("control " + std::to_string(control_id) + " is not a list");
  if (index < 1 || static_cast<std::size_t>(index) > c.items.size()) {
    throw UserActionError("control " + std::to_string(control_id) + " has no entry " + std::to_string(index));
  }
  focused_ = control_id;
  set_selected(control_id, index);
  fire(control_id, Event::SelectionChange);
}

void HeadlessDialog::user_choose(int control_id, std::string_view entry) {
  const auto& items = control(control_id).items;
  auto it = std::find(items.begin(), items.end(), entry);
  if (it == items.end()) {
    throw UserActionError("control " + std::to_string(control_id) + " has no entry \"" + std::string(entry) + "\"");
  }
  user_choose(control_id, static_cast<int>(it - items.begin()) + 1);
}

void HeadlessDialog::user_scroll(int control_id, int position) {
  auto& c = usable(control_id);
  if (c.layout.kind != ControlKind::ScrollBar) {
    throw UserActionError("control " + std::to_string(control_id) + " is not a scroll bar");
  }
  c.position = std::clamp(position, c.minimum, c.maximum);
  fire(control_id, Event::ScrollChange);
}

void HeadlessDialog::user_double_click(int control_id, int index) {
  user_choose(control_id, index);
  if (const int button = control(control_id).layout.double_click) user_click(button);
}

void HeadlessDialog::user_press_delete(int control_id) {
  usable(control_id);
  focused_ = control_id;
  if (const int button = control(control_id).layout.delete_key) user_click(button);
}

}  // namespace tarnex::ui
