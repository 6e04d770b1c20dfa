#include "collect/measure.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/cases.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using namespace testing;

const std::string kBuildFolder = PICTAVUE_PLUGIN_FOLDER;
const bool kPosix = NativePathStyle() == PathStyle::kPosix;

Plugins BuiltPlugins() {
  return Plugins::Load(kBuildFolder, CodePage("UTF-8"));
}

// The platform's loader, counting the files handed to it.
class CountingLoader final : public PictureLoader {
 public:
  std::optional<PixelSize> LoadSize(const std::string& path, const CancelPoll& cancelled) override {
    ++calls;
    return real_->LoadSize(path, cancelled);
  }
  int calls = 0;

 private:
  std::unique_ptr<PictureLoader> real_ = MakePictureLoader();
};

std::string Measure(const std::string& folder, const std::string& name, const Plugins& plugins,
                    int* loader_calls = nullptr) {
  CountingLoader loader;
  const MeasuredSize size = MeasurePicture({folder, name}, plugins, loader);
  if (loader_calls != nullptr) {
    *loader_calls = loader.calls;
  }
  return std::to_string(size.Width) + "x" + std::to_string(size.Height);
}

struct Case {
  const char* file_name;
  std::string bytes;  // nothing is written for kNoFile
  std::string expected;
  bool loaded;  // handed to the loader
};
const std::string kNoFile = "<none>";

void ExpectMeasures(const Plugins& plugins, const std::vector<Case>& cases,
                    const TempFolder& folder = TempFolder()) {
  const std::string path = folder.Path() + Separator(NativePathStyle());
  for (const Case& c : cases) {
    if (c.bytes != kNoFile) {
      folder.WriteFile(c.file_name, c.bytes);
    }
    int calls = 0;
    EXPECT_EQ(Measure(path, c.file_name, plugins, &calls), c.expected) << c.file_name;
    EXPECT_EQ(calls, c.loaded ? 1 : 0) << c.file_name;
  }
}

TEST(Measure, RoutesSidesAndTheEndMarker) {
  const std::map<std::string, MeasureRoute> routes = {
      {"gif header", MeasureRoute::kGifHeader},   {"bmp header", MeasureRoute::kBmpHeader},
      {"loader", MeasureRoute::kLoader},          {"wmf plug-in", MeasureRoute::kWmfPlugin},
      {"jpeg loader", MeasureRoute::kJpegLoader}, {"jpeg plug-in", MeasureRoute::kJpegPlugin},
      {"png plug-in", MeasureRoute::kPngPlugin},  {"none", MeasureRoute::kNone}};
  for (const auto& c : CaseTable("collect/collect.txt", "routes")) {
    EXPECT_EQ(ChooseMeasureRoute(c[0], PluginNames()), routes.at(c[1])) << c;
    EXPECT_EQ(ChooseMeasureRoute(c[0], PluginNames{"J", "P", "W"}), routes.at(c[2])) << c;
  }
  for (const auto& [side, fits] : {std::pair<std::int64_t, bool>{32767, true},
                                   {-32768, true},
                                   {32768, false},
                                   {-32769, false},
                                   {4294967296, false}}) {
    EXPECT_EQ(FitSide(side), fits ? std::optional<std::int16_t>(side) : std::nullopt) << side;
  }
  TempFolder folder;
  const std::string jpeg = MakeJpeg(16, 16);
  const std::pair<std::string, bool> ends[] = {
      {folder.WriteFile("whole.jpg", jpeg), true},
      {folder.WriteFile("cut.jpg", jpeg.substr(0, jpeg.size() - 1)), false},
      {folder.WriteFile("one.jpg", "\xD9"), false},
      {folder.WriteFile("empty.jpg", ""), false},
      // Beyond the first block the end is read on its own, at the length the open file gives.
      {folder.WriteFile("long.jpg", std::string(10000, 'x') + "\xFF\xD9"), true},
      {folder.WriteFile("long-cut.jpg", std::string(10000, 'x') + "\xFF\xD9x"), false},
      {folder.WriteFile("block.jpg", std::string(4094, 'x') + "\xFF\xD9"), true},
      {folder.WriteFile("block-and-one.jpg", std::string(4095, 'x') + "\xFF\xD9"), true},
      {folder.MakeFolder("folder.jpg"), false},
      {folder.Path("missing.jpg"), false},
  };
  for (const auto& [path, expected] : ends) {
    EXPECT_EQ(JpegHasEndMarker(path), expected) << path;
  }
}

TEST(Measure, EachKindWithAndWithoutThePlugins) {
  const std::string wmf = MakeWmf({0, 0, 750, 945, 1440});
  ExpectMeasures(Plugins(),
                 {
                     {"a.gif", std::string("GIF89a\x80\x02\xE0\x01", 10), "640x480", false},
                     {"wide.gif", MakeGif(40000, 1), "50x1", false},
                     {"short.gif", std::string("GIF89a\x80\x02\xE0", 9), "640x50", false},
                     {"gone.gif", kNoFile, "50x50", false},
                     {"a.bmp", MakeBmp(1024, 768), "1024x768", false},
                     {"wide.bmp", MakeBmp(70000, 2), "50x2", true},
                     {"top-down.bmp", MakeBmp(20, 10, BmpKind::kInfoTopDown), "20x10", false},
                     {"core.bmp", MakeBmp(30, 40, BmpKind::kCore), "30x40", true},
                     {"junk.bmp", "BM", "50x50", true},
                     {"gone.bmp", kNoFile, "50x50", true},
                     {"a.jpg", MakeJpeg(640, 480), "640x480", true},
                     // Windows' own loader takes no notice of the EXIF orientation; ours turns as a
                     // browser does.
                     {"turned.jpg", MakeJpeg(640, 480, 6), kPosix ? "480x640" : "640x480", true},
                     {"no-end.jpg", MakeJpeg(640, 480).substr(0, 400), "50x50", false},
                     {"one-byte.jpg", "\xFF", "50x50", false},
                     {"only-end.jpg", "\xFF\xD9", "50x50", true},
                     {"a.png", MakePng(30, 20), "50x50", false},
                     {"a.wmf", wmf, "50x63", true},
                     {"not-placeable.wmf", Truncated(wmf, 10), "50x50", true},
                     {"a.emf", MakeEmf({0, 0, 2540, 1270}), "96x48", true},
                     {"huge.emf", MakeEmf({0, 0, 2540000, 1270}), "50x48", true},
                     {"a.jpe", MakeJpeg(8, 8), "50x50", false},
                 });
  JpegOptions headers_only;
  headers_only.with_scan = false;
  ExpectMeasures(BuiltPlugins(),
                 {
                     {"a.jpg", MakeJpeg(640, 480), "640x480", false},
                     {"no-end.jpg", MakeJpeg(640, 480).substr(0, 400), "640x480", false},
                     {"wide.jpg", MakeJpeg(40000, 30, headers_only), "50x30", false},
                     {"a.png", MakePng(300, 200), "300x200", false},
                     {"broken.png", Truncated(MakePng(300, 200), 20), "50x50", false},
                     {"a.wmf", wmf, "50x63", false},
                     {"a.emf", MakeEmf({0, 0, 2540, 1270}), "96x48", true},
                     {"gone.jpg", kNoFile, "50x50", false},
                 });
}

// A program folder without ifjpeg.spi and ifwmf.spi measures JPEG and WMF as if there had never
// been such plug-ins; a plug-in that fails leaves 50 and does not hand the file to the loader.
TEST(Measure, MissingAndFailingPlugins) {
  TempFolder program;
  fs::copy_file(fs::path(kBuildFolder) / "ifpng.spi", program.path() / "ifpng.spi");
  ExpectMeasures(Plugins::Load(program.Path(), CodePage("UTF-8")),
                 {
                     {"a.jpg", MakeJpeg(64, 48), "64x48", true},
                     {"no-end.jpg", Truncated(MakeJpeg(64, 48), 200), "50x50", false},
                     {"a.wmf", MakeWmf({0, 0, 750, 945, 1440}), "50x63", true},
                     {"a.png", MakePng(30, 20), "30x20", false},
                 });
  TempFolder failing;
  for (const char* name : {"ifpng.spi", "ifjpeg.spi"}) {
    fs::copy_file(fs::path(kBuildFolder) / "test_scripted_plugin.spi", failing.path() / name);
  }
  ExpectMeasures(Plugins::Load(failing.Path(), CodePage("UTF-8")),
                 {
                     {"error.png", "3 640 480", "50x50", false},
                     {"fine.png", "0 640 480", "640x480", false},
                     {"tall.png", "0 640 40000", "640x50", false},
                     {"negative.png", "0 -5 7", "-5x7", false},
                     {"error.jpg", "6 640 480", "50x50", false},
                 });
}

TEST(Measure, FilesThatCannotBeRead) {
  TempFolder folder;
  for (const char* name : {"x.jpg", "x.gif", "x.bmp"}) {
    folder.MakeFolder(name);
  }
  std::vector<Case> cases = {
      {"x.jpg", kNoFile, "50x50", false},
      {"x.gif", kNoFile, "50x50", false},
      {"x.bmp", kNoFile, "50x50", true},
  };
  std::vector<Case> without_plugins = {{"x.jpg", kNoFile, "50x50", false}};
  if (MakeFifo(folder.Path("pipe.gif")) && MakeFifo(folder.Path("pipe.wmf"))) {
    // Reading a process's own memory at address 0 fails, for any user.
    fs::create_symlink("/proc/self/mem", folder.path() / "mem.bmp");
    fs::create_symlink("/proc/self/mem", folder.path() / "mem.jpg");
    // A picture that became a pipe after its listing is never waited on.
    MakeFifo(folder.Path("pipe.bmp"));
    MakeFifo(folder.Path("pipe.jpg"));
    cases.insert(cases.end(), {{"pipe.gif", kNoFile, "50x50", false},
                               {"pipe.wmf", kNoFile, "50x50", false},
                               {"pipe.bmp", kNoFile, "50x50", true},
                               {"pipe.jpg", kNoFile, "50x50", false},
                               {"mem.bmp", kNoFile, "50x50", true},
                               {"mem.jpg", kNoFile, "50x50", false}});
    without_plugins.push_back({"pipe.wmf", kNoFile, "50x50", true});
  }
  ExpectMeasures(BuiltPlugins(), cases, folder);
  ExpectMeasures(Plugins(), without_plugins, folder);
}

}  // namespace
}  // namespace pictavue
