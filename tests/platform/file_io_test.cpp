#include "platform/file_io.h"

#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
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

TEST(FileIoTest, ReadFileBoundedFailsWithTheSystemsWords) {
  TempFolder folder;
  const std::string fifo = folder.Path("pipe");
  ASSERT_TRUE(testing::MakeFifo(fifo));
  struct Case {
    std::string path;
    int error;
  };
  const Case cases[] = {
      {folder.Path("missing"), ENOENT},
      {folder.Path("missing/below"), ENOENT},
      {folder.MakeFolder("dir"), EISDIR},
      {fifo, EINVAL},  // and it does not wait for a writer
  };
  for (const Case& c : cases) {
    const ReadResult read = ReadFileBounded(c.path, 100);
    EXPECT_FALSE(read.status.ok()) << c.path;
    EXPECT_EQ(read.status.description(), std::strerror(c.error)) << c.path;
    EXPECT_EQ(read.bytes, "");
  }
}

TEST(FileIoTest, WritesCreateOrReplaceTheWholeFile) {
  using Write = Status (*)(const std::string&, std::string_view);
  const Write writes[] = {&WriteFileReplacing, &WriteFileAtomically};
  for (const Write write : writes) {
    TempFolder folder;
    const std::string path = folder.Path("page.htm");
    ASSERT_TRUE(write(path, "first, longer content").ok());
    EXPECT_EQ(ReadFileBytes(path), "first, longer content");
    ASSERT_TRUE(write(path, Pattern(300000)).ok());
    EXPECT_EQ(ReadFileBytes(path), Pattern(300000));
    ASSERT_TRUE(write(path, "short").ok());
    EXPECT_EQ(ReadFileBytes(path), "short");
    ASSERT_TRUE(write(path, "").ok());
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  }
}

TEST(FileIoTest, WriteFailuresCarryTheSystemsWords) {
  using Write = Status (*)(const std::string&, std::string_view);
  const Write writes[] = {&WriteFileReplacing, &WriteFileAtomically};
  for (const Write write : writes) {
    TempFolder folder;
    struct Case {
      std::string path;
      int error;
    };
    const Case cases[] = {
        {folder.Path("missing/page.htm"), ENOENT},
        {folder.MakeFolder("dir"), EISDIR},
    };
    for (const Case& c : cases) {
      const Status status = write(c.path, "bytes");
      EXPECT_FALSE(status.ok()) << c.path;
      EXPECT_EQ(status.description(), std::strerror(c.error)) << c.path;
    }
  }
  TempFolder folder;
  const std::string fifo = folder.Path("pipe");
  ASSERT_TRUE(testing::MakeFifo(fifo));
  // A pipe nobody reads: a page write must fail at once, not wait.
  EXPECT_EQ(WriteFileReplacing(fifo, "bytes").description(), std::strerror(ENXIO));
}

TEST(FileIoTest, AtomicWriteKeepsPermissionsAndLinks) {
  TempFolder folder;
  const std::string real = folder.WriteFile("dotfiles/Pictavue.ini", "old");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  const std::string link = folder.Path("Pictavue.ini");
  ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);

  ASSERT_TRUE(WriteFileAtomically(link, "new").ok());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(real), "new");
  EXPECT_EQ(PermissionBits(real), 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("dotfiles")), {}), 1);
}

TEST(FileIoTest, AtomicWriteLeavesReadOnlyFilesAlone) {
  if (!testing::PermissionsAreEnforced()) {
    GTEST_SKIP() << "permission bits do not stop root";
  }
  TempFolder folder;
  const std::string path = folder.WriteFile("Pictavue.ini", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_EQ(WriteFileAtomically(path, "new").description(), std::strerror(EACCES));
  EXPECT_EQ(ReadFileBytes(path), "old");
}

}  // namespace
}  // namespace pictavue
