#include "ui/help_topics.h"

#include <QPoint>
#include <QWhatsThis>

namespace pictavue {

void HelpTopics::ShowTopic(int topic, const QPoint& global_pos) const {
  const QString text = TopicText(topic);
  if (!text.isEmpty()) {
    QWhatsThis::showText(global_pos, text);
  }
}

}  // namespace pictavue
