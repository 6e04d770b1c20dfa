#include "app/batch_mode.h"

#include <cerrno>
#include <optional>
#include <system_error>

#include "app/command_line.h"
#include "app/console_front_end.h"
#include "generate/program_info.h"
#include "platform/console.h"
#include "platform/path_kind.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "request/request_checks.h"
#include "request/request_run.h"
#include "settings/settings_file.h"

namespace pictavue {
namespace {

constexpr char kPrefix[] = "Pictavue: ";

constexpr SourceText kUsageLine = PICTAVUE_TEXT(
    "BatchMode",
    "使い方: pictavue --batch [--settings FILE] [--yes] [--open] [--lang LANG] FOLDER");
constexpr SourceText kHelpText =
    PICTAVUE_TEXT("BatchMode",
                  "保存されている設定で、FOLDER の画像のギャラリーをウィンドウなしで作成します。\n"
                  "\n"
                  "  --settings FILE  設定を FILE から読み込み、最後に FILE へ保存します\n"
                  "  --yes            すべての質問に「はい」と答えます\n"
                  "  --open           作成したページを最後に開きます\n"
                  "  --lang LANG      メッセージの言語: ja（日本語、既定）または en（英語）\n"
                  "  --help           この説明を表示します\n"
                  "  --version        バージョンを表示します\n"
                  "\n"
                  "開くページのパスを標準出力に書き出します。\n"
                  "終了状態: 0 ページを作成した、1 何も作成しなかった、2 使い方の誤り、\n"
                  "3 失敗により処理を中止した、130 キャンセルされた。\n");
constexpr SourceText kTryHelp =
    PICTAVUE_TEXT("BatchMode", "詳しくは 'pictavue --help' を見てください。");
constexpr SourceText kSettingsNeedsFile =
    PICTAVUE_TEXT("BatchMode", "--settings の後に FILE を指定してください。");
constexpr SourceText kLangNeedsCode =
    PICTAVUE_TEXT("BatchMode", "--lang の後に ja か en を指定してください。");
constexpr SourceText kUnknownOption = PICTAVUE_TEXT("BatchMode", "%1 は不明なオプションです。");
constexpr SourceText kBatchMissing = PICTAVUE_TEXT("BatchMode", "--batch がありません。");
constexpr SourceText kFolderMissing = PICTAVUE_TEXT("BatchMode", "FOLDER を指定してください。");
constexpr SourceText kOneFolderOnly = PICTAVUE_TEXT(
    "BatchMode", "FOLDER はひとつだけ指定してください（空白を含む名前は引用符で囲みます）。");
constexpr SourceText kSaveFailed =
    PICTAVUE_TEXT("BatchMode", "設定を %1 に保存できませんでした: %2");

struct BatchArguments {
  bool batch = false;
  bool help = false;
  bool version = false;
  bool yes = false;
  bool open = false;
  std::optional<std::string> settings_file;
  std::optional<Language> language;
  std::vector<std::string> folders;
};

// Why the arguments make no sense: a text and the argument it names.
struct UsageError {
  SourceText text;
  std::string argument;
};

// The arguments, and the first reason they make no sense. The scan goes on past an error, so
// that --lang is heard wherever it stands.
struct Parsed {
  BatchArguments arguments;
  std::optional<UsageError> error;
};

Parsed ParseArguments(const std::vector<std::string>& list) {
  Parsed parsed;
  BatchArguments& a = parsed.arguments;
  const auto fail = [&parsed](SourceText text, std::string argument = {}) {
    if (!parsed.error) {
      parsed.error = UsageError{text, std::move(argument)};
    }
  };
  // The value of an option: the next argument, or after "=" in the same one.
  const auto value = [&list](std::size_t& i, std::string_view option) {
    const std::string& argument = list[i];
    if (argument == option) {
      return i + 1 < list.size() ? std::optional(list[++i]) : std::nullopt;
    }
    return std::optional(argument.substr(option.size() + 1));
  };
  bool options_ended = false;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string& argument = list[i];
    if (options_ended || argument.empty() || argument.front() != '-' || argument == "-") {
      a.folders.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--batch") {
      a.batch = true;
    } else if (argument == "--help") {
      a.help = true;
    } else if (argument == "--version") {
      a.version = true;
    } else if (argument == "--yes") {
      a.yes = true;
    } else if (argument == "--open") {
      a.open = true;
    } else if (argument == "--settings" || argument.starts_with("--settings=")) {
      a.settings_file = value(i, "--settings");
      if (!a.settings_file || a.settings_file->empty()) {
        fail(kSettingsNeedsFile);
      }
    } else if (argument == "--lang" || argument.starts_with("--lang=")) {
      const std::optional<std::string> code = value(i, "--lang");
      a.language = code ? LanguageForCode(*code) : std::nullopt;
      if (!a.language) {
        fail(kLangNeedsCode);
      }
    } else {
      fail(kUnknownOption, argument);
    }
  }
  if (a.help || a.version) {
    return parsed;
  }
  if (!a.batch) {
    fail(kBatchMissing);
  } else if (a.folders.empty()) {
    fail(kFolderMissing);
  } else if (a.folders.size() > 1) {
    fail(kOneFolderOnly);
  }
  return parsed;
}

int ExitStatusFor(RequestOutcome outcome, bool interrupted) {
  switch (outcome) {
    case RequestOutcome::kPagesWritten:
      return kExitPagesWritten;
    case RequestOutcome::kAborted:
      return kExitRunFailed;
    case RequestOutcome::kCancelled:
      return kExitCancelled;
    case RequestOutcome::kNothingFound:
      // A run stopped by Ctrl+C finds nothing as well.
      return interrupted ? kExitCancelled : kExitNothingWritten;
    case RequestOutcome::kCheckFailed:
    case RequestOutcome::kDeclined:
      break;
  }
  return kExitNothingWritten;
}

// The folder the batch run is for, in the search-folder box; false, after the folder check's
// message, when it is no existing folder: with no window to fall back on, silence would help
// nobody.
bool TakeFolder(const std::string& folder, Session& session, FrontEnd& front_end) {
  if (PathKind(folder) != FileKind::kFolder) {
    ShowMessage(front_end, MissingFolderFailure(folder, session.translation).message,
                kStyleWarning);
    return false;
  }
  session.options.SearchDir = NormalizeFolderPath(folder);
  return true;
}

std::string FileNameOf(const std::string& path) {
  return LastComponent(path, NativePathStyle());
}

std::string FolderOf(const std::string& path) {
  const std::string name = FileNameOf(path);
  return WithoutTrailingSeparator(path.substr(0, path.size() - name.size()), NativePathStyle());
}

// The words of what is said before start-up (the usage, the help): in the language of --lang,
// else in that of the settings file start-up would read, found without creating its folder.
Session WordsBeforeStartup(const BatchArguments& a, const BatchServices& services) {
  Session words;
  words.files = services.startup->LocateProgramFiles(FolderOf(services.program_file));
  Language language = Language::kJapanese;
  if (a.language) {
    language = *a.language;
  } else {
    const std::string settings_file = a.settings_file.value_or(
        services.startup->LocateSettings(words.files, false).settings_file_path);
    language = ReadLanguage(services.startup->LoadProfile(settings_file));
  }
  UseLanguage(language, words);
  return words;
}

}  // namespace

std::string BatchHelpText(const Translation& translation) {
  return std::string(translation.Of(kUsageLine)) + '\n' + std::string(translation.Of(kHelpText));
}

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const BatchServices& services) {
  const Parsed parsed = ParseArguments(arguments);
  const BatchArguments& a = parsed.arguments;
  if (parsed.error || a.help) {
    const Session words = WordsBeforeStartup(a, services);
    const Translation& translation = words.translation;
    WarnWithoutEnglish(words, err);
    if (!parsed.error) {
      out << BatchHelpText(translation);
      return kExitPagesWritten;
    }
    err << kPrefix << translation.Format(parsed.error->text, {parsed.error->argument}) << '\n'
        << translation.Of(kUsageLine) << '\n'
        << translation.Of(kTryHelp) << '\n';
    return kExitUsage;
  }
  if (a.version) {
    out << kProductName << ' ' << VersionText(kProgramVersion) << '\n';
    return kExitPagesWritten;
  }

  StartupInputs inputs;
  inputs.program_folder = FolderOf(services.program_file);
  inputs.program_file_name = FileNameOf(services.program_file);
  inputs.settings_file = a.settings_file;
  inputs.language = a.language;
  inputs.code_page = services.code_page;
  std::optional<Session> session = Startup(inputs, *services.startup);
  if (!session) {
    return kExitNothingWritten;  // only a windowed start-up ends here
  }
  WarnWithoutEnglish(*session, err);
  const Translation& translation = session->translation;

  ConsoleFrontEnd::Settings console;
  console.answer_yes = a.yes;
  console.show_progress = services.show_progress;
  console.interrupted = services.interrupted;
  console.translation = translation;
  ConsoleFrontEnd front_end(err, console);

  int status = kExitNothingWritten;
  std::string page;
  if (TakeFolder(a.folders.front(), *session, front_end)) {
    const std::unique_ptr<GalleryRun> run = services.make_run(*session);
    RequestSettings settings;
    settings.open_result = a.open;
    const RequestResult result =
        RequestRun(*session, front_end, *run, *services.launcher, settings);
    status = ExitStatusFor(result.outcome, front_end.cancelled());
    page = result.PageToOpen;
  }

  if (const Status saved = SaveSessionSettings(*session); !saved.ok()) {
    err << kPrefix
        << translation.Format(kSaveFailed, {session->settings_file_path,
                                            translation.Of(kFailureContext, saved.description())})
        << '\n';
  }
  if (status == kExitPagesWritten) {
    // The path is the run's result for whoever started it: when it cannot be delivered (a
    // closed pipe, a full disk), that must not pass for success.
    errno = 0;
    out << page << '\n' << std::flush;
    if (!out) {
      err << kPrefix << "the page's path could not be written to standard output";
      if (errno != 0) {
        err << ": " << std::generic_category().message(errno);
      }
      err << '\n';
      return kExitRunFailed;
    }
  }
  return status;
}

int RunBatch(const std::string& argv0, const std::vector<std::string>& arguments, std::ostream& out,
             std::ostream& err, const GalleryRunFactory& make_run) {
  // First, before the launcher or anything else can start a thread.
  InterruptWatch interrupt;
  SystemStartup startup;
  const std::unique_ptr<Launcher> launcher = MakeSystemLauncher();
  BatchServices services;
  services.program_file = ProgramFilePath(argv0);
  services.startup = &startup;
  services.launcher = launcher.get();
  services.make_run = make_run;
  services.interrupted = [&interrupt] { return interrupt.Requested(); };
  services.show_progress = StandardErrorIsTerminal();
  services.code_page = CodePage::System();
  return RunBatch(arguments, out, err, services);
}

}  // namespace pictavue
