// Times MeasurePicture over many small JPEGs, with the JPEG plug-in and without it (end-marker
// check, then the loader), next to a floor of opening each file and reading its first bytes.
//
//   measure_benchmark [COUNT]     10000 pictures when COUNT is not given

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "collect/measure.h"
#include "run_corpus.h"

namespace {

double MicrosecondsPerPicture(const std::vector<pictavue::ImageEntry>& entries,
                              const std::function<void(const pictavue::ImageEntry&)>& measure) {
  const auto start = std::chrono::steady_clock::now();
  for (const pictavue::ImageEntry& entry : entries) {
    measure(entry);
  }
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / static_cast<double>(entries.size());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pictavue;
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  if (count <= 0) {
    std::fprintf(stderr, "usage: measure_benchmark [COUNT]\n");
    return 2;
  }
  bench::ScratchFolder folder;
  std::vector<ImageEntry> entries;
  for (int i = 0; i < count; ++i) {
    ImageEntry entry;
    entry.Folder = folder.Path() + "/";
    entry.FileName = "p" + std::to_string(i) + ".jpg";
    folder.WriteFile(entry.FileName, testing::MakeJpeg(160 + i % 7, 120, i % 2 == 0 ? 6 : 0));
    entries.push_back(entry);
  }

  const Plugins plugins = Plugins::Load(PICTAVUE_PLUGIN_FOLDER, CodePage("UTF-8"));
  if (plugins.names().JpegPluginName.empty()) {
    std::fprintf(stderr, "measure_benchmark: ifjpeg.spi not found in %s\n", PICTAVUE_PLUGIN_FOLDER);
    return 1;
  }
  const Plugins none;
  const auto loader = MakePictureLoader();
  long checksum = 0;

  const double floor = MicrosecondsPerPicture(entries, [&](const ImageEntry& entry) {
    std::ifstream in(entry.Folder + entry.FileName, std::ios::binary);
    char header[512];
    in.read(header, sizeof header);
    checksum += header[0];
  });
  const double with_plugin = MicrosecondsPerPicture(entries, [&](const ImageEntry& entry) {
    checksum += MeasurePicture(entry, plugins, *loader).Width;
  });
  const double without_plugin = MicrosecondsPerPicture(entries, [&](const ImageEntry& entry) {
    checksum += MeasurePicture(entry, none, *loader).Width;
  });
  std::printf("%d JPEG files, microseconds per picture (checksum %ld)\n", count, checksum);
  std::printf("  floor (open, read 512 bytes, close): %8.2f\n", floor);
  std::printf("  with ifjpeg.spi:                     %8.2f\n", with_plugin);
  std::printf("  without (end marker, then loader):   %8.2f\n", without_plugin);
  return 0;
}
