#include "platform/profile_file.h"

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "support/cases.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::CaseTable;
using testing::ReadFileBytes;
using testing::TempFolder;

constexpr char kCases[] = "platform/profile_file.txt";
const CodePage kUtf8("UTF-8");

TEST(ProfileFileTest, ReadingRules) {
  for (const auto& c : CaseTable(kCases, "reading")) {
    EXPECT_EQ(ProfileFile::Parse(c[0]).RawValue(c[1], c[2]).value_or("(none)"), c[3]) << c;
  }
  for (const auto& c : CaseTable(kCases, "numbers")) {
    EXPECT_EQ(ProfileFile::Parse("[A]\r\nk=" + c[0] + "\r\n").GetInt("A", "k", -99), c.Int(1)) << c;
  }
  EXPECT_EQ(ProfileFile::Parse("[A]\r\nj=1\r\n").GetInt("A", "k", -99), -99);
  const CodePage sjis("CP932");
  for (const auto& c : CaseTable(kCases, "buffers")) {
    ProfileFile profile;
    profile.SetString("A", "k", c[0], sjis);
    const auto buffer = static_cast<std::size_t>(c.Int(1));
    EXPECT_EQ(profile.GetString("A", "k", "default", buffer, sjis), c[2]) << c;
  }
  for (const auto& c : CaseTable(kCases, "defaults")) {
    const auto buffer = static_cast<std::size_t>(c.Int(2));
    EXPECT_EQ(ProfileFile::Parse(c[0]).GetString("A", "k", c[1], buffer, CodePage(c[3])), c[4])
        << c;
  }
}

TEST(ProfileFileTest, WritingRules) {
  for (const auto& c : CaseTable(kCases, "writing")) {
    ProfileFile profile = ProfileFile::Parse(c[0]);
    for (std::size_t set = 2; set + 2 < c.size(); set += 3) {
      profile.SetString(c[set], c[set + 1], c[set + 2], kUtf8);
    }
    EXPECT_EQ(profile.Serialize(), c[1]) << c;
  }
  ProfileFile profile;
  profile.SetString("OutFile", "DirName", "C:\\写真\\ソフト€", CodePage("CP932"));
  EXPECT_EQ(profile.Serialize(),
            "[OutFile]\r\nDirName=C:\\\x8E\xCA\x90\x5E\\\x83\x5C\x83t\x83g?\r\n");
  EXPECT_EQ(profile.GetString("OutFile", "DirName", "", 512, CodePage("CP932")),
            "C:\\写真\\ソフト?");
}

// A file as a person might leave it after editing it by hand: everything the program does not
// change comes back byte for byte, whatever its line ends.
TEST(ProfileFileTest, HandEditedFileSurvivesLoadChangeSave) {
  TempFolder folder;
  const std::string path = folder.WriteFile(
      "Pictavue.ini", ReadFileBytes(testing::SourcePath("tests/data/platform/hand_edited.ini")));
  ProfileFile profile = ProfileFile::Load(path);
  for (const auto& c : CaseTable(kCases, "hand edits")) {
    profile.SetString(c[0], c[1], c[2], kUtf8);
  }
  ASSERT_TRUE(profile.Save(path).ok());
  const std::string expected =
      ReadFileBytes(testing::SourcePath("tests/data/platform/hand_edited_saved.ini"));
  EXPECT_EQ(ReadFileBytes(path), expected);
  EXPECT_EQ(ProfileFile::Load(path).Serialize(), expected);
}

// A save first removes what an interrupted one left; a failed one says why and loses nothing (the
// write's own ways to fail are file_io's). Load reads no more than its limit (what it refuses to
// read is file_io's).
TEST(ProfileFileTest, SavesCleanlyFailsWithoutLossAndLoadsWithinItsLimit) {
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "[A]\r\n");
  folder.WriteFile(TemporaryFileName("Pictavue.ini"), "[A]\r\nk=");
  ASSERT_TRUE(ProfileFile::Parse("[A]\r\nk=1\r\n").Save(path).ok());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  const std::string inside = folder.WriteFile("Other.ini/inside", "x");  // a folder in the way
  EXPECT_FALSE(ProfileFile::Parse("[A]\r\n").Save(folder.Path("Other.ini")).description().empty());
  EXPECT_EQ(ReadFileBytes(inside), "x");

  std::string file = "[A]\r\nfirst=1\r\n;";
  file.append(ProfileFile::kMaxFileBytes - file.size() - 2, 'x');
  const ProfileFile profile = ProfileFile::Load(folder.WriteFile("big.ini", file + "\r\nlast=1"));
  EXPECT_EQ(profile.RawValue("A", "first"), "1");
  EXPECT_EQ(profile.RawValue("A", "last"), std::nullopt);
}

}  // namespace
}  // namespace pictavue
