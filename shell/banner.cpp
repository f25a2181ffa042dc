#include "shell/banner.h"

#include "base/fixed_text.h"
#include "resources/resources.h"

namespace tarnex {

std::vector<std::string> banner_lines() {
  std::vector<std::string> lines;
  for (auto line : split_lines(resources::text("texts/banner.txt"))) lines.emplace_back(line);
  return lines;
}

}  // namespace tarnex
