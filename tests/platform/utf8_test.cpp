#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(Utf8Test, DecodesOnlyWellFormedSequences) {
  struct Case {
    const char* bytes;
    std::size_t length;
    char32_t code_point;
  };
  for (const Case& c : {
           Case{"a", 1, U'a'},
           Case{"\xC3\xA9", 2, U'é'},
           Case{"\xE5\x86\x99", 3, U'写'},
           Case{"\xF0\x9F\x98\x80", 4, 0x1F600},
           Case{"\xEF\xBF\xBD", 3, 0xFFFD},
           Case{"\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
           Case{"\xC0\xAF", 0, 0},          // overlong
           Case{"\xC1\xBF", 0, 0},          // overlong
           Case{"\xE0\x80\xAF", 0, 0},      // overlong
           Case{"\xF0\x80\x80\xAF", 0, 0},  // overlong
           Case{"\xED\xA0\x80", 0, 0},      // surrogate
           Case{"\xF4\x90\x80\x80", 0, 0},  // beyond U+10FFFF
           Case{"\xF5\x80\x80\x80", 0, 0},
           Case{"\x80", 0, 0},       // stray continuation byte
           Case{"\xE5\x86", 0, 0},   // cut short
           Case{"\xE5\x86z", 0, 0},  // a third byte that continues nothing
           Case{"\xC3", 0, 0},
       }) {
    const Utf8Character decoded = DecodeUtf8(c.bytes);
    EXPECT_EQ(decoded.length, c.length) << c.bytes;
    if (c.length != 0) {
      EXPECT_EQ(decoded.code_point, c.code_point) << c.bytes;
    }
  }
}

TEST(Utf8Test, DecodesInsideTextAndNothingPastItsEnd) {
  const std::string_view text = "a\xE5\x86\x99";
  EXPECT_EQ(DecodeUtf8(text, 1).code_point, U'写');
  EXPECT_EQ(DecodeUtf8(text, 2).length, 0u);
  EXPECT_EQ(DecodeUtf8(text, 4).length, 0u);
  EXPECT_EQ(DecodeUtf8(text.substr(0, 3), 1).length, 0u);  // the view ends inside the character
}

}  // namespace
}  // namespace pictavue
