// Starting programs and opening documents through the system: CreateProcessA and the shell under
// Windows, posix_spawn on POSIX (whose browser and association cases are in request/).

#include "platform/launch.h"

#include <gtest/gtest.h>

#include "platform/path_style.h"
#include "support/temp_folder.h"

namespace pictavue {
namespace {

TEST(LaunchTest, StartsWhatCanRunAndReportsWhatCannot) {
  const bool posix = NativePathStyle() == PathStyle::kPosix;
  const auto launcher = MakeSystemLauncher();
  testing::TempFolder folder;
  // A program that starts and ends at once; its task identifier is its process id.
  const ProgramCommand quick =
      posix ? ProgramCommand{"/bin/true", {}}
            : ProgramCommand{"C:\\windows\\system32\\cmd.exe", {"/c", "exit"}};
  EXPECT_NE(launcher->StartProgram(quick), 0);
  EXPECT_EQ(launcher->StartProgram({folder.Path("missing.exe"), {"page.htm"}}), 0);
  EXPECT_EQ(launcher->StartProgram({"", {}}), 0);
  if (!posix) {  // the shell reports a document that does not exist with its own number
    EXPECT_EQ(launcher->OpenDocument(folder.Path("missing.htm")), kOpenFileNotFound);
  }
}

}  // namespace
}  // namespace pictavue
