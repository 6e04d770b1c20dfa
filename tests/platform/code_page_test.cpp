#include "platform/code_page.h"

#include <clocale>
#include <string>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::ScopedEnvironment;

// Shift_JIS bytes of the characters the tests use.
constexpr const char* kA = "\x82\xA0";       // あ
constexpr const char* kI = "\x82\xA2";       // い
constexpr const char* kHalfWidthA = "\xB1";  // ｱ
constexpr const char* kSo = "\x83\x5C";      // ソ: its trail byte is the ASCII backslash
constexpr const char* kReplacement = "\xEF\xBF\xBD";

TEST(CodePageTest, NamesAUsableCodePageAndFallsBackToUtf8) {
  struct Case {
    const char* name;
    const char* expected_name;
    bool utf8;
  };
  const Case cases[] = {
      {"UTF-8", "UTF-8", true},
      {"utf8", "UTF-8", true},
      {"CP65001", "UTF-8", true},
      {"CP932", "CP932", false},
      {"no-such-code-page", "UTF-8", true},
      {"CP932//IGNORE", "UTF-8", true},
      {"", "UTF-8", true},
  };
  for (const Case& c : cases) {
    const CodePage code_page(c.name);
    EXPECT_EQ(code_page.name(), c.expected_name) << c.name;
    EXPECT_EQ(code_page.is_utf8(), c.utf8) << c.name;
  }
}

TEST(CodePageTest, SystemCodePageComesFromTheOverrideOrTheLocale) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "Windows names its ANSI code page itself (CodePageWin32 tests it)";
  }
  struct Case {
    const char* override_name;
    const char* locale;
    const char* expected;
  };
  const Case cases[] = {
      {"CP932", "C.UTF-8", "CP932"},
      {nullptr, "C.UTF-8", "UTF-8"},
      {nullptr, "C", "UTF-8"},
      {"", "C", "UTF-8"},
      {nullptr, "no_SUCH.locale", "UTF-8"},
  };
  const std::string global_locale = std::setlocale(LC_ALL, nullptr);
  for (const Case& c : cases) {
    const ScopedEnvironment code_page("PICTAVUE_CODEPAGE", c.override_name);
    const ScopedEnvironment locale("LC_ALL", c.locale);
    EXPECT_EQ(CodePage::System().name(), c.expected) << c.locale;
  }
  EXPECT_EQ(std::setlocale(LC_ALL, nullptr), global_locale);
}

TEST(CodePageTest, Utf8IsTheIdentityEvenForBytesThatAreNotUtf8) {
  const CodePage utf8("UTF-8");
  const std::string texts[] = {"写真/旅行", "\xFF\xFE name \x80\xC0\xAF",
                               std::string("nul\0inside", 10)};
  for (const std::string& text : texts) {
    EXPECT_EQ(utf8.FromUtf8(text, Unmappable::kCharReference), text);
    EXPECT_EQ(utf8.ToUtf8(text), text);
    EXPECT_EQ(utf8.ByteLength(text), text.size());
  }
}

TEST(CodePageTest, ConvertsToShiftJis) {
  struct Case {
    std::string utf8;
    std::string question_marks;
    std::string references;
  };
  const std::string a = kA;
  const Case cases[] = {
      {"", "", ""},
      {"ソ", kSo, kSo},
      {"①", "\x87\x40", "\x87\x40"},
      {"aあ€b😀ｱ", "a" + a + "?b?" + kHalfWidthA, "a" + a + "&#8364;b&#128512;" + kHalfWidthA},
      {"\xFF", "?", "&#65533;"},
      {"x\xE3\x81", "x??", "x&#65533;&#65533;"},  // a character cut short
  };
  const CodePage sjis("CP932");
  for (const Case& c : cases) {
    EXPECT_EQ(sjis.FromUtf8(c.utf8, Unmappable::kQuestionMark), c.question_marks) << c.utf8;
    EXPECT_EQ(sjis.FromUtf8(c.utf8, Unmappable::kCharReference), c.references) << c.utf8;
    EXPECT_EQ(sjis.ByteLength(c.utf8), c.question_marks.size()) << c.utf8;
  }
}

TEST(CodePageTest, ConvertsFromShiftJis) {
  struct Case {
    std::string bytes;
    std::string utf8;
  };
  const Case cases[] = {
      {"", ""},
      {std::string(kA) + kI + kHalfWidthA + kSo, "あいｱソ"},
      // Windows' own table gives 80 a character of its own; iconv's has none for it.
      {"a\x80z", NativePathStyle() == PathStyle::kWindows ? std::string("a\xC2\x80z")
                                                          : std::string("a") + kReplacement + "z"},
      {"a\x81\x20z", std::string("a") + kReplacement + " z"},
      {std::string("a") + "\x82", std::string("a") + kReplacement},  // ends inside a character
  };
  const CodePage sjis("CP932");
  for (const Case& c : cases) {
    EXPECT_EQ(sjis.ToUtf8(c.bytes), c.utf8);
  }
}

TEST(CodePageTest, LongTextsConvertWhole) {
  // Long enough for the converter to grow its buffer many times over, with characters the
  // code page lacks in the middle.
  std::string utf8;
  std::string sjis_bytes;
  std::string back;
  for (int i = 0; i < 5000; ++i) {
    utf8 += "あｱa";
    sjis_bytes += std::string(kA) + kHalfWidthA + "a";
    back += "あｱa";
    if (i % 1000 == 999) {
      utf8 += "€";
      sjis_bytes += "?";
      back += "?";
    }
  }
  const CodePage sjis("CP932");
  EXPECT_EQ(sjis.FromUtf8(utf8, Unmappable::kQuestionMark), sjis_bytes);
  EXPECT_EQ(sjis.ByteLength(utf8), sjis_bytes.size());
  EXPECT_EQ(sjis.ToUtf8(sjis_bytes), back);
}

TEST(CodePageTest, CutsAtCharacterBoundariesOfTheCodePage) {
  struct Case {
    const char* code_page;
    std::string utf8;
    std::size_t max_bytes;
    std::string expected;
  };
  const Case cases[] = {
      // A Japanese character is two bytes in Shift_JIS, a half-width katakana one.
      {"CP932", "aあい", 0, ""},         {"CP932", "aあい", 2, "a"},
      {"CP932", "aあい", 3, "aあ"},      {"CP932", "aあい", 99, "aあい"},
      {"CP932", "ｱｲｳｴｵ", 3, "ｱｲｳ"},      {"CP932", "ソソ", 3, "ソ"},
      {"CP932", "a€b", 2, "a€"},  // "?" stands in for the euro sign: one byte
      {"UTF-8", "aあい", 3, "a"},        {"UTF-8", "aあい", 4, "aあ"},
      {"UTF-8", "a😀", 4, "a"},           {"UTF-8", "\xFF\xFF\xFF", 2, "\xFF\xFF"},
      {"UTF-8", "\xE3\x81x", 1, "\xE3"},  // a sequence cut short is bytes, one by one
  };
  for (const Case& c : cases) {
    const CodePage code_page(c.code_page);
    const std::string cut = code_page.CutToBytes(c.utf8, c.max_bytes);
    EXPECT_EQ(cut, c.expected) << c.code_page << " " << c.utf8 << " " << c.max_bytes;
    EXPECT_LE(code_page.ByteLength(cut), c.max_bytes);
  }
}

TEST(CodePageTest, FindsBoundariesInCodePageBytes) {
  struct Case {
    const char* code_page;
    std::string bytes;
    std::size_t max_bytes;
    std::size_t expected;
  };
  const std::string a_i = std::string("a") + kA + kI;
  const Case cases[] = {
      {"CP932", a_i, 2, 1},
      {"CP932", a_i, 3, 3},
      {"CP932", a_i, 50, 5},
      {"CP932", std::string(kSo) + kSo, 3, 2},
      // "アア": the trail byte 0x41 is also "A"; only reading from the start tells them apart.
      {"CP932", "\x83\x41\x83\x41", 3, 2},
      {"CP932", "\xB1\xB2\xB3", 2, 2},
      {"CP932", "\x80\x80\x80", 2, 2},
      {"UTF-8", "aあ", 2, 1},
      {"UTF-8", "aあb", 4, 4},
      {"UTF-8", "\x80\x80\x80\x80", 2, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CodePage(c.code_page).BoundaryAtOrBefore(c.bytes, c.max_bytes), c.expected)
        << c.code_page << " max " << c.max_bytes;
  }
}

}  // namespace
}  // namespace pictavue
