#include "templates/dat_file_builder.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "templates/template_text.h"

namespace tarnex::templates {
namespace {

bool write_lines(std::FILE* file, const std::vector<std::string>& lines) {
  for (const auto& line : lines) {
    if (!files::write_line(file, line)) return false;
  }
  return std::fflush(file) == 0;
}

}  // namespace

TemplateWrite DATFILEBUILDER(std::string_view kind, std::string_view file_name) {
  const auto lines = template_lines(kind);
  const auto name = files::native_path(file_name);
  // Creation fails when the file exists, so nothing is ever overwritten.
  std::FILE* file = files::create_new(name);
  if (!file) return {TemplateWrite::Outcome::NotCreated, errno};
  errno = 0;
  const bool written = write_lines(file, lines);
  int error = errno;
  const bool closed = std::fclose(file) == 0;
  if (written && closed) return {};
  if (written) error = errno;
  std::error_code ignored;
  std::filesystem::remove(name, ignored);
  return {TemplateWrite::Outcome::WriteFailed, error};
}

}  // namespace tarnex::templates
