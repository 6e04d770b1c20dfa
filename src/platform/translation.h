#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/path_style.h"

namespace pictavue {

// A text of the program as written, in Japanese, filed under a context for its translators.
struct SourceText {
  const char* context;
  const char* text;
};

// Marks a text where it is written. lupdate is told that this spells QT_TRANSLATE_NOOP, so it
// finds the core's texts although the core sees nothing of Qt.
#define PICTAVUE_TEXT(context, text) (::pictavue::SourceText{context, text})

// The context of the descriptions of failures that the program writes itself. A description
// travels as text up to the one place that shows it, which translates it there; the system's own
// descriptions have no entry and pass unchanged.
inline constexpr char kFailureContext[] = "Failure";

// Japanese is the program's own language and the default everywhere; English is chosen.
enum class Language { kJapanese, kEnglish };

// "ja" or "en", in any letter case; nothing for any other code.
std::optional<Language> LanguageForCode(std::string_view code);

// The translation into language: translations/pictavue_en.qm in the program's data folder
// (program_folder.h: beside the program in a portable copy, share/pictavue when installed).
// Empty for Japanese, which needs none.
std::string TranslationFilePath(std::string_view data_folder, Language language, PathStyle style);

// The program's texts in one language: the texts as written (Japanese) unless translations were
// read from a file that lrelease made.
class Translation {
 public:
  Translation() = default;

  // The translations held in a file made by lrelease; nothing when the bytes are no such file
  // or any length, tag or text in them is out of place.
  static std::optional<Translation> FromQm(std::string_view bytes);

  // FromQm of the file at path; nothing when it cannot be read whole.
  static std::optional<Translation> Read(const std::string& path);

  // text's translation, or text itself when it has none.
  std::string_view Of(SourceText text) const;
  std::string_view Of(std::string_view context, std::string_view text) const;

  // Of(text) with each %1 to %9 replaced by its argument, in one pass, so that an argument that
  // holds "%1" itself (a folder name, say) comes out as it is.
  std::string Format(SourceText text, std::initializer_list<std::string_view> arguments) const;

  std::size_t size() const { return texts_.size(); }

 private:
  std::unordered_map<std::string, std::string> texts_;  // context, NUL, source text
};

}  // namespace pictavue
