#include "settings/settings_file.h"

#include <optional>

#include "platform/file_io.h"
#include "platform/path_kind.h"
#include "settings/settings_values.h"

namespace pictavue {
namespace {

constexpr std::string_view kSearchDir = "SearchDir";
constexpr std::string_view kPageFormat = "PageFormat";
constexpr std::string_view kOutFile = "OutFile";
constexpr std::string_view kOption = "Option";

// The buffers the values have always been read into; a value keeps one byte less.
constexpr std::size_t kShortBuffer = 100;
constexpr std::size_t kLongBuffer = 512;

// Reads one section, every text through its buffer size and CutAtNul.
class SectionReader {
 public:
  SectionReader(const ProfileFile& file, std::string_view section, const CodePage& code_page)
      : file_(file), section_(section), code_page_(code_page) {}

  int Number(std::string_view key, int default_value) const {
    return file_.GetInt(section_, key, default_value);
  }
  int Check(std::string_view key, int default_value) const {
    return CheckStateOrDefault(Number(key, default_value), default_value);
  }
  std::string Text(std::string_view key, std::string_view default_value,
                   std::size_t buffer_size) const {
    return CutAtNul(file_.GetString(section_, key, default_value, buffer_size, code_page_));
  }
  bool Boolean(std::string_view key, bool default_value) const {
    return BooleanOrDefault(Text(key, BooleanText(default_value), kShortBuffer), default_value);
  }

 private:
  const ProfileFile& file_;
  std::string_view section_;
  const CodePage& code_page_;
};

// Writes one section, one key per call, in the order of the calls.
class SectionWriter {
 public:
  SectionWriter(ProfileFile& file, std::string_view section, const CodePage& code_page)
      : file_(file), section_(section), code_page_(code_page) {}

  void Text(std::string_view key, std::string_view value) const {
    file_.SetString(section_, key, value, code_page_);
  }
  void Number(std::string_view key, int value) const { Text(key, std::to_string(value)); }

 private:
  ProfileFile& file_;
  std::string_view section_;
  const CodePage& code_page_;
};

void ReadSearchDir(const SectionReader& in, GalleryOptions& options) {
  const GalleryOptions defaults;
  options.SubDir = in.Check("SubDir", defaults.SubDir);
  options.GIF = in.Check("GIF", defaults.GIF);
  options.JPEG = in.Check("JPEG", defaults.JPEG);
  options.PNG = in.Check("PNG", defaults.PNG);
  options.BMP = in.Check("BMP", defaults.BMP);
  options.WMF = in.Check("WMF", defaults.WMF);
  options.EMF = in.Check("EMF", defaults.EMF);
  options.SameSize = in.Check("SameSize", defaults.SameSize);
}

// The three keys are three option buttons: setting one clears the others, so the last true one
// wins and all false leaves none selected.
void ReadSizeRule(const SectionReader& in, GalleryOptions& options) {
  const bool width = in.Boolean("Width", true);
  const bool height = in.Boolean("Height", false);
  const bool longer = in.Boolean("Longer", false);
  options.Width = width && !height && !longer;
  options.Height = height && !longer;
  options.Longer = longer;
}

void ReadPageFormat(const SectionReader& in, GalleryOptions& options) {
  const GalleryOptions defaults;
  ReadSizeRule(in, options);
  options.Pixel = PixelPositionForCode(in.Number("Pixel", 0));
  options.BGColor = in.Check("BGColor", defaults.BGColor);
  options.SubWin = in.Check("SubWin", defaults.SubWin);
  options.AutoSize = in.Check("AutoSize", defaults.AutoSize);
  options.OnlyOne = in.Check("OnlyOne", defaults.OnlyOne);
  options.ClientPull = in.Check("ClientPull", defaults.ClientPull);
  options.Delay = in.Text("Delay", defaults.Delay, kShortBuffer);
  options.Separator = in.Check("Separator", defaults.Separator);
  options.FolderName = in.Check("FolderName", defaults.FolderName);
  options.PathName = in.Check("PathName", defaults.PathName);
  options.IPP = IppPositionForCode(in.Number("IPP", 0));
  if (options.IPP == kNoListPosition) {
    options.IppFree = in.Text("IppFree", "", kShortBuffer);
  }
  options.FrameMenu = in.Check("FrameMenu", defaults.FrameMenu);
  options.Title = TitleFromFile(in.Text("Title", "", kLongBuffer));
  options.Name = in.Text("Name", "", kLongBuffer);
  options.Email = in.Text("Email", "", kLongBuffer);
  options.NotThumbnail = in.Check("NotThumbnail", defaults.NotThumbnail);
  options.AltNewLine = in.Check("AltNewLine", defaults.AltNewLine);
}

void ReadOutFile(const SectionReader& in, std::string_view program_folder, PathStyle style,
                 GalleryOptions& options) {
  const GalleryOptions defaults;
  options.FileName = in.Text("FileName", defaults.FileName, kLongBuffer);
  options.DirName =
      in.Text("DirName", FolderWithoutTrailingSeparator(program_folder, style), kLongBuffer);
  options.OutputDir = OutputDirPositionForValue(in.Number("OutputDir", kOutputDirChosen));
  options.AutoOpenMode = in.Check("AutoOpenMode", defaults.AutoOpenMode);
  options.Browser = in.Check("Browser", defaults.Browser);
  options.BrowserPath = in.Text("BrowserPath", "", kLongBuffer);
}

void WriteSearchDir(const GalleryOptions& options, const SectionWriter& out) {
  out.Number("SubDir", options.SubDir);
  out.Number("GIF", options.GIF);
  out.Number("JPEG", options.JPEG);
  out.Number("PNG", options.PNG);
  out.Number("BMP", options.BMP);
  out.Number("WMF", options.WMF);
  out.Number("EMF", options.EMF);
  out.Number("SameSize", options.SameSize);
}

void WritePageFormat(const GalleryOptions& options, const SectionWriter& out) {
  out.Text("Width", BooleanText(options.Width));
  out.Text("Height", BooleanText(options.Height));
  out.Text("Longer", BooleanText(options.Longer));
  if (const std::optional<int> pixel_code = PixelCodeForPosition(options.Pixel)) {
    out.Number("Pixel", *pixel_code);
  }
  out.Number("BGColor", options.BGColor);
  out.Number("SubWin", options.SubWin);
  out.Number("AutoSize", options.AutoSize);
  out.Number("OnlyOne", options.OnlyOne);
  out.Number("ClientPull", options.ClientPull);
  out.Text("Delay", TrimBlanks(options.Delay));
  out.Number("Separator", options.Separator);
  out.Number("FolderName", options.FolderName);
  out.Number("PathName", options.PathName);
  const int ipp_code = IppCodeForPosition(options.IPP);
  out.Number("IPP", ipp_code);
  if (IppPositionForCode(ipp_code) == kNoListPosition) {
    out.Text("IppFree", TrimBlanks(options.IppFree));
  }
  out.Number("FrameMenu", options.FrameMenu);
  out.Text("Title", TitleForFile(options.Title));
  out.Text("Name", TrimBlanks(options.Name));
  out.Text("Email", TrimBlanks(options.Email));
  out.Number("NotThumbnail", options.NotThumbnail);
  out.Number("AltNewLine", options.AltNewLine);
}

void WriteOutFile(const GalleryOptions& options, const SectionWriter& out) {
  out.Text("DirName", options.DirName);
  out.Text("FileName", TrimBlanks(options.FileName));
  out.Number("OutputDir", options.OutputDir);
  out.Number("AutoOpenMode", options.AutoOpenMode);
  out.Number("Browser", options.Browser);
  out.Text("BrowserPath", options.BrowserPath);
}

}  // namespace

LoadedSettings LoadSettings(const ProfileFile& file, const CodePage& code_page,
                            std::string_view program_folder, PathStyle style) {
  LoadedSettings loaded;
  loaded.history = LoadFolderHistory(file, code_page);
  if (!loaded.history.empty()) {
    loaded.options.SearchDir = loaded.history.entries().front();
  }
  ReadSearchDir(SectionReader(file, kSearchDir, code_page), loaded.options);
  ReadPageFormat(SectionReader(file, kPageFormat, code_page), loaded.options);
  ReadOutFile(SectionReader(file, kOutFile, code_page), program_folder, style, loaded.options);
  // Start-up has read it already to decide about a second copy; the record keeps the same value.
  loaded.options.PrevInstance = ReadPrevInstance(file);
  return loaded;
}

void SaveSettings(const GalleryOptions& options, const FolderHistory& history,
                  const CodePage& code_page, ProfileFile& file) {
  SaveFolderHistory(history, code_page, file);
  WriteSearchDir(options, SectionWriter(file, kSearchDir, code_page));
  WritePageFormat(options, SectionWriter(file, kPageFormat, code_page));
  WriteOutFile(options, SectionWriter(file, kOutFile, code_page));
}

Status SaveSettingsFile(const std::string& path, const GalleryOptions& options,
                        const FolderHistory& history, const CodePage& code_page) {
  // The file is rewritten whole from what was read, so a file that exists but could not be read
  // completely must not be replaced: its unread part (other programs' sections, the rest of a
  // huge file) would be lost for good.
  const ReadResult read = ReadFileBounded(path, ProfileFile::kMaxFileBytes);
  if (read.truncated) {
    return Status::Failure(kSettingsFileTooLarge.text);
  }
  if (!read.status.ok() && PathKind(path) != FileKind::kMissing) {
    return read.status;
  }
  // A UTF-16 file, or one holding NUL bytes, is not text of the code page: rewritten line by line
  // it would become neither its old form nor text. It was written by hand or by another program,
  // so it is left as it is rather than read and written in a second encoding.
  if (!ProfileFile::IsText(read.bytes)) {
    return Status::Failure(kSettingsFileNotText.text);
  }
  ProfileFile file = ProfileFile::Parse(read.bytes);
  SaveSettings(options, history, code_page, file);
  return file.Save(path);
}

int ReadPrevInstance(const ProfileFile& file) {
  return file.GetInt(kOption, "PrevInstance", 0) == 1 ? 1 : 0;
}

Language ReadLanguage(const ProfileFile& file) {
  const std::optional<std::string> code = file.RawValue(kOption, "Language");
  return code ? LanguageForCode(*code).value_or(Language::kJapanese) : Language::kJapanese;
}

}  // namespace pictavue
