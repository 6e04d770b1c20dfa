#include "plugins/plugin_entry.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/program_module.h"
#include "support/cases.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue::plugins {
namespace {

using namespace testing;

// The result code, and for a success the fields as "left,top WxHxdepth extra".
std::string Info(PluginFormat format, const char* buf, long len, unsigned flag = 1) {
  PictureInfo info{};
  info.left = 77;
  const int result = PluginPictureInfo(format, buf, len, flag, &info);
  if (result != kPluginSuccess) {
    return std::to_string(result);
  }
  return std::to_string(info.left) + "," + std::to_string(info.top) + " " +
         std::to_string(info.width) + "x" + std::to_string(info.height) + "x" +
         std::to_string(info.colour_depth) + " " + std::to_string(info.extra_text);
}

TEST(PluginEntry, InformationTexts) {
  for (const auto& c : CaseTable("plugins/plugin_entry.txt", "information")) {
    const PluginFormat format = c[0] == "jpeg" ? PluginFormat::kJpeg : PluginFormat::kMetafile;
    std::string buffer(256, '*');
    const int count = PluginInfoText(format, c.Int(1), buffer.data(), c.Int(2));
    EXPECT_EQ(std::to_string(count) + ":" + buffer.substr(0, static_cast<std::size_t>(count) + 1),
              c[3])
        << c;
  }
  EXPECT_EQ(PluginInfoText(PluginFormat::kJpeg, 1, nullptr, 256), 0);
}

// The sizes themselves are the header readers' (platform tests); here what the entry points add:
// the format each library serves, the depth, the codes of failures, and where the bytes come from.
TEST(PluginEntry, PictureInfoAndSignatures) {
  const std::string png = MakePng(300, 200);
  const std::string jpeg = MakeJpeg(640, 480);
  const std::string wmf = MakeWmf({0, 0, 750, 945, 1440});
  using F = PluginFormat;
  const std::tuple<F, std::string, unsigned, std::string, int> cases[] = {
      // format, bytes, flag, picture info, IsSupported
      {F::kJpeg, jpeg, 1, "0,0 640x480x24 0", 1},
      {F::kPng, png, 0x101, "0,0 300x200x24 0", 1},  // high flag bits ignored
      {F::kMetafile, wmf, 1, "0,0 50x63x0 0", 1},
      {F::kMetafile, MakeEmf({0, 0, 2540, 2540}), 1, "0,0 96x96x0 0", 1},
      {F::kJpeg, png, 1, "2", 0},
      {F::kPng, jpeg, 1, "2", 0},
      {F::kMetafile, MakeBmp(2, 2), 1, "2", 0},
      {F::kPng, Truncated(png, 20), 1, "3", 1},
      {F::kMetafile, MakeWmf({0, 0, 750, 945, 0}), 1, "3", 1},
      {F::kPng, png, 2, "-1", 1},  // an unknown kind of input
  };
  for (const auto& [format, bytes, flag, info, supported] : cases) {
    EXPECT_EQ(Info(format, bytes.data(), static_cast<long>(bytes.size()), flag), info) << info;
    std::string buffer = bytes;
    buffer.resize(2048, '\0');
    EXPECT_EQ(PluginIsSupported(format, "ignored", buffer.data()), supported) << info;
  }
  PictureInfo info{};
  EXPECT_EQ(PluginPictureInfo(F::kPng, png.data(), -1, 1, &info), 8);
  EXPECT_EQ(PluginPictureInfo(F::kPng, png.data(), 26, 1, nullptr), 8);
  EXPECT_EQ(PluginPictureInfo(F::kPng, nullptr, 26, 1, &info), 8);

  // From a file: buf is its name and len the picture's offset in it; for IsSupported a small dw
  // is a file handle, and the file is then read by its name.
  TempFolder folder;
  const std::string plain = folder.WriteFile("a.png", MakePng(12, 34));
  const std::string inside =
      folder.WriteFile("archive.dat", std::string(100, 'z') + MakePng(12, 34));
  EXPECT_EQ(Info(F::kPng, plain.c_str(), 0, 0), "0,0 12x34x24 0");
  EXPECT_EQ(Info(F::kPng, inside.c_str(), 100, 0), "0,0 12x34x24 0");
  EXPECT_EQ(Info(F::kPng, inside.c_str(), 0, 0), "2");
  EXPECT_EQ(Info(F::kPng, inside.c_str(), 1000000, 0), "3");
  EXPECT_EQ(Info(F::kPng, folder.MakeFolder("x.png").c_str(), 0, 0), "6");
  void* handle = reinterpret_cast<void*>(std::uintptr_t{3});
  for (const auto& [format, path, supported] :
       {std::tuple{F::kPng, plain, 1}, {F::kJpeg, plain, 0}, {F::kPng, folder.Path("no.png"), 0}}) {
    EXPECT_EQ(PluginIsSupported(format, path.c_str(), handle), supported) << path;
  }
  EXPECT_EQ(PluginIsSupported(F::kPng, nullptr, handle), 0);
}

// Each library exports the interface and nothing of the code it is built from.
TEST(PluginEntry, LibrariesExportOnlyTheInterface) {
  for (const char* file : {"ifjpeg.spi", "ifpng.spi", "ifwmf.spi"}) {
    std::vector<bool> exported;
    for (const char* name :
         {"GetPluginInfo", "GetPictureInfo", "IsSupported",
          "_ZN8pictavue14ReadJpegHeaderERNS_10ByteSourceE",
          "_ZN8pictavue7plugins17PluginPictureInfoENS0_12PluginFormatEPKcljPNS_11PictureInfoE"}) {
      std::string failure;
      const std::string path = std::string(PICTAVUE_PLUGIN_FOLDER) + "/" + file;
      exported.push_back(LoadProgramFunction(path, name, failure) != nullptr);
    }
    EXPECT_EQ(exported, (std::vector<bool>{true, true, true, false, false})) << file;
  }
}

}  // namespace
}  // namespace pictavue::plugins
