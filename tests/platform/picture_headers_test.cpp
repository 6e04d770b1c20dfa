#include "platform/picture_headers.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using namespace testing;
using Reader = std::function<HeaderResult(ByteSource&)>;

const std::map<std::string, Reader> kReaders = {
    {"jpeg", ReadJpegHeader}, {"png", ReadPngHeader}, {"bmp", ReadBmpHeader},
    {"wmf", ReadWmfHeader},   {"emf", ReadEmfHeader}, {"metafile", ReadMetafileHeader}};

std::string Describe(const HeaderResult& result) {
  if (result.ok()) {
    return std::to_string(result.header().width) + "x" + std::to_string(result.header().height);
  }
  static const char* const kNames[] = {"read error", "truncated",       "wrong signature",
                                       "bad field",  "no frame header", "too many markers"};
  return kNames[static_cast<int>(result.error())];
}

std::string Read(const std::string& reader, const std::string& bytes) {
  MemorySource source(bytes);
  if (reader == "gif") {  // either side may be missing
    const GifScreenSize size = ReadGifScreenSize(source);
    return (size.width ? std::to_string(*size.width) : "-") + "x" +
           (size.height ? std::to_string(*size.height) : "-");
  }
  return Describe(kReaders.at(reader)(source));
}

TEST(PictureHeaders, SizesOrNamedFailures) {
  for (const auto& c : CaseTable("platform/picture_headers.txt", "hostile")) {
    EXPECT_EQ(Read(c[0], c[1]), c[2]) << c;
  }
  // Walks too long for the table, each stopped by the bound on the markers read.
  const std::string soi = "\xFF\xD8";
  for (const std::string& walk :
       {soi + Repeat("\xFF\xD0", 5000), soi + Repeat(std::string("\xFF\xFE\x00\x02", 4), 5000),
        soi + std::string(70000, '\xFF'), soi + std::string(70000, 'j')}) {
    EXPECT_EQ(Read("jpeg", walk), "too many markers") << walk.size();
  }
}

// Cutting a valid file anywhere gives a failure while the header is incomplete and the full
// size once it is there, never anything else.
TEST(PictureHeaders, EveryTruncationOfAValidFile) {
  const std::string jpeg = MakeJpeg(40, 30, 6);
  const std::tuple<std::string, std::string, std::size_t, std::string> cases[] = {
      // reader, file, the shortest prefix that gives the size, the size
      {"jpeg", jpeg, jpeg.find("\xFF\xC0") + 10, "30x40"},
      {"png", MakePng(5, 6), 26, "5x6"},
      {"bmp", MakeBmp(5, 6), 30, "5x6"},
      {"bmp", MakeBmp(5, 6, BmpKind::kCore), 26, "5x6"},
      {"wmf", MakeWmf({0, 0, 750, 945, 1440}), 22, "50x63"},
      {"emf", MakeEmf({0, 0, 2540, 2540}), 44, "96x96"},
  };
  for (const auto& [reader, bytes, header_end, size] : cases) {
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
      const std::string read = Read(reader, Truncated(bytes, length));
      const bool failed = read.find_first_of("0123456789") == std::string::npos;
      EXPECT_TRUE(length < header_end ? failed : read == size)
          << reader << " cut at " << length << ": " << read;
    }
  }
}

TEST(PictureHeaders, ExifOrientation) {
  for (const auto& c : CaseTable("platform/picture_headers.txt", "exif")) {
    const auto* body = reinterpret_cast<const std::uint8_t*>(c[0].data());
    EXPECT_EQ(ReadExifOrientation(std::span(body, c[0].size())), c.Int(1)) << c;
  }
}

// The file source serves reads from a window of the file in memory (its first 512 bytes, then
// 4096 bytes wherever a read outside it falls): every read at the windows' edges, in turn and as
// the first of its source, and the tail, must give what the bytes themselves give.
TEST(PictureHeaders, FileSourceReadsLikeTheBytesThemselves) {
  TempFolder folder;
  const auto reads = [](ByteSource& source, std::uint64_t offset, std::size_t length) {
    std::vector<std::uint8_t> out(length);
    const ReadStatus status = source.ReadAt(offset, out);
    return std::make_pair(status, status == ReadStatus::kOk ? out : std::vector<std::uint8_t>{});
  };
  const std::pair<std::uint64_t, std::size_t> windows[] = {
      {0, 0},      {0, 1},     {0, 26},    {6, 4},      {500, 12},
      {510, 4},    {512, 1},   {4000, 96}, {4090, 6},   {4090, 7},
      {4095, 2},   {4096, 1},  {4097, 3},  {600, 4096}, {0, 5000},
      {5000, 100}, {9990, 10}, {9990, 11}, {20000, 1},  {8, 4},
      {4600, 8},   {511, 1},   {4700, 2},  {9000, 900}, {~std::uint64_t{0} - 1, 4}};
  for (const std::size_t file_length : {0, 1, 2, 511, 512, 513, 4095, 4096, 4097, 10000}) {
    for (const std::uint64_t base : {0, 100, 700}) {
      std::string bytes(file_length, '\0');
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
      }
      const std::string path = folder.WriteFile("f", bytes);
      const std::string_view picture =
          base < bytes.size() ? std::string_view(bytes).substr(base) : std::string_view();
      MemorySource reference(picture);
      SCOPED_TRACE("file of " + std::to_string(file_length) + " bytes from " +
                   std::to_string(base));
      FileSource file(path, base);
      for (const auto& [offset, length] : windows) {
        EXPECT_EQ(reads(file, offset, length), reads(reference, offset, length)) << offset;
        FileSource fresh(path, base);
        EXPECT_EQ(reads(fresh, offset, length), reads(reference, offset, length)) << offset;
      }
      FileSource tail_first(path, base);
      std::array<std::uint8_t, 2> tail{};
      EXPECT_EQ(tail_first.ReadTail(tail),
                picture.size() >= 2 ? ReadStatus::kOk : ReadStatus::kEnd);
      if (picture.size() >= 2) {
        EXPECT_EQ(tail[1], static_cast<std::uint8_t>(picture.back()));
        EXPECT_EQ(reads(tail_first, 0, 1), reads(reference, 0, 1));
      }
    }
  }
}

// What is no file is refused. A file may change between its listing and its measuring, and also
// while it is open: reads then give the bytes that are there, or the end, never bytes of the past
// or a failure.
TEST(PictureHeaders, FileSourceOfWhatIsNoFileOrChangesWhileOpen) {
  TempFolder folder;
  MakeFifo(folder.Path("pipe.jpg"));  // where the system has them; else a missing file
  for (const std::string& path :
       {folder.MakeFolder("x.jpg"), folder.Path("missing.png"), folder.Path("pipe.jpg")}) {
    FileSource source(path);
    EXPECT_FALSE(source.is_open()) << path;
    EXPECT_EQ(Describe(ReadPngHeader(source)), "read error") << path;
  }
#ifndef _WIN32  // reading a process's own memory at address 0 fails with an I/O error, for any user
  std::filesystem::create_symlink("/proc/self/mem", folder.Path("mem.png"));
  FileSource failing(folder.Path("mem.png"));
  EXPECT_TRUE(failing.is_open());
  EXPECT_EQ(Describe(ReadPngHeader(failing)), "read error");
#endif

  const std::string picture = MakePng(12, 34), long_file = picture + std::string(10000, 'p');
  const std::string path = folder.WriteFile("p.png", long_file);
  std::array<std::uint8_t, 2> tail{};
  std::uint8_t four[4];
  FileSource shrunk(path);
  std::filesystem::resize_file(path, 10);
  EXPECT_EQ(shrunk.ReadAt(0, four), ReadStatus::kOk);
  EXPECT_EQ(shrunk.ReadAt(8, four), ReadStatus::kEnd);
  EXPECT_EQ(shrunk.ReadAt(6000, four), ReadStatus::kEnd);
  EXPECT_EQ(shrunk.ReadTail(tail), ReadStatus::kEnd);
  EXPECT_EQ(Describe(ReadPngHeader(shrunk)), "truncated");

  FileSource grown(path);
  folder.WriteFile("p.png", long_file);  // the same file, written over and longer
  EXPECT_EQ(Describe(ReadPngHeader(grown)), "12x34");
  ASSERT_EQ(grown.ReadTail(tail), ReadStatus::kOk);
  EXPECT_EQ(std::string(tail.begin(), tail.end()), picture.substr(8, 2))
      << "the end stays where the open found it";

  // Emptied after the first block was read: what was read stays the picture's head.
  FileSource read_first(path);
  EXPECT_EQ(Describe(ReadPngHeader(read_first)), "12x34");
  std::filesystem::resize_file(path, 0);
  EXPECT_EQ(Describe(ReadPngHeader(read_first)), "12x34");
  EXPECT_EQ(read_first.ReadAt(9000, four), ReadStatus::kEnd);
}

}  // namespace
}  // namespace pictavue
