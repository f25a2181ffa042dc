#pragma once
// What the scenario runner sees of the Qt window: the topmost modal dialog,
// its controls by id, their texts as the user reads them, the menu items.

#include <QString>
#include <string>

class QAction;
class QMainWindow;
class QMessageBox;
class QWidget;

namespace tarnex::scenario {

// The topmost modal dialog, or null.
QWidget* topmost_dialog();
// The visible message box, or null.
QMessageBox* open_message_box();
// Control c<id> of a dialog (pages of its tab controls included), or null.
QWidget* find_control(QWidget* dialog, int id);
// The text a user reads: a button's caption, an edit's text, a list's
// selected entry; line breaks as line feeds.
std::string control_text(QWidget* control);
// The selected entry's text of a list or combo; false when it is neither.
bool selected_entry(QWidget* control, std::string& text);
// The number of entries of a list, combo or tab control; -1 for others.
int entry_count(QWidget* control);
// The menu item by the menu table's texts, or null.
QAction* find_menu_item(QMainWindow* window, const std::string& menu, const std::string& item);

// Line breaks of any kind as single line feeds.
std::string normalise_breaks(std::string text);

}  // namespace tarnex::scenario
