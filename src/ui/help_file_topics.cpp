#include "ui/help_file_topics.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextDocument>

namespace pictavue {
namespace {

// The help file is written in Japanese; its translations are kept paragraph by paragraph with
// every other text of the program (tools/help_texts.cpp gives them to lupdate).
QString Translated(const std::string& text) {
  return QCoreApplication::translate("HelpTopic", text.c_str());
}

}  // namespace

HelpFileTopics::HelpFileTopics(const std::string& path) : topics_(ReadHelpFile(path)) {}

QString HelpFileTopics::TopicText(int topic) const {
  const auto found = topics_.find(topic);
  if (found == topics_.end()) {
    return {};
  }
  QString html;
  const QString title = found->second.title.empty() ? QString() : Translated(found->second.title);
  if (!title.isEmpty()) {
    html += QStringLiteral("<p><b>") + title.toHtmlEscaped() + QStringLiteral("</b></p>");
  }
  QStringList paragraphs;
  for (const std::string& paragraph : HelpParagraphs(found->second.text)) {
    paragraphs << Translated(paragraph);
  }
  html += Qt::convertFromPlainText(paragraphs.join(QStringLiteral("\n\n")), Qt::WhiteSpaceNormal);
  return html;
}

}  // namespace pictavue
