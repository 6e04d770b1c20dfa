// The plug-ins' GetPictureInfo in memory mode, for each of the three formats, and IsSupported
// on the first 2 KiB.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fuzz_seeds.h"
#include "plugins/plugin_entry.h"
#include "tools/picture_writers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using pictavue::plugins::PluginFormat;
  std::array<char, 2048> first{};
  std::memcpy(first.data(), data, std::min(size, first.size()));
  for (const PluginFormat format :
       {PluginFormat::kJpeg, PluginFormat::kPng, PluginFormat::kMetafile}) {
    pictavue::PictureInfo info{};
    const int result = pictavue::plugins::PluginPictureInfo(
        format, reinterpret_cast<const char*>(data), static_cast<long>(size), 1, &info);
    if (result == pictavue::kPluginSuccess && (info.width < 0 || info.height < 0)) {
      std::abort();
    }
    if (result != 0 && result != 2 && result != 3) {
      std::abort();
    }
    (void)pictavue::plugins::PluginIsSupported(format, "", first.data());
  }
  return 0;
}

PICTAVUE_FUZZ_SEEDS(plugin_entry) {
  using namespace pictavue::testing;
  return {{"jpeg", MakeJpeg(8, 8, 6)},
          {"png", MakePng(3, 2)},
          {"wmf", MakeWmf({0, 0, 750, 945, 1440})},
          {"emf", MakeEmf({0, 0, 2540, 2540})}};
}
