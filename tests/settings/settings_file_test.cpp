#include "settings/settings_file.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

using testing::CaseTable;
using testing::ReadFileBytes;
using testing::Repeat;
using testing::SourcePath;

constexpr char kCases[] = "settings/settings.txt";
const std::string kData = "tests/data/settings/";
const CodePage kUtf8("UTF-8");

LoadedSettings LoadText(const std::string& text, const CodePage& code_page = kUtf8) {
  return LoadSettings(ProfileFile::Parse(text), code_page, "C:\\Tools\\", PathStyle::kWindows);
}

ProfileFile SaveOver(const GalleryOptions& options, const std::string& text = "",
                     const CodePage& code_page = kUtf8) {
  ProfileFile file = ProfileFile::Parse(text);
  SaveSettings(options, FolderHistory(), code_page, file);
  return file;
}

// "[section]" and, unless value is "(none)", the line "key=value".
std::string Section(const std::string& section, const std::string& key, const std::string& value) {
  return "[" + section + "]\r\n" + (value == "(none)" ? "" : key + "=" + value + "\r\n");
}

TEST(SettingsFileTest, TheFileAFirstSaveAndAHandEditedSaveWrite) {
  const testing::TempFolder folder;
  const std::string path = folder.Path("Pictavue.ini");
  const LoadedSettings first =
      LoadSettings(ProfileFile::Load(path), kUtf8, "C:\\Tools\\", PathStyle::kWindows);
  EXPECT_TRUE(first.history.empty());
  ASSERT_TRUE(SaveSettingsFile(path, first.options, first.history, kUtf8).ok());
  EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(SourcePath(kData + "first_save.ini")));

  // Saved over itself, every value read shows in the file: a wrong reading would be a wrong line.
  // texts.ini: blanks trimmed, typed pictures per page through IppFree, the title's line breaks,
  // the search folder first in the history. hand_edited.ini: IppFree of a list choice is left as
  // it was. The window hands its texts over untrimmed, and the save trims them.
  for (const std::string name : {"hand_edited", "texts"}) {
    folder.WriteFile("Pictavue.ini", ReadFileBytes(SourcePath(kData + name + ".ini")));
    LoadedSettings loaded =
        LoadSettings(ProfileFile::Load(path), kUtf8, "C:\\Tools", PathStyle::kWindows);
    GalleryOptions& o = loaded.options;
    for (std::string* text : {&o.IppFree, &o.Delay, &o.Name, &o.Email, &o.FileName}) {
      *text = "  " + *text + " ";
    }
    ASSERT_TRUE(SaveSettingsFile(path, loaded.options, loaded.history, kUtf8).ok());
    EXPECT_EQ(ReadFileBytes(path), ReadFileBytes(SourcePath(kData + name + "_saved.ini"))) << name;
  }

  // A file not read whole, or not as text, is not replaced: the save would keep only its first
  // part, or turn it into something neither its old form nor text.
  std::string huge = "[Other]\r\nkeep=1\r\n";
  huge.resize(ProfileFile::kMaxFileBytes + 10, ';');
  std::string utf16 = "\xFF\xFE";  // as an editor saves "Unicode"
  for (const char c : std::string_view("[OutFile]\r\nFileName=A\r\n")) {
    utf16 += std::string{c, '\0'};
  }
  for (const std::string& bytes :
       {huge, utf16, std::string("[OutFile]\r\nFileName=A\0B\r\n", 25)}) {
    folder.WriteFile("Pictavue.ini", bytes);
    const Status status = SaveSettingsFile(path, GalleryOptions(), FolderHistory(), kUtf8);
    EXPECT_EQ(status.description(),
              bytes == huge ? kSettingsFileTooLarge.text : kSettingsFileNotText.text);
    EXPECT_EQ(ReadFileBytes(path), bytes);
  }
}

TEST(SettingsFileTest, CodesListPositionsAndDefaults) {
  const std::map<std::string, int GalleryOptions::*> fields = {
      {"Pixel", &GalleryOptions::Pixel},         {"IPP", &GalleryOptions::IPP},
      {"OutputDir", &GalleryOptions::OutputDir}, {"SubDir", &GalleryOptions::SubDir},
      {"JPEG", &GalleryOptions::JPEG},           {"PrevInstance", &GalleryOptions::PrevInstance}};
  for (const auto& c : CaseTable(kCases, "codes")) {
    const std::string text = Section(c[0], c[1], c[2]);
    const GalleryOptions options = LoadText(text).options;
    EXPECT_EQ(options.*fields.at(c[1]), c.Int(3)) << c;
    EXPECT_EQ(SaveOver(options).RawValue(c[0], c[1]).value_or("(none)"), c[4]) << c;
    if (c[1] == "PrevInstance") {
      EXPECT_EQ(ReadPrevInstance(ProfileFile::Parse(text)), c.Int(3)) << c;
    }
  }
  // With no size selected the key is not written, and an old value stays.
  GalleryOptions unselected;
  unselected.Pixel = kNoListPosition;
  EXPECT_EQ(SaveOver(unselected).RawValue("PageFormat", "Pixel"), std::nullopt);
  EXPECT_EQ(SaveOver(unselected, "[PageFormat]\r\nPixel=5\r\n").RawValue("PageFormat", "Pixel"),
            "5");

  for (const auto& c : CaseTable(kCases, "size rules")) {
    std::string text = "[PageFormat]\r\n";
    const char* const keys[] = {"Width", "Height", "Longer"};
    for (int i = 0; i < 3; ++i) {
      text += c[i] == "(none)" ? "" : std::string(keys[i]) + "=" + c[i] + "\r\n";
    }
    const GalleryOptions options = LoadText(text).options;
    const bool* const rules[] = {&options.Width, &options.Height, &options.Longer};
    const ProfileFile saved = SaveOver(options);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(*rules[i], c[3] == keys[i]) << c << " " << keys[i];
      EXPECT_EQ(saved.RawValue("PageFormat", keys[i]), c[3] == keys[i] ? "True" : "False") << c;
    }
  }

  for (const auto& c : CaseTable(kCases, "defaults")) {
    const PathStyle style = c[2] == "win" ? PathStyle::kWindows : PathStyle::kPosix;
    const GalleryOptions options =
        LoadSettings(ProfileFile::Parse(c[0]), kUtf8, c[1], style).options;
    EXPECT_EQ(options.FileName, c[3]) << c;
    EXPECT_EQ(options.DirName, c[4]) << c;
  }
}

// A short and a long buffer, in the code page's bytes: あ is 82 A0 in CP932, E3 81 82 in UTF-8.
TEST(SettingsFileTest, TextsAreCutToTheirBufferInTheCodePage) {
  using G = GalleryOptions;
  const std::tuple<const char*, const char*, std::string G::*, std::string, std::string> cases[] = {
      // code page, key, field, file bytes, read (UTF-8)
      {"CP932", "Name", &G::Name, "x" + Repeat("\x82\xA0", 300), "x" + Repeat("あ", 255)},
      {"CP932", "FileName", &G::FileName, Repeat("\xB1", 600), Repeat("ｱ", 511)},
      {"UTF-8", "Delay", &G::Delay, "12" + Repeat("あ", 40), "12" + Repeat("あ", 32)},
  };
  for (const auto& [code_page, key, field, bytes, expected] : cases) {
    const char* section = field == &G::FileName ? "OutFile" : "PageFormat";
    EXPECT_EQ(LoadText(Section(section, key, bytes), CodePage(code_page)).options.*field, expected)
        << key;
  }
  GalleryOptions japanese;
  japanese.Name = "写真";
  EXPECT_EQ(SaveOver(japanese, "", CodePage("CP932")).RawValue("PageFormat", "Name"),
            "\x8E\xCA\x90\x5E");
}

TEST(SettingsFileTest, LanguageIsEnglishOnlyForEn) {
  for (const auto& c : CaseTable(kCases, "language")) {
    const Language read = ReadLanguage(ProfileFile::Parse(Section("Option", "Language", c[0])));
    EXPECT_EQ(read == Language::kEnglish, c[1] == "en") << c;
  }
}

}  // namespace
}  // namespace pictavue
