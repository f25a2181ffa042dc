#pragma once
// The file-type commands of the "QARN Files" menu: each offers the model
// files of one kind in the open-file dialog and opens the chosen file with
// the desktop's default application.

#include <string>
#include <string_view>
#include <vector>

#include "ui/services.h"

namespace tarnex {

struct FileFilter {
  std::string routine;
  std::string description;
  std::string patterns;  // "*.EXT;*.EXT"
};

std::vector<FileFilter> parse_file_filters(std::string_view text);
// The table of resources/tables/file_filters.tbl, in the menu's order.
const std::vector<FileFilter>& file_filters();

// Shared by all file-type commands for the life of the program and never
// cleared, so that each dialog opens showing the file chosen last.
struct OpenFileRequest {
  std::string file_name;
};

// Shows the open-file dialog with `filter`; a chosen file is opened with its
// default application, a cancel does nothing. A file that no application
// could open is reported in an "ERROR" box.
void QARN_FILES_BROWSE(ui::Ui& ui, OpenFileRequest& request, const FileFilter& filter);

}  // namespace tarnex
