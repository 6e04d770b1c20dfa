#pragma once

#include <QDialog>

#include "platform/path_style.h"
#include "settings/gallery_options.h"
#include "ui/rules/browse_rules.h"
#include "ui/rules/control_rules.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pictavue {

class ActiveWindow;
class PathChooser;

// SettingsDialogMode: which path frmSub1 edits.
inline constexpr int kOutputFolderMode = 0;  // GalleryOptions.DirName
inline constexpr int kBrowserMode = 1;       // GalleryOptions.BrowserPath

// The output-folder and browser dialog: one path in txtAny, a browse button, OK and Cancel. OK
// stores the path with blanks trimmed and unchecked (a run checks it); Cancel, Esc and the
// close box discard the edit. One dialog per opening.
class frmSub1 : public QDialog {
  Q_OBJECT

 public:
  struct Services {
    ActiveWindow& active_window;
    FocusState& focus;  // shared with the main window
    PathChooser& chooser;
    PathKindQuery kind_of = PathKind;
    PathStyle style = NativePathStyle();
  };

  frmSub1(int mode, GalleryOptions& options, const Services& services, QWidget* owner);

  QLabel* Label1 = nullptr;
  QLineEdit* txtAny = nullptr;
  QPushButton* Command1 = nullptr;    // browse
  QPushButton* Command2_0 = nullptr;  // OK
  QPushButton* Command2_1 = nullptr;  // Cancel

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Command1_Click();
  void Command2_Click(int index);

  int mode_;
  GalleryOptions& options_;
  Services services_;
};

}  // namespace pictavue
