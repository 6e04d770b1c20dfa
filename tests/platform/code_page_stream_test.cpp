#include "platform/code_page_stream.h"

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(CodePageStream, CompletePrefixStopsBeforeACharacterCutShort) {
  struct Case {
    std::string text;
    std::size_t complete;
  };
  const std::vector<Case> cases = {
      {"", 0},
      {"a\xE3\x81\x82", 4},  // あ whole
      {"a\xE3\x81", 1},      // あ cut after two bytes
      {"\xF0\x9F\x98", 0},   // a four-byte sequence cut short
      {"a\x81", 2},          // a stray continuation byte is a character of its own
      {"a\xFF", 2},          // so is a byte that starts nothing
      {"\xC3\xA9\xC3", 2},   // é, then the start of another
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompleteUtf8Prefix(c.text), c.complete) << c.text;
  }
}

TEST(CodePageStream, ConvertsWholeCharactersAcrossWrites) {
  std::ostringstream target;
  {
    CodePageStreamBuf buffer(*target.rdbuf(), CodePage("CP932"));
    std::ostream out(&buffer);
    // あ arrives in two pieces: nothing of it may pass before its last byte.
    out << "x\xE3\x81";
    out.flush();
    EXPECT_EQ(target.str(), "x");
    out << "\x82" << std::flush;
    EXPECT_EQ(target.str(), "x\x82\xA0");
    // A character that Shift_JIS lacks becomes "?".
    out << " \xC3\xA9" << std::flush;
    EXPECT_EQ(target.str(), "x\x82\xA0 ?");
    out << "\xE3";  // cut short for good: passed on as it is when the stream goes
  }
  EXPECT_EQ(target.str(), "x\x82\xA0 ??");
}

TEST(CodePageStream, LongTextPassesOnWithoutAFlush) {
  std::ostringstream target;
  CodePageStreamBuf buffer(*target.rdbuf(), CodePage("CP932"));
  std::ostream out(&buffer);
  std::string text;
  for (int i = 0; i < 3000; ++i) {
    text += "\xE3\x81\x82";  // あ, 3 bytes in UTF-8 and 2 in Shift_JIS
  }
  out << text;
  EXPECT_GE(target.str().size(), 2000u);
  out << std::flush;
  EXPECT_EQ(target.str().size(), 6000u);
}

}  // namespace
}  // namespace pictavue
