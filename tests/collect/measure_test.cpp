#include "collect/measure.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "support/cases.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using namespace testing;

// What each kind of file measures, with and without the plug-ins, is the hostile tree's table
// (tests/data/generate/hostile_tree.tsv); how a file's end is read, the file source's.
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
  for (const auto& c : CaseTable("collect/collect.txt", "sides")) {
    const std::optional<std::int16_t> side = FitSide(std::stoll(c[0]));
    EXPECT_EQ(side ? std::to_string(*side) : "none", c[1]) << c;
  }
  TempFolder folder;
  const std::string jpeg = MakeJpeg(16, 16);
  const std::pair<std::string, bool> ends[] = {
      {folder.WriteFile("whole.jpg", jpeg), true},
      {folder.WriteFile("cut.jpg", jpeg.substr(0, jpeg.size() - 1)), false},
      {folder.WriteFile("one.jpg", "\xD9"), false},
      {folder.WriteFile("empty.jpg", ""), false},
      {folder.MakeFolder("folder.jpg"), false},
      {folder.Path("missing.jpg"), false},
  };
  for (const auto& [path, expected] : ends) {
    EXPECT_EQ(JpegHasEndMarker(path), expected) << path;
  }
}

}  // namespace
}  // namespace pictavue
