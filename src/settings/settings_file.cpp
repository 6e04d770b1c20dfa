#include "settings/settings_file.h"

#include <optional>

#include "platform/file_io.h"
#include "platform/path_kind.h"
#include "platform/paths.h"
#include "settings/option_fields.h"
#include "settings/settings_values.h"

namespace pictavue {
namespace {

constexpr std::string_view kOption = "Option";

// One field read from the file, every text through its buffer size and CutAtNul; a missing or
// senseless value takes the field's value in defaults.
void ReadField(const OptionField& field, const ProfileFile& file, const CodePage& code_page,
               const GalleryOptions& defaults, GalleryOptions& options) {
  const auto text = [&](std::string_view default_value, std::size_t buffer) {
    return CutAtNul(file.GetString(field.section, field.key, default_value, buffer, code_page));
  };
  const auto number = [&](int default_value) {
    return file.GetInt(field.section, field.key, default_value);
  };
  switch (field.kind) {
    case FieldKind::kCheck:
      options.*field.number =
          CheckStateOrDefault(number(defaults.*field.number), defaults.*field.number);
      break;
    case FieldKind::kSizeRule: {
      const bool default_value = defaults.*field.flag;
      options.*field.flag =
          BooleanOrDefault(text(BooleanText(default_value), kShortTextBuffer), default_value);
      break;
    }
    case FieldKind::kPixel:
      options.*field.number =
          PixelPositionForCode(number(*PixelCodeForPosition(defaults.*field.number)));
      break;
    case FieldKind::kPerPage:
      options.*field.number =
          IppPositionForCode(number(IppCodeForPosition(defaults.*field.number)));
      break;
    case FieldKind::kTypedPerPage:
      if (options.IPP == kNoListPosition) {
        options.*field.text = text(defaults.*field.text, field.buffer);
      }
      break;
    case FieldKind::kOutputDir:
      options.*field.number = OutputDirPositionForValue(number(defaults.*field.number));
      break;
    case FieldKind::kTitle:
      options.*field.text = TitleFromFile(text(defaults.*field.text, field.buffer));
      break;
    case FieldKind::kText:
    case FieldKind::kPath:
      options.*field.text = text(defaults.*field.text, field.buffer);
      break;
  }
}

// The three keys of the size rule are three option buttons: setting one clears the others, so
// the last true one wins and all false leaves none selected.
void SettleSizeRule(GalleryOptions& options) {
  options.Width = options.Width && !options.Height && !options.Longer;
  options.Height = options.Height && !options.Longer;
}

// One field written into the file. The typed number of pictures a page is written only while
// no list entry is chosen, and Pixel only while one is, so that the old value stays otherwise.
void WriteField(const OptionField& field, const GalleryOptions& options, const CodePage& code_page,
                ProfileFile& file) {
  const auto write = [&](std::string_view value) {
    file.SetString(field.section, field.key, value, code_page);
  };
  switch (field.kind) {
    case FieldKind::kCheck:
    case FieldKind::kOutputDir:
      write(std::to_string(options.*field.number));
      break;
    case FieldKind::kSizeRule:
      write(BooleanText(options.*field.flag));
      break;
    case FieldKind::kPixel:
      if (const std::optional<int> code = PixelCodeForPosition(options.*field.number)) {
        write(std::to_string(*code));
      }
      break;
    case FieldKind::kPerPage:
      write(std::to_string(IppCodeForPosition(options.*field.number)));
      break;
    case FieldKind::kTypedPerPage:
      if (IppPositionForCode(IppCodeForPosition(options.IPP)) == kNoListPosition) {
        write(TrimBlanks(options.*field.text));
      }
      break;
    case FieldKind::kText:
      write(TrimBlanks(options.*field.text));
      break;
    case FieldKind::kTitle:
      write(TitleForFile(options.*field.text));
      break;
    case FieldKind::kPath:
      write(options.*field.text);
      break;
  }
}

}  // namespace

LoadedSettings LoadSettings(const ProfileFile& file, const CodePage& code_page,
                            std::string_view program_folder, PathStyle style) {
  LoadedSettings loaded;
  loaded.history = LoadFolderHistory(file, code_page);
  if (!loaded.history.empty()) {
    loaded.options.SearchDir = loaded.history.entries().front();
  }
  GalleryOptions defaults;
  defaults.DirName = WithoutTrailingSeparator(program_folder, style);
  for (const OptionField& field : kOptionFields) {
    ReadField(field, file, code_page, defaults, loaded.options);
  }
  SettleSizeRule(loaded.options);
  // Start-up has read it already to decide about a second copy; the record keeps the same value.
  loaded.options.PrevInstance = ReadPrevInstance(file);
  return loaded;
}

void SaveSettings(const GalleryOptions& options, const FolderHistory& history,
                  const CodePage& code_page, ProfileFile& file) {
  SaveFolderHistory(history, code_page, file);
  for (const OptionField& field : kOptionFields) {
    WriteField(field, options, code_page, file);
  }
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
