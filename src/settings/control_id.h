#pragma once

#include <string_view>

namespace pictavue {

// The controls of the main window that a failed check of a run request points the user at. The
// window's widgets carry ControlName() as their objectName, so every front end finds them by
// the same name.
enum class ControlId {
  cmbSearchDir,
  chkGIF,
  txtFileName,
  cmbIPP,
  txtDelay,
};

// "txtFileName", ...
std::string_view ControlName(ControlId control);

}  // namespace pictavue
