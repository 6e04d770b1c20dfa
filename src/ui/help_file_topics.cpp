#include "ui/help_file_topics.h"

#include <QTextDocument>

namespace pictavue {

HelpFileTopics::HelpFileTopics(const std::string& path) : topics_(ReadHelpFile(path)) {}

QString HelpFileTopics::TopicText(int topic) const {
  const auto found = topics_.find(topic);
  if (found == topics_.end()) {
    return {};
  }
  QString html;
  const QString title = QString::fromStdString(found->second.title);
  if (!title.isEmpty()) {
    html += QStringLiteral("<p><b>") + title.toHtmlEscaped() + QStringLiteral("</b></p>");
  }
  html +=
      Qt::convertFromPlainText(QString::fromStdString(found->second.text), Qt::WhiteSpaceNormal);
  return html;
}

}  // namespace pictavue
