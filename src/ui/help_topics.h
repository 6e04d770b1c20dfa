#pragma once

#include <QString>

class QPoint;

namespace pictavue {

// The numbered topics of the help file, which the windows show as context help. The texts come
// from the help file beside the program; without one every topic is empty.
class HelpTopics {
 public:
  virtual ~HelpTopics() = default;

  // The text of a topic; empty when there is no help file or no such topic.
  virtual QString TopicText(int topic) const = 0;

  // Shows a topic as a What's-This pop-up at global_pos. A topic without text shows nothing,
  // silently: a missing help file is no error the user must hear about.
  virtual void ShowTopic(int topic, const QPoint& global_pos) const;
};

// No help file: every topic is empty.
class NoHelpTopics final : public HelpTopics {
 public:
  QString TopicText(int) const override { return {}; }
};

}  // namespace pictavue
