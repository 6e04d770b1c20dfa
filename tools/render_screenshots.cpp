// Renders the main window on each tab page, the progress window, the output-folder and browser
// dialog in both modes and the About window to PNG files, for the README and for review:
//   pictavue_screenshots [--lang en] OUTPUT_FOLDER
// Run on Qt's offscreen platform (scripts/screenshot sets it), so no display is needed. With
// --lang en the windows speak English, from the translation beside the program.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "collect/plugin_probe.h"
#include "generate/generation_run.h"
#include "platform/code_page.h"
#include "platform/launch.h"
#include "platform/program_folder.h"
#include "settings/folder_history.h"
#include "settings/gallery_options.h"
#include "ui/active_window.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_progress.h"
#include "ui/frm_sub1.h"
#include "ui/path_chooser.h"
#include "ui/progress_runner.h"
#include "ui/translated.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool english =
      argc == 4 && std::strcmp(argv[1], "--lang") == 0 && std::strcmp(argv[2], "en") == 0;
  if (argc != 2 && !english) {
    std::fprintf(stderr, "usage: pictavue_screenshots [--lang en] OUTPUT_FOLDER\n");
    return 2;
  }
  const char* output_name = argv[argc - 1];
  const QDir output(QString::fromLocal8Bit(output_name));
  if (!output.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "pictavue_screenshots: cannot create %s\n", output_name);
    return 1;
  }
  QTranslator translator;
  if (english) {
    const std::string file = pictavue::TranslationFilePath(
        pictavue::LocateProgramFiles(pictavue::ProgramFolder(argv[0])).data_folder,
        pictavue::Language::kEnglish, pictavue::NativePathStyle());
    if (!translator.load(QString::fromStdString(file))) {
      std::fprintf(stderr, "pictavue_screenshots: cannot read %s\n", file.c_str());
      return 1;
    }
    QApplication::installTranslator(&translator);
  }

  // A first start with the defaults and one folder of an earlier run.
  pictavue::GalleryOptions options;
  options.DirName = "/home/me/Gallery";
  const pictavue::FolderHistory history({"/home/me/Pictures/Holiday 2024"});
  // The plug-ins beside the program, as an installed program has them.
  const pictavue::CodePage code_page = pictavue::CodePage::System();
  const pictavue::Plugins plugins =
      pictavue::Plugins::Load(pictavue::ProgramFolder(argv[0]), code_page);
  pictavue::MainWindowSetup setup;
  setup.png_plugin_name = plugins.names().PngPluginName;
  pictavue::frmMain window(setup);
  window.LoadSettings(options, history);
  window.show();

  const auto save = [&output](QWidget& shown, const QString& name) {
    QApplication::processEvents();
    const QString path = output.filePath(name);
    if (!shown.grab().save(path)) {
      std::fprintf(stderr, "pictavue_screenshots: cannot write %s\n", qPrintable(path));
      return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
  };
  for (int tab = 1; tab <= 4; ++tab) {
    window.SelectTab(tab);
    if (!save(window, QStringLiteral("main-tab%1.png").arg(tab))) {
      return 1;
    }
  }

  // The other windows, as a user meets them over the main window.
  pictavue::ActiveWindow active;
  pictavue::ProgressRunner runner(active, &window);
  bool saved = false;
  runner.RunModal([&] {
    runner.SetStatus(pictavue::Translated(pictavue::kStatusMeasuring).toStdString());
    runner.SetProgressRange(0, 100);
    runner.SetProgressValue(40);
    runner.ProcessEvents();
    saved = save(*runner.Window(), QStringLiteral("progress.png"));
  });
  pictavue::FocusState focus;
  pictavue::QtPathChooser chooser;
  options.Browser = pictavue::kChecked;
  options.BrowserPath = "/usr/bin/firefox";
  for (const int mode : {pictavue::kOutputFolderMode, pictavue::kBrowserMode}) {
    pictavue::frmSub1 dialog(mode, options, {active, focus, chooser}, &window);
    dialog.show();
    saved = saved && save(dialog, mode == pictavue::kOutputFolderMode
                                      ? QStringLiteral("settings-output-folder.png")
                                      : QStringLiteral("settings-browser.png"));
    dialog.hide();
  }
  const std::unique_ptr<pictavue::Launcher> launcher = pictavue::MakeSystemLauncher();
  pictavue::frmAbout about(plugins.names(), {active, *launcher, "/opt/pictavue/docs"}, &window);
  about.show();
  saved = saved && save(about, QStringLiteral("about.png"));
  return saved ? 0 : 1;
}
