#include "app/gui_app.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/batch_mode.h"
#include "app/command_line.h"
#if defined(PICTAVUE_DISPLAY_CHECK)
#include "app/display_probe.h"
#endif
#include "app/gallery_run_factory.h"
#include "app/startup.h"
#include "generate/front_end.h"
#include "platform/code_page.h"
#include "platform/console.h"
#include "platform/launch.h"
#include "platform/path_style.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "request/request_run.h"
#include "request/session.h"
#include "ui/active_window.h"
#include "ui/frm_main.h"
#include "ui/help_file_topics.h"
#include "ui/main_window_dialogs.h"
#include "ui/path_chooser.h"
#include "ui/program_icon.h"
#include "ui/qt_front_end.h"
#include "ui/single_instance.h"

namespace pictavue {
namespace {

// What the window's run requests work with besides the window: the session that start-up made,
// the front end over the window, the generation run and the launcher that opens the result.
class WindowRequests {
 public:
  WindowRequests(Session& session, frmMain& window, ActiveWindow& active_window, Launcher& launcher)
      : session_(session),
        window_(window),
        front_end_(window, active_window),
        run_(MakeGalleryRun(session)),
        launcher_(launcher) {}

  // Create: the request reads the controls as they stand; the history it records goes back
  // into the search-folder list.
  void Create() {
    TakeWindowValues();
    if (RequestRun(session_, front_end_, *run_, launcher_).outcome ==
        RequestOutcome::kPagesWritten) {
      ShowRecordedHistory();
    }
  }

  // The command-line run; false when the text names no folder and the window stays.
  bool RunCommandLine(const std::string& text) {
    TakeWindowValues();
    const auto show_folder = [this](const std::string& folder) {
      window_.SetSearchFolderText(folder);
    };
    if (!pictavue::RunCommandLine(session_, front_end_, *run_, launcher_, text, show_folder)) {
      return false;
    }
    ShowRecordedHistory();
    return true;
  }

 private:
  void TakeWindowValues() {
    session_.options = window_.ReadOptions();
    session_.history = window_.History();
  }
  void ShowRecordedHistory() {
    window_.ShowFolderHistory(session_.history, session_.options.SearchDir);
  }

  Session& session_;
  frmMain& window_;
  QtFrontEnd front_end_;
  std::unique_ptr<GalleryRun> run_;
  Launcher& launcher_;
};

// Qt's own texts (the file and folder choosers, the context menus of text boxes) in the
// window's language: where Qt keeps its translations, or beside the program in a copy that
// brings its Qt along. Qt speaks English untranslated.
void LoadToolkitTexts(QApplication& app, QTranslator& translator, Language language) {
  if (language == Language::kEnglish) {
    return;
  }
  const QString name = QStringLiteral("qtbase_ja");
  if (translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      translator.load(name,
                      QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))) {
    app.installTranslator(&translator);
  }
}

}  // namespace

int RunGuiApplication(int& argc, char** argv) {
  bool wayland_asked = false;
#if defined(PICTAVUE_DISPLAY_CHECK)
  // Qt aborts when its platform finds no display; look first, so the person hears of batch mode.
  const DisplayEnvironment display = ReadDisplayEnvironment(ProgramArguments(argc, argv));
  const DisplayRoute route = ChooseDisplayRoute(display);
  if (const std::optional<std::string> reason = WhyNoWindowCanBeShown(route, display)) {
    std::cerr << NoDisplayMessage(*reason);
    return kExitUsage;
  }
  // Without DISPLAY, Qt's usual first choice (X11) cannot work.
  wayland_asked = route == DisplayRoute::kWayland;
  if (wayland_asked) {
    qputenv("QT_QPA_PLATFORM", "wayland");
  }
#endif
  QApplication app(argc, argv);
  if (wayland_asked) {
    qunsetenv("QT_QPA_PLATFORM");  // the programs the window starts make their own choice
  }
  QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));
  QApplication::setWindowIcon(ProgramIcon());
  // QApplication has taken its own options out of argv by now.
  const std::vector<std::string> arguments = ProgramArguments(argc, argv);
  const WindowCommandLine command_line = ParseWindowCommandLine(arguments);

  const std::string program_file = ProgramFilePath(argc > 0 ? argv[0] : "");
  const std::string program_name = LastComponent(program_file, NativePathStyle());
  StartupInputs inputs;
  inputs.program_folder = ProgramFolder(argc > 0 ? argv[0] : "");
  inputs.program_file_name = program_name;
  inputs.settings_file = command_line.settings_file;
  inputs.language = command_line.language;
  inputs.code_page = CodePage::System();
  // Held for the program's whole life: later copies find this one through it.
  SingleInstance instance(UserInstancePlace());
  SystemStartup system([&instance](const std::string& message) {
    return IsPreviousInstanceRunning(instance, [&message] { ShowAlreadyRunningMessage(message); });
  });
  std::optional<Session> session = Startup(inputs, system);
  if (!session) {
    return 0;  // another copy runs; it has been brought to the front
  }
  // A copy that may run beside others (PrevInstance 1) still lets a later copy find one.
  instance.Claim();
  // The window's words come from the file the core's came from.
  WarnWithoutEnglish(*session, std::cerr);
  QTranslator translator;
  const bool in_english = !session->translation_file.empty() &&
                          translator.load(QString::fromStdString(session->translation_file));
  if (in_english) {
    QCoreApplication::installTranslator(&translator);
  }
  // Qt's own texts follow the window's, also when English was asked for but could not be read.
  QTranslator toolkit_texts;
  LoadToolkitTexts(app, toolkit_texts, in_english ? Language::kEnglish : Language::kJapanese);

  const auto focus = std::make_shared<FocusState>();
  MainWindowSetup setup;
  setup.settings_file_path = session->settings_file_path;
  setup.code_page = session->code_page;
  setup.png_plugin_name = session->plugins.names().PngPluginName;
  setup.help_topics = std::make_shared<HelpFileTopics>(session->help_file_path);
  setup.focus_state = focus;
  frmMain window(setup);
  ActiveWindow active_window;
  active_window.Track(&window);
  instance.SetWindow(&window);
  window.LoadSettings(session->options, session->history);
  if (session->history.empty()) {
    window.SetSearchFolderText(session->options.SearchDir);
  }
  const std::unique_ptr<Launcher> launcher = MakeSystemLauncher();
  WindowRequests requests(*session, window, active_window, *launcher);
  QtPathChooser chooser;
  MainWindowActions actions;
  actions.create = [&requests] { requests.Create(); };
  AddDialogActions(actions, window,
                   DialogServices{active_window, *focus, chooser, *launcher,
                                  session->plugins.names(), session->files.docs_folder});
  window.SetActions(actions);
  // The window's close ends the program, and every other window with it.
  QObject::connect(&window, &frmMain::Unloaded, &app, &QCoreApplication::quit);

  window.show();
  QCoreApplication::processEvents();
  if (requests.RunCommandLine(command_line.text)) {
    window.close();  // saves the settings, whatever the request did
    return 0;
  }
  return QApplication::exec();
}

}  // namespace pictavue
