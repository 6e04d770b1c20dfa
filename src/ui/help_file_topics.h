#pragma once

#include <string>

#include "settings/help_file.h"
#include "ui/help_topics.h"

namespace pictavue {

// The topics of the help file beside the program, read once. A missing or unreadable file has
// no topics: the windows then show no help, and nobody is told.
class HelpFileTopics final : public HelpTopics {
 public:
  explicit HelpFileTopics(const std::string& path);

  // The topic as What's-This help shows it: its title in bold above its text, every character
  // shown as written (a "<HR>" in the text is text, not markup), title and paragraphs in the
  // language of the application's translators.
  QString TopicText(int topic) const override;

 private:
  HelpTopicMap topics_;
};

}  // namespace pictavue
