#include "platform/dir_listing.h"

#include <cstddef>

#include "platform/ascii_case.h"

namespace pictavue {
namespace {

// The position after the UTF-8 character that starts at at, so that '?' and '*' never stop
// inside a character.
std::size_t NextCharacter(std::string_view text, std::size_t at) {
  ++at;
  while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
    ++at;
  }
  return at;
}

bool GlobMatches(std::string_view name, std::string_view pattern) {
  constexpr std::size_t kNoStar = std::string_view::npos;
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t star_p = kNoStar;
  std::size_t star_n = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star_p = p++;
      star_n = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n = NextCharacter(name, n);
    } else if (p < pattern.size() && AsciiLower(pattern[p]) == AsciiLower(name[n])) {
      ++p;
      ++n;
    } else if (star_p != kNoStar) {
      // Let the last '*' take one more character and try the rest again.
      p = star_p + 1;
      star_n = NextCharacter(name, star_n);
      n = star_n;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

}  // namespace

bool PatternMatches(std::string_view name, std::string_view pattern) {
  // Every listing of a run with all kinds on asks these, for every name of every folder.
  if (pattern == "*" || pattern == "*.*") {
    return true;
  }
  if (GlobMatches(name, pattern)) {
    return true;
  }
  // The system lets a final ".*" match no extension at all: "*.*" lists "README" too.
  return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
         name.find('.') == std::string_view::npos &&
         GlobMatches(name, pattern.substr(0, pattern.size() - 2));
}

}  // namespace pictavue
