#include "generate/picture_line.h"

#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generate/html_text.h"

namespace pictavue {
namespace {

TEST(ThumbnailSizeTest, LimitsOneSideAndScalesTheOtherHalfToEven) {
  struct Case {
    int width;
    int height;
    int limit;
    SizeRule rule;
    int thumb_width;
    int thumb_height;
  };
  for (const Case& c : {
           Case{640, 480, 100, SizeRule::kWidth, 100, 75},
           Case{200, 75, 100, SizeRule::kWidth, 100, 38},    // 37.5 goes to the even 38
           Case{200, 73, 100, SizeRule::kWidth, 100, 36},    // 36.5 goes to the even 36
           Case{100, 480, 100, SizeRule::kWidth, 100, 480},  // exactly S: kept
           Case{101, 480, 100, SizeRule::kWidth, 100, 475},  // one wider: scaled
           Case{40, 30, 100, SizeRule::kWidth, 40, 30},      // never enlarged
           Case{480, 640, 100, SizeRule::kHeight, 75, 100},
           Case{800, 100, 100, SizeRule::kHeight, 800, 100},
           Case{640, 480, 150, SizeRule::kLonger, 150, 112},  // 112.5
           Case{480, 640, 150, SizeRule::kLonger, 112, 150},
           Case{300, 300, 100, SizeRule::kLonger, 100, 100},  // square: S x S
           Case{50, 50, 100, SizeRule::kLonger, 50, 50},
           Case{32767, 1, 50, SizeRule::kWidth, 50, 0},
           Case{0, 0, 100, SizeRule::kLonger, 0, 0},
       }) {
    const ThumbSize size = ThumbnailSize(c.width, c.height, c.limit, c.rule);
    EXPECT_EQ(size.ThumbWidth, c.thumb_width) << c.width << "x" << c.height;
    EXPECT_EQ(size.ThumbHeight, c.thumb_height) << c.width << "x" << c.height;
  }
}

TEST(KilobyteTextTest, ThousandsOfBytesWithOneDecimalHalfAwayFromZero) {
  struct Case {
    std::int64_t bytes;
    const char* expected;
  };
  for (const Case& c :
       {Case{0, "0.0"}, Case{49, "0.0"}, Case{50, "0.1"}, Case{1250, "1.3"}, Case{9999, "10.0"},
        Case{123456, "123.5"}, Case{1234567, "1,234.6"}, Case{999950, "1,000.0"},
        Case{5000000000, "5,000,000.0"}, Case{-1250, "-1.3"}, Case{-40, "0.0"}}) {
    EXPECT_EQ(KilobyteText(c.bytes), c.expected) << c.bytes;
  }
}

ImageEntry Picture(const char* folder, const char* name, int width, int height,
                   std::int64_t bytes) {
  ImageEntry entry;
  entry.Folder = folder;
  entry.FileName = name;
  entry.Width = static_cast<std::int16_t>(width);
  entry.Height = static_cast<std::int16_t>(height);
  entry.ByteSize = bytes;
  return entry;
}

PictureLineFormat PlainFormat(PathStyle style, const char* search_dir) {
  GalleryOptions options;
  options.SearchDir = search_dir;
  options.OutputDir = kOutputDirSearch;
  options.SubWin = kUnchecked;
  return PictureLineFormatOf(options, style);
}

std::string Line(const ImageEntry& entry, int serial, const PictureLineFormat& format) {
  std::string out;
  WritePictureLine(entry, serial, format, out);
  return out;
}

TEST(PictureLineTest, TheWorkedExample) {
  const ImageEntry entry = Picture("C:\\Photos\\Trip\\", "a.jpg", 640, 480, 123456);
  EXPECT_EQ(Line(entry, 1, PlainFormat(PathStyle::kWindows, "C:\\Photos")),
            "<a href=\"Trip/a.jpg\"><img src=\"Trip/a.jpg\" width=100 height=75 "
            "alt=\"Trip/a.jpg 123.5kb 640x480pixel\" border=0></a>\r\n");
}

// The golden pages hold each link form once; these are the cases they leave out.
TEST(PictureLineTest, OnlyOneNumbersSizedWindowsAndLeavesThePlainSubWindowAlone) {
  GalleryOptions options;
  options.SearchDir = "C:\\Photos";
  options.OutputDir = kOutputDirSearch;
  options.OnlyOne = kUnchecked;
  const ImageEntry entry = Picture("C:\\Photos\\", "a.jpg", 640, 480, 1);
  EXPECT_THAT(
      Line(entry, 12, PictureLineFormatOf(options, PathStyle::kWindows)),
      ::testing::StartsWith("<a href=\"JavaScript:NewWindow('a.jpg', 'SubWin12', 640, 480);\">"));
  options.AutoSize = kUnchecked;
  EXPECT_THAT(
      Line(entry, 12, PictureLineFormatOf(options, PathStyle::kWindows)),
      ::testing::StartsWith(
          "<a href=\"JavaScript:subwin = window.open('a.jpg', 'SubWin'); subwin.focus();\">"));
}

TEST(PictureLineTest, ChosenFolderPagesUseFileAddressesAndFullPaths) {
  GalleryOptions options;
  options.SearchDir = "C:\\Photos";
  options.OutputDir = kOutputDirChosen;
  options.SubWin = kUnchecked;
  options.AltNewLine = kChecked;
  options.Pixel = 0;  // 50
  const ImageEntry entry = Picture("C:\\Photos\\Trip\\", "a.jpg", 640, 480, 123456);
  EXPECT_EQ(Line(entry, 1, PictureLineFormatOf(options, PathStyle::kWindows)),
            "<a href=\"file:///C|/Photos/Trip/a.jpg\"><img src=\"file:///C|/Photos/Trip/a.jpg\" "
            "width=50 height=38 alt=\"C:\\Photos\\Trip\\a.jpg&#13;&#10;123.5kb&#13;&#10;"
            "640x480pixel\" border=0></a>\r\n");

  options.SearchDir = "/home/me/Photos";
  const ImageEntry posix = Picture("/home/me/Photos/", "a.jpg", 50, 50, 0);
  EXPECT_EQ(Line(posix, 1, PictureLineFormatOf(options, PathStyle::kPosix)),
            "<a href=\"file:///home/me/Photos/a.jpg\"><img src=\"file:///home/me/Photos/a.jpg\" "
            "width=50 height=50 alt=\"/home/me/Photos/a.jpg&#13;&#10;0.0kb&#13;&#10;"
            "50x50pixel\" border=0></a>\r\n");
}

TEST(PictureLineTest, FileNameInsteadOfThumbnail) {
  GalleryOptions options;
  options.SearchDir = "C:\\";
  options.OutputDir = kOutputDirSearch;
  options.NotThumbnail = kChecked;
  options.OnlyOne = kUnchecked;
  const ImageEntry entry = Picture("C:\\", "a.jpg", 640, 480, 1);
  EXPECT_EQ(Line(entry, 2, PictureLineFormatOf(options, PathStyle::kWindows)),
            "<a href=\"JavaScript:NewWindow('a.jpg', 'SubWin2', 640, 480);\">a.jpg</a><br>\r\n");
}

TEST(PictureLineTest, AwkwardNamesInBothStyles) {
  struct Case {
    PathStyle style;
    int output_dir;
    int sub_win;
    const char* search_dir;
    const char* folder;
    const char* name;
    const char* expected;
  };
  for (const Case& c : {
           Case{PathStyle::kWindows, kOutputDirSearch, kUnchecked, "C:\\Photos", "C:\\Photos\\#1\\",
                "100% & 'more'.jpg",
                "<a href=\"%231/100%25 & 'more'.jpg\"><img src=\"%231/100%25 & 'more'.jpg\" "
                "width=10 height=10 alt=\"#1/100% & 'more'.jpg 0.0kb 10x10pixel\" "
                "border=0></a>\r\n"},
           Case{PathStyle::kWindows, kOutputDirChosen, kChecked, "C:\\写真", "C:\\写真\\",
                "夏 #1.jpg",
                "<a href=\"JavaScript:NewWindow('file:///C|/写真/夏 %25231.jpg', 'SubWin', 10, "
                "10);\"><img src=\"file:///C|/写真/夏 %231.jpg\" width=10 height=10 "
                "alt=\"C:\\写真\\夏 #1.jpg 0.0kb 10x10pixel\" border=0></a>\r\n"},
           Case{PathStyle::kPosix, kOutputDirSearch, kUnchecked, "/p", "/p/\"q\"/", "<b>?.jpg",
                "<a href=\"&quot;q&quot;/&lt;b&gt;%3F.jpg\"><img "
                "src=\"&quot;q&quot;/&lt;b&gt;%3F.jpg\" width=10 height=10 "
                "alt=\"&quot;q&quot;/&lt;b&gt;?.jpg 0.0kb 10x10pixel\" border=0></a>\r\n"},
           Case{PathStyle::kPosix, kOutputDirChosen, kChecked, "/p", "/p/", "it's\\%.jpg",
                "<a href=\"JavaScript:NewWindow('file:///p/it\\'s%255C%2525.jpg', 'SubWin', 10, "
                "10);\"><img src=\"file:///p/it's%5C%25.jpg\" width=10 height=10 "
                "alt=\"/p/it's\\%.jpg 0.0kb 10x10pixel\" border=0></a>\r\n"},
       }) {
    GalleryOptions options;
    options.SearchDir = c.search_dir;
    options.OutputDir = c.output_dir;
    options.SubWin = c.sub_win;
    const ImageEntry entry = Picture(c.folder, c.name, 10, 10, 0);
    EXPECT_EQ(Line(entry, 1, PictureLineFormatOf(options, c.style)), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace pictavue
