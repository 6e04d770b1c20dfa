// Whole-file reads and writes, temporary files and the yes/no probes, through the system's
// services: one contract, run on POSIX and under Windows.

#include "platform/file_io.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#ifndef _WIN32
#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/code_page.h"
#include "platform/file_probe.h"
#include "platform/paths.h"
#include "support/cases.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempFolder;

const bool kPosix = NativePathStyle() == PathStyle::kPosix;
constexpr LinkAtPath kLinks[] = {LinkAtPath::kFollow, LinkAtPath::kReplace};

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>(i * 7 + i / 251);
  }
  return bytes;
}

Status Write(const std::string& path, std::string_view bytes,
             LinkAtPath link = LinkAtPath::kReplace) {
  return WriteFileAtomically(path, bytes, link, Flush::kToDisk);
}

std::size_t EntryCount(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// The system's words for an error: strerror on POSIX; any text under Windows.
void ExpectFailure(const Status& status, int posix_error, const std::string& what) {
  EXPECT_FALSE(status.ok()) << what;
  EXPECT_TRUE(kPosix ? status.description() == std::strerror(posix_error)
                     : !status.description().empty())
      << what << ": " << status.description();
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
  testing::MakeFifo(folder.Path("pipe"));  // where the system has them; else a missing file
  const std::pair<std::string, int> failures[] = {
      {folder.Path("missing"), ENOENT},
      {folder.MakeFolder("dir"), EISDIR},
      {folder.Path("pipe"), EINVAL},  // and it does not wait for a writer
  };
  for (const auto& [path, error] : failures) {
    const ReadResult read = ReadFileBounded(path, 100);
    ExpectFailure(read.status, error, path);
    EXPECT_EQ(read.bytes, "");
  }
}

TEST(FileIoTest, AWriteReplacesTheWholeFileOrNothing) {
  for (const LinkAtPath link : kLinks) {
    TempFolder folder;
    const std::string path = folder.Path("page.htm");
    for (const std::string& bytes :
         {std::string("first, longer"), Pattern(300000), std::string()}) {
      ASSERT_TRUE(Write(path, bytes, link).ok());
      EXPECT_EQ(ReadFileBytes(path), bytes);
    }
    const fs::perms owner = fs::perms::owner_read | fs::perms::owner_write;  // umask permitting
    EXPECT_EQ(fs::status(path).permissions() & owner, owner);
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
    ExpectFailure(Write(folder.Path("missing/page.htm"), "x", link), ENOENT, "missing folder");
    ExpectFailure(Write(folder.MakeFolder("dir"), "x", link), EISDIR, "a folder");
  }
  TempFolder folder;  // nor a file the write cannot finish or may not replace
  const std::string path = folder.WriteFile("Pictavue.ini", "old");
#ifndef _WIN32
  // The write fails part-way under a file-size limit, which also stops root; with SIGXFSZ ignored
  // the limit gives EFBIG instead of ending the test.
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit unlimited{};
  ::getrlimit(RLIMIT_FSIZE, &unlimited);
  const rlimit limit{4096, unlimited.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  ExpectFailure(Write(path, Pattern(20000)), EFBIG, "part-way");
  ::setrlimit(RLIMIT_FSIZE, &unlimited);
  std::signal(SIGXFSZ, handler);
#endif
  if (!kPosix || testing::PermissionsAreEnforced()) {
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
    ExpectFailure(Write(path, "new"), EACCES, "read-only file");
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  }
  EXPECT_EQ(ReadFileBytes(path), "old");  // after each failure: no half file, no temporary left
  EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

#ifndef _WIN32  // links, owners and permission bits
// A link at the name: followed for the settings file a person keeps elsewhere, replaced for a
// page, whose folder anyone may have planted it in. A replaced file keeps its owner and mode.
TEST(FileIoTest, LinksOwnersAndModes) {
  for (const LinkAtPath link : kLinks) {
    TempFolder folder;
    const std::string real = folder.WriteFile("elsewhere/victim", "old");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(real, mode);
    const std::string path = folder.Path("Pictavue.ini");
    fs::create_symlink(real, path);
    ASSERT_TRUE(Write(path, "new", link).ok());
    const bool follow = link == LinkAtPath::kFollow;
    EXPECT_EQ(fs::is_symlink(path), follow);
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(ReadFileBytes(real), follow ? "new" : "old");
    EXPECT_EQ(fs::status(real).permissions(), mode);
    EXPECT_EQ(EntryCount(folder.Path("elsewhere")), 1u);
  }
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  const bool root = ::geteuid() == 0;  // then on another user's file, who must still own it
  if (root) {
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  }
  ASSERT_TRUE(Write(path, "new", LinkAtPath::kFollow).ok());
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0604u);
  EXPECT_EQ(info.st_uid, root ? 65534u : ::geteuid());
  EXPECT_EQ(info.st_gid, root ? 65534u : ::getegid());
  if (testing::PermissionsAreEnforced()) {  // a read-only folder takes no new file
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::remove);
    ExpectFailure(Write(path, "newer"), EACCES, "read-only folder");
    EXPECT_EQ(ReadFileBytes(path), "new");
  }
}
#endif

// What a killed write left goes; what is being written, and whatever is not provably ours, stays.
TEST(FileIoTest, TemporaryFilesAndOnlyStaleOnesOfOursRemoved) {
  for (const auto& c : testing::CaseTable("platform/file_io.txt", "temporary")) {
    const std::string temp = TemporaryFileName(c[0]);
    EXPECT_TRUE(IsTemporaryFileName(temp) && temp.starts_with(c[1]) && temp.size() <= 64 + 22)
        << c << ": " << temp;
  }
  for (const auto& c : testing::CaseTable("platform/file_io.txt", "not temporary")) {
    EXPECT_FALSE(IsTemporaryFileName(c[0])) << c;
  }

  TempFolder folder;
  const std::string stale = folder.WriteFile(TemporaryFileName("Pictavue001.htm"), "half");
  const std::string busy = folder.WriteFile(TemporaryFileName("Pictavue002.htm"), "half");
  std::vector<std::string> kept = {busy, folder.WriteFile(".Pictavue003.htm.abcdefgh.tmp", "x")};
#ifndef _WIN32  // links to what is not ours, and another user's file
  const std::string victim = folder.WriteFile("victim", "keep");
  kept.push_back(folder.Path(TemporaryFileName("Pictavue004.htm")));
  fs::create_symlink(victim, kept.back());
  kept.push_back(folder.Path(TemporaryFileName("Pictavue005.htm")));
  fs::create_hard_link(victim, kept.back());
  if (::geteuid() == 0) {
    kept.push_back(folder.WriteFile(TemporaryFileName("Pictavue.ini"), "theirs"));
    ASSERT_EQ(::chown(kept.back().c_str(), 65534, 65534), 0);
  }
#endif
  {
    const testing::HeldFile held(busy);  // as a write in progress holds it
    RemoveStaleTemporaryFiles(folder.Path());
  }
  EXPECT_FALSE(fs::exists(stale));
  for (const std::string& path : kept) {
    EXPECT_TRUE(fs::is_symlink(path) || fs::exists(path)) << path;
  }
}

// A probe leaves nothing behind: not even an existing page, and never the file a link leads to.
TEST(FileIoTest, Probes) {
  TempFolder folder;
  const std::string file = folder.WriteFile("page.htm", "x");
  const std::string sub = folder.MakeFolder("sub");
  // path, whether a file can be made there
  const std::pair<std::string, bool> cases[] = {{file, true},
                                                {folder.Path("new.htm"), true},
                                                {sub, false},
                                                {"", false},
                                                {folder.Path("no/such/page.htm"), false},
                                                {folder.Path("bad|name.htm"), kPosix}};
  for (const auto& [path, creatable] : cases) {
    EXPECT_EQ(IsNonFolderEntry(path), path == file) << path;
    EXPECT_EQ(ProbeFileCreation(path), creatable) << path;
    EXPECT_FALSE(IsNonFolderEntry(path)) << path;
  }
#ifndef _WIN32
  const std::string link = folder.Path("Pictavue001.htm");
  fs::create_symlink(folder.WriteFile("victim", "keep"), link);
  EXPECT_TRUE(IsNonFolderEntry(link));
  EXPECT_TRUE(ProbeFileCreation(link));
  EXPECT_EQ(ReadFileBytes(folder.Path("victim")), "keep");
#endif
}

// Paths are UTF-8 inside the program and in the system code page at the system's door.
TEST(FileIoTest, NamesInTheSystemCodePage) {
  if (kPosix || CodePage::System().is_utf8()) {
    GTEST_SKIP() << "the system takes the program's bytes as they are";
  }
  TempFolder folder;
  // Hangul is in neither Shift_JIS nor the Western code pages: as "?" it would be a wildcard.
  const std::string hangul = JoinPath(folder.Path(), "\xED\x95\x9C.htm", PathStyle::kWindows);
  EXPECT_FALSE(Write(hangul, "x").ok());
  EXPECT_FALSE(ProbeFileCreation(hangul));
  EXPECT_FALSE(ReadFileBounded(hangul, 10).status.ok());
  EXPECT_EQ(NativeFileName(hangul), "");
  if (CodePage::System().name() == "CP932") {
    // 表 ends in the byte of a backslash in Shift_JIS.
    const std::string path = JoinPath(folder.Path(), "表紙.ini", PathStyle::kWindows);
    ASSERT_TRUE(Write(path, "cover", LinkAtPath::kFollow).ok());
    EXPECT_EQ(ReadFileBounded(path, 100).bytes, "cover");
    EXPECT_TRUE(NativeFileName(path).ends_with("\x95\x5C\x8E\x86.ini"));
  }
}

}  // namespace
}  // namespace pictavue
