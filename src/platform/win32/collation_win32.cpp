#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <windows.h>

#include "platform/ascii_case.h"
#include "platform/collation.h"

namespace pictavue {
namespace {

// Names and paths are a few hundred bytes; longer texts collate by their beginning (callers break
// ties by the raw bytes), which keeps every length within the system's int range.
constexpr std::size_t kMaxCollatedBytes = std::size_t{1} << 16;

std::wstring Wide(std::string_view utf8) {
  // Without MB_ERR_INVALID_CHARS an ill-formed sequence becomes U+FFFD instead of failing.
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) {
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
  }
  return wide;
}

// The system's name of a locale for a name given either way: "ja-JP" as Windows writes it, or
// "ja_JP.UTF-8" as POSIX does. C and POSIX stand for the invariant locale.
std::wstring SystemLocaleName(std::string_view name) {
  std::string language(name.substr(0, name.find_first_of(".@")));
  if (language == "C" || language == "POSIX") {
    return LOCALE_NAME_INVARIANT;
  }
  for (char& c : language) {
    if (c == '_') {
      c = '-';
    }
  }
  const std::wstring wide = Wide(language);
  if (wide.empty() || IsValidLocaleName(wide.c_str()) == 0) {
    return LOCALE_NAME_INVARIANT;
  }
  return wide;
}

}  // namespace

// The sort keys of LCMapStringEx compare bytewise as CompareStringEx compares the texts, with
// the same flags: letter case ignored, digits one by one as characters.
class Collation::Impl {
 public:
  // No name stands for the user's locale (LOCALE_NAME_USER_DEFAULT).
  explicit Impl(std::optional<std::wstring> locale) : locale_(std::move(locale)) {}

  std::string SortKey(std::string_view utf8) const {
    const std::wstring text = Wide(utf8.substr(0, kMaxCollatedBytes));
    if (text.empty()) {
      return {};
    }
    constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int length =
        LCMapStringEx(LocaleName(), kFlags, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                      nullptr, nullptr, 0);
    if (length <= 0) {
      return AsciiLower(utf8);
    }
    // With LCMAP_SORTKEY the output is bytes, although the parameter's type says otherwise.
    std::string key(static_cast<std::size_t>(length), '\0');
    const int written =
        LCMapStringEx(LocaleName(), kFlags, text.c_str(), static_cast<int>(text.size()),
                      reinterpret_cast<wchar_t*>(key.data()), length, nullptr, nullptr, 0);
    if (written <= 0) {
      return AsciiLower(utf8);
    }
    key.resize(static_cast<std::size_t>(written));
    // The key ends with a zero byte, which std::string does not need.
    while (!key.empty() && key.back() == '\0') {
      key.pop_back();
    }
    return key;
  }

 private:
  const wchar_t* LocaleName() const {
    return locale_ ? locale_->c_str() : LOCALE_NAME_USER_DEFAULT;
  }

  std::optional<std::wstring> locale_;
};

Collation Collation::ForUserLocale() {
  return Collation(std::make_unique<Impl>(std::nullopt));
}

Collation Collation::ForLocale(std::string_view locale_name) {
  return Collation(std::make_unique<Impl>(SystemLocaleName(locale_name)));
}

Collation::Collation(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Collation::Collation(Collation&& other) noexcept = default;
Collation& Collation::operator=(Collation&& other) noexcept = default;
Collation::~Collation() = default;

std::string Collation::SortKey(std::string_view utf8) const {
  return impl_->SortKey(utf8);
}

}  // namespace pictavue
