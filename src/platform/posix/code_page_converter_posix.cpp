#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include "platform/code_page_converter.h"

namespace pictavue::code_page_detail {
namespace {

const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);

constexpr const char* kUtf8 = "UTF-8";

bool IsAsciiCodeSet(const std::string& code_set) {
  return code_set.empty() || code_set == "ANSI_X3.4-1968" || code_set == "ASCII" ||
         code_set == "US-ASCII";
}

}  // namespace

std::string SystemCodePageName() {
  if (const char* chosen = std::getenv("PICTAVUE_CODEPAGE"); chosen != nullptr && *chosen != 0) {
    return chosen;
  }
  // A locale object of our own, so that the program's global locale stays as it is.
  locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) {
    return kUtf8;
  }
  std::string code_set = nl_langinfo_l(CODESET, locale);
  freelocale(locale);
  // The C and POSIX locales name ASCII; their file names and texts are UTF-8 in practice.
  return IsAsciiCodeSet(code_set) ? kUtf8 : code_set;
}

bool IsSupported(const std::string& code_page) {
  // "//IGNORE" and "//TRANSLIT" suffixes would change what a failed conversion means.
  if (code_page.empty() || code_page.find('/') != std::string::npos) {
    return false;
  }
  Converter to(code_page, Direction::kFromUtf8);
  Converter from(code_page, Direction::kToUtf8);
  return to.ok() && from.ok();
}

Converter::Converter(const std::string& code_page, Direction direction) {
  const iconv_t handle = direction == Direction::kFromUtf8 ? iconv_open(code_page.c_str(), kUtf8)
                                                           : iconv_open(kUtf8, code_page.c_str());
  handle_ = handle;
}

Converter::~Converter() {
  if (ok()) {
    iconv_close(static_cast<iconv_t>(handle_));
  }
}

bool Converter::ok() const {
  return static_cast<iconv_t>(handle_) != kNoHandle;
}

Step Converter::Convert(std::string_view input, std::string& out, std::size_t max_out) {
  Step step;
  if (!ok()) {
    step.stop = Stop::kBadChar;
    return step;
  }
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  while (in_left > 0) {
    const std::size_t room = max_out > out.size() ? max_out - out.size() : 0;
    if (room == 0) {
      step.stop = Stop::kFull;
      break;
    }
    // Room for the common case (no longer than the input) and a little more; grown on demand.
    const std::size_t chunk = std::min(room, in_left + in_left / 2 + 64);
    const std::size_t old_size = out.size();
    out.resize(old_size + chunk);
    char* next = out.data() + old_size;
    std::size_t out_left = chunk;
    const std::size_t result =
        iconv(static_cast<iconv_t>(handle_), &in, &in_left, &next, &out_left);
    const int error = errno;
    out.resize(old_size + (chunk - out_left));
    if (result != static_cast<std::size_t>(-1)) {
      continue;
    }
    if (error == E2BIG && chunk < room) {
      continue;  // our buffer was full, not the caller's room
    }
    step.stop = error == E2BIG ? Stop::kFull : error == EINVAL ? Stop::kIncomplete : Stop::kBadChar;
    break;
  }
  step.consumed = input.size() - in_left;
  return step;
}

}  // namespace pictavue::code_page_detail
