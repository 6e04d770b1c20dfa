#include "platform/code_page.h"

#include <clocale>
#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/code_page_stream.h"
#include "platform/path_style.h"
#include "platform/utf8.h"
#include "support/cases.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::CaseTable;

constexpr char kCases[] = "platform/code_page.txt";
const bool kWindows = NativePathStyle() == PathStyle::kWindows;

TEST(CodePageTest, NamesAndTheSystemsCodePage) {
  for (const auto& c : CaseTable(kCases, "names")) {
    EXPECT_EQ(CodePage(c[0]).name(), c[1]) << c;
    EXPECT_EQ(CodePage(c[0]).is_utf8(), c.Bool(2)) << c;
  }
  if (kWindows) {  // the ANSI code page, by the names the system knows
    EXPECT_EQ(CodePage::System().name().rfind("CP", 0) == 0, !CodePage::System().is_utf8());
    EXPECT_EQ(CodePage("Shift_JIS").FromUtf8("日", Unmappable::kQuestionMark), "\x93\xFA");
    EXPECT_FALSE(CodePage("932").is_utf8());
    EXPECT_TRUE(CodePage("CP99999").is_utf8());
    return;
  }
  const std::string global_locale = std::setlocale(LC_ALL, nullptr);
  for (const auto& c : CaseTable(kCases, "system")) {
    const testing::ScopedEnvironment code_page("PICTAVUE_CODEPAGE",
                                               c[0] == "-" ? nullptr : c[0].c_str());
    const testing::ScopedEnvironment locale("LC_ALL", c[1].c_str());
    EXPECT_EQ(CodePage::System().name(), c[2]) << c;
  }
  EXPECT_EQ(std::setlocale(LC_ALL, nullptr), global_locale);
}

TEST(CodePageTest, ConvertsBothWays) {
  using namespace std::string_literals;
  const CodePage utf8("UTF-8");
  for (const std::string& text : {"写真/旅行"s, "\xFF\xFE name \x80\xC0\xAF"s, "nul\0inside"s}) {
    EXPECT_EQ(utf8.FromUtf8(text, Unmappable::kCharReference), text);  // bytes as they are
    EXPECT_EQ(utf8.ToUtf8(text), text);
    EXPECT_EQ(utf8.ByteLength(text), text.size());
  }
  const CodePage sjis("CP932");
  for (const auto& c : CaseTable(kCases, "to shift_jis")) {
    EXPECT_EQ(sjis.FromUtf8(c[0], Unmappable::kQuestionMark), c[1]) << c;
    EXPECT_EQ(sjis.FromUtf8(c[0], Unmappable::kCharReference), c[2]) << c;
    EXPECT_EQ(sjis.ByteLength(c[0]), c[1].size()) << c;
  }
  for (const auto& c : CaseTable(kCases, "from shift_jis")) {
    EXPECT_EQ(sjis.ToUtf8(c[0]), c[1]) << c;
  }
  EXPECT_EQ(sjis.ToUtf8("a\x80z"), kWindows ? "a\xC2\x80z" : "a\xEF\xBF\xBDz");
  // No look-alikes for what a code page lacks (the system's "best fit" would write e for é).
  EXPECT_EQ(sjis.FromUtf8("café", Unmappable::kQuestionMark), "caf?");
  EXPECT_EQ(CodePage("CP1252").FromUtf8("日", Unmappable::kCharReference), "&#26085;");

  // Long enough for the converter to grow its buffer many times over, with gaps in the middle.
  using testing::Repeat;
  const std::string utf8_text = Repeat(Repeat("あｱa", 1000) + "€", 5);
  const std::string sjis_text = Repeat(Repeat(std::string("\x82\xA0\xB1") + "a", 1000) + "?", 5);
  EXPECT_EQ(sjis.FromUtf8(utf8_text, Unmappable::kQuestionMark), sjis_text);
  EXPECT_EQ(sjis.ByteLength(utf8_text), sjis_text.size());
  EXPECT_EQ(sjis.ToUtf8(sjis_text), Repeat(Repeat("あｱa", 1000) + "?", 5));
}

TEST(CodePageTest, CutsAtCharacterBoundaries) {
  for (const auto& c : CaseTable(kCases, "cut")) {
    const CodePage code_page(c[0]);
    const std::string cut = code_page.CutToBytes(c[1], static_cast<std::size_t>(c.Int(2)));
    EXPECT_EQ(cut, c[3]) << c;
    EXPECT_LE(code_page.ByteLength(cut), static_cast<std::size_t>(c.Int(2))) << c;
  }
  for (const auto& c : CaseTable(kCases, "boundary")) {
    EXPECT_EQ(CodePage(c[0]).BoundaryAtOrBefore(c[1], static_cast<std::size_t>(c.Int(2))),
              static_cast<std::size_t>(c.Int(3)))
        << c;
  }
}

TEST(Utf8Test, DecodesOnlyWellFormedSequencesAndNothingPastTheText) {
  for (const auto& c : CaseTable(kCases, "utf8 decoding")) {
    const Utf8Character decoded = DecodeUtf8(c[0], static_cast<std::size_t>(c.Int(1)));
    EXPECT_EQ(decoded.length, static_cast<std::size_t>(c.Int(2))) << c;
    EXPECT_EQ(decoded.length == 0 ? 0 : decoded.code_point, std::stoul(c[3], nullptr, 16)) << c;
  }
}

TEST(CodePageStream, PassesOnWholeCharactersOnly) {
  for (const auto& c : CaseTable(kCases, "complete prefix")) {
    EXPECT_EQ(CompleteUtf8Prefix(c[0]), static_cast<std::size_t>(c.Int(1))) << c;
  }
  std::ostringstream target;
  {
    CodePageStreamBuf buffer(*target.rdbuf(), CodePage("CP932"));
    std::ostream out(&buffer);
    out << "x\xE3\x81" << std::flush;  // あ in two pieces: nothing of it before its last byte
    EXPECT_EQ(target.str(), "x");
    out << "\x82 \xC3\xA9" << std::flush;  // é is not in Shift_JIS
    EXPECT_EQ(target.str(), "x\x82\xA0 ?");
    // Many times the buffer (3 bytes each in UTF-8, 2 in Shift_JIS), then a character cut short
    // for good: passed on as it is when the stream goes.
    out << testing::Repeat("\xE3\x81\x82", 3000) << "\xE3";
  }
  EXPECT_EQ(target.str(), "x\x82\xA0 ?" + testing::Repeat("\x82\xA0", 3000) + "?");
}

}  // namespace
}  // namespace pictavue
