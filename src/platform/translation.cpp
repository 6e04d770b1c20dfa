#include "platform/translation.h"

#include <cstdint>

#include "platform/ascii_case.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "platform/utf8.h"

namespace pictavue {
namespace {

// What the program reads of lrelease's files: the magic number, then blocks of a tag byte and a
// big-endian 32-bit length. The messages block holds one message after another, each a list of
// tagged fields closed by the end tag; texts are a 32-bit length and that many bytes, UTF-8 for
// the context and the source text, UTF-16 big-endian for the translation.
constexpr std::string_view kQmMagic =
    "\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD";
constexpr unsigned char kMessagesBlock = 0x69;
constexpr unsigned char kTagEnd = 1;
constexpr unsigned char kTagTranslation = 3;
constexpr unsigned char kTagObsolete = 4;  // four bytes that old files carry
constexpr unsigned char kTagSourceText = 6;
constexpr unsigned char kTagContext = 7;
constexpr unsigned char kTagComment = 8;
constexpr std::uint32_t kNullText = 0xFFFFFFFF;

// Ours is a few dozen kilobytes; anything near this is no translation of ours.
constexpr std::size_t kMaxQmBytes = 1024 * 1024;

// Takes bytes off the front of a text; a take beyond its end fails.
class Cursor {
 public:
  explicit Cursor(std::string_view bytes) : rest_(bytes) {}

  bool AtEnd() const { return rest_.empty(); }

  std::optional<std::string_view> Take(std::size_t count) {
    if (count > rest_.size()) {
      return std::nullopt;
    }
    const std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return taken;
  }

  std::optional<unsigned char> Byte() {
    const std::optional<std::string_view> byte = Take(1);
    return byte ? std::optional(static_cast<unsigned char>(byte->front())) : std::nullopt;
  }

  std::optional<std::uint32_t> Number() {
    const std::optional<std::string_view> bytes = Take(4);
    if (!bytes) {
      return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char byte : *bytes) {
      value = (value << 8) | static_cast<unsigned char>(byte);
    }
    return value;
  }

  // A length and that many bytes; the null text, marked by its own length, is empty.
  std::optional<std::string_view> Text() {
    const std::optional<std::uint32_t> length = Number();
    if (!length) {
      return std::nullopt;
    }
    return *length == kNullText ? std::string_view() : Take(*length);
  }

 private:
  std::string_view rest_;
};

struct Message {
  std::string_view context;
  std::string_view source;
  std::string_view comment;
  std::optional<std::string_view> translation;  // UTF-16BE; the first form of a plural
};

std::optional<Message> ReadMessage(Cursor& in) {
  Message message;
  for (;;) {
    const std::optional<unsigned char> tag = in.Byte();
    if (!tag) {
      return std::nullopt;
    }
    if (*tag == kTagEnd) {
      return message;
    }
    if (*tag == kTagObsolete) {
      if (!in.Take(4)) {
        return std::nullopt;
      }
      continue;
    }
    const std::optional<std::string_view> text = in.Text();
    if (!text) {
      return std::nullopt;
    }
    switch (*tag) {
      case kTagTranslation:
        if (text->size() % 2 != 0) {
          return std::nullopt;
        }
        if (!message.translation) {
          message.translation = text;
        }
        break;
      case kTagSourceText:
        message.source = *text;
        break;
      case kTagContext:
        message.context = *text;
        break;
      case kTagComment:
        message.comment = *text;
        break;
      default:
        return std::nullopt;
    }
  }
}

// A lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16Be(std::string_view bytes) {
  const auto unit = [&bytes](std::size_t i) {
    return static_cast<char32_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                 static_cast<unsigned char>(bytes[i + 1]));
  };
  std::string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t code_point = unit(i);
    if (code_point >= 0xD800 && code_point <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        code_point = 0x10000 + ((code_point - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(code_point, text);
  }
  return text;
}

std::string Key(std::string_view context, std::string_view text) {
  std::string key(context);
  key += '\0';
  key += text;
  return key;
}

}  // namespace

std::optional<Language> LanguageForCode(std::string_view code) {
  if (EqualsIgnoringAsciiCase(code, "ja")) {
    return Language::kJapanese;
  }
  if (EqualsIgnoringAsciiCase(code, "en")) {
    return Language::kEnglish;
  }
  return std::nullopt;
}

std::string TranslationFilePath(std::string_view data_folder, Language language, PathStyle style) {
  if (language == Language::kJapanese) {
    return {};
  }
  return JoinPath(JoinPath(data_folder, "translations", style), "pictavue_en.qm", style);
}

std::optional<Translation> Translation::FromQm(std::string_view bytes) {
  if (bytes.size() > kMaxQmBytes || !bytes.starts_with(kQmMagic)) {
    return std::nullopt;
  }
  Cursor blocks(bytes.substr(kQmMagic.size()));
  Translation translation;
  while (!blocks.AtEnd()) {
    const std::optional<unsigned char> tag = blocks.Byte();
    const std::optional<std::string_view> block = tag ? blocks.Text() : std::nullopt;
    if (!block) {
      return std::nullopt;
    }
    if (*tag != kMessagesBlock) {
      continue;
    }
    Cursor messages(*block);
    while (!messages.AtEnd()) {
      const std::optional<Message> message = ReadMessage(messages);
      if (!message) {
        return std::nullopt;
      }
      // An empty translation is an unfinished one: the text stays as written.
      if (message->comment.empty() && message->translation && !message->translation->empty()) {
        translation.texts_.emplace(Key(message->context, message->source),
                                   Utf8FromUtf16Be(*message->translation));
      }
    }
  }
  return translation;
}

std::optional<Translation> Translation::Read(const std::string& path) {
  const ReadResult read = ReadFileBounded(path, kMaxQmBytes);
  if (!read.status.ok() || read.truncated) {
    return std::nullopt;
  }
  return FromQm(read.bytes);
}

std::string_view Translation::Of(SourceText text) const {
  return Of(text.context, text.text);
}

std::string_view Translation::Of(std::string_view context, std::string_view text) const {
  if (texts_.empty()) {
    return text;
  }
  const auto found = texts_.find(Key(context, text));
  return found == texts_.end() ? text : std::string_view(found->second);
}

std::string Translation::Format(SourceText text,
                                std::initializer_list<std::string_view> arguments) const {
  const std::string_view pattern = Of(text);
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < arguments.size()) {
        result += arguments.begin()[index];
        ++i;
        continue;
      }
    }
    result += pattern[i];
  }
  return result;
}

}  // namespace pictavue
