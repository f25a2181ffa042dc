// The TIN file loader and writer: any bytes load or are refused without a
// crash, and a loaded file written with Build loads again as the same lines,
// each as its first 152 columns (the columns that reach the file).

#include "fuzz_support.h"

#include "base/fixed_text.h"
#include "tin/editor/tin_file_reader.h"
#include "tin/editor/tin_file_writer.h"

using namespace tarnex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto loaded = fuzz::loaded_lines(fuzz::as_text(data, size));
  if (!loaded) return 0;
  const auto tin = fuzz::state_with(*loaded);
  fuzz::require(tin.records.count() == static_cast<int>(loaded->size()), "every loaded line is in the list");

  static const std::string written = fuzz::scratch_file("written.tin");
  fuzz::require(tin::write_tin_file(written, tin.records), "Build writes the file");
  const auto read = tin::read_tin_file(written);
  fuzz::require(read.outcome == tin::TinFileRead::Outcome::kRead, "the written file loads");

  std::vector<std::string> expected;
  for (const auto& line : fuzz::lines_of(tin.records)) expected.push_back(fit(line, tin::kWrittenColumns));
  fuzz::require(read.lines == expected, "the written file loads as the same lines", expected, read.lines);
  return 0;
}
