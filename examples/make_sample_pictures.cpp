// Draws the sample pictures of examples/pictures/: gradients and shapes in every kind the
// program collects, small enough to keep in the repository. The output is the same on every run.
//
//   make_sample_pictures FOLDER

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>
#include <zlib.h>

#include "tools/picture_writers.h"

namespace {

using pictavue::testing::MakeIndexedGif;
using pictavue::testing::PutBE32;
using pictavue::testing::PutLE16;
using pictavue::testing::PutLE32;
using pictavue::testing::PutPngChunk;

struct Colour {
  double r = 0;
  double g = 0;
  double b = 0;
};

Colour Hex(std::uint32_t rgb) {
  return {static_cast<double>((rgb >> 16) & 0xFF), static_cast<double>((rgb >> 8) & 0xFF),
          static_cast<double>(rgb & 0xFF)};
}

Colour Mix(const Colour& a, const Colour& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint8_t Byte(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// An RGB picture being drawn, with soft-edged shapes.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), pixels_(Size()) {}

  int width() const { return width_; }
  int height() const { return height_; }
  const Colour& At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, const Colour& c) { pixels_[Index(x, y)] = c; }
  void Blend(int x, int y, const Colour& c, double alpha) { Set(x, y, Mix(At(x, y), c, alpha)); }

  // Every pixel gets shade(x, y).
  template <typename Shade>
  void Paint(const Shade& shade) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        Set(x, y, shade(x, y));
      }
    }
  }

  // A disc with an edge one pixel wide, laid over what is there with the given opacity.
  void Disc(double cx, double cy, double radius, const Colour& c, double opacity = 1.0) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const double distance = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
        const double coverage = std::clamp(radius - distance + 0.5, 0.0, 1.0);
        if (coverage > 0) {
          Blend(x, y, c, coverage * opacity);
        }
      }
    }
  }

  // Fills below the curve top(x) with colour, the edge softened over one pixel.
  template <typename Top>
  void Below(const Top& top, const Colour& c) {
    for (int x = 0; x < width_; ++x) {
      const double edge = top(x + 0.5);
      for (int y = 0; y < height_; ++y) {
        const double coverage = std::clamp(y + 0.5 - edge + 0.5, 0.0, 1.0);
        if (coverage > 0) {
          Blend(x, y, c, coverage);
        }
      }
    }
  }

  // RGB bytes, rows top to bottom.
  std::vector<std::uint8_t> Rgb() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(Size() * 3);
    for (const Colour& c : pixels_) {
      bytes.insert(bytes.end(), {Byte(c.r), Byte(c.g), Byte(c.b)});
    }
    return bytes;
  }

  // The picture turned a quarter anticlockwise: shown with EXIF orientation 6 (turn clockwise),
  // it looks like this canvas again.
  Canvas StoredForOrientation6() const {
    Canvas stored(height_, width_);
    for (int y = 0; y < stored.height(); ++y) {
      for (int x = 0; x < stored.width(); ++x) {
        stored.Set(x, y, At(width_ - 1 - y, x));
      }
    }
    return stored;
  }

 private:
  std::size_t Size() const { return static_cast<std::size_t>(width_) * height_; }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

// A small deterministic generator for star positions.
class Dice {
 public:
  double Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(state_ >> 11) / 9007199254740992.0;
  }

 private:
  std::uint64_t state_ = 0x5EED;
};

// --- encoders ---------------------------------------------------------------------------------

std::string Jpeg(const Canvas& canvas, int exif_orientation = 0) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(canvas.width());
  info.image_height = static_cast<JDIMENSION>(canvas.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  jpeg_start_compress(&info, TRUE);
  if (exif_orientation != 0) {
    const std::string exif = pictavue::testing::ExifApp1Body(exif_orientation);
    jpeg_write_marker(&info, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.data()),
                      static_cast<unsigned>(exif.size()));
  }
  const std::vector<std::uint8_t> rgb = canvas.Rgb();
  while (info.next_scanline < info.image_height) {
    JSAMPROW row =
        const_cast<JSAMPROW>(rgb.data() + std::size_t{info.next_scanline} *
                                              static_cast<std::size_t>(canvas.width()) * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

std::string Png(const Canvas& canvas) {
  const std::vector<std::uint8_t> rgb = canvas.Rgb();
  const std::size_t row_bytes = static_cast<std::size_t>(canvas.width()) * 3;
  std::string filtered;
  for (int y = 0; y < canvas.height(); ++y) {
    filtered.push_back('\0');  // no filter
    filtered.append(reinterpret_cast<const char*>(rgb.data()) + y * row_bytes, row_bytes);
  }
  uLongf packed_size = compressBound(static_cast<uLong>(filtered.size()));
  std::string packed(packed_size, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
            reinterpret_cast<const Bytef*>(filtered.data()), static_cast<uLong>(filtered.size()),
            9);
  packed.resize(packed_size);

  std::string header;
  PutBE32(header, static_cast<std::uint32_t>(canvas.width()));
  PutBE32(header, static_cast<std::uint32_t>(canvas.height()));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB
  std::string out("\x89PNG\r\n\x1A\n", 8);
  PutPngChunk(out, "IHDR", header);
  PutPngChunk(out, "IDAT", packed);
  PutPngChunk(out, "IEND", "");
  return out;
}

std::string Bmp(const Canvas& canvas) {
  const std::vector<std::uint8_t> rgb = canvas.Rgb();
  const std::uint32_t row = static_cast<std::uint32_t>((canvas.width() * 3 + 3) / 4 * 4);
  const std::uint32_t data_size = row * static_cast<std::uint32_t>(canvas.height());
  std::string out = "BM";
  PutLE32(out, 54 + data_size);
  PutLE32(out, 0);
  PutLE32(out, 54);
  PutLE32(out, 40);
  PutLE32(out, static_cast<std::uint32_t>(canvas.width()));
  PutLE32(out, static_cast<std::uint32_t>(canvas.height()));
  PutLE16(out, 1);
  PutLE16(out, 24);
  PutLE32(out, 0);
  PutLE32(out, data_size);
  PutLE32(out, 3780);  // 96 DPI in pixels per metre
  PutLE32(out, 3780);
  PutLE32(out, 0);
  PutLE32(out, 0);
  for (int y = canvas.height() - 1; y >= 0; --y) {
    std::string line;
    for (int x = 0; x < canvas.width(); ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * canvas.width() + x) * 3;
      line += {static_cast<char>(rgb[at + 2]), static_cast<char>(rgb[at + 1]),
               static_cast<char>(rgb[at])};
    }
    line.resize(row, '\0');
    out += line;
  }
  return out;
}

std::uint32_t ColourRef(std::uint32_t rgb) {  // 0x00BBGGRR
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// Records of a Windows metafile, sizes counted in 16-bit words.
class WmfRecords {
 public:
  void Add(unsigned function, const std::vector<unsigned>& words) {
    const std::uint32_t size = static_cast<std::uint32_t>(3 + words.size());
    PutLE32(bytes_, size);
    PutLE16(bytes_, function);
    for (const unsigned word : words) {
      PutLE16(bytes_, word & 0xFFFF);
    }
    largest_ = std::max(largest_, size);
  }
  void Brush(std::uint32_t rgb) {
    const std::uint32_t ref = ColourRef(rgb);
    Add(0x02FC, {0, ref & 0xFFFF, ref >> 16, 0});  // CREATEBRUSHINDIRECT, solid
    Add(0x012D, {objects_++});                     // SELECTOBJECT
  }
  void Pen(std::uint32_t rgb, unsigned width) {
    const std::uint32_t ref = ColourRef(rgb);
    Add(0x02FA, {0, width, 0, ref & 0xFFFF, ref >> 16});  // CREATEPENINDIRECT, solid
    Add(0x012D, {objects_++});
  }
  void Polygon(const std::vector<std::array<int, 2>>& points) {
    std::vector<unsigned> words{static_cast<unsigned>(points.size())};
    for (const auto& point : points) {
      words.push_back(static_cast<unsigned>(point[0]));
      words.push_back(static_cast<unsigned>(point[1]));
    }
    Add(0x0324, words);  // POLYGON
  }

  // The placeable header, the metafile header, the records and the end record.
  std::string File(int extent, unsigned units_per_inch) {
    Add(0x0000, {});
    std::string out;
    PutLE32(out, 0x9AC6CDD7);
    PutLE16(out, 0);
    PutLE16(out, 0);
    PutLE16(out, 0);
    PutLE16(out, static_cast<unsigned>(extent));
    PutLE16(out, static_cast<unsigned>(extent));
    PutLE16(out, units_per_inch);
    PutLE32(out, 0);
    unsigned checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) {
      checksum ^= static_cast<std::uint8_t>(out[at]) |
                  (static_cast<unsigned>(static_cast<std::uint8_t>(out[at + 1])) << 8);
    }
    PutLE16(out, checksum);
    PutLE16(out, 1);  // in memory
    PutLE16(out, 9);
    PutLE16(out, 0x0300);
    PutLE32(out, static_cast<std::uint32_t>((18 + bytes_.size()) / 2));
    PutLE16(out, objects_);
    PutLE32(out, largest_);
    PutLE16(out, 0);
    return out + bytes_;
  }

 private:
  std::string bytes_;
  std::uint32_t largest_ = 0;
  unsigned objects_ = 0;
};

// Records of an enhanced metafile, in the reference device's pixels (96 DPI).
class EmfRecords {
 public:
  void Add(std::uint32_t type, std::initializer_list<std::uint32_t> values) {
    PutLE32(bytes_, type);
    PutLE32(bytes_, static_cast<std::uint32_t>(8 + 4 * values.size()));
    for (const std::uint32_t value : values) {
      PutLE32(bytes_, value);
    }
    ++records_;
  }
  void Brush(std::uint32_t rgb) {
    const std::uint32_t handle = handles_++;
    Add(39, {handle, 0, ColourRef(rgb), 0});  // CREATEBRUSHINDIRECT, solid
    Add(37, {handle});                        // SELECTOBJECT
  }
  void NullPen() { Add(37, {0x80000008}); }  // SELECTOBJECT of the stock NULL_PEN
  void Rectangle(int left, int top, int right, int bottom) {
    Add(43, {U(left), U(top), U(right), U(bottom)});
  }
  void Ellipse(int left, int top, int right, int bottom) {
    Add(42, {U(left), U(top), U(right), U(bottom)});
  }
  void Polygon16(const std::vector<std::array<int, 2>>& points) {
    int left = points[0][0], top = points[0][1], right = left, bottom = top;
    for (const auto& point : points) {
      left = std::min(left, point[0]);
      right = std::max(right, point[0]);
      top = std::min(top, point[1]);
      bottom = std::max(bottom, point[1]);
    }
    PutLE32(bytes_, 86);
    PutLE32(bytes_, static_cast<std::uint32_t>(28 + 4 * points.size()));
    for (const int value : {left, top, right, bottom}) {
      PutLE32(bytes_, U(value));
    }
    PutLE32(bytes_, static_cast<std::uint32_t>(points.size()));
    for (const auto& point : points) {
      PutLE16(bytes_, static_cast<unsigned>(point[0]));
      PutLE16(bytes_, static_cast<unsigned>(point[1]));
    }
    ++records_;
  }

  std::string File(int width, int height) {
    Add(14, {0, 16, 20});  // EOF: no palette
    constexpr std::uint32_t kHeaderSize = 88;
    std::string out;
    PutLE32(out, 1);
    PutLE32(out, kHeaderSize);
    for (const int value : {0, 0, width - 1, height - 1}) {  // bounds, pixels
      PutLE32(out, U(value));
    }
    for (const int value : {0, 0, width * 2540 / 96, height * 2540 / 96}) {  // frame, 0.01 mm
      PutLE32(out, U(value));
    }
    out += " EMF";
    PutLE32(out, 0x10000);
    PutLE32(out, static_cast<std::uint32_t>(kHeaderSize + bytes_.size()));
    PutLE32(out, records_ + 1);
    PutLE16(out, handles_);
    PutLE16(out, 0);
    PutLE32(out, 0);  // no description
    PutLE32(out, 0);
    PutLE32(out, 0);  // no palette
    PutLE32(out, 1920);
    PutLE32(out, 1080);
    PutLE32(out, 508);
    PutLE32(out, 286);
    return out + bytes_;
  }

 private:
  static std::uint32_t U(int value) { return static_cast<std::uint32_t>(value); }

  std::string bytes_;
  std::uint32_t records_ = 0;
  unsigned handles_ = 1;  // handle 0 is the metafile itself
};

// --- the pictures -------------------------------------------------------------------------------

Canvas Sea() {
  Canvas canvas(240, 160);
  const double horizon = 92;
  canvas.Paint([&](int x, int y) {
    if (y < horizon) {
      return Mix(Hex(0x6EB5E0), Hex(0xFBE3C4), y / horizon);
    }
    const double depth = (y - horizon) / (160 - horizon);
    Colour water = Mix(Hex(0x2E86AB), Hex(0x0B3C5D), depth);
    // The sun's path on the water, and the crests of the waves.
    const double glitter = std::exp(-std::pow((x - 172) / (10 + 40 * depth), 2));
    water = Mix(water, Hex(0xFFE2A8), 0.55 * glitter * (0.6 + 0.4 * std::sin(y * 1.7)));
    const double crest = std::sin(x * 0.09 + std::sin(y * 0.5) * 2 + y * 0.8);
    return crest > 0.96 ? Mix(water, Hex(0xDDF3FF), 0.3) : water;
  });
  canvas.Disc(172, 62, 34, Hex(0xFFE9B8), 0.25);
  canvas.Disc(172, 62, 20, Hex(0xFFD27F));
  return canvas;
}

Canvas Sunset() {
  Canvas canvas(240, 160);
  canvas.Paint([](int, int y) {
    return y < 70 ? Mix(Hex(0x2D1B4E), Hex(0xB24A6B), y / 70.0)
                  : Mix(Hex(0xB24A6B), Hex(0xFF9A5A), (y - 70) / 50.0);
  });
  canvas.Disc(120, 112, 40, Hex(0xFFB36B), 0.3);
  canvas.Disc(120, 112, 26, Hex(0xFFD07A));
  canvas.Below([](double x) { return 108 + 9 * std::sin(x / 23.0) + 4 * std::sin(x / 7.0); },
               Hex(0x6A2C55));
  canvas.Below([](double x) { return 126 + 11 * std::sin(x / 17.0 + 1.3); }, Hex(0x2B1B33));
  return canvas;
}

// A night with the moon and a pine tree, taller than wide.
Canvas NightPortrait() {
  Canvas canvas(120, 180);
  canvas.Paint([](int, int y) { return Mix(Hex(0x0F2027), Hex(0x2C5364), y / 180.0); });
  Dice dice;
  for (int i = 0; i < 40; ++i) {
    canvas.Disc(dice.Next() * 120, dice.Next() * 110, 0.6 + dice.Next() * 0.6, Hex(0xFFFFFF),
                0.5 + dice.Next() * 0.5);
  }
  canvas.Disc(86, 34, 24, Hex(0xF5F3CE), 0.15);
  canvas.Disc(86, 34, 14, Hex(0xF5F3CE));
  for (int tier = 0; tier < 4; ++tier) {
    const double top = 62 + tier * 22;
    const double half = 14 + tier * 7;
    canvas.Below(
        [&](double x) {
          const double slope = std::abs(x - 46) / half;
          return slope >= 1 ? 1000.0 : top + slope * 34;
        },
        Hex(0x1B3A2F));
  }
  canvas.Below([](double) { return 164.0; }, Hex(0x10241C));
  return canvas;
}

Canvas Circles() {
  Canvas canvas(200, 150);
  canvas.Paint([](int x, int y) { return Mix(Hex(0xFDFCFB), Hex(0xE2D1C3), (x + y) / 350.0); });
  canvas.Disc(62, 68, 44, Hex(0xFF6B6B), 0.75);
  canvas.Disc(112, 56, 40, Hex(0x4ECDC4), 0.7);
  canvas.Disc(92, 100, 36, Hex(0xFFE66D), 0.7);
  canvas.Disc(150, 96, 34, Hex(0x1A535C), 0.65);
  return canvas;
}

Canvas Tiles() {
  Canvas canvas(128, 96);
  const std::array<std::array<std::uint32_t, 2>, 4> pairs = {
      {{0xF9C74F, 0xF8961E}, {0x90BE6D, 0x43AA8B}, {0x577590, 0x277DA1}, {0xF94144, 0xF3722C}}};
  canvas.Paint([&](int x, int y) {
    const auto& pair = pairs[static_cast<std::size_t>((x / 32 + y / 32) % 4)];
    return Mix(Hex(pair[0]), Hex(pair[1]), ((x % 32) + (y % 32)) / 62.0);
  });
  for (int ty = 0; ty < 3; ++ty) {
    for (int tx = 0; tx < 4; ++tx) {
      canvas.Disc(tx * 32 + 16, ty * 32 + 16, 7, Hex(0xFFFFFF), 0.55);
    }
  }
  return canvas;
}

std::string Stripes() {
  constexpr int kWidth = 200;
  constexpr int kHeight = 150;
  std::array<Colour, 256> palette{};
  const std::array<std::uint32_t, 8> hues = {0xE63946, 0xF4A261, 0xE9C46A, 0x2A9D8F,
                                             0x264653, 0x457B9D, 0x8E7DBE, 0xD4A5A5};
  for (int hue = 0; hue < 16; ++hue) {
    for (int shade = 0; shade < 16; ++shade) {
      const Colour base = Hex(hues[static_cast<std::size_t>(hue % 8)]);
      palette[static_cast<std::size_t>(hue * 16 + shade)] =
          Mix(base, Hex(0xFFFFFF), shade / 18.0 + (hue >= 8 ? 0.1 : 0.0));
    }
  }
  std::vector<std::uint8_t> indexes;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int band = ((x + y) / 14) % 16;
      const int shade = y * 16 / kHeight;
      indexes.push_back(static_cast<std::uint8_t>(band * 16 + shade));
    }
  }
  std::string palette_rgb;
  for (const Colour& c : palette) {
    palette_rgb +=
        {static_cast<char>(Byte(c.r)), static_cast<char>(Byte(c.g)), static_cast<char>(Byte(c.b))};
  }
  return MakeIndexedGif(kWidth, kHeight, palette_rgb, indexes);
}

std::string Star() {
  constexpr int kExtent = 1440;  // one inch
  WmfRecords wmf;
  wmf.Add(0x020B, {0, 0});              // SETWINDOWORG
  wmf.Add(0x020C, {kExtent, kExtent});  // SETWINDOWEXT
  wmf.Brush(0xFFD166);
  wmf.Pen(0xEF476F, 30);
  wmf.Add(0x0418, {1340, 1340, 100, 100});  // ELLIPSE: bottom, right, top, left
  wmf.Brush(0x118AB2);
  std::vector<std::array<int, 2>> points;
  for (int i = 0; i < 10; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double radius = i % 2 == 0 ? 560 : 230;
    points.push_back({static_cast<int>(std::lround(720 + radius * std::cos(angle))),
                      static_cast<int>(std::lround(740 + radius * std::sin(angle)))});
  }
  wmf.Polygon(points);
  return wmf.File(kExtent, 1440);
}

std::string Waves() {
  constexpr int kWidth = 128;
  constexpr int kHeight = 96;
  EmfRecords emf;
  emf.NullPen();
  emf.Brush(0xA8DADC);
  emf.Rectangle(0, 0, kWidth, kHeight);
  emf.Brush(0xF4A261);
  emf.Ellipse(76, 12, 108, 44);
  for (const auto& [colour, base] : {std::pair{0x457B9Du, 52}, std::pair{0x1D3557u, 70}}) {
    emf.Brush(colour);
    std::vector<std::array<int, 2>> points;
    for (int x = 0; x <= kWidth; x += 8) {
      points.push_back({x, base + static_cast<int>(std::lround(6 * std::sin(x / 10.0 + base)))});
    }
    points.push_back({kWidth, kHeight});
    points.push_back({0, kHeight});
    emf.Polygon16(points);
  }
  return emf.File(kWidth, kHeight);
}

bool Write(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_sample_pictures: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%7zu  %s\n", bytes.size(), path.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_pictures FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  bool ok = true;
  ok &= Write(folder / "sea.jpg", Jpeg(Sea()));
  ok &= Write(folder / "風景" / "sunset.jpg", Jpeg(Sunset()));
  // Stored on its side, as a camera held upright writes it, and turned back by its EXIF tag.
  ok &= Write(folder / "風景" / "night.jpg", Jpeg(NightPortrait().StoredForOrientation6(), 6));
  ok &= Write(folder / "shapes" / "circles.png", Png(Circles()));
  ok &= Write(folder / "shapes" / "stripes.gif", Stripes());
  ok &= Write(folder / "shapes" / "tiles.bmp", Bmp(Tiles()));
  ok &= Write(folder / "metafiles" / "star.wmf", Star());
  ok &= Write(folder / "metafiles" / "waves.emf", Waves());
  return ok ? 0 : 1;
}
