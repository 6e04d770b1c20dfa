#include "tools/picture_writers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <vector>

namespace pictavue::testing {

void PutLE16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}
void PutLE32(std::string& out, std::uint32_t value) {
  PutLE16(out, value & 0xFFFF);
  PutLE16(out, value >> 16);
}
void PutBE16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
  out.push_back(static_cast<char>(value & 0xFF));
}
void PutBE32(std::string& out, std::uint32_t value) {
  PutBE16(out, value >> 16);
  PutBE16(out, value & 0xFFFF);
}

namespace {

void PutByte(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
}

void CheckSide(int side, int max) {
  if (side < 1 || side > max) {
    throw std::invalid_argument("picture side out of range for the format");
  }
}

// --- JPEG ---------------------------------------------------------------------------------------

// Writes entropy-coded bits most significant first, stuffing a zero after every FF byte.
class BitWriter {
 public:
  explicit BitWriter(std::string& out) : out_(out) {}
  void Put(std::uint32_t bits, int count) {
    for (int i = count - 1; i >= 0; --i) {
      current_ = static_cast<std::uint8_t>((current_ << 1) | ((bits >> i) & 1));
      if (++filled_ == 8) {
        Flush();
      }
    }
  }
  // Pads the last byte with one bits, as the format asks.
  void Finish() {
    while (filled_ != 0) {
      Put(1, 1);
    }
  }

 private:
  void Flush() {
    PutByte(out_, current_);
    if (current_ == 0xFF) {
      PutByte(out_, 0x00);
    }
    current_ = 0;
    filled_ = 0;
  }
  std::string& out_;
  std::uint8_t current_ = 0;
  int filled_ = 0;
};

// The DC table of luminance that JPEG's annex suggests: category n has a canonical code.
constexpr std::array<std::uint8_t, 16> kDcBits = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
constexpr std::array<std::uint8_t, 12> kDcValues = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
// A solid block has no AC coefficients, so the AC table needs only end-of-block, coded "0".
constexpr std::array<std::uint8_t, 16> kAcBits = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kEndOfBlock = 0x00;

struct HuffmanCode {
  std::uint32_t code = 0;
  int length = 0;
};

std::array<HuffmanCode, 12> DcCodes() {
  std::array<HuffmanCode, 12> codes{};
  std::uint32_t code = 0;
  std::size_t k = 0;
  for (int length = 1; length <= 16; ++length) {
    for (int i = 0; i < kDcBits[static_cast<std::size_t>(length - 1)]; ++i) {
      codes[kDcValues[k++]] = HuffmanCode{code++, length};
    }
    code <<= 1;
  }
  return codes;
}

int Category(int value) {
  int magnitude = value < 0 ? -value : value;
  int category = 0;
  while (magnitude != 0) {
    ++category;
    magnitude >>= 1;
  }
  return category;
}

int ClampByte(double value) {
  const long rounded = std::lround(value);
  return static_cast<int>(rounded < 0 ? 0 : (rounded > 255 ? 255 : rounded));
}

std::string JpegScan(int width, int height, Rgb colour) {
  const double r = colour.r;
  const double g = colour.g;
  const double b = colour.b;
  const std::array<int, 3> levels = {ClampByte(0.299 * r + 0.587 * g + 0.114 * b),
                                     ClampByte(-0.168736 * r - 0.331264 * g + 0.5 * b + 128),
                                     ClampByte(0.5 * r - 0.418688 * g - 0.081312 * b + 128)};
  const auto dc_codes = DcCodes();
  std::string out;
  BitWriter bits(out);
  const long mcus = static_cast<long>((width + 7) / 8) * ((height + 7) / 8);
  for (long mcu = 0; mcu < mcus; ++mcu) {
    for (const int level : levels) {
      // With a quantiser of 1 the DC coefficient of a flat block is 8 times its level; every
      // block after the first repeats it, a difference of 0.
      const int difference = mcu == 0 ? 8 * (level - 128) : 0;
      const int category = Category(difference);
      const HuffmanCode& code = dc_codes[static_cast<std::size_t>(category)];
      bits.Put(code.code, code.length);
      if (category > 0) {
        const int extra = difference > 0 ? difference : difference + (1 << category) - 1;
        bits.Put(static_cast<std::uint32_t>(extra), category);
      }
      bits.Put(0, 1);  // end of block
    }
  }
  bits.Finish();
  return out;
}

// --- PNG ----------------------------------------------------------------------------------------

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<std::uint8_t>(c);
    for (int k = 0; k < 8; ++k) {
      crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
  }
  return crc ^ 0xFFFFFFFF;
}

std::string StoredZlib(std::string_view raw) {
  std::string out = "\x78\x01";
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char c : raw) {
    a = (a + static_cast<std::uint8_t>(c)) % 65521;
    b = (b + a) % 65521;
  }
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
    const bool last = at + length == raw.size();
    PutByte(out, last ? 1 : 0);
    PutLE16(out, static_cast<unsigned>(length));
    PutLE16(out, static_cast<unsigned>(~length & 0xFFFF));
    out.append(raw.substr(at, length));
    at += length;
  } while (at < raw.size());
  PutBE32(out, (b << 16) | a);
  return out;
}

// --- GIF ----------------------------------------------------------------------------------------

}  // namespace

void PutPngChunk(std::string& out, std::string_view type, std::string_view data) {
  PutBE32(out, static_cast<std::uint32_t>(data.size()));
  std::string typed(type);
  typed.append(data);
  out.append(typed);
  PutBE32(out, Crc32(typed));
}

std::string JpegSegment(std::uint8_t marker, std::string_view body) {
  std::string out = "\xFF";
  PutByte(out, marker);
  PutBE16(out, static_cast<unsigned>(body.size() + 2));
  out.append(body);
  return out;
}

std::string ExifApp1Body(int orientation, bool big_endian) {
  std::string out("Exif\0\0", 6);
  const auto put16 = [&](unsigned v) { big_endian ? PutBE16(out, v) : PutLE16(out, v); };
  const auto put32 = [&](std::uint32_t v) { big_endian ? PutBE32(out, v) : PutLE32(out, v); };
  out.append(big_endian ? "MM" : "II");
  put16(42);
  put32(8);  // IFD0 right after the TIFF header
  put16(1);  // one entry
  put16(0x0112);
  put16(3);  // SHORT
  put32(1);
  put16(static_cast<unsigned>(orientation));
  put16(0);
  put32(0);  // no next IFD
  return out;
}

std::string MakeJpeg(int width, int height, const JpegOptions& options) {
  CheckSide(width, 65535);
  CheckSide(height, 65535);
  std::string out = "\xFF\xD8";
  out.append(JpegSegment(0xE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14)));
  if (options.exif_orientation != 0) {
    out.append(JpegSegment(0xE1, ExifApp1Body(options.exif_orientation, options.big_endian_exif)));
  }
  std::string quantisation(1, '\0');
  quantisation.append(64, '\x01');
  out.append(JpegSegment(0xDB, quantisation));

  std::string frame;
  PutByte(frame, 8);
  PutBE16(frame, static_cast<unsigned>(height));
  PutBE16(frame, static_cast<unsigned>(width));
  PutByte(frame, 3);
  for (unsigned component = 1; component <= 3; ++component) {
    PutByte(frame, component);
    PutByte(frame, 0x11);  // no subsampling
    PutByte(frame, 0);     // quantisation table 0
  }
  out.append(JpegSegment(0xC0, frame));

  std::string tables(1, '\x00');  // DC table 0
  tables.append(kDcBits.begin(), kDcBits.end());
  tables.append(kDcValues.begin(), kDcValues.end());
  PutByte(tables, 0x10);  // AC table 0
  tables.append(kAcBits.begin(), kAcBits.end());
  PutByte(tables, kEndOfBlock);
  out.append(JpegSegment(0xC4, tables));

  out.append(JpegSegment(0xDA, std::string("\x03\x01\x00\x02\x00\x03\x00\x00\x3F\x00", 10)));
  if (options.with_scan) {
    out.append(JpegScan(width, height, options.colour));
  }
  out.append("\xFF\xD9");
  return out;
}

std::string MakeJpeg(int width, int height, int exif_orientation) {
  JpegOptions options;
  options.exif_orientation = exif_orientation;
  return MakeJpeg(width, height, options);
}

std::string MakePng(int width, int height, Rgb colour) {
  CheckSide(width, 0x7FFFFFFF);
  CheckSide(height, 0x7FFFFFFF);
  std::string out("\x89PNG\r\n\x1A\n", 8);
  std::string header;
  PutBE32(header, static_cast<std::uint32_t>(width));
  PutBE32(header, static_cast<std::uint32_t>(height));
  header.append(std::string("\x08\x02\x00\x00\x00", 5));  // 8-bit RGB, no interlace
  PutPngChunk(out, "IHDR", header);
  std::string row(1, '\0');  // filter: none
  for (int x = 0; x < width; ++x) {
    PutByte(row, colour.r);
    PutByte(row, colour.g);
    PutByte(row, colour.b);
  }
  std::string raw;
  raw.reserve(row.size() * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.append(row);
  }
  PutPngChunk(out, "IDAT", StoredZlib(raw));
  PutPngChunk(out, "IEND", "");
  return out;
}

// Every pixel is sent as a literal code. A clear code before the decoder's table would need
// wider codes keeps each code min_code_size + 1 bits wide: larger than a packed stream, but no
// compressor is needed and every decoder reads it.
std::string MakeIndexedGif(int width, int height, std::string_view palette_rgb,
                           std::span<const std::uint8_t> indexes) {
  CheckSide(width, 65535);
  CheckSide(height, 65535);
  int table_bits = 1;  // the global table holds 2 ^ table_bits colours
  while ((3u << table_bits) < palette_rgb.size() && table_bits < 8) {
    ++table_bits;
  }
  if (palette_rgb.size() > (3u << table_bits) ||
      indexes.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    throw std::invalid_argument("GIF palette or pixel count does not fit the picture");
  }
  std::string out = "GIF89a";
  PutLE16(out, static_cast<unsigned>(width));
  PutLE16(out, static_cast<unsigned>(height));
  const unsigned size_field = static_cast<unsigned>(table_bits - 1);
  PutByte(out, 0x80 | (size_field << 4) | size_field);  // global table; colour resolution
  PutByte(out, 0);
  PutByte(out, 0);
  out.append(palette_rgb);
  out.append((3u << table_bits) - palette_rgb.size(), '\0');
  PutByte(out, 0x2C);
  PutLE16(out, 0);
  PutLE16(out, 0);
  PutLE16(out, static_cast<unsigned>(width));
  PutLE16(out, static_cast<unsigned>(height));
  PutByte(out, 0);
  const int min_code_size = std::max(2, table_bits);
  PutByte(out, static_cast<unsigned>(min_code_size));

  const unsigned clear = 1u << min_code_size;
  const int code_bits = min_code_size + 1;
  const std::size_t literals_per_clear = clear - 2;
  std::string codes;
  std::uint32_t buffer = 0;
  int filled = 0;
  const auto put = [&](unsigned code) {
    buffer |= code << filled;
    filled += code_bits;
    while (filled >= 8) {
      PutByte(codes, buffer & 0xFF);
      buffer >>= 8;
      filled -= 8;
    }
  };
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    if (i % literals_per_clear == 0) {
      put(clear);
    }
    put(indexes[i]);
  }
  put(clear + 1);  // end of information
  if (filled > 0) {
    PutByte(codes, buffer & 0xFF);
  }
  for (std::size_t at = 0; at < codes.size(); at += 255) {
    const std::size_t length = std::min<std::size_t>(255, codes.size() - at);
    PutByte(out, static_cast<unsigned>(length));
    out.append(codes, at, length);
  }
  PutByte(out, 0);
  PutByte(out, 0x3B);
  return out;
}

std::string MakeGif(int width, int height, Rgb colour) {
  CheckSide(width, 65535);
  CheckSide(height, 65535);
  const char palette[] = {static_cast<char>(colour.r), static_cast<char>(colour.g),
                          static_cast<char>(colour.b)};
  const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height, 0);
  return MakeIndexedGif(width, height, std::string_view(palette, 3), pixels);
}

std::string MakeBmp(int width, int height, BmpKind kind, Rgb colour) {
  const bool core = kind == BmpKind::kCore;
  CheckSide(width, core ? 65535 : 0x7FFFFFFF);
  CheckSide(height, core ? 65535 : 0x7FFFFFFF);
  const std::size_t row_bytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::uint32_t header_size = core ? 12 : 40;
  const std::size_t pixel_bytes = row_bytes * static_cast<std::size_t>(height);
  std::string out = "BM";
  PutLE32(out, static_cast<std::uint32_t>(14 + header_size + pixel_bytes));
  PutLE32(out, 0);
  PutLE32(out, 14 + header_size);
  PutLE32(out, header_size);
  if (core) {
    PutLE16(out, static_cast<unsigned>(width));
    PutLE16(out, static_cast<unsigned>(height));
    PutLE16(out, 1);
    PutLE16(out, 24);
  } else {
    PutLE32(out, static_cast<std::uint32_t>(width));
    PutLE32(out, static_cast<std::uint32_t>(kind == BmpKind::kInfoTopDown ? -height : height));
    PutLE16(out, 1);
    PutLE16(out, 24);
    PutLE32(out, 0);  // no compression
    PutLE32(out, static_cast<std::uint32_t>(pixel_bytes));
    PutLE32(out, 2835);  // 72 DPI, which nothing should read
    PutLE32(out, 2835);
    PutLE32(out, 0);
    PutLE32(out, 0);
  }
  std::string row;
  for (int x = 0; x < width; ++x) {
    PutByte(row, colour.b);
    PutByte(row, colour.g);
    PutByte(row, colour.r);
  }
  row.resize(row_bytes, '\0');
  out.reserve(out.size() + pixel_bytes);
  for (int y = 0; y < height; ++y) {
    out.append(row);
  }
  return out;
}

std::string MakeWmf(const WmfBox& box) {
  std::string out;
  PutLE32(out, 0x9AC6CDD7);
  PutLE16(out, 0);  // handle
  PutLE16(out, static_cast<std::uint16_t>(box.left));
  PutLE16(out, static_cast<std::uint16_t>(box.top));
  PutLE16(out, static_cast<std::uint16_t>(box.right));
  PutLE16(out, static_cast<std::uint16_t>(box.bottom));
  PutLE16(out, box.units_per_inch);
  PutLE32(out, 0);
  unsigned checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2) {
    checksum ^= static_cast<std::uint8_t>(out[at]) | (static_cast<std::uint8_t>(out[at + 1]) << 8);
  }
  PutLE16(out, checksum);

  std::string records;
  const auto record = [&records](unsigned function, std::initializer_list<unsigned> params) {
    PutLE32(records, static_cast<std::uint32_t>(3 + params.size()));
    PutLE16(records, function);
    for (const unsigned param : params) {
      PutLE16(records, param);
    }
  };
  record(0x020B, {static_cast<std::uint16_t>(box.top), static_cast<std::uint16_t>(box.left)});
  record(0x020C, {static_cast<std::uint16_t>(box.bottom - box.top),
                  static_cast<std::uint16_t>(box.right - box.left)});
  record(0x0000, {});  // end of file
  PutLE16(out, 1);     // metafile type, as placeable files carry it
  PutLE16(out, 9);     // header size in words
  PutLE16(out, 0x0300);
  PutLE32(out, static_cast<std::uint32_t>((18 + records.size()) / 2));
  PutLE16(out, 0);  // objects
  PutLE32(out, 5);  // largest record in words
  PutLE16(out, 0);
  out.append(records);
  return out;
}

std::string MakeEmf(const EmfFrame& frame) {
  constexpr std::uint32_t kHeaderSize = 88;
  constexpr std::uint32_t kEofSize = 20;
  const auto pixels = [](std::int32_t hundredths_mm) {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(hundredths_mm) * 96 / 2540);
  };
  std::string out;
  PutLE32(out, 1);  // EMR_HEADER
  PutLE32(out, kHeaderSize);
  PutLE32(out, pixels(frame.left));  // bounds, in device pixels
  PutLE32(out, pixels(frame.top));
  PutLE32(out, pixels(frame.right));
  PutLE32(out, pixels(frame.bottom));
  PutLE32(out, static_cast<std::uint32_t>(frame.left));
  PutLE32(out, static_cast<std::uint32_t>(frame.top));
  PutLE32(out, static_cast<std::uint32_t>(frame.right));
  PutLE32(out, static_cast<std::uint32_t>(frame.bottom));
  out.append(" EMF");
  PutLE32(out, 0x10000);  // version
  PutLE32(out, kHeaderSize + kEofSize);
  PutLE32(out, 2);  // records
  PutLE16(out, 1);  // handles
  PutLE16(out, 0);
  PutLE32(out, 0);  // no description
  PutLE32(out, 0);
  PutLE32(out, 0);     // no palette
  PutLE32(out, 1920);  // reference device, pixels
  PutLE32(out, 1080);
  PutLE32(out, 508);  // and millimetres (96 DPI)
  PutLE32(out, 286);
  PutLE32(out, 14);  // EMR_EOF
  PutLE32(out, kEofSize);
  PutLE32(out, 0);
  PutLE32(out, 16);
  PutLE32(out, kEofSize);
  return out;
}

std::string Truncated(std::string_view bytes, std::size_t length) {
  return std::string(bytes.substr(0, std::min(length, bytes.size())));
}

}  // namespace pictavue::testing
