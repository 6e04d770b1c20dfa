#include "collect/image_list.h"

#include <gtest/gtest.h>

namespace pictavue {
namespace {

// The limit is the folder scan's to test; this is the reuse of a list after a cancel.
TEST(AppendImageTest, AppendsAtImageCountAfterAReset) {
  RunState state;
  ASSERT_TRUE(AppendImage(state, ImageEntry{"/p/", "old.gif"}));
  state.ImageCount = 0;  // what a cancel leaves
  ASSERT_TRUE(AppendImage(state, ImageEntry{"/p/", "new.gif"}));
  ASSERT_EQ(state.ImageList.size(), 1u);
  EXPECT_EQ(state.ImageList[0].FileName, "new.gif");
}

}  // namespace
}  // namespace pictavue
