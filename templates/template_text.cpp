#include "templates/template_text.h"

#include "base/fixed_text.h"
#include "resources/resources.h"

namespace tarnex::templates {
namespace {

struct TemplateText {
  std::string_view kind;
  std::string_view resource;
};

constexpr TemplateText kTexts[] = {
    {"MOR", "texts/mor_dat_template.txt"},
    {"FLUM", "texts/flum_hin_template.txt"},
};

constexpr std::string_view kUnknownKind = "An error occured in creating the template.";

}  // namespace

std::vector<std::string> template_lines(std::string_view kind) {
  const auto wanted = without_trailing_blanks(remove_leading_blanks(kind));
  std::vector<std::string> lines;
  for (const auto& text : kTexts) {
    if (wanted != text.kind) continue;
    for (const auto line : split_lines(resources::text(text.resource))) lines.push_back(fit(line, kTemplateLineLength));
    return lines;
  }
  lines.push_back(fit(kUnknownKind, kTemplateLineLength));
  return lines;
}

}  // namespace tarnex::templates
