#include "settings/control_rules.h"

#include <optional>
#include <string>
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
  struct Case {
    const char* name;
    void (*change)(GalleryOptions&);
    ControlEnabling expected;
  };
  // Defaults: sub-windows sized automatically, no slide show, folder names, the chosen folder.
  const ControlEnabling defaults = {true, true, false, true, true, false, true};
  const Case cases[] = {
      {"defaults", [](GalleryOptions&) {}, defaults},
      {"no sub-window disables both sub-window options",
       [](GalleryOptions& o) { o.SubWin = kUnchecked; },
       {false, false, false, true, true, false, true}},
      {"sub-window without automatic size",
       [](GalleryOptions& o) { o.AutoSize = kUnchecked; },
       {true, false, false, true, true, false, true}},
      {"automatic size stored without sub-window",
       [](GalleryOptions& o) {
         o.SubWin = kUnchecked;
         o.AutoSize = kChecked;
       },
       {false, false, false, true, true, false, true}},
      {"slide show",
       [](GalleryOptions& o) { o.ClientPull = kChecked; },
       {true, true, true, true, true, false, true}},
      {"no folder names",
       [](GalleryOptions& o) { o.FolderName = kUnchecked; },
       {true, true, false, false, true, false, true}},
      {"search folder as output",
       [](GalleryOptions& o) { o.OutputDir = kOutputDirSearch; },
       {true, true, false, true, false, false, true}},
      {"no output position",
       [](GalleryOptions& o) { o.OutputDir = kNoListPosition; },
       {true, true, false, true, false, false, true}},
      {"browser",
       [](GalleryOptions& o) { o.Browser = kChecked; },
       {true, true, false, true, true, true, true}},
      {"dimmed boxes count as on",
       [](GalleryOptions& o) {
         o.SubWin = kGrayed;
         o.AutoSize = kGrayed;
         o.ClientPull = kGrayed;
         o.Browser = kGrayed;
       },
       {true, true, true, true, true, true, true}},
      {"one page for all pictures",
       [](GalleryOptions& o) { o.IPP = kIppUnlimited; },
       {true, true, false, true, true, false, false}},
      {"a typed page size", [](GalleryOptions& o) { o.IPP = kNoListPosition; }, defaults},
  };
  for (const Case& c : cases) {
    GalleryOptions options;
    c.change(options);
    const auto flags = [](const ControlEnabling& e) {
      return std::vector<bool>{e.chkAutoSize, e.chkOnlyOne, e.txtDelay, e.chkPathName,
                               e.Command6_0,  e.Command6_1, e.chkFrame};
    };
    EXPECT_EQ(flags(EnablingFor(options)), flags(c.expected)) << c.name;
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
    EXPECT_EQ(IsInsideRecycleBin(c.path, c.style), c.inside) << c.path;
  }
  EXPECT_TRUE(TakesDroppedPath("C:\\Photos", PathStyle::kWindows, FileKind::kFolder));
  EXPECT_FALSE(TakesDroppedPath("C:\\Photos\\a.jpg", PathStyle::kWindows, FileKind::kFile));
  EXPECT_FALSE(TakesDroppedPath("C:\\Gone", PathStyle::kWindows, FileKind::kMissing));
  EXPECT_FALSE(TakesDroppedPath("D:\\Recycled\\DC3", PathStyle::kWindows, FileKind::kFolder));
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
