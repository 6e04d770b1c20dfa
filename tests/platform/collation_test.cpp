#include "platform/collation.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_conditions.h"

namespace pictavue {
namespace {

// -1, 0 or 1 as a sorts before, with or after b by their keys.
int Order(const Collation& collation, const std::string& a, const std::string& b) {
  const int by_key = collation.SortKey(a).compare(collation.SortKey(b));
  return (by_key > 0) - (by_key < 0);
}

TEST(CollationTest, ComparesKeysBothWays) {
  struct Case {
    const char* locale;
    std::string a;
    std::string b;
    int expected;
  };
  const std::vector<Case> cases = {
      // Letter case is ignored in every locale, the C locale included.
      {"C", "a.jpg", "A.jpg", 0},
      {"C", "a.jpg", "B.jpg", -1},
      {"POSIX", "a", "B", -1},
      {"C.UTF-8", "a", "B", -1},
      {"", "a", "B", -1},
      {"en_US.UTF-8", "Photo", "photo", 0},
      {"ja_JP.UTF-8", "a", "B", -1},
      // Digits are characters, not numbers, even in the Japanese locale.
      {"C", "10.jpg", "2.jpg", -1},
      {"ja_JP.UTF-8", "10.jpg", "2.jpg", -1},
      // Accents count; their case does not.
      {"C", "e.jpg", "\xC3\xA9.jpg", -1},
      {"C", "\xC3\xA9.jpg", "f.jpg", -1},
      {"C", "\xC3\xA9", "\xC3\x89", 0},
      // The locale's own alphabet: German puts a-umlaut with a, Swedish after z.
      {"de_DE.UTF-8", "\xC3\xA4", "b", -1},
      {"sv_SE.UTF-8", "\xC3\xA4", "z", 1},
      {"sv_SE.UTF-8@euro", "\xC3\xA4", "z", 1},
      // Full-width and half-width forms differ only beyond the compared strength.
      {"ja_JP.UTF-8", "\xEF\xBC\xA1", "a", 0},             // full-width A
      {"ja_JP.UTF-8", "\xEF\xBD\xB1", "\xE3\x82\xA2", 0},  // half- and full-width a
      // A locale without data of its own falls back to the root order.
      {"xx_YY.UTF-8", "b", "A", 1},
      // Names that are not UTF-8 still collate, behind the valid ones.
      {"C", "\xFF.jpg", "\xE3\x81\x82.jpg", 1},  // after hiragana a
      {"C", "a\xC3.jpg", "a.jpg", 1},
      {"C", "", "a", -1},
      {"C", std::string("a\0b", 3), std::string("a\0c", 3), -1},  // a zero byte is a character
  };
  for (const Case& c : cases) {
    const Collation collation = Collation::ForLocale(c.locale);
    EXPECT_EQ(Order(collation, c.a, c.b), c.expected) << c.locale << ": " << c.a << " / " << c.b;
    EXPECT_EQ(Order(collation, c.b, c.a), -c.expected) << c.locale << ": " << c.b << " / " << c.a;
  }
}

TEST(CollationTest, AVeryLongTextCollatesByItsBeginning) {
  const Collation collation = Collation::ForLocale("C");
  const std::string long_a(1 << 20, 'a');
  const std::string key = collation.SortKey(long_a);
  EXPECT_FALSE(key.empty());
  EXPECT_LT(key.size(), std::size_t{1} << 20);
  EXPECT_EQ(Order(collation, long_a, "b"), -1);
  EXPECT_EQ(Order(collation, long_a, long_a + "b"), 0);  // both collate by their beginnings
}

// Whatever locale the variables name, letter case is ignored: under C or POSIX ICU's default
// would put upper case first.
TEST(CollationTest, UserLocaleFollowsTheVariablesInPosixPrecedence) {
  struct Case {
    const char* lc_all;
    const char* lc_collate;
    const char* lang;
    bool swedish;  // a-umlaut after z
  };
  const Case cases[] = {
      {nullptr, nullptr, "sv_SE.UTF-8", true},
      {nullptr, "sv_SE.UTF-8", "de_DE.UTF-8", true},
      {"de_DE.UTF-8", "sv_SE.UTF-8", "sv_SE.UTF-8", false},
      {"", "sv_SE.UTF-8", nullptr, true},  // an empty variable counts as unset
      {"C", nullptr, "sv_SE.UTF-8", false},
      {nullptr, nullptr, nullptr, false},
  };
  for (const Case& c : cases) {
    const testing::ScopedEnvironment lc_all("LC_ALL", c.lc_all);
    const testing::ScopedEnvironment lc_collate("LC_COLLATE", c.lc_collate);
    const testing::ScopedEnvironment lang("LANG", c.lang);
    const Collation collation = Collation::ForUserLocale();
    const std::string variables = std::string(c.lc_all ? c.lc_all : "-") + " " +
                                  (c.lc_collate ? c.lc_collate : "-") + " " +
                                  (c.lang ? c.lang : "-");
    EXPECT_EQ(Order(collation, "\xC3\xA4", "z"), c.swedish ? 1 : -1) << variables;
    EXPECT_EQ(Order(collation, "a.jpg", "A.jpg"), 0) << variables;
    EXPECT_EQ(Order(collation, "B.jpg", "a.jpg"), 1) << variables;
  }
}

}  // namespace
}  // namespace pictavue
