#include "generate/gallery_fixture.h"

#include <cstdlib>

#include "generate/page_layout.h"
#include "support/temp_folder.h"

namespace pictavue::testing {
namespace {

RunState StateOf(std::vector<ImageEntry> entries) {
  RunState run;
  for (ImageEntry& entry : entries) {
    EXPECT_TRUE(AppendImage(run, std::move(entry)));
  }
  return run;
}

}  // namespace

RunState WindowsTree() {
  return StateOf({
      {"C:\\Photos\\", "a.jpg", 123456, 640, 480},
      {"C:\\Photos\\Trip\\", "c.png", 1250, 200, 300},
      {"C:\\Photos\\Trip\\", "it's.gif", 9999, 300, 200},
      {"C:\\Photos\\Trip\\Day 2\\", "d.jpg", 1234567, 1024, 768},
      {"C:\\Photos\\Trip\\Day 2\\", "e.bmp", 0, 50, 50},
  });
}

RunState PosixTree() {
  return StateOf({
      {"/home/me/Photos/", "a\"b<c>.jpg", 2048, 120, 90},
      {"/home/me/Photos/", "50% #1?.jpg", 1000, 80, 60},
      {"/home/me/Photos/", "it's & co.jpg", 45000, 300, 300},
      {"/home/me/Photos/", "back\\slash.gif", 999, 100, 101},
      {"/home/me/Photos/", "bad\xE9name.jpg", 5, 640, 480},
      {"/home/me/Photos/写真 <2025>/", "夏 休み.png", 1234567, 480, 640},
  });
}

GalleryOptions OptionsFor(std::string_view search_dir, std::string_view ipp_text, RunState& run) {
  GalleryOptions options;
  options.SearchDir = std::string(search_dir);
  if (ipp_text.empty()) {
    options.IPP = kIppUnlimited;
    run.PageCount = 1;
    return options;
  }
  options.IPP = kNoListPosition;
  options.IppFree = std::string(ipp_text);
  run.ImagesPerPage = ImagesPerPage(ipp_text).value_or(0);
  run.PageCount = PageCount(run.ImageCount, run.ImagesPerPage);
  return options;
}

std::string Golden(std::string_view name) {
  const char* source = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  const std::string path =
      std::string(source == nullptr ? "." : source) + "/tests/generate/golden/" + std::string(name);
  std::string bytes = ReadFileBytes(path);
  EXPECT_FALSE(bytes.empty()) << "missing golden file " << path;
  return bytes;
}

}  // namespace pictavue::testing
