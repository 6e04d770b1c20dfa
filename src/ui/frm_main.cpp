#include "ui/frm_main.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QUrl>
#include <QWhatsThis>
#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/path_kind.h"
#include "platform/path_style.h"
#include "settings/option_fields.h"
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "ui/cls_tool_tip.h"
#include "ui/path_chooser.h"
#include "ui/rules/browse_rules.h"
#include "ui/translated.h"

namespace pictavue {
namespace {

constexpr SourceText kAutoSizeTipText =
    PICTAVUE_TEXT("frmMain", "ｵﾘｼﾞﾅﾙ画像のｻｲｽﾞに合わせて\r\nｳｨﾝﾄﾞｳの大きさを自動的に調整");
constexpr SourceText kSizeTipText = PICTAVUE_TEXT(
    "frmMain", "幅または高さのｻｲｽﾞ\r\n上で選択していない方は元画像の\r\n比率に従い自動的に決定");
constexpr int kTipKey = 1;
constexpr int kTipMaxWidth = 200;
constexpr SourceText kBrowseTitle =
    PICTAVUE_TEXT("frmMain", "検索するフォルダを選択してください。");
constexpr double kTwipsPerInch = 1440.0;

QString ToQt(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) {
  return text.toStdString();
}

// The settings' check states (0 off, 1 on, 2 dimmed) in Qt's numbering (dimmed is 1 there).
Qt::CheckState CheckStateFor(int state) {
  switch (state) {
    case kUnchecked:
      return Qt::Unchecked;
    case kGrayed:
      return Qt::PartiallyChecked;
    default:
      return Qt::Checked;
  }
}

int CheckValue(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Unchecked:
      return kUnchecked;
    case Qt::PartiallyChecked:
      return kGrayed;
    case Qt::Checked:
      break;
  }
  return kChecked;
}

// The record keeps the title's lines joined by CR LF; the editor by LF.
QString TitleForEditor(const std::string& title) {
  return ToQt(title).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string TitleFromEditor(const QString& text) {
  return ToUtf8(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

// Whether the control itself is enabled, whatever its tab panel is: the rules look at a
// control's own state, which a disabled panel around it does not change.
bool IsOwnEnabled(const QWidget* control) {
  return !control->testAttribute(Qt::WA_ForceDisabled);
}

// Qt lays out the widgets of a hidden window only when it is shown. The layouts run here,
// outermost first, so that the controls have their sizes before the window is shown.
void ActivateLayouts(QWidget& root) {
  std::vector<QWidget*> pending = {&root};
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (QLayout* layout = pending[i]->layout()) {
      layout->invalidate();
      layout->activate();
    }
    for (QWidget* child : pending[i]->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      pending.push_back(child);
    }
  }
}

}  // namespace

frmMain::frmMain(MainWindowSetup setup, QWidget* parent)
    : QWidget(parent),
      setup_(std::move(setup)),
      focus_(setup_.focus_state ? setup_.focus_state : std::make_shared<FocusState>()) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromLatin1(kProgramTitle));
  if (!setup_.help_topics) {
    setup_.help_topics = std::make_shared<NoHelpTopics>();
  }
  controls_ = BuildMainWindowControls(*this);
  for (QWidget* widget : findChildren<QWidget*>()) {
    const QVariant topic = widget->property(kHelpTopicProperty);
    const QString text = topic.isValid() ? setup_.help_topics->TopicText(topic.toInt()) : QString();
    if (!text.isEmpty()) {
      widget->setWhatsThis(text);
      if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        combo->lineEdit()->setWhatsThis(text);
      }
    }
  }
  ConnectChangeHandlers();
  ConnectButtons();
  SetDefaultButtonActive(true);
  Load();
  // The controls get their sizes now, so the drop-down cap is measured on the real box.
  ActivateLayouts(*this);
  adjustSize();
  ActivateLayouts(*this);
  controls_.cmbSearchDir->setFocus(Qt::OtherFocusReason);
  // Key preview: the window sees key presses before the focused control does.
  qApp->installEventFilter(this);
}

frmMain::~frmMain() {
  qApp->removeEventFilter(this);
}

void frmMain::SetDefaultButtonActive(bool active) {
  default_button_active_ = active;
  controls_.Command1->setDefault(active);  // drawn as the default button while it is one
}

void frmMain::SetActions(MainWindowActions actions) {
  actions_ = std::move(actions);
}

void frmMain::Load() {
  const MainWindowControls& c = controls_;
  const auto fill = [](QComboBox* combo, const auto& entries) {
    const QSignalBlocker blocker(combo);
    for (std::string_view entry : entries) {
      combo->addItem(TranslatedWindowText(entry));
    }
    combo->setCurrentIndex(kNoListPosition);
  };
  fill(c.cmbSize, kSizeListEntries);
  fill(c.cmbIPP, kIppListEntries);
  fill(c.cmbOutputDir, kOutputDirListEntries);

  if (setup_.png_plugin_name.empty()) {
    c.chkPNG->setEnabled(false);
  }

  AutoSizeTip = new clsToolTip(this);
  AutoSizeTip->setObjectName(QStringLiteral("AutoSizeTip"));
  FileNameTip = new clsToolTip(this);
  FileNameTip->setObjectName(QStringLiteral("FileNameTip"));
  SizeTip = new clsToolTip(this);
  SizeTip->setObjectName(QStringLiteral("SizeTip"));
  AutoSizeTip->mCreate(c.chkAutoSize);
  AutoSizeTip->mToolAdd(kTipKey, Translated(kAutoSizeTipText), 0, 0, 0, 0);
  AutoSizeTip->pMaxWidth(kTipMaxWidth);
  SizeTip->mCreate(c.cmbSize);
  SizeTip->mToolAdd(kTipKey, Translated(kSizeTipText), 0, 0, 0, 0);
  SizeTip->pMaxWidth(kTipMaxWidth);

  c.TabPanels->setCurrentWidget(c.FrmTS[0]);
}

void frmMain::ConnectChangeHandlers() {
  const MainWindowControls& c = controls_;
  for (QCheckBox* box : findChildren<QCheckBox*>()) {
    connect(box, &QCheckBox::stateChanged, this, [this, box](int state) {
      // Only the settings file gives the dimmed state; a click leaves it for good.
      if (state != Qt::PartiallyChecked) {
        box->setTristate(false);
      }
      RunChangeRule(box);
    });
  }
  for (QComboBox* combo : {c.cmbOutputDir, c.cmbIPP}) {
    connect(combo, &QComboBox::activated, this, [this, combo] { RunChangeRule(combo); });
  }
  connect(c.cmbIPP->lineEdit(), &QLineEdit::textEdited, this, [this] { OnIppTextTyped(); });
  connect(c.TabStrip1, &QTabBar::currentChanged, this, [this](int index) { OnTabSelected(index); });
}

void frmMain::ConnectButtons() {
  const MainWindowControls& c = controls_;
  connect(c.Command1, &QPushButton::clicked, this, [this] {
    if (actions_.create) {
      actions_.create();
    }
  });
  connect(c.Command5, &QPushButton::clicked, this, [this] {
    if (actions_.about) {
      actions_.about();
    }
  });
  for (int mode = 0; mode < 2; ++mode) {
    connect(c.Command6[static_cast<std::size_t>(mode)], &QPushButton::clicked, this, [this, mode] {
      settings_dialog_mode_ = mode;
      if (actions_.settings_dialog) {
        actions_.settings_dialog(mode);
      }
    });
  }
  connect(c.Command4, &QPushButton::clicked, this, [this] { BrowseSearchFolder(); });
  connect(c.Command3, &QPushButton::clicked, this, [this] { ShowContextHelp(); });
  connect(c.Command2, &QPushButton::clicked, this, [this] { close(); });
}

void frmMain::RunChangeRule(const QObject* control) {
  const MainWindowControls& c = controls_;
  if (control == c.chkClientPull) {
    ApplySlideShowRule();
  } else if (control == c.chkFolderName) {
    ApplyFolderNameRule();
  } else if (control == c.chkSubWIndow) {
    ApplySubWindowRule();
  } else if (control == c.chkAutoSize) {
    ApplyAutoSizeRule();
  } else if (control == c.chkBrowser) {
    ApplyBrowserRule();
  } else if (control == c.cmbOutputDir) {
    ApplyOutputDirRule();
  } else if (control == c.chkFrame) {
    UpdateFileNameHint();
  } else if (control == c.cmbIPP) {
    ApplyIppListRule();
  }
}

void frmMain::ApplySubWindowRule() {
  const ControlEnabling enabling = EnablingFor(ReadOptions());
  controls_.chkAutoSize->setEnabled(enabling.chkAutoSize);
  controls_.chkOnlyOne->setEnabled(enabling.chkOnlyOne);
}

void frmMain::ApplyAutoSizeRule() {
  controls_.chkOnlyOne->setEnabled(EnablingFor(ReadOptions()).chkOnlyOne);
}

void frmMain::ApplySlideShowRule() {
  const bool enabled = EnablingFor(ReadOptions()).txtDelay;
  const MainWindowControls& c = controls_;
  for (QWidget* widget : {static_cast<QWidget*>(c.txtDelay), static_cast<QWidget*>(c.LblDelay1),
                          static_cast<QWidget*>(c.LblDelay2)}) {
    widget->setEnabled(enabled);
  }
  // The box looks like an input field only while it is one.
  const QPalette system = QApplication::palette(c.txtDelay);
  QPalette palette = c.txtDelay->palette();
  palette.setColor(QPalette::Base, system.color(enabled ? QPalette::Base : QPalette::Button));
  c.txtDelay->setPalette(palette);
}

void frmMain::ApplyFolderNameRule() {
  const bool enabled = EnablingFor(ReadOptions()).chkPathName;
  const MainWindowControls& c = controls_;
  for (QWidget* widget : {static_cast<QWidget*>(c.chkPathName), static_cast<QWidget*>(c.lblKakkoL),
                          static_cast<QWidget*>(c.lblKakkoR)}) {
    widget->setEnabled(enabled);
  }
}

void frmMain::ApplyBrowserRule() {
  controls_.Command6[1]->setEnabled(EnablingFor(ReadOptions()).Command6_1);
}

void frmMain::ApplyOutputDirRule() {
  const GalleryOptions options = ReadOptions();
  const MainWindowControls& c = controls_;
  c.Command6[0]->setEnabled(EnablingFor(options).Command6_0);
  const QString tip = ToQt(OutputFolderToolTip(options));
  for (QWidget* widget :
       {static_cast<QWidget*>(c.cmbOutputDir), static_cast<QWidget*>(c.Frame6), c.picXpStyle[3]}) {
    widget->setToolTip(tip);
  }
}

void frmMain::ApplyIppListRule() {
  UpdateFileNameHint();
  controls_.chkFrame->setEnabled(EnablingFor(ReadOptions()).chkFrame);
}

void frmMain::OnIppTextTyped() {
  QComboBox* ipp = controls_.cmbIPP;
  if (ipp->currentIndex() != kNoListPosition) {
    // Typing leaves the list: the box holds a number of its own now. Qt keeps the last list
    // position and would empty the text when it is cleared, so the text is put back.
    QLineEdit* edit = ipp->lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker combo_blocker(ipp);
    const QSignalBlocker edit_blocker(edit);
    ipp->setCurrentIndex(kNoListPosition);
    edit->setText(text);
    edit->setCursorPosition(cursor);
  }
  QCheckBox* frame = controls_.chkFrame;
  if (!IsOwnEnabled(frame)) {
    if (!IsOn(CheckValue(frame))) {
      ShowFileNameHint(FileNameHintFor(false));
    }
    frame->setEnabled(true);
  }
}

void frmMain::UpdateFileNameHint() {
  const bool single_page =
      IsSinglePageOutput(controls_.cmbIPP->currentIndex(), CheckValue(controls_.chkFrame));
  ShowFileNameHint(FileNameHintFor(single_page));
}

void frmMain::ShowFileNameHint(const FileNameHint& hint) {
  controls_.lblExt->setText(ToQt(hint.extension_label));
  if (FileNameTip == nullptr) {
    return;  // released at unload
  }
  FileNameTip->mCreate(controls_.txtFileName);
  FileNameTip->mToolAdd(kTipKey, TranslatedWindowText(hint.tool_text), 0, 0, 0, 0);
  FileNameTip->pMaxWidth(kTipMaxWidth);
}

void frmMain::WriteCheck(QWidget* box_widget, int state) {
  auto* box = static_cast<QCheckBox*>(box_widget);
  {
    const QSignalBlocker blocker(box);
    box->setCheckState(CheckStateFor(state));
    if (state != kGrayed) {
      box->setTristate(false);
    }
  }
  RunChangeRule(box);
}

void frmMain::WriteListIndex(QWidget* combo_widget, int index) {
  auto* combo = static_cast<QComboBox*>(combo_widget);
  {
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : kNoListPosition);
  }
  RunChangeRule(combo);
}

void frmMain::WriteIppText(const std::string& text) {
  QComboBox* ipp = controls_.cmbIPP;
  {
    const QSignalBlocker combo_blocker(ipp);
    const QSignalBlocker edit_blocker(ipp->lineEdit());
    ipp->setCurrentIndex(kNoListPosition);
    ipp->setEditText(ToQt(text));
  }
  OnIppTextTyped();
}

void frmMain::LoadSettings(const GalleryOptions& options, const FolderHistory& history) {
  const MainWindowControls& c = controls_;
  held_ = options;
  history_ = history;

  const double twips_per_pixel = kTwipsPerInch / logicalDpiX();
  drop_down_width_ = DropDownWidth{};
  drop_down_width_.cap = DropDownCap(c.cmbSearchDir->width() * twips_per_pixel, twips_per_pixel);
  if (!history_.empty()) {
    FillSearchDirList();
    SetSearchFolderText(history_.entries().front());
  }

  for (const OptionField& field : kOptionFields) {
    ShowField(field, options);
  }
  for (QRadioButton* option : c.optThumb) {
    option->setAutoExclusive(true);  // a group again, also when the settings chose none of it
  }

  // The dependent controls follow what was read, whatever order the values arrived in.
  ApplySubWindowRule();
  ApplySlideShowRule();
  ApplyFolderNameRule();
  ApplyBrowserRule();
  for (std::size_t i = 1; i < c.FrmTS.size(); ++i) {
    c.FrmTS[i]->setEnabled(false);
  }
}

void frmMain::ShowField(const OptionField& field, const GalleryOptions& options) {
  QWidget* control = Control(field.control);
  switch (field.kind) {
    case FieldKind::kCheck:
      WriteCheck(control, options.*field.number);
      break;
    case FieldKind::kSizeRule: {
      // Option buttons of one group can all be off only while they are not exclusive.
      auto* option = static_cast<QRadioButton*>(control);
      option->setAutoExclusive(false);
      option->setChecked(options.*field.flag);
      break;
    }
    case FieldKind::kPixel:
    case FieldKind::kPerPage:
    case FieldKind::kOutputDir:
      WriteListIndex(control, options.*field.number);
      break;
    case FieldKind::kTypedPerPage:
      if (controls_.cmbIPP->currentIndex() == kNoListPosition) {
        WriteIppText(options.*field.text);
      }
      break;
    case FieldKind::kText:
      static_cast<QLineEdit*>(control)->setText(ToQt(options.*field.text));
      break;
    case FieldKind::kTitle:
      controls_.txtTitle->setPlainText(TitleForEditor(options.*field.text));
      break;
    case FieldKind::kPath:
      break;  // held, edited by its dialog
  }
}

void frmMain::TakeField(const OptionField& field, GalleryOptions& options) const {
  const QWidget* control = Control(field.control);
  switch (field.kind) {
    case FieldKind::kCheck:
      options.*field.number = CheckValue(static_cast<const QCheckBox*>(control));
      break;
    case FieldKind::kSizeRule:
      options.*field.flag = static_cast<const QRadioButton*>(control)->isChecked();
      break;
    case FieldKind::kPixel:
    case FieldKind::kPerPage:
    case FieldKind::kOutputDir:
      options.*field.number = static_cast<const QComboBox*>(control)->currentIndex();
      break;
    case FieldKind::kTypedPerPage:
      if (options.IPP == kNoListPosition) {
        options.*field.text = ToUtf8(controls_.cmbIPP->currentText());
      }
      break;
    case FieldKind::kText:
      options.*field.text = ToUtf8(static_cast<const QLineEdit*>(control)->text());
      break;
    case FieldKind::kTitle:
      options.*field.text = TitleFromEditor(controls_.txtTitle->toPlainText());
      break;
    case FieldKind::kPath:
      break;
  }
}

GalleryOptions frmMain::ReadOptions() const {
  GalleryOptions options = held_;
  options.SearchDir = SearchFolderText();
  for (const OptionField& field : kOptionFields) {
    TakeField(field, options);
  }
  return options;
}

std::string frmMain::SearchFolderText() const {
  return ToUtf8(controls_.cmbSearchDir->currentText());
}

void frmMain::SetSearchFolderText(const std::string& text) {
  controls_.cmbSearchDir->setEditText(ToQt(text));
}

int frmMain::MeasureDropDownWidth(const std::string& entry) {
  const double twips_per_pixel = kTwipsPerInch / logicalDpiX();
  const QFontMetrics metrics(font());
  const MeasureTextTwips measure = [&](std::string_view text) {
    return metrics.horizontalAdvance(ToQt(text)) * twips_per_pixel;
  };
  return DropDownWidthFor(entry, measure, twips_per_pixel, drop_down_width_);
}

void frmMain::FillSearchDirList() {
  QComboBox* box = controls_.cmbSearchDir;
  const QSignalBlocker blocker(box);
  box->clear();
  int width = 0;
  for (const std::string& entry : history_.entries()) {
    box->addItem(ToQt(entry));
    width = MeasureDropDownWidth(entry);
  }
  if (!history_.empty()) {
    box->view()->setMinimumWidth(width);
  }
}

void frmMain::ShowFolderHistory(const FolderHistory& history, const std::string& search_folder) {
  history_ = history;
  FillSearchDirList();
  SetSearchFolderText(search_folder);
}

void frmMain::SetOutputFolder(const std::string& dir_name) {
  held_.DirName = dir_name;
  ApplyOutputDirRule();
}

void frmMain::SetBrowserPath(const std::string& browser_path) {
  held_.BrowserPath = browser_path;
}

void frmMain::SelectTab(int tab) {
  if (tab >= 1 && tab <= kTabCount) {
    controls_.TabStrip1->setCurrentIndex(tab - 1);
  }
}

int frmMain::SelectedTab() const {
  return controls_.TabStrip1->currentIndex() + 1;
}

void frmMain::OnTabSelected(int index) {
  const MainWindowControls& c = controls_;
  if (index < 0 || index >= static_cast<int>(c.FrmTS.size())) {
    return;
  }
  c.TabPanels->setCurrentWidget(c.FrmTS[static_cast<std::size_t>(index)]);
  // Controls of hidden pages take neither the focus nor their access keys.
  for (std::size_t i = 0; i < c.FrmTS.size(); ++i) {
    c.FrmTS[i]->setEnabled(static_cast<int>(i) == index);
  }
  Control(FirstControlOfTab(index + 1))->setFocus(Qt::OtherFocusReason);
}

void frmMain::PointAt(int tab_page, ControlId control, FocusAction action) {
  if (tab_page != 0) {
    SelectTab(tab_page);
  }
  QWidget* widget = Control(ControlName(control));
  if (widget == nullptr) {
    return;
  }
  const bool select = action == FocusAction::kFocusAndSelect;
  // The window's own focus control, not the application's: right after a message box the window
  // may not be active again yet, and the focus arriving with its activation selects nothing.
  if (select && ControlOf(focusWidget()) == widget) {
    SelectWholeText(widget);
    return;
  }
  widget->setFocus(Qt::OtherFocusReason);
  if (select && !IsTextBox(widget)) {
    SelectWholeText(widget);  // text boxes select their text themselves on receiving the focus
  }
}

QWidget* frmMain::ControlOf(QWidget* widget) const {
  for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
    for (QWidget* control : controls_.all) {
      if (control == widget) {
        return widget;
      }
    }
    for (QWidget* box : controls_.picXpStyle) {
      if (box == widget) {
        return widget;
      }
    }
  }
  return nullptr;
}

bool frmMain::IsTextBox(const QWidget* control) const {
  const MainWindowControls& c = controls_;
  return control == c.txtFileName || control == c.txtTitle || control == c.txtName ||
         control == c.txtEmail || control == c.txtDelay;
}

void frmMain::SelectWholeText(QWidget* control) {
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    line->selectAll();
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
    text->selectAll();
  } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
    combo->lineEdit()->selectAll();
  }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) {
    return false;
  }
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != this) {
    return false;
  }
  switch (event->type()) {
    case QEvent::KeyPress:
      return HandleKeyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      HandleFocusIn(widget, static_cast<QFocusEvent*>(event)->reason());
      return false;
    case QEvent::FocusOut:
      if (ControlOf(widget) == controls_.txtTitle) {
        SetDefaultButtonActive(true);
      }
      return false;
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      return mouse->button() == Qt::RightButton && HandleRightButtonRelease(widget, mouse);
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      if (widget == controls_.cmbSearchDir || widget == controls_.cmbSearchDir->lineEdit()) {
        return HandleDrop(event);
      }
      return false;
    default:
      return false;
  }
}

bool frmMain::HandleKeyPress(QObject*, QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool alt = modifiers.testFlag(Qt::AltModifier);
  const int key = event->key();
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    const std::optional<int> tab =
        TabSelectedByTabKey(SelectedTab(), kTabCount, modifiers.testFlag(Qt::ControlModifier),
                            modifiers.testFlag(Qt::ShiftModifier) || key == Qt::Key_Backtab, alt);
    if (!tab) {
      return false;
    }
    SelectTab(*tab);
    return true;
  }
  if (alt) {
    return false;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!default_button_active_) {
      return false;  // a new line in the title
    }
    // A button with the focus is the one Enter presses; otherwise the default button.
    auto* focused_button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    QPushButton* button = focused_button != nullptr && focused_button->window() == this
                              ? focused_button
                              : controls_.Command1;
    if (button->isEnabled()) {
      button->click();
    }
    return true;
  }
  if (key == Qt::Key_Escape) {
    controls_.Command2->click();
    return true;
  }
  return false;
}

void frmMain::HandleFocusIn(QWidget* widget, Qt::FocusReason reason) {
  QWidget* control = ControlOf(widget);
  if (control == nullptr) {
    return;
  }
  // The focus coming back to a control with its window, or from the control's own pop-up list,
  // never left it as far as the window is concerned.
  const bool returning = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
  if (returning && control == last_focus_control_) {
    return;
  }
  const std::string name = ToUtf8(control->objectName());
  const MainWindowControls& c = controls_;
  const bool is_box =
      std::find(c.picXpStyle.begin(), c.picXpStyle.end(), control) != c.picXpStyle.end();
  if (control == c.Command3 || is_box) {
    NoteFocus(*focus_, name);  // the Help button returns the focus to the control before it
    return;
  }
  // Qt moves the focus before it delivers the mouse press; the press, as the window sees it,
  // came first, while the control taking the focus was not yet the one recorded.
  if (IsTextBox(control) && reason == Qt::MouseFocusReason) {
    NoteTextBoxMouseDown(*focus_, name);
  }
  NoteFocus(*focus_, name);
  last_focus_control_ = control;
  if (control == c.txtTitle) {
    SetDefaultButtonActive(false);
  }
  if (IsTextBox(control) && SelectAllOnFocus(*focus_)) {
    SelectWholeText(control);
  }
}

bool frmMain::HandleRightButtonRelease(QWidget* widget, QMouseEvent* event) {
  // Text and combo boxes keep their own context menus.
  if (qobject_cast<QLineEdit*>(widget) != nullptr || qobject_cast<QComboBox*>(widget) != nullptr ||
      qobject_cast<QPlainTextEdit*>(widget) != nullptr) {
    return false;
  }
  // Qt hands an event that a child ignored on to its parent; the release belongs to the
  // control under the pointer only.
  if (widget->childAt(event->position().toPoint()) != nullptr) {
    return false;
  }
  const int topic = widget->property(kHelpTopicProperty).toInt();
  if (topic <= 0) {
    return false;
  }
  setup_.help_topics->ShowTopic(topic, event->globalPosition().toPoint());
  return true;
}

bool frmMain::HandleDrop(QEvent* event) {
  auto* drop = static_cast<QDropEvent*>(event);
  const QMimeData* mime = drop->mimeData();
  const bool has_files = mime != nullptr && mime->hasUrls() && !mime->urls().isEmpty();
  if (!has_files) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (event->type() == QEvent::Drop) {
    const std::string path =
        ToUtf8(QDir::toNativeSeparators(mime->urls().constFirst().toLocalFile()));
    if (!path.empty() && TakesDroppedPath(path, NativePathStyle(), PathKind(path))) {
      SetSearchFolderText(path);
    }
  }
  return true;
}

void frmMain::BrowseSearchFolder() {
  const std::string initial = FolderBrowseStart(SearchFolderText(), PathKind);
  const std::string title = Translated(kBrowseTitle).toStdString();
  const std::string chosen = actions_.browse_for_folder
                                 ? actions_.browse_for_folder(title, this, initial)
                                 : QtPathChooser().BrowseForFolder(this, title, initial);
  if (!chosen.empty()) {
    SetSearchFolderText(chosen);
  }
}

void frmMain::ShowContextHelp() {
  if (last_focus_control_) {
    last_focus_control_->setFocus(Qt::OtherFocusReason);
  }
  QWhatsThis::enterWhatsThisMode();
}

void frmMain::closeEvent(QCloseEvent* event) {
  Unload();
  event->accept();
}

void frmMain::Unload() {
  if (unloaded_) {
    return;
  }
  unloaded_ = true;
  if (!setup_.settings_file_path.empty()) {
    // A settings file that cannot be written loses the changes silently, as it always has.
    const Status saved =
        SaveSettingsFile(setup_.settings_file_path, ReadOptions(), history_, setup_.code_page);
    static_cast<void>(saved);
  }
  delete AutoSizeTip;
  delete FileNameTip;
  delete SizeTip;
  AutoSizeTip = nullptr;
  FileNameTip = nullptr;
  SizeTip = nullptr;
  emit Unloaded();
}

}  // namespace pictavue
