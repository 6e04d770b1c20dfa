#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "generate/front_end.h"
#include "platform/code_page.h"
#include "settings/control_id.h"
#include "settings/folder_history.h"
#include "settings/gallery_options.h"
#include "ui/help_topics.h"
#include "ui/main_window_controls.h"
#include "ui/rules/control_rules.h"
#include "ui/rules/drop_down_width.h"

namespace pictavue {

class clsToolTip;
struct OptionField;

// What the main window is given for its whole life.
struct MainWindowSetup {
  // Where the unload saves the settings; the empty text saves nothing.
  std::string settings_file_path;
  CodePage code_page = CodePage::System();
  // The name the PNG plug-in reported at start-up; empty when it is missing.
  std::string png_plugin_name;
  // The help file's topics; none when null.
  std::shared_ptr<const HelpTopics> help_topics;
  // The focus bookkeeping shared with the program's other windows; the window keeps its own
  // when null.
  std::shared_ptr<FocusState> focus_state;
};

// What the buttons start. An empty function leaves its button without effect.
struct MainWindowActions {
  std::function<void()> create;                   // Command1: a run request
  std::function<void()> about;                    // Command5
  std::function<void(int mode)> settings_dialog;  // Command6(mode): 0 folder, 1 browser
  std::function<std::string(const std::string& title, QWidget* owner, const std::string& initial)>
      browse_for_folder;  // Command4; the system's folder chooser when empty
};

// The one window the user works in. Its controls are the live store of the settings: load
// writes the record into them, a run and the save at close read them back.
class frmMain : public QWidget {
  Q_OBJECT

 public:
  explicit frmMain(MainWindowSetup setup, QWidget* parent = nullptr);
  ~frmMain() override;
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  void SetActions(MainWindowActions actions);

  // Writes every field of the record into its control (each write runs the control's change
  // handling, as a user action would), fills the search-folder list from the history, applies
  // the enabling rules and leaves only the first tab's panel enabled. With an empty history the
  // search-folder text is left as it is.
  void LoadSettings(const GalleryOptions& options, const FolderHistory& history);

  // The record as the controls hold it now, with the fields that have no control (DirName,
  // BrowserPath, PrevInstance) as held: what a run starts with and what the close saves.
  GalleryOptions ReadOptions() const;
  const FolderHistory& History() const { return history_; }

  std::string SearchFolderText() const;
  void SetSearchFolderText(const std::string& text);

  // After a run that produced pages: the history as the run request left it (the search folder
  // in front) goes into the list, and the box shows the folder as recorded.
  void ShowFolderHistory(const FolderHistory& history, const std::string& search_folder);

  // The two settings without a control, as their dialog sets them. The output folder is also
  // the tooltip of the output-folder controls while it is the one used.
  void SetOutputFolder(const std::string& dir_name);
  void SetBrowserPath(const std::string& browser_path);

  // Points the user at a control after a failed check: selects tab page tab_page (1 to 4; 0
  // keeps the page), then focuses the control, or selects its whole text when it has the focus
  // already.
  void PointAt(int tab_page, ControlId control, FocusAction action);

  // Selects a tab page (1 to 4) as a click on its tab does.
  void SelectTab(int tab);
  int SelectedTab() const;

  QWidget* Control(std::string_view name) const { return controls_.Control(name); }
  QWidget* LastFocusControl() const { return last_focus_control_; }
  const FocusState& Focus() const { return *focus_; }
  int SettingsDialogMode() const { return settings_dialog_mode_; }

 signals:
  // The window has closed and saved: the program ends.
  void Unloaded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load();
  void ConnectChangeHandlers();
  void ConnectButtons();

  // Change handling: one rule per triggering control, run by user actions and by writes alike.
  void RunChangeRule(const QObject* control);
  void ApplySubWindowRule();
  void ApplyAutoSizeRule();
  void ApplySlideShowRule();
  void ApplyFolderNameRule();
  void ApplyBrowserRule();
  void ApplyOutputDirRule();
  void ApplyIppListRule();
  void OnIppTextTyped();
  void UpdateFileNameHint();
  void ShowFileNameHint(const FileNameHint& hint);

  // Writing values as LoadSettings does.
  void WriteCheck(QWidget* box, int state);
  void WriteListIndex(QWidget* combo, int index);
  void WriteIppText(const std::string& text);
  void ShowField(const OptionField& field, const GalleryOptions& options);
  void TakeField(const OptionField& field, GalleryOptions& options) const;
  void FillSearchDirList();
  int MeasureDropDownWidth(const std::string& entry);

  void SetDefaultButtonActive(bool active);
  void OnTabSelected(int index);
  bool HandleKeyPress(QObject* watched, QKeyEvent* event);
  void HandleFocusIn(QWidget* widget, Qt::FocusReason reason);
  bool HandleRightButtonRelease(QWidget* widget, QMouseEvent* event);
  bool HandleDrop(QEvent* event);
  QWidget* ControlOf(QWidget* widget) const;
  bool IsTextBox(const QWidget* control) const;
  void SelectWholeText(QWidget* control);

  void BrowseSearchFolder();
  void ShowContextHelp();
  void Unload();

  MainWindowSetup setup_;
  MainWindowActions actions_;
  MainWindowControls controls_;
  std::shared_ptr<FocusState> focus_;
  QPointer<QWidget> last_focus_control_;
  bool default_button_active_ = true;  // off while txtTitle has the focus
  int settings_dialog_mode_ = 0;
  bool unloaded_ = false;

  GalleryOptions held_;  // the fields without a control
  FolderHistory history_;
  DropDownWidth drop_down_width_;

  clsToolTip* AutoSizeTip = nullptr;
  clsToolTip* FileNameTip = nullptr;
  clsToolTip* SizeTip = nullptr;
};

}  // namespace pictavue
