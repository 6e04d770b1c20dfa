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

namespace pictavue {
namespace {

constexpr char kPrefix[] = "Pictavue: ";

struct BatchArguments {
  bool batch = false;
  bool help = false;
  bool version = false;
  bool yes = false;
  bool open = false;
  std::optional<std::string> settings_file;
  std::vector<std::string> folders;
};

// The arguments, or the reason they make no sense.
struct Parsed {
  BatchArguments arguments;
  std::string error;
};

Parsed ParseArguments(const std::vector<std::string>& list) {
  Parsed parsed;
  BatchArguments& a = parsed.arguments;
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
    } else if (argument == "--settings") {
      if (i + 1 == list.size()) {
        parsed.error = "--settings needs a FILE";
        return parsed;
      }
      a.settings_file = list[++i];
    } else if (argument.starts_with("--settings=")) {
      a.settings_file = argument.substr(std::string_view("--settings=").size());
    } else {
      parsed.error = "unknown option " + argument;
      return parsed;
    }
  }
  if (a.help || a.version) {
    return parsed;
  }
  if (!a.batch) {
    parsed.error = "--batch is missing";
  } else if (a.folders.empty()) {
    parsed.error = "FOLDER is missing";
  } else if (a.folders.size() > 1) {
    parsed.error = "one FOLDER only (quote a name with blanks)";
  } else if (a.settings_file && a.settings_file->empty()) {
    parsed.error = "--settings needs a FILE";
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
    ShowMessage(front_end, MissingFolderFailure(folder).message, kStyleWarning);
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

}  // namespace

std::string BatchHelpText() {
  return "Usage: pictavue --batch [--settings FILE] [--yes] [--open] FOLDER\n"
         "Makes a gallery of the pictures in FOLDER with the saved settings, without a window.\n"
         "\n"
         "  --settings FILE  read the settings from FILE and save them there\n"
         "  --yes            answer every question with Yes\n"
         "  --open           open the created page afterwards\n"
         "  --help           show this help\n"
         "  --version        show the version\n"
         "\n"
         "The path of the page to open is written to standard output.\n"
         "Exit status: 0 pages written, 1 nothing written, 2 usage error,\n"
         "3 the run stopped on a failure, 130 cancelled.\n";
}

int RunBatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
             const BatchServices& services) {
  const Parsed parsed = ParseArguments(arguments);
  if (!parsed.error.empty()) {
    err << kPrefix << parsed.error << '\n'
        << "Usage: pictavue --batch [--settings FILE] [--yes] [--open] FOLDER\n"
        << "Try 'pictavue --help' for more.\n";
    return kExitUsage;
  }
  const BatchArguments& a = parsed.arguments;
  if (a.help) {
    out << BatchHelpText();
    return kExitPagesWritten;
  }
  if (a.version) {
    out << kProductName << ' ' << VersionText(kProgramVersion) << '\n';
    return kExitPagesWritten;
  }

  StartupInputs inputs;
  inputs.program_folder = FolderOf(services.program_file);
  inputs.program_file_name = FileNameOf(services.program_file);
  inputs.settings_file = a.settings_file;
  inputs.code_page = services.code_page;
  std::optional<Session> session = Startup(inputs, *services.startup);
  if (!session) {
    return kExitNothingWritten;  // only a windowed start-up ends here
  }

  ConsoleFrontEnd::Settings console;
  console.answer_yes = a.yes;
  console.show_progress = services.show_progress;
  console.interrupted = services.interrupted;
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
    err << kPrefix << "the settings could not be saved to " << session->settings_file_path << ": "
        << saved.description() << '\n';
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
