#include "collect/plugin_probe.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

const std::string kBuildFolder = PICTAVUE_PLUGIN_FOLDER;

// A program folder holding the given libraries of the build folder under the given names.
void Install(const TempFolder& folder,
             const std::vector<std::pair<std::string, std::string>>& library_as_name) {
  for (const auto& [library, name] : library_as_name) {
    fs::copy_file(fs::path(kBuildFolder) / library, folder.path() / name);
  }
}

std::string Probe(const Plugins& plugins, PluginKind kind, const std::string& path) {
  LastPictureInfo last;
  last.width = -1;
  last.height = -1;
  const int result = plugins.ProbePicture(kind, path, last);
  return std::to_string(result) + " " + std::to_string(last.width) + "x" +
         std::to_string(last.height);
}

TEST(PluginProbe, NameRule) {
  struct Case {
    std::string buffer;
    int count;
    std::string expected;
  };
  const std::string blanks(256, ' ');
  const std::vector<Case> cases = {
      {"Name" + blanks.substr(4), 4, "Name"},
      {"  Name  " + blanks.substr(8), 8, "Name"},
      {"  Name  " + blanks.substr(8), 256, "Name"},
      {"Name" + blanks.substr(4), 2, "Na"},
      {"Name" + blanks.substr(4), 0, ""},
      {"Name" + blanks.substr(4), -3, ""},
      {"Name" + blanks.substr(4), 1000, "Name"},
      {blanks, 256, ""},
      {std::string("Name\0junk", 9) + blanks.substr(9), 9, "Name"},
      {"\tName\t" + blanks.substr(6), 6, "\tName\t"},
      {"Two  words" + blanks.substr(10), 10, "Two  words"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PluginNameFromBuffer(c.buffer, c.count), c.expected)
        << c.buffer.substr(0, 10) << " " << c.count;
  }
}

TEST(PluginProbe, OurThreePluginsFromTheBuildFolder) {
  const Plugins plugins = Plugins::Load(kBuildFolder, CodePage("UTF-8"));
  EXPECT_EQ(plugins.names().JpegPluginName, "Pictavue JPEG size reader 1.26");
  EXPECT_EQ(plugins.names().PngPluginName, "Pictavue PNG size reader 1.26");
  EXPECT_EQ(plugins.names().WmfPluginName, "Pictavue metafile size reader 1.26");
  EXPECT_EQ(plugins.Name(PluginKind::kPng), plugins.names().PngPluginName);

  TempFolder pictures;
  using namespace testing;
  struct Case {
    const char* name;
    PluginKind kind;
    std::string path;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"jpeg", PluginKind::kJpeg, pictures.WriteFile("a.jpg", MakeJpeg(640, 480)), "0 640x480"},
      {"jpeg turned", PluginKind::kJpeg, pictures.WriteFile("b.jpg", MakeJpeg(640, 480, 6)),
       "0 480x640"},
      {"png", PluginKind::kPng, pictures.WriteFile("c.png", MakePng(300, 200)), "0 300x200"},
      {"wmf", PluginKind::kWmf, pictures.WriteFile("d.wmf", MakeWmf({0, 0, 750, 945, 1440})),
       "0 50x63"},
      {"emf through the wmf plug-in", PluginKind::kWmf,
       pictures.WriteFile("e.wmf", MakeEmf({0, 0, 2540, 1270})), "0 96x48"},
      {"png to the jpeg plug-in", PluginKind::kJpeg, pictures.Path("c.png"), "2 -1x-1"},
      {"cut jpeg", PluginKind::kJpeg,
       pictures.WriteFile("f.jpg", Truncated(MakeJpeg(640, 480), 60)), "3 -1x-1"},
      {"missing file", PluginKind::kPng, pictures.Path("missing.png"), "6 -1x-1"},
      {"folder", PluginKind::kJpeg, pictures.MakeFolder("x.jpg"), "6 -1x-1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Probe(plugins, c.kind, c.path), c.expected) << c.name;
  }
}

// A plug-in file that is missing, is no library, or lacks the exports is no plug-in: no name, and
// every probe answers 99.
TEST(PluginProbe, LibrariesThatCannotServe) {
  TempFolder pictures;
  const std::string jpeg = pictures.WriteFile("a.jpg", testing::MakeJpeg(8, 8));
  for (const bool png_installed : {true, false}) {
    TempFolder program;
    if (png_installed) {  // the other two files are missing
      Install(program, {{"ifpng.spi", "ifpng.spi"}});
    } else {
      Install(program, {{"test_no_exports_plugin.spi", "ifjpeg.spi"},
                        {"test_no_exports_plugin.spi", "ifwmf.spi"}});
      program.WriteFile("ifpng.spi", "not a library at all");
    }
    const Plugins plugins = Plugins::Load(program.Path(), CodePage("UTF-8"));
    EXPECT_EQ(plugins.names().JpegPluginName, "");
    EXPECT_EQ(plugins.names().WmfPluginName, "");
    EXPECT_EQ(plugins.names().PngPluginName, png_installed ? "Pictavue PNG size reader 1.26" : "");
    EXPECT_EQ(Probe(plugins, PluginKind::kJpeg, jpeg), "99 -1x-1");
    EXPECT_EQ(Probe(plugins, PluginKind::kWmf, jpeg), "99 -1x-1");
    if (!png_installed) {
      EXPECT_EQ(Probe(plugins, PluginKind::kPng, jpeg), "99 -1x-1");
    }
  }
}

TEST(PluginProbe, RecordIsCopiedOnlyOnSuccess) {
  TempFolder program;
  Install(program, {{"test_scripted_plugin.spi", "ifpng.spi"}});
  const Plugins plugins = Plugins::Load(program.Path(), CodePage("UTF-8"));
  EXPECT_EQ(plugins.names().PngPluginName, "Scripted test plug-in");

  TempFolder pictures;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0 120 90", "0 120x90"},     {"3 120 90", "3 -1x-1"}, {"-1 120 90", "-1 -1x-1"},
      {"0 40000 -5", "0 40000x-5"}, {"7 1 1", "7 -1x-1"},
  };
  for (const auto& [script, expected] : cases) {
    EXPECT_EQ(Probe(plugins, PluginKind::kPng, pictures.WriteFile("p.png", script)), expected)
        << script;
  }
}

}  // namespace
}  // namespace pictavue
