// The program itself, with its real generation run, over the bundled sample pictures in batch
// mode: the pictures measure as they were drawn and every file of the gallery is written.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "support/temp_folder.h"

namespace pictavue {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

struct Finished {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& text) {
  return "'" + text + "'";  // the paths of these tests hold no apostrophe
}

Finished RunBatch(const testing::TempFolder& folder, const std::string& settings,
                  const std::string& pictures) {
  const std::string out = folder.Path("stdout.txt");
  const std::string err = folder.Path("stderr.txt");
  const std::string command = Quoted(PICTAVUE_PROGRAM) + " --batch --settings " + Quoted(settings) +
                              " " + Quoted(pictures) + " >" + Quoted(out) + " 2>" + Quoted(err) +
                              " </dev/null";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing::ReadFileBytes(out),
          testing::ReadFileBytes(err)};
}

std::string SamplePictures() {
  const char* source = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  return std::string(source == nullptr ? "." : source) + "/examples/pictures";
}

std::string Settings(const std::string& output_folder) {
  return "[SearchDir]\r\nSubDir=1\r\nGIF=1\r\nJPEG=1\r\nPNG=1\r\nBMP=1\r\nWMF=1\r\nEMF=1\r\n"
         "[PageFormat]\r\nIPP=-1\r\nIppFree=4\r\nFrameMenu=1\r\n"
         "[OutFile]\r\nOutputDir=0\r\nDirName=" +
         output_folder + "\r\n";
}

TEST(SampleGalleryTest, EveryKindIsMeasuredAndTheGalleryWritten) {
  testing::TempFolder folder;
  const std::string out = folder.MakeFolder("gallery");
  const std::string settings = folder.WriteFile("settings.ini", Settings(out));
  const Finished finished = RunBatch(folder, settings, SamplePictures());

  EXPECT_EQ(finished.status, 0) << finished.err;
  EXPECT_EQ(finished.out, out + "/Pictavue.htm\n");
  EXPECT_EQ(finished.err, "");
  std::string pages;
  for (const char* name : {"Pictavue001.htm", "Pictavue002.htm", "Pictavue.htm", "Pictavuem.htm"}) {
    EXPECT_TRUE(fs::is_regular_file(out + "/" + name)) << name;
  }
  for (const char* name : {"Pictavue001.htm", "Pictavue002.htm"}) {
    pages += testing::ReadFileBytes(out + "/" + name);
  }
  // Each picture's alt text ends in its measured size; the portrait is stored on its side and
  // turned upright by its EXIF orientation.
  for (const char* picture :
       {"pictures/sea.jpg 6.5kb 240x160pixel", "metafiles/star.wmf 0.2kb 96x96pixel",
        "metafiles/waves.emf 0.5kb 128x96pixel", "shapes/circles.png 5.5kb 200x150pixel",
        "shapes/stripes.gif 34.8kb 200x150pixel", "shapes/tiles.bmp 36.9kb 128x96pixel",
        "風景/night.jpg 3.1kb 120x180pixel", "風景/sunset.jpg 4.1kb 240x160pixel"}) {
    EXPECT_THAT(pages, HasSubstr(picture));
  }
  EXPECT_THAT(testing::ReadFileBytes(settings), HasSubstr("DirHistry1=" + SamplePictures()));
}

TEST(SampleGalleryTest, AFolderWithoutPicturesWritesNothing) {
  testing::TempFolder folder;
  const std::string out = folder.MakeFolder("gallery");
  const std::string settings = folder.WriteFile("settings.ini", Settings(out));
  const Finished finished = RunBatch(folder, settings, folder.MakeFolder("empty"));
  EXPECT_EQ(finished.status, 1);
  EXPECT_EQ(finished.out, "");
  EXPECT_EQ(finished.err, "Pictavue: 指定されたフォルダには画像ファイルが存在しません。\n");
  EXPECT_TRUE(fs::is_empty(out));
}

}  // namespace
}  // namespace pictavue
