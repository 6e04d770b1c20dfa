#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "generate/front_end.h"
#include "platform/path_style.h"
#include "platform/translation.h"
#include "settings/control_id.h"
#include "settings/gallery_options.h"

namespace pictavue {

// The rules that decide whether a run request may go ahead, each pure so that its cases are
// tested one by one. RequestRun applies them in order.

// The control a user is pointed at after a failed check, and how.
struct FocusTarget {
  int tab_page = 0;  // 0 leaves the tab pages as they are
  ControlId control = ControlId::txtFileName;
  FocusAction action = FocusAction::kFocus;

  bool operator==(const FocusTarget&) const = default;
};

// The output file name on the first tab page, its text selected: where most failures point.
inline constexpr FocusTarget kFileNameFocus{1, ControlId::txtFileName,
                                            FocusAction::kFocusAndSelect};

// A failed check: the one message the user sees and the control they are pointed at.
struct CheckFailure {
  std::string message;
  FocusTarget focus;

  bool operator==(const CheckFailure&) const = default;
};

// Whether text holds a line feed, a carriage return or a tab.
bool HasControlChars(std::string_view text);

// Whether text holds a character that no file name may hold: \ / : * ? " < > |
bool HasForbiddenFileNameChar(std::string_view text);

// Whether text, compared in upper case, is a device name that the system reserves: AUX, CON,
// NUL, PRN, CLOCK$, and COM or LPT followed by one digit from 1 to 9.
bool IsReservedDeviceName(std::string_view text);

// The value of a number typed into a box: blanks (U+0020) at both ends, an optional sign, then
// decimal digits with at most one decimal point and at least one digit. Nothing for any other
// text, the empty text included. A value too large for a double is infinite, one too small 0.
std::optional<double> NumericValue(std::string_view text);

// The checks of a run request that the settings alone decide, in their order: picture
// kinds (PNG counts only with its plug-in), the output file name (empty, forbidden characters,
// control characters, device names), the search folder's text, pictures per page (1 to 999 unless
// unlimited) and the slide-show interval (at least 1 when the slide show is on). The first
// failure, or nothing when all pass.
std::optional<CheckFailure> CheckSettings(const GalleryOptions& options,
                                          std::string_view png_plugin_name,
                                          const Translation& translation);

// The search folder as typed does not name an existing folder.
CheckFailure MissingFolderFailure(std::string_view search_dir, const Translation& translation);

// OutputPath: the first page's full path. The output folder (the one rule every part of a run
// uses), then the file name as typed (blanks included) and "001.htm", or ".htm" when every
// picture goes on one page.
std::string OutputPathFor(const GalleryOptions& options, std::string_view default_folder,
                          PathStyle style);

// The longest OutputPath, in bytes of the system code page.
inline constexpr std::size_t kMaxOutputPathBytes = 255;

// OutputPath is longer than kMaxOutputPathBytes.
CheckFailure OutputPathTooLongFailure(const Translation& translation);

// The question before an existing first page is overwritten.
std::string OverwriteQuestion(const GalleryOptions& options, const Translation& translation);

// The first page cannot be created at output_path.
CheckFailure CannotCreateFailure(std::string_view output_path, const Translation& translation);

// The question after a run when AutoOpenMode is on.
inline constexpr SourceText kOpenQuestion =
    PICTAVUE_TEXT("RequestRun", "作成されたHTMLを開きますか？");

}  // namespace pictavue
