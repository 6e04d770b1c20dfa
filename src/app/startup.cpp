#include "app/startup.h"

#include "generate/front_end.h"
#include "platform/path_kind.h"
#include "platform/paths.h"
#include "settings/settings_file.h"

namespace pictavue {
namespace {

constexpr SourceText kAlreadyRunningMessage =
    PICTAVUE_TEXT("Startup", "%1 は既に起動されています。");

}  // namespace

ProgramFiles SystemStartup::LocateProgramFiles(const std::string& program_folder) {
  return pictavue::LocateProgramFiles(program_folder);
}

SettingsLocation SystemStartup::LocateSettings(const ProgramFiles& files,
                                               bool make_settings_folder) {
  return pictavue::LocateSettings(files, make_settings_folder);
}

ProfileFile SystemStartup::LoadProfile(const std::string& path) {
  return ProfileFile::Load(path);
}

bool SystemStartup::IsPreviousInstanceRunning(const std::string& message) {
  return second_copy_check_ && second_copy_check_(message);
}

Plugins SystemStartup::LoadPlugins(const std::string& folder, const CodePage& code_page) {
  return Plugins::Load(folder, code_page);
}

FileKind SystemStartup::KindOf(const std::string& path) {
  return PathKind(path);
}

std::string SystemStartup::DefaultSearchFolder() {
  return pictavue::DefaultSearchFolder();
}

std::string HelpFileName(std::string_view program_file_name) {
  const std::size_t dot = program_file_name.rfind('.');
  // A leading dot starts a hidden name rather than an extension.
  const std::string_view stem = dot == std::string_view::npos || dot == 0
                                    ? program_file_name
                                    : program_file_name.substr(0, dot);
  return std::string(stem) + ".hlp";
}

void UseLanguage(Language language, Session& session) {
  session.language = language;
  const std::string path = TranslationFilePath(session.files.data_folder, language, session.style);
  if (path.empty()) {
    return;
  }
  if (std::optional<Translation> translation = Translation::Read(path)) {
    session.translation = std::move(*translation);
    session.translation_file = path;
  }
}

void WarnWithoutEnglish(const Session& session, std::ostream& err) {
  if (session.language == Language::kEnglish && session.translation_file.empty()) {
    err << "Pictavue: no English translation was found (" +
               TranslationFilePath(session.files.data_folder, Language::kEnglish, session.style) +
               "); the words stay Japanese.\n";
  }
}

std::optional<Session> Startup(const StartupInputs& inputs, StartupSystem& system) {
  Session session;
  session.code_page = inputs.code_page;
  session.style = inputs.style;
  session.files = system.LocateProgramFiles(inputs.program_folder);

  // The location still gives the default output folder when another settings file is used.
  const SettingsLocation location =
      system.LocateSettings(session.files, !inputs.settings_file.has_value());
  session.settings_file_path = inputs.settings_file.value_or(location.settings_file_path);
  session.default_output_folder = location.default_output_folder;

  const ProfileFile profile = system.LoadProfile(session.settings_file_path);
  UseLanguage(inputs.language.value_or(ReadLanguage(profile)), session);
  if (ReadPrevInstance(profile) == 0 && system.IsPreviousInstanceRunning(session.translation.Format(
                                            kAlreadyRunningMessage, {kProgramTitle}))) {
    return std::nullopt;
  }

  session.plugins = system.LoadPlugins(session.files.library_folder, session.code_page);

  const std::string help_name = HelpFileName(inputs.program_file_name);
  const std::string help_path = JoinPath(session.files.data_folder, help_name, inputs.style);
  session.help_file_path = system.KindOf(help_path) == FileKind::kFile ? help_path : help_name;

  LoadedSettings loaded =
      LoadSettings(profile, session.code_page, location.default_output_folder, session.style);
  session.options = std::move(loaded.options);
  session.history = std::move(loaded.history);
  if (session.history.empty()) {
    session.options.SearchDir = system.DefaultSearchFolder();
  }
  return session;
}

}  // namespace pictavue
