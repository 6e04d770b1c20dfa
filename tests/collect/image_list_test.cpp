#include "collect/image_list.h"

#include <gtest/gtest.h>

namespace pictavue {
namespace {

TEST(AppendImageTest, StopsAtTheLimitWithoutAppending) {
  RunState state;
  for (int i = 0; i < kMaxImages; ++i) {
    ASSERT_TRUE(AppendImage(state, ImageEntry{"/p/", "a.gif", 1, 50, 50}));
  }
  EXPECT_FALSE(AppendImage(state, ImageEntry{"/p/", "over.gif", 1, 50, 50}));
  EXPECT_EQ(state.ImageCount, kMaxImages);
  EXPECT_EQ(state.ImageList.size(), static_cast<std::size_t>(kMaxImages));
  EXPECT_EQ(state.ImageList.back().FileName, "a.gif");
}

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
