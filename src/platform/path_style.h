#pragma once

namespace pictavue {

// Path rules are pure functions over a path style, so that Windows paths are tested on any
// machine; the running program uses NativePathStyle().
enum class PathStyle {
  kWindows,  // C:\Photos\, \\server\share\, separator '\'
  kPosix,    // /home/me/Photos/, separator '/'
};

constexpr PathStyle NativePathStyle() {
#ifdef _WIN32
  return PathStyle::kWindows;
#else
  return PathStyle::kPosix;
#endif
}

constexpr char Separator(PathStyle style) { return style == PathStyle::kWindows ? '\\' : '/'; }

}  // namespace pictavue
