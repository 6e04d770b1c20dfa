#include "ui/rules/control_rules.h"

#include <optional>

#include "support/settings_text.h"
#include "ui_rules/rules_test.h"

namespace pictavue {
namespace {

TEST(ControlRulesTest, FileNameHintShowsPageNumbersOnlyForPagedOutput) {
  for (const testing::Row& row : testing::ReadTable("ui/file_name_hint.tsv")) {
    const FileNameHint hint =
        FileNameHintFor(IsSinglePageOutput(std::stoi(row[0]), std::stoi(row[1])));
    EXPECT_EQ(hint.extension_label, row[2]) << row.Text();
    EXPECT_EQ(hint.tool_text, row[3]) << row.Text();
  }
}

TEST(ControlRulesTest, EnablingFollowsTheTriggeringOptions) {
  for (const testing::Row& row : testing::ReadTable("ui/enabling.tsv")) {
    GalleryOptions options = testing::OptionsFromSettings(testing::Items(row[0]));
    options.DirName = "C:\\Out";
    const ControlEnabling e = EnablingFor(options);
    std::ostringstream seen;
    seen << e.chkAutoSize << ' ' << e.chkOnlyOne << ' ' << e.txtDelay << ' ' << e.chkPathName << ' '
         << e.Command6_0 << ' ' << e.Command6_1 << ' ' << e.chkFrame;
    EXPECT_EQ(seen.str(), row[1]) << row.Text();
    EXPECT_EQ(OutputFolderToolTip(options), row[2]) << row.Text();
  }
}

TEST(ControlRulesTest, TabKeyStepsThroughTheTabsAndWraps) {
  for (const testing::Row& row : testing::ReadTable("ui/tab_key.tsv")) {
    const auto held = [&row](const char* key) { return row[1].find(key) != std::string::npos; };
    const std::optional<int> selected =
        TabSelectedByTabKey(std::stoi(row[0]), kTabCount, held("ctrl"), held("shift"), held("alt"));
    EXPECT_EQ(selected ? std::to_string(*selected) : "-", row[2]) << row.Text();
  }
}

TEST(ControlRulesTest, DropsFromTheRecycleBinAreIgnored) {
  for (const testing::Row& row : testing::ReadTable("ui/recycle_drops.tsv")) {
    EXPECT_EQ(TakesDroppedPath(row[0], testing::StyleOf(row[1]), FileKind::kFolder), row[2] == "1")
        << row.Text();
  }
  EXPECT_FALSE(TakesDroppedPath("C:\\Photos\\a.jpg", PathStyle::kWindows, FileKind::kFile));
  EXPECT_FALSE(TakesDroppedPath("C:\\Gone", PathStyle::kWindows, FileKind::kMissing));
}

// The window's offscreen test shows a press that moves the focus skipping the select-all once.
TEST(ControlRulesTest, APressOnTheBoxThatHasTheFocusSkipsNothing) {
  FocusState state;
  NoteFocus(state, "txtFileName");
  NoteTextBoxMouseDown(state, "txtFileName");
  EXPECT_TRUE(SelectAllOnFocus(state));
}

}  // namespace
}  // namespace pictavue
