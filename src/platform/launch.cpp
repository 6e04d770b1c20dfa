#include "platform/launch.h"

namespace pictavue {
namespace {

bool IsQuotedAtBothEnds(std::string_view text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

}  // namespace

ProgramCommand BrowserCommand(std::string_view browser_path, std::string_view document) {
  ProgramCommand command;
  command.program =
      std::string(IsQuotedAtBothEnds(browser_path) ? browser_path.substr(1, browser_path.size() - 2)
                                                   : browser_path);
  command.arguments.emplace_back(document);
  return command;
}

std::string CommandLineText(const ProgramCommand& command) {
  std::string text;
  if (IsQuotedAtBothEnds(command.program)) {
    text = command.program;
  } else {
    text = '"' + command.program + '"';
  }
  for (const std::string& argument : command.arguments) {
    text += " \"";
    text += argument;
    text += '"';
  }
  return text;
}

int AssociationResultForExitStatus(int exit_status) {
  switch (exit_status) {
    case 0:
      return kOpenSucceeded;
    case 2:
      return kOpenFileNotFound;
    default:
      return kOpenNoAssociation;
  }
}

}  // namespace pictavue
