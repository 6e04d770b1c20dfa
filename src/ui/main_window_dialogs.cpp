#include "ui/main_window_dialogs.h"

#include "ui/frm_about.h"
#include "ui/frm_sub1.h"
#include "ui/path_chooser.h"

namespace pictavue {

void ShowAboutWindow(frmMain& window, const DialogServices& services) {
  frmAbout about(
      services.plugin_names,
      frmAbout::Services{services.active_window, services.launcher, services.docs_folder}, &window);
  about.exec();
}

void ShowSettingsDialog(int mode, frmMain& window, const DialogServices& services) {
  GalleryOptions options = window.ReadOptions();
  frmSub1 dialog(mode, options,
                 frmSub1::Services{services.active_window, services.focus, services.chooser},
                 &window);
  if (dialog.exec() != QDialog::Accepted) {
    return;
  }
  if (mode == kOutputFolderMode) {
    window.SetOutputFolder(options.DirName);
  } else {
    window.SetBrowserPath(options.BrowserPath);
  }
}

void AddDialogActions(MainWindowActions& actions, frmMain& window, const DialogServices& services) {
  actions.about = [&window, services] { ShowAboutWindow(window, services); };
  actions.settings_dialog = [&window, services](int mode) {
    ShowSettingsDialog(mode, window, services);
  };
  actions.browse_for_folder = [&chooser = services.chooser](const std::string& title,
                                                            QWidget* owner,
                                                            const std::string& initial) {
    return chooser.BrowseForFolder(owner, title, initial);
  };
}

}  // namespace pictavue
