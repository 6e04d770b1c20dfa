#include "generate/addresses.h"

#include <cstddef>

#include "generate/html_text.h"
#include "platform/paths.h"
#include "platform/utf8.h"

namespace pictavue {
namespace {

// A folder value without its one trailing separator; a root keeps it (C:\, \\server\share\, /).
std::string_view WithoutFinalSeparator(std::string_view folder, PathStyle style) {
  if (EndsWithSeparator(folder, style) && !IsRootPath(folder, style)) {
    folder.remove_suffix(1);
  }
  return folder;
}

constexpr std::string_view kFileScheme = "file:///";

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeCharacter(char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool IsPercentEncoded(unsigned char byte, PathStyle style) {
  if (byte == '%' || byte == '#' || byte < 0x20 || byte == 0x7F) {
    return true;
  }
  // A file: address treats '\' as '/' and starts its query at '?'.
  return style == PathStyle::kPosix && (byte == '?' || byte == '\\');
}

void AppendPercentByte(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[byte >> 4];
  out += kHex[byte & 0x0F];
}

// Where in a first segment a URL parser would see a scheme end or a drive: the offset of that
// ':' or '|', or npos.
std::size_t SchemeOrDriveMark(std::string_view segment, bool scheme, bool drive) {
  if (segment.empty() || !IsAsciiLetter(segment.front())) {
    return std::string_view::npos;
  }
  if (drive && segment.size() == 2 && segment[1] == '|') {
    return 1;
  }
  if (!scheme) {
    return std::string_view::npos;
  }
  std::size_t at = 1;
  while (at < segment.size() && IsSchemeCharacter(segment[at])) {
    ++at;
  }
  return at < segment.size() && segment[at] == ':' ? at : std::string_view::npos;
}

void AppendSegment(std::string& out, std::string_view segment, std::size_t mark, PathStyle style) {
  const std::size_t first_inner = segment.find_first_not_of(' ');
  const std::size_t inner_end =
      first_inner == std::string_view::npos ? 0 : segment.find_last_not_of(' ') + 1;
  const auto encoded = [&](std::size_t at) {
    const auto byte = static_cast<unsigned char>(segment[at]);
    return at == mark || IsPercentEncoded(byte, style) ||
           (byte == ' ' && (at < first_inner || at >= inner_end));
  };
  std::size_t i = 0;
  while (i < segment.size()) {
    // Names are mostly plain: a run of bytes that stay goes in at once.
    std::size_t plain_end = i;
    while (plain_end < segment.size() && static_cast<unsigned char>(segment[plain_end]) < 0x80 &&
           !encoded(plain_end)) {
      ++plain_end;
    }
    out.append(segment.substr(i, plain_end - i));
    i = plain_end;
    if (i == segment.size()) {
      break;
    }
    const auto byte = static_cast<unsigned char>(segment[i]);
    const std::size_t length = byte >= 0x80 ? DecodeUtf8(segment, i).length : 0;
    if (length == 0) {
      AppendPercentByte(out, byte);
      ++i;
    } else {
      out.append(segment.substr(i, length));
      i += length;
    }
  }
}

}  // namespace

std::string AddressText(std::string_view address, AddressKind kind, PathStyle style) {
  std::string out;
  out.reserve(address.size() + 16);
  const bool relative = kind == AddressKind::kRelative;
  if (!relative && address.starts_with(kFileScheme)) {
    out += kFileScheme;
    address.remove_prefix(kFileScheme.size());
  }
  const bool drive_guard = relative || style == PathStyle::kPosix;
  std::size_t start = 0;
  for (bool first = true;; first = false) {
    const std::size_t slash = address.find('/', start);
    const std::size_t end = slash == std::string_view::npos ? address.size() : slash;
    const std::string_view segment = address.substr(start, end - start);
    const std::size_t mark =
        first ? SchemeOrDriveMark(segment, relative, drive_guard) : std::string_view::npos;
    AppendSegment(out, segment, mark, style);
    if (slash == std::string_view::npos) {
      return out;
    }
    out += '/';
    start = slash + 1;
  }
}

void AppendAddress(std::string& out, std::string_view address, AddressKind kind, PathStyle style) {
  AppendNameAttribute(out, AddressText(address, kind, style));
}

void AppendScriptAddress(std::string& out, std::string_view address, AddressKind kind,
                         PathStyle style) {
  std::string script;
  const std::string text = AddressText(address, kind, style);
  script.reserve(text.size() + 16);
  for (const char c : text) {
    if (c == '%') {
      script += "%25";
      continue;
    }
    if (c == '\'' || c == '\\') {
      script += '\\';
    }
    script += c;
  }
  AppendNameAttribute(out, script);
}

void AppendRefreshAddress(std::string& out, std::string_view address, PathStyle style) {
  std::string refresh;
  for (const char c : AddressText(address, AddressKind::kRelative, style)) {
    if (c == '\'' || c == '"') {
      AppendPercentByte(refresh, static_cast<unsigned char>(c));
    } else {
      refresh += c;
    }
  }
  AppendNameAttribute(out, refresh);
}

std::string LastFolderName(std::string_view path, PathStyle style) {
  const std::size_t last = path.rfind(Separator(style));
  if (last == std::string_view::npos) {
    return {};
  }
  return std::string(path.substr(last + 1));
}

std::string UrlPath(std::string_view path, PathStyle style) {
  if (style == PathStyle::kPosix) {
    if (!path.empty() && path.front() == '/') {
      path.remove_prefix(1);
    }
    return std::string(path);
  }
  std::string result(path);
  for (char& c : result) {
    if (c == ':') {
      c = '|';
    } else if (c == '\\') {
      c = '/';
    }
  }
  return result;
}

std::string FileAddress(std::string_view path, PathStyle style) {
  return "file:///" + UrlPath(path, style);
}

std::string DocsPagePath(std::string_view docs_folder, std::string_view page, PathStyle style) {
  return JoinPath(docs_folder, page, style);
}

std::string HomePagePath(std::string_view docs_folder, PathStyle style) {
  return DocsPagePath(docs_folder, "index.html", style);
}

std::string HomePageAddress(std::string_view docs_folder, PathStyle style) {
  return FileAddress(HomePagePath(docs_folder, style), style);
}

std::string RelativePath(std::string_view path, std::string_view search_dir, PathStyle style) {
  // Counted, not compared: every picture's folder was built from the search folder text itself.
  // In POSIX style the count is taken on the path, which still has its leading '/'.
  std::size_t drop = search_dir.size();
  if (!EndsWithSeparator(search_dir, style)) {
    ++drop;
  }
  const std::string_view below = drop < path.size() ? path.substr(drop) : std::string_view();
  return style == PathStyle::kWindows ? UrlPath(below, style) : std::string(below);
}

std::string PictureTarget(std::string_view path, std::string_view search_dir,
                          bool pages_in_search_folder, PathStyle style) {
  if (pages_in_search_folder) {
    return RelativePath(path, search_dir, style);
  }
  return FileAddress(path, style);
}

std::string FolderHeadingText(std::string_view folder, bool path_name, PathStyle style) {
  const std::string_view text = WithoutFinalSeparator(folder, style);
  if (path_name) {
    return std::string(text);
  }
  return LastFolderName(text, style);
}

}  // namespace pictavue
