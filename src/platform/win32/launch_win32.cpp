#include <cstdint>
#include <optional>
#include <string>

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/launch.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

class Win32Launcher final : public Launcher {
 public:
  std::int64_t StartProgram(const ProgramCommand& command) override {
    // The system takes one command line and splits it itself.
    std::optional<std::string> line = win32::SystemPath(CommandLineText(command));
    if (command.program.empty() || !line) {
      return 0;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    if (CreateProcessA(nullptr, line->data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == 0) {
      return 0;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId;
  }

  int OpenDocument(const std::string& path) override {
    const std::optional<std::string> ansi = win32::SystemPath(path);
    if (!ansi) {
      return kOpenFileNotFound;
    }
    // The shell may hand the document to its program through COM.
    const win32::ComApartment apartment;
    const HINSTANCE result =
        ShellExecuteA(GetDesktopWindow(), "open", ansi->c_str(), "", "", SW_SHOW);
    // The result is a number dressed as a handle, for the sake of very old programs.
    return static_cast<int>(reinterpret_cast<std::intptr_t>(result));
  }
};

}  // namespace

// The shell decides when it is done with the document: association_wait has no part here.
std::unique_ptr<Launcher> MakeSystemLauncher(std::chrono::milliseconds /*association_wait*/) {
  return std::make_unique<Win32Launcher>();
}

}  // namespace pictavue
