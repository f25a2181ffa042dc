#pragma once
// The data files of resources/ (dialog templates, the menu table, texts),
// compiled into the program so that it needs no files beside it.

#include <span>
#include <string_view>

namespace tarnex::resources {

struct Resource {
  std::string_view name;  // path below resources/, e.g. "dialogs/instructions.dlg"
  std::string_view text;
};

std::span<const Resource> all();

// The text of one resource; empty when there is none of that name.
std::string_view text(std::string_view name);

}  // namespace tarnex::resources
