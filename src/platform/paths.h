#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/path_style.h"

namespace pictavue {

// Pure rules over path texts. Windows style also takes '/' as a separator where the system does
// (roots, trailing separators); the separator the rules write is always Separator(style).

bool IsSeparator(char ch, PathStyle style);
bool EndsWithSeparator(std::string_view path, PathStyle style);

// Whether path names a root: "C:\", "C:", "\\server\share" with or without its trailing
// separator, and "\" (the current drive's) in Windows style; "/" (and "//", ...) in POSIX style.
bool IsRootPath(std::string_view path, PathStyle style);

// path with one separator at its end (unchanged when it already ends in one; the empty text
// stays empty, as it names no folder).
std::string WithTrailingSeparator(std::string_view path, PathStyle style);

// path without its trailing separators, except that a Windows root keeps one ("C:\",
// "\\server\share\", "\") and POSIX's "//" becomes "/".
std::string WithoutTrailingSeparator(std::string_view path, PathStyle style);

// folder followed by name, with exactly the separator it needs between them.
std::string JoinPath(std::string_view folder, std::string_view name, PathStyle style);

// The last name of path, a trailing separator ignored: "Trip" for C:\Photos\Trip\ and for
// /home/me/Trip; the empty text for a root or the empty text.
std::string LastComponent(std::string_view path, PathStyle style);

// Whether path is absolute: "C:\..." or "\\server\..." in Windows style, "/..." in POSIX style.
bool IsAbsolutePath(std::string_view path, PathStyle style);

// Whether path is folder itself or lies below it. Windows style compares ASCII letters without
// regard to case, as its file systems do.
bool IsSameOrBelowFolder(std::string_view path, std::string_view folder, PathStyle style);

// The settings file in the program's folder. A root already ends in its separator (D:\ gives
// D:\Pictavue.ini, / gives /Pictavue.ini); any other folder gets one added.
std::string SettingsFilePath(std::string_view program_folder, PathStyle style);

inline constexpr char kSettingsFileName[] = "Pictavue.ini";

// The default search folder on Windows: the first three characters of the Windows folder
// ("C:\" for C:\WINDOWS), the text ending at its first NUL; empty when the folder is unknown.
std::string WindowsDriveRoot(std::string_view windows_folder);

// Plays FindFirstFileA on one path: the entry's name as the file system stores it (long form,
// true letter case), or nothing when the path names nothing.
using StoredNameLookup = std::function<std::optional<std::string>(const std::string& path)>;

// The canonical spelling of a Windows folder path: drive letter or server and share in upper
// case, every further component as the file system stores it, no trailing separator but for a
// drive root; the empty text when a component does not exist, for the empty text, and for a
// share named without the separator after its share name.
std::string NormalizeWindowsFolderPath(std::string_view path, const StoredNameLookup& lookup);

// A POSIX path made absolute against current_folder (itself absolute) with "." and ".."
// resolved by text alone, repeated separators collapsed, and no trailing "/" but for "/".
// Symbolic links are kept as they are written. The file system is not asked.
std::string ResolvePosixPathLexically(std::string_view path, std::string_view current_folder);

}  // namespace pictavue
