#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

// What every Win32 module of the platform layer needs at the edge between the program's UTF-8
// and the "A" forms of the system's calls, which take and give the ANSI code page.
namespace pictavue::win32 {

// A path in the ANSI code page, or nothing when the system could not be handed it faithfully:
// a character the code page lacks would become "?", which the directory services read as a
// wildcard, and a NUL would cut it short.
std::optional<std::string> SystemPath(std::string_view utf8);

// A text the system gave in the ANSI code page, as UTF-8.
std::string ProgramText(std::string_view ansi);

// A folder the shell knows by its CSIDL number (CSIDL_APPDATA, ...), as UTF-8; empty when the
// system does not say.
std::string ShellFolder(int csidl);

// The system's description of an error code (GetLastError), as UTF-8, without its line break.
std::string ErrorText(DWORD error);

}  // namespace pictavue::win32
