// Name order through the system's sort keys in the user's locale.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/collation.h"

namespace pictavue {
namespace {

std::vector<std::string> Sorted(const Collation& collation, std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    return collation.SortKey(a) < collation.SortKey(b);
  });
  return names;
}

TEST(CollationWin32, OrderOfNames) {
  for (const char* locale : {"", "C", "ja-JP", "ja_JP.UTF-8", "en_US"}) {
    const Collation collation =
        std::string(locale).empty() ? Collation::ForUserLocale() : Collation::ForLocale(locale);
    EXPECT_EQ(Sorted(collation, {"c.gif", "A.jpg", "b.png"}),
              (std::vector<std::string>{"A.jpg", "b.png", "c.gif"}))
        << locale;
    // Digits one by one, as characters.
    EXPECT_EQ(Sorted(collation, {"2.jpg", "10.jpg", "1.jpg"}),
              (std::vector<std::string>{"1.jpg", "10.jpg", "2.jpg"}))
        << locale;
    EXPECT_EQ(collation.SortKey("Photo.JPG"), collation.SortKey("photo.jpg")) << locale;
    EXPECT_NE(collation.SortKey("photo1.jpg"), collation.SortKey("photo2.jpg")) << locale;
    EXPECT_EQ(collation.SortKey(""), "") << locale;
  }
}

TEST(CollationWin32, FolderBeforeItsSubfolders) {
  const Collation collation = Collation::ForUserLocale();
  EXPECT_EQ(Sorted(collation, {"C:\\P\\Sub2\\", "C:\\P\\", "C:\\P\\sub1\\"}),
            (std::vector<std::string>{"C:\\P\\", "C:\\P\\sub1\\", "C:\\P\\Sub2\\"}));
}

TEST(CollationWin32, TextsThatAreNotUtf8StillSort) {
  const Collation collation = Collation::ForUserLocale();
  EXPECT_FALSE(collation
                   .SortKey("a\xFF"
                            "b")
                   .empty());
  EXPECT_NE(collation.SortKey("\xE3\x81\x82"), collation.SortKey("\xE3\x81\x84"));  // あ, い
}

}  // namespace
}  // namespace pictavue
