// The fixed texts of the two starter files: their lines, their length, and
// rulers and field headers that stay aligned with the record columns.

#include <gtest/gtest.h>

#include "base/fixed_text.h"
#include "templates/template_text.h"

namespace tarnex::templates {
namespace {

struct KnownLine {
  std::size_t number;
  const char* text;
};

struct TextCase {
  const char* kind;
  std::size_t count;
  std::vector<KnownLine> known;
};

const TextCase kTexts[] = {
    {"MOR",
     85,
     {{1, "**  This file is an optional aid for getting started developing a new DAT"},
      {9, "T1"},
      {18, "**       1         2         3         4         5         6         7         8"},
      {21, "** NYRS|   YRST| ICHECK|  CPOUT|  OUTWR|OUTFILE| ADJINC| NEGINC|  EPADJ|     TL"},
      {49, "**   CP|    AMT|    USE|  WRNUM|   |   |   |   |      WRID     |"},
      {54, "**   CP|    AMT|    USE|  WRNUM|   |RFM|   RFAC|    RCP| DINDEX|           WRID|  WRIDS|  WRIDS|"},
      {81, "**   PV/PE records are required for each reservoir associated with hydropower rights."},
      {84, "**  The file ends with a ED record."},
      {85, "ED"}}},
    {"FLUM",
     50,
     {{1, "**  This file is an optional aid for getting started developing a new HIN file"},
      {9, "** YRST|NYR|ICH|JC1|JC2|JC3|JC4|JC5|JC6|JC7|JC8|JC9|J10|J11|ADJ|NEG|EPA|J12|DSS|"},
      {10, "JC"},
      {26, "** OVAR| OG|OCD|OCP|   OUID|    OID|          OWRID|"},
      {49, "**  The file ends with an ED record."},
      {50, "ED"}}},
    {" MOR  ", 85, {{9, "T1"}}},
    {"mor", 1, {{1, "An error occured in creating the template."}}},
    {"", 1, {{1, "An error occured in creating the template."}}},
    {"ORB", 1, {{1, "An error occured in creating the template."}}},
};

TEST(TemplateText, LinesOfEachKindBlankPaddedTo256) {
  for (const auto& c : kTexts) {
    const auto lines = template_lines(c.kind);
    ASSERT_EQ(lines.size(), c.count) << c.kind;
    for (const auto& line : lines) EXPECT_EQ(line.size(), kTemplateLineLength) << c.kind;
    for (const auto& known : c.known) {
      EXPECT_EQ(lines[known.number - 1], fit(known.text, kTemplateLineLength)) << c.kind << " line " << known.number;
    }
  }
}

// The characters of 1-based column `c`, blank beyond the end.
char at(const std::string& line, std::size_t c) { return c <= line.size() ? line[c - 1] : ' '; }

std::vector<std::size_t> bars(const std::string& line) {
  std::vector<std::size_t> columns;
  for (std::size_t c = 1; c <= line.size(); ++c) {
    if (line[c - 1] == '|') columns.push_back(c);
  }
  return columns;
}

TEST(TemplateText, RulersNumberTheRecordColumns) {
  for (const char* kind : {"MOR", "FLUM"}) {
    const auto lines = template_lines(kind);
    int rulers = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      if (!lines[i].starts_with("**345")) continue;
      ++rulers;
      const auto& units = lines[i];
      const auto& tens = lines[i - 1];
      const auto end = length_without_trailing_blanks(units);
      for (std::size_t c = 3; c <= end; ++c) {
        EXPECT_EQ(at(units, c), static_cast<char>('0' + c % 10)) << kind << " line " << i + 1 << " column " << c;
        const char ten = c % 10 == 0 ? static_cast<char>('0' + (c / 10) % 10) : ' ';
        EXPECT_EQ(at(tens, c), ten) << kind << " line " << i << " column " << c;
      }
    }
    EXPECT_EQ(rulers, std::string(kind) == "MOR" ? 5 : 2) << kind;
  }
}

TEST(TemplateText, FieldNumbersFromTwoAndNamesRightAlignedAgainstTheirBars) {
  for (const char* kind : {"MOR", "FLUM"}) {
    const auto lines = template_lines(kind);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (!lines[i].starts_with("**  2  |")) continue;
      const auto number_bars = bars(lines[i]);
      // The fields are numbered 2, 3, 4 ... one between each pair of bars.
      std::size_t from = 3;
      int expected = 2;
      for (const auto bar : number_bars) {
        EXPECT_EQ(std::stoi(columns(lines[i], from, bar - from)), expected) << kind << " line " << i + 1;
        from = bar + 1;
        ++expected;
      }
      const auto& names = lines[i + 1];
      if (!names.starts_with("**") || names.starts_with("**  2  |")) continue;
      const auto name_bars = bars(names);
      ASSERT_LE(name_bars.size(), number_bars.size()) << kind << " line " << i + 2;
      EXPECT_TRUE(std::equal(name_bars.begin(), name_bars.end(), number_bars.begin())) << kind << " line " << i + 2;
      // A field of the name line is blank or ends with its name's last letter.
      std::size_t start = 3;
      for (const auto bar : name_bars) {
        EXPECT_TRUE(is_blank(columns(names, start, bar - start)) || at(names, bar - 1) != ' ')
            << kind << " line " << i + 2 << ": name not against the bar at column " << bar;
        start = bar + 1;
      }
    }
  }
}

}  // namespace
}  // namespace tarnex::templates
