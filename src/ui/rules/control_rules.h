#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/path_kind.h"
#include "platform/path_style.h"
#include "settings/gallery_options.h"

namespace pictavue {

// The rules by which the main window's controls depend on each other, as pure functions of the
// values the controls hold, so that every window (and its tests) applies the same ones.

// lblExt and the tooltip of txtFileName: which file names a run writes. The name the user opens
// carries no page number when every picture goes on one page or a frame set is written.
struct FileNameHint {
  std::string_view extension_label;  // lblExt
  std::string_view tool_text;        // the text of FileNameTip
};

bool IsSinglePageOutput(int ipp_position, int frame_menu);
FileNameHint FileNameHintFor(bool single_page);

// Which dependent controls take input. Each flag also stands for the labels that belong to its
// control: txtDelay for LblDelay1 and LblDelay2, chkPathName for lblKakkoL and lblKakkoR.
struct ControlEnabling {
  bool chkAutoSize = true;
  bool chkOnlyOne = true;
  bool txtDelay = true;
  bool chkPathName = true;
  bool Command6_0 = true;  // the output-folder button
  bool Command6_1 = true;  // the browser button
  bool chkFrame = true;
};

// The state every trigger of the window leads to: a sub-window option only with sub-windows,
// "only one" only when they are sized automatically, the interval only with the slide show, the
// path only with folder names, each dialog button only where its setting is used, and no frame
// set when every picture goes on one page.
ControlEnabling EnablingFor(const GalleryOptions& options);

// The tooltip of cmbOutputDir, Frame6 and picXpStyle(3): the chosen output folder while it is
// the one used, nothing otherwise.
std::string OutputFolderToolTip(const GalleryOptions& options);

// The main window's tab pages, numbered from 1.
inline constexpr int kTabCount = 4;

// The name of the control that receives the focus when tab page tab (1 to kTabCount) is
// selected.
std::string_view FirstControlOfTab(int tab);

// Ctrl+Tab and Ctrl+Shift+Tab step through the tab pages and wrap around; the tab page they
// select, or nothing when the Tab key press belongs to the focused control (no Ctrl, or Alt).
std::optional<int> TabSelectedByTabKey(int current_tab, int tab_count, bool ctrl, bool shift,
                                       bool alt);

// Whether a path dropped onto cmbSearchDir becomes its text: an existing folder outside the
// recycle bin (IsInsideRecycleBin). A file or a missing path changes nothing.
bool TakesDroppedPath(std::string_view path, PathStyle style, FileKind kind);

// The focus bookkeeping the program's windows share (the output-folder dialog writes it too).
struct FocusState {
  std::string LastFocusName;  // the control that most recently received the focus
  bool FocusByMouse = false;  // the next select-all on focus is skipped
};

// A control received the focus.
void NoteFocus(FocusState& state, std::string_view control_name);

// A mouse button went down on a text box while active_control_name is the window's active
// control. The focus arriving by this press must not select the text the user is pointing into.
void NoteTextBoxMouseDown(FocusState& state, std::string_view active_control_name);

// A text box received the focus (after NoteFocus): whether it selects its whole text. Clears
// FocusByMouse, so that a skipped select-all skips only once.
bool SelectAllOnFocus(FocusState& state);

}  // namespace pictavue
