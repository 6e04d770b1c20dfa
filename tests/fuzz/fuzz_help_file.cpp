// Parses arbitrary bytes as a help file: nothing may crash or hang, every topic found has a number
// the format allows, and nothing is made out of more than the input. Its seeds are files, under
// tests/data/fuzz/help_file/.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/help_file.h"

using pictavue::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const pictavue::HelpTopicMap topics = pictavue::ParseHelpTopics(input);
  std::size_t total = 0;
  for (const auto& [number, topic] : topics) {
    Check(number >= 0 && number <= pictavue::kMaxHelpTopic);
    Check(topic.text.find('\r') == std::string::npos);
    Check(topic.title.find_first_of("\r\n") == std::string::npos);
    total += topic.title.size() + topic.text.size();
  }
  Check(total <= size);
  return 0;
}
