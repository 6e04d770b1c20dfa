// Whole-file reads and writes and the yes/no probes, through the system's services: one contract,
// run on POSIX and under Windows.

#include "platform/file_io.h"

#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "platform/file_probe.h"
#include "platform/paths.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempFolder;

const bool kPosix = NativePathStyle() == PathStyle::kPosix;
using Write = Status (*)(const std::string&, std::string_view);
constexpr Write kWrites[] = {&WriteFileReplacing, &WriteFileAtomically};

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>(i * 7 + i / 251);
  }
  return bytes;
}

std::size_t EntryCount(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// The system's words for an error: strerror on POSIX; any text under Windows.
void ExpectFailure(const Status& status, int posix_error, const std::string& what) {
  EXPECT_FALSE(status.ok()) << what;
  if (kPosix) {
    EXPECT_EQ(status.description(), std::strerror(posix_error)) << what;
  } else {
    EXPECT_FALSE(status.description().empty()) << what;
  }
}

TEST(FileIoTest, ReadsAFileUpToItsBound) {
  TempFolder folder;
  const std::size_t cases[][3] = {
      // file size, bound, truncated
      {0, 10, 0}, {10, 10, 0}, {11, 10, 1}, {10, 0, 1}, {200000, 150000, 1}, {200000, 200000, 0},
  };
  for (const auto& [size, bound, truncated] : cases) {
    const ReadResult read = ReadFileBounded(folder.WriteFile("f", Pattern(size)), bound);
    EXPECT_TRUE(read.status.ok());
    EXPECT_EQ(read.bytes, Pattern(size).substr(0, bound)) << size << "/" << bound;
    EXPECT_EQ(read.truncated, truncated != 0) << size << "/" << bound;
  }
  const std::pair<std::string, int> failures[] = {
      {folder.Path("missing"), ENOENT},
      {folder.Path("missing/below"), ENOENT},
      {folder.MakeFolder("dir"), EISDIR},
      {folder.Path("pipe"), EINVAL},  // and it does not wait for a writer
  };
  for (const auto& [path, error] : failures) {
    if (path != folder.Path("pipe") || testing::MakeFifo(path)) {
      const ReadResult read = ReadFileBounded(path, 100);
      ExpectFailure(read.status, error, path);
      EXPECT_EQ(read.bytes, "");
    }
  }
}

TEST(FileIoTest, WritesCreateOrReplaceTheWholeFile) {
  for (const Write write : kWrites) {
    TempFolder folder;
    const std::string path = folder.Path("page.htm");
    for (const std::string& bytes :
         {std::string("first, longer"), Pattern(300000), std::string("short"), std::string()}) {
      ASSERT_TRUE(write(path, bytes).ok());
      EXPECT_EQ(ReadFileBytes(path), bytes);
    }
    const fs::perms owner = fs::perms::owner_read | fs::perms::owner_write;  // umask permitting
    EXPECT_EQ(fs::status(path).permissions() & owner, owner);
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
    ExpectFailure(write(folder.Path("missing/page.htm"), "x"), ENOENT, "missing folder");
    ExpectFailure(write(folder.MakeFolder("dir"), "x"), EISDIR, "a folder");
  }
  TempFolder folder;
  if (testing::MakeFifo(folder.Path("pipe"))) {  // a pipe nobody reads: fail at once, not wait
    ExpectFailure(WriteFileReplacing(folder.Path("pipe"), "x"), ENXIO, "pipe");
  }
}

TEST(FileIoTest, AtomicWriteKeepsWhatItMust) {
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "old");
  if (!kPosix || testing::PermissionsAreEnforced()) {  // a read-only file is not replaced
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
    ExpectFailure(WriteFileAtomically(path, "new"), EACCES, "read-only file");
    EXPECT_EQ(ReadFileBytes(path), "old");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
  }
  if (!kPosix) {
    return;
  }
  // A link stays a link, its target keeps its permission bits.
  const std::string real = folder.WriteFile("dotfiles/Pictavue.ini", "old");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::remove(path);
  fs::create_symlink(real, path);
  ASSERT_TRUE(WriteFileAtomically(path, "new").ok());
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(ReadFileBytes(real), "new");
  EXPECT_EQ(fs::status(real).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(EntryCount(folder.Path("dotfiles")), 1u);
  if (testing::PermissionsAreEnforced()) {  // a read-only folder takes no new file
    fs::permissions(folder.Path("dotfiles"), fs::perms::owner_write, fs::perm_options::remove);
    ExpectFailure(WriteFileAtomically(real, "newer"), EACCES, "read-only folder");
    EXPECT_EQ(ReadFileBytes(real), "new");
  }
}

TEST(FileIoTest, Probes) {
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
  EXPECT_FALSE(ProbeFileCreation(folder.Path("no/such/page.htm")));
  EXPECT_EQ(ProbeFileCreation(folder.Path("bad|name.htm")), kPosix);  // no name under Windows
}

// Paths are UTF-8 inside the program and in the system code page at the system's door.
TEST(FileIoTest, NamesInTheSystemCodePage) {
  if (kPosix || CodePage::System().is_utf8()) {
    GTEST_SKIP() << "the system takes the program's bytes as they are";
  }
  TempFolder folder;
  // Hangul is in neither Shift_JIS nor the Western code pages: as "?" it would be a wildcard.
  const std::string hangul = JoinPath(folder.Path(), "\xED\x95\x9C.htm", PathStyle::kWindows);
  EXPECT_FALSE(WriteFileReplacing(hangul, "x").ok());
  EXPECT_FALSE(ProbeFileCreation(hangul));
  EXPECT_FALSE(ReadFileBounded(hangul, 10).status.ok());
  EXPECT_EQ(NativeFileName(hangul), "");
  if (CodePage::System().name() == "CP932") {
    // 表 ends in the byte of a backslash in Shift_JIS.
    const std::string path = JoinPath(folder.Path(), "表紙.ini", PathStyle::kWindows);
    ASSERT_TRUE(WriteFileAtomically(path, "cover").ok());
    EXPECT_EQ(ReadFileBounded(path, 100).bytes, "cover");
    EXPECT_TRUE(NativeFileName(path).ends_with("\x95\x5C\x8E\x86.ini"));
  }
}

}  // namespace
}  // namespace pictavue
