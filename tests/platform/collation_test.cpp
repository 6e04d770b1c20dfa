// Name order through the system's sort keys: ICU on POSIX, LCMapString under Windows.

#include "platform/collation.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::CaseTable;

constexpr char kCases[] = "platform/collation.txt";

// -1, 0 or 1 as a sorts before, with or after b by their keys.
int Order(const Collation& collation, const std::string& a, const std::string& b) {
  const int by_key = collation.SortKey(a).compare(collation.SortKey(b));
  return (by_key > 0) - (by_key < 0);
}

void ExpectOrder(const Collation& collation, const testing::Row& c, std::size_t first) {
  EXPECT_EQ(Order(collation, c[first], c[first + 1]), c.Int(first + 2)) << c;
  EXPECT_EQ(Order(collation, c[first + 1], c[first]), -c.Int(first + 2)) << c;
}

TEST(CollationTest, OrderByLocale) {
  for (const char* locale : {"", "C", "ja_JP.UTF-8", "en_US"}) {
    const Collation collation =
        *locale == '\0' ? Collation::ForUserLocale() : Collation::ForLocale(locale);
    for (const auto& c : CaseTable(kCases, "every locale")) {
      ExpectOrder(collation, c, 0);
    }
  }
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "locales by the system's names";
  }
  for (const auto& c : CaseTable(kCases, "order")) {
    ExpectOrder(Collation::ForLocale(c[0]), c, 1);
  }

  // Whatever locale the variables name, letter case is ignored: under C or POSIX ICU's default
  // would put upper case first.
  for (const auto& c : CaseTable(kCases, "user locale")) {
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
