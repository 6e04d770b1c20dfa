#include "ui/rules/control_rules.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace pictavue {
namespace {

constexpr char kPagedToolText[] =
    "出力ﾌｧｲﾙ名(拡張子不要)\r\nﾍﾟｰｼﾞ番号をあらわす001～\r\n999が付加されます｡";

TEST(ControlRulesTest, FileNameHintShowsPageNumbersOnlyForPagedOutput) {
  struct Case {
    int ipp;
    int frame_menu;
    const char* label;
    const char* tool_text;
  };
  const Case cases[] = {
      {2, kUnchecked, "xxx．htm", kPagedToolText},
      {kIppUnlimited, kUnchecked, "．htm", "出力ﾌｧｲﾙ名(拡張子不要)"},
      {1, kChecked, "．htm", "出力ﾌｧｲﾙ名(拡張子不要)"},  // a frame set with 50 per page
      {kIppUnlimited, kChecked, "．htm", "出力ﾌｧｲﾙ名(拡張子不要)"},
      {kNoListPosition, kUnchecked, "xxx．htm", kPagedToolText},  // a typed number
      {kNoListPosition, kGrayed, "．htm", "出力ﾌｧｲﾙ名(拡張子不要)"},
  };
  for (const Case& c : cases) {
    const FileNameHint hint = FileNameHintFor(IsSinglePageOutput(c.ipp, c.frame_menu));
    EXPECT_EQ(hint.extension_label, c.label) << c.ipp << " " << c.frame_menu;
    EXPECT_EQ(hint.tool_text, c.tool_text) << c.ipp << " " << c.frame_menu;
  }
}

TEST(ControlRulesTest, EnablingFollowsTheTriggeringOptions) {
  using Change = std::pair<int GalleryOptions::*, int>;
  struct Case {
    const char* name;
    std::vector<Change> changes;
    // chkAutoSize, chkOnlyOne, txtDelay, chkPathName, Command6(0), Command6(1), chkFrame
    std::vector<bool> expected;
  };
  using O = GalleryOptions;
  const Case cases[] = {
      // Sub-windows sized automatically, no slide show, folder names, the chosen folder.
      {"defaults", {}, {1, 1, 0, 1, 1, 0, 1}},
      {"no sub-window disables both sub-window options",
       {{&O::SubWin, kUnchecked}},
       {0, 0, 0, 1, 1, 0, 1}},
      {"sub-window without automatic size", {{&O::AutoSize, kUnchecked}}, {1, 0, 0, 1, 1, 0, 1}},
      {"automatic size stored without sub-window",
       {{&O::SubWin, kUnchecked}, {&O::AutoSize, kChecked}},
       {0, 0, 0, 1, 1, 0, 1}},
      {"slide show", {{&O::ClientPull, kChecked}}, {1, 1, 1, 1, 1, 0, 1}},
      {"no folder names", {{&O::FolderName, kUnchecked}}, {1, 1, 0, 0, 1, 0, 1}},
      {"search folder as output", {{&O::OutputDir, kOutputDirSearch}}, {1, 1, 0, 1, 0, 0, 1}},
      {"no output position", {{&O::OutputDir, kNoListPosition}}, {1, 1, 0, 1, 0, 0, 1}},
      {"browser", {{&O::Browser, kChecked}}, {1, 1, 0, 1, 1, 1, 1}},
      {"dimmed boxes count as on",
       {{&O::SubWin, kGrayed},
        {&O::AutoSize, kGrayed},
        {&O::ClientPull, kGrayed},
        {&O::Browser, kGrayed}},
       {1, 1, 1, 1, 1, 1, 1}},
      {"one page for all pictures", {{&O::IPP, kIppUnlimited}}, {1, 1, 0, 1, 1, 0, 0}},
      {"a typed page size", {{&O::IPP, kNoListPosition}}, {1, 1, 0, 1, 1, 0, 1}},
  };
  for (const Case& c : cases) {
    GalleryOptions options;
    for (const auto& [field, value] : c.changes) {
      options.*field = value;
    }
    const ControlEnabling e = EnablingFor(options);
    EXPECT_EQ((std::vector<bool>{e.chkAutoSize, e.chkOnlyOne, e.txtDelay, e.chkPathName,
                                 e.Command6_0, e.Command6_1, e.chkFrame}),
              c.expected)
        << c.name;
  }
}

TEST(ControlRulesTest, OutputFolderToolTipIsTheChosenFolderWhileItIsUsed) {
  GalleryOptions options;
  options.DirName = "C:\\Out";
  EXPECT_EQ(OutputFolderToolTip(options), "C:\\Out");
  options.OutputDir = kOutputDirSearch;
  EXPECT_EQ(OutputFolderToolTip(options), "");
  options.OutputDir = kNoListPosition;
  EXPECT_EQ(OutputFolderToolTip(options), "");
}

TEST(ControlRulesTest, TabKeyStepsThroughTheTabsAndWraps) {
  struct Case {
    int current;
    bool ctrl;
    bool shift;
    bool alt;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {1, true, false, false, 2},  {4, true, false, false, 1},   {1, true, true, false, 4},
      {3, true, true, false, 2},   {1, false, false, false, {}},  // plain Tab moves the focus
      {1, false, true, false, {}},                                // Shift+Tab too
      {1, true, false, true, {}},                                 // anything with Alt is left alone
      {2, true, true, true, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TabSelectedByTabKey(c.current, kTabCount, c.ctrl, c.shift, c.alt), c.expected)
        << c.current << c.ctrl << c.shift << c.alt;
  }
}

TEST(ControlRulesTest, DropsFromTheRecycleBinAreIgnored) {
  struct Case {
    const char* path;
    PathStyle style;
    bool inside;
  };
  const Case cases[] = {
      {"D:\\Recycled\\DC3", PathStyle::kWindows, true},
      {"c:\\RECYCLER\\S-1-5\\Dc1", PathStyle::kWindows, true},
      {"D:\\Recycled", PathStyle::kWindows, false},  // the bin itself
      {"D:\\Recycled\\", PathStyle::kWindows, true},
      {"D:\\RecycledX\\a", PathStyle::kWindows, false},
      {"D:\\Photos\\Recycled\\a", PathStyle::kWindows, false},
      {"\\\\server\\share\\Recycled\\a", PathStyle::kWindows, false},
      {"C:\\Photos", PathStyle::kWindows, false},
      {"/home/me/.local/share/Trash/files/Trip", PathStyle::kPosix, true},
      {"/home/me/.local/share/Trash/files", PathStyle::kPosix, false},
      {"/home/me/.local/share/Trash/info/Trip", PathStyle::kPosix, false},
      {"/media/usb/.Trash-1000/files/Trip", PathStyle::kPosix, true},
      {"/media/usb/.Trash/1000/files/Trip", PathStyle::kPosix, true},
      {"/media/usb/.Trash-me/files/Trip", PathStyle::kPosix, false},
      {"/media/usb/Photos/files/Trip", PathStyle::kPosix, false},
      {"D:\\Recycled\\DC3", PathStyle::kPosix, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TakesDroppedPath(c.path, c.style, FileKind::kFolder), !c.inside) << c.path;
  }
  EXPECT_FALSE(TakesDroppedPath("C:\\Photos\\a.jpg", PathStyle::kWindows, FileKind::kFile));
  EXPECT_FALSE(TakesDroppedPath("C:\\Gone", PathStyle::kWindows, FileKind::kMissing));
}

TEST(ControlRulesTest, SelectAllOnFocusIsSkippedOnceAfterAMousePress) {
  FocusState state;
  NoteFocus(state, "txtFileName");
  EXPECT_TRUE(SelectAllOnFocus(state));  // tabbing in

  // A press on the box that already has the focus changes nothing.
  NoteTextBoxMouseDown(state, "txtFileName");
  EXPECT_FALSE(state.FocusByMouse);

  // A press that moves the focus into txtName: the new active control is not the one recorded.
  NoteTextBoxMouseDown(state, "txtName");
  EXPECT_TRUE(state.FocusByMouse);
  NoteFocus(state, "txtName");
  EXPECT_EQ(state.LastFocusName, "txtName");
  EXPECT_FALSE(SelectAllOnFocus(state));
  EXPECT_FALSE(state.FocusByMouse);

  NoteFocus(state, "txtEmail");
  EXPECT_TRUE(SelectAllOnFocus(state));
}

}  // namespace
}  // namespace pictavue
