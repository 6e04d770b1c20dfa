#include "platform/code_page.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/ascii_case.h"
#include "platform/code_page_converter.h"
#include "platform/utf8.h"

namespace pictavue {
namespace {

using code_page_detail::Converter;
using code_page_detail::Direction;
using code_page_detail::Stop;

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

bool IsUtf8Name(std::string_view name) {
  return EqualsIgnoringAsciiCase(name, "UTF-8") || EqualsIgnoringAsciiCase(name, "UTF8") ||
         EqualsIgnoringAsciiCase(name, "CP65001");
}

// Only a well-formed sequence that starts at most three bytes before max_bytes can straddle it;
// anything else (ASCII, stray bytes) ends where it starts.
std::size_t Utf8BoundaryAtOrBefore(std::string_view bytes, std::size_t max_bytes) {
  for (std::size_t back = 1; back <= 3 && back <= max_bytes; ++back) {
    const std::size_t start = max_bytes - back;
    if (DecodeUtf8(bytes, start).length > back) {
      return start;
    }
  }
  return max_bytes;
}

std::string StandIn(char32_t code_point, Unmappable how) {
  if (how == Unmappable::kCharReference) {
    return "&#" + std::to_string(static_cast<std::uint32_t>(code_point)) + ";";
  }
  return "?";
}

struct Encoded {
  std::string bytes;
  std::size_t consumed = 0;  // bytes of the UTF-8 input that bytes stands for
};

// Whole runs go through the system in one call; only a character the code page lacks (or a byte
// that is not UTF-8) is handled on its own.
Encoded Encode(const std::string& code_page, std::string_view utf8, Unmappable how,
               std::size_t max_bytes) {
  Converter converter(code_page, Direction::kFromUtf8);
  Encoded result;
  result.bytes.reserve(std::min(utf8.size(), max_bytes));
  std::string_view rest = utf8;
  while (!rest.empty()) {
    const code_page_detail::Step step = converter.Convert(rest, result.bytes, max_bytes);
    rest.remove_prefix(step.consumed);
    if (step.stop == Stop::kDone || step.stop == Stop::kFull) {
      break;
    }
    const Utf8Character character = DecodeUtf8(rest);
    const std::size_t length = character.length == 0 ? 1 : character.length;
    const char32_t code_point =
        character.length == 0 ? kReplacementCharacter : character.code_point;
    const std::string stand_in = StandIn(code_point, how);
    if (stand_in.size() > max_bytes - result.bytes.size()) {
      break;
    }
    result.bytes += stand_in;
    rest.remove_prefix(length);
  }
  result.consumed = utf8.size() - rest.size();
  return result;
}

}  // namespace

CodePage CodePage::System() {
  return CodePage(code_page_detail::SystemCodePageName());
}

CodePage::CodePage(std::string name) : name_(std::move(name)) {
  is_utf8_ = IsUtf8Name(name_) || !code_page_detail::IsSupported(name_);
  if (is_utf8_) {
    name_ = "UTF-8";
  }
}

std::string CodePage::FromUtf8(std::string_view utf8, Unmappable how) const {
  if (is_utf8_) {
    return std::string(utf8);
  }
  return Encode(name_, utf8, how, kNoLimit).bytes;
}

std::string CodePage::ToUtf8(std::string_view bytes) const {
  if (is_utf8_) {
    return std::string(bytes);
  }
  Converter converter(name_, Direction::kToUtf8);
  std::string utf8;
  utf8.reserve(bytes.size() + bytes.size() / 2);
  std::string_view rest = bytes;
  while (!rest.empty()) {
    const code_page_detail::Step step = converter.Convert(rest, utf8, kNoLimit);
    rest.remove_prefix(step.consumed);
    if (step.stop == Stop::kDone) {
      break;
    }
    utf8 += kReplacementUtf8;
    if (step.stop == Stop::kIncomplete) {
      break;
    }
    rest.remove_prefix(1);
  }
  return utf8;
}

std::size_t CodePage::ByteLength(std::string_view utf8) const {
  if (is_utf8_) {
    return utf8.size();
  }
  return Encode(name_, utf8, Unmappable::kQuestionMark, kNoLimit).bytes.size();
}

std::string CodePage::CutToBytes(std::string_view utf8, std::size_t max_bytes) const {
  if (is_utf8_) {
    return std::string(utf8.substr(0, BoundaryAtOrBefore(utf8, max_bytes)));
  }
  return std::string(
      utf8.substr(0, Encode(name_, utf8, Unmappable::kQuestionMark, max_bytes).consumed));
}

std::size_t CodePage::BoundaryAtOrBefore(std::string_view bytes, std::size_t max_bytes) const {
  if (bytes.size() <= max_bytes) {
    return bytes.size();
  }
  if (is_utf8_) {
    return Utf8BoundaryAtOrBefore(bytes, max_bytes);
  }
  // Decoding the prefix from its start is the only sure way to tell lead bytes from trail
  // bytes in a double-byte code page: the prefix ends at a boundary unless its last character
  // is incomplete.
  Converter converter(name_, Direction::kToUtf8);
  std::string scratch;
  std::string_view rest = bytes.substr(0, max_bytes);
  while (!rest.empty()) {
    scratch.clear();
    const code_page_detail::Step step = converter.Convert(rest, scratch, kNoLimit);
    rest.remove_prefix(step.consumed);
    if (step.stop == Stop::kDone) {
      break;
    }
    if (step.stop == Stop::kIncomplete) {
      return max_bytes - rest.size();
    }
    rest.remove_prefix(1);
  }
  return max_bytes;
}

}  // namespace pictavue
