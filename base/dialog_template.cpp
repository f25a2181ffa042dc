#include "base/dialog_template.h"

#include <charconv>
#include <utility>

#include "base/fixed_text.h"
#include "resources/resources.h"

namespace tarnex {
namespace {

struct KindName {
  std::string_view word;
  ControlKind kind;
};

constexpr KindName kKinds[] = {
    {"static", ControlKind::Static},          {"edit", ControlKind::Edit},
    {"button", ControlKind::PushButton},      {"default", ControlKind::DefaultPushButton},
    {"check", ControlKind::CheckBox},         {"radio", ControlKind::RadioButton},
    {"group", ControlKind::GroupBox},         {"droplist", ControlKind::DropDownList},
    {"combo", ControlKind::DropDownCombo},    {"list", ControlKind::ListBox},
    {"hscroll", ControlKind::ScrollBar},      {"tab", ControlKind::TabControl},
};

// Splits a template line into words and quoted strings; quoted strings keep a
// leading '"' so that the parser can tell `"row=1"` from `row=1`.
std::vector<std::string> split_line(std::string_view line, int line_no) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    if (line[i] == '#') break;
    std::string word;
    if (line[i] == '"') {
      word = "\"";
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size()) {
          char e = line[i++];
          c = e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
        }
        word += c;
      }
      if (!closed) throw TemplateError("line " + std::to_string(line_no) + ": unclosed quote");
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

int to_int(std::string_view text, int line_no) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw TemplateError("line " + std::to_string(line_no) + ": not a number: " + std::string(text));
  }
  return value;
}

bool is_quoted(const std::string& word) { return !word.empty() && word[0] == '"'; }

void apply_word(ControlTemplate& control, const std::string& word, int line_no) {
  const auto eq = word.find('=');
  if (eq != std::string::npos) {
    const auto key = word.substr(0, eq);
    if (key == "name") {
      control.name = word.substr(eq + 1);
      return;
    }
    const int value = to_int(std::string_view(word).substr(eq + 1), line_no);
    if (key == "row") control.row = value;
    else if (key == "col") control.column = value;
    else if (key == "rowspan") control.row_span = value;
    else if (key == "span") control.column_span = value;
    else if (key == "in") control.parent = value;
    else if (key == "lines") control.lines = value;
    else if (key == "doubleclick") control.double_click = value;
    else if (key == "deletekey") control.delete_key = value;
    else throw TemplateError("line " + std::to_string(line_no) + ": unknown key " + key);
    return;
  }
  if (word == "multiline") control.multi_line = true;
  else if (word == "readonly") control.read_only = true;
  else if (word == "hidden") control.hidden = true;
  else if (word == "fixedpitch") control.fixed_pitch = true;
  else if (word == "vscroll") control.always_scroll_bar = true;
  else if (word == "label") control.label = true;
  else if (word == "onevalue") control.one_value = true;
  else if (word != "newgroup") throw TemplateError("line " + std::to_string(line_no) + ": unknown word " + word);
}

}  // namespace

const ControlTemplate* DialogTemplate::control(int control_id) const {
  for (const auto& c : controls) {
    if (c.id == control_id) return &c;
  }
  return nullptr;
}

std::vector<DialogTemplate> parse_dialog_templates(std::string_view text) {
  std::vector<DialogTemplate> dialogs;
  int line_no = 0;
  int radio_group = 0;
  const ControlTemplate* previous = nullptr;
  for (const auto line : split_lines(text)) {
    ++line_no;
    const auto words = split_line(line, line_no);
    if (words.empty()) continue;
    const auto where = "line " + std::to_string(line_no) + ": ";
    if (words.size() < 2 || is_quoted(words[1])) throw TemplateError(where + "a kind and an id expected");
    if (words[0] == "dialog") {
      DialogTemplate dialog;
      dialog.id = to_int(words[1], line_no);
      for (std::size_t i = 2; i < words.size(); ++i) {
        if (is_quoted(words[i])) dialog.title = words[i].substr(1);
        else if (words[i] == "page") dialog.page = true;
        else if (words[i].starts_with("name=")) dialog.name = words[i].substr(5);
        else throw TemplateError(where + "unknown word " + words[i]);
      }
      dialogs.push_back(std::move(dialog));
      previous = nullptr;
      continue;
    }
    if (dialogs.empty()) throw TemplateError(where + "control before any dialog");
    ControlTemplate control;
    bool known = false;
    for (const auto& k : kKinds) {
      if (words[0] == k.word) {
        control.kind = k.kind;
        known = true;
      }
    }
    if (!known) throw TemplateError(where + "unknown kind " + words[0]);
    control.id = to_int(words[1], line_no);
    bool new_group = false;
    bool have_caption = false;
    for (std::size_t i = 2; i < words.size(); ++i) {
      if (is_quoted(words[i])) {
        if (have_caption) control.items.push_back(words[i].substr(1));
        else control.caption = words[i].substr(1);
        have_caption = true;
      } else {
        if (words[i] == "newgroup") new_group = true;
        apply_word(control, words[i], line_no);
      }
    }
    if (control.kind == ControlKind::RadioButton) {
      // Consecutive radio buttons of one container form a group, as on the
      // desktop this was designed for; `newgroup` starts another.
      const bool continues = previous && previous->kind == ControlKind::RadioButton &&
                             previous->parent == control.parent && !new_group;
      if (!continues) ++radio_group;
      control.radio_group = radio_group;
    }
    auto& controls = dialogs.back().controls;
    for (const auto& c : controls) {
      if (c.id == control.id && control.id != -1) throw TemplateError(where + "id used twice");
    }
    controls.push_back(std::move(control));
    previous = &controls.back();
  }
  return dialogs;
}

TemplateLibrary::TemplateLibrary() {
  for (const auto& resource : resources::all()) {
    if (resource.name.ends_with(".dlg")) add(resource.text);
  }
}

void TemplateLibrary::add(std::string_view text) {
  for (auto& dialog : parse_dialog_templates(text)) {
    const int id = dialog.id;
    if (!templates_.emplace(id, std::move(dialog)).second) {
      throw TemplateError("dialog " + std::to_string(id) + " is defined twice");
    }
  }
}

const DialogTemplate* TemplateLibrary::find(int dialog_id) const {
  auto it = templates_.find(dialog_id);
  return it == templates_.end() ? nullptr : &it->second;
}

}  // namespace tarnex
