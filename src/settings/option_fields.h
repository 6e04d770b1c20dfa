#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/gallery_options.h"

namespace pictavue {

// How an option field is kept in the settings file and shown in the main window.
enum class FieldKind {
  kCheck,         // a check box: 0, 1 or 2
  kSizeRule,      // one of the option buttons optThumb: "True" or "False"
  kPixel,         // cmbSize's list position, kept as a code
  kPerPage,       // cmbIPP's list position, kept as a code
  kTypedPerPage,  // cmbIPP's typed number, kept only while no list position is chosen
  kOutputDir,     // cmbOutputDir's list position
  kText,          // a text box; its blanks trimmed when written
  kTitle,         // txtTitle, its lines joined by "\n" in the file
  kPath,          // a path only its dialog edits, written as it is
};

// The buffers the values have always been read into; a value keeps one byte less.
inline constexpr std::size_t kShortTextBuffer = 100;
inline constexpr std::size_t kLongTextBuffer = 512;

// One option field: its key in the settings file and the control of the main window that
// shows it (none for the two paths).
struct OptionField {
  std::string_view section;
  std::string_view key;
  std::string_view control;
  FieldKind kind;
  int GalleryOptions::*number = nullptr;        // kCheck, kPixel, kPerPage, kOutputDir
  bool GalleryOptions::*flag = nullptr;         // kSizeRule
  std::string GalleryOptions::*text = nullptr;  // kTypedPerPage, kText, kTitle, kPath
  std::size_t buffer = kLongTextBuffer;         // texts
};

namespace option_fields {

constexpr OptionField Number(std::string_view section, std::string_view key,
                             std::string_view control, FieldKind kind, int GalleryOptions::*field) {
  return {section, key, control, kind, field};
}
constexpr OptionField Check(std::string_view section, std::string_view key,
                            std::string_view control, int GalleryOptions::*field) {
  return Number(section, key, control, FieldKind::kCheck, field);
}
constexpr OptionField SizeRule(std::string_view key, std::string_view control,
                               bool GalleryOptions::*field) {
  return {"PageFormat", key, control, FieldKind::kSizeRule, nullptr, field};
}
constexpr OptionField Text(std::string_view section, std::string_view key, std::string_view control,
                           FieldKind kind, std::string GalleryOptions::*field,
                           std::size_t buffer = kLongTextBuffer) {
  return {section, key, control, kind, nullptr, nullptr, field, buffer};
}

}  // namespace option_fields

// Every option field, in the order of the settings file; the main window is filled in the same
// order, so that each control's change handling sees the values it depends on already in place.
inline constexpr OptionField kOptionFields[] = {
    option_fields::Check("SearchDir", "SubDir", "chkSubDir", &GalleryOptions::SubDir),
    option_fields::Check("SearchDir", "GIF", "chkGIF", &GalleryOptions::GIF),
    option_fields::Check("SearchDir", "JPEG", "chkJPEG", &GalleryOptions::JPEG),
    option_fields::Check("SearchDir", "PNG", "chkPNG", &GalleryOptions::PNG),
    option_fields::Check("SearchDir", "BMP", "chkBMP", &GalleryOptions::BMP),
    option_fields::Check("SearchDir", "WMF", "chkWMF", &GalleryOptions::WMF),
    option_fields::Check("SearchDir", "EMF", "chkEMF", &GalleryOptions::EMF),
    option_fields::Check("SearchDir", "SameSize", "chkSameSize", &GalleryOptions::SameSize),
    option_fields::SizeRule("Width", "optThumb(0)", &GalleryOptions::Width),
    option_fields::SizeRule("Height", "optThumb(1)", &GalleryOptions::Height),
    option_fields::SizeRule("Longer", "optThumb(2)", &GalleryOptions::Longer),
    option_fields::Number("PageFormat", "Pixel", "cmbSize", FieldKind::kPixel,
                          &GalleryOptions::Pixel),
    option_fields::Check("PageFormat", "BGColor", "chkBGColor", &GalleryOptions::BGColor),
    option_fields::Check("PageFormat", "SubWin", "chkSubWIndow", &GalleryOptions::SubWin),
    option_fields::Check("PageFormat", "AutoSize", "chkAutoSize", &GalleryOptions::AutoSize),
    option_fields::Check("PageFormat", "OnlyOne", "chkOnlyOne", &GalleryOptions::OnlyOne),
    option_fields::Check("PageFormat", "ClientPull", "chkClientPull", &GalleryOptions::ClientPull),
    option_fields::Text("PageFormat", "Delay", "txtDelay", FieldKind::kText, &GalleryOptions::Delay,
                        kShortTextBuffer),
    option_fields::Check("PageFormat", "Separator", "chkSeparator", &GalleryOptions::Separator),
    option_fields::Check("PageFormat", "FolderName", "chkFolderName", &GalleryOptions::FolderName),
    option_fields::Check("PageFormat", "PathName", "chkPathName", &GalleryOptions::PathName),
    option_fields::Number("PageFormat", "IPP", "cmbIPP", FieldKind::kPerPage, &GalleryOptions::IPP),
    option_fields::Text("PageFormat", "IppFree", "cmbIPP", FieldKind::kTypedPerPage,
                        &GalleryOptions::IppFree, kShortTextBuffer),
    option_fields::Check("PageFormat", "FrameMenu", "chkFrame", &GalleryOptions::FrameMenu),
    option_fields::Text("PageFormat", "Title", "txtTitle", FieldKind::kTitle,
                        &GalleryOptions::Title),
    option_fields::Text("PageFormat", "Name", "txtName", FieldKind::kText, &GalleryOptions::Name),
    option_fields::Text("PageFormat", "Email", "txtEmail", FieldKind::kText,
                        &GalleryOptions::Email),
    option_fields::Check("PageFormat", "NotThumbnail", "chkNotThumbnail",
                         &GalleryOptions::NotThumbnail),
    option_fields::Check("PageFormat", "AltNewLine", "chkAltNewLine", &GalleryOptions::AltNewLine),
    option_fields::Text("OutFile", "DirName", "", FieldKind::kPath, &GalleryOptions::DirName),
    option_fields::Text("OutFile", "FileName", "txtFileName", FieldKind::kText,
                        &GalleryOptions::FileName),
    option_fields::Number("OutFile", "OutputDir", "cmbOutputDir", FieldKind::kOutputDir,
                          &GalleryOptions::OutputDir),
    option_fields::Check("OutFile", "AutoOpenMode", "chkAutoOpen", &GalleryOptions::AutoOpenMode),
    option_fields::Check("OutFile", "Browser", "chkBrowser", &GalleryOptions::Browser),
    option_fields::Text("OutFile", "BrowserPath", "", FieldKind::kPath,
                        &GalleryOptions::BrowserPath),
};

}  // namespace pictavue
