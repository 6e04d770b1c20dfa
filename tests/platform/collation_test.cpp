// Name order through the system's sort keys: ICU on POSIX, LCMapString under Windows.

#include "platform/collation.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::CaseTable;

// -1, 0 or 1 as a sorts before, with or after b by their keys.
int Order(const Collation& collation, const std::string& a, const std::string& b) {
  const int by_key = collation.SortKey(a).compare(collation.SortKey(b));
  return (by_key > 0) - (by_key < 0);
}

TEST(CollationTest, TheOrderEveryLocaleShares) {
  for (const char* locale : {"", "C", "ja_JP.UTF-8", "en_US"}) {
    const Collation collation =
        *locale == '\0' ? Collation::ForUserLocale() : Collation::ForLocale(locale);
    const auto sorted = [&collation](std::vector<std::string> names) {
      std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return collation.SortKey(a) < collation.SortKey(b);
      });
      return names;
    };
    // Letter case ignored, digits one by one as characters, a folder before its subfolders.
    using Names = std::vector<std::string>;
    EXPECT_EQ(sorted({"c.gif", "A.jpg", "b.png"}), (Names{"A.jpg", "b.png", "c.gif"})) << locale;
    EXPECT_EQ(sorted({"2.jpg", "10.jpg", "1.jpg"}), (Names{"1.jpg", "10.jpg", "2.jpg"})) << locale;
    EXPECT_EQ(sorted({"C:\\P\\Sub2\\", "C:\\P\\", "C:\\P\\sub1\\"}),
              (Names{"C:\\P\\", "C:\\P\\sub1\\", "C:\\P\\Sub2\\"}))
        << locale;
    EXPECT_EQ(collation.SortKey("Photo.JPG"), collation.SortKey("photo.jpg")) << locale;
    EXPECT_NE(collation.SortKey("\xE3\x81\x82"), collation.SortKey("\xE3\x81\x84")) << locale;
    EXPECT_FALSE(collation.SortKey(std::string("a\xFF") + "b").empty()) << locale;  // not UTF-8
  }
}

TEST(CollationTest, IcusLocalesAndVariables) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "locales by the system's names";
  }
  for (const auto& c : CaseTable("platform/collation.txt", "order")) {
    const Collation collation = Collation::ForLocale(c[0]);
    EXPECT_EQ(Order(collation, c[1], c[2]), c.Int(3)) << c;
    EXPECT_EQ(Order(collation, c[2], c[1]), -c.Int(3)) << c;
  }
  // A very long text collates by its beginning.
  const Collation c_locale = Collation::ForLocale("C");
  const std::string long_a(1 << 20, 'a');
  EXPECT_LT(c_locale.SortKey(long_a).size(), std::size_t{1} << 20);
  EXPECT_EQ(Order(c_locale, long_a, "b"), -1);
  EXPECT_EQ(Order(c_locale, long_a, long_a + "b"), 0);

  // Whatever locale the variables name, letter case is ignored: under C or POSIX ICU's default
  // would put upper case first.
  for (const auto& c : CaseTable("platform/collation.txt", "user locale")) {
    const auto variable = [&c](std::size_t i) { return c[i] == "-" ? nullptr : c[i].c_str(); };
    const testing::ScopedEnvironment lc_all("LC_ALL", variable(0));
    const testing::ScopedEnvironment lc_collate("LC_COLLATE", variable(1));
    const testing::ScopedEnvironment lang("LANG", variable(2));
    const Collation collation = Collation::ForUserLocale();
    EXPECT_EQ(Order(collation, "ä", "z"), c.Bool(3) ? 1 : -1) << c;
    EXPECT_EQ(Order(collation, "a.jpg", "A.jpg"), 0) << c;
    EXPECT_EQ(Order(collation, "B.jpg", "a.jpg"), 1) << c;
  }
}

}  // namespace
}  // namespace pictavue
