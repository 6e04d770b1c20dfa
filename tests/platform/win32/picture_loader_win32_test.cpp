// The system's picture loader (OleLoadPicture): sizes in HIMETRIC, turned into pixels at the
// screen's resolution.

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/picture_loader.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using testing::TempFolder;

std::string Load(PictureLoader& loader, const std::string& path) {
  const std::optional<PixelSize> size = loader.LoadSize(path, {});
  return size ? std::to_string(size->width) + "x" + std::to_string(size->height) : "failure";
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

TEST(PictureLoaderWin32, SizesAsTheSystemShowsThem) {
  if (ScreenDpi() != 96) {
    GTEST_SKIP() << "the sizes below hold at 96 DPI; the screen has " << ScreenDpi();
  }
  TempFolder folder;
  struct Case {
    const char* name;
    std::string bytes;
    const char* size;
  };
  const std::vector<Case> cases = {
      // Placeable WMF: the box at its units per inch.
      {"box.wmf", testing::MakeWmf({0, 0, 750, 945, 1440}), "50x63"},
      {"moved.wmf", testing::MakeWmf({100, 200, 1060, 920, 96}), "960x720"},
      {"inch.wmf", testing::MakeWmf({0, 0, 1000, 500, 1000}), "96x48"},
      // EMF: the frame in 0.01 mm, 2540 to the inch.
      {"frame.emf", testing::MakeEmf({0, 0, 2646, 1323}), "100x50"},
      {"a4.emf", testing::MakeEmf({0, 0, 21000, 29700}), "794x1123"},
      // Bitmaps: their pixels, whatever resolution the file states (JPEG and the core header
      // through the loader in collect/measure_test).
      {"info.bmp", testing::MakeBmp(37, 21), "37x21"},
      {"top-down.bmp", testing::MakeBmp(5, 7, testing::BmpKind::kInfoTopDown), "5x7"},
  };
  const auto loader = MakePictureLoader();
  for (const Case& c : cases) {
    EXPECT_EQ(Load(*loader, folder.WriteFile(c.name, c.bytes)), c.size) << c.name;
  }
}

TEST(PictureLoaderWin32, WhatTheLoaderDoesNotTake) {
  TempFolder folder;
  std::string no_placeable = testing::MakeWmf({0, 0, 750, 945, 1440}).substr(22);
  const std::vector<std::string> paths = {
      folder.WriteFile("inverted.emf", testing::MakeEmf({100, 100, 0, 0})),
      folder.WriteFile("empty.emf", testing::MakeEmf({0, 0, 0, 0})),
      folder.WriteFile("plain.wmf", no_placeable),
      folder.WriteFile("a.gif", testing::MakeGif(10, 10)),
      folder.WriteFile("a.png", testing::MakePng(10, 10)),
      folder.WriteFile("cut.jpg", testing::Truncated(testing::MakeJpeg(10, 10), 40)),
      folder.WriteFile("text.bmp", "not a picture"),
      folder.WriteFile("empty.jpg", ""),
      // No frame header within the walk's bounds: never handed to the system's loader, which
      // would read all of it.
      folder.WriteFile("nothing.jpg", "\xFF\xD8" + std::string(1 << 20, '\0') + "\xFF\xD9"),
      folder.MakeFolder("folder.jpg"),
      folder.Path("missing.bmp"),
  };
  const auto loader = MakePictureLoader();
  for (const std::string& path : paths) {
    EXPECT_EQ(Load(*loader, path), "failure") << path;
  }
  // A cancel before the system's loader is asked stops the picture there.
  const std::string jpeg = folder.WriteFile("fine.jpg", testing::MakeJpeg(10, 10));
  EXPECT_FALSE(loader->LoadSize(jpeg, [] { return true; }));
  EXPECT_TRUE(loader->LoadSize(jpeg, [] { return false; }));
}

}  // namespace
}  // namespace pictavue
