// The generation run on real picture files: the system's directory listing, the plug-ins built
// beside the tests, the system's picture loader, and pages written to disk.

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generate/generation_run.h"
#include "generate/run_fixture.h"
#include "platform/code_page.h"
#include "platform/path_style.h"
#include "support/temp_folder.h"
#include "support/test_conditions.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using testing::ReadFileBytes;
using testing::RunFixture;
using testing::RunOptions;
using testing::TempFolder;

const std::string kStopLead = "message 16 Pictavue: 次の理由により処理を中止します。\r\n\r\n";

bool IsRegularFile(const std::string& path) {
  return std::filesystem::is_regular_file(path);
}

// One picture of every kind the build collects, in two levels of folders, with things the scan
// must pass over.
void WriteEveryKind(const TempFolder& folder) {
  using namespace testing;
  folder.WriteFile("pics/b.jpg", MakeJpeg(64, 48));
  folder.WriteFile("pics/a.gif", MakeGif(40, 30));
  folder.WriteFile("pics/c.png", MakePng(20, 10));
  folder.WriteFile("pics/sub/f.emf", MakeEmf({0, 0, 2540, 1270}));
  folder.WriteFile("pics/sub/d.bmp", MakeBmp(33, 22));
  folder.WriteFile("pics/sub/e.wmf", MakeWmf({0, 0, 750, 945, 1440}));
  folder.WriteFile("pics/sub/notes.txt", "not a picture");
  folder.WriteFile("pics/.hidden/g.gif", MakeGif(10, 10));
  folder.WriteFile("pics/写真/h.jpg", MakeJpeg(48, 64));
}

// Whether the system's file names can hold Japanese: always on POSIX, where names are bytes;
// on Windows only when the code page of the A calls is a Japanese one.
bool JapaneseNamesReachFiles() {
  const CodePage system = CodePage::System();
  return NativePathStyle() == PathStyle::kPosix || system.is_utf8() ||
         system.ToUtf8(system.FromUtf8("写真", Unmappable::kQuestionMark)) == "写真";
}

// "address width x height" of every thumbnail of a page, in page order.
std::vector<std::string> Thumbnails(const std::string& page) {
  static const std::regex kImage("<img src=\"([^\"]*)\" width=(\\d+) height=(\\d+)");
  std::vector<std::string> thumbnails;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), kImage);
       it != std::sregex_iterator(); ++it) {
    thumbnails.push_back((*it)[1].str() + " " + (*it)[2].str() + "x" + (*it)[3].str());
  }
  return thumbnails;
}

TEST(GenerationRunFilesTest, MeasuresEveryKindWithThePluginsAndWritesOnePage) {
  struct Case {
    const char* name;
    bool with_plugins;
    std::vector<std::string> thumbnails;
  };
  for (const Case& c : {
           Case{"with the plug-ins",
                true,
                {"a.gif 40x30", "b.jpg 64x48", "c.png 20x10", "sub/d.bmp 33x22", "sub/e.wmf 50x63",
                 "sub/f.emf 96x48", "写真/h.jpg 48x64"}},
           // Without its plug-in no PNG is collected; the loader measures the rest.
           Case{"without plug-ins",
                false,
                {"a.gif 40x30", "b.jpg 64x48", "sub/d.bmp 33x22", "sub/e.wmf 50x63",
                 "sub/f.emf 96x48", "写真/h.jpg 48x64"}},
       }) {
    TempFolder folder;
    WriteEveryKind(folder);
    std::vector<std::string> thumbnails = c.thumbnails;
    if (!JapaneseNamesReachFiles()) {
      thumbnails.pop_back();  // 写真/h.jpg: listed with "?" for what the code page lacks
    }
    const std::unique_ptr<RunFixture> run = RunFixture::RealFiles(c.with_plugins);
    const RunState state = run->Run(RunOptions(folder.Path("pics"), "", ""));

    const std::string page_path = folder.Path("pics/Pictavue.htm");
    EXPECT_EQ(state.PageToOpen, page_path) << c.name;
    EXPECT_FALSE(state.RunAborted) << c.name;
    EXPECT_EQ(state.ImageCount, static_cast<int>(thumbnails.size())) << c.name;
    const std::string page = ReadFileBytes(page_path);
    EXPECT_THAT(Thumbnails(page), ElementsAreArray(thumbnails)) << c.name;
    ASSERT_EQ(run->written().size(), 1u) << c.name;
    EXPECT_EQ(run->written()[0].bytes, page) << c.name;
  }
}

TEST(GenerationRunFilesTest, AWriteFailureStopsTheRunWithTheSystemsDescription) {
  if (NativePathStyle() == PathStyle::kWindows) {
    GTEST_SKIP() << "the descriptions below are POSIX's texts; scripts/test-windows checks the "
                    "abort under Windows end to end";
  }
  struct Case {
    const char* name;
    const char* in_the_way;         // a folder where the run wants to write a file
    const char* read_only;          // an earlier page that may not be written to
    std::uint64_t file_size_limit;  // 0: none
    const char* description;
    const char* files;  // the whole pages on disk afterwards, blank-separated
  };
  for (const Case& c : {
           Case{"a later page's name is a folder", "out/Pictavue002.htm", nullptr, 0,
                std::strerror(EISDIR), "Pictavue001.htm"},
           Case{"the menu page's name is a folder", "out/Pictavuem.htm", nullptr, 0,
                std::strerror(EISDIR),
                "Pictavue001.htm Pictavue002.htm Pictavue003.htm Pictavue.htm"},
           // Run without root's rights, which would write to it all the same.
           Case{"a later page is read-only", nullptr, "out/Pictavue002.htm", 0,
                std::strerror(EACCES), "Pictavue001.htm"},
           // A full disk, as root sees one: every page is larger than the limit.
           Case{"the file system refuses the size", nullptr, nullptr, 100, std::strerror(EFBIG),
                ""},
       }) {
    TempFolder folder;
    for (const char* name : {"pics/1.gif", "pics/2.gif", "pics/3.gif"}) {
      folder.WriteFile(name, testing::MakeGif(5, 5));
    }
    folder.MakeFolder("out");
    if (c.in_the_way != nullptr) {
      folder.MakeFolder(c.in_the_way);
    }
    if (c.read_only != nullptr) {
      const std::filesystem::path out = folder.Path("out");
      std::filesystem::permissions(out, std::filesystem::perms::all);
      std::filesystem::permissions(folder.WriteFile(c.read_only, "an earlier page"),
                                   std::filesystem::perms::owner_read |
                                       std::filesystem::perms::group_read |
                                       std::filesystem::perms::others_read);
    }
    const std::unique_ptr<RunFixture> run = RunFixture::RealFiles();
    GalleryOptions options = RunOptions(folder.Path("pics"), "1", folder.Path("out"));
    options.FrameMenu = kChecked;
    RunState state;
    {
      std::optional<testing::FileSizeLimit> limit;
      if (c.file_size_limit != 0) {
        limit.emplace(c.file_size_limit);
      }
      std::optional<testing::UnprivilegedScope> unprivileged;
      if (c.read_only != nullptr) {
        unprivileged.emplace();
        if (unprivileged->failed()) {
          ADD_FAILURE() << c.name << ": cannot give up root's rights";
          continue;
        }
      }
      state = run->Run(options);
    }
    EXPECT_THAT(run->front_end().EventsStartingWith("message"),
                ElementsAre(kStopLead + c.description))
        << c.name;
    EXPECT_TRUE(state.RunAborted) << c.name;
    EXPECT_EQ(state.PageToOpen, "") << c.name;
    std::string files;
    for (const char* name : {"Pictavue001.htm", "Pictavue002.htm", "Pictavue003.htm",
                             "Pictavue.htm", "Pictavuem.htm"}) {
      const std::string path = folder.Path(std::string("out/") + name);
      const testing::WrittenFile* handed = run->Written(path);
      if (IsRegularFile(path) && handed != nullptr && ReadFileBytes(path) == handed->bytes) {
        files += files.empty() ? name : std::string(" ") + name;
      }
    }
    EXPECT_EQ(files, c.files) << c.name;
  }
}

TEST(GenerationRunFilesTest, PagesAreWrittenInTheSystemCodePage) {
  if (NativePathStyle() == PathStyle::kWindows && CodePage::System().name() != "CP932") {
    GTEST_SKIP() << "on Windows the code page is the system's own, here "
                 << CodePage::System().name();
  }
  TempFolder folder;
  folder.WriteFile("pics/夏.gif", testing::MakeGif(5, 5));
  const std::unique_ptr<RunFixture> run = RunFixture::RealFiles();
  run->set_code_page("CP932");
  GalleryOptions options = RunOptions(folder.Path("pics"), "", "");
  options.Title = "写真 ©";
  const RunState state = run->Run(options);
  const std::string page = ReadFileBytes(state.PageToOpen);
  // 写真 in Shift_JIS; © has no Shift_JIS form and becomes a character reference.
  EXPECT_THAT(page, HasSubstr("<title>\x8E\xCA\x90\x5E &#169; [1/1]</title>"));
  EXPECT_THAT(page, HasSubstr("<img src=\"\x89\xC4.gif\""));
  EXPECT_THAT(page, HasSubstr("generated by"));
}

}  // namespace
}  // namespace pictavue
