#include "generate/page_layout.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "generate/addresses.h"
#include "generate/html_text.h"
#include "platform/paths.h"

namespace pictavue {
namespace {

// A plain decimal reading: digits with an optional fraction, no exponent.
std::optional<double> ParseDecimal(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() == '+' || text.front() == '-') {
    return std::nullopt;
  }
  double value = 0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

bool IsUnlimited(const GalleryOptions& options) {
  return options.IPP == kIppUnlimited;
}

bool PagesInSearchFolder(const GalleryOptions& options) {
  return options.OutputDir != kOutputDirChosen;
}

std::string OutputFolder(const GalleryOptions& options, std::string_view default_folder,
                         PathStyle style) {
  if (PagesInSearchFolder(options)) {
    return WithTrailingSeparator(options.SearchDir, style);
  }
  if (options.DirName.empty()) {
    return WithTrailingSeparator(default_folder, style);
  }
  return WithTrailingSeparator(options.DirName, style);
}

std::string PageFileName(std::string_view file_name, bool unlimited, int page) {
  std::string name(file_name);
  if (!unlimited) {
    AppendDecimal000(name, page);
  }
  name += ".htm";
  return name;
}

std::string FrameSetFileName(std::string_view file_name) {
  return std::string(file_name) + ".htm";
}

std::string MenuFileName(std::string_view file_name) {
  return std::string(file_name) + "m.htm";
}

std::optional<int> ImagesPerPage(std::string_view text) {
  const std::optional<double> value = ParseDecimal(text);
  if (!value) {
    return std::nullopt;
  }
  // nearbyint under the default rounding mode sends an exact half to the even neighbour.
  const double whole = std::nearbyint(*value);
  if (!(whole >= 1 && whole <= kMaxPageArithmetic)) {
    return std::nullopt;
  }
  return static_cast<int>(whole);
}

int PageCount(int image_count, int images_per_page) {
  if (images_per_page <= 0 || image_count <= 0) {
    return image_count > 0 ? 1 : 0;
  }
  return image_count / images_per_page + (image_count % images_per_page != 0 ? 1 : 0);
}

std::optional<PageSlice> SliceOfPage(int page, int image_count, int images_per_page,
                                     bool unlimited) {
  PageSlice slice;
  if (unlimited) {
    slice.FirstIndex = 0;
    slice.LastIndex = image_count - 1;
    return slice;
  }
  const std::int64_t first = static_cast<std::int64_t>(page - 1) * images_per_page;
  const std::int64_t end = first + images_per_page;
  if (first > kMaxPageArithmetic || end > kMaxPageArithmetic) {
    return std::nullopt;
  }
  slice.FirstIndex = static_cast<int>(first);
  slice.LastIndex = static_cast<int>(end) - 1;
  if (slice.LastIndex > image_count - 1) {
    slice.LastIndex = image_count - 1;
  }
  slice.HasNext = slice.LastIndex < image_count - 1;
  return slice;
}

std::string PageToOpenName(const GalleryOptions& options, int page_count) {
  if (IsUnlimited(options) || (page_count >= 2 && IsOn(options.FrameMenu))) {
    return FrameSetFileName(options.FileName);
  }
  return PageFileName(options.FileName, false, 1);
}

std::string PageToOpen(const GalleryOptions& options, int page_count,
                       std::string_view default_folder, PathStyle style) {
  return OutputFolder(options, default_folder, style) + PageToOpenName(options, page_count);
}

}  // namespace pictavue
