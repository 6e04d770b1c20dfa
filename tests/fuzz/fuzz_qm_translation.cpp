// Reads arbitrary bytes as a translation released by lrelease: nothing may crash or hang, and a
// file read holds no more texts than its bytes could.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "fuzz_seeds.h"
#include "platform/translation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::optional<pictavue::Translation> read = pictavue::Translation::FromQm(input);
  // The smallest message that counts is a translation, a source text and a context of a byte
  // or two each, with their tags and lengths.
  if (read && read->size() * 18 > size) {
    std::abort();
  }
  return 0;
}

PICTAVUE_FUZZ_SEEDS(qm_translation) {
  using namespace std::string_literals;
  const std::string magic = "\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD";
  const std::string message =
      "\x03\0\0\0\x04\0O\0K\x08\0\0\0\0\x06\0\0\0\x03\xE7\xA2\xBA"
      "\x07\0\0\0\x03Run\x01"s;
  return {
      {"one.qm", magic + "\xA7\0\0\0\x02"s + "en" + "\x69\0\0\0\x1F"s + message},
      {"plural.qm", magic + "\x69\0\0\0\x2B"s + "\x03\0\0\0\x02\0A\x04\0\0\0\0"s + message},
      {"null-texts.qm", magic + "\x69\0\0\0\x10"s +
                            "\x03\xFF\xFF\xFF\xFF\x07\xFF\xFF\xFF\xFF"
                            "\x06\0\0\0\0\x01"s},
  };
}
