// The JPEG marker walk with its EXIF block, and the EXIF reader on its own.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "fuzz_seeds.h"
#include "platform/picture_headers.h"
#include "tools/picture_writers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pictavue::MemorySource source(std::span(data, size));
  const pictavue::HeaderResult result = pictavue::ReadJpegHeader(source);
  if (result.ok() && (result.header().width < 1 || result.header().width > 65535 ||
                      result.header().height < 1 || result.header().height > 65535)) {
    std::abort();
  }
  const int orientation = pictavue::ReadExifOrientation(std::span(data, size));
  if (orientation < 0 || orientation > 8) {
    std::abort();
  }
  return 0;
}

PICTAVUE_FUZZ_SEEDS(jpeg_header) {
  using namespace pictavue::testing;
  pictavue::testing::JpegOptions headers_only;
  headers_only.with_scan = false;
  pictavue::testing::JpegOptions big_endian;
  big_endian.exif_orientation = 6;
  big_endian.big_endian_exif = true;
  const std::string xmp = JpegSegment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
  const std::string jpeg = MakeJpeg(16, 8, 6);
  return {
      {"plain", MakeJpeg(16, 8)},
      {"exif-6", jpeg},
      {"exif-8-big-endian", MakeJpeg(16, 8, big_endian)},
      {"headers-only", MakeJpeg(300, 200, headers_only)},
      {"xmp-then-exif", jpeg.substr(0, 2) + xmp + jpeg.substr(2)},
      {"fill-and-restarts", "\xFF\xD8\xFF\xFF\xFF\xD0\xFF\x01" + jpeg.substr(2)},
      {"exif-body", ExifApp1Body(6)},
  };
}
