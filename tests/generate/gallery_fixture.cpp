#include "generate/gallery_fixture.h"

#include <cstdlib>

#include "generate/page_layout.h"
#include "support/temp_folder.h"

namespace pictavue::testing {
namespace {

ImageEntry Entry(std::string folder, std::string name, int width, int height, std::int64_t bytes) {
  ImageEntry entry;
  entry.Folder = std::move(folder);
  entry.FileName = std::move(name);
  entry.Width = static_cast<std::int16_t>(width);
  entry.Height = static_cast<std::int16_t>(height);
  entry.ByteSize = bytes;
  return entry;
}

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
      Entry("C:\\Photos\\", "a.jpg", 640, 480, 123456),
      Entry("C:\\Photos\\Trip\\", "c.png", 200, 300, 1250),
      Entry("C:\\Photos\\Trip\\", "it's.gif", 300, 200, 9999),
      Entry("C:\\Photos\\Trip\\Day 2\\", "d.jpg", 1024, 768, 1234567),
      Entry("C:\\Photos\\Trip\\Day 2\\", "e.bmp", 50, 50, 0),
  });
}

RunState PosixTree() {
  return StateOf({
      Entry("/home/me/Photos/", "a\"b<c>.jpg", 120, 90, 2048),
      Entry("/home/me/Photos/", "50% #1?.jpg", 80, 60, 1000),
      Entry("/home/me/Photos/", "it's & co.jpg", 300, 300, 45000),
      Entry("/home/me/Photos/", "back\\slash.gif", 100, 101, 999),
      Entry("/home/me/Photos/", "bad\xE9name.jpg", 640, 480, 5),
      Entry("/home/me/Photos/写真 <2025>/", "夏 休み.png", 480, 640, 1234567),
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
