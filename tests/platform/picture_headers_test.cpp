#include "platform/picture_headers.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/test_conditions.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using testing::ExifApp1Body;
using testing::JpegSegment;
using testing::Truncated;

using Reader = std::function<HeaderResult(ByteSource&)>;

HeaderResult ReadBytes(const Reader& reader, const std::string& bytes) {
  MemorySource source(bytes);
  return reader(source);
}

std::string Describe(const HeaderResult& result) {
  if (!result.ok()) {
    return "error: " + std::string(HeaderErrorText(result.error()));
  }
  return std::to_string(result.header().width) + "x" + std::to_string(result.header().height);
}

std::string Size(std::int64_t width, std::int64_t height) {
  return std::to_string(width) + "x" + std::to_string(height);
}
std::string Error(HeaderError error) {
  return "error: " + std::string(HeaderErrorText(error));
}

std::string Soi() {
  return "\xFF\xD8";
}
std::string Sof(int width, int height) {
  return JpegSegment(
      0xC0, std::string{8, static_cast<char>(height >> 8), static_cast<char>(height),
                        static_cast<char>(width >> 8), static_cast<char>(width), 1, 1, 0x11, 0});
}
// "BM", an empty file header and the given start of the information header.
std::string BmpWith(const std::string& header_start) {
  return "BM" + std::string(12, '\0') + header_start;
}
std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i)
    out += piece;
  return out;
}

// An EXIF body whose IFD0 offset or entry count is replaced.
std::string ExifWithIfdOffset(std::uint32_t offset) {
  std::string body = ExifApp1Body(6);
  body[10] = static_cast<char>(offset);
  body[11] = static_cast<char>(offset >> 8);
  body[12] = static_cast<char>(offset >> 16);
  body[13] = static_cast<char>(offset >> 24);
  return body;
}
std::string ExifWithEntryCount(std::uint16_t count) {
  std::string body = ExifApp1Body(6);
  body[14] = static_cast<char>(count);
  body[15] = static_cast<char>(count >> 8);
  return body;
}

struct ReaderCase {
  const char* name;
  Reader reader;
  std::string bytes;
  std::string expected;
};

// Plain pictures of every kind are read whole at the end of EveryTruncationOfAValidFile.
TEST(PictureHeaders, ValidPicturesOfEveryKind) {
  using namespace testing;
  JpegOptions headers_only;
  headers_only.with_scan = false;
  JpegOptions big_endian_6;
  big_endian_6.exif_orientation = 6;
  big_endian_6.big_endian_exif = true;
  const std::vector<ReaderCase> cases = {
      {"jpeg 65535 wide", ReadJpegHeader, MakeJpeg(65535, 2, headers_only), Size(65535, 2)},
      {"jpeg exif 3", ReadJpegHeader, MakeJpeg(64, 48, 3), Size(64, 48)},
      {"jpeg exif 5", ReadJpegHeader, MakeJpeg(64, 48, 5), Size(48, 64)},
      {"jpeg exif 6 big-endian", ReadJpegHeader, MakeJpeg(64, 48, big_endian_6), Size(48, 64)},
      {"jpeg exif 8", ReadJpegHeader, MakeJpeg(64, 48, 8), Size(48, 64)},
      {"bmp top-down", ReadBmpHeader, MakeBmp(20, 10, BmpKind::kInfoTopDown), Size(20, 10)},
      {"wmf box off the origin", ReadWmfHeader, MakeWmf({-100, 200, 650, 1145, 1440}),
       Size(50, 63)},
      {"wmf halves to even", ReadWmfHeader, MakeWmf({0, 0, 5, 7, 192}), Size(2, 4)},
      {"wmf through either", ReadMetafileHeader, MakeWmf({0, 0, 96, 48, 96}), Size(96, 48)},
      {"emf rounds to nearest", ReadEmfHeader, MakeEmf({100, 100, 200, 180}), Size(4, 3)},
      {"emf through either", ReadMetafileHeader, MakeEmf({0, 0, 5080, 2540}), Size(192, 96)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(ReadBytes(c.reader, c.bytes)), c.expected) << c.name;
  }
}

TEST(PictureHeaders, HostileBytesEndInASizeOrANamedFailure) {
  using E = HeaderError;
  const std::string exif6 = JpegSegment(0xE1, ExifApp1Body(6));
  const std::string xmp = JpegSegment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
  const std::vector<ReaderCase> cases = {
      // JPEG marker walks
      {"jpeg empty", ReadJpegHeader, "", Error(E::kTruncated)},
      {"jpeg one byte", ReadJpegHeader, "\xFF", Error(E::kTruncated)},
      {"jpeg not jpeg", ReadJpegHeader, "GIF89a", Error(E::kWrongSignature)},
      {"jpeg soi only", ReadJpegHeader, Soi(), Error(E::kTruncated)},
      {"jpeg end before frame", ReadJpegHeader, Soi() + "\xFF\xD9", Error(E::kNoFrameHeader)},
      {"jpeg scan before frame", ReadJpegHeader, Soi() + JpegSegment(0xDA, "x"),
       Error(E::kNoFrameHeader)},
      {"jpeg zero-length segment", ReadJpegHeader, Soi() + std::string("\xFF\xE0\x00\x00", 4),
       Error(E::kBadField)},
      {"jpeg length one", ReadJpegHeader, Soi() + std::string("\xFF\xE0\x00\x01", 4),
       Error(E::kBadField)},
      {"jpeg segment past the end", ReadJpegHeader,
       Soi() + std::string("\xFF\xE0\x40\x00", 4) + "abc", Error(E::kTruncated)},
      {"jpeg fill before markers", ReadJpegHeader, Soi() + "\xFF\xFF\xFF" + Sof(7, 9), Size(7, 9)},
      {"jpeg stray bytes tolerated", ReadJpegHeader, Soi() + "abc" + Sof(7, 9), Size(7, 9)},
      {"jpeg stuffed zero is no marker", ReadJpegHeader,
       Soi() + std::string("\xFF\x00", 2) + Sof(7, 9), Size(7, 9)},
      {"jpeg markers without length", ReadJpegHeader,
       Soi() + "\xFF\xD0\xFF\xD7\xFF\x01\xFF\xD8" + Sof(7, 9), Size(7, 9)},
      {"jpeg endless restart markers", ReadJpegHeader, Soi() + Repeat("\xFF\xD0", 5000),
       Error(E::kTooManyMarkers)},
      {"jpeg endless empty comments", ReadJpegHeader,
       Soi() + Repeat(std::string("\xFF\xFE\x00\x02", 4), 5000), Error(E::kTooManyMarkers)},
      {"jpeg endless fill", ReadJpegHeader, Soi() + std::string(70000, '\xFF'),
       Error(E::kTooManyMarkers)},
      {"jpeg endless junk", ReadJpegHeader, Soi() + std::string(70000, 'j'),
       Error(E::kTooManyMarkers)},
      {"jpeg frame too short", ReadJpegHeader,
       Soi() + JpegSegment(0xC0, std::string("\x08\x00\x01", 3)), Error(E::kBadField)},
      {"jpeg frame cut", ReadJpegHeader, Soi() + "\xFF\xC0\x00\x11\x08\x00", Error(E::kTruncated)},
      {"jpeg zero width", ReadJpegHeader, Soi() + Sof(0, 9), Error(E::kBadField)},
      {"jpeg zero height", ReadJpegHeader, Soi() + Sof(7, 0), Error(E::kBadField)},
      {"jpeg frame kinds C2", ReadJpegHeader,
       Soi() + JpegSegment(0xC2, std::string("\x08\x00\x09\x00\x07\x01\x01\x11\x00", 9)),
       Size(7, 9)},
      {"jpeg C4 C8 CC are no frames", ReadJpegHeader,
       Soi() + JpegSegment(0xC4, std::string("\x08\x00\x09\x00\x07\x01", 6)) +
           JpegSegment(0xC8, std::string("\x08\x00\x09\x00\x07\x01", 6)) +
           JpegSegment(0xCC, std::string("\x08\x00\x09\x00\x07\x01", 6)) + Sof(3, 4),
       Size(3, 4)},
      {"jpeg exif turns", ReadJpegHeader, Soi() + exif6 + Sof(7, 9), Size(9, 7)},
      {"jpeg exif after xmp", ReadJpegHeader, Soi() + xmp + exif6 + Sof(7, 9), Size(9, 7)},
      {"jpeg only the first exif counts", ReadJpegHeader,
       Soi() + JpegSegment(0xE1, ExifApp1Body(1)) + exif6 + Sof(7, 9), Size(7, 9)},
      {"jpeg exif cut", ReadJpegHeader, Soi() + Truncated(exif6, 12), Error(E::kTruncated)},
      {"jpeg exif ifd outside the block", ReadJpegHeader,
       Soi() + JpegSegment(0xE1, ExifWithIfdOffset(0xFFFFFFF0)) + Sof(7, 9), Size(7, 9)},
      {"jpeg exif ifd at the block's end", ReadJpegHeader,
       Soi() + JpegSegment(0xE1, ExifWithIfdOffset(26)) + Sof(7, 9), Size(7, 9)},
      {"jpeg exif entries beyond the block", ReadJpegHeader,
       Soi() + JpegSegment(0xE1, ExifWithEntryCount(0xFFFF)) + Sof(7, 9), Size(9, 7)},
      {"jpeg exif orientation 9", ReadJpegHeader,
       Soi() + JpegSegment(0xE1, ExifApp1Body(9)) + Sof(7, 9), Size(7, 9)},
      {"jpeg exif orientation 0", ReadJpegHeader,
       Soi() + JpegSegment(0xE1, ExifApp1Body(0)) + Sof(7, 9), Size(7, 9)},
      {"jpeg exif bare id", ReadJpegHeader,
       Soi() + JpegSegment(0xE1, std::string("Exif\0\0", 6)) + Sof(7, 9), Size(7, 9)},
      // BMP
      {"bmp empty", ReadBmpHeader, "", Error(E::kTruncated)},
      {"bmp not bmp", ReadBmpHeader, std::string(40, 'x'), Error(E::kWrongSignature)},
      {"bmp unknown header size", ReadBmpHeader,
       BmpWith(std::string("\x14\0\0\0", 4) + std::string(20, '\x01')), Error(E::kBadField)},
      {"bmp negative width", ReadBmpHeader,
       BmpWith(std::string("\x28\0\0\0\xFF\xFF\xFF\xFF\x01\0\0\0", 12) + std::string(20, '\0')),
       Error(E::kBadField)},
      {"bmp zero height", ReadBmpHeader,
       BmpWith(std::string("\x28\0\0\0\x01\0\0\0\0\0\0\0", 12) + std::string(20, '\0')),
       Error(E::kBadField)},
      {"bmp most negative height", ReadBmpHeader,
       BmpWith(std::string("\x28\0\0\0\x01\0\0\0\0\0\0\x80", 12) + std::string(20, '\0')),
       Size(1, 2147483648)},
      {"bmp core zero width", ReadBmpHeader,
       BmpWith(std::string("\x0C\0\0\0\0\0\x05\0\x01\0\x18\0", 12)), Error(E::kBadField)},
      // PNG
      {"png empty", ReadPngHeader, "", Error(E::kTruncated)},
      {"png signature only", ReadPngHeader, "\x89PNG\r\n\x1A\n", Error(E::kTruncated)},
      {"png not png", ReadPngHeader, std::string(30, 'p'), Error(E::kWrongSignature)},
      {"png short and not png", ReadPngHeader, "GIF89a\x01\x02", Error(E::kWrongSignature)},
      {"png no ihdr", ReadPngHeader,
       Truncated(testing::MakePng(2, 2), 12) + "IDAT" + std::string(10, '\0'), Error(E::kBadField)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(ReadBytes(c.reader, c.bytes)), c.expected) << c.name;
  }
}

// PNG, WMF and EMF fields patched into valid files.
TEST(PictureHeaders, OutOfRangeFieldsFail) {
  using testing::MakeEmf;
  using testing::MakePng;
  using testing::MakeWmf;
  const auto patched = [](std::string bytes, std::size_t at, std::string with) {
    bytes.replace(at, with.size(), with);
    return bytes;
  };
  const std::string png = MakePng(2, 2);
  const std::vector<ReaderCase> cases = {
      {"png ihdr length", ReadPngHeader, patched(png, 8, std::string("\0\0\0\x0E", 4)),
       Error(HeaderError::kBadField)},
      {"png zero width", ReadPngHeader, patched(png, 16, std::string(4, '\0')),
       Error(HeaderError::kBadField)},
      {"png width above 2^31-1", ReadPngHeader, patched(png, 16, std::string("\x80\0\0\0", 4)),
       Error(HeaderError::kBadField)},
      {"png largest width", ReadPngHeader, patched(png, 16, std::string("\x7F\xFF\xFF\xFF", 4)),
       Size(2147483647, 2)},
      {"png colour type 5", ReadPngHeader, patched(png, 25, "\x05"), Error(HeaderError::kBadField)},
      {"png rgb of 4 bits", ReadPngHeader, patched(png, 24, "\x04"), Error(HeaderError::kBadField)},
      {"wmf inch 0", ReadWmfHeader, MakeWmf({0, 0, 750, 945, 0}), Error(HeaderError::kBadField)},
      {"wmf empty box", ReadWmfHeader, MakeWmf({10, 10, 10, 20, 1440}),
       Error(HeaderError::kBadField)},
      {"wmf inverted box", ReadWmfHeader, MakeWmf({0, 100, 750, 0, 1440}),
       Error(HeaderError::kBadField)},
      {"wmf widest box", ReadWmfHeader, MakeWmf({-32768, -32768, 32767, 32767, 1}),
       Size(6291360, 6291360)},
      {"wmf not placeable", ReadWmfHeader, patched(MakeWmf({0, 0, 1, 1, 96}), 0, "\x01\x00"),
       Error(HeaderError::kWrongSignature)},
      {"wmf header cut", ReadWmfHeader, Truncated(MakeWmf({0, 0, 1, 1, 96}), 21),
       Error(HeaderError::kTruncated)},
      {"emf empty frame", ReadEmfHeader, MakeEmf({0, 0, 0, 100}), Error(HeaderError::kBadField)},
      {"emf inverted frame", ReadEmfHeader, MakeEmf({100, 0, 0, 100}),
       Error(HeaderError::kBadField)},
      {"emf widest frame", ReadEmfHeader, MakeEmf({-2147483647 - 1, 0, 2147483647, 2540}),
       Size(162329473, 96)},
      {"emf no signature", ReadEmfHeader, patched(MakeEmf({0, 0, 10, 10}), 40, "EMF "),
       Error(HeaderError::kWrongSignature)},
      {"metafile neither", ReadMetafileHeader, std::string(50, '\x01'),
       Error(HeaderError::kWrongSignature)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(ReadBytes(c.reader, c.bytes)), c.expected) << c.name;
  }
}

// Cutting a valid file anywhere gives a failure while the header is incomplete and the full
// size once it is there, never anything else.
TEST(PictureHeaders, EveryTruncationOfAValidFile) {
  using namespace testing;
  const std::string jpeg = MakeJpeg(40, 30, 6);
  const std::size_t sof = jpeg.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  struct Case {
    const char* name;
    Reader reader;
    std::string bytes;
    std::size_t header_end;  // the shortest prefix that still gives the size
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"jpeg", ReadJpegHeader, jpeg, sof + 10, Size(30, 40)},
      {"png", ReadPngHeader, MakePng(5, 6), 26, Size(5, 6)},
      {"bmp info", ReadBmpHeader, MakeBmp(5, 6), 30, Size(5, 6)},
      {"bmp core", ReadBmpHeader, MakeBmp(5, 6, BmpKind::kCore), 26, Size(5, 6)},
      {"wmf", ReadWmfHeader, MakeWmf({0, 0, 750, 945, 1440}), 22, Size(50, 63)},
      {"emf", ReadEmfHeader, MakeEmf({0, 0, 2540, 2540}), 44, Size(96, 96)},
  };
  for (const auto& c : cases) {
    for (std::size_t length = 0; length <= c.bytes.size(); ++length) {
      const HeaderResult result = ReadBytes(c.reader, Truncated(c.bytes, length));
      if (length < c.header_end) {
        EXPECT_FALSE(result.ok()) << c.name << " cut at " << length;
      } else {
        EXPECT_EQ(Describe(result), c.expected) << c.name << " cut at " << length;
      }
    }
  }
}

TEST(PictureHeaders, GifFieldsAreReadEachOnItsOwn) {
  const auto read = [](const std::string& bytes) {
    MemorySource source(bytes);
    const GifScreenSize size = ReadGifScreenSize(source);
    return (size.width ? std::to_string(*size.width) : "-") + "x" +
           (size.height ? std::to_string(*size.height) : "-");
  };
  EXPECT_EQ(read(std::string("GIF89a\x80\x02\xE0\x01", 10)), "640x480");
  EXPECT_EQ(read(std::string("GIF89a\x80\x02\xE0", 9)), "640x-");
  EXPECT_EQ(read("GIF89a"), "-x-");
  EXPECT_EQ(read(std::string("XXXXXX\xFF\xFF\x00\x80", 10)), "65535x32768");
}

TEST(PictureHeaders, RoundedQuotientHalvesToEven) {
  struct Case {
    std::int64_t numerator, denominator, expected;
  };
  for (const Case& c : std::vector<Case>{{1, 2, 0}, {3, 2, 2}, {5, 2, 2}, {2, 3, 1}, {1, 3, 0}}) {
    EXPECT_EQ(RoundedQuotient(c.numerator, c.denominator), c.expected)
        << c.numerator << "/" << c.denominator;
  }
}

TEST(PictureHeaders, MemorySourceRefusesReadsPastItsEnd) {
  const std::string bytes = "abcdef";
  MemorySource source(bytes);
  std::uint8_t out[4];
  EXPECT_EQ(source.ReadAt(2, out), ReadStatus::kOk);
  EXPECT_EQ(out[0], 'c');
  EXPECT_EQ(source.ReadAt(3, out), ReadStatus::kEnd);
  EXPECT_EQ(source.ReadAt(7, out), ReadStatus::kEnd);
  EXPECT_EQ(source.ReadAt(~std::uint64_t{0} - 1, out), ReadStatus::kEnd);
}

TEST(PictureHeaders, FileSourceRefusesWhatIsNoFile) {
  testing::TempFolder folder;
  const std::string directory = folder.MakeFolder("x.jpg");
  std::vector<std::string> not_files = {directory, folder.Path("missing.png")};
  const std::string fifo = folder.Path("pipe.jpg");
  // Named pipes and /proc are POSIX's own.
  const bool posix = testing::MakeFifo(fifo);
  const std::string unreadable = folder.Path("mem.png");
  if (posix) {
    not_files.push_back(fifo);
    // Reading a process's own memory at address 0 fails with an I/O error, for any user.
    std::filesystem::create_symlink("/proc/self/mem", unreadable);
  }

  for (const std::string& path : not_files) {
    FileSource source(path);
    EXPECT_FALSE(source.is_open()) << path;
    EXPECT_EQ(Describe(ReadPngHeader(source)), Error(HeaderError::kReadError)) << path;
  }
  if (posix) {
    FileSource failing(unreadable);
    EXPECT_TRUE(failing.is_open());
    EXPECT_EQ(Describe(ReadPngHeader(failing)), Error(HeaderError::kReadError));
  }
}

// The file source serves reads from a window of the file in memory: its first 512 bytes, then
// 4096 bytes wherever a read outside it falls. Every read, inside the window, across its ends,
// beyond the picture or longer than the window, and the tail, must give what the bytes themselves
// give, whatever came before it: first the edges of the windows in turn, each also as the first
// read of its source, then for the longest file a seeded random walk near and far.
TEST(PictureHeaders, FileSourceReadsLikeTheBytesThemselves) {
  testing::TempFolder folder;
  const auto window_reads = [](ByteSource& source, std::uint64_t offset, std::size_t length) {
    std::vector<std::uint8_t> out(length);
    const ReadStatus status = source.ReadAt(offset, out);
    return std::make_pair(status, status == ReadStatus::kOk ? out : std::vector<std::uint8_t>{});
  };
  const std::vector<std::pair<std::uint64_t, std::size_t>> windows = {
      {0, 0},     {0, 1},      {0, 26},   {6, 4},      {500, 12},  {510, 4},
      {512, 1},   {4000, 96},  {4090, 6}, {4090, 7},   {4095, 2},  {4096, 1},
      {4097, 3},  {600, 4096}, {0, 5000}, {5000, 100}, {9990, 10}, {9990, 11},
      {20000, 1}, {8, 4},      {4600, 8}, {511, 1},    {4700, 2},  {9000, 900}};
  for (const std::size_t file_length : {0, 1, 511, 512, 513, 4095, 4096, 4097, 10000}) {
    for (const std::uint64_t base : {0, 100, 700}) {
      std::string bytes(file_length, '\0');
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
      }
      const std::string path =
          folder.WriteFile("f" + std::to_string(file_length) + "_" + std::to_string(base), bytes);
      const std::string_view picture =
          base < bytes.size() ? std::string_view(bytes).substr(base) : std::string_view();
      MemorySource reference(picture);
      const auto where = [&](std::uint64_t offset, std::size_t length) {
        return "file of " + std::to_string(file_length) + " bytes from " + std::to_string(base) +
               ", " + std::to_string(length) + " bytes at " + std::to_string(offset);
      };
      FileSource file(path, base);
      for (const auto& [offset, length] : windows) {
        EXPECT_EQ(window_reads(file, offset, length), window_reads(reference, offset, length))
            << where(offset, length);
        FileSource fresh(path, base);
        EXPECT_EQ(window_reads(fresh, offset, length), window_reads(reference, offset, length))
            << "first read; " << where(offset, length);
      }
      std::uint64_t state = 20240611 + base;
      const auto next = [&state](std::uint64_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % bound;
      };
      for (int read = 0; file_length == 10000 && read < 3000; ++read) {
        const std::uint64_t offset = next(12000);
        const std::size_t length = static_cast<std::size_t>(next(4) == 0 ? next(6000) : next(40));
        ASSERT_EQ(window_reads(file, offset, length), window_reads(reference, offset, length))
            << "random walk; " << where(offset, length);
      }
      FileSource tail_first(path, base);
      std::array<std::uint8_t, 2> tail{};
      const ReadStatus tail_status = tail_first.ReadTail(tail);
      if (picture.size() >= 2) {
        EXPECT_EQ(tail_status, ReadStatus::kOk) << where(0, 2);
        EXPECT_EQ(tail[1], static_cast<std::uint8_t>(picture.back()));
        EXPECT_EQ(window_reads(tail_first, 0, 1), window_reads(reference, 0, 1));
      } else {
        EXPECT_EQ(tail_status, ReadStatus::kEnd) << where(0, 2);
      }
    }
  }
}

// A file may change between its listing and its measuring, and also while it is open: reads
// then give the bytes that are there, or the end, never bytes of the past or a failure.
TEST(PictureHeaders, FileSourceOfAFileThatChangesWhileOpen) {
  testing::TempFolder folder;
  const std::string picture = testing::MakePng(12, 34);
  const std::string long_file = picture + std::string(10000, 'p');
  const auto tail_of = [](FileSource& source) {
    std::array<std::uint8_t, 2> tail{};
    const ReadStatus status = source.ReadTail(tail);
    return status == ReadStatus::kOk ? std::string(tail.begin(), tail.end())
                                     : std::string(status == ReadStatus::kEnd ? "end" : "error");
  };

  const std::string shrinking = folder.WriteFile("shrinks.png", long_file);
  FileSource shrunk(shrinking);
  std::filesystem::resize_file(shrinking, 10);
  std::uint8_t four[4];
  EXPECT_EQ(shrunk.ReadAt(0, four), ReadStatus::kOk);
  EXPECT_EQ(shrunk.ReadAt(8, four), ReadStatus::kEnd);
  EXPECT_EQ(shrunk.ReadAt(6000, four), ReadStatus::kEnd);
  EXPECT_EQ(tail_of(shrunk), "end");
  EXPECT_EQ(Describe(ReadPngHeader(shrunk)), Error(HeaderError::kTruncated));

  const std::string growing = folder.WriteFile("grows.png", picture.substr(0, 10));
  FileSource grown(growing);
  folder.WriteFile("grows.png", long_file);  // the same file, written over and longer
  EXPECT_EQ(Describe(ReadPngHeader(grown)), "12x34");
  EXPECT_EQ(tail_of(grown), picture.substr(8, 2)) << "the end stays where the open found it";

  // Emptied after the first block was read: what was read stays the picture's head.
  const std::string emptied = folder.WriteFile("emptied.png", long_file);
  FileSource read_first(emptied);
  EXPECT_EQ(Describe(ReadPngHeader(read_first)), "12x34");
  std::filesystem::resize_file(emptied, 0);
  EXPECT_EQ(Describe(ReadPngHeader(read_first)), "12x34");
  EXPECT_EQ(read_first.ReadAt(9000, four), ReadStatus::kEnd);
}

TEST(PictureHeaders, ExifOrientationOfHandMadeBlocks) {
  const auto orientation = [](const std::string& body) {
    return ReadExifOrientation(
        std::span(reinterpret_cast<const std::uint8_t*>(body.data()), body.size()));
  };
  EXPECT_EQ(orientation(ExifApp1Body(7, true)), 7);
  EXPECT_EQ(orientation("Exif"), 0);
  EXPECT_EQ(orientation(std::string("Exif\0\0XX*\0\x08\0\0\0", 14)), 0);
  std::string wrong_magic = ExifApp1Body(6);
  wrong_magic[8] = 43;
  EXPECT_EQ(orientation(wrong_magic), 0);
  std::string long_type = ExifApp1Body(6);
  long_type[18] = 4;  // LONG instead of SHORT
  EXPECT_EQ(orientation(long_type), 0);
  EXPECT_EQ(orientation(Truncated(ExifApp1Body(6), 24)), 0);
  EXPECT_EQ(orientation(Truncated(ExifApp1Body(6), 26)), 6);
}

}  // namespace
}  // namespace pictavue
