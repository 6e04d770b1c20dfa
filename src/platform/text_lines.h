#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

namespace pictavue {

// Editors that save UTF-8 often put one at the start of a text file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The lines of a text file, ended by LF, CR LF or CR alone; an end at the very end starts no
// further line. Counted first: a file of millions of empty lines is held once, not grown into.
inline std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  lines.reserve(1 + static_cast<std::size_t>(std::count_if(
                        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; })));
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return lines;
}

}  // namespace pictavue
