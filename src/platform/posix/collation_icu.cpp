#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "platform/ascii_case.h"
#include "platform/collation.h"

namespace pictavue {

namespace {

// Names and paths are a few hundred bytes; texts beyond this length collate by their beginning
// (the callers break ties by the raw bytes), which keeps every length within ICU's 32-bit range.
constexpr std::size_t kMaxCollatedBytes = std::size_t{1} << 16;

// ICU's locale for a POSIX locale name: the codeset (".UTF-8") and modifier ("@euro") are not
// part of it. C and POSIX give the empty text, which stands for the root order: ICU would map
// them to en_US_POSIX, which puts every upper-case letter before every lower-case one.
std::string IcuLocaleId(std::string_view posix_name) {
  const std::string_view language = posix_name.substr(0, posix_name.find_first_of(".@"));
  if (language == "C" || language == "POSIX") {
    return {};
  }
  return std::string(language);
}

const char* FirstSetVariable(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      return value;
    }
  }
  return "";
}

std::unique_ptr<icu::Collator> OpenCollator(const std::string& icu_locale_id) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale locale =
      icu_locale_id.empty() ? icu::Locale::getRoot() : icu::Locale(icu_locale_id.c_str());
  std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
  if (U_FAILURE(status) || collator == nullptr) {
    return nullptr;
  }
  // Secondary strength: accents count, letter case does not.
  collator->setStrength(icu::Collator::SECONDARY);
  // Some locales switch numeric ordering on; names here compare digit by digit everywhere.
  collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_OFF, status);
  if (U_FAILURE(status)) {
    return nullptr;
  }
  return collator;
}

icu::StringPiece Piece(std::string_view utf8) {
  const std::string_view collated = utf8.substr(0, kMaxCollatedBytes);
  return icu::StringPiece(collated.data(), static_cast<std::int32_t>(collated.size()));
}

}  // namespace

class Collation::Impl {
 public:
  explicit Impl(std::unique_ptr<icu::Collator> collator) : collator_(std::move(collator)) {}

  std::string SortKey(std::string_view utf8) const {
    if (collator_ == nullptr) {
      return AsciiLower(utf8);
    }
    // fromUTF8 replaces every ill-formed sequence by U+FFFD.
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(Piece(utf8));
    std::string key(64, '\0');
    std::int32_t length = FillKey(text, key);
    if (length > static_cast<std::int32_t>(key.size())) {
      key.resize(static_cast<std::size_t>(length));
      length = FillKey(text, key);
    }
    // ICU ends the key with a zero byte, which std::string does not need.
    const auto used = static_cast<std::size_t>(length > 0 ? length - 1 : 0);
    key.resize(used);
    return key;
  }

 private:
  std::int32_t FillKey(const icu::UnicodeString& text, std::string& key) const {
    return collator_->getSortKey(text, reinterpret_cast<std::uint8_t*>(key.data()),
                                 static_cast<std::int32_t>(key.size()));
  }

  std::unique_ptr<icu::Collator> collator_;
};

Collation Collation::ForUserLocale() {
  return ForLocale(FirstSetVariable({"LC_ALL", "LC_COLLATE", "LANG"}));
}

Collation Collation::ForLocale(std::string_view locale_name) {
  return Collation(std::make_unique<Impl>(OpenCollator(IcuLocaleId(locale_name))));
}

Collation::Collation(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Collation::Collation(Collation&& other) noexcept = default;
Collation& Collation::operator=(Collation&& other) noexcept = default;
Collation::~Collation() = default;

std::string Collation::SortKey(std::string_view utf8) const {
  return impl_->SortKey(utf8);
}

}  // namespace pictavue
