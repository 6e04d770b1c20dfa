// Parses arbitrary bytes as a help file: nothing may crash or hang, and every topic found must be
// one the format allows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_seeds.h"
#include "settings/help_file.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const pictavue::HelpTopicMap topics = pictavue::ParseHelpTopics(input);
  std::size_t total = 0;
  for (const auto& [number, topic] : topics) {
    Check(number >= 0 && number <= pictavue::kMaxHelpTopic);
    Check(topic.text.find('\r') == std::string::npos);
    Check(topic.title.find_first_of("\r\n") == std::string::npos);
    if (!topic.text.empty()) {
      const std::string_view text = topic.text;
      Check(!IsBlankLine(text.substr(0, text.find('\n'))));
      Check(!IsBlankLine(text.substr(text.rfind('\n') + 1)));
    }
    total += topic.title.size() + topic.text.size();
  }
  Check(total <= size);
  return 0;
}

PICTAVUE_FUZZ_SEEDS(help_file) {
  using namespace std::string_literals;
  return {
      {"topics.hlp", "; remark\n@2 検索フォルダ\n本文\n\n二段落目\n@3 参照\nx\n"},
      {"escapes.hlp", "@4 t\n@@5 not a topic\n@\n@x\n"},
      {"headers.hlp", "@65535 a\n@65536 b\n@000001 c\n@7x d\n@8\te\n@9\n"},
      {"line-ends.hlp", "\xEF\xBB\xBF@2 t\r\na\r\rb\r@3 u\nc"},
      {"nul.hlp", "@2 t\0x\na\0b\n"s},
      {"repeated.hlp", "@2 first\na\n@2 second\nb\n"},
  };
}
