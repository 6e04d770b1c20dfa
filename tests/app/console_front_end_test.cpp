#include "app/console_front_end.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"

namespace pictavue {
namespace {

TEST(ConsoleFrontEndTest, ProgressLinesAndMessages) {
  for (const testing::Row& row : testing::ReadTable("app/console.tsv")) {
    if (row[0] == "ProgressLine") {
      EXPECT_EQ(ProgressLine(row[1], std::stoi(row[2]), std::stoi(row[3]), std::stoi(row[4]),
                             std::stoi(row[5])),
                row[6])
          << row.Text();
      continue;
    }
    std::ostringstream err;
    ConsoleFrontEnd::Settings settings;
    settings.answer_yes = row[2] == "yes";
    settings.show_progress = row[0] == "Progress" && row[1] == "yes";
    ConsoleFrontEnd front_end(err, settings);
    if (row[0] == "Progress") {
      front_end.RunModal([&] {
        front_end.SetStatus("S");
        front_end.SetProgressRange(0, 200);
        front_end.SetProgressValue(1);  // still 0 %: not drawn again
        front_end.SetProgressValue(2);
        ShowMessage(front_end, "m", kStyleWarning);
        front_end.SetProgressValue(2);  // the same line, drawn again after the message
        front_end.SetProgressValue(200);
      });
    } else {
      EXPECT_EQ(ShowMessage(front_end, "a\r\nb\r\n\r\nc", std::stoi(row[1])), std::stoi(row[3]))
          << row.Text();
    }
    EXPECT_EQ(err.str(), row[4]) << row.Text();
  }
}

}  // namespace
}  // namespace pictavue
