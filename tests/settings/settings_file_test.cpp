#include "settings/settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/ini_lines.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

using namespace std::string_literals;
using testing::IniLines;
using Value = std::optional<std::string>;  // a key's text, or no key at all

const CodePage& Utf8() {
  static const CodePage code_page("UTF-8");
  return code_page;
}

LoadedSettings LoadText(const std::string& text, const CodePage& code_page = Utf8()) {
  return LoadSettings(ProfileFile::Parse(text), code_page, "C:\\Tools\\", PathStyle::kWindows);
}

ProfileFile SaveOver(const GalleryOptions& options, const std::string& text = "",
                     const CodePage& code_page = Utf8()) {
  ProfileFile file = ProfileFile::Parse(text);
  SaveSettings(options, FolderHistory(), code_page, file);
  return file;
}

std::string Section(const std::string& section, const char* key, const Value& value) {
  return "[" + section + "]\r\n" + (value ? key + ("=" + *value) + "\r\n" : "");
}

std::string Repeat(const std::string& piece, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += piece;
  }
  return text;
}

TEST(SettingsFileTest, FirstSaveWithAllDefaultsIsTheExpectedFile) {
  const testing::TempFolder folder;
  const std::string path = folder.Path("Pictavue.ini");
  const LoadedSettings loaded =
      LoadSettings(ProfileFile::Load(path), Utf8(), "C:\\Tools\\", PathStyle::kWindows);
  EXPECT_TRUE(loaded.history.empty());

  const Status status = SaveSettingsFile(path, loaded.options, loaded.history, Utf8());
  ASSERT_TRUE(status.ok()) << status.description();
  const char* source_dir = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  EXPECT_EQ(testing::ReadFileBytes(path),
            testing::ReadFileBytes(std::string(source_dir != nullptr ? source_dir : ".") +
                                   "/tests/settings/data/first_save.ini"));
  // Written in one piece: no temporary file is left beside it.
  const auto entries = std::filesystem::directory_iterator(folder.path());
  EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);
}

// A failed write is the profile file's own test; these are the settings' decisions not to
// replace a file they could not read whole (the save would keep only its first part) or could not
// read as text (the save would turn it into something neither its old form nor text).
TEST(SettingsFileTest, AFileNotReadWholeOrNotTextIsNotReplaced) {
  std::string huge = "[Other]\r\nkeep=1\r\n";
  huge.resize(ProfileFile::kMaxFileBytes + 10, ';');
  huge += "\r\n[Tail]\r\nlast=1\r\n";
  std::string utf16 = "\xFF\xFE";  // as an editor saves "Unicode"
  for (const char c : std::string_view("[OutFile]\r\nFileName=A\r\n")) {
    utf16 += c;
    utf16 += '\0';
  }
  const std::string with_nul("[OutFile]\r\nFileName=A\0B\r\n", 25);
  const testing::TempFolder folder;
  const std::pair<std::string, const char*> cases[] = {{huge, kSettingsFileTooLarge.text},
                                                       {utf16, kSettingsFileNotText.text},
                                                       {with_nul, kSettingsFileNotText.text}};
  for (const auto& [bytes, why] : cases) {
    const std::string path = folder.WriteFile("Pictavue.ini", bytes);
    const Status status = SaveSettingsFile(path, GalleryOptions(), FolderHistory(), Utf8());
    EXPECT_EQ(status.description(), why);
    EXPECT_EQ(testing::ReadFileBytes(path), bytes);
  }
}

TEST(SettingsFileTest, CodesMapToListPositionsAndBack) {
  struct Code {
    Value in_file;
    int position;
    const char* written;
  };
  struct Key {
    const char* section;
    const char* key;
    int GalleryOptions::*field;
    std::vector<Code> codes;
  };
  const std::nullopt_t missing = std::nullopt;
  const int none = kNoListPosition;
  const std::vector<Code> pixel = {{"3", 0, "3"},     {"0", 1, "0"},   {"4", 2, "4"},
                                   {"1", 3, "1"},     {"5", 4, "5"},   {"2", 5, "2"},
                                   {"6", 1, "0"},     {"-1", 1, "0"},  {"abc", 1, "0"},
                                   {missing, 1, "0"}, {"4 px", 2, "4"}};
  const std::vector<Code> ipp = {
      {"5", 0, "5"}, {"4", 1, "4"},      {"0", 2, "0"}, {"1", 3, "1"},  {"2", 4, "2"},
      {"3", 5, "3"}, {"-1", none, "-1"}, {"6", 2, "0"}, {"-2", 2, "0"}, {missing, 2, "0"}};
  const std::vector<Code> output_dir = {{"0", 0, "0"}, {"1", 1, "1"},      {"-1", none, "-1"},
                                        {"5", 0, "0"}, {"-70000", 0, "0"}, {"x", 0, "0"}};
  // Check states outside 0 to 2 take the key's default (SubDir 1, JPEG 0).
  const std::vector<Code> sub_dir = {
      {"2", 2, "2"}, {"3", 1, "1"}, {"abc", 0, "0"}, {missing, 1, "1"}};
  const std::vector<Code> jpeg = {{"1x", 1, "1"}, {"-1", 0, "0"}, {"4294967297", 1, "1"}};  // wraps
  const Key keys[] = {{"PageFormat", "Pixel", &GalleryOptions::Pixel, pixel},
                      {"PageFormat", "IPP", &GalleryOptions::IPP, ipp},
                      {"OutFile", "OutputDir", &GalleryOptions::OutputDir, output_dir},
                      {"SearchDir", "SubDir", &GalleryOptions::SubDir, sub_dir},
                      {"SearchDir", "JPEG", &GalleryOptions::JPEG, jpeg}};
  for (const Key& k : keys) {
    for (const Code& c : k.codes) {
      SCOPED_TRACE(k.key + ("=" + c.in_file.value_or("(missing)")));
      const GalleryOptions options = LoadText(Section(k.section, k.key, c.in_file)).options;
      EXPECT_EQ(options.*k.field, c.position);
      EXPECT_EQ(SaveOver(options).RawValue(k.section, k.key), c.written);
    }
  }
  // With no size selected the key is not written, and an old value stays.
  GalleryOptions unselected;
  unselected.Pixel = kNoListPosition;
  EXPECT_EQ(SaveOver(unselected).RawValue("PageFormat", "Pixel"), std::nullopt);
  EXPECT_EQ(
      SaveOver(unselected, Section("PageFormat", "Pixel", "5")).RawValue("PageFormat", "Pixel"),
      "5");
}

TEST(SettingsFileTest, TypedPicturesPerPageTravelThroughIppFree) {
  const std::string typed = IniLines({"[PageFormat]", "IPP=-1", "IppFree=30"});
  const GalleryOptions options = LoadText(typed).options;
  EXPECT_EQ(options.IPP, kNoListPosition);
  EXPECT_EQ(options.IppFree, "30");
  const ProfileFile saved = SaveOver(options, typed);
  EXPECT_EQ(saved.RawValue("PageFormat", "IPP"), "-1");
  EXPECT_EQ(saved.RawValue("PageFormat", "IppFree"), "30");

  // A list choice neither reads IppFree nor overwrites it.
  const std::string listed = IniLines({"[PageFormat]", "IPP=2", "IppFree=30"});
  const GalleryOptions listed_options = LoadText(listed).options;
  EXPECT_EQ(listed_options.IppFree, "");
  EXPECT_EQ(SaveOver(listed_options, listed).RawValue("PageFormat", "IppFree"), "30");
  EXPECT_EQ(SaveOver(listed_options).RawValue("PageFormat", "IppFree"), std::nullopt);

  GalleryOptions typed_with_blanks;
  typed_with_blanks.IPP = kNoListPosition;
  typed_with_blanks.IppFree = "  45 ";
  EXPECT_NE(SaveOver(typed_with_blanks).Serialize().find("IPP=-1\r\nIppFree=45\r\n"),
            std::string::npos);
}

TEST(SettingsFileTest, TheLastTrueSizeRuleWins) {
  struct Case {
    Value width, height, longer;
    const char* winner;  // the one rule that comes out true, or none
  };
  const std::nullopt_t missing = std::nullopt;
  const Case cases[] = {
      {missing, missing, missing, "Width"},
      {"False", "False", "True", "Longer"},
      {"True", "True", missing, "Height"},
      {"True", "True", "True", "Longer"},
      {"False", "False", "False", ""},
      {"FALSE", "tRuE", "false", "Height"},
      {"0", "-1", "0", "Height"},
      // Neither a word nor a number: the key's default (Width true, the others false).
      {"yes", "", "maybe", "Width"},
      {"False", "oui", "", ""},
      {"", "True", missing, "Height"},
  };
  for (const Case& c : cases) {
    const std::pair<const char*, Value> keys[] = {
        {"Width", c.width}, {"Height", c.height}, {"Longer", c.longer}};
    std::string text = "[PageFormat]\r\n";
    for (const auto& [key, value] : keys) {
      text += value ? key + ("=" + *value) + "\r\n" : "";
    }
    SCOPED_TRACE(text);
    const GalleryOptions options = LoadText(text).options;
    const std::string winner = c.winner;
    EXPECT_EQ(options.Width, winner == "Width");
    EXPECT_EQ(options.Height, winner == "Height");
    EXPECT_EQ(options.Longer, winner == "Longer");
    const ProfileFile saved = SaveOver(options);
    for (const auto& [key, value] : keys) {
      EXPECT_EQ(saved.RawValue("PageFormat", key), winner == key ? "True" : "False") << key;
    }
  }
}

// Each line break of the title is stored as "\n" (the rules are in settings_values_test); a lone
// line feed, as a text box on POSIX gives it, must not split the file's line.
TEST(SettingsFileTest, TitleLinesAreStoredAsBackslashN) {
  GalleryOptions options;
  options.Title = "A\nB\n[Option]";
  const ProfileFile saved = SaveOver(options);
  EXPECT_EQ(saved.RawValue("PageFormat", "Title"), "A\\nB\\n[Option]");
  EXPECT_EQ(saved.RawValue("Option", "PrevInstance"), std::nullopt);
  EXPECT_EQ(LoadSettings(saved, Utf8(), "C:\\Tools", PathStyle::kWindows).options.Title,
            "A\r\nB\r\n[Option]");
}

TEST(SettingsFileTest, TextsAreTrimmedWhereTheyAlwaysWere) {
  const GalleryOptions loaded =
      LoadText(IniLines({"[PageFormat]", "Name=\"  Taro  \"", "Delay=' 20 '", "[OutFile]",
                         "BrowserPath=\"   C:\\Program Files\\Web\\web.exe   \"",
                         "FileName=\"  album \"", "DirName=\" D:\\Out \""}))
          .options;
  EXPECT_EQ(loaded.Name, "Taro");
  EXPECT_EQ(loaded.Delay, "20");
  EXPECT_EQ(loaded.BrowserPath, "C:\\Program Files\\Web\\web.exe");
  EXPECT_EQ(loaded.FileName, "album");
  EXPECT_EQ(loaded.DirName, "D:\\Out");

  GalleryOptions typed;
  typed.Delay = " 20 ";
  typed.Name = "  Taro Yamada  ";
  typed.Email = " taro@example.jp ";
  typed.FileName = " album  ";
  typed.Title = "  Trip  ";
  const std::string saved = SaveOver(typed).Serialize();
  for (const char* line : {"Delay=20\r\n", "Name=Taro Yamada\r\n", "Email=taro@example.jp\r\n",
                           "FileName=album\r\n", "Title=Trip\r\n"}) {
    EXPECT_NE(saved.find("\n"s + line), std::string::npos) << line;
  }
}

TEST(SettingsFileTest, MissingFileNameAndDirNameTakeTheirDefaults) {
  struct Case {
    std::string file;
    const char* program_folder;
    PathStyle style;
    const char* file_name;
    const char* dir_name;
  };
  const Case cases[] = {
      {"", "C:\\Tools\\", PathStyle::kWindows, "Pictavue", "C:\\Tools"},
      {"", "/opt/pictavue/", PathStyle::kPosix, "Pictavue", "/opt/pictavue"},
      {IniLines({"[OutFile]", "Browser=1"}), "C:\\Tools", PathStyle::kWindows, "Pictavue",
       "C:\\Tools"},
      {IniLines({"[OutFile]", "FileName=", "DirName="}), "C:\\Tools", PathStyle::kWindows, "", ""},
      {IniLines({"[outfile]", "filename=album", "dirname=D:\\Out"}), "C:\\Tools",
       PathStyle::kWindows, "album", "D:\\Out"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file + c.program_folder);
    const GalleryOptions options =
        LoadSettings(ProfileFile::Parse(c.file), Utf8(), c.program_folder, c.style).options;
    EXPECT_EQ(options.FileName, c.file_name);
    EXPECT_EQ(options.DirName, c.dir_name);
  }
}

TEST(SettingsFileTest, SearchDirIsTheMostRecentFolder) {
  const LoadedSettings with_history =
      LoadText(IniLines({"[SearchDir]", "DirHistry1=", "DirHistry2=  D:\\Trip  "}));
  EXPECT_EQ(with_history.history.entries(), std::vector<std::string>{"D:\\Trip"});
  EXPECT_EQ(with_history.options.SearchDir, "D:\\Trip");
  EXPECT_EQ(LoadText("").options.SearchDir, "");

  // The history is written first, into "SearchDir".
  ProfileFile file;
  SaveSettings(with_history.options, with_history.history, Utf8(), file);
  EXPECT_EQ(file.Serialize().rfind("[SearchDir]\r\nDirHistry1=D:\\Trip\r\nDirHistry2=\r\n", 0), 0u);
}

TEST(SettingsFileTest, HandEditedFileKeepsEverythingTheProgramDoesNotWrite) {
  const std::string hand_edited =
      IniLines({"; Pictavue settings, edited by hand", "[searchdir]", "dirhistry2=D:\\Pictures",
                "subdir=0", "Unknown=keep me", "", "[PAGEFORMAT]", "; the thumbnail rule",
                "WIDTH=false", "pixel=4", "Delay=30", "  Extra = 1  ", "", "[Custom]", "Foo=bar",
                "[outfile]", "filename=gallery  "}) +
      IniLines({"[Option]", "PrevInstance=1", "Language=en"});
  const testing::TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", hand_edited);

  // Saved again, every value read shows in the file: a wrong reading would be a wrong line.
  const LoadedSettings loaded =
      LoadSettings(ProfileFile::Load(path), Utf8(), "C:\\Tools", PathStyle::kWindows);
  const Status status = SaveSettingsFile(path, loaded.options, loaded.history, Utf8());
  ASSERT_TRUE(status.ok()) << status.description();
  const std::string expected =
      "; Pictavue settings, edited by hand\r\n[searchdir]\r\ndirhistry2=\r\nsubdir=0\r\n"
      "Unknown=keep me\r\nDirHistry1=D:\\Pictures\r\nDirHistry3=\r\nDirHistry4=\r\n"
      "DirHistry5=\r\nDirHistry6=\r\nDirHistry7=\r\nDirHistry8=\r\nDirHistry9=\r\n"
      "DirHistry10=\r\nGIF=1\r\nJPEG=0\r\nPNG=0\r\nBMP=0\r\nWMF=0\r\nEMF=0\r\n"
      "SameSize=0\r\n\r\n[PAGEFORMAT]\r\n; the thumbnail rule\r\nWIDTH=False\r\npixel=4\r\n"
      "Delay=30\r\n  Extra = 1  \r\nHeight=False\r\nLonger=False\r\nBGColor=1\r\n"
      "SubWin=1\r\nAutoSize=1\r\nOnlyOne=1\r\nClientPull=0\r\nSeparator=1\r\n"
      "FolderName=1\r\nPathName=0\r\nIPP=0\r\nFrameMenu=0\r\nTitle=\r\nName=\r\nEmail=\r\n"
      "NotThumbnail=0\r\nAltNewLine=0\r\n\r\n[Custom]\r\nFoo=bar\r\n[outfile]\r\n"
      "filename=gallery\r\nDirName=C:\\Tools\r\nOutputDir=0\r\nAutoOpenMode=0\r\n"
      "Browser=0\r\nBrowserPath=\r\n[Option]\r\nPrevInstance=1\r\nLanguage=en\r\n";
  EXPECT_EQ(testing::ReadFileBytes(path), expected);
}

TEST(SettingsFileTest, TextsAreCutToTheirBufferInTheCodePage) {
  // "あ" is 82 A0 in CP932 (two bytes) and E3 81 82 in UTF-8 (three bytes). How a character that
  // would be split is dropped is the profile file's test; these are each field's buffer.
  const std::string a_sjis = "\x82\xA0";
  const std::string a_utf8 = "\xE3\x81\x82";
  struct Case {
    const char* code_page;
    const char* section;
    const char* key;
    std::string GalleryOptions::*field;
    std::string value;     // file bytes
    std::string expected;  // UTF-8
  };
  const auto name = &GalleryOptions::Name;
  const auto delay = &GalleryOptions::Delay;
  const Case cases[] = {
      {"CP932", "PageFormat", "Name", name, "x" + Repeat(a_sjis, 300), "x" + Repeat(a_utf8, 255)},
      {"CP932", "PageFormat", "Delay", delay, Repeat("1", 150), Repeat("1", 99)},
      {"CP932", "PageFormat", "Delay", delay, "1" + Repeat(a_sjis, 60), "1" + Repeat(a_utf8, 49)},
      {"CP932", "OutFile", "FileName", &GalleryOptions::FileName, Repeat("\xB1", 600),
       Repeat("\xEF\xBD\xB1", 511)},
      {"UTF-8", "PageFormat", "Name", name, "x" + Repeat(a_utf8, 200), "x" + Repeat(a_utf8, 170)},
      {"UTF-8", "PageFormat", "Delay", delay, "12" + Repeat(a_utf8, 40), "12" + Repeat(a_utf8, 32)},
  };
  for (const Case& c : cases) {
    const CodePage code_page(c.code_page);
    const GalleryOptions options = LoadText(Section(c.section, c.key, c.value), code_page).options;
    EXPECT_EQ(options.*c.field, c.expected)
        << c.code_page << " " << c.key << " of " << c.value.size() << " bytes";
  }

  // And back: the file holds the code page's bytes.
  GalleryOptions japanese;
  japanese.Name = "\xE5\x86\x99\xE7\x9C\x9F";  // 写真, 8E CA 90 5E in CP932
  EXPECT_EQ(SaveOver(japanese, "", CodePage("CP932")).RawValue("PageFormat", "Name"),
            "\x8E\xCA\x90\x5E");
}

TEST(SettingsFileTest, PrevInstanceAllowsASecondCopyOnlyWhenOne) {
  const std::pair<Value, int> cases[] = {
      {std::nullopt, 0}, {"1", 1}, {"2", 0}, {"abc", 0}, {"1 copy", 1}};
  for (const auto& [in_file, expected] : cases) {
    const std::string text = Section("Option", "PrevInstance", in_file);
    EXPECT_EQ(ReadPrevInstance(ProfileFile::Parse(text)), expected) << text;
    EXPECT_EQ(LoadText(text).options.PrevInstance, expected) << text;
  }
  // Nothing writes "Option".
  EXPECT_EQ(SaveOver(GalleryOptions()).Serialize().find("Option"), std::string::npos);
}

TEST(SettingsFileTest, LanguageIsEnglishOnlyForEn) {
  const std::pair<Value, Language> cases[] = {
      {std::nullopt, Language::kJapanese}, {"en", Language::kEnglish},
      {" EN ", Language::kEnglish},        {"\"en\"", Language::kEnglish},
      {"ja", Language::kJapanese},         {"english", Language::kJapanese},
      {"en_US", Language::kJapanese},      {"", Language::kJapanese}};
  for (const auto& [in_file, expected] : cases) {
    const std::string text = Section("Option", "Language", in_file);
    EXPECT_EQ(ReadLanguage(ProfileFile::Parse(text)), expected) << text;
  }
}

}  // namespace
}  // namespace pictavue
