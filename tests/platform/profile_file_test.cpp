#include "platform/profile_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/file_io.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

const CodePage kUtf8("UTF-8");
const CodePage kSjis("CP932");

std::vector<std::string> FolderEntries(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

TEST(ProfileFileTest, ReadingRules) {
  struct Case {
    const char* what;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"names in any case", "[pageformat]\r\nWIDTH=True\r\n", "PageFormat", "Width", "True"},
      {"blanks and tabs", "  [ A ]  \n\t key \t=\t two  words \t\n", "A", "key", "two  words"},
      {"double quotes", "[A]\nk=\"quoted\"\n", "A", "k", "quoted"},
      {"single quotes", "[A]\nk='quoted'\n", "A", "k", "quoted"},
      {"quotes after trimming", "[A]\nk= \" padded \" \n", "A", "k", " padded "},
      {"unlike quotes stay", "[A]\nk=\"mixed'\n", "A", "k", "\"mixed'"},
      {"a lone quote stays", "[A]\nk=\"\n", "A", "k", "\""},
      {"no inline comments", "[A]\nk=a;b#c\n", "A", "k", "a;b#c"},
      {"first = splits", "[A]\nk=a=b\n", "A", "k", "a=b"},
      {"empty value", "[A]\nk=\n", "A", "k", ""},
      {"comment line", "[A]\n;k=1\n", "A", "k", std::nullopt},
      {"indented comment", "[A]\n   ;k=1\n", "A", "k", std::nullopt},
      {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
      {"first section wins", "[A]\nk=1\n[a]\nk=2\nj=3\n", "A", "k", "1"},
      {"later duplicate unread", "[A]\nk=1\n[a]\nk=2\nj=3\n", "A", "j", std::nullopt},
      {"before any section", "k=1\n[A]\n", "A", "k", std::nullopt},
      {"no section name", "k=1\n[A]\n", "", "k", std::nullopt},
      {"CR ends a line", "[A]\rk=1\rj=2", "A", "j", "2"},
      {"mixed line ends", "[A]\n\rk=1\r\n\nj=2", "A", "j", "2"},
      {"text after ]", "[A] text]\nk=1\n", "A", "k", "1"},
      {"line without =", "[A]\nflag\nk=1\n", "A", "flag", std::nullopt},
      {"key of no name", "[A]\n=x\n", "A", "", std::nullopt},
      {"[ without ]", "[A]\n[B\nk=1\n", "A", "k", "1"},
      {"in another section", "[A]\n[B]\nk=1\n", "A", "k", std::nullopt},
      {"byte order mark", "\xEF\xBB\xBF[A]\r\nk=1\r\n", "A", "k", "1"},
      {"NUL in a value", std::string("[A]\nk=a\0b\n", 10), "A", "k", std::string("a\0b", 3)},
      {"missing section", "[A]\nk=1\n", "B", "k", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProfileFile::Parse(c.file).RawValue(c.section, c.key), c.expected) << c.what;
  }
}

TEST(ProfileFileTest, GetIntReadsTheLeadingNumber) {
  struct Case {
    const char* line;
    int expected;
  };
  const Case cases[] = {
      {"k=-17", -17},
      {"k=+5", 5},
      {"k=12abc", 12},
      {"k= 7 ", 7},
      {"k=\"9\"", 9},
      {"k=abc", 0},
      {"k=0x10", 0},
      {"k=2147483647", 2147483647},
      {"k=2147483648", -2147483647 - 1},
      {"k=-2147483649", 2147483647},
      {"k=4294967297", 1},
      {"k=99999999999999999999", 1661992959},
      {"other=3", -99},  // the default only when the key is missing
  };
  for (const Case& c : cases) {
    const ProfileFile profile = ProfileFile::Parse(std::string("[A]\r\n") + c.line + "\r\n");
    EXPECT_EQ(profile.GetInt("A", "k", -99), c.expected) << c.line;
  }
  EXPECT_EQ(ProfileFile().GetInt("A", "k", 7), 7);
}

// Every text field's buffer in both code pages is in settings_file_test; here the buffer's edges.
TEST(ProfileFileTest, GetStringCutsToTheBufferAtACharacterBoundary) {
  struct Case {
    const CodePage* code_page;
    std::string value;  // UTF-8, stored in the code page
    std::size_t buffer_size;
    std::string expected;
  };
  const Case cases[] = {
      {&kSjis, "あいうえお", 6, "あい"},  // 5 bytes allowed: the third character would be split
      {&kSjis, "あ", 2, ""},
      {&kSjis, "abc", 1, ""},
      {&kSjis, "abc", 0, ""},
  };
  for (const Case& c : cases) {
    ProfileFile profile;
    profile.SetString("A", "k", c.value, *c.code_page);
    EXPECT_EQ(profile.GetString("A", "k", "default", c.buffer_size, *c.code_page), c.expected)
        << c.code_page->name() << " " << c.value << " " << c.buffer_size;
  }
}

TEST(ProfileFileTest, GetStringGivesTheDefaultWithoutTrailingBlanks) {
  struct Case {
    const char* file;
    const char* default_value;
    std::size_t buffer_size;
    const CodePage* code_page;
    std::string expected;
  };
  const Case cases[] = {
      {"", "Pictavue", 512, &kUtf8, "Pictavue"},
      {"[A]\r\n", "abc  ", 512, &kUtf8, "abc"},
      {"[A]\r\nj=1\r\n", " x \t ", 512, &kUtf8, " x \t"},
      {"[A]\r\n", "   ", 512, &kUtf8, ""},
      {"[A]\r\n", "あいう", 5, &kSjis, "あい"},
      {"[A]\r\nk=\r\n", "not used", 512, &kUtf8, ""},
  };
  for (const Case& c : cases) {
    const ProfileFile profile = ProfileFile::Parse(c.file);
    EXPECT_EQ(profile.GetString("A", "k", c.default_value, c.buffer_size, *c.code_page), c.expected)
        << c.file << " / " << c.default_value;
  }
}

TEST(ProfileFileTest, WritingRules) {
  struct Set {
    const char* section;
    const char* key;
    std::string value;
  };
  struct Case {
    const char* what;
    std::string before;
    std::vector<Set> sets;
    std::string after;
  };
  const Case cases[] = {
      {"new file",
       "",
       {{"SearchDir", "SubDir", "1"}, {"PageFormat", "Width", "True"}},
       "[SearchDir]\r\nSubDir=1\r\n[PageFormat]\r\nWidth=True\r\n"},
      {"empty value", "", {{"A", "Title", ""}}, "[A]\r\nTitle=\r\n"},
      {"value written as given", "", {{"A", "k", "a;b = \"c\""}}, "[A]\r\nk=a;b = \"c\"\r\n"},
      {"in place, spelling kept",
       "[a]\r\nKEY=1\r\nother=2\r\n",
       {{"A", "key", "9"}},
       "[a]\r\nKEY=9\r\nother=2\r\n"},
      {"in place, layout kept",
       "[A]\r\n  Key = 1  \r\nz=0\r\n",
       {{"A", "key", "9"}},
       "[A]\r\n  Key = 9\r\nz=0\r\n"},
      {"in place, emptied", "[A]\r\nk=1\r\n", {{"A", "k", ""}}, "[A]\r\nk=\r\n"},
      {"first duplicate changes",
       "[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n",
       {{"A", "k", "9"}},
       "[A]\r\nk=9\r\nk=2\r\n[A]\r\nk=3\r\n"},
      {"new key after the last key",
       "[A]\r\nk=1\r\n\r\n; about B\r\n[B]\r\nb=1\r\n",
       {{"A", "j", "2"}},
       "[A]\r\nk=1\r\nj=2\r\n\r\n; about B\r\n[B]\r\nb=1\r\n"},
      {"new key in the last section",
       "[A]\r\nk=1\r\n; end\r\n",
       {{"A", "j", "2"}},
       "[A]\r\nk=1\r\nj=2\r\n; end\r\n"},
      {"new key in a section without keys",
       "[A]\r\n\r\n[B]\r\n",
       {{"A", "j", "2"}},
       "[A]\r\nj=2\r\n\r\n[B]\r\n"},
      {"new section at the end",
       "[A]\r\nk=1\r\n\r\n",
       {{"B", "x", "1"}},
       "[A]\r\nk=1\r\n\r\n[B]\r\nx=1\r\n"},
      {"last line without line end", "[A]\nk=1", {{"B", "x", "1"}}, "[A]\r\nk=1\r\n[B]\r\nx=1\r\n"},
      {"lines before the first section",
       "; made by hand\r\nstray=1\r\n",
       {{"A", "stray", "2"}},
       "; made by hand\r\nstray=1\r\n[A]\r\nstray=2\r\n"},
      {"line ends become CR LF", "[A]\rk=1\nj=2\r\n\r", {}, "[A]\r\nk=1\r\nj=2\r\n\r\n"},
      {"a value is one line",
       "",
       {{"A", "k", "one\r\n[B]\r\ntwo"}, {"A", "j", std::string("a\0b", 3)}},
       "[A]\r\nk=one\r\nj=a\r\n"},
      {"names that cannot be read back",
       "[A]\r\n",
       {{"A", "", "1"},
        {"A", "a=b", "1"},
        {"A", ";c", "1"},
        {"A", "[d]", "1"},
        {"A", "x\ny", "1"},
        {"S]", "k", "1"},
        {"S\r\n", "k", "1"}},
       "[A]\r\n"},
      {"blanks around names", "[A]\r\nk=1\r\n", {{" A ", "\tk ", "2"}}, "[A]\r\nk=2\r\n"},
  };
  for (const Case& c : cases) {
    ProfileFile profile = ProfileFile::Parse(c.before);
    for (const Set& set : c.sets) {
      profile.SetString(set.section, set.key, set.value, kUtf8);
    }
    EXPECT_EQ(profile.Serialize(), c.after) << c.what;
  }
}

TEST(ProfileFileTest, WritesValuesInTheCodePage) {
  ProfileFile profile;
  profile.SetString("OutFile", "DirName", "C:\\写真\\ソフト€", kSjis);
  EXPECT_EQ(profile.Serialize(),
            "[OutFile]\r\nDirName=C:\\\x8E\xCA\x90\x5E\\\x83\x5C\x83t\x83g?\r\n");
  EXPECT_EQ(profile.GetString("OutFile", "DirName", "", 512, kSjis), "C:\\写真\\ソフト?");
}

// A file as a person might leave it after editing it by hand: everything the program does not
// change comes back byte for byte, whatever its line ends.
TEST(ProfileFileTest, HandEditedFileSurvivesLoadChangeSave) {
  const std::string before =
      "; Pictavue settings, edited by hand\r\n"
      "\r\n"
      "[searchdir]\r\n"
      "DirHistry1=/home/me/Photos\r\n"
      "  subdir = 0   \r\n"
      "Unknown=keep me\r\n"
      "\n"
      "; the page layout\r\n"
      "[PAGEFORMAT]\r\n"
      "width=\"True\"\r\n"
      "#NotAComment=1\r\n"
      "just some words\r\n"
      "\tDelay\t=\t15\r\n"
      "\r\n"
      "[Private]\r\n"
      "Mine=1\r";
  const std::string expected =
      "; Pictavue settings, edited by hand\r\n"
      "\r\n"
      "[searchdir]\r\n"
      "DirHistry1=/home/me/Gallery\r\n"
      "  subdir = 1\r\n"
      "Unknown=keep me\r\n"
      "GIF=1\r\n"
      "\r\n"
      "; the page layout\r\n"
      "[PAGEFORMAT]\r\n"
      "width=False\r\n"
      "#NotAComment=1\r\n"
      "just some words\r\n"
      "\tDelay\t=\t30\r\n"
      "\r\n"
      "[Private]\r\n"
      "Mine=1\r\n"
      "[OutFile]\r\n"
      "FileName=index\r\n";
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", before);

  ProfileFile profile = ProfileFile::Load(path);
  EXPECT_EQ(profile.GetInt("SearchDir", "SubDir", 1), 0);
  EXPECT_EQ(profile.GetString("PageFormat", "Width", "", 100, kUtf8), "True");
  profile.SetString("SearchDir", "DirHistry1", "/home/me/Gallery", kUtf8);
  profile.SetString("SearchDir", "SubDir", "1", kUtf8);
  profile.SetString("SearchDir", "GIF", "1", kUtf8);
  profile.SetString("PageFormat", "Width", "False", kUtf8);
  profile.SetString("PageFormat", "Delay", "30", kUtf8);
  profile.SetString("OutFile", "FileName", "index", kUtf8);
  ASSERT_TRUE(profile.Save(path).ok());

  EXPECT_EQ(ReadFileBytes(path), expected);
  EXPECT_EQ(ProfileFile::Load(path).Serialize(), expected);
}

TEST(ProfileFileTest, UnreadableFilesReadEmpty) {
  TempFolder folder;
  EXPECT_EQ(ProfileFile::Load(folder.MakeFolder("a folder")).Serialize(), "");
  // Named pipes are POSIX's own.
  if (const std::string fifo = folder.Path("a pipe"); testing::MakeFifo(fifo)) {
    EXPECT_EQ(ProfileFile::Load(fifo).Serialize(), "");  // and does not wait for a writer
  }
}

TEST(ProfileFileTest, LoadReadsNoMoreThanItsLimit) {
  std::string file = "[A]\r\nfirst=1\r\n;";
  file.append(ProfileFile::kMaxFileBytes - file.size() - 2, 'x');
  file += "\r\nlast=1\r\n";
  TempFolder folder;
  const ProfileFile profile = ProfileFile::Load(folder.WriteFile("big.ini", file));
  EXPECT_EQ(profile.RawValue("A", "first"), "1");
  EXPECT_EQ(profile.RawValue("A", "last"), std::nullopt);
}

TEST(ProfileFileTest, ASaveRemovesWhatAnInterruptedSaveLeft) {
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "[A]\r\n");
  folder.WriteFile(TemporaryFileName("Pictavue.ini"), "[A]\r\nk=");
  ASSERT_TRUE(ProfileFile::Parse("[A]\r\nk=1\r\n").Save(path).ok());
  EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Pictavue.ini"});
}

TEST(ProfileFileTest, FailedSaveLeavesTheOldFileIntact) {
  const std::string old_content = "[A]\r\nk=old\r\n";
  ProfileFile profile = ProfileFile::Parse(old_content);
  profile.SetString("A", "k", std::string(20000, 'n'), kUtf8);

  if (testing::FileSizeLimit::Supported()) {  // the write fails part-way
    TempFolder folder;
    const std::string path = folder.WriteFile("Pictavue.ini", old_content);
    const testing::FileSizeLimit limit(4096);
    const Status status = profile.Save(path);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.description(), "File too large");
    EXPECT_EQ(ReadFileBytes(path), old_content);
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Pictavue.ini"});
  }
  {  // the rename fails: a folder stands where the file should go
    TempFolder folder;
    const std::string path = folder.MakeFolder("Pictavue.ini");
    folder.WriteFile("Pictavue.ini/inside", "x");
    const Status status = profile.Save(path);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.description().empty());
    EXPECT_EQ(ReadFileBytes(folder.Path("Pictavue.ini/inside")), "x");
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"Pictavue.ini"});
  }
  if (testing::PermissionsAreEnforced()) {  // a read-only folder
    TempFolder folder;
    const std::string path = folder.WriteFile("settings/Pictavue.ini", old_content);
    ASSERT_EQ(::chmod(folder.Path("settings").c_str(), 0555), 0);
    const Status status = profile.Save(path);
    EXPECT_EQ(status.description(), "Permission denied");
    EXPECT_EQ(ReadFileBytes(path), old_content);
  }
}

}  // namespace
}  // namespace pictavue
