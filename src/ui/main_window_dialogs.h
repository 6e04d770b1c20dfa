#pragma once

#include <string>

#include "collect/plugin_probe.h"
#include "ui/frm_main.h"
#include "ui/rules/control_rules.h"

namespace pictavue {

class ActiveWindow;
class Launcher;
class PathChooser;

// What the main window's dialogs are given: the program's shared window state and services.
// Every referenced object must outlive the main window.
struct DialogServices {
  ActiveWindow& active_window;
  FocusState& focus;  // the same object the main window keeps its focus bookkeeping in
  PathChooser& chooser;
  Launcher& launcher;
  PluginNames plugin_names;
  std::string docs_folder;
};

// Command5: the About window, modal over the main window.
void ShowAboutWindow(frmMain& window, const DialogServices& services);

// Command6(mode): frmSub1 for the output folder (0) or the browser (1), modal over the main
// window. OK hands the trimmed path to the window, which shows a new output folder as the
// tooltip of its output-folder controls.
void ShowSettingsDialog(int mode, frmMain& window, const DialogServices& services);

// The About, settings-dialog and search-folder browse actions of the main window.
void AddDialogActions(MainWindowActions& actions, frmMain& window, const DialogServices& services);

}  // namespace pictavue
