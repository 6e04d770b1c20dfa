#pragma once

// Small writers of real pictures for tests, fixtures, the sample gallery and the benchmark
// corpus. Each returns the bytes of a valid file of the given size, filled with one colour, that
// a browser displays (metafiles aside, which browsers do not show). Hostile variants are made
// from these with Truncated() and the JPEG building blocks.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pictavue::testing {

struct Rgb {
  std::uint8_t r = 0x4A;
  std::uint8_t g = 0x90;
  std::uint8_t b = 0xD9;
};

struct JpegOptions {
  int exif_orientation = 0;  // 1 to 8 writes an EXIF block with this orientation; 0 none
  bool big_endian_exif = false;
  // Without the scan the file holds every header and the end marker but no picture data: for
  // sizes whose pixels would take too long to write, when only measuring matters.
  bool with_scan = true;
  Rgb colour;
};

// Baseline JPEG, 1 to 65535 pixels a side.
std::string MakeJpeg(int width, int height, int exif_orientation = 0);
std::string MakeJpeg(int width, int height, const JpegOptions& options);

// RGB PNG with stored (uncompressed) zlib blocks.
std::string MakePng(int width, int height, Rgb colour = {});

// GIF89a with a two-colour table, the logical screen and the one image of width x height.
std::string MakeGif(int width, int height, Rgb colour = {});
// GIF89a of palette indexes, width * height of them; palette_rgb holds 3 bytes a colour, at most
// 256 colours.
std::string MakeIndexedGif(int width, int height, std::string_view palette_rgb,
                           std::span<const std::uint8_t> indexes);

enum class BmpKind {
  kInfo,         // 40-byte information header, rows bottom-up
  kInfoTopDown,  // the same with a negative height
  kCore,         // 12-byte core header (16-bit sizes)
};

// 24-bit BMP. The core header limits the sides to 65535.
std::string MakeBmp(int width, int height, BmpKind kind = BmpKind::kInfo, Rgb colour = {});

// Placeable WMF with a correct checksum. A box of 750 x 945 at 1440 units per inch is shown as
// 50 x 63 pixels.
struct WmfBox {
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::int16_t right = 0;
  std::int16_t bottom = 0;
  std::uint16_t units_per_inch = 1440;
};
std::string MakeWmf(const WmfBox& box);

// EMF whose frame is given in hundredths of a millimetre (2540 to the inch).
struct EmfFrame {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};
std::string MakeEmf(const EmfFrame& frame);

// The first length bytes (all of them when there are fewer).
std::string Truncated(std::string_view bytes, std::size_t length);

// JPEG building blocks for hand-made streams: one segment (FF, marker, 16-bit length counting
// itself, body) and the body of an EXIF APP1 segment whose IFD0 holds the orientation.
std::string JpegSegment(std::uint8_t marker, std::string_view body);
std::string ExifApp1Body(int orientation, bool big_endian = false);

// The formats' fields, for writers of other pictures (the sample gallery's).
void PutLE16(std::string& out, unsigned value);
void PutLE32(std::string& out, std::uint32_t value);
void PutBE16(std::string& out, unsigned value);
void PutBE32(std::string& out, std::uint32_t value);
// A PNG chunk: length, type, data and the CRC of type and data.
void PutPngChunk(std::string& out, std::string_view type, std::string_view data);

}  // namespace pictavue::testing
