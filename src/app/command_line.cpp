#include "app/command_line.h"

#include "platform/path_kind.h"
#include "request/request_run.h"
#include "settings/settings_file.h"

namespace pictavue {
namespace {

constexpr std::string_view kSettingsOption = "--settings";
constexpr std::string_view kLanguageOption = "--lang";

// How many arguments the window's own options take at the front: "--settings FILE" and
// "--lang LANG", each with its value, in any order.
std::size_t LeadingWindowOptions(const std::vector<std::string>& arguments) {
  std::size_t taken = 0;
  while (arguments.size() - taken >= 2 &&
         (arguments[taken] == kSettingsOption || arguments[taken] == kLanguageOption)) {
    taken += 2;
  }
  return taken;
}

std::string JoinArguments(std::vector<std::string>::const_iterator first,
                          std::vector<std::string>::const_iterator last) {
  std::string text;
  for (auto it = first; it != last; ++it) {
    if (it != first) {
      text += ' ';
    }
    text += *it;
  }
  return text;
}

}  // namespace

EntryMode ChooseEntryMode(const std::vector<std::string>& arguments) {
  const std::size_t options = LeadingWindowOptions(arguments);
  if (options == arguments.size()) {
    return EntryMode::kWindow;
  }
  const std::string& first = arguments[options];
  return first == "--batch" || first == "--help" || first == "--version" ? EntryMode::kConsole
                                                                         : EntryMode::kWindow;
}

WindowCommandLine ParseWindowCommandLine(const std::vector<std::string>& arguments) {
  WindowCommandLine command_line;
  const std::size_t options = LeadingWindowOptions(arguments);
  for (std::size_t i = 0; i < options; i += 2) {
    if (arguments[i] == kSettingsOption) {
      command_line.settings_file = arguments[i + 1];
    } else {
      command_line.language = LanguageForCode(arguments[i + 1]).value_or(Language::kJapanese);
    }
  }
  command_line.text =
      JoinArguments(arguments.begin() + static_cast<std::ptrdiff_t>(options), arguments.end());
  return command_line;
}

std::string WithoutEnclosingQuotes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    text = text.substr(1, text.size() - 2);
  }
  return std::string(text);
}

bool RunCommandLine(Session& session, FrontEnd& front_end, GalleryRun& run, Launcher& launcher,
                    std::string_view text,
                    const std::function<void(const std::string&)>& show_search_folder) {
  if (text.empty()) {
    return false;
  }
  const std::string folder = WithoutEnclosingQuotes(text);
  if (PathKind(folder) != FileKind::kFolder) {
    return false;
  }
  session.options.SearchDir = NormalizeFolderPath(folder);
  if (show_search_folder) {
    show_search_folder(session.options.SearchDir);
  }
  RequestRun(session, front_end, run, launcher);
  return true;
}

Status SaveSessionSettings(const Session& session) {
  return SaveSettingsFile(session.settings_file_path, session.options, session.history,
                          session.code_page);
}

}  // namespace pictavue
