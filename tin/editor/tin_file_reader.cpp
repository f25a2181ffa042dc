#include "tin/editor/tin_file_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

#include "base/file_system.h"
#include "tin/catalogue/record_list.h"

namespace tarnex::tin {
namespace {

namespace fs = std::filesystem;
using Outcome = TinFileRead::Outcome;


// Tabs and line ends are the only control characters of a text file.
bool is_control(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F; }

bool same_ignoring_case(const std::string& a, const std::string& b) {
  return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// Splits the bytes into lines as they arrive, so that no file, however large
// or however long its lines, is held whole.
class LineSplitter {
 public:
  // False when the file cannot be a TIN file; `outcome` says why.
  bool take(unsigned char c) {
    if (!in_line_) {
      if (lines_.size() == static_cast<std::size_t>(kSlots)) return fail(Outcome::kTooManyLines);
      in_line_ = true;
    }
    // A carriage return belongs to a CR LF line end only.
    if (carriage_return_ && c != '\n') return fail(Outcome::kNotText);
    carriage_return_ = c == '\r';
    if (c == '\n') {
      lines_.push_back(std::move(line_));
      line_.clear();
      in_line_ = false;
    } else if (is_control(c)) {
      return fail(Outcome::kNotText);
    } else if (c != '\r' && line_.size() < static_cast<std::size_t>(kLineLength)) {
      line_.push_back(static_cast<char>(c));
    }
    return true;
  }

  // The last line needs no line end.
  std::vector<std::string> finish() {
    if (in_line_) lines_.push_back(std::move(line_));
    return std::move(lines_);
  }

  Outcome outcome() const { return outcome_; }

 private:
  bool fail(Outcome outcome) {
    outcome_ = outcome;
    return false;
  }

  std::vector<std::string> lines_;
  std::string line_;
  bool in_line_ = false;
  bool carriage_return_ = false;
  Outcome outcome_ = Outcome::kRead;
};

}  // namespace

TinFileRead read_tin_file(const std::string& name) {
  std::error_code error;
  const auto path = files::native_path(name);
  if (!fs::is_regular_file(path, error)) return {Outcome::kCannotOpen, {}};
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(files::open(path, "rb"), std::fclose);
  if (!file) return {Outcome::kCannotOpen, {}};
  LineSplitter splitter;
  std::array<unsigned char, 65536> buffer;
  bool at_start = true;
  while (const auto n = std::fread(buffer.data(), 1, buffer.size(), file.get())) {
    // A UTF-8 byte-order mark at the start is no part of the first record.
    const std::string_view read(reinterpret_cast<const char*>(buffer.data()), n);
    std::size_t i = at_start && read.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    at_start = false;
    for (; i < n; ++i) {
      if (!splitter.take(buffer[i])) return {splitter.outcome(), {}};
    }
  }
  if (std::ferror(file.get())) return {Outcome::kReadError, {}};
  return {Outcome::kRead, splitter.finish()};
}

// Where names differ in letter case only when they are one name (Windows),
// the system finds the file itself and the name stays as typed.
std::string existing_file_name(const std::string& name) {
  std::error_code error;
  const auto path = files::native_path(name);
  if (fs::exists(path, error) || !path.has_filename()) return name;
  const auto directory = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const auto wanted = files::utf8_name(path.filename());
  std::string found;
  for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    const auto candidate = files::utf8_name(it->path().filename());
    if (same_ignoring_case(candidate, wanted) && (found.empty() || candidate < found)) found = candidate;
  }
  if (found.empty()) return name;
  return path.has_parent_path() ? files::utf8_name(path.parent_path() / files::native_path(found)) : found;
}

bool can_create_new_file(const std::string& name) {
  const auto path = files::native_path(name);
  // Creation fails when the file exists.
  std::FILE* probe = files::create_new(path);
  if (!probe) return false;
  std::fclose(probe);
  std::error_code ignored;
  fs::remove(path, ignored);
  return true;
}

}  // namespace tarnex::tin
