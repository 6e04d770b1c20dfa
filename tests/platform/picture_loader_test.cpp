#include "platform/picture_loader.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/picture_headers.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using namespace testing;

std::string Load(PictureLoader& loader, const std::string& path) {
  const std::optional<PixelSize> size = loader.LoadSize(path, {});
  return size ? std::to_string(size->width) + "x" + std::to_string(size->height) : "failure";
}

struct Case {
  const char* name;
  std::string bytes;
  std::string expected;
};

void ExpectLoads(const std::vector<Case>& cases) {
  TempFolder folder;
  const auto loader = MakePictureLoader();
  for (const Case& c : cases) {
    // The loader goes by the bytes, never by the name.
    EXPECT_EQ(Load(*loader, folder.WriteFile("picture.dat", c.bytes)), c.expected) << c.name;
  }
}

std::string Exif(std::string_view body) {
  return JpegSegment(0xE1, body);
}

// A JPEG with extra segments put right after its start marker.
std::string JpegWith(const std::string& segments, int width, int height) {
  const std::string jpeg = MakeJpeg(width, height);
  return jpeg.substr(0, 2) + segments + jpeg.substr(2);
}

// What the system's loader took, and only that; a file that cannot be read at all is measured
// through the loader in collect/measure_test.
TEST(PictureLoader, LoadsWhatTheSystemLoaded) {
  JpegOptions headers_only;
  headers_only.with_scan = false;
  ExpectLoads({
      {"jpeg", MakeJpeg(640, 480), "640x480"},
      {"jpeg exif 7", MakeJpeg(640, 480, 7), "480x640"},
      {"jpeg exif 2", MakeJpeg(640, 480, 2), "640x480"},
      {"jpeg largest", MakeJpeg(65500, 3, headers_only), "65500x3"},
      {"jpeg too wide for libjpeg", MakeJpeg(65535, 3, headers_only), "failure"},
      {"jpeg end only", "\xFF\xD8\xFF\xD9", "failure"},
      {"bmp info", MakeBmp(70000, 2), "70000x2"},
      {"bmp top-down", MakeBmp(20, 10, BmpKind::kInfoTopDown), "20x10"},
      {"bmp core", MakeBmp(30, 40, BmpKind::kCore), "30x40"},
      {"bmp zero width", MakeBmp(1, 1).replace(18, 4, std::string(4, '\0')), "failure"},
      {"wmf", MakeWmf({0, 0, 750, 945, 1440}), "50x63"},
      {"wmf without the placeable header", MakeWmf({0, 0, 750, 945, 1440}).substr(22), "failure"},
      {"wmf inch 0", MakeWmf({0, 0, 750, 945, 0}), "failure"},
      {"emf", MakeEmf({0, 0, 2540, 1270}), "96x48"},
      {"emf inverted", MakeEmf({2540, 0, 0, 2540}), "failure"},
      {"png", MakePng(4, 4), "failure"},
      {"empty", "", "failure"},
  });
}

TEST(PictureLoader, ReadsTheFirstExifBlockOnly) {
  std::string no_orientation_ifd = ExifApp1Body(6);
  no_orientation_ifd[16] = 0x13;  // another tag in place of the orientation
  std::string ifd_outside = ExifApp1Body(6);
  ifd_outside[13] = '\x7F';
  const std::string xmp = Exif(std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
  const std::string large_icc = JpegSegment(0xE2, std::string(60000, 'i'));
  ExpectLoads({
      {"exif after xmp", JpegWith(xmp + Exif(ExifApp1Body(6)), 40, 30), "30x40"},
      {"second exif ignored", JpegWith(Exif(ExifApp1Body(1)) + Exif(ExifApp1Body(6)), 40, 30),
       "40x30"},
      {"no orientation tag", JpegWith(Exif(no_orientation_ifd), 40, 30), "40x30"},
      {"ifd outside the block", JpegWith(Exif(ifd_outside), 40, 30), "40x30"},
      {"big-endian exif", JpegWith(Exif(ExifApp1Body(8, true)), 40, 30), "30x40"},
      {"large segment skipped", JpegWith(large_icc + Exif(ExifApp1Body(5)), 40, 30), "30x40"},
      {"exif block across the first block's end",
       JpegWith(JpegSegment(0xE2, std::string(3000, 'i')) +
                    Exif(ExifApp1Body(6) + std::string(5000, 'e')),
                40, 30),
       "30x40"},
      {"segment ending past the file",
       JpegWith(JpegSegment(0xE2, std::string(5000, 'i')), 40, 30).substr(0, 4100), "failure"},
      {"short app1", JpegWith(Exif("Ex"), 40, 30), "40x30"},
      {"empty app1", JpegWith(std::string("\xFF\xE1\x00\x02", 4), 40, 30), "40x30"},
  });
}

// libjpeg and the header readers agree on every JPEG the writers make. A JPEG cut before the
// end of its frame header fails to load, one cut after its scan header loads; in between, libjpeg
// may read the rest of the scan header from the end marker it supplies for a file cut short.
TEST(PictureLoader, EveryTruncationOfAJpeg) {
  const std::string jpeg = MakeJpeg(40, 30, 6);
  const std::size_t sof = jpeg.find("\xFF\xC0");
  const std::size_t sos = jpeg.find("\xFF\xDA");
  ASSERT_NE(sof, std::string::npos);
  ASSERT_NE(sos, std::string::npos);
  const std::size_t frame_end = sof + 2 + 17;
  const std::size_t scan_header_end = sos + 2 + 12;
  TempFolder folder;
  const auto loader = MakePictureLoader();
  for (std::size_t length = 0; length <= jpeg.size(); ++length) {
    const std::string loaded = Load(*loader, folder.WriteFile("cut.jpg", Truncated(jpeg, length)));
    if (length < frame_end) {
      EXPECT_EQ(loaded, "failure") << length;
    } else if (length >= scan_header_end) {
      EXPECT_EQ(loaded, "30x40") << length;
    } else {
      EXPECT_TRUE(loaded == "failure" || loaded == "30x40") << length;
    }
  }
  for (const int orientation : {0, 1, 4, 5, 8}) {
    const std::string bytes = MakeJpeg(17, 300, orientation);
    MemorySource source(bytes);
    const HeaderResult walked = ReadJpegHeader(source);
    ASSERT_TRUE(walked.ok());
    EXPECT_EQ(Load(*loader, folder.WriteFile("same.jpg", bytes)),
              std::to_string(walked.header().width) + "x" + std::to_string(walked.header().height))
        << orientation;
  }
}

// Two markers around 20 GiB of nothing, as a sparse file: refused at once, where reading it
// through took most of a minute. A cancel stops the read; segments skipped over cost nothing, so
// a frame header behind megabytes of them is still found.
TEST(PictureLoader, ReadsABoundedPrefixAndHearsACancel) {
  TempFolder folder;
  const std::string huge = folder.WriteFile("huge.jpg", "\xFF\xD8");
  std::filesystem::resize_file(huge, (std::uintmax_t{20} << 30) - 2);
  std::ofstream(huge, std::ios::binary | std::ios::app) << "\xFF\xD9";
  const auto loader = MakePictureLoader();
  int polls = 0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(loader->LoadSize(huge, [&polls] { return ++polls < 0; }));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_GT(polls, 0);
  polls = 0;
  EXPECT_FALSE(loader->LoadSize(huge, [&polls] { return ++polls > 0; }));
  EXPECT_EQ(polls, 1);

  const std::string jpeg = MakeJpeg(40, 30);
  std::string padded = jpeg.substr(0, 2);
  for (int i = 0; i < 160; ++i) {  // 10 MiB of application segments before the frame
    padded += JpegSegment(0xE2, std::string(65533, 'x'));
  }
  padded += jpeg.substr(2);
  EXPECT_EQ(Load(*loader, folder.WriteFile("padded.jpg", padded)), "40x30");
}

}  // namespace
}  // namespace pictavue
