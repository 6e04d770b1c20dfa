#include "settings/settings_values.h"

#include <array>

#include "platform/ascii_case.h"
#include "settings/gallery_options.h"

namespace pictavue {
namespace {

// List position and file code of cmbSize, in list order.
constexpr std::array<int, 6> kPixelCodes = {3, 0, 4, 1, 5, 2};
constexpr int kPixelDefaultPosition = 1;  // 100 pixels
// List position and file code of cmbIPP, in list order.
constexpr std::array<int, 6> kIppCodes = {5, 4, 0, 1, 2, 3};
constexpr int kIppDefaultPosition = 2;  // 100 per page
constexpr int kIppTypedCode = -1;

// A decimal number as the old run-time accepted it in a boolean: sign, digits with an optional
// fraction, an optional exponent. Returns whether it is one and whether its value is zero; the
// mantissa digits decide that, so no floating-point conversion can under- or overflow.
struct NumberReading {
  bool is_number = false;
  bool is_zero = true;
};

NumberReading ReadDecimal(std::string_view text) {
  NumberReading reading;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  bool any_digit = false;
  for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
    any_digit = true;
    reading.is_zero = reading.is_zero && text[i] == '0';
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsAsciiDigit(text[i]); ++i) {
      any_digit = true;
      reading.is_zero = reading.is_zero && text[i] == '0';
    }
  }
  if (!any_digit) {
    return {};
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      ++j;
    }
    const std::size_t exponent_start = j;
    while (j < text.size() && IsAsciiDigit(text[j])) {
      ++j;
    }
    if (j == exponent_start) {
      return {};
    }
    i = j;
  }
  reading.is_number = i == text.size();
  return reading;
}

}  // namespace

std::string CutAtNul(std::string_view text) {
  return std::string(TrimBlanks(text.substr(0, text.find('\0'))));
}

std::optional<bool> ParseBoolean(std::string_view text) {
  if (EqualsIgnoringAsciiCase(text, "true")) {
    return true;
  }
  if (EqualsIgnoringAsciiCase(text, "false")) {
    return false;
  }
  const NumberReading number = ReadDecimal(text);
  if (!number.is_number) {
    return std::nullopt;
  }
  return !number.is_zero;
}

bool BooleanOrDefault(std::string_view text, bool default_value) {
  return ParseBoolean(text).value_or(default_value);
}

std::string_view BooleanText(bool value) {
  return value ? "True" : "False";
}

int CheckStateOrDefault(int value, int default_value) {
  return (value >= kUnchecked && value <= kGrayed) ? value : default_value;
}

int PixelPositionForCode(int code) {
  for (std::size_t position = 0; position < kPixelCodes.size(); ++position) {
    if (kPixelCodes[position] == code) {
      return static_cast<int>(position);
    }
  }
  return kPixelDefaultPosition;
}

std::optional<int> PixelCodeForPosition(int position) {
  if (position < 0 || position >= static_cast<int>(kPixelCodes.size())) {
    return std::nullopt;
  }
  return kPixelCodes[static_cast<std::size_t>(position)];
}

int IppPositionForCode(int code) {
  if (code == kIppTypedCode) {
    return kNoListPosition;
  }
  for (std::size_t position = 0; position < kIppCodes.size(); ++position) {
    if (kIppCodes[position] == code) {
      return static_cast<int>(position);
    }
  }
  return kIppDefaultPosition;
}

int IppCodeForPosition(int position) {
  if (position < 0 || position >= static_cast<int>(kIppCodes.size())) {
    return kIppTypedCode;
  }
  return kIppCodes[static_cast<std::size_t>(position)];
}

int OutputDirPositionForValue(int value) {
  if (value == kNoListPosition || value == kOutputDirChosen || value == kOutputDirSearch) {
    return value;
  }
  return kOutputDirChosen;
}

std::string TitleFromFile(std::string_view stored) {
  std::string title;
  title.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == 'n') {
      title += "\r\n";
      ++i;
    } else {
      title += stored[i];
    }
  }
  return title;
}

std::string TitleForFile(std::string_view title) {
  const std::string trimmed(TrimBlanks(title));
  std::string stored;
  stored.reserve(trimmed.size());
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    const char c = trimmed[i];
    if (c == '\r' || c == '\n') {
      // A lone CR or LF would end the line in the settings file and spill the rest of the title
      // into it as a line of its own; every kind of line break is stored as "\n".
      stored += "\\n";
      if (c == '\r' && i + 1 < trimmed.size() && trimmed[i + 1] == '\n') {
        ++i;
      }
    } else {
      stored += c;
    }
  }
  return stored;
}

}  // namespace pictavue
