#include "plugins/plugin_entry.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <cxxabi.h>
#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/library_exports.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue::plugins {
namespace {

using namespace testing;

const std::string kBuildFolder = PICTAVUE_PLUGIN_FOLDER;

std::string InMemory(PluginFormat format, const std::string& bytes, unsigned flag = 1) {
  PictureInfo info{};
  info.left = 77;
  const int result =
      PluginPictureInfo(format, bytes.data(), static_cast<long>(bytes.size()), flag, &info);
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

TEST(PluginEntry, PictureInfoInMemory) {
  const std::string png = MakePng(300, 200);
  struct Case {
    const char* name;
    PluginFormat format;
    std::string bytes;
    unsigned flag;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"jpeg", PluginFormat::kJpeg, MakeJpeg(640, 480), 1, "0,0 640x480x24 0"},
      {"png", PluginFormat::kPng, png, 1, "0,0 300x200x24 0"},
      {"wmf", PluginFormat::kMetafile, MakeWmf({0, 0, 750, 945, 1440}), 1, "0,0 50x63x0 0"},
      {"emf", PluginFormat::kMetafile, MakeEmf({0, 0, 2540, 2540}), 1, "0,0 96x96x0 0"},
      {"high flag bits ignored", PluginFormat::kPng, png, 0x101, "0,0 300x200x24 0"},
      {"png to jpeg", PluginFormat::kJpeg, png, 1, "2"},
      {"jpeg to png", PluginFormat::kPng, MakeJpeg(8, 8), 1, "2"},
      {"cut png", PluginFormat::kPng, Truncated(png, 20), 1, "3"},
      {"bad wmf", PluginFormat::kMetafile, MakeWmf({0, 0, 750, 945, 0}), 1, "3"},
      {"unknown input kind", PluginFormat::kPng, png, 2, "-1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InMemory(c.format, c.bytes, c.flag), c.expected) << c.name;
  }
  PictureInfo info{};
  EXPECT_EQ(PluginPictureInfo(PluginFormat::kPng, png.data(), -1, 1, &info), 8);
  EXPECT_EQ(PluginPictureInfo(PluginFormat::kPng, png.data(), 26, 1, nullptr), 8);
  EXPECT_EQ(PluginPictureInfo(PluginFormat::kPng, nullptr, 26, 1, &info), 8);
}

TEST(PluginEntry, PictureInfoFromAFile) {
  TempFolder folder;
  const std::string png = MakePng(12, 34);
  const std::string plain = folder.WriteFile("a.png", png);
  const std::string inside = folder.WriteFile("archive.dat", std::string(100, 'z') + png);
  const auto from_file = [](const std::string& path, long offset) {
    PictureInfo info{};
    const int result = PluginPictureInfo(PluginFormat::kPng, path.c_str(), offset, 0, &info);
    return std::to_string(result) + " " + std::to_string(info.width) + "x" +
           std::to_string(info.height);
  };
  EXPECT_EQ(from_file(plain, 0), "0 12x34");
  EXPECT_EQ(from_file(inside, 100), "0 12x34");
  EXPECT_EQ(from_file(inside, 0), "2 0x0");
  EXPECT_EQ(from_file(inside, 1000000), "3 0x0");
  EXPECT_EQ(from_file(folder.MakeFolder("x.png"), 0), "6 0x0");
}

TEST(PluginEntry, IsSupportedBySignature) {
  TempFolder folder;
  const auto in_buffer = [](PluginFormat format, std::string bytes) {
    bytes.resize(2048, '\0');
    return PluginIsSupported(format, "ignored", bytes.data());
  };
  EXPECT_EQ(in_buffer(PluginFormat::kJpeg, MakeJpeg(8, 8)), 1);
  EXPECT_EQ(in_buffer(PluginFormat::kJpeg, MakePng(8, 8)), 0);
  EXPECT_EQ(in_buffer(PluginFormat::kPng, MakePng(8, 8)), 1);
  EXPECT_EQ(in_buffer(PluginFormat::kMetafile, MakeWmf({0, 0, 1, 1, 96})), 1);
  EXPECT_EQ(in_buffer(PluginFormat::kMetafile, MakeEmf({0, 0, 1, 1})), 1);
  EXPECT_EQ(in_buffer(PluginFormat::kMetafile, MakeBmp(2, 2)), 0);

  // A small value is a file handle: the file is then read by its name.
  void* handle = reinterpret_cast<void*>(std::uintptr_t{3});
  const std::string jpeg = folder.WriteFile("a.jpg", MakeJpeg(8, 8));
  EXPECT_EQ(PluginIsSupported(PluginFormat::kJpeg, jpeg.c_str(), handle), 1);
  EXPECT_EQ(PluginIsSupported(PluginFormat::kPng, jpeg.c_str(), handle), 0);
  EXPECT_EQ(PluginIsSupported(PluginFormat::kJpeg, folder.Path("no.jpg").c_str(), handle), 0);
  EXPECT_EQ(PluginIsSupported(PluginFormat::kJpeg, nullptr, handle), 0);
}

// Each library exports the interface and nothing of the code it is built from.
TEST(PluginEntry, LibrariesExportOnlyTheInterface) {
  const std::string internal = "_ZN8pictavue14ReadJpegHeaderERNS_10ByteSourceE";
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(internal.c_str(), nullptr, nullptr, &status), &std::free);
  ASSERT_EQ(status, 0);
  ASSERT_EQ(std::string(demangled.get()), "pictavue::ReadJpegHeader(pictavue::ByteSource&)");

  const std::vector<std::string> names = {
      "GetPluginInfo", "GetPictureInfo", "IsSupported", internal,
      "_ZN8pictavue7plugins17PluginPictureInfoENS0_12PluginFormatEPKcljPNS_11PictureInfoE"};
  const std::vector<bool> expected = {true, true, true, false, false};
  for (const char* file : {"ifjpeg.spi", "ifpng.spi", "ifwmf.spi"}) {
    const std::optional<std::vector<bool>> exported =
        testing::LookUpExports(kBuildFolder + "/" + file, names);
    ASSERT_TRUE(exported.has_value()) << file;
    EXPECT_EQ(*exported, expected) << file;
  }
}

}  // namespace
}  // namespace pictavue::plugins
