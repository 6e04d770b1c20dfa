// Renders the main window on each tab page to PNG files, for the README and for review:
//   pictavue_screenshots OUTPUT_FOLDER
// Run on Qt's offscreen platform (scripts/screenshot sets it), so no display is needed.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "collect/plugin_probe.h"
#include "platform/code_page.h"
#include "platform/program_folder.h"
#include "settings/folder_history.h"
#include "settings/gallery_options.h"
#include "ui/frm_main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: pictavue_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir output(QString::fromLocal8Bit(argv[1]));
  if (!output.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "pictavue_screenshots: cannot create %s\n", argv[1]);
    return 1;
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

  for (int tab = 1; tab <= 4; ++tab) {
    window.SelectTab(tab);
    QApplication::processEvents();
    const QString path = output.filePath(QStringLiteral("main-tab%1.png").arg(tab));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "pictavue_screenshots: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
