#include "generate/addresses.h"

#include <functional>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "generate/html_text.h"
#include "support/data_table.h"

namespace pictavue {
namespace {

using testing::ReadTable;
using testing::Row;
using testing::StyleOf;

AddressKind KindOf(const std::string& cell) {
  return cell == "absolute" ? AddressKind::kAbsolute : AddressKind::kRelative;
}

TEST(AddressesTest, PathAndAddressRulesPerStyle) {
  using Rule = std::function<std::string(const Row&, PathStyle)>;
  const std::map<std::string, Rule> rules = {
      {"UrlPath", [](const Row& r, PathStyle s) { return UrlPath(r[2], s); }},
      {"RelativePath", [](const Row& r, PathStyle s) { return RelativePath(r[2], r[3], s); }},
      {"PictureTarget",
       [](const Row& r, PathStyle s) { return PictureTarget(r[2], r[3], r[4] == "search", s); }},
      {"FileAddress", [](const Row& r, PathStyle s) { return FileAddress(r[2], s); }},
      {"HomePageAddress", [](const Row& r, PathStyle s) { return HomePageAddress(r[2], s); }},
      {"FolderHeadingText",
       [](const Row& r, PathStyle s) { return FolderHeadingText(r[2], r[3] == "path", s); }},
      {"AddressText", [](const Row& r, PathStyle s) { return AddressText(r[2], KindOf(r[3]), s); }},
  };
  for (const Row& row : ReadTable("generate/addresses.tsv")) {
    EXPECT_EQ(rules.at(row[0])(row, StyleOf(row[1])), row.back()) << row.Text();
  }
}

// Each name of escaping.tsv in the four places a page writes it.
TEST(EscapingTest, NamesAreWrittenSoThatThePageHoldsAndTheAddressReachesTheFile) {
  for (const Row& row : ReadTable("generate/escaping.tsv")) {
    std::string text, attribute, address, script;
    AppendNameText(text, row[1]);
    AppendNameAttribute(attribute, row[1]);
    AppendAddress(address, row[1], AddressKind::kRelative, StyleOf(row[0]));
    AppendScriptAddress(script, row[1], AddressKind::kRelative, StyleOf(row[0]));
    EXPECT_EQ((std::vector<std::string>{text, attribute, address, script}), row.From(2))
        << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
