// Names cross to Windows as UTF-16: every UTF-8 text converts and comes back
// whole, and bytes that are no UTF-8 become U+FFFD instead of being lost
// silently or taking the next letter with them.

#include <gtest/gtest.h>

#include "base/utf16.h"

namespace tarnex {
namespace {

struct Case {
  const char* name;
  std::string utf8;
  std::u16string utf16;
};

TEST(Utf16, EveryLengthOfSequenceConvertsBothWays) {
  const Case cases[] = {
      {"empty", "", u""},
      {"ASCII", "C:\\M\\MOR.exe", u"C:\\M\\MOR.exe"},
      {"two bytes", "Mod\xc3\xa8les", u"Mod\u00e8les"},
      {"three bytes", "\xe2\x82\xac 5", u"\u20ac 5"},
      {"four bytes, a surrogate pair", "x\xf0\x9f\x8c\x8a", u"x\U0001F30A"},
      {"the highest code point", "\xf4\x8f\xbf\xbf", u"\U0010FFFF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf16_of(c.utf8), c.utf16) << c.name;
    EXPECT_EQ(utf8_of(c.utf16), c.utf8) << c.name;
  }
}

TEST(Utf16, BytesThatAreNoUtf8BecomeReplacementCharacters) {
  const Case cases[] = {
      {"a stray continuation byte", "a\x80z", u"a\uFFFDz"},
      {"a sequence cut by the end", "Caf\xc3", u"Caf\uFFFD"},
      {"a sequence cut by a letter", "\xe2\x82z", u"\uFFFD\uFFFDz"},
      {"an overlong form", "\xc0\xaf", u"\uFFFD\uFFFD"},
      {"an encoded surrogate", "\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond the highest code point", "\xf4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"a byte no sequence begins with", "\xff", u"\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(utf16_of(c.utf8), c.utf16) << c.name;
}

TEST(Utf16, ALoneSurrogateBecomesAReplacementCharacter) {
  const std::u16string high_alone{u'a', char16_t{0xD83C}, u'z'};
  const std::u16string low_alone{char16_t{0xDF0A}};
  const std::u16string reversed{char16_t{0xDF0A}, char16_t{0xD83C}};
  EXPECT_EQ(utf8_of(high_alone), "a\xef\xbf\xbdz");
  EXPECT_EQ(utf8_of(low_alone), "\xef\xbf\xbd");
  EXPECT_EQ(utf8_of(reversed), "\xef\xbf\xbd\xef\xbf\xbd");
}

TEST(Utf8, ASequenceIsMeasuredOnlyWhenItIsValid) {
  const struct {
    const char* name;
    std::string bytes;
    std::size_t length;
  } cases[] = {
      {"nothing", "", 0},
      {"ASCII, the rest not looked at", "a\x80", 1},
      {"two bytes", "\xc3\xa8z", 2},
      {"a valid replacement character", "\xef\xbf\xbd", 3},
      {"four bytes", "\xf0\x9f\x8c\x8a", 4},
      {"a stray continuation byte", "\x80", 0},
      {"a sequence cut by the end", "\xe2\x82", 0},
      {"an overlong form", "\xc0\xaf", 0},
      {"an encoded surrogate", "\xed\xa0\x80", 0},
      {"beyond the highest code point", "\xf4\x90\x80\x80", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(utf8_sequence_length(c.bytes), c.length) << c.name;
}

TEST(Utf8, CodePointsOfEveryLengthAreWritten) {
  std::string out;
  for (const char32_t code : {U'A', U'\u00e8', U'\u2400', U'\U0001F30A'}) append_utf8(out, code);
  EXPECT_EQ(out, "A\xc3\xa8\xe2\x90\x80\xf0\x9f\x8c\x8a");
}

}  // namespace
}  // namespace tarnex
