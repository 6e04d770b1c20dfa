#include "request/open_result.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/data_table.h"
#include "support/fakes.h"
#include "support/recording_front_end.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

// The system's launcher has its own tests with the platform; here the choice between the
// browser and the association, and the message for each failure.
TEST(OpenResultTest, EachWayAndEachMessage) {
  const testing::TempFolder folder;
  const std::map<std::string, std::string> names = {
      {"{page}", "/out/my \"best\" pics/Pictavue001.htm"},
      {"{browser}", folder.WriteFile("view", "")},
      {"{folder}", folder.Path()}};
  const auto list = [&names](const std::string& item, const std::string& prefix) {
    return item == "-" ? std::vector<std::string>{}
                       : std::vector<std::string>{prefix + testing::Filled(item, names)};
  };
  for (const testing::Row& row : testing::ReadTable("request/open_result.tsv")) {
    GalleryOptions options;
    options.Browser = std::stoi(row[0]);
    options.BrowserPath = testing::Filled(row[1], names);
    testing::FakeLauncher launcher;
    launcher.task_id = std::stoll(row[2]);
    launcher.open_result = std::stoi(row[3]);
    testing::RecordingFrontEnd front_end;
    EXPECT_EQ(OpenResult(names.at("{page}"), options, Translation(), launcher, front_end),
              std::stoll(row[4]))
        << row.Text();
    EXPECT_EQ(launcher.calls, list(row[5], "")) << row.Text();
    EXPECT_EQ(front_end.Events(), list(row[6], "message 16 Pictavue: ")) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
