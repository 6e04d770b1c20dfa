// Builds a reproducible tree of small pictures for the benchmark: the cost under test is finding
// and measuring files, so the pictures are real but tiny.
//
//   pictavue_make_corpus [--seed S] [--files N] [--folders M] [--flat] ROOT
//
// Spread out (the default): N pictures over M folders below ROOT, nested up to three levels.
// Flat (--flat): N pictures in ROOT itself, plus M subfolders of ten pictures each.
// Kinds: 40 % JPEG with an EXIF block, 25 % PNG, 15 % GIF, 10 % BMP, 5 % WMF, 5 % EMF.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tools/picture_writers.h"

namespace {

namespace fs = std::filesystem;
using namespace pictavue::testing;

struct Request {
  std::uint64_t seed = 1;
  int files = 2000;
  int folders = 40;
  bool flat = false;
  fs::path root;
};

enum class Kind { kJpeg, kPng, kGif, kBmp, kWmf, kEmf };

struct Share {
  Kind kind;
  int percent;
};
constexpr Share kShares[] = {{Kind::kJpeg, 40}, {Kind::kPng, 25}, {Kind::kGif, 15},
                             {Kind::kBmp, 10},  {Kind::kWmf, 5},  {Kind::kEmf, 5}};

// The kinds of count files in the shares above (rounded down, the rest JPEG), shuffled.
std::vector<Kind> KindsOf(int count, std::mt19937_64& random) {
  std::vector<Kind> kinds;
  kinds.reserve(static_cast<std::size_t>(count));
  for (const Share& share : kShares) {
    kinds.insert(kinds.end(), static_cast<std::size_t>(count * share.percent / 100), share.kind);
  }
  while (static_cast<int>(kinds.size()) < count) {
    kinds.push_back(Kind::kJpeg);
  }
  std::shuffle(kinds.begin(), kinds.end(), random);
  return kinds;
}

int Between(std::mt19937_64& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

// Names as cameras and people give them, with the extension's letter case varied a little.
std::string FileName(Kind kind, int number, std::mt19937_64& random) {
  static constexpr std::string_view kStems[] = {"IMG_", "DSC", "photo ", "scan-", "写真"};
  const std::string_view stem = kStems[static_cast<std::size_t>(Between(random, 0, 4))];
  std::string name(stem);
  name += std::to_string(10000 + number);
  const bool upper = Between(random, 0, 9) == 0;
  switch (kind) {
    case Kind::kJpeg:
      return name + (upper ? ".JPG" : ".jpg");
    case Kind::kPng:
      return name + (upper ? ".PNG" : ".png");
    case Kind::kGif:
      return name + ".gif";
    case Kind::kBmp:
      return name + ".bmp";
    case Kind::kWmf:
      return name + ".wmf";
    case Kind::kEmf:
      return name + ".emf";
  }
  return name;
}

std::string Picture(Kind kind, std::mt19937_64& random) {
  const int width = Between(random, 8, 64);
  const int height = Between(random, 8, 64);
  const Rgb colour{static_cast<std::uint8_t>(Between(random, 0, 255)),
                   static_cast<std::uint8_t>(Between(random, 0, 255)),
                   static_cast<std::uint8_t>(Between(random, 0, 255))};
  switch (kind) {
    case Kind::kJpeg: {
      JpegOptions options;
      options.exif_orientation = Between(random, 1, 8);
      options.big_endian_exif = Between(random, 0, 1) == 1;
      options.colour = colour;
      return MakeJpeg(width, height, options);
    }
    case Kind::kPng:
      return MakePng(width, height, colour);
    case Kind::kGif:
      return MakeGif(width, height, colour);
    case Kind::kBmp:
      return MakeBmp(width, height, BmpKind::kInfo, colour);
    case Kind::kWmf:
      return MakeWmf(WmfBox{0, 0, static_cast<std::int16_t>(width * 15),
                            static_cast<std::int16_t>(height * 15), 1440});
    case Kind::kEmf:
      return MakeEmf(EmfFrame{0, 0, static_cast<std::int32_t>(std::lround(width * 26.4583)),
                              static_cast<std::int32_t>(std::lround(height * 26.4583))});
  }
  return {};
}

// Folders below root, each placed under root or under an earlier folder less than three deep.
std::vector<fs::path> SpreadFolders(const fs::path& root, int count, std::mt19937_64& random) {
  struct Folder {
    fs::path path;
    int depth;
  };
  std::vector<Folder> folders;
  std::vector<fs::path> paths;
  for (int i = 0; i < count; ++i) {
    std::vector<const Folder*> parents;
    for (const Folder& folder : folders) {
      if (folder.depth < 3) {
        parents.push_back(&folder);
      }
    }
    const int pick = Between(random, 0, static_cast<int>(parents.size()));
    const fs::path parent = pick == 0 ? root : parents[static_cast<std::size_t>(pick - 1)]->path;
    const int depth = pick == 0 ? 1 : parents[static_cast<std::size_t>(pick - 1)]->depth + 1;
    static constexpr std::string_view kNames[] = {"album ", "trip-", "2024_", "家族", "misc"};
    std::string name(kNames[static_cast<std::size_t>(Between(random, 0, 4))]);
    name += std::to_string(100 + i);
    folders.push_back({parent / name, depth});
    paths.push_back(folders.back().path);
  }
  return paths;
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool ParseArguments(int argc, char** argv, Request& request) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool has_value = i + 1 < argc;
    if (argument == "--seed" && has_value) {
      request.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (argument == "--files" && has_value) {
      request.files = std::atoi(argv[++i]);
    } else if (argument == "--folders" && has_value) {
      request.folders = std::atoi(argv[++i]);
    } else if (argument == "--flat") {
      request.flat = true;
    } else if (request.root.empty() && !argument.starts_with("--")) {
      request.root = argument;
    } else {
      return false;
    }
  }
  return !request.root.empty() && request.files >= 0 && request.folders >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  Request request;
  if (!ParseArguments(argc, argv, request)) {
    std::cerr << "usage: pictavue_make_corpus [--seed S] [--files N] [--folders M] [--flat] "
                 "ROOT\n";
    return 2;
  }
  std::mt19937_64 random(request.seed);
  std::error_code error;
  if (fs::exists(request.root, error)) {
    std::cerr << request.root << " already exists\n";
    return 1;
  }
  fs::create_directories(request.root);

  // Where each picture goes.
  std::vector<fs::path> homes;
  if (request.flat) {
    homes.assign(static_cast<std::size_t>(request.files), request.root);
    for (int i = 0; i < request.folders; ++i) {
      const fs::path sub = request.root / ("sub " + std::to_string(i + 1));
      homes.insert(homes.end(), 10, sub);
    }
  } else {
    const std::vector<fs::path> folders = SpreadFolders(request.root, request.folders, random);
    for (int i = 0; i < request.files; ++i) {
      homes.push_back(folders.empty() ? request.root
                                      : folders[static_cast<std::size_t>(Between(
                                            random, 0, static_cast<int>(folders.size()) - 1))]);
    }
    for (const fs::path& folder : folders) {
      fs::create_directories(folder);  // empty ones too
    }
  }

  const std::vector<Kind> kinds = KindsOf(static_cast<int>(homes.size()), random);
  for (std::size_t i = 0; i < homes.size(); ++i) {
    fs::create_directories(homes[i]);
    const fs::path path = homes[i] / FileName(kinds[i], static_cast<int>(i), random);
    if (!WriteBytes(path, Picture(kinds[i], random))) {
      std::cerr << "cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
