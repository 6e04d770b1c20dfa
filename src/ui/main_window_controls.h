#pragma once

#include <array>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QWidget;

namespace pictavue {

// The dynamic property the builder puts on a widget with a help topic: the topic's number.
inline constexpr char kHelpTopicProperty[] = "HelpTopic";

// Every widget of the main window, each named by its control name (also its objectName;
// control arrays as "optThumb(0)"). Owned by the window they were built into.
struct MainWindowControls {
  // Containers, outermost first. picXpStyle(i) is the inner box of one frame each: 0 Frame1,
  // 8 Frame2, 2 / 7 / 5 / 1 the tab panels FrmTS(0) to FrmTS(3), 3 Frame6, 4 Frame4, 6 Frame3.
  QGroupBox* Frame1 = nullptr;
  std::array<QWidget*, 9> picXpStyle{};
  QGroupBox* Frame2 = nullptr;
  QTabBar* TabStrip1 = nullptr;
  QStackedWidget* TabPanels = nullptr;  // stacks FrmTS(0) to FrmTS(3); the front one is shown
  std::array<QWidget*, 4> FrmTS{};

  // Search-folder frame
  QComboBox* cmbSearchDir = nullptr;
  QPushButton* Command4 = nullptr;
  QCheckBox* chkSubDir = nullptr;
  QCheckBox* chkGIF = nullptr;
  QCheckBox* chkJPEG = nullptr;
  QCheckBox* chkPNG = nullptr;
  QCheckBox* chkBMP = nullptr;
  QCheckBox* chkWMF = nullptr;
  QCheckBox* chkEMF = nullptr;

  // Tab 1 "基本設定"
  QLabel* Label7 = nullptr;
  QLineEdit* txtFileName = nullptr;
  QLabel* lblExt = nullptr;
  QGroupBox* Frame6 = nullptr;
  QComboBox* cmbOutputDir = nullptr;
  std::array<QPushButton*, 2> Command6{};
  QLabel* Label5 = nullptr;
  QComboBox* cmbIPP = nullptr;
  QCheckBox* chkFrame = nullptr;
  QGroupBox* Frame4 = nullptr;
  std::array<QRadioButton*, 3> optThumb{};
  QLabel* Label2 = nullptr;
  QComboBox* cmbSize = nullptr;

  // Tab 2 "詳細設定１"
  QLabel* Label3 = nullptr;
  QPlainTextEdit* txtTitle = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* txtName = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* txtEmail = nullptr;

  // Tab 3 "詳細設定２"
  QCheckBox* chkBGColor = nullptr;
  QCheckBox* chkAutoOpen = nullptr;
  QCheckBox* chkSubWIndow = nullptr;
  QCheckBox* chkAutoSize = nullptr;
  QCheckBox* chkOnlyOne = nullptr;
  QCheckBox* chkClientPull = nullptr;
  QLabel* LblDelay1 = nullptr;
  QLineEdit* txtDelay = nullptr;
  QLabel* LblDelay2 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QCheckBox* chkSeparator = nullptr;
  QCheckBox* chkFolderName = nullptr;
  QLabel* lblKakkoL = nullptr;
  QCheckBox* chkPathName = nullptr;
  QLabel* lblKakkoR = nullptr;

  // Tab 4 "詳細設定３"
  QCheckBox* chkSameSize = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label12 = nullptr;
  QCheckBox* chkNotThumbnail = nullptr;
  QCheckBox* chkBrowser = nullptr;
  QCheckBox* chkAltNewLine = nullptr;
  QLabel* Label1 = nullptr;

  // Bottom row
  QLabel* Image1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command2 = nullptr;

  // Every control above, in the order it was made, and one of them by its name.
  std::vector<QWidget*> all;
  QWidget* Control(std::string_view name) const;
};

// Creates every control of the main window inside window, laid out as the window has always
// been arranged, with its caption, access key, tooltip, help topic, place in the tab chain and
// initial state. The lists stay empty: filling them is the window's load.
MainWindowControls BuildMainWindowControls(QWidget& window);

}  // namespace pictavue
