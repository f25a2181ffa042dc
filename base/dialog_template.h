#pragma once
// Dialog templates are data: a dialog id, its title and its numbered controls,
// each placed in a simple grid (row, column, spans). Both realisations build
// their dialogs from the same templates, so ids, kinds, captions and item
// lists are the same in tests and in the real window.

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex {

enum class ControlKind {
  Static,
  Edit,
  PushButton,
  DefaultPushButton,
  CheckBox,
  RadioButton,
  GroupBox,
  DropDownList,
  DropDownCombo,
  ListBox,
  ScrollBar,
  TabControl,
};

struct ControlTemplate {
  ControlKind kind = ControlKind::Static;
  int id = 0;
  std::string name;  // the name the program knows it by (resources/dialog_ids.h), if any
  int row = 0;
  int column = 0;
  int row_span = 1;
  int column_span = 1;
  int parent = 0;       // id of the group box that holds it, 0 for the dialog
  int radio_group = 0;  // radio buttons of one group share this number
  int lines = 0;        // visible text lines of a multi-line edit, 0: as the window likes
  bool multi_line = false;
  bool read_only = false;
  bool hidden = false;
  bool fixed_pitch = false;        // texts in a fixed-pitch font, so that columns line up
  bool always_scroll_bar = false;  // the vertical scroll bar shows even when not needed
  bool label = false;      // a read-only edit that captions a value: shown as text, not as a box
  bool one_value = false;  // a multi-line edit holding one value: Enter presses the default button
  int double_click = 0;    // of a list: the button a double-click on an entry presses, 0 none
  int delete_key = 0;      // of a list: the button the Delete key presses, 0 none
  std::string caption;  // caption of a button or static, initial text of an edit
  std::vector<std::string> items;
};

struct DialogTemplate {
  int id = 0;
  std::string name;  // the namespace of its ids in resources/dialog_ids.h, if any
  std::string title;
  bool page = false;  // a borderless child page of a tab control
  std::vector<ControlTemplate> controls;

  const ControlTemplate* control(int control_id) const;
};

struct TemplateError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads the templates of one text (several dialogs may follow each other).
// Throws TemplateError naming the line of a malformed entry.
std::vector<DialogTemplate> parse_dialog_templates(std::string_view text);

// The templates a realisation builds its dialogs from: those embedded from
// resources/ plus any a test adds.
class TemplateLibrary {
 public:
  TemplateLibrary();  // the embedded templates
  void add(std::string_view text);
  const DialogTemplate* find(int dialog_id) const;

 private:
  std::map<int, DialogTemplate> templates_;
};

}  // namespace tarnex
