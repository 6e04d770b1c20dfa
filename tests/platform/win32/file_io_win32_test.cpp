// Whole-file operations and yes/no probes on the system's file services.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/dir_listing.h"
#include "platform/file_io.h"
#include "platform/file_probe.h"
#include "platform/paths.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

using testing::TempFolder;

// The names in folder other than "." and "..".
std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  const auto search = MakeSystemDirectoryLister()->Open(folder, "*.*");
  while (search && search->Next()) {
    if (search->Name() != "." && search->Name() != "..") {
      names.push_back(search->Name());
    }
  }
  return names;
}

TEST(FileIoWin32, ReadsWithinItsBound) {
  TempFolder folder;
  const std::string path = folder.WriteFile("a.ini", "0123456789");
  struct Case {
    std::size_t max;
    std::string bytes;
    bool truncated;
  };
  for (const Case& c : std::vector<Case>{{100, "0123456789", false},
                                         {10, "0123456789", false},
                                         {4, "0123", true},
                                         {0, "", true}}) {
    const ReadResult read = ReadFileBounded(path, c.max);
    EXPECT_TRUE(read.status.ok()) << c.max;
    EXPECT_EQ(read.bytes, c.bytes) << c.max;
    EXPECT_EQ(read.truncated, c.truncated) << c.max;
  }
  for (const std::string& not_a_file : {folder.MakeFolder("sub"), folder.Path("missing.ini")}) {
    const ReadResult read = ReadFileBounded(not_a_file, 100);
    EXPECT_FALSE(read.status.ok()) << not_a_file;
    EXPECT_FALSE(read.status.description().empty()) << not_a_file;
  }
}

TEST(FileIoWin32, AtomicReplacementLeavesNothingBehind) {
  TempFolder folder;
  const std::string path = folder.Path("Pictavue.ini");
  ASSERT_TRUE(WriteFileAtomically(path, "first", LinkAtPath::kFollow, Flush::kToDisk).ok());
  EXPECT_EQ(testing::ReadFileBytes(path), "first");
  ASSERT_TRUE(
      WriteFileAtomically(path, "second, longer", LinkAtPath::kFollow, Flush::kToDisk).ok());
  EXPECT_EQ(testing::ReadFileBytes(path), "second, longer");
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"Pictavue.ini"});
}

TEST(FileIoWin32, ReadOnlyFileIsNotReplaced) {
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "old");
  ASSERT_NE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY), 0);
  const Status status = WriteFileAtomically(path, "new", LinkAtPath::kFollow, Flush::kToDisk);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.description().empty());
  EXPECT_EQ(testing::ReadFileBytes(path), "old");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"Pictavue.ini"});
}

TEST(FileIoWin32, WriteIntoAMissingFolderFailsWithTheSystemsReason) {
  TempFolder folder;
  const Status status = WriteFileAtomically(folder.Path("no\\such\\page.htm"), "x",
                                            LinkAtPath::kReplace, Flush::kToDisk);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.description().empty());
}

// A temporary file that a killed write left behind goes at the next cleaning; one still open in
// a write, and a file that only looks alike, stay.
TEST(FileIoWin32, StaleTemporaryFilesAndOnlyThoseAreRemoved) {
  TempFolder folder;
  const std::string stale = TemporaryFileName("Pictavue001.htm");
  folder.WriteFile(stale, "half");
  const std::string busy = folder.WriteFile(TemporaryFileName("Pictavue.ini"), "half");
  folder.WriteFile(".Pictavue001.htm.abcdefgh.tmp", "someone else's");
  const HANDLE held = CreateFileA(busy.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  RemoveStaleTemporaryFiles(folder.Path());
  CloseHandle(held);
  std::vector<std::string> left = Names(folder.Path());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{busy.substr(busy.rfind('\\') + 1),
                                            ".Pictavue001.htm.abcdefgh.tmp"}));
}

TEST(FileIoWin32, Probes) {
  TempFolder folder;
  const std::string file = folder.WriteFile("page.htm", "x");
  const std::string sub = folder.MakeFolder("sub");
  EXPECT_TRUE(IsNonFolderEntry(file));
  EXPECT_FALSE(IsNonFolderEntry(sub));
  EXPECT_FALSE(IsNonFolderEntry(folder.Path("missing.htm")));
  EXPECT_FALSE(IsNonFolderEntry(""));

  EXPECT_TRUE(ProbeFileCreation(folder.Path("new.htm")));
  EXPECT_FALSE(IsNonFolderEntry(folder.Path("new.htm")));  // the probe leaves nothing
  EXPECT_TRUE(ProbeFileCreation(file));
  EXPECT_FALSE(IsNonFolderEntry(file));  // an existing page is gone after a probe
  EXPECT_FALSE(ProbeFileCreation(sub));
  EXPECT_FALSE(ProbeFileCreation(folder.Path("no\\such\\page.htm")));
  EXPECT_FALSE(ProbeFileCreation(folder.Path("bad|name.htm")));
}

TEST(FileIoWin32, NamesOutsideTheCodePageReachNoFile) {
  TempFolder folder;
  // Hangul is in neither Shift_JIS nor the Western code pages: as "?" it would be a wildcard.
  const std::string name = JoinPath(folder.Path(), "\xED\x95\x9C.htm", PathStyle::kWindows);
  if (GetACP() == CP_UTF8) {
    GTEST_SKIP() << "the system code page holds every character";
  }
  EXPECT_FALSE(WriteFileAtomically(name, "x", LinkAtPath::kReplace, Flush::kToDisk).ok());
  EXPECT_FALSE(ProbeFileCreation(name));
  EXPECT_FALSE(ReadFileBounded(name, 10).status.ok());
  EXPECT_EQ(NativeFileName(name), "");
}

TEST(FileIoWin32, JapaneseNamesUnderCodePage932) {
  if (GetACP() != 932) {
    GTEST_SKIP() << "the system code page is " << GetACP() << ", not 932";
  }
  TempFolder folder;
  // 表 ends in the byte of a backslash in Shift_JIS.
  const std::string name = "\xE8\xA1\xA8\xE7\xB4\x99.ini";  // 表紙.ini
  // Joined as the program joins names: the test folder's helpers go through std::filesystem,
  // whose narrow texts are not the program's UTF-8 on Windows.
  const std::string path = JoinPath(folder.Path(), name, PathStyle::kWindows);
  ASSERT_TRUE(WriteFileAtomically(path, "cover", LinkAtPath::kFollow, Flush::kToDisk).ok());
  EXPECT_EQ(ReadFileBounded(path, 100).bytes, "cover");
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{name});
  EXPECT_EQ(NativeFileName(path).substr(NativeFileName(path).size() - 8), "\x95\x5C\x8E\x86.ini");
}

}  // namespace
}  // namespace pictavue
