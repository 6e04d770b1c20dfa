#include "collect/plugin_probe.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "support/cases.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using namespace testing;

const std::string kBuildFolder = PICTAVUE_PLUGIN_FOLDER;

// A program folder holding libraries of the build folder under the plug-ins' names.
Plugins Installed(const TempFolder& program,
                  const std::vector<std::pair<std::string, std::string>>& library_as_name) {
  for (const auto& [library, name] : library_as_name) {
    fs::copy_file(fs::path(kBuildFolder) / library, program.path() / name);
  }
  return Plugins::Load(program.Path(), CodePage("UTF-8"));
}

// The probe's result and the record it leaves ("-1x-1" when it was not copied).
std::string Probe(const Plugins& plugins, PluginKind kind, const std::string& path) {
  LastPictureInfo last{.width = -1, .height = -1};
  const int result = plugins.ProbePicture(kind, path, last);
  return std::to_string(result) + " " + std::to_string(last.width) + "x" +
         std::to_string(last.height);
}

TEST(PluginProbe, NamesFromTheirBuffers) {
  for (const auto& c : CaseTable("collect/collect.txt", "plugin names")) {
    std::string buffer = c[0];
    buffer.resize(256, ' ');
    EXPECT_EQ(PluginNameFromBuffer(buffer, c.Int(1)), c[2]) << c;
  }
}

TEST(PluginProbe, OurThreePluginsFromTheBuildFolder) {
  const Plugins plugins = Plugins::Load(kBuildFolder, CodePage("UTF-8"));
  EXPECT_EQ(plugins.names().JpegPluginName, "Pictavue JPEG size reader 1.26");
  EXPECT_EQ(plugins.Name(PluginKind::kPng), "Pictavue PNG size reader 1.26");
  EXPECT_EQ(plugins.Name(PluginKind::kWmf), "Pictavue metafile size reader 1.26");

  // What each library measures is the measuring's to test; here, that each kind reaches its own.
  TempFolder pictures;
  const std::tuple<PluginKind, std::string, std::string> cases[] = {
      {PluginKind::kJpeg, pictures.WriteFile("a.jpg", MakeJpeg(640, 480)), "0 640x480"},
      {PluginKind::kPng, pictures.WriteFile("c.png", MakePng(300, 200)), "0 300x200"},
      {PluginKind::kWmf, pictures.WriteFile("d.wmf", MakeWmf({0, 0, 750, 945, 1440})), "0 50x63"},
      {PluginKind::kJpeg, pictures.Path("c.png"), "2 -1x-1"},
  };
  for (const auto& [kind, path, expected] : cases) {
    EXPECT_EQ(Probe(plugins, kind, path), expected) << path;
  }
  // The plug-ins open files by their names in the system code page; 表 ends in the byte of a
  // backslash in Shift_JIS.
  if (CodePage::System().name() == "CP932") {
    const std::string name = JoinPath(pictures.Path(), "表紙.jpg", NativePathStyle());
    pictures.WriteFile("表紙.jpg", MakeJpeg(120, 80));
    EXPECT_EQ(Probe(plugins, PluginKind::kJpeg, name), "0 120x80");
  }
}

// A plug-in file that is missing, is no library, or lacks the exports is no plug-in: no name, and
// every probe answers 99. One that answers copies its record only on success, and its name is
// taken without the blanks around it.
TEST(PluginProbe, LibrariesThatCannotServeAndOneThatFails) {
  TempFolder pictures, program;
  const std::string jpeg = pictures.WriteFile("a.jpg", MakeJpeg(8, 8));
  program.WriteFile("ifwmf.spi", "not a library at all");
  const Plugins plugins = Installed(program, {{"test_no_exports_plugin.spi", "ifjpeg.spi"},
                                              {"test_scripted_plugin.spi", "ifpng.spi"}});
  EXPECT_EQ(plugins.names().JpegPluginName + plugins.names().WmfPluginName, "");
  EXPECT_EQ(plugins.names().PngPluginName, "Scripted test plug-in");
  EXPECT_EQ(Probe(plugins, PluginKind::kJpeg, jpeg), "99 -1x-1");
  EXPECT_EQ(Probe(plugins, PluginKind::kWmf, jpeg), "99 -1x-1");
  EXPECT_EQ(Probe(Installed(TempFolder(), {}), PluginKind::kPng, jpeg), "99 -1x-1");
  for (const auto& c : CaseTable("collect/collect.txt", "scripted plug-in")) {
    EXPECT_EQ(Probe(plugins, PluginKind::kPng, pictures.WriteFile("p.png", c[0])), c[1]) << c;
  }
}

}  // namespace
}  // namespace pictavue
