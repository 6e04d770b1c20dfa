// One copy of the program as far as the second-copy rule goes, for tst_single_instance:
//   instance_probe <place folder> <settings file>
// Reads PrevInstance from the settings file; when it is 0 and another copy holds the place,
// shows the real message box, prints what it showed, asks the first copy forward and ends with
// kEndedAsSecondCopy. Otherwise it shows a window titled "Pictavue", prints "running" and runs
// until its standard input closes.

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <iostream>

#include "platform/profile_file.h"
#include "settings/settings_file.h"
#include "ui/single_instance.h"

namespace {

constexpr int kEndedAsSecondCopy = 3;

pictavue::InstancePlace PlaceIn(const QString& folder) {
  const QDir dir(folder);
  return {dir.filePath(QStringLiteral("probe.lock")), dir.filePath(QStringLiteral("probe.socket"))};
}

// Answers the box once it is up and prints its title, icon and text.
void ReportTheBox() {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    poll->stop();
    poll->deleteLater();
    std::cout << "box " << box->windowTitle().toStdString() << "|" << box->icon() << "|"
              << box->text().toStdString() << std::endl;
    box->accept();
  });
  poll->start(10);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: instance_probe <place folder> <settings file>\n";
    return 2;
  }
  const pictavue::ProfileFile settings = pictavue::ProfileFile::Load(argv[2]);
  pictavue::SingleInstance instance(PlaceIn(QString::fromLocal8Bit(argv[1])));
  if (pictavue::ReadPrevInstance(settings) == 0) {
    ReportTheBox();
    const auto tell_user = [] {
      pictavue::ShowAlreadyRunningMessage("Pictavue は既に起動されています。");
    };
    if (pictavue::IsPreviousInstanceRunning(instance, tell_user)) {
      std::cout << "ended" << std::endl;
      return kEndedAsSecondCopy;
    }
  } else {
    instance.Claim();
  }
  QWidget window;
  window.setWindowTitle(QStringLiteral("Pictavue"));
  instance.SetWindow(&window);
  window.show();
  std::cout << "running" << std::endl;
  QSocketNotifier input(fileno(stdin), QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&app] {
    char byte = 0;
    if (std::fread(&byte, 1, 1, stdin) != 1) {
      app.quit();
    }
  });
  return app.exec();
}
