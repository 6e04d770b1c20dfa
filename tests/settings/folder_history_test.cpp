#include "settings/folder_history.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/ini_lines.h"

namespace pictavue {
namespace {

using namespace std::string_literals;
using Entries = std::vector<std::string>;
using testing::IniLines;

Entries TenFolders() {
  Entries entries;
  for (int i = 1; i <= 10; ++i) {
    entries.push_back("C:\\Folder" + std::to_string(i));
  }
  return entries;
}

TEST(FolderHistoryTest, LoadTakesTenKeysWithoutGaps) {
  struct Case {
    const char* name;
    std::string file;
    Entries expected;
  };
  const Case cases[] = {
      {"missing section", IniLines({"[PageFormat]", "DirHistry1=C:\\A"}), {}},
      {"empty first key moves the second up",
       IniLines({"[SearchDir]", "DirHistry1=", "DirHistry2=C:\\Photos"}),
       {"C:\\Photos"}},
      {"blanks and NUL",
       IniLines({"[SearchDir]", "DirHistry1=  C:\\A  ", "DirHistry2=C:\\B\0junk"s,
                 "DirHistry3=   ", "DirHistry4=\0C:\\C"s}),
       {"C:\\A", "C:\\B"}},
      {"duplicates in the file stay",
       IniLines({"[SearchDir]", "DirHistry1=C:\\A", "DirHistry2=c:\\a", "DirHistry3=C:\\A"}),
       {"C:\\A", "c:\\a", "C:\\A"}},
      {"key order in the file does not matter, positions do",
       IniLines({"[searchdir]", "DIRHISTRY3=C:\\C", "dirhistry1=C:\\A"}),
       {"C:\\A", "C:\\C"}},
      {"an eleventh key is no entry",
       IniLines({"[SearchDir]", "DirHistry10=C:\\J", "DirHistry11=C:\\K", "DirHistry0=C:\\Z"}),
       {"C:\\J"}},
  };
  const CodePage utf8("UTF-8");
  for (const Case& c : cases) {
    EXPECT_EQ(LoadFolderHistory(ProfileFile::Parse(c.file), utf8).entries(), c.expected) << c.name;
  }
}

TEST(FolderHistoryTest, LoadCutsEntriesTo511BytesOfTheCodePage) {
  // "あ" is two bytes in CP932 (82 A0) and three in UTF-8: 1 + 255 * 2 and 1 + 170 * 3 bytes.
  const auto load = [](const std::string& piece, const char* code_page) {
    std::string value = "C";
    for (int i = 0; i < 300; ++i) {
      value += piece;
    }
    return LoadFolderHistory(ProfileFile::Parse(IniLines({"[SearchDir]", "DirHistry1=" + value})),
                             CodePage(code_page))
        .entries();
  };
  std::string a_utf8 = "C";
  for (int i = 0; i < 255; ++i) {
    a_utf8 += "\xE3\x81\x82";
  }
  EXPECT_EQ(load("\x82\xA0", "CP932"), Entries{a_utf8});
  EXPECT_EQ(load("\xE3\x81\x82", "UTF-8"), Entries{a_utf8.substr(0, 1 + 170 * 3)});
}

TEST(FolderHistoryTest, SaveWritesAllTenKeysAndClearsOlderOnes) {
  const CodePage utf8("UTF-8");
  ProfileFile file = ProfileFile::Parse(
      IniLines({"[SearchDir]", "DirHistry1=C:\\Old1", "DirHistry7=C:\\Old7", "SubDir=0"}));
  SaveFolderHistory(FolderHistory({"C:\\New1", "D:\\New2"}), utf8, file);
  EXPECT_EQ(file.Serialize(),
            IniLines({"[SearchDir]", "DirHistry1=C:\\New1", "DirHistry7=", "SubDir=0",
                      "DirHistry2=D:\\New2", "DirHistry3=", "DirHistry4=", "DirHistry5=",
                      "DirHistry6=", "DirHistry8=", "DirHistry9=", "DirHistry10="}));
}

TEST(FolderHistoryTest, ConstructorDropsEmptyEntriesAndKeepsTen) {
  Entries given = TenFolders();
  given.insert(given.begin() + 2, "");
  given.push_back("C:\\Eleventh");
  const Entries expected = TenFolders();
  EXPECT_EQ(FolderHistory(given).entries(), expected);
}

TEST(FolderHistoryTest, AddPutsTheFolderFirstAndRemovesOneEqualEntry) {
  struct Case {
    const char* name;
    Entries before;
    std::string typed;
    Entries after;
  };
  Entries full_plus_new = TenFolders();
  full_plus_new.insert(full_plus_new.begin(), "E:\\New");
  full_plus_new.pop_back();
  Entries photos_third = TenFolders();
  photos_third[2] = "C:\\Photos";
  Entries photos_first = TenFolders();
  photos_first.erase(photos_first.begin() + 2);
  photos_first.insert(photos_first.begin(), "c:\\photos");
  Entries tenth_first = TenFolders();
  tenth_first.pop_back();
  tenth_first.insert(tenth_first.begin(), "c:\\folder10");

  const Case cases[] = {
      {"empty history", {}, "C:\\Photos", {"C:\\Photos"}},
      {"full history and a new folder", TenFolders(), "E:\\New", full_plus_new},
      {"case-insensitive duplicate in third place", photos_third, "c:\\photos", photos_first},
      {"the tenth entry again", TenFolders(), "c:\\folder10", tenth_first},
      {"only the first equal entry goes",
       {"D:\\X", "C:\\A", "D:\\Y", "c:\\a"},
       "C:\\a",
       {"C:\\a", "D:\\X", "D:\\Y", "c:\\a"}},
      {"the only entry again", {"C:\\A"}, "c:\\A", {"c:\\A"}},
      {"blanks around the typed text", {"C:\\A"}, "  C:\\B  ", {"C:\\B", "C:\\A"}},
      {"full-width letters fold", {"C:\\ＰＨＯＴＯ"}, "C:\\ｐｈｏｔｏ", {"C:\\ｐｈｏｔｏ"}},
      {"a prefix is not equal", {"C:\\Photos"}, "C:\\Photo", {"C:\\Photo", "C:\\Photos"}},
  };
  for (const Case& c : cases) {
    FolderHistory history(c.before);
    const std::string shown = AddToFolderHistory(history, c.typed);
    EXPECT_EQ(history.entries(), c.after) << c.name;
    EXPECT_EQ(shown, c.after.front()) << c.name;
  }
}

TEST(FolderHistoryTest, AddOfAnEmptyFolderChangesNothing) {
  FolderHistory history({"C:\\A"});
  EXPECT_EQ(AddToFolderHistory(history, "   "), "");
  EXPECT_EQ(history.entries(), Entries{"C:\\A"});
}

TEST(FolderHistoryTest, FolderTextsCompareWithoutLetterCase) {
  struct Case {
    std::string a;
    std::string b;
    bool equal;
  };
  const Case cases[] = {
      {"C:\\Photos", "c:\\PHOTOS", true},
      {"C:\\Photos", "C:\\Photos2", false},
      {"/home/Me/Ä", "/home/me/ä", true},  // Latin-1
      {"ΑΛΦΑ", "αλφα", true},              // Greek
      {"ЁЛКА", "ёлка", true},              // Cyrillic, with the letter outside А-Я
      {"ＡＢＣ", "ａｂｃ", true},          // full-width Latin
      {"ＡＢＣ", "ABC", false},            // width is not folded
      {"写真", "寫真", false},
      {"×", "÷", false},               // U+00D7 is no letter
      {"[", "{", false},               // neighbours of the ASCII letters
      {"C:\\\xFF", "c:\\\xFF", true},  // bytes that are no UTF-8 match themselves
      {"\xC3", "\xE3", false},
      {"\xC3\x84", "\xC3\xA4", true},   // Ä ä
      {"\xC3\x84", "\xE3\xA4", false},  // a broken sequence is not Ä
      {"\xC1\x81", "\xC1\xA1", false},  // overlong "A" and "a" are raw bytes
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderTextsEqualIgnoringCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    EXPECT_EQ(FolderTextsEqualIgnoringCase(c.b, c.a), c.equal) << c.b << " / " << c.a;
  }
}

}  // namespace
}  // namespace pictavue
