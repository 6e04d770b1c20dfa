#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include "support/cases.h"

namespace pictavue {
namespace {

TEST(SettingsValuesTest, TextsBooleansAndTitles) {
  for (const auto& c : testing::CaseTable("settings/settings.txt", "values")) {
    if (c[0] == "cut") {
      EXPECT_EQ(CutAtNul(c[1]), c[2]) << c;
    } else if (c[0] == "boolean") {
      const std::optional<bool> parsed = ParseBoolean(c[1]);
      EXPECT_EQ(parsed ? (*parsed ? "1" : "0") : "-", c[2]) << c;
    } else if (c[0] == "title to file") {
      EXPECT_EQ(TitleForFile(c[1]), c[2]) << c;
    } else {
      EXPECT_EQ(TitleFromFile(c[1]), c[2]) << c;
    }
  }
}

}  // namespace
}  // namespace pictavue
