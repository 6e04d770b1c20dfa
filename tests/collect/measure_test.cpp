#include "collect/measure.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "collect/folder_scan.h"
#include "platform/dir_listing.h"
#include "platform/path_style.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

const std::string kBuildFolder = PICTAVUE_PLUGIN_FOLDER;

// The platform's loader, with a record of the files handed to it.
class RecordingLoader final : public PictureLoader {
 public:
  std::optional<PixelSize> LoadSize(const std::string& path, const CancelPoll& cancelled) override {
    loaded.push_back(fs::path(path).filename().string());
    return real_->LoadSize(path, cancelled);
  }
  std::vector<std::string> loaded;

 private:
  std::unique_ptr<PictureLoader> real_ = MakePictureLoader();
};

std::string Show(MeasuredSize size) {
  return std::to_string(size.Width) + "x" + std::to_string(size.Height);
}

TEST(Measure, RouteByTheLastFourCharacters) {
  const PluginNames none;
  const PluginNames all{"J", "P", "W"};
  struct Case {
    const char* file_name;
    MeasureRoute without_plugins;
    MeasureRoute with_plugins;
  };
  using R = MeasureRoute;
  const std::vector<Case> cases = {
      {"a.gif", R::kGifHeader, R::kGifHeader},
      {"archive.tar.GIF", R::kGifHeader, R::kGifHeader},
      {"a.Bmp", R::kBmpHeader, R::kBmpHeader},
      {"a.wmf", R::kLoader, R::kWmfPlugin},
      {"a.EMF", R::kLoader, R::kLoader},
      {"photo.jpg", R::kJpegLoader, R::kJpegPlugin},
      {"PHOTO.JPEG", R::kJpegLoader, R::kJpegPlugin},
      {"jpeg", R::kJpegLoader, R::kJpegPlugin},
      {"photo.jpe", R::kNone, R::kNone},
      {"a.png", R::kNone, R::kPngPlugin},
      {"a.gif.txt", R::kNone, R::kNone},
      {"gif", R::kNone, R::kNone},
      {"", R::kNone, R::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseMeasureRoute(c.file_name, none), c.without_plugins) << c.file_name;
    EXPECT_EQ(ChooseMeasureRoute(c.file_name, all), c.with_plugins) << c.file_name;
  }
}

TEST(Measure, SidesOutsideSigned16BitsDoNotFit) {
  EXPECT_EQ(FitSide(32767), 32767);
  EXPECT_EQ(FitSide(-32768), -32768);
  EXPECT_EQ(FitSide(32768), std::nullopt);
  EXPECT_EQ(FitSide(-32769), std::nullopt);
  EXPECT_EQ(FitSide(70000), std::nullopt);
  EXPECT_EQ(FitSide(4294967296), std::nullopt);
}

TEST(Measure, HexStr) {
  EXPECT_EQ(HexStr("\xFF\xD9"), "FFD9");
  EXPECT_EQ(HexStr(std::string("\x0A\x00", 2)), "A0");
  EXPECT_EQ(HexStr("\x10\x0F"), "10F");
  EXPECT_EQ(HexStr("az"), "617A");
  EXPECT_EQ(HexStr(""), "");
}

TEST(Measure, JpegEndMarker) {
  TempFolder folder;
  const std::string jpeg = testing::MakeJpeg(16, 16);
  std::vector<std::pair<std::string, bool>> cases = {
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
  // Named pipes are POSIX's own.
  if (const std::string fifo = folder.Path("pipe.jpg"); testing::MakeFifo(fifo)) {
    cases.emplace_back(fifo, false);
  }
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(JpegHasEndMarker(path), expected) << path;
  }
}

struct MeasureCase {
  const char* file_name;
  std::string bytes;  // written as the file unless it is kNoFile
  std::string expected;
  bool loaded;  // handed to the loader
};

const std::string kNoFile = "<none>";

void RunCases(const Plugins& plugins, const std::vector<MeasureCase>& cases,
              const TempFolder& folder) {
  for (const MeasureCase& c : cases) {
    if (c.bytes != kNoFile) {
      folder.WriteFile(c.file_name, c.bytes);
    }
    RecordingLoader loader;
    ImageEntry entry;
    entry.Folder = folder.Path() + "/";
    entry.FileName = c.file_name;
    EXPECT_EQ(Show(MeasurePicture(entry, plugins, loader)), c.expected) << c.file_name;
    EXPECT_EQ(loader.loaded.size(), c.loaded ? 1U : 0U) << c.file_name;
  }
}

TEST(Measure, WithoutPlugins) {
  using namespace testing;
  TempFolder folder;
  const std::string no_end = MakeJpeg(640, 480).substr(0, 400);
  const std::vector<MeasureCase> cases = {
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
      // Windows' own loader takes no notice of the EXIF orientation; ours turns as a browser does.
      {"turned.jpg", MakeJpeg(640, 480, 6),
       NativePathStyle() == PathStyle::kWindows ? "640x480" : "480x640", true},
      {"upside-down.jpg", MakeJpeg(640, 480, 3), "640x480", true},
      {"no-end.jpg", no_end, "50x50", false},
      {"one-byte.jpg", "\xFF", "50x50", false},
      {"only-end.jpg", "\xFF\xD9", "50x50", true},
      {"a.png", MakePng(30, 20), "50x50", false},
      {"a.wmf", MakeWmf({0, 0, 750, 945, 1440}), "50x63", true},
      {"not-placeable.wmf", Truncated(MakeWmf({0, 0, 750, 945, 1440}), 10), "50x50", true},
      {"a.emf", MakeEmf({0, 0, 2540, 1270}), "96x48", true},
      {"huge.emf", MakeEmf({0, 0, 2540000, 1270}), "50x48", true},
      {"a.jpe", MakeJpeg(8, 8), "50x50", false},
  };
  RunCases(Plugins(), cases, folder);
}

TEST(Measure, WithOurPlugins) {
  using namespace testing;
  TempFolder folder;
  const Plugins plugins = Plugins::Load(kBuildFolder, CodePage("UTF-8"));
  JpegOptions headers_only;
  headers_only.with_scan = false;
  const std::vector<MeasureCase> cases = {
      {"a.jpg", MakeJpeg(640, 480), "640x480", false},
      {"no-end.jpg", MakeJpeg(640, 480).substr(0, 400), "640x480", false},
      {"wide.jpg", MakeJpeg(40000, 30, headers_only), "50x30", false},
      {"a.png", MakePng(300, 200), "300x200", false},
      {"broken.png", Truncated(MakePng(300, 200), 20), "50x50", false},
      {"a.wmf", MakeWmf({0, 0, 750, 945, 1440}), "50x63", false},
      {"a.emf", MakeEmf({0, 0, 2540, 1270}), "96x48", true},
      {"gone.jpg", kNoFile, "50x50", false},
  };
  RunCases(plugins, cases, folder);
}

// The system's listing, with a change made to a file the moment the listing has taken its size.
class ChangingLister final : public DirectoryLister {
 public:
  using Change = std::function<void(const std::string& name)>;
  explicit ChangingLister(Change change) : change_(std::move(change)) {}

  std::unique_ptr<DirectorySearch> Open(std::string_view folder,
                                        std::string_view pattern) override {
    std::unique_ptr<DirectorySearch> search = real_->Open(folder, pattern);
    return search ? std::make_unique<Search>(std::move(search), change_) : nullptr;
  }
  std::optional<FileIdentity> FolderIdentity(std::string_view folder) override {
    return real_->FolderIdentity(folder);
  }

 private:
  class Search final : public DirectorySearch {
   public:
    Search(std::unique_ptr<DirectorySearch> real, Change change)
        : real_(std::move(real)), change_(std::move(change)) {}
    bool Next() override { return real_->Next(); }
    const std::string& Name() const override { return real_->Name(); }
    bool IsFolder() override { return real_->IsFolder(); }
    bool IsLink() override { return real_->IsLink(); }
    std::int64_t ByteSize() override {
      const std::int64_t size = real_->ByteSize();
      change_(real_->Name());
      return size;
    }

   private:
    std::unique_ptr<DirectorySearch> real_;
    Change change_;
  };

  std::unique_ptr<DirectoryLister> real_ = MakeSystemDirectoryLister();
  Change change_;
};

// A picture may change between its listing and its measuring: the page keeps the size the
// listing saw, the measuring reads what is there when it comes, and a file that has become a pipe
// is never waited on.
TEST(Measure, FilesThatChangeBetweenListingAndMeasuring) {
  using namespace testing;
  struct Case {
    std::string listed;  // the file as the listing finds it
    std::string later;   // what it is when measured; kNoFile for a pipe in its place
    const char* with_plugins;
    const char* without_plugins;
  };
  const std::string pipe = kNoFile;
  const std::map<std::string, Case> cases = {
      {"grows.gif", {MakeGif(30, 20), MakeGif(40, 10) + std::string(5000, 'g'), "40x10", "40x10"}},
      {"shrinks.gif", {MakeGif(30, 20) + std::string(5000, 'g'), "GIF8", "50x50", "50x50"}},
      {"shrinks.jpg", {MakeJpeg(64, 48), "\xFF\xD8\xFF", "50x50", "50x50"}},
      {"grows.png", {Truncated(MakePng(30, 20), 10), MakePng(30, 20), "30x20", ""}},
      {"grows.bmp", {"BM", MakeBmp(33, 22), "33x22", "33x22"}},
      {"pipe.bmp", {MakeBmp(33, 22), pipe, "50x50", "50x50"}},
      {"pipe.jpg", {MakeJpeg(64, 48), pipe, "50x50", "50x50"}},
      {"pipe.wmf", {MakeWmf({0, 0, 750, 945, 1440}), pipe, "50x50", "50x50"}},
      {"pipe.gif", {MakeGif(30, 20), pipe, "50x50", "50x50"}},
  };
  for (const bool with_plugins : {true, false}) {
    const TempFolder run_folder;  // a fresh tree for each run
    for (const auto& [name, c] : cases) {
      run_folder.WriteFile("pics/" + name, c.listed);
    }
    ChangingLister lister([&](const std::string& name) {
      const std::string path = run_folder.Path("pics/" + name);
      const Case& c = cases.at(name);
      if (c.later == kNoFile) {
        // Where the file system holds no pipes (Windows) the file is simply gone: 50 x 50 too.
        fs::remove(path);
        testing::MakeFifo(path);
      } else {
        run_folder.WriteFile("pics/" + name, c.later);  // the same file, written over
      }
    });
    RecordingFrontEnd feedback;
    ScanRequest request;
    request.kinds = PictureKinds{true, true, true, true, true, true, with_plugins};
    RunState state;
    ASSERT_TRUE(ScanFolder(lister, feedback, request, run_folder.Path("pics") + "/", state).ok());

    const Plugins plugins =
        with_plugins ? Plugins::Load(kBuildFolder, CodePage("UTF-8")) : Plugins();
    const std::unique_ptr<PictureLoader> loader = MakePictureLoader();
    std::map<std::string, std::string> measured;
    for (int i = 0; i < state.ImageCount; ++i) {
      const ImageEntry& entry = state.ImageList[static_cast<std::size_t>(i)];
      const Case& c = cases.at(entry.FileName);
      EXPECT_EQ(entry.ByteSize, static_cast<std::int64_t>(c.listed.size())) << entry.FileName;
      measured[entry.FileName] = Show(MeasurePicture(entry, plugins, *loader));
    }
    for (const auto& [name, c] : cases) {
      const std::string expected = with_plugins ? c.with_plugins : c.without_plugins;
      if (expected.empty()) {
        EXPECT_EQ(measured.count(name), 0U) << name << " is not collected without its plug-in";
      } else {
        EXPECT_EQ(measured[name], expected)
            << name << (with_plugins ? " with" : " without") << " the plug-ins";
      }
    }
  }
}

// A program folder without ifjpeg.spi and ifwmf.spi measures JPEG and WMF as if there had never
// been such plug-ins.
TEST(Measure, DeletedPluginsAreNotThere) {
  using namespace testing;
  TempFolder program;
  fs::copy_file(fs::path(kBuildFolder) / "ifpng.spi", program.path() / "ifpng.spi");
  const Plugins plugins = Plugins::Load(program.Path(), CodePage("UTF-8"));
  TempFolder folder;
  const std::vector<MeasureCase> cases = {
      {"a.jpg", MakeJpeg(64, 48), "64x48", true},
      {"no-end.jpg", Truncated(MakeJpeg(64, 48), 200), "50x50", false},
      {"a.wmf", MakeWmf({0, 0, 750, 945, 1440}), "50x63", true},
      {"a.png", MakePng(30, 20), "30x20", false},
  };
  RunCases(plugins, cases, folder);
}

TEST(Measure, AFailingPluginLeavesFiftyAndTheLoaderAlone) {
  TempFolder program;
  fs::copy_file(fs::path(kBuildFolder) / "test_scripted_plugin.spi", program.path() / "ifpng.spi");
  fs::copy_file(fs::path(kBuildFolder) / "test_scripted_plugin.spi", program.path() / "ifjpeg.spi");
  const Plugins plugins = Plugins::Load(program.Path(), CodePage("UTF-8"));
  TempFolder folder;
  const std::vector<MeasureCase> cases = {
      {"error.png", "3 640 480", "50x50", false},   {"fine.png", "0 640 480", "640x480", false},
      {"tall.png", "0 640 40000", "640x50", false}, {"negative.png", "0 -5 7", "-5x7", false},
      {"error.jpg", "6 640 480", "50x50", false},
  };
  RunCases(plugins, cases, folder);
}

TEST(Measure, FilesThatCannotBeRead) {
  TempFolder folder;
  const Plugins plugins = Plugins::Load(kBuildFolder, CodePage("UTF-8"));
  folder.MakeFolder("x.jpg");
  folder.MakeFolder("x.gif");
  folder.MakeFolder("x.bmp");
  std::vector<MeasureCase> cases = {
      {"x.jpg", kNoFile, "50x50", false},
      {"x.gif", kNoFile, "50x50", false},
      {"x.bmp", kNoFile, "50x50", true},
  };
  std::vector<MeasureCase> without_plugins = {{"x.jpg", kNoFile, "50x50", false}};
  // Named pipes and /proc are POSIX's own.
  if (testing::MakeFifo(folder.Path("pipe.gif")) && testing::MakeFifo(folder.Path("pipe.wmf"))) {
    // Reading a process's own memory at address 0 fails, for any user.
    fs::create_symlink("/proc/self/mem", folder.path() / "mem.bmp");
    fs::create_symlink("/proc/self/mem", folder.path() / "mem.jpg");
    cases.insert(cases.end(), {{"pipe.gif", kNoFile, "50x50", false},
                               {"pipe.wmf", kNoFile, "50x50", false},
                               {"mem.bmp", kNoFile, "50x50", true},
                               {"mem.jpg", kNoFile, "50x50", false}});
    without_plugins.push_back({"pipe.wmf", kNoFile, "50x50", true});
  }
  RunCases(plugins, cases, folder);
  RunCases(Plugins(), without_plugins, folder);
}

}  // namespace
}  // namespace pictavue
