#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

#include "platform/ascii_case.h"
#include "platform/code_page_converter.h"
#include "platform/utf8.h"

namespace pictavue::code_page_detail {
namespace {

constexpr UINT kNoCodePage = 0;

// Whole runs go to the system in one call; only a run that holds a character the system cannot
// convert is taken apart, one character at a time, to find it.
constexpr std::size_t kRunBytes = 4096;

struct Conversion {
  UINT code_page = kNoCodePage;
  Direction direction = Direction::kFromUtf8;
};

// "CP932" and "932" by number; the iconv names that tests and users are likely to give, by name.
UINT CodePageNumber(const std::string& name) {
  struct Alias {
    const char* name;
    UINT number;
  };
  static constexpr Alias kAliases[] = {
      {"SHIFT_JIS", 932},     {"SHIFT-JIS", 932},     {"SJIS", 932},
      {"WINDOWS-31J", 932},   {"EUC-JP", 20932},      {"ISO-8859-1", 28591},
      {"LATIN1", 28591},      {"WINDOWS-1252", 1252}, {"ASCII", 20127},
      {"US-ASCII", 20127},    {"UTF-8", CP_UTF8},     {"UTF8", CP_UTF8},
      {"ISO-8859-15", 28605}, {"WINDOWS-1251", 1251}, {"GBK", 936},
      {"BIG5", 950},          {"EUC-KR", 51949},      {"CP949", 949},
      {"WINDOWS-1250", 1250},
  };
  for (const Alias& alias : kAliases) {
    if (EqualsIgnoringAsciiCase(name, alias.name)) {
      return alias.number;
    }
  }
  std::string_view digits = name;
  if (digits.size() > 2 && EqualsIgnoringAsciiCase(digits.substr(0, 2), "CP")) {
    digits.remove_prefix(2);
  }
  if (digits.empty() || digits.size() > 5 ||
      digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return kNoCodePage;
  }
  return static_cast<UINT>(std::strtoul(std::string(digits).c_str(), nullptr, 10));
}

// The code page's characters are one byte, or two when the first is a lead byte (the ANSI code
// pages hold no longer ones).
std::size_t AnsiLength(UINT code_page, unsigned char lead) {
  return IsDBCSLeadByteEx(code_page, lead) ? 2 : 1;
}

std::size_t CharacterLength(const Conversion& conversion, unsigned char lead) {
  return conversion.direction == Direction::kFromUtf8 ? Utf8LeadLength(lead)
                                                      : AnsiLength(conversion.code_page, lead);
}

// Whether text, shorter than the character its first byte starts, could still become that
// character: in UTF-8 only continuation bytes may follow the lead.
bool IsCutShort(const Conversion& conversion, std::string_view text) {
  if (conversion.direction == Direction::kToUtf8) {
    return true;
  }
  return std::all_of(text.begin() + 1, text.end(),
                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
}

// The end of the longest prefix of text, at most max_bytes long, that ends at a character
// boundary.
std::size_t WholeCharacters(const Conversion& conversion, std::string_view text,
                            std::size_t max_bytes) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = CharacterLength(conversion, static_cast<unsigned char>(text[at]));
    if (at + length > max_bytes || at + length > text.size()) {
      break;
    }
    at += length;
  }
  return at;
}

// Converts all of text or nothing: false when any character of it is invalid or has no form in
// the target.
bool ConvertWhole(const Conversion& conversion, std::string_view text, std::string& out) {
  if (text.empty()) {
    out.clear();
    return true;
  }
  const UINT source = conversion.direction == Direction::kFromUtf8 ? CP_UTF8 : conversion.code_page;
  const UINT target = conversion.direction == Direction::kFromUtf8 ? conversion.code_page : CP_UTF8;
  const int wide_length = MultiByteToWideChar(source, MB_ERR_INVALID_CHARS, text.data(),
                                              static_cast<int>(text.size()), nullptr, 0);
  if (wide_length <= 0) {
    return false;
  }
  std::vector<wchar_t> wide(static_cast<std::size_t>(wide_length));
  MultiByteToWideChar(source, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                      wide.data(), wide_length);
  // No "best fit": a character the code page lacks must not quietly become a look-alike.
  const DWORD flags = target == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  BOOL* used_default_out = target == CP_UTF8 ? nullptr : &used_default;
  const int length = WideCharToMultiByte(target, flags, wide.data(), wide_length, nullptr, 0,
                                         nullptr, used_default_out);
  if (length <= 0 || used_default) {
    return false;
  }
  out.resize(static_cast<std::size_t>(length));
  WideCharToMultiByte(target, flags, wide.data(), wide_length, out.data(), length, nullptr,
                      used_default_out);
  return !used_default;
}

}  // namespace

std::string SystemCodePageName() {
  return "CP" + std::to_string(GetACP());
}

bool IsSupported(const std::string& code_page) {
  const UINT number = CodePageNumber(code_page);
  return number != kNoCodePage && IsValidCodePage(number) != 0;
}

Converter::Converter(const std::string& code_page, Direction direction)
    : handle_(new Conversion{CodePageNumber(code_page), direction}) {}

Converter::~Converter() {
  delete static_cast<Conversion*>(handle_);
}

bool Converter::ok() const {
  const UINT number = static_cast<const Conversion*>(handle_)->code_page;
  return number != kNoCodePage && IsValidCodePage(number) != 0;
}

Step Converter::Convert(std::string_view input, std::string& out, std::size_t max_out) {
  Step step;
  if (!ok()) {
    step.stop = Stop::kBadChar;
    return step;
  }
  const Conversion& conversion = *static_cast<const Conversion*>(handle_);
  std::string converted;
  std::string_view rest = input;
  // Bytes of a run that failed as a whole and is now taken one character at a time.
  std::size_t one_by_one = 0;
  while (!rest.empty()) {
    const std::size_t first = CharacterLength(conversion, static_cast<unsigned char>(rest[0]));
    if (first > rest.size()) {
      step.stop = IsCutShort(conversion, rest) ? Stop::kIncomplete : Stop::kBadChar;
      break;
    }
    const std::size_t run_bytes =
        one_by_one > 0 ? first : std::max(first, WholeCharacters(conversion, rest, kRunBytes));
    const std::string_view run = rest.substr(0, run_bytes);
    const std::size_t room = max_out > out.size() ? max_out - out.size() : 0;
    const bool valid = ConvertWhole(conversion, run, converted);
    if (!valid || converted.size() > room) {
      if (one_by_one > 0) {
        step.stop = valid ? Stop::kFull : Stop::kBadChar;
        break;
      }
      one_by_one = run_bytes;  // find the character at fault, or fill the room left
      continue;
    }
    out += converted;
    rest.remove_prefix(run_bytes);
    one_by_one = one_by_one > run_bytes ? one_by_one - run_bytes : 0;
  }
  step.consumed = input.size() - rest.size();
  return step;
}

}  // namespace pictavue::code_page_detail
