#include "app/gui_app.h"

#include <QApplication>
#include <QStringList>
#include <string>

#include "collect/plugin_probe.h"
#include "generate/front_end.h"
#include "platform/code_page.h"
#include "platform/path_kind.h"
#include "platform/path_style.h"
#include "platform/profile_file.h"
#include "platform/program_folder.h"
#include "platform/settings_location.h"
#include "settings/settings_file.h"
#include "ui/frm_main.h"

namespace pictavue {
namespace {

// The settings file named by "--settings FILE", or the empty text.
std::string SettingsFileArgument(const QStringList& arguments) {
  const qsizetype at = arguments.indexOf(QStringLiteral("--settings"));
  if (at < 0 || at + 1 >= arguments.size()) {
    return {};
  }
  return arguments.at(at + 1).toStdString();
}

}  // namespace

int RunGuiApplication(int& argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kProgramTitle));

  const std::string program_folder = ProgramFolder(argc > 0 ? argv[0] : "");
  const SettingsLocation location = LocateSettings(program_folder);
  std::string settings_path = SettingsFileArgument(QApplication::arguments());
  if (settings_path.empty()) {
    settings_path = location.settings_file_path;
  }
  const CodePage code_page = CodePage::System();
  // Loaded once, before the window: the window needs to know whether PNG can be read.
  const Plugins plugins = Plugins::Load(program_folder, code_page);
  const LoadedSettings loaded = LoadSettings(ProfileFile::Load(settings_path), code_page,
                                             location.default_output_folder, NativePathStyle());

  MainWindowSetup setup;
  setup.settings_file_path = settings_path;
  setup.code_page = code_page;
  setup.png_plugin_name = plugins.names().PngPluginName;
  frmMain window(setup);
  window.LoadSettings(loaded.options, loaded.history);
  if (loaded.history.empty()) {
    window.SetSearchFolderText(DefaultSearchFolder());
  }
  // The window's close ends the program, and every other window with it.
  QObject::connect(&window, &frmMain::Unloaded, &app, &QCoreApplication::quit);
  window.show();
  QCoreApplication::processEvents();
  return QApplication::exec();
}

}  // namespace pictavue
