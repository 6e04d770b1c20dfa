#include "request/request_checks.h"

#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"
#include "support/settings_text.h"

namespace pictavue {
namespace {

using testing::ReadTable;
using testing::Row;

std::string Text(const std::optional<CheckFailure>& failure) {
  if (!failure) {
    return "pass";
  }
  const FocusTarget& focus = failure->focus;
  return failure->message + " | " + std::to_string(focus.tab_page) + " " +
         std::string(ControlName(focus.control)) +
         (focus.action == FocusAction::kFocusAndSelect ? " select" : " focus");
}

TEST(CheckSettingsTest, TheFirstFailureWithItsMessageAndControl) {
  std::map<std::string, std::string> failures = {{"pass", "pass"}};
  for (const Row& row : ReadTable("request/check_settings.tsv")) {
    if (row[0] == "failure") {
      failures[row[1]] = row[2] + " | " + row[3] + " " + row[4] + " " + row[5];
      continue;
    }
    GalleryOptions options = testing::OptionsFromSettings(row.From(4));
    options.FileName = row[2] == "-" ? "Pictavue" : row[2];
    options.SearchDir = row[3] == "-" ? "C:\\Pics" : row[3];
    EXPECT_EQ(Text(CheckSettings(options, row[1] == "-" ? "" : row[1], Translation())),
              failures.at(row[0]))
        << row.Text();
  }
}

TEST(NumericValueTest, PlainDecimalsWithBlanksAndSign) {
  for (const Row& row : ReadTable("request/numeric_values.tsv")) {
    const std::optional<double> value = NumericValue(row[0]);
    EXPECT_EQ(value, row[1] == "none" ? std::nullopt : std::optional(std::stod(row[1])))
        << row.Text();
  }
}

TEST(OutputPathTest, FolderNameAndFirstPage) {
  for (const Row& row : ReadTable("request/output_paths.tsv")) {
    GalleryOptions options = testing::OptionsFromSettings(row.From(4));
    options.FileName = row[2];
    EXPECT_EQ(OutputPathFor(options, row[1], testing::StyleOf(row[0])), row[3]) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
