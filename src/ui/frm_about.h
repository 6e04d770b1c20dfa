#pragma once

#include <QDialog>
#include <string>

#include "collect/plugin_probe.h"
#include "platform/path_style.h"

class QLabel;
class QPushButton;

namespace pictavue {

class ActiveWindow;
class Launcher;

// What the About window shows for a plug-in: the name it reported at start-up, or the line
// saying that it was not found.
std::string PluginLine(PluginKind kind, const PluginNames& names);

// The page the About window opens for a plug-in, in the documentation shipped with the program
// (the program's own guide is HomePagePath).
std::string PluginPagePath(PluginKind kind, const std::string& docs_folder, PathStyle style);

// The About window: the program's name, version and legal notice, the three plug-ins, and
// links to the pages above, opened with the system's association. A page that cannot be
// opened is not reported. One window per opening.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  struct Services {
    ActiveWindow& active_window;
    Launcher& launcher;
    std::string docs_folder;
    PathStyle style = NativePathStyle();
  };

  frmAbout(const PluginNames& names, const Services& services, QWidget* owner);

  QLabel* Image1 = nullptr;
  QLabel* Label4 = nullptr;  // the name, green
  QLabel* Label1 = nullptr;  // its black shadow
  QLabel* Label2 = nullptr;  // "Ver"
  QLabel* lblVer = nullptr;
  QLabel* lblCopyRight = nullptr;
  QLabel* lblIFJPEG = nullptr;
  QLabel* lblIFPNG = nullptr;
  QLabel* lblIFWMF = nullptr;
  QLabel* lblHP = nullptr;
  QPushButton* Command1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Open(const std::string& path);

  Services services_;
  std::string home_page_;
};

}  // namespace pictavue
