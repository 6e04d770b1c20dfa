#include "settings/settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
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

const CodePage& Utf8() {
  static const CodePage code_page("UTF-8");
  return code_page;
}

LoadedSettings LoadText(const std::string& text, const CodePage& code_page = Utf8()) {
  return LoadSettings(ProfileFile::Parse(text), code_page, "C:\\Tools\\", PathStyle::kWindows);
}

// The file that SaveSettings makes of options over the given file text.
ProfileFile SaveOver(const GalleryOptions& options, const std::string& text = "",
                     const CodePage& code_page = Utf8()) {
  ProfileFile file = ProfileFile::Parse(text);
  SaveSettings(options, FolderHistory(), code_page, file);
  return file;
}

std::string SourcePath(const std::string& relative) {
  const char* source_dir = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  return std::string(source_dir != nullptr ? source_dir : ".") + "/" + relative;
}

// A value of a key: its text, or no key at all.
using Value = std::optional<std::string>;

std::string PageFormatWith(const char* key, const Value& value) {
  return value ? IniLines({"[PageFormat]", key + ("=" + *value)}) : IniLines({"[PageFormat]"});
}

TEST(SettingsFileTest, FirstSaveWithAllDefaultsIsTheExpectedFile) {
  const testing::TempFolder folder;
  const std::string path = folder.Path("Pictavue.ini");
  const LoadedSettings loaded =
      LoadSettings(ProfileFile::Load(path), Utf8(), "C:\\Tools\\", PathStyle::kWindows);
  EXPECT_TRUE(loaded.history.empty());

  const Status status = SaveSettingsFile(path, loaded.options, loaded.history, Utf8());
  ASSERT_TRUE(status.ok()) << status.description();
  EXPECT_EQ(testing::ReadFileBytes(path),
            testing::ReadFileBytes(SourcePath("tests/settings/data/first_save.ini")));
  // Written in one piece: no temporary file is left beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(SettingsFileTest, AFailedSaveIsReported) {
  const testing::TempFolder folder;
  const std::string not_a_folder = folder.WriteFile("file", "x");
  const Status status =
      SaveSettingsFile(not_a_folder + "/Pictavue.ini", GalleryOptions(), FolderHistory(), Utf8());
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.description().empty());
}

TEST(SettingsFileTest, AFileThatCannotBeReadWholeIsNotReplaced) {
  const testing::TempFolder folder;
  // Larger than the reader takes: a save would keep only its first part.
  std::string huge = "[Other]\r\nkeep=1\r\n";
  huge.resize(ProfileFile::kMaxFileBytes + 10, ';');
  huge += "\r\n[Tail]\r\nlast=1\r\n";
  const std::string huge_path = folder.WriteFile("huge.ini", huge);
  EXPECT_FALSE(SaveSettingsFile(huge_path, GalleryOptions(), FolderHistory(), Utf8()).ok());
  EXPECT_EQ(testing::ReadFileBytes(huge_path), huge);

  // Something that is not a file stands where the settings file should be.
  const std::string folder_path = folder.MakeFolder("Pictavue.ini");
  EXPECT_FALSE(SaveSettingsFile(folder_path, GalleryOptions(), FolderHistory(), Utf8()).ok());
  EXPECT_TRUE(std::filesystem::is_directory(folder_path));
}

TEST(SettingsFileTest, PixelCodesMapToListPositionsAndBack) {
  struct Case {
    Value in_file;
    int position;
    const char* written;
  };
  const Case cases[] = {
      {"3", 0, "3"}, {"0", 1, "0"},          {"4", 2, "4"},    {"1", 3, "1"}, {"5", 4, "5"},
      {"2", 5, "2"}, {"7", 1, "0"},          {"-1", 1, "0"},   {"6", 1, "0"}, {"abc", 1, "0"},
      {"", 1, "0"},  {std::nullopt, 1, "0"}, {"4 px", 2, "4"},
  };
  for (const Case& c : cases) {
    const GalleryOptions options = LoadText(PageFormatWith("Pixel", c.in_file)).options;
    EXPECT_EQ(options.Pixel, c.position) << "Pixel=" << c.in_file.value_or("(missing)");
    EXPECT_EQ(SaveOver(options).RawValue("PageFormat", "Pixel"), c.written)
        << "Pixel=" << c.in_file.value_or("(missing)");
  }
  // With no entry selected the key is not written, and an old value stays.
  GalleryOptions none;
  none.Pixel = kNoListPosition;
  EXPECT_EQ(SaveOver(none).RawValue("PageFormat", "Pixel"), std::nullopt);
  EXPECT_EQ(SaveOver(none, PageFormatWith("Pixel", "5")).RawValue("PageFormat", "Pixel"), "5");
}

TEST(SettingsFileTest, IppCodesMapToListPositionsAndBack) {
  struct Case {
    Value in_file;
    int position;
    const char* written;
  };
  const Case cases[] = {
      {"5", 0, "5"},
      {"4", 1, "4"},
      {"0", 2, "0"},
      {"1", 3, "1"},
      {"2", 4, "2"},
      {"3", 5, "3"},
      {"-1", kNoListPosition, "-1"},
      {"6", 2, "0"},
      {"-2", 2, "0"},
      {"x", 2, "0"},
      {std::nullopt, 2, "0"},
  };
  for (const Case& c : cases) {
    const GalleryOptions options = LoadText(PageFormatWith("IPP", c.in_file)).options;
    EXPECT_EQ(options.IPP, c.position) << "IPP=" << c.in_file.value_or("(missing)");
    EXPECT_EQ(SaveOver(options).RawValue("PageFormat", "IPP"), c.written)
        << "IPP=" << c.in_file.value_or("(missing)");
  }
}

TEST(SettingsFileTest, TypedPicturesPerPageTravelThroughIppFree) {
  const std::string typed = IniLines({"[PageFormat]", "IPP=-1", "IppFree=30"});
  const GalleryOptions options = LoadText(typed).options;
  EXPECT_EQ(options.IPP, kNoListPosition);
  EXPECT_EQ(options.IppFree, "30");
  EXPECT_EQ(IppText(options), "30");
  const ProfileFile saved = SaveOver(options, typed);
  EXPECT_EQ(saved.RawValue("PageFormat", "IPP"), "-1");
  EXPECT_EQ(saved.RawValue("PageFormat", "IppFree"), "30");

  // A list choice neither reads IppFree nor overwrites it.
  const std::string listed = IniLines({"[PageFormat]", "IPP=2", "IppFree=30"});
  const GalleryOptions listed_options = LoadText(listed).options;
  EXPECT_EQ(listed_options.IPP, 4);
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
    Value width;
    Value height;
    Value longer;
    bool expected_width;
    bool expected_height;
    bool expected_longer;
  };
  const std::nullopt_t missing = std::nullopt;
  const Case cases[] = {
      {missing, missing, missing, true, false, false},
      {"False", "False", "True", false, false, true},
      {"True", "True", missing, false, true, false},
      {"True", "True", "True", false, false, true},
      {"True", "False", "True", false, false, true},
      {"False", "False", "False", false, false, false},
      {"FALSE", "tRuE", "false", false, true, false},
      {"0", "-1", "0", false, true, false},
      {"2", "0", "0.0", true, false, false},
      // Neither a word nor a number: the key's default (Width true, the others false).
      {"yes", "", "maybe", true, false, false},
      {"False", "oui", "", false, false, false},
      {"", "True", missing, false, true, false},
  };
  for (const Case& c : cases) {
    std::string text = "[PageFormat]\r\n";
    const auto add = [&text](const char* key, const Value& value) {
      if (value) {
        text += key + ("=" + *value) + "\r\n";
      }
    };
    add("Width", c.width);
    add("Height", c.height);
    add("Longer", c.longer);
    const GalleryOptions options = LoadText(text).options;
    EXPECT_EQ(options.Width, c.expected_width) << text;
    EXPECT_EQ(options.Height, c.expected_height) << text;
    EXPECT_EQ(options.Longer, c.expected_longer) << text;

    const ProfileFile saved = SaveOver(options);
    EXPECT_EQ(saved.RawValue("PageFormat", "Width"), c.expected_width ? "True" : "False");
    EXPECT_EQ(saved.RawValue("PageFormat", "Height"), c.expected_height ? "True" : "False");
    EXPECT_EQ(saved.RawValue("PageFormat", "Longer"), c.expected_longer ? "True" : "False");
  }
}

TEST(SettingsFileTest, CheckStatesOutsideZeroToTwoTakeTheDefault) {
  struct Case {
    Value in_file;
    int sub_dir;  // default 1
    int jpeg;     // default 0
  };
  const Case cases[] = {
      {"0", 0, 0},          {"1", 1, 1}, {"2", 2, 2},  {"3", 1, 0},          {"-1", 1, 0},
      {"abc", 0, 0},        {"", 0, 0},  {"1x", 1, 1}, {"4294967297", 1, 1},  // wraps to 1
      {std::nullopt, 1, 0},
  };
  for (const Case& c : cases) {
    std::string text = "[SearchDir]\r\n";
    if (c.in_file) {
      text += "SubDir=" + *c.in_file + "\r\nJPEG=" + *c.in_file + "\r\n";
    }
    const GalleryOptions options = LoadText(text).options;
    EXPECT_EQ(options.SubDir, c.sub_dir) << text;
    EXPECT_EQ(options.JPEG, c.jpeg) << text;
    const ProfileFile saved = SaveOver(options);
    EXPECT_EQ(saved.RawValue("SearchDir", "SubDir"), std::to_string(c.sub_dir));
    EXPECT_EQ(saved.RawValue("SearchDir", "JPEG"), std::to_string(c.jpeg));
  }
}

TEST(SettingsFileTest, OutputDirSelectsAListPosition) {
  struct Case {
    Value in_file;
    int position;
    const char* written;
  };
  const Case cases[] = {
      {"0", 0, "0"},      {"1", 1, "1"}, {"-1", kNoListPosition, "-1"},
      {"2", 0, "0"},      {"5", 0, "0"}, {"-2", 0, "0"},
      {"-70000", 0, "0"}, {"x", 0, "0"}, {std::nullopt, 0, "0"},
  };
  for (const Case& c : cases) {
    std::string text = "[OutFile]\r\n";
    if (c.in_file) {
      text += "OutputDir=" + *c.in_file + "\r\n";
    }
    const GalleryOptions options = LoadText(text).options;
    EXPECT_EQ(options.OutputDir, c.position) << text;
    EXPECT_EQ(SaveOver(options).RawValue("OutFile", "OutputDir"), c.written) << text;
  }
}

TEST(SettingsFileTest, TitleLinesAreStoredAsBackslashN) {
  GalleryOptions two_lines;
  two_lines.Title = "A\r\nB";
  const ProfileFile saved = SaveOver(two_lines);
  EXPECT_EQ(saved.RawValue("PageFormat", "Title"), "A\\nB");
  EXPECT_EQ(LoadSettings(saved, Utf8(), "C:\\Tools", PathStyle::kWindows).options.Title, "A\r\nB");

  GalleryOptions typed_backslash_n;
  typed_backslash_n.Title = "A\\nB";
  const ProfileFile typed_saved = SaveOver(typed_backslash_n);
  EXPECT_EQ(typed_saved.RawValue("PageFormat", "Title"), "A\\nB");
  EXPECT_EQ(LoadSettings(typed_saved, Utf8(), "C:\\Tools", PathStyle::kWindows).options.Title,
            "A\r\nB");

  // A lone line feed (as a text box on POSIX gives it) must not split the file's line.
  GalleryOptions line_feed;
  line_feed.Title = "A\nB\n[Option]";
  const ProfileFile line_feed_saved = SaveOver(line_feed);
  EXPECT_EQ(line_feed_saved.RawValue("PageFormat", "Title"), "A\\nB\\n[Option]");
  EXPECT_EQ(line_feed_saved.RawValue("Option", "PrevInstance"), std::nullopt);
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

  struct Case {
    std::function<void(GalleryOptions&)> set;
    const char* line;  // as written into the file
  };
  const Case cases[] = {
      {[](GalleryOptions& o) { o.Delay = " 20 "; }, "Delay=20\r\n"},
      {[](GalleryOptions& o) { o.Name = "  Taro Yamada  "; }, "Name=Taro Yamada\r\n"},
      {[](GalleryOptions& o) { o.Email = " taro@example.jp "; }, "Email=taro@example.jp\r\n"},
      {[](GalleryOptions& o) { o.FileName = " album  "; }, "FileName=album\r\n"},
      {[](GalleryOptions& o) { o.Title = "  Trip  "; }, "Title=Trip\r\n"},
      // The dialogs hold these two; they are written as held.
      {[](GalleryOptions& o) { o.DirName = "D:\\My Out"; }, "DirName=D:\\My Out\r\n"},
      {[](GalleryOptions& o) { o.BrowserPath = "C:\\b.exe"; }, "BrowserPath=C:\\b.exe\r\n"},
  };
  for (const Case& c : cases) {
    GalleryOptions options;
    c.set(options);
    EXPECT_NE(SaveOver(options).Serialize().find("\n"s + c.line), std::string::npos) << c.line;
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
      {"", "E:\\", PathStyle::kWindows, "Pictavue", "E:\\"},
      {"", "/opt/pictavue/", PathStyle::kPosix, "Pictavue", "/opt/pictavue"},
      {IniLines({"[OutFile]", "Browser=1"}), "C:\\Tools", PathStyle::kWindows, "Pictavue",
       "C:\\Tools"},
      {IniLines({"[OutFile]", "FileName=", "DirName="}), "C:\\Tools", PathStyle::kWindows, "", ""},
      {IniLines({"[outfile]", "filename=album", "dirname=D:\\Out"}), "C:\\Tools",
       PathStyle::kWindows, "album", "D:\\Out"},
  };
  for (const Case& c : cases) {
    const GalleryOptions options =
        LoadSettings(ProfileFile::Parse(c.file), Utf8(), c.program_folder, c.style).options;
    EXPECT_EQ(options.FileName, c.file_name) << c.file << c.program_folder;
    EXPECT_EQ(options.DirName, c.dir_name) << c.file << c.program_folder;
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
  const std::string hand_edited = IniLines({
      "; Pictavue settings, edited by hand",
      "[searchdir]",
      "dirhistry2=D:\\Pictures",
      "subdir=0",
      "Unknown=keep me",
      "",
      "[PAGEFORMAT]",
      "; the thumbnail rule",
      "WIDTH=false",
      "pixel=4",
      "Delay=30",
      "  Extra = 1  ",
      "",
      "[Custom]",
      "Foo=bar",
      "[outfile]",
      "filename=gallery  ",
      "[Option]",
      "PrevInstance=1",
  });
  const testing::TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", hand_edited);

  const LoadedSettings loaded =
      LoadSettings(ProfileFile::Load(path), Utf8(), "C:\\Tools", PathStyle::kWindows);
  EXPECT_EQ(loaded.options.SearchDir, "D:\\Pictures");
  EXPECT_EQ(loaded.options.SubDir, 0);
  EXPECT_FALSE(loaded.options.Width || loaded.options.Height || loaded.options.Longer);
  EXPECT_EQ(loaded.options.Pixel, 2);
  EXPECT_EQ(loaded.options.Delay, "30");
  EXPECT_EQ(loaded.options.FileName, "gallery");
  EXPECT_EQ(loaded.options.PrevInstance, 1);

  const Status status = SaveSettingsFile(path, loaded.options, loaded.history, Utf8());
  ASSERT_TRUE(status.ok()) << status.description();
  EXPECT_EQ(testing::ReadFileBytes(path), IniLines({
                                              "; Pictavue settings, edited by hand",
                                              "[searchdir]",
                                              "dirhistry2=",
                                              "subdir=0",
                                              "Unknown=keep me",
                                              "DirHistry1=D:\\Pictures",
                                              "DirHistry3=",
                                              "DirHistry4=",
                                              "DirHistry5=",
                                              "DirHistry6=",
                                              "DirHistry7=",
                                              "DirHistry8=",
                                              "DirHistry9=",
                                              "DirHistry10=",
                                              "GIF=1",
                                              "JPEG=0",
                                              "PNG=0",
                                              "BMP=0",
                                              "WMF=0",
                                              "EMF=0",
                                              "SameSize=0",
                                              "",
                                              "[PAGEFORMAT]",
                                              "; the thumbnail rule",
                                              "WIDTH=False",
                                              "pixel=4",
                                              "Delay=30",
                                              "  Extra = 1  ",
                                              "Height=False",
                                              "Longer=False",
                                              "BGColor=1",
                                              "SubWin=1",
                                              "AutoSize=1",
                                              "OnlyOne=1",
                                              "ClientPull=0",
                                              "Separator=1",
                                              "FolderName=1",
                                              "PathName=0",
                                              "IPP=0",
                                              "FrameMenu=0",
                                              "Title=",
                                              "Name=",
                                              "Email=",
                                              "NotThumbnail=0",
                                              "AltNewLine=0",
                                              "",
                                              "[Custom]",
                                              "Foo=bar",
                                              "[outfile]",
                                              "filename=gallery",
                                              "DirName=C:\\Tools",
                                              "OutputDir=0",
                                              "AutoOpenMode=0",
                                              "Browser=0",
                                              "BrowserPath=",
                                              "[Option]",
                                              "PrevInstance=1",
                                          }));
}

TEST(SettingsFileTest, TextsAreCutToTheirBufferInTheCodePage) {
  // "あ" is 82 A0 in CP932 (two bytes) and E3 81 82 in UTF-8 (three bytes).
  const auto repeat = [](const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      text += piece;
    }
    return text;
  };
  const std::string a_sjis = "\x82\xA0";
  const std::string a_utf8 = "\xE3\x81\x82";
  struct Case {
    const char* code_page;
    const char* section;
    const char* key;
    std::string value;  // file bytes
    std::function<std::string(const GalleryOptions&)> field;
    std::string expected;  // UTF-8
  };
  const auto name = [](const GalleryOptions& o) { return o.Name; };
  const auto delay = [](const GalleryOptions& o) { return o.Delay; };
  const auto file_name = [](const GalleryOptions& o) { return o.FileName; };
  const Case cases[] = {
      {"CP932", "PageFormat", "Name", repeat(a_sjis, 300), name, repeat(a_utf8, 255)},
      {"CP932", "PageFormat", "Name", "x" + repeat(a_sjis, 300), name, "x" + repeat(a_utf8, 255)},
      {"CP932", "PageFormat", "Name", repeat(a_sjis, 255), name, repeat(a_utf8, 255)},
      {"CP932", "PageFormat", "Delay", repeat("1", 150), delay, repeat("1", 99)},
      {"CP932", "PageFormat", "Delay", repeat(a_sjis, 60), delay, repeat(a_utf8, 49)},
      {"CP932", "PageFormat", "Delay", "1" + repeat(a_sjis, 60), delay, "1" + repeat(a_utf8, 49)},
      {"CP932", "OutFile", "FileName", repeat("\xB1", 600), file_name, repeat("\xEF\xBD\xB1", 511)},
      {"UTF-8", "PageFormat", "Name", repeat(a_utf8, 200), name, repeat(a_utf8, 170)},
      {"UTF-8", "PageFormat", "Name", "x" + repeat(a_utf8, 200), name, "x" + repeat(a_utf8, 170)},
      {"UTF-8", "PageFormat", "Delay", repeat(a_utf8, 40), delay, repeat(a_utf8, 33)},
      {"UTF-8", "PageFormat", "Delay", "12" + repeat(a_utf8, 40), delay, "12" + repeat(a_utf8, 32)},
  };
  for (const Case& c : cases) {
    const CodePage code_page(c.code_page);
    const std::string text = IniLines({"["s + c.section + "]", c.key + ("=" + c.value)});
    const GalleryOptions options = LoadText(text, code_page).options;
    EXPECT_EQ(c.field(options), c.expected)
        << c.code_page << " " << c.key << " of " << c.value.size() << " bytes";
  }

  // And back: the file holds the code page's bytes.
  GalleryOptions japanese;
  japanese.Name = "\xE5\x86\x99\xE7\x9C\x9F";  // 写真, 8E CA 90 5E in CP932
  EXPECT_EQ(SaveOver(japanese, "", CodePage("CP932")).RawValue("PageFormat", "Name"),
            "\x8E\xCA\x90\x5E");
}

TEST(SettingsFileTest, PrevInstanceAllowsASecondCopyOnlyWhenOne) {
  struct Case {
    Value in_file;
    int expected;
  };
  const Case cases[] = {
      {std::nullopt, 0}, {"0", 0}, {"1", 1}, {"2", 0}, {"-1", 0}, {"abc", 0}, {"1 copy", 1},
  };
  for (const Case& c : cases) {
    const std::string text =
        c.in_file ? IniLines({"[Option]", "PrevInstance=" + *c.in_file}) : IniLines({"[Option]"});
    EXPECT_EQ(ReadPrevInstance(ProfileFile::Parse(text)), c.expected) << text;
    EXPECT_EQ(LoadText(text).options.PrevInstance, c.expected) << text;
  }
  // Nothing writes "Option".
  EXPECT_EQ(SaveOver(GalleryOptions()).Serialize().find("Option"), std::string::npos);
}

}  // namespace
}  // namespace pictavue
