#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/blanks.h"

namespace pictavue {

// The rules that turn the texts of the settings file into the values of GalleryOptions and back.
// Each is pure so that the odd cases of hand-edited files are tested one by one.

// The part of text before its first NUL, blanks trimmed at both ends. Every text read from the
// settings file passes through it.
std::string CutAtNul(std::string_view text);

// "True" / "False" in any letter case, or a number (true when it is not zero). Anything else,
// the empty text included, is no boolean at all.
std::optional<bool> ParseBoolean(std::string_view text);
// A boolean key's value: its text read as a boolean, or default_value when it is none.
bool BooleanOrDefault(std::string_view text, bool default_value);
std::string_view BooleanText(bool value);  // "True" / "False"

// A check-box state read from the file: 0, 1 and 2 are kept, anything else gives default_value.
int CheckStateOrDefault(int value, int default_value);

// cmbSize: the file stores a code per list position (50 px is code 3, 100 px code 0, ...).
// An unknown code selects 100 pixels.
int PixelPositionForCode(int code);
// Nothing for a position outside the list (no entry selected): the key is then not written.
std::optional<int> PixelCodeForPosition(int position);

// cmbIPP: as cmbSize, plus code -1 for a typed number (kNoListPosition). An unknown code selects
// 100 per page.
int IppPositionForCode(int code);
// -1 for kNoListPosition and for any position outside the list.
int IppCodeForPosition(int position);

// cmbOutputDir: 0 and 1 select that entry and -1 none; anything else selects the chosen folder.
int OutputDirPositionForValue(int value);

// Title is one line in the file: every "\n" (backslash, n) stands for a line break (CR LF).
std::string TitleFromFile(std::string_view stored);
// Blanks trimmed, then every line break (CR LF, and a CR or LF alone) written as "\n".
std::string TitleForFile(std::string_view title);

}  // namespace pictavue
