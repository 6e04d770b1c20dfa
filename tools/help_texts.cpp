// Writes the help file's titles and paragraphs as lupdate reads texts in C++, so that the
// English help is kept in the same .ts as every other text of the program and a changed
// paragraph comes back to its translators as unfinished.
//
//   pictavue_help_texts pictavue.hlp help_texts.cpp

#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "settings/help_file.h"

namespace {

std::string CString(std::string_view text) {
  std::string literal = "\"";
  for (const char ch : text) {
    switch (ch) {
      case '\\':
        literal += "\\\\";
        break;
      case '"':
        literal += "\\\"";
        break;
      case '\n':
        literal += "\\n";
        break;
      case '\t':
        literal += "\\t";
        break;
      default:
        literal += ch;
    }
  }
  return literal + '"';
}

void WriteText(std::ostream& out, std::string_view text) {
  out << "QT_TRANSLATE_NOOP(\"HelpTopic\", " << CString(text) << ")\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: pictavue_help_texts HELP_FILE OUTPUT\n";
    return 2;
  }
  const pictavue::HelpTopicMap topics = pictavue::ReadHelpFile(argv[1]);
  if (topics.empty()) {
    std::cerr << "pictavue_help_texts: no topics in " << argv[1] << "\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << "// Made by pictavue_help_texts from the help file, for lupdate only.\n";
  for (const auto& [number, topic] : topics) {
    out << "// @" << number << "\n";
    if (!topic.title.empty()) {
      WriteText(out, topic.title);
    }
    for (const std::string& paragraph : pictavue::HelpParagraphs(topic.text)) {
      WriteText(out, paragraph);
    }
  }
  out.close();
  return out ? 0 : 1;
}
