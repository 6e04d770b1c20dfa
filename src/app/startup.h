#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "collect/plugin_probe.h"
#include "platform/code_page.h"
#include "platform/path_kind.h"
#include "platform/path_style.h"
#include "platform/profile_file.h"
#include "platform/program_folder.h"
#include "platform/settings_location.h"
#include "platform/translation.h"
#include "request/session.h"

namespace pictavue {

// What start-up asks of the system, one question per step, so that tests can answer with a fake
// and see the order.
class StartupSystem {
 public:
  virtual ~StartupSystem() = default;

  virtual ProgramFiles LocateProgramFiles(const std::string& program_folder) = 0;
  virtual SettingsLocation LocateSettings(const ProgramFiles& files, bool make_settings_folder) = 0;
  virtual ProfileFile LoadProfile(const std::string& path) = 0;
  // The second-copy check: true when another copy runs, after telling the user so in message
  // and bringing that copy to the front. Only the windowed program has one.
  virtual bool IsPreviousInstanceRunning(const std::string& message) = 0;
  virtual Plugins LoadPlugins(const std::string& folder, const CodePage& code_page) = 0;
  virtual FileKind KindOf(const std::string& path) = 0;
  virtual std::string DefaultSearchFolder() = 0;
};

// The system's answers; second_copy_check is the windowed program's (none: never another copy).
class SystemStartup final : public StartupSystem {
 public:
  explicit SystemStartup(std::function<bool(const std::string&)> second_copy_check = {})
      : second_copy_check_(std::move(second_copy_check)) {}

  ProgramFiles LocateProgramFiles(const std::string& program_folder) override;
  SettingsLocation LocateSettings(const ProgramFiles& files, bool make_settings_folder) override;
  ProfileFile LoadProfile(const std::string& path) override;
  bool IsPreviousInstanceRunning(const std::string& message) override;
  Plugins LoadPlugins(const std::string& folder, const CodePage& code_page) override;
  FileKind KindOf(const std::string& path) override;
  std::string DefaultSearchFolder() override;

 private:
  std::function<bool(const std::string&)> second_copy_check_;
};

struct StartupInputs {
  std::string program_folder;     // without a trailing separator unless it is a root
  std::string program_file_name;  // the program's own file name, "pictavue" or "Pictavue.exe"
  std::optional<std::string> settings_file;  // --settings FILE
  std::optional<Language> language;          // --lang LANG
  CodePage code_page{"UTF-8"};
  PathStyle style = NativePathStyle();
};

// The help file's name: the program file's name without its extension, then ".hlp".
std::string HelpFileName(std::string_view program_file_name);

// The language of a program whose files are session.files: its translation, read from
// TranslationFilePath below the data folder, goes into session; Japanese needs none. When it
// cannot be read the words stay Japanese and session.translation_file stays empty.
void UseLanguage(Language language, Session& session);

// When English was asked for and no translation could be read, says so on err, in English: it
// is said to someone who asked not to read Japanese.
void WarnWithoutEnglish(const Session& session, std::ostream& err);

// Everything the program does before it shows its window, in this order: where its own files
// and the settings live; the language (--lang, else the settings file's); the second-copy check
// unless PrevInstance (section "Option") is 1, any other value counting as 0; the plug-ins and
// their names; the help file (its full path when it exists in the program's data folder, else its
// bare name); the settings and the history; and, when the history is empty, the default search
// folder in the search-folder box. Nothing when another copy runs and this one must end without a
// window and without saving.
std::optional<Session> Startup(const StartupInputs& inputs, StartupSystem& system);

}  // namespace pictavue
