#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/fixed_text.h"
#include "tin/catalogue/edited_record.h"
#include "tin/editor/record_editing.h"
#include "tin/editor/tin_file_reader.h"

namespace tarnex::fuzz {
namespace {

namespace fs = std::filesystem;

// In memory where the system has it: the round trip writes and syncs a file
// for every input.
fs::path scratch_parent() {
  if (const char* tmp = std::getenv("TMPDIR")) return tmp;
  std::error_code error;
  if (fs::is_directory("/dev/shm", error)) return "/dev/shm";
  return fs::temp_directory_path();
}

class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (scratch_parent() / "tarnex-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("tarnex fuzz: no scratch directory");
      std::abort();
    }
    path_ = pattern;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void print_lines(const char* heading, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::fprintf(stderr, "%s\n", heading);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::fprintf(stderr, "%4zu |%s|\n", k + 1, without_trailing_blanks(lines[k]).c_str());
  }
}

const fs::path& scratch_directory() {
  static const ScratchDirectory directory;
  return directory.path();
}

}  // namespace

std::string scratch_file(std::string_view name) { return (scratch_directory() / name).string(); }

std::string_view as_text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

std::optional<std::vector<std::string>> loaded_lines(std::string_view bytes) {
  static const std::string name = scratch_file("loaded.tin");
  {
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  auto read = tin::read_tin_file(name);
  if (read.outcome != tin::TinFileRead::Outcome::kRead) return std::nullopt;
  return std::move(read.lines);
}

std::vector<std::string> lines_of(const tin::RecordList& list) {
  std::vector<std::string> lines;
  for (int k = 1; k <= list.count(); ++k) lines.push_back(list.line(k));
  return lines;
}

tin::TinState state_with(const std::vector<std::string>& lines) {
  tin::TinState tin;
  for (const auto& line : lines) tin.records.append(std::vector<std::string>{line});
  return tin;
}

ui::HeadlessUi& window() {
  static ui::HeadlessUi ui;
  return ui;
}

std::optional<int> edit_and_confirm(tin::TinState& tin, int selected) {
  if (const auto* record = tin::dialog_to_edit(tin.records.line(selected))) {
    const int ok = record->add_button;
    window().on_modal(record->dialog, [ok](ui::HeadlessDialog& dialog) { dialog.user_click(ok); });
  }
  return tin::edit_record(tin, window(), selected);
}

void require(bool holds, std::string_view what, const std::vector<std::string>& before,
             const std::vector<std::string>& after) {
  if (holds) return;
  std::fprintf(stderr, "\nProperty broken: %.*s\n", static_cast<int>(what.size()), what.data());
  print_lines("Lines before:", before);
  print_lines("Lines after:", after);
  // abort() skips the static objects' destructors: the scratch files go now.
  std::error_code ignored;
  fs::remove_all(scratch_directory(), ignored);
  std::abort();
}

}  // namespace tarnex::fuzz
