#pragma once
// What Build ORBEN File tells the user: that the file was written (or not),
// and the warnings on the order of the TITL and ENDF records, which never
// stop the file from being written.

#include <string>
#include <string_view>
#include <vector>

#include "tin/catalogue/record_list.h"

namespace tarnex::tin {

// The warnings that hold for the list, in the order they are reported.
std::vector<std::string_view> build_warnings(const RecordList& list);

// The report of a written file, its warnings appended.
std::string build_report(std::string_view file_name, const std::vector<std::string_view>& warnings);

// The report of a file that could not be written.
std::string build_failure_report(std::string_view file_name);

}  // namespace tarnex::tin
