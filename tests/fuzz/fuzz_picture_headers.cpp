// Every header reader over the same bytes: each ends in a size it allows or a named failure,
// never in a crash, a hang or a read outside the bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz_seeds.h"
#include "platform/picture_headers.h"
#include "tools/picture_writers.h"

namespace {

void CheckSides(const pictavue::HeaderResult& result, std::int64_t least, std::int64_t most) {
  if (result.ok() && (result.header().width < least || result.header().width > most ||
                      result.header().height < least || result.header().height > most)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pictavue;
  MemorySource source(std::span(data, size));
  CheckSides(ReadJpegHeader(source), 1, 65535);
  const HeaderResult png = ReadPngHeader(source);
  CheckSides(png, 1, INT64_MAX);
  if (png.ok() && (png.header().bits_per_pixel < 1 || png.header().bits_per_pixel > 64)) {
    std::abort();
  }
  CheckSides(ReadBmpHeader(source), 1, INT64_MAX);
  CheckSides(ReadWmfHeader(source), 0, INT64_MAX);
  CheckSides(ReadEmfHeader(source), 0, INT64_MAX);
  (void)ReadMetafileHeader(source);
  (void)ReadBmpSizeFields(source);
  (void)ReadGifScreenSize(source);
  (void)SniffPictureKind(source);
  const int orientation = ReadExifOrientation(std::span(data, size));
  if (orientation < 0 || orientation > 8) {
    std::abort();
  }
  return 0;
}

PICTAVUE_FUZZ_SEEDS(picture_headers) {
  using namespace pictavue::testing;
  JpegOptions headers_only;
  headers_only.with_scan = false;
  JpegOptions big_endian;
  big_endian.exif_orientation = 6;
  big_endian.big_endian_exif = true;
  const std::string xmp = JpegSegment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
  const std::string jpeg = MakeJpeg(16, 8, 6);
  return {
      {"jpeg", MakeJpeg(16, 8)},
      {"jpeg-exif-6", jpeg},
      {"jpeg-exif-8-big-endian", MakeJpeg(16, 8, big_endian)},
      {"jpeg-headers-only", MakeJpeg(300, 200, headers_only)},
      {"jpeg-xmp-then-exif", jpeg.substr(0, 2) + xmp + jpeg.substr(2)},
      {"jpeg-fill-and-restarts", "\xFF\xD8\xFF\xFF\xFF\xD0\xFF\x01" + jpeg.substr(2)},
      {"exif-body", ExifApp1Body(6)},
      {"png", MakePng(3, 2)},
      {"png-wide", MakePng(70000, 1)},
      {"gif", MakeGif(3, 2)},
      {"gif-screen-only", std::string("GIF89a\x80\x02\xE0\x01", 10)},
      {"bmp", MakeBmp(3, 2)},
      {"bmp-top-down", MakeBmp(3, 2, BmpKind::kInfoTopDown)},
      {"bmp-core", MakeBmp(3, 2, BmpKind::kCore)},
      {"wmf", MakeWmf({0, 0, 750, 945, 1440})},
      {"wmf-off-origin", MakeWmf({-100, -50, 100, 50, 96})},
      {"wmf-inch-0", MakeWmf({0, 0, 750, 945, 0})},
      {"emf", MakeEmf({0, 0, 2540, 2540})},
      {"emf-off-origin", MakeEmf({-1000, 500, 1000, 2000})},
  };
}
