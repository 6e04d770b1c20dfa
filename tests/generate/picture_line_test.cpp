#include "generate/picture_line.h"

#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"
#include "support/settings_text.h"

namespace pictavue {
namespace {

using testing::Row;

SizeRule RuleOf(const std::string& cell) {
  return cell == "width"    ? SizeRule::kWidth
         : cell == "height" ? SizeRule::kHeight
                            : SizeRule::kLonger;
}

TEST(PictureLineTest, SizesKilobytesAndLines) {
  for (const Row& row : testing::ReadTable("generate/picture_line.tsv")) {
    std::string result;
    if (row[0] == "ThumbnailSize") {
      const ThumbSize size =
          ThumbnailSize(std::stoi(row[1]), std::stoi(row[2]), std::stoi(row[3]), RuleOf(row[4]));
      result = std::to_string(size.ThumbWidth) + "x" + std::to_string(size.ThumbHeight);
    } else if (row[0] == "KilobyteText") {
      result = KilobyteText(std::stoll(row[1]));
    } else {
      const auto side = [&row](std::size_t at) {  // of "640x480"
        return static_cast<std::int16_t>(std::stoi(row[5].substr(at)));
      };
      const ImageEntry entry{row[3], row[4], std::stoll(row[6]), side(0),
                             side(row[5].find('x') + 1)};
      const GalleryOptions options = testing::OptionsFromSettings(testing::Items(row[7]));
      WritePictureLine(entry, std::stoi(row[2]),
                       PictureLineFormatOf(options, testing::StyleOf(row[1])), result);
    }
    EXPECT_EQ(result, row.back()) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
