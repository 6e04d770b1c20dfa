// The system's picture loader: libjpeg and our header readers on POSIX, OleLoadPicture under
// Windows (metafiles at the screen's 96 DPI). One contract; the rows say where the two differ.

#include "platform/picture_loader.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using namespace testing;

const bool kPosix = NativePathStyle() == PathStyle::kPosix;

std::string Load(const std::string& path) {
  const std::optional<PixelSize> size = MakePictureLoader()->LoadSize(path, {});
  return size ? std::to_string(size->width) + "x" + std::to_string(size->height) : "failure";
}

// Bytes, then the size on POSIX and under Windows ("" where only POSIX is tested).
void ExpectLoads(const std::vector<std::array<std::string, 3>>& cases) {
  TempFolder folder;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::string& expected = cases[i][kPosix ? 1 : 2];
    if (!expected.empty()) {  // the loader goes by the bytes, never by the name
      EXPECT_EQ(Load(folder.WriteFile("picture.dat", cases[i][0])), expected) << "case " << i;
    }
  }
}

// A JPEG with extra segments put right after its start marker.
std::string JpegWith(const std::string& segments) {
  const std::string jpeg = MakeJpeg(40, 30);
  return jpeg.substr(0, 2) + segments + jpeg.substr(2);
}

TEST(PictureLoader, SizesAsTheSystemShowsThem) {
  JpegOptions headers_only;
  headers_only.with_scan = false;
  const std::string wmf = MakeWmf({0, 0, 750, 945, 1440});
  ExpectLoads({
      {MakeJpeg(640, 480), "640x480", "640x480"},
      {MakeJpeg(640, 480, 7), "480x640", "640x480"},  // only ours turns by the EXIF orientation
      {MakeJpeg(65500, 3, headers_only), "65500x3", ""},
      {MakeJpeg(65535, 3, headers_only), "failure", ""},  // too wide for libjpeg
      {MakeBmp(37, 21), "37x21", "37x21"},
      {MakeBmp(30, 40, BmpKind::kCore), "30x40", "30x40"},
      {wmf, "50x63", "50x63"},
      {MakeWmf({100, 200, 1060, 920, 96}), "960x720", "960x720"},
      {MakeEmf({0, 0, 2646, 1323}), "100x50", "100x50"},
      // What the loader does not take.
      {wmf.substr(22), "failure", "failure"},  // no placeable header
      {MakeEmf({2540, 0, 0, 2540}), "failure", "failure"},
      {MakeGif(10, 10), "failure", "failure"},
      {MakePng(4, 4), "failure", "failure"},
      {Truncated(MakeJpeg(10, 10), 40), "failure", "failure"},
      {"\xFF\xD8\xFF\xD9", "failure", ""},
      // no frame header within the walk's bounds: never handed to a loader that reads it all
      {"\xFF\xD8" + std::string(1 << 20, '\0') + "\xFF\xD9", "failure", "failure"},
      {"not a picture", "failure", "failure"},
      {"", "failure", "failure"},
  });
}

TEST(PictureLoader, ReadsTheFirstExifBlockOnly) {
  const auto exif = [](const std::string& body) { return JpegSegment(0xE1, body); };
  const std::string xmp = exif(std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
  ExpectLoads({
      {JpegWith(xmp + exif(ExifApp1Body(6))), "30x40", ""},
      {JpegWith(exif(ExifApp1Body(1)) + exif(ExifApp1Body(6))), "40x30", ""},
      {JpegWith(JpegSegment(0xE2, std::string(60000, 'i')) + exif(ExifApp1Body(5))), "30x40", ""},
      // an EXIF block across the end of the first block read
      {JpegWith(JpegSegment(0xE2, std::string(3000, 'i')) +
                exif(ExifApp1Body(6) + std::string(5000, 'e'))),
       "30x40", ""},
      {JpegWith(JpegSegment(0xE2, std::string(5000, 'i'))).substr(0, 4100), "failure", ""},
      // the length of the EXIF segment begins at the last byte of the first block read
      {JpegWith(JpegSegment(0xE2, std::string(4087, 'i')) + exif(ExifApp1Body(6))), "30x40", ""},
      // a segment passed over beyond that block, whose last bytes look like an end marker
      {JpegWith(exif(ExifApp1Body(6)) + JpegSegment(0xE2, std::string(5000, 'i') + "\xFF\xD9")),
       "30x40", ""},
      {JpegWith(exif("Ex")), "40x30", ""},
      {JpegWith(std::string("\xFF\xE1\x00\x02", 4)), "40x30", ""},
  });
}

// A JPEG cut before the end of its frame header fails to load, one cut after its scan header
// loads; in between, libjpeg may read the rest of the scan header from the end marker it
// supplies for a file cut short.
TEST(PictureLoader, EveryTruncationOfAJpeg) {
  if (!kPosix) {
    GTEST_SKIP() << "the system's loader is not ours to bound";
  }
  const std::string jpeg = MakeJpeg(40, 30, 6);
  const std::size_t frame_end = jpeg.find("\xFF\xC0") + 2 + 17;
  const std::size_t scan_header_end = jpeg.find("\xFF\xDA") + 2 + 12;
  TempFolder folder;
  for (std::size_t length = 0; length <= jpeg.size(); ++length) {
    const std::string loaded = Load(folder.WriteFile("cut.jpg", Truncated(jpeg, length)));
    EXPECT_TRUE((loaded == "failure" && length < scan_header_end) ||
                (loaded == "30x40" && length >= frame_end))
        << length << ": " << loaded;
  }
}

// Two markers around 20 GiB of nothing, as a sparse file: refused after a bounded prefix, where
// reading it through took most of a minute (the test's time-out would end it). A cancel stops the
// read; segments skipped over cost nothing, so a frame header behind megabytes of them is still
// found.
TEST(PictureLoader, ReadsABoundedPrefixAndHearsACancel) {
  TempFolder folder;
  const auto loader = MakePictureLoader();
  if (!kPosix) {  // the system's loader is asked only when no cancel came first
    const std::string jpeg = folder.WriteFile("fine.jpg", MakeJpeg(10, 10));
    EXPECT_FALSE(loader->LoadSize(jpeg, [] { return true; }));
    EXPECT_TRUE(loader->LoadSize(jpeg, [] { return false; }));
    return;
  }
  const std::string huge = folder.WriteFile("huge.jpg", "\xFF\xD8");
  std::filesystem::resize_file(huge, (std::uintmax_t{20} << 30) - 2);
  std::ofstream(huge, std::ios::binary | std::ios::app) << "\xFF\xD9";
  int polls = 0;
  EXPECT_FALSE(loader->LoadSize(huge, [&polls] { return ++polls < 0; }));
  EXPECT_GT(polls, 0);
  polls = 0;
  EXPECT_FALSE(loader->LoadSize(huge, [&polls] { return ++polls > 0; }));
  EXPECT_EQ(polls, 1);
  std::string padded = "\xFF\xD8";
  for (int i = 0; i < 160; ++i) {  // 10 MiB of application segments before the frame
    padded += JpegSegment(0xE2, std::string(65533, 'x'));
  }
  EXPECT_EQ(Load(folder.WriteFile("padded.jpg", padded + MakeJpeg(40, 30).substr(2))), "40x30");
}

}  // namespace
}  // namespace pictavue
