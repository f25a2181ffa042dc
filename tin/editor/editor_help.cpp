#include "tin/editor/editor_help.h"

#include <string_view>

namespace tarnex::tin {
namespace {

constexpr std::string_view kParagraphs[] = {
    "To add a record to the file, select a drop list of the record type you desire then click CREATE.  In the "
    "dialog box that appears, you can select record options from drop lists and add text in edit boxes.  "
    "Selecting 'OK' will cause this new record to be inserted at the end of the ORBEN file.",
    "To move a record up or down in the file, select the record with the mouse in the 'File View' box and use the "
    "'Move Up' or 'Move Down' buttons.",
    "The 'Edit' button will activate a dialog box to modify the selected record.",
    "The 'Delete' button will remove a record from the file, and all subsequent records will be automatically "
    "shifted up one row to replace the deleted record.",
    "The 'Build ORBEN File' button will write the current contents of the 'File View' box to the filename shown "
    "in the title bar of the File Builder dialog box.",
};

constexpr std::string_view kParagraphBreak = "\r\n\r\n";

}  // namespace

std::string editor_help_text() {
  std::string text;
  for (auto paragraph : kParagraphs) {
    if (!text.empty()) text += kParagraphBreak;
    text += paragraph;
  }
  return text;
}

}  // namespace tarnex::tin
