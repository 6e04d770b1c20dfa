// Parses arbitrary bytes as a profile file, reads it, changes it, writes it and parses the result
// again: nothing may crash or hang, and the file written must read back what was just set.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "fuzz_seeds.h"
#include "platform/ascii_case.h"
#include "platform/profile_file.h"

namespace {

using pictavue::CodePage;
using pictavue::ProfileFile;
using pictavue::Unmappable;

// Real names, their odd spellings, and names that cannot be written.
constexpr std::string_view kSections[] = {"SearchDir", "PAGEFORMAT", "outfile", " Option ",
                                          "",          "A]",         "x\ny"};
constexpr std::string_view kKeys[] = {"DirHistry1", "Width", "width ", "Title", "k",
                                      "",           "a=b",   ";c",     "[d",    "Delay"};

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool Writable(std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  const std::string_view breaks("\0\r\n", 3);
  return section.find_first_of(breaks) == std::string_view::npos &&
         section.find(']') == std::string_view::npos && !key.empty() && key[0] != ';' &&
         key[0] != '[' && key.find_first_of(breaks) == std::string_view::npos &&
         key.find('=') == std::string_view::npos;
}

// What a reader finds after a value was written: one line, in the code page, its ends trimmed and
// one pair of outer quotes taken off.
std::string ReadBack(std::string_view value, const CodePage& code_page) {
  value = value.substr(0, value.find_first_of(std::string_view("\0\r\n", 3)));
  const std::string bytes = code_page.FromUtf8(value, Unmappable::kQuestionMark);
  std::string_view read = Trim(bytes);
  if (read.size() >= 2 && (read[0] == '"' || read[0] == '\'') && read.back() == read[0]) {
    read = read.substr(1, read.size() - 2);
  }
  return std::string(read);
}

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// Every section name and every key name at least once, in a handful of pairs.
constexpr std::size_t kPairs = std::size(kSections) * 2;
std::string_view SectionOf(std::size_t pair) {
  return kSections[pair % std::size(kSections)];
}
std::string_view KeyOf(std::size_t pair) {
  return kKeys[pair % std::size(kKeys)];
}

void ReadEverything(const ProfileFile& profile, std::size_t buffer_size, const CodePage& a,
                    const CodePage& b) {
  for (std::size_t pair = 0; pair < kPairs; ++pair) {
    (void)profile.GetInt(SectionOf(pair), KeyOf(pair), -1);
    const std::string cut =
        profile.GetString(SectionOf(pair), KeyOf(pair), "default  ", buffer_size, a);
    if (a.is_utf8()) {
      Check(buffer_size == 0 ? cut.empty() : cut.size() < buffer_size);
    }
    (void)profile.GetString(SectionOf(pair), KeyOf(pair), "", buffer_size, b);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const CodePage utf8("UTF-8");
  const CodePage sjis("CP932");

  ProfileFile profile = ProfileFile::Parse(input);
  ReadEverything(profile, size % 600, utf8, sjis);

  // The input's own bytes choose which keys change and to what.
  std::map<std::pair<std::string, std::string>, std::pair<std::string, const CodePage*>> expected;
  const std::size_t changes = std::min<std::size_t>(size / 8, 12);
  for (std::size_t i = 0; i < changes; ++i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(input[at % size]); };
    const std::string_view section = kSections[byte(i) % std::size(kSections)];
    const std::string_view key = kKeys[byte(i + 1) % std::size(kKeys)];
    const std::size_t start = byte(i + 2) * size / 256;
    const std::string_view value = input.substr(start, byte(i + 3) % 64);
    const CodePage& code_page = byte(i + 4) & 1 ? sjis : utf8;
    profile.SetString(section, key, value, code_page);
    if (Writable(section, key)) {
      expected[{pictavue::AsciiLower(Trim(section)), pictavue::AsciiLower(Trim(key))}] = {
          ReadBack(value, code_page), &code_page};
    }
  }

  const std::string written = profile.Serialize();
  const ProfileFile reread = ProfileFile::Parse(written);
  Check(reread.Serialize() == written);
  for (const auto& [names, value] : expected) {
    Check(reread.RawValue(names.first, names.second) == value.first);
    Check(profile.RawValue(names.first, names.second) == value.first);
  }
  for (std::size_t pair = 0; pair < kPairs; ++pair) {
    Check(reread.RawValue(SectionOf(pair), KeyOf(pair)) ==
          profile.RawValue(SectionOf(pair), KeyOf(pair)));
  }
  ReadEverything(reread, 512, sjis, utf8);
  return 0;
}

PICTAVUE_FUZZ_SEEDS(profile_file) {
  using namespace std::string_literals;
  const CodePage utf8("UTF-8");
  const CodePage sjis("CP932");

  ProfileFile defaults;
  for (int i = 1; i <= 10; ++i) {
    defaults.SetString("SearchDir", "DirHistry" + std::to_string(i), "", utf8);
  }
  const std::pair<const char*, const char*> search_dir[] = {
      {"SubDir", "1"}, {"GIF", "1"}, {"JPEG", "1"}, {"PNG", "0"},
      {"BMP", "0"},    {"WMF", "0"}, {"EMF", "0"},  {"SameSize", "0"}};
  for (const auto& [key, value] : search_dir) {
    defaults.SetString("SearchDir", key, value, utf8);
  }
  const std::pair<const char*, const char*> page_format[] = {
      {"Width", "True"},   {"Height", "False"}, {"Longer", "False"},   {"Pixel", "0"},
      {"BGColor", "1"},    {"SubWin", "1"},     {"AutoSize", "1"},     {"OnlyOne", "1"},
      {"ClientPull", "0"}, {"Delay", "15"},     {"Separator", "1"},    {"FolderName", "1"},
      {"PathName", "0"},   {"IPP", "0"},        {"FrameMenu", "0"},    {"Title", ""},
      {"Name", ""},        {"Email", ""},       {"NotThumbnail", "0"}, {"AltNewLine", "0"}};
  for (const auto& [key, value] : page_format) {
    defaults.SetString("PageFormat", key, value, utf8);
  }
  const std::pair<const char*, const char*> out_file[] = {
      {"DirName", "/opt/pictavue"}, {"FileName", "Pictavue"}, {"OutputDir", "0"},
      {"AutoOpenMode", "0"},        {"Browser", "0"},         {"BrowserPath", ""}};
  for (const auto& [key, value] : out_file) {
    defaults.SetString("OutFile", key, value, utf8);
  }

  ProfileFile japanese = ProfileFile::Parse(defaults.Serialize());
  japanese.SetString("SearchDir", "DirHistry1", "C:\\写真\\ｱﾙﾊﾞﾑ", sjis);
  japanese.SetString("PageFormat", "Title", "旅行\\n2024", sjis);
  japanese.SetString("PageFormat", "IPP", "-1", sjis);
  japanese.SetString("PageFormat", "IppFree", "30", sjis);

  return {
      {"defaults.ini", defaults.Serialize()},
      {"japanese.ini", japanese.Serialize()},
      {"hand-edited.ini",
       "; edited by hand\n\n[searchdir]\n  subdir = 0  \nUnknown=keep\n\n; layout\n"
       "[PAGEFORMAT]\nwidth=\"True\"\n#x=1\nwords only\n\tDelay\t=\t'15'\n[Private]\nMine=1\r"},
      {"empty.ini", ""},
      {"line-ends.ini", "\r\r\n\n\r[A]\rk=1\n\rj=2\r\n"},
      {"bom.ini", "\xEF\xBB\xBF[SearchDir]\r\nSubDir=1\r\n"},
      {"nul.ini", "[Page\0Format]\r\nTitle=a\0b\r\n\0=\0\r\n"s},
      {"duplicates.ini", "[A]\nk=1\nK=2\n[a]\nk=3\nj=4\n[A]\n"},
      {"odd-lines.ini", "[A\n]\n[]\n=\n==\n;\n[B] x ] y\nk\n  =v\nk==v\n\"k\"=\"v\"\n"},
      {"long-line.ini", "[A]\nk=" + std::string(3000, 'x') + "\n"},
      {"garbage.bin", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[\x82\xa0]=\x83\x5c"s},
  };
}
