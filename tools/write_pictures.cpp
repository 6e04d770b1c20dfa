// Writes the pictures a test names, so that scripts (the browser tests) build their fixture trees
// from our own picture writers. Usage: pictavue_write_pictures ROOT < LIST
//
// Each line of LIST is KIND TAB WIDTH TAB HEIGHT TAB PATH [TAB COLOUR], PATH relative to ROOT
// and taken byte for byte; folders on the way are made. KIND is one of jpeg, jpeg-exif6 (an
// EXIF orientation that turns the picture a quarter), png, gif, bmp, bmp-core, bmp-topdown, wmf,
// emf. COLOUR is six hexadecimal digits. Metafiles are given their size in pixels at 96 DPI.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tools/picture_writers.h"

namespace {

namespace fs = std::filesystem;
using namespace pictavue::testing;

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  for (;;) {
    const auto tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) {
      return fields;
    }
    start = tab + 1;
  }
}

std::optional<Rgb> ParseColour(const std::string& text) {
  if (text.size() != 6) {
    return std::nullopt;
  }
  char* end = nullptr;
  const unsigned long value = std::strtoul(text.c_str(), &end, 16);
  if (end != text.c_str() + text.size()) {
    return std::nullopt;
  }
  return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
             static_cast<std::uint8_t>(value)};
}

// Hundredths of a millimetre that the 96-DPI rule turns back into pixels.
std::int32_t EmfExtent(int pixels) {
  return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0));
}

std::optional<std::string> MakePicture(const std::string& kind, int width, int height, Rgb colour) {
  if (kind == "jpeg" || kind == "jpeg-exif6") {
    JpegOptions options;
    options.colour = colour;
    options.exif_orientation = kind == "jpeg" ? 0 : 6;
    return MakeJpeg(width, height, options);
  }
  if (kind == "png") {
    return MakePng(width, height, colour);
  }
  if (kind == "gif") {
    return MakeGif(width, height, colour);
  }
  if (kind == "bmp") {
    return MakeBmp(width, height, BmpKind::kInfo, colour);
  }
  if (kind == "bmp-core") {
    return MakeBmp(width, height, BmpKind::kCore, colour);
  }
  if (kind == "bmp-topdown") {
    return MakeBmp(width, height, BmpKind::kInfoTopDown, colour);
  }
  if (kind == "wmf") {
    // 1440 units per inch: 15 units a pixel at 96 DPI.
    return MakeWmf(WmfBox{0, 0, static_cast<std::int16_t>(width * 15),
                          static_cast<std::int16_t>(height * 15), 1440});
  }
  if (kind == "emf") {
    return MakeEmf(EmfFrame{0, 0, EmfExtent(width), EmfExtent(height)});
  }
  return std::nullopt;
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: pictavue_write_pictures ROOT < LIST\n";
    return 2;
  }
  const fs::path root = argv[1];
  std::string line;
  int line_number = 0;
  while (std::getline(std::cin, line)) {
    ++line_number;
    if (line.empty()) {
      continue;
    }
    const std::vector<std::string> fields = SplitTabs(line);
    const int width = fields.size() >= 4 ? std::atoi(fields[1].c_str()) : 0;
    const int height = fields.size() >= 4 ? std::atoi(fields[2].c_str()) : 0;
    const std::optional<Rgb> colour = fields.size() >= 5 ? ParseColour(fields[4]) : Rgb{};
    const std::optional<std::string> bytes = width > 0 && height > 0 && colour
                                                 ? MakePicture(fields[0], width, height, *colour)
                                                 : std::nullopt;
    if (!bytes || fields[3].empty()) {
      std::cerr << "line " << line_number << ": cannot make this picture: " << line << "\n";
      return 1;
    }
    if (!WriteBytes(root / fields[3], *bytes)) {
      std::cerr << "line " << line_number << ": cannot write " << fields[3] << "\n";
      return 1;
    }
  }
  return 0;
}
