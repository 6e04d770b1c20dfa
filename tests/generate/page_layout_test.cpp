#include "generate/page_layout.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "generate/page_context.h"
#include "generate/program_info.h"
#include "support/data_table.h"
#include "support/settings_text.h"

namespace pictavue {
namespace {

using testing::Row;

std::string SliceText(const std::optional<PageSlice>& slice) {
  if (!slice) {
    return "none";
  }
  return std::to_string(slice->FirstIndex) + "-" + std::to_string(slice->LastIndex) +
         (slice->HasNext ? " next" : " last");
}

// Options from the settings of one cell, " | " between them.
GalleryOptions Settings(const std::string& cell) {
  return testing::OptionsFromSettings(testing::Items(cell));
}

TEST(PageLayoutTest, ArithmeticNamesAndFolders) {
  using Rule = std::function<std::string(const Row&)>;
  const std::map<std::string, Rule> rules = {
      {"PageFileName",
       [](const Row& r) { return PageFileName("Pictavue", r[1] == "unlimited", std::stoi(r[2])); }},
      {"ImagesPerPage",
       [](const Row& r) {
         const std::optional<int> count = ImagesPerPage(r[1]);
         return count ? std::to_string(*count) : "none";
       }},
      {"PageCount",
       [](const Row& r) { return std::to_string(PageCount(std::stoi(r[1]), std::stoi(r[2]))); }},
      {"SliceOfPage",
       [](const Row& r) {
         return SliceText(
             SliceOfPage(std::stoi(r[1]), std::stoi(r[2]), std::stoi(r[3]), r[4] == "unlimited"));
       }},
      {"OutputFolder",
       [](const Row& r) { return OutputFolder(Settings(r[3]), r[2], testing::StyleOf(r[1])); }},
      {"PageToOpen",
       [](const Row& r) {
         return PageToOpen(Settings(r[2]), std::stoi(r[1]), "C:\\Prog", PathStyle::kWindows);
       }},
      {"VersionText",
       [](const Row& r) {
         return VersionText({std::stoi(r[1]), std::stoi(r[2]), std::stoi(r[3])});
       }},
      {"PageTitle", [](const Row& r) { return PageTitle(r[1]); }},
      {"PageHeading", [](const Row& r) { return PageHeading(r[1]); }},
  };
  for (const Row& row : testing::ReadTable("generate/page_layout.tsv")) {
    EXPECT_EQ(rules.at(row[0])(row), row.back()) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
