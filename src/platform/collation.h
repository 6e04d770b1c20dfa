#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace pictavue {

// The order in which names are shown to the user: the collation of a locale, letter case
// ignored, digits compared one by one as characters (so "10.jpg" comes before "2.jpg").
//
// Callers sort by keys, not by texts: SortKey() is computed once per text, and two keys compare
// bytewise (as unsigned bytes, which is how std::string compares) in the collation order of
// their texts. Texts that differ only in letter case have equal keys.
class Collation {
 public:
  // The user's collation locale. On POSIX that is the first of LC_ALL, LC_COLLATE and LANG that
  // is set; the C and POSIX locales, and no locale at all, use the language-neutral root order,
  // which ignores letter case like every other locale.
  static Collation ForUserLocale();

  // The collation of a locale named as the platform names them ("ja_JP.UTF-8", "de_DE", "C" on
  // POSIX). A locale without collation data of its own uses the root order.
  static Collation ForLocale(std::string_view locale_name);

  Collation(Collation&& other) noexcept;
  Collation& operator=(Collation&& other) noexcept;
  ~Collation();

  // The sort key of a UTF-8 text. A POSIX file name need not be valid UTF-8: each ill-formed
  // sequence collates as U+FFFD, which follows the letters of every script, so such a name sorts
  // behind its valid neighbours instead of failing.
  std::string SortKey(std::string_view utf8) const;

 private:
  class Impl;
  explicit Collation(std::unique_ptr<Impl> impl);

  std::unique_ptr<Impl> impl_;
};

}  // namespace pictavue
