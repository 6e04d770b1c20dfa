#include "platform/paths.h"

#include <cstddef>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/blanks.h"

namespace pictavue {
namespace {

bool IsAsciiLetter(char ch) {
  return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Appends the names of text, split at separator, to names: "." and empty names are dropped and
// ".." takes back the name before it (never beyond the first).
void AddResolvedNames(std::string_view text, char separator, std::vector<std::string_view>& names) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    const std::string_view name = text.substr(start, end - start);
    if (name == "..") {
      if (!names.empty()) {
        names.pop_back();
      }
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    start = end + 1;
  }
}

bool IsDriveRoot(std::string_view path, PathStyle style) {
  return style == PathStyle::kWindows && (path.size() == 2 || path.size() == 3) &&
         IsAsciiLetter(path[0]) && path[1] == ':' &&
         (path.size() == 2 || IsSeparator(path[2], style));
}

// "\\server\share" or "\\server\share\": two leading separators, then exactly two names.
bool IsShareRoot(std::string_view path, PathStyle style) {
  if (path.size() < 2 || !IsSeparator(path[0], style) || !IsSeparator(path[1], style)) {
    return false;
  }
  std::string_view rest = path.substr(2);
  if (!rest.empty() && IsSeparator(rest.back(), style)) {
    rest.remove_suffix(1);
  }
  std::size_t separators = 0;
  std::size_t separator_at = 0;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (IsSeparator(rest[i], style)) {
      ++separators;
      separator_at = i;
    }
  }
  return separators == 1 && separator_at > 0 && separator_at + 1 < rest.size();
}

}  // namespace

bool IsSeparator(char ch, PathStyle style) {
  return ch == '/' || (style == PathStyle::kWindows && ch == '\\');
}

bool EndsWithSeparator(std::string_view path, PathStyle style) {
  return !path.empty() && IsSeparator(path.back(), style);
}

bool IsRootPath(std::string_view path, PathStyle style) {
  if (style == PathStyle::kPosix) {
    return !path.empty() && path.find_first_not_of('/') == std::string_view::npos;
  }
  // A lone separator is the root of the current drive: "\Pictavue.ini", never "\\Pictavue.ini".
  const bool lone_separator = path.size() == 1 && IsSeparator(path[0], style);
  return lone_separator || IsDriveRoot(path, style) || IsShareRoot(path, style);
}

std::string WithTrailingSeparator(std::string_view path, PathStyle style) {
  std::string result(path);
  if (!result.empty() && !EndsWithSeparator(result, style)) {
    result += Separator(style);
  }
  return result;
}

std::string WithoutTrailingSeparator(std::string_view path, PathStyle style) {
  std::string_view trimmed = path;
  // "C:" would name the drive's current folder, not its root, so a Windows root keeps its
  // separator; POSIX's "//" is "/".
  while (trimmed.size() > 1 && EndsWithSeparator(trimmed, style) &&
         !(style == PathStyle::kWindows && IsRootPath(trimmed, style))) {
    trimmed.remove_suffix(1);
  }
  return std::string(trimmed);
}

std::string JoinPath(std::string_view folder, std::string_view name, PathStyle style) {
  std::string joined(folder);
  if (!joined.empty() && !EndsWithSeparator(joined, style)) {
    joined += Separator(style);
  }
  joined += name;
  return joined;
}

std::string LastComponent(std::string_view path, PathStyle style) {
  if (IsRootPath(path, style)) {
    return {};
  }
  std::string_view rest = path;
  while (EndsWithSeparator(rest, style)) {
    rest.remove_suffix(1);
  }
  std::size_t start = rest.size();
  while (start > 0 && !IsSeparator(rest[start - 1], style)) {
    --start;
  }
  return std::string(rest.substr(start));
}

bool IsAbsolutePath(std::string_view path, PathStyle style) {
  if (style == PathStyle::kPosix) {
    return !path.empty() && path.front() == '/';
  }
  return (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2], style)) ||
         (path.size() >= 2 && IsSeparator(path[0], style) && IsSeparator(path[1], style));
}

bool IsSameOrBelowFolder(std::string_view path, std::string_view folder, PathStyle style) {
  const std::string base = WithoutTrailingSeparator(folder, style);
  if (base.empty() || path.size() < base.size()) {
    return false;
  }
  const std::string_view head = path.substr(0, base.size());
  const bool same_head =
      style == PathStyle::kWindows ? EqualsIgnoringAsciiCase(head, base) : head == base;
  return same_head && (path.size() == base.size() || EndsWithSeparator(base, style) ||
                       IsSeparator(path[base.size()], style));
}

std::string SettingsFilePath(std::string_view program_folder, PathStyle style) {
  if (program_folder.empty()) {
    return kSettingsFileName;  // the current folder, rather than the root
  }
  if (IsRootPath(program_folder, style) && EndsWithSeparator(program_folder, style)) {
    return std::string(program_folder) + kSettingsFileName;
  }
  return std::string(program_folder) + Separator(style) + kSettingsFileName;
}

std::string WindowsDriveRoot(std::string_view windows_folder) {
  const std::string_view until_nul = windows_folder.substr(0, windows_folder.find('\0'));
  return std::string(until_nul.substr(0, 3));
}

std::string NormalizeWindowsFolderPath(std::string_view path, const StoredNameLookup& lookup) {
  std::string s = AsciiUpper(TrimBlanks(path));
  if (s.empty()) {
    return {};
  }
  // The system takes '/' for '\'; the walk below splits at '\' only, so without this a path
  // typed with '/' would skip its middle components and name a different folder.
  const bool network = s.size() > 1 && IsSeparator(s[0], PathStyle::kWindows) &&
                       IsSeparator(s[1], PathStyle::kWindows);
  for (char& ch : s) {
    if (ch == '/') {
      ch = '\\';
    }
  }

  std::string root;
  if (network) {
    const std::size_t first = s.find('\\', 2);
    const std::size_t second = first == std::string::npos ? first : s.find('\\', first + 1);
    if (second == std::string::npos) {
      return {};
    }
    root = s.substr(0, second);
  } else {
    const std::size_t colon = s.find(':');
    root = colon == std::string::npos ? std::string() : s.substr(0, colon + 1);
  }

  const std::string root_with_separator = root + '\\';
  if (root_with_separator.size() >= s.size()) {
    return root_with_separator;
  }
  // "." and ".." are resolved by text first: looked up, they would give the stored name of the
  // folder they stand for, and C:\A\..\B would become C:\A\<the parent>\B.
  std::vector<std::string_view> names;
  AddResolvedNames(std::string_view(s).substr(root_with_separator.size()), '\\', names);
  std::string looked_up = root;
  std::string result = root;
  for (const std::string_view name : names) {
    looked_up += '\\';
    looked_up += name;
    const std::optional<std::string> stored = lookup(looked_up);
    if (!stored) {
      return {};
    }
    result += '\\';
    result += *stored;
  }
  return names.empty() ? root_with_separator : result;
}

std::string ResolvePosixPathLexically(std::string_view path, std::string_view current_folder) {
  std::vector<std::string_view> names;
  if (path.empty() || path.front() != '/') {
    AddResolvedNames(current_folder, '/', names);
  }
  AddResolvedNames(path, '/', names);

  std::string resolved;
  for (std::string_view name : names) {
    resolved += '/';
    resolved += name;
  }
  return resolved.empty() ? std::string("/") : resolved;
}

}  // namespace pictavue
