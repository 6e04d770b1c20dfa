#include "ui/rules/control_rules.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "collect/folder_scan.h"
#include "platform/translation.h"

namespace pictavue {
namespace {

// The window shows the tool texts in the chosen language (PICTAVUE_TEXT marks them for it).
constexpr FileNameHint kSinglePageHint = {"．htm",
                                          PICTAVUE_TEXT("frmMain", "出力ﾌｧｲﾙ名(拡張子不要)").text};
constexpr FileNameHint kPagedHint = {
    "xxx．htm",
    PICTAVUE_TEXT("frmMain",
                  "出力ﾌｧｲﾙ名(拡張子不要)\r\nﾍﾟｰｼﾞ番号をあらわす001～\r\n999が付加されます｡")
        .text};

constexpr std::array<std::string_view, kTabCount> kFirstControls = {"txtFileName", "txtTitle",
                                                                    "chkBGColor", "chkSameSize"};

}  // namespace

bool IsSinglePageOutput(int ipp_position, int frame_menu) {
  return ipp_position == kIppUnlimited || IsOn(frame_menu);
}

FileNameHint FileNameHintFor(bool single_page) {
  return single_page ? kSinglePageHint : kPagedHint;
}

ControlEnabling EnablingFor(const GalleryOptions& options) {
  ControlEnabling enabling;
  enabling.chkAutoSize = IsOn(options.SubWin);
  enabling.chkOnlyOne = IsOn(options.SubWin) && IsOn(options.AutoSize);
  enabling.txtDelay = IsOn(options.ClientPull);
  enabling.chkPathName = IsOn(options.FolderName);
  enabling.Command6_0 = options.OutputDir == kOutputDirChosen;
  enabling.Command6_1 = IsOn(options.Browser);
  enabling.chkFrame = options.IPP != kIppUnlimited;
  return enabling;
}

std::string OutputFolderToolTip(const GalleryOptions& options) {
  return options.OutputDir == kOutputDirChosen ? options.DirName : std::string();
}

std::string_view FirstControlOfTab(int tab) {
  if (tab < 1 || tab > kTabCount) {
    return kFirstControls[0];
  }
  return kFirstControls[static_cast<std::size_t>(tab - 1)];
}

std::optional<int> TabSelectedByTabKey(int current_tab, int tab_count, bool ctrl, bool shift,
                                       bool alt) {
  if (!ctrl || alt || tab_count < 1) {
    return std::nullopt;
  }
  if (shift) {
    return current_tab <= 1 ? tab_count : current_tab - 1;
  }
  return current_tab >= tab_count ? 1 : current_tab + 1;
}

bool TakesDroppedPath(std::string_view path, PathStyle style, FileKind kind) {
  return kind == FileKind::kFolder && !IsInsideRecycleBin(path, style);
}

void NoteFocus(FocusState& state, std::string_view control_name) {
  state.LastFocusName = std::string(control_name);
}

void NoteTextBoxMouseDown(FocusState& state, std::string_view active_control_name) {
  if (active_control_name != state.LastFocusName) {
    state.FocusByMouse = true;
  }
}

bool SelectAllOnFocus(FocusState& state) {
  const bool select_all = !state.FocusByMouse;
  state.FocusByMouse = false;
  return select_all;
}

}  // namespace pictavue
