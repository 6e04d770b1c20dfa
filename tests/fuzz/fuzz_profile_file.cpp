// Arbitrary bytes as a profile file, read, changed by the input's own bytes and written: nothing
// may crash or hang, the file written reads back what the changed file read, and writing it
// again changes nothing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/profile_file.h"

namespace {

using pictavue::CodePage;
using pictavue::ProfileFile;
using pictavue::fuzz::Check;

// Real names, their odd spellings, and names that cannot be written.
constexpr std::string_view kSections[] = {"SearchDir", "PAGEFORMAT", "outfile", " Option ",
                                          "",          "A]",         "x\ny"};
constexpr std::string_view kKeys[] = {"DirHistry1", "Width", "width ", "Title", "k",
                                      "",           "a=b",   ";c",     "[d",    "Delay"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const CodePage utf8("UTF-8");
  const CodePage sjis("CP932");
  ProfileFile profile = ProfileFile::Parse(input);
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(input[at % size]); };
  for (std::size_t i = 0; i < std::min<std::size_t>(size / 8, 12); ++i) {
    const std::string_view section = kSections[byte(i) % std::size(kSections)];
    const std::string_view key = kKeys[byte(i + 1) % std::size(kKeys)];
    const CodePage& code_page = byte(i + 4) & 1 ? sjis : utf8;
    (void)profile.GetInt(section, key, -1);
    const std::size_t buffer = byte(i + 5) * 3;
    const std::string read = profile.GetString(section, key, "default  ", buffer, utf8);
    Check(buffer == 0 ? read.empty() : read.size() < buffer);
    (void)profile.GetString(section, key, "", buffer, sjis);
    profile.SetString(section, key, input.substr(byte(i + 2) * size / 256, byte(i + 3) % 64),
                      code_page);
  }
  const std::string written = profile.Serialize();
  const ProfileFile reread = ProfileFile::Parse(written);
  Check(reread.Serialize() == written);
  for (const std::string_view section : kSections) {
    for (const std::string_view key : kKeys) {
      Check(reread.RawValue(section, key) == profile.RawValue(section, key));
    }
  }
  return 0;
}
