#pragma once

#include <string_view>

namespace pictavue {

// The controls of the main window, named as the window names them. The core points the user at
// a control through this enum (after a failed check); the Qt widgets carry ControlName() as their
// objectName, so front ends and GUI tests find them by the same name. Elements of a control
// array are written Name_index here and "Name(index)" as objectName.
enum class ControlId {
  // Search-folder frame
  cmbSearchDir,
  Command4,
  chkSubDir,
  chkGIF,
  chkJPEG,
  chkPNG,
  chkBMP,
  chkWMF,
  chkEMF,
  TabStrip1,
  // Tab 1
  Label7,
  txtFileName,
  lblExt,
  Frame6,
  cmbOutputDir,
  Command6_0,
  Label5,
  cmbIPP,
  chkFrame,
  Frame4,
  optThumb_0,
  optThumb_1,
  optThumb_2,
  Label2,
  cmbSize,
  // Tab 2
  Label3,
  txtTitle,
  Label4,
  txtName,
  Label6,
  txtEmail,
  // Tab 3
  chkBGColor,
  chkAutoOpen,
  chkSubWIndow,
  chkAutoSize,
  chkOnlyOne,
  chkClientPull,
  LblDelay1,
  txtDelay,
  LblDelay2,
  Frame3,
  chkSeparator,
  chkFolderName,
  lblKakkoL,
  chkPathName,
  lblKakkoR,
  // Tab 4
  chkSameSize,
  Label13,
  Label12,
  chkNotThumbnail,
  chkBrowser,
  Command6_1,
  chkAltNewLine,
  Label1,
  // Bottom row
  Command1,
  Command5,
  Command3,
  Command2,
};

// "txtFileName", "Command6(0)", ...
std::string_view ControlName(ControlId control);

}  // namespace pictavue
