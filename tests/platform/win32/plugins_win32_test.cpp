// Plug-in libraries loaded with LoadLibraryA, and programs started with CreateProcessA and the
// shell. Our three plug-ins, missing files and libraries without the interface are loaded through
// the same calls by collect/plugin_probe_test, which runs here too.

#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/launch.h"
#include "platform/paths.h"
#include "platform/plugin_library.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue {
namespace {

using testing::TempFolder;

const std::string kPluginFolder = PICTAVUE_PLUGIN_FOLDER;

std::string PluginPath(const char* file) {
  return JoinPath(kPluginFolder, file, PathStyle::kWindows);
}

TEST(PluginsWin32, PicturesByTheirSystemNames) {
  TempFolder folder;
  const auto jpeg = PluginLibrary::Load(PluginPath("ifjpeg.spi"));
  ASSERT_NE(jpeg, nullptr);
  std::string name = "photo.jpg";
  if (GetACP() == 932) {
    name = "\xE8\xA1\xA8\xE7\xB4\x99.jpg";  // 表紙.jpg: its Shift_JIS bytes hold a backslash
  }
  // The file is made through the system's "A" call, as the plug-in will open it.
  const std::string path = JoinPath(folder.Path(), name, PathStyle::kWindows);
  const std::string bytes = testing::MakeJpeg(120, 80);
  std::string ansi(MAX_PATH * 2, '\0');
  {
    std::wstring wide(MAX_PATH * 2, L'\0');
    const int wide_length = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(),
                                                static_cast<int>(wide.size()));
    ASSERT_GT(wide_length, 0);
    const int ansi_length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(),
                                                static_cast<int>(ansi.size()), nullptr, nullptr);
    ASSERT_GT(ansi_length, 0);
    ansi.resize(static_cast<std::size_t>(ansi_length - 1));
  }
  const HANDLE file = CreateFileA(ansi.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);

  PictureInfo info{};
  EXPECT_EQ(jpeg->GetPictureInfo(path, info), kPluginSuccess) << path;
  EXPECT_EQ(info.width, 120);
  EXPECT_EQ(info.height, 80);
  EXPECT_NE(jpeg->GetPictureInfo(JoinPath(folder.Path(), "missing.jpg", PathStyle::kWindows), info),
            kPluginSuccess);
}

TEST(LaunchWin32, StartingPrograms) {
  const auto launcher = MakeSystemLauncher();
  TempFolder folder;
  // cmd.exe starts and ends at once; its task identifier is its process id.
  ProgramCommand command{"C:\\windows\\system32\\cmd.exe", {"/c", "exit"}};
  EXPECT_NE(launcher->StartProgram(command), 0);
  EXPECT_EQ(launcher->StartProgram({folder.Path("missing.exe"), {"page.htm"}}), 0);
  EXPECT_EQ(launcher->StartProgram({"", {}}), 0);
  // The shell reports a document that does not exist with its own number.
  EXPECT_EQ(launcher->OpenDocument(folder.Path("missing.htm")), kOpenFileNotFound);
}

}  // namespace
}  // namespace pictavue
