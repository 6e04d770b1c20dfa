// Writes the program's icon as the desktop's PNG files, drawn by the code that draws the
// window's icon: write_icon_files FOLDER gives FOLDER/<n>x<n>/apps/pictavue.png.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/program_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  // Drawing needs no screen: the build may run where there is none.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString apps = QStringLiteral("%1x%1/apps").arg(size);
    if (!folder.mkpath(apps) ||
        !pictavue::ProgramIconImage(size).save(folder.filePath(apps + "/pictavue.png"))) {
      std::fprintf(stderr, "%s: cannot write the %dx%d icon\n", argv[0], size, size);
      return 1;
    }
  }
  return 0;
}
