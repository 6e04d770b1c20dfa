#include "platform/file_io.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_folder.h"
#include "support/test_conditions.h"

namespace pictavue {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>(i * 7 + i / 251);
  }
  return bytes;
}

mode_t PermissionBits(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(FileIoTest, ReadFileBoundedReadsUpToItsLimit) {
  struct Case {
    std::size_t file_size;
    std::size_t max_bytes;
    bool truncated;
  };
  const Case cases[] = {
      {0, 10, false}, {10, 10, false},        {11, 10, true},
      {10, 0, true},  {200000, 150000, true}, {200000, 200000, false},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    const std::string content = Pattern(c.file_size);
    const ReadResult read = ReadFileBounded(folder.WriteFile("f", content), c.max_bytes);
    EXPECT_TRUE(read.status.ok());
    EXPECT_EQ(read.bytes, content.substr(0, c.max_bytes)) << c.file_size << "/" << c.max_bytes;
    EXPECT_EQ(read.truncated, c.truncated) << c.file_size << "/" << c.max_bytes;
  }
}

struct ErrorCase {
  std::string path;
  int error;
};

TEST(FileIoTest, ReadFileBoundedFailsWithTheSystemsWords) {
  TempFolder folder;
  const std::string fifo = folder.Path("pipe");
  ASSERT_TRUE(testing::MakeFifo(fifo));
  const ErrorCase cases[] = {
      {folder.Path("missing"), ENOENT},
      {folder.Path("missing/below"), ENOENT},
      {folder.MakeFolder("dir"), EISDIR},
      {fifo, EINVAL},  // and it does not wait for a writer
  };
  for (const ErrorCase& c : cases) {
    const ReadResult read = ReadFileBounded(c.path, 100);
    EXPECT_FALSE(read.status.ok()) << c.path;
    EXPECT_EQ(read.status.description(), std::strerror(c.error)) << c.path;
    EXPECT_EQ(read.bytes, "");
  }
}

TEST(FileIoTest, WritesCreateOrReplaceTheWholeFile) {
  for (const LinkAtPath link : {LinkAtPath::kFollow, LinkAtPath::kReplace}) {
    TempFolder folder;
    const std::string path = folder.Path("page.htm");
    ASSERT_TRUE(WriteFileAtomically(path, "first, longer content", link, Flush::kToDisk).ok());
    EXPECT_EQ(ReadFileBytes(path), "first, longer content");
    ASSERT_TRUE(WriteFileAtomically(path, Pattern(300000), link, Flush::kToDisk).ok());
    EXPECT_EQ(ReadFileBytes(path), Pattern(300000));
    ASSERT_TRUE(WriteFileAtomically(path, "", link, Flush::kToDisk).ok());
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    const ErrorCase failures[] = {{folder.Path("missing/page.htm"), ENOENT},
                                  {folder.MakeFolder("dir"), EISDIR}};
    for (const ErrorCase& c : failures) {
      EXPECT_EQ(WriteFileAtomically(c.path, "bytes", link, Flush::kToDisk).description(),
                std::strerror(c.error))
          << c.path;
    }
  }
}

// A link at the name: followed for the settings file a person keeps elsewhere, replaced for a
// page, whose folder anyone may have planted it in.
TEST(FileIoTest, ALinkIsFollowedOrReplacedAsAsked) {
  for (const LinkAtPath link : {LinkAtPath::kFollow, LinkAtPath::kReplace}) {
    TempFolder folder;
    const std::string real = folder.WriteFile("elsewhere/victim", "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    const std::string path = folder.Path("Pictavue.ini");
    ASSERT_EQ(::symlink(real.c_str(), path.c_str()), 0);

    ASSERT_TRUE(WriteFileAtomically(path, "new", link, Flush::kToDisk).ok());
    const bool follow = link == LinkAtPath::kFollow;
    EXPECT_EQ(std::filesystem::is_symlink(path), follow);
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_EQ(ReadFileBytes(real), follow ? "new" : "old");
    EXPECT_EQ(PermissionBits(real), 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("elsewhere")), {}), 1);
  }
}

TEST(FileIoTest, AReplacedFileKeepsItsOwnerAndMode) {
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
  // As root, on another user's file: the user must still own it afterwards.
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  }
  ASSERT_TRUE(WriteFileAtomically(path, "new", LinkAtPath::kFollow, Flush::kToDisk).ok());
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0604u);
  EXPECT_EQ(info.st_uid, root ? 65534u : ::geteuid());
  EXPECT_EQ(info.st_gid, root ? 65534u : ::getegid());
}

TEST(FileIoTest, AtomicWriteLeavesReadOnlyFilesAlone) {
  if (!testing::PermissionsAreEnforced()) {
    GTEST_SKIP() << "permission bits do not stop root";
  }
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_EQ(WriteFileAtomically(path, "new", LinkAtPath::kReplace, Flush::kToDisk).description(),
            std::strerror(EACCES));
  EXPECT_EQ(ReadFileBytes(path), "old");
}

TEST(FileIoTest, TemporaryFileNamesAreRecognisable) {
  const std::string long_name = std::string(60, 'a') + "写真.htm";
  for (const std::string& name : {std::string("Pictavue001.htm"), std::string(), long_name}) {
    const std::string temp = TemporaryFileName(name);
    EXPECT_TRUE(IsTemporaryFileName(temp)) << temp;
    EXPECT_LE(temp.size(), 64u + 22u) << temp;
  }
  // Cut at a character boundary: 60 letters and 写 are 63 bytes, 真 would pass 64.
  EXPECT_TRUE(TemporaryFileName(long_name).starts_with("." + std::string(60, 'a') + "写."));
  for (const char* name : {".Pictavue001.htm.abcdefgh.tmp", "Pictavue001.htm.abcdefgh.pictavue-tmp",
                           ".x.abcdefg.pictavue-tmp", ".x.abcdefgH.pictavue-tmp",
                           ".xabcdefgh.pictavue-tmp", ".x.abcdefgh.pictavue-tmp~"}) {
    EXPECT_FALSE(IsTemporaryFileName(name)) << name;
  }
}

// What a killed write left goes; what is being written, and whatever is not provably ours, stays.
TEST(FileIoTest, OnlyStaleTemporaryFilesOfOursAreRemoved) {
  TempFolder folder;
  const std::string stale = folder.WriteFile(TemporaryFileName("Pictavue001.htm"), "half");
  const std::string busy = folder.WriteFile(TemporaryFileName("Pictavue002.htm"), "half");
  const std::string alike = folder.WriteFile(".Pictavue003.htm.abcdefgh.tmp", "someone's");
  const std::string victim = folder.WriteFile("victim", "keep");
  const std::string link = folder.Path(TemporaryFileName("Pictavue004.htm"));
  ASSERT_EQ(::symlink(victim.c_str(), link.c_str()), 0);
  const std::string linked = folder.Path(TemporaryFileName("Pictavue005.htm"));
  ASSERT_EQ(::link(victim.c_str(), linked.c_str()), 0);
  std::vector<std::string> kept = {busy, alike, victim, link, linked};
  if (::geteuid() == 0) {
    const std::string foreign = folder.WriteFile(TemporaryFileName("Pictavue.ini"), "theirs");
    ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    kept.push_back(foreign);
  }
  const int held = ::open(busy.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);  // as a write in progress holds it

  RemoveStaleTemporaryFiles(folder.path().string());
  ::close(held);
  EXPECT_FALSE(std::filesystem::exists(stale));
  for (const std::string& path : kept) {
    EXPECT_TRUE(std::filesystem::is_symlink(path) || std::filesystem::exists(path)) << path;
  }
  EXPECT_EQ(ReadFileBytes(victim), "keep");
}

}  // namespace
}  // namespace pictavue
