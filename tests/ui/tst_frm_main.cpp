#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <QWhatsThis>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/code_page.h"
#include "platform/path_style.h"
#include "platform/profile_file.h"
#include "settings/settings_file.h"
#include "support/qt_helpers.h"
#include "support/temp_folder.h"
#include "ui/cls_tool_tip.h"
#include "ui/frm_main.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::Tr;

constexpr char kPagedTip[] =
    "出力ﾌｧｲﾙ名(拡張子不要)\r\nﾍﾟｰｼﾞ番号をあらわす001～\r\n999が付加されます｡";
constexpr char kSingleTip[] = "出力ﾌｧｲﾙ名(拡張子不要)";
constexpr const char* kFirstOfTab[] = {"txtFileName", "txtTitle", "chkBGColor", "chkSameSize"};

// Topic texts that say their number, and a record of the topics shown.
class RecordingTopics final : public HelpTopics {
 public:
  QString TopicText(int topic) const override { return QStringLiteral("topic %1").arg(topic); }
  void ShowTopic(int topic, const QPoint&) const override { shown.push_back(topic); }
  mutable std::vector<int> shown;
};

template <typename Widget = QWidget>
Widget* Find(const QWidget& window, const char* name) {
  return window.findChild<Widget*>(QString::fromUtf8(name));
}

QString CaptionOf(const QWidget* widget) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    return button->text();
  }
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    return label->text();
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
    return frame->title();
  }
  QStringList tabs;
  if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
    for (int i = 0; i < bar->count(); ++i) {
      tabs << bar->tabText(i);
    }
  }
  return tabs.join(QLatin1Char('|'));
}

QStringList Entries(const QComboBox* combo) {
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) {
    entries << combo->itemText(i);
  }
  return entries;
}

// A point of widget that none of its visible children covers.
QPoint BarePoint(const QWidget* widget) {
  for (int y = 1; y < widget->height(); y += 2) {
    for (int x = 1; x < widget->width(); x += 2) {
      if (widget->childAt(x, y) == nullptr) {
        return {x, y};
      }
    }
  }
  return {-1, -1};
}

// Whether a line edit had its text selected when the focus arrived, after the window's own
// handling of the focus (the window filters every event before the widget's own filters run).
class SelectionAtFocus final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      selected.push_back(static_cast<QLineEdit*>(watched)->hasSelectedText());
    }
    return false;
  }
  std::vector<bool> selected;
};

void DropPath(QWidget* target, const QString& path) {
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

// A settings file with a value other than the default for every key, in the order the program
// writes them, with CR LF line ends.
std::string EveryKeyChanged(const std::string& out_folder) {
  std::string text =
      "[SearchDir]\nDirHistry1=/srv/photos/2023\nDirHistry2=/srv/photos/旅行\nDirHistry3=\n"
      "DirHistry4=\nDirHistry5=\nDirHistry6=\nDirHistry7=\nDirHistry8=\nDirHistry9=\n"
      "DirHistry10=\nSubDir=0\nGIF=0\nJPEG=1\nPNG=1\nBMP=1\nWMF=0\nEMF=1\nSameSize=2\n"
      "[PageFormat]\nWidth=False\nHeight=True\nLonger=False\nPixel=5\nBGColor=0\nSubWin=1\n"
      "AutoSize=0\nOnlyOne=1\nClientPull=1\nDelay=7\nSeparator=0\nFolderName=0\nPathName=1\n"
      "IPP=-1\nIppFree=30\nFrameMenu=1\nTitle=Line one\\nLine two\nName=山田 太郎\n"
      "Email=me@example.org\nNotThumbnail=1\nAltNewLine=1\n"
      "[OutFile]\nDirName=" +
      out_folder +
      "\nFileName=ギャラリー\nOutputDir=1\nAutoOpenMode=1\nBrowser=1\n"
      "BrowserPath=/usr/bin/browser\n";
  return QString::fromStdString(text).replace("\n", "\r\n").toStdString();
}

}  // namespace

class tst_frmMain : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<frmMain> window_;
  std::shared_ptr<RecordingTopics> topics_;
  int create_count_ = 0;

  // A window as start-up leaves it: loaded, shown and active.
  frmMain& Open(const GalleryOptions& options = {}, const FolderHistory& history = {},
                MainWindowSetup setup = {}) {
    if (setup.png_plugin_name.empty()) {
      setup.png_plugin_name = "PNG plug-in";
    }
    topics_ = std::make_shared<RecordingTopics>();
    setup.help_topics = topics_;
    window_ = std::make_unique<frmMain>(setup);
    create_count_ = 0;
    MainWindowActions actions;
    actions.create = [this] { ++create_count_; };
    window_->SetActions(actions);
    window_->LoadSettings(options, history);
    window_->show();
    window_->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
  }

  // Opens the window on a settings file of these bytes, as start-up reads it; returns its path.
  std::string OpenSettings(const TempFolder& temp, const std::string& bytes) {
    const std::string path = temp.WriteFile("Pictavue.ini", bytes);
    const CodePage utf8("UTF-8");
    const LoadedSettings loaded =
        LoadSettings(ProfileFile::Load(path), utf8, temp.Path(), PathStyle::kPosix);
    MainWindowSetup setup;
    setup.settings_file_path = path;
    setup.code_page = utf8;
    Open(loaded.options, loaded.history, setup);
    return path;
  }

  template <typename Widget = QWidget>
  Widget* Get(const char* name) const {
    return Find<Widget>(*window_, name);
  }

  clsToolTip* Tip(const char* name) const {
    return window_->findChild<clsToolTip*>(QString::fromUtf8(name));
  }

  QString Hint() const { return Get<QLabel>("lblExt")->text(); }

  // What a run request that produced pages does with the window's search folder.
  void RecordRun(const std::string& search_folder) const {
    FolderHistory history = window_->History();
    const std::string recorded = AddToFolderHistory(history, search_folder);
    window_->ShowFolderHistory(history, recorded);
  }

  // The control's own enabled state; a disabled tab panel around it does not change it.
  bool Enabled(const char* name) const { return !Get(name)->testAttribute(Qt::WA_ForceDisabled); }

  // A click on a check box's or option button's caption, wherever the layout stretched it to.
  void Click(const char* name) const {
    QWidget* widget = Get(name);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(6, widget->height() / 2));
  }

  // A pick from the list, as the user makes it.
  void Pick(const char* name, int index) const {
    auto* combo = Get<QComboBox>(name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  bool HasFocus(const char* name) const {
    QWidget* focused = QApplication::focusWidget();
    QWidget* control = Get(name);
    return focused != nullptr && (focused == control || control->isAncestorOf(focused));
  }

 private slots:
  void init() { QVERIFY(QApplication::activeModalWidget() == nullptr); }

  void cleanup() {
    QWhatsThis::leaveWhatsThisMode();
    window_.reset();
    QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows()));
  }

  void everyControlHasItsCaptionAndTooltip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    const auto row = [](const char* name, const char* kind, const char* caption,
                        const char* tooltip) {
      QStringList captions = QString::fromUtf8(caption).split('|');
      for (QString& each : captions) {
        each = Tr("frmMain", each.toUtf8().constData());
      }
      QTest::newRow(name) << QString::fromUtf8(name) << kind << captions.join('|')
                          << Tr("frmMain", tooltip);
    };
    row("Command1", "QPushButton", "作成(&C)...", "");
    row("Command5", "QPushButton", "&About...", "Pictavue について...");
    row("Command3", "QPushButton", "ヘルプ(&H)", "ｺﾝﾃｷｽﾄﾍﾙﾌﾟを表示");
    row("Command2", "QPushButton", "終了(&X)", "");
    row("Frame2", "QGroupBox", "検索フォルダ(&L)", "");
    row("cmbSearchDir", "QComboBox", "", "ｴｸｽﾌﾟﾛｰﾗからﾄﾞﾛｯﾌﾟ可能");
    row("Command4", "QPushButton", "参照(&R)...", "");
    row("chkSubDir", "QCheckBox", "サブフォルダも検索(&S)", "");
    row("chkGIF", "QCheckBox", "&GIF", "");
    row("chkJPEG", "QCheckBox", "&JPEG", "Susie32 ﾌﾟﾗｸﾞｲﾝがあると高速");
    row("chkPNG", "QCheckBox", "&PNG", "Susieﾌﾟﾗｸﾞｲﾝ必須");
    row("chkBMP", "QCheckBox", "&BMP", "");
    row("chkWMF", "QCheckBox", "&WMF", "Susie32 ﾌﾟﾗｸﾞｲﾝがあると高速");
    row("chkEMF", "QCheckBox", "&EMF", "");
    row("TabStrip1", "QTabBar", "基本設定|詳細設定１|詳細設定２|詳細設定３", "");
    row("Label7", "QLabel", "出力ファイル名(&F)", "");
    row("txtFileName", "QLineEdit", "", "");
    row("lblExt", "QLabel", "xxx．htm", "");
    row("Frame6", "QGroupBox", "出力先(&D)", "");
    row("cmbOutputDir", "QComboBox", "", "");
    row("Command6(0)", "QPushButton", "...", "出力先ﾌｫﾙﾀﾞの設定ﾀﾞｲｱﾛｸﾞを開きます");
    row("Label5", "QLabel", "画像/ページ(&N)", "");
    row("cmbIPP", "QComboBox", "", "1ﾍﾟｰｼﾞ内の画像数");
    row("chkFrame", "QCheckBox", "メニュー作成(&M)", "ﾌﾚｰﾑ形式のﾒﾆｭｰを作成します");
    row("Frame4", "QGroupBox", "縮小画像サイズ", "");
    row("optThumb(0)", "QRadioButton", "幅(&Y)", "幅を基準とする");
    row("optThumb(1)", "QRadioButton", "高さ(&T)", "高さを基準とする");
    row("optThumb(2)", "QRadioButton", "大きい方(&O)", "幅・高さのうち大きい方を基準とする");
    row("Label2", "QLabel", "ﾋﾟｸｾﾙ(&Z)", "");
    row("cmbSize", "QComboBox", "", "");
    row("Label3", "QLabel", "ﾀｲﾄﾙ(&T)", "ﾀｲﾄﾙなどﾍﾟｰｼﾞ上部に出力する文字列");
    row("txtTitle", "QPlainTextEdit", "", "ﾀｲﾄﾙなどﾍﾟｰｼﾞ上部に出力する文字列");
    row("Label4", "QLabel", "名前(&N)", "名前などﾍﾟｰｼﾞ下部に出力する文字列");
    row("txtName", "QLineEdit", "", "名前などﾍﾟｰｼﾞ下部に出力する文字列");
    row("Label6", "QLabel", "E-&Mail", "Eﾒｰﾙｱﾄﾞﾚｽ");
    row("txtEmail", "QLineEdit", "", "Eﾒｰﾙｱﾄﾞﾚｽ");
    row("chkBGColor", "QCheckBox", "背景色変更機能(&U)", "背景色変更ﾎﾞﾀﾝを付加");
    row("chkAutoOpen", "QCheckBox", "自動で開かない(&O)", "作成されたHTMLを開く前に確認");
    row("chkSubWIndow", "QCheckBox", "ｵﾘｼﾞﾅﾙｻｲｽﾞの画像はｻﾌﾞｳｨﾝﾄﾞｳで表示(&M)",
        "ﾁｪｯｸしなければ同じｳｨﾝﾄﾞｳで表示");
    row("chkAutoSize", "QCheckBox", "ｻｲｽﾞの自動調整(&Q)", "");
    row("chkOnlyOne", "QCheckBox", "ひとつだけ(&N)", "ｻﾌﾞｳｨﾝﾄﾞｳはひとつしか開かない");
    row("chkClientPull", "QCheckBox", "スライドショー(&D)", "指定された秒数後に次のﾍﾟｰｼﾞを表示");
    row("LblDelay1", "QLabel", "間隔(&I)", "指定された秒数後に次のﾍﾟｰｼﾞを表示");
    row("txtDelay", "QLineEdit", "", "指定された秒数後に次のﾍﾟｰｼﾞを表示");
    row("LblDelay2", "QLabel", "秒", "");
    row("Frame3", "QGroupBox", "サブフォルダごとに表示", "");
    row("chkSeparator", "QCheckBox", "区切り線(&K)", "<HR>ﾀｸﾞを挿入");
    row("chkFolderName", "QCheckBox", "フォルダ名(&F)", "最下層のﾌｫﾙﾀﾞ名");
    row("lblKakkoL", "QLabel", "(", "");
    row("chkPathName", "QCheckBox", "パス(&Z)", "ﾄﾞﾗｲﾌﾞ名から始まるﾌｫﾙﾀﾞ名");
    row("lblKakkoR", "QLabel", ")", "");
    row("chkSameSize", "QCheckBox", "すべての画像は同一サイズ(&F)", "");
    row("Label13", "QLabel", "（最初にみつかった画像のサイズで決定）", "");
    row("Label12", "QLabel", "画像のｻｲｽﾞが異なる場合はﾁｪｯｸしないで下さい", "");
    row("chkNotThumbnail", "QCheckBox", "サムネイルの代わりにファイル名を表示(&T)", "");
    row("chkBrowser", "QCheckBox", "ブラウザを指定する(&D)", "");
    row("Command6(1)", "QPushButton", "...", "ﾌﾞﾗｳｻﾞの設定ﾀﾞｲｱﾛｸﾞを開きます");
    row("chkAltNewLine", "QCheckBox", "画像のツールチップを改行する(&N)", "");
    row("Label1", "QLabel", "Windows版 IE のみ有効", "");
  }
  void everyControlHasItsCaptionAndTooltip() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    Open();
    const QWidget* control = Get(name.toUtf8().constData());
    QVERIFY2(control != nullptr, qPrintable(name));
    QVERIFY(control->inherits(kind.toLatin1().constData()));
    QCOMPARE(CaptionOf(control), caption);
    if (name != "cmbOutputDir") {  // shows the output folder, see the output-folder rule
      QCOMPARE(control->toolTip(), tooltip);
    }
  }

  void titleAndRedNotes() {
    QCOMPARE(Open().windowTitle(), QString("Pictavue"));
    QCOMPARE(Get<QLabel>("Label12")->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(Get<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(Get<QLabel>("Label13")->palette().color(QPalette::WindowText) != QColor(Qt::red));
  }

  void tabOrderFollowsTheTabIndexes() {
    Open();
    const QStringList expected = {
        "cmbSearchDir",  "Command4",      "chkSubDir",     "chkGIF",          "chkJPEG",
        "chkPNG",        "chkBMP",        "chkWMF",        "chkEMF",          "TabStrip1",
        "txtFileName",   "cmbOutputDir",  "Command6(0)",   "cmbIPP",          "chkFrame",
        "optThumb(0)",   "optThumb(1)",   "optThumb(2)",   "cmbSize",         "txtTitle",
        "txtName",       "txtEmail",      "chkBGColor",    "chkAutoOpen",     "chkSubWIndow",
        "chkAutoSize",   "chkOnlyOne",    "chkClientPull", "txtDelay",        "chkSeparator",
        "chkFolderName", "chkPathName",   "chkSameSize",   "chkNotThumbnail", "chkBrowser",
        "Command6(1)",   "chkAltNewLine", "Command1",      "Command5",        "Command3",
        "Command2"};
    QStringList chain;
    QWidget* start = Get("cmbSearchDir");
    QWidget* widget = start;
    do {
      if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName())) {
        chain << widget->objectName();
      }
      widget = widget->nextInFocusChain();
    } while (widget != start);
    QCOMPARE(chain, expected);
  }

  // Alt+F is the access key of a control on tab 1 and of another on tab 3.
  void accessKeysReachOnlyTheShownTab() {
    Open();
    QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier);
    QVERIFY(HasFocus("txtFileName"));
    window_->SelectTab(3);
    QVERIFY(Get<QCheckBox>("chkFolderName")->isChecked());
    QTest::keyClick(window_.get(), Qt::Key_F, Qt::AltModifier);
    QVERIFY(HasFocus("chkFolderName"));
    QTRY_VERIFY(!Get<QCheckBox>("chkFolderName")->isChecked());
  }

  void listsHoldTheirEntries() {
    Open({}, FolderHistory({"/srv/a", "/srv/b"}));
    QCOMPARE(Entries(Get<QComboBox>("cmbSize")),
             QStringList({"50", "100", "150", "200", "250", "300"}));
    QCOMPARE(Entries(Get<QComboBox>("cmbIPP")),
             QStringList({"20", "50", "100", "150", "200", Tr("frmMain", "無制限")}));
    QCOMPARE(Entries(Get<QComboBox>("cmbOutputDir")),
             QStringList({Tr("frmMain", "任意のﾌｫﾙﾀﾞ"), Tr("frmMain", "検索対象ﾌｫﾙﾀﾞ")}));
    QCOMPARE(Entries(Get<QComboBox>("cmbSearchDir")), QStringList({"/srv/a", "/srv/b"}));
    QCOMPARE(Get<QComboBox>("cmbSearchDir")->currentText(), QString("/srv/a"));
    QVERIFY(Get("chkPNG")->isEnabled());
  }

  void pngNeedsItsPlugIn() {
    frmMain window(MainWindowSetup{});
    QVERIFY(!Find(window, "chkPNG")->isEnabled());
  }

  void tipsCreatedAtLoad() {
    Open();
    clsToolTip* auto_size = Tip("AutoSizeTip");
    clsToolTip* size = Tip("SizeTip");
    clsToolTip* file_name = Tip("FileNameTip");
    QVERIFY(auto_size && size && file_name);
    QCOMPARE(auto_size->ToolText(1),
             Tr("frmMain", "ｵﾘｼﾞﾅﾙ画像のｻｲｽﾞに合わせて\r\nｳｨﾝﾄﾞｳの大きさを自動的に調整"));
    QCOMPARE(size->ToolText(1),
             Tr("frmMain",
                "幅または高さのｻｲｽﾞ\r\n上で選択していない方は元画像の\r\n比率に従い自動的に決定"));
    QCOMPARE(file_name->ToolText(1), Tr("frmMain", kPagedTip));
    for (clsToolTip* tip : {auto_size, size, file_name}) {
      QCOMPARE(tip->pMaxWidth(), 200);
      QCOMPARE(tip->pToolCount(), 1);
    }
    QCOMPARE(auto_size->phWnd()->parentWidget(), Get("chkAutoSize"));
    QCOMPARE(size->phWnd()->parentWidget(), Get("cmbSize"));
    QCOMPARE(file_name->phWnd()->parentWidget(), Get("txtFileName"));
  }

  // Each row starts with the focus on the first control of its tab; on tab 2 that is txtTitle,
  // which would take a Tab that the window did not consume.
  void ctrlTabStepsThroughTheTabs_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("to");
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    const int alt = Qt::AltModifier;
    QTest::newRow("Ctrl+Tab, consumed") << 2 << int(Qt::Key_Tab) << ctrl << 3;
    QTest::newRow("Ctrl+Tab wraps") << 4 << int(Qt::Key_Tab) << ctrl << 1;
    QTest::newRow("Ctrl+Shift+Tab wraps") << 1 << int(Qt::Key_Tab) << (ctrl | shift) << 4;
    QTest::newRow("Ctrl+Shift+Backtab") << 3 << int(Qt::Key_Backtab) << (ctrl | shift) << 2;
    QTest::newRow("Ctrl+Alt+Tab does nothing") << 2 << int(Qt::Key_Tab) << (ctrl | alt) << 2;
  }
  void ctrlTabStepsThroughTheTabs() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, to);
    Open();
    window_->SelectTab(from);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused != nullptr);
    QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(window_->SelectedTab(), to);
    QVERIFY(HasFocus(kFirstOfTab[to - 1]));
    if (to != from) {
      QCOMPARE(Get<QPlainTextEdit>("txtTitle")->toPlainText(), QString());
    }
  }

  void selectingATabFocusesItsFirstControlAndEnablesItsPanelAlone() {
    Open();
    const auto panel = [this](int i) {
      return Get(QStringLiteral("FrmTS(%1)").arg(i).toUtf8().constData());
    };
    const auto enabled_panels = [&panel] {
      QList<bool> enabled;
      for (int i = 0; i < 4; ++i) {
        enabled << panel(i)->isEnabled();
      }
      return enabled;
    };
    for (int i = 0; i < 4; ++i) {
      QVERIFY(panel(i)->isAncestorOf(Get(kFirstOfTab[i])));
    }
    QCOMPARE(enabled_panels(), QList<bool>({true, false, false, false}));  // after loading
    for (int tab : {3, 1, 4, 2}) {
      window_->SelectTab(tab);
      QVERIFY2(HasFocus(kFirstOfTab[tab - 1]), kFirstOfTab[tab - 1]);
      QCOMPARE(Get<QStackedWidget>("TabPanels")->currentIndex(), tab - 1);
      QList<bool> expected(4, false);
      expected[tab - 1] = true;
      QCOMPARE(enabled_panels(), expected);
    }
  }

  void unlimitedThenTypedPageSize() {
    Open();
    auto* ipp = Get<QComboBox>("cmbIPP");
    auto* frame = Get<QCheckBox>("chkFrame");
    Pick("cmbIPP", 5);
    QVERIFY(!frame->isEnabled());
    QCOMPARE(Hint(), QString("．htm"));
    QCOMPARE(Tip("FileNameTip")->ToolText(1), Tr("frmMain", kSingleTip));

    ipp->lineEdit()->setFocus();
    ipp->lineEdit()->selectAll();
    QTest::keyClicks(ipp->lineEdit(), "30");
    QVERIFY(frame->isEnabled());
    QCOMPARE(Hint(), QString("xxx．htm"));
    QCOMPARE(Tip("FileNameTip")->ToolText(1), Tr("frmMain", kPagedTip));
    QCOMPARE(ipp->currentText(), QString("30"));
    const GalleryOptions options = window_->ReadOptions();
    QCOMPARE(options.IPP, kNoListPosition);
    QCOMPARE(options.IppFree, std::string("30"));
  }

  void typedPageSizeKeepsTheHintOfACheckedFrame() {
    Open();
    auto* frame = Get<QCheckBox>("chkFrame");
    frame->setChecked(true);
    Pick("cmbIPP", 5);
    QVERIFY(!frame->isEnabled());
    QTest::keyClicks(Get<QComboBox>("cmbIPP")->lineEdit(), "5");
    QVERIFY(frame->isEnabled());
    QCOMPARE(Hint(), QString("．htm"));
  }

  void frameWithFiftyPerPage() {
    Open();
    Pick("cmbIPP", 1);
    QCOMPARE(Hint(), QString("xxx．htm"));
    Click("chkFrame");
    QCOMPARE(Hint(), QString("．htm"));
    QCOMPARE(Tip("FileNameTip")->ToolText(1), Tr("frmMain", kSingleTip));
    QCOMPARE(Tip("FileNameTip")->pToolCount(), 1);
    Click("chkFrame");
    QCOMPARE(Hint(), QString("xxx．htm"));
  }

  // After the clicks, the controls marked + take input and those marked - do not.
  void enablingRules_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, int tab, const char* clicks, const char* expected) {
      QTest::newRow(name) << tab << QString(clicks) << QString(expected);
    };
    row("sub-window off", 3, "chkSubWIndow", "-chkAutoSize -chkOnlyOne");
    row("sub-window on again", 3, "chkSubWIndow chkSubWIndow", "+chkAutoSize +chkOnlyOne");
    row("automatic size off", 3, "chkAutoSize", "+chkAutoSize -chkOnlyOne");
    row("automatic size still off after sub-window", 3, "chkAutoSize chkSubWIndow chkSubWIndow",
        "+chkAutoSize -chkOnlyOne");
    row("slide show off at start", 3, "", "-txtDelay -LblDelay1 -LblDelay2");
    row("slide show on", 3, "chkClientPull", "+txtDelay +LblDelay1 +LblDelay2");
    row("slide show off again", 3, "chkClientPull chkClientPull", "-txtDelay -LblDelay2");
    row("folder name off", 3, "chkFolderName", "-chkPathName -lblKakkoL -lblKakkoR");
    row("folder name on again", 3, "chkFolderName chkFolderName", "+chkPathName");
    row("no browser", 4, "", "-Command6(1)");
    row("browser", 4, "chkBrowser", "+Command6(1)");
  }
  void enablingRules() {
    QFETCH(int, tab);
    QFETCH(QString, clicks);
    QFETCH(QString, expected);
    Open();
    window_->SelectTab(tab);
    for (const QString& name : clicks.split(' ', Qt::SkipEmptyParts)) {
      Click(name.toUtf8().constData());
    }
    QStringList seen;
    for (const QString& item : expected.split(' ')) {
      const QString name = item.mid(1);
      seen << (Get(name.toUtf8().constData())->isEnabled() ? "+" : "-") + name;
    }
    QCOMPARE(seen.join(' '), expected);
  }

  void slideShowColours() {
    Open();
    window_->SelectTab(3);
    auto* delay = Get<QLineEdit>("txtDelay");
    const QPalette system = QApplication::palette(delay);
    QVERIFY(system.color(QPalette::Base) != system.color(QPalette::Button));
    QCOMPARE(delay->palette().color(QPalette::Base), system.color(QPalette::Button));
    Click("chkClientPull");
    QCOMPARE(delay->palette().color(QPalette::Base), system.color(QPalette::Base));
    Click("chkClientPull");
    QCOMPARE(delay->palette().color(QPalette::Base), system.color(QPalette::Button));
  }

  void searchFolderAsOutputAndBack() {
    GalleryOptions options;
    options.DirName = "/srv/out";
    Open(options);
    const auto tips = [this] {
      return QStringList({Get("cmbOutputDir")->toolTip(), Get("Frame6")->toolTip(),
                          Get("picXpStyle(3)")->toolTip()});
    };
    QCOMPARE(tips(), QStringList(3, "/srv/out"));
    Pick("cmbOutputDir", 1);
    QVERIFY(!Get("Command6(0)")->isEnabled());
    QCOMPARE(tips(), QStringList(3, QString()));
    Pick("cmbOutputDir", 0);
    QVERIFY(Get("Command6(0)")->isEnabled());
    QCOMPARE(tips(), QStringList(3, "/srv/out"));
  }

  void selectAllOnFocusAndTheMouseSkip() {
    GalleryOptions options;
    options.Name = "Taro";
    options.Email = "taro@example.org";
    Open(options);
    window_->SelectTab(2);
    auto* name = Get<QLineEdit>("txtName");
    auto* email = Get<QLineEdit>("txtEmail");
    QTest::keyClick(Get("txtTitle"), Qt::Key_Tab);
    QVERIFY(name->hasFocus());
    QCOMPARE(name->selectedText(), QString("Taro"));
    QCOMPARE(window_->Focus().LastFocusName, std::string("txtName"));

    // A click into the other box skips the select-all: the caret goes where the user clicked.
    // The recorder sees the box right after the window's focus handling, before the press.
    SelectionAtFocus recorder;
    email->installEventFilter(&recorder);
    QTest::mouseClick(email, Qt::LeftButton, Qt::NoModifier, QPoint(5, email->height() / 2));
    QVERIFY(email->hasFocus());
    QCOMPARE(recorder.selected, std::vector<bool>{false});
    QVERIFY(!email->hasSelectedText());
    QVERIFY(!window_->Focus().FocusByMouse);
    QCOMPARE(window_->Focus().LastFocusName, std::string("txtEmail"));

    // The skip was used up: the next focus by program selects again.
    window_->SelectTab(1);
    QCOMPARE(Get<QLineEdit>("txtFileName")->selectedText(), QString("Pictavue"));
    QCOMPARE(window_->LastFocusControl(), Get("txtFileName"));
  }

  void enterCreatesExceptInTheTitle() {
    Open();
    window_->SelectTab(2);
    auto* title = Get<QPlainTextEdit>("txtTitle");
    QTest::keyClicks(title, "A");
    QTest::keyClick(title, Qt::Key_Return);
    QTest::keyClicks(title, "B");
    QCOMPARE(create_count_, 0);
    QCOMPARE(title->toPlainText(), QString("A\nB"));
    QCOMPARE(window_->ReadOptions().Title, std::string("A\r\nB"));

    QTest::keyClick(title, Qt::Key_Tab);
    QVERIFY(HasFocus("txtName"));
    QTest::keyClick(Get("txtName"), Qt::Key_Return);
    QCOMPARE(create_count_, 1);
    QTest::keyClick(Get("txtName"), Qt::Key_Enter);
    QCOMPARE(create_count_, 2);
    QTest::keyClick(Get("txtName"), Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(create_count_, 2);
  }

  void enterOnAFocusedButtonPressesThatButton() {
    Open();
    int browsed = 0;
    MainWindowActions actions;
    actions.create = [this] { ++create_count_; };
    actions.browse_for_folder = [&](const std::string&, QWidget*, const std::string&) {
      ++browsed;
      return std::string();
    };
    window_->SetActions(actions);
    Get("Command4")->setFocus();
    QTest::keyClick(Get("Command4"), Qt::Key_Return);
    QCOMPARE(browsed, 1);
    QCOMPARE(create_count_, 0);
  }

  void escapeClosesAndReleasesTheTips() {
    Open();
    QSignalSpy unloaded(window_.get(), &frmMain::Unloaded);
    QTest::keyClick(Get("txtFileName"), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
    QCOMPARE(unloaded.count(), 1);
    for (const char* tip : {"AutoSizeTip", "FileNameTip", "SizeTip"}) {
      QVERIFY2(Tip(tip) == nullptr, tip);
    }
  }

  void loadingShowsEveryValueAndClosingWritesItBack() {
    const TempFolder temp;
    const std::string original = EveryKeyChanged(temp.Path("out"));
    const std::string path = OpenSettings(temp, original);

    QCOMPARE(Get<QComboBox>("cmbSearchDir")->currentText(), QString("/srv/photos/2023"));
    QCOMPARE(Entries(Get<QComboBox>("cmbSearchDir")),
             QStringList({"/srv/photos/2023", "/srv/photos/旅行"}));
    const std::pair<const char*, Qt::CheckState> boxes[] = {
        {"chkSubDir", Qt::Unchecked},     {"chkGIF", Qt::Unchecked},
        {"chkJPEG", Qt::Checked},         {"chkPNG", Qt::Checked},
        {"chkBMP", Qt::Checked},          {"chkWMF", Qt::Unchecked},
        {"chkEMF", Qt::Checked},          {"chkSameSize", Qt::PartiallyChecked},
        {"chkBGColor", Qt::Unchecked},    {"chkSubWIndow", Qt::Checked},
        {"chkAutoSize", Qt::Unchecked},   {"chkOnlyOne", Qt::Checked},
        {"chkClientPull", Qt::Checked},   {"chkSeparator", Qt::Unchecked},
        {"chkFolderName", Qt::Unchecked}, {"chkPathName", Qt::Checked},
        {"chkFrame", Qt::Checked},        {"chkNotThumbnail", Qt::Checked},
        {"chkAltNewLine", Qt::Checked},   {"chkAutoOpen", Qt::Checked},
        {"chkBrowser", Qt::Checked}};
    for (const auto& [name, state] : boxes) {
      QVERIFY2(Get<QCheckBox>(name)->checkState() == state, name);
    }
    QVERIFY(Get<QRadioButton>("optThumb(1)")->isChecked());
    QVERIFY(!Get<QRadioButton>("optThumb(0)")->isChecked());
    QCOMPARE(Get<QComboBox>("cmbSize")->currentText(), QString("250"));
    QCOMPARE(Get<QLineEdit>("txtDelay")->text(), QString("7"));
    QCOMPARE(Get<QComboBox>("cmbIPP")->currentIndex(), -1);
    QCOMPARE(Get<QComboBox>("cmbIPP")->currentText(), QString("30"));
    QCOMPARE(Get<QPlainTextEdit>("txtTitle")->toPlainText(), QString("Line one\nLine two"));
    QCOMPARE(Get<QLineEdit>("txtName")->text(), QString("山田 太郎"));
    QCOMPARE(Get<QLineEdit>("txtEmail")->text(), QString("me@example.org"));
    QCOMPARE(Get<QLineEdit>("txtFileName")->text(), QString("ギャラリー"));
    QCOMPARE(Get<QComboBox>("cmbOutputDir")->currentIndex(), 1);

    // The dependent controls follow the values read.
    for (const char* name : {"chkAutoSize", "txtDelay", "Command6(1)", "chkFrame"}) {
      QVERIFY2(Enabled(name), name);
    }
    for (const char* name : {"chkOnlyOne", "chkPathName", "Command6(0)"}) {
      QVERIFY2(!Enabled(name), name);
    }
    QCOMPARE(Hint(), QString("．htm"));
    QCOMPARE(Get("Frame6")->toolTip(), QString());

    window_->close();
    QCOMPARE(ReadFileBytes(path), original);
  }

  void closingAfterARunRecordsTheSearchFolder() {
    const TempFolder temp;
    std::string bytes = EveryKeyChanged(temp.Path("out"));
    const std::string path = OpenSettings(temp, bytes);
    RecordRun("  /srv/new  ");
    QCOMPARE(window_->SearchFolderText(), std::string("/srv/new"));
    QCOMPARE(Entries(Get<QComboBox>("cmbSearchDir")),
             QStringList({"/srv/new", "/srv/photos/2023", "/srv/photos/旅行"}));
    window_->close();

    const std::string before =
        "DirHistry1=/srv/photos/2023\r\nDirHistry2=/srv/photos/旅行\r\nDirHistry3=\r\n";
    bytes.replace(
        bytes.find(before), before.size(),
        "DirHistry1=/srv/new\r\nDirHistry2=/srv/photos/2023\r\nDirHistry3=/srv/photos/旅行\r\n");
    QCOMPARE(ReadFileBytes(path), bytes);
  }

  void aRunReadsTheControlsAsTheyStand() {
    Open();
    std::vector<GalleryOptions> snapshots;
    MainWindowActions actions;
    actions.create = [&] { snapshots.push_back(window_->ReadOptions()); };
    window_->SetActions(actions);
    window_->SetSearchFolderText("/srv/pictures");
    Click("chkBMP");
    Click("optThumb(2)");
    auto* file_name = Get<QLineEdit>("txtFileName");
    file_name->selectAll();
    QTest::keyClicks(file_name, "album");
    Click("Command1");
    QCOMPARE(snapshots.size(), std::size_t{1});
    const GalleryOptions& run = snapshots.front();
    QCOMPARE(run.SearchDir, std::string("/srv/pictures"));
    QCOMPARE(run.BMP, kChecked);
    QCOMPARE(run.GIF, kChecked);
    QVERIFY(run.Longer && !run.Width && !run.Height);
    QCOMPARE(run.FileName, std::string("album"));
    QCOMPARE(run.IPP, 2);
    QCOMPARE(IppText(run), std::string("100"));
  }

  void noSizeRuleWhenAllThreeAreOff() {
    GalleryOptions options;
    options.Width = false;
    Open(options);
    for (const char* name : {"optThumb(0)", "optThumb(1)", "optThumb(2)"}) {
      QVERIFY(!Get<QRadioButton>(name)->isChecked());
    }
    const GalleryOptions read = window_->ReadOptions();
    QVERIFY(!read.Width && !read.Height && !read.Longer);
    // The buttons are a group again once the user picks one.
    Click("optThumb(1)");
    Click("optThumb(0)");
    QVERIFY(!Get<QRadioButton>("optThumb(1)")->isChecked());
  }

  void dimmedStateLastsUntilClicked() {
    GalleryOptions options;
    options.SameSize = kGrayed;
    Open(options);
    window_->SelectTab(4);
    QCOMPARE(window_->ReadOptions().SameSize, kGrayed);
    Click("chkSameSize");
    QCOMPARE(window_->ReadOptions().SameSize, kChecked);
    Click("chkSameSize");
    Click("chkSameSize");
    QCOMPARE(window_->ReadOptions().SameSize, kChecked);  // never dimmed again
  }

  void drops() {
    const TempFolder temp;
    const std::string folder = temp.MakeFolder("Photos");
    const std::string file = temp.WriteFile("Photos/a.jpg", "x");
    const std::string trashed = temp.MakeFolder(".local/share/Trash/files/Trip");
    Open();
    QWidget* target = Get<QComboBox>("cmbSearchDir")->lineEdit();
    window_->SetSearchFolderText("/before");
    for (const std::string& refused : {trashed, file, temp.Path("missing")}) {
      DropPath(target, QString::fromStdString(refused));
      QCOMPARE(window_->SearchFolderText(), std::string("/before"));
    }
    DropPath(target, QString::fromStdString(folder));
    QCOMPARE(window_->SearchFolderText(), folder);

    // Text is no file list.
    QMimeData text;
    text.setText("/srv/typed");
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCOMPARE(window_->SearchFolderText(), folder);
  }

  void dropDownWidensUpToTwiceTheBox() {
    Open({}, FolderHistory({"/a"}));
    auto* box = Get<QComboBox>("cmbSearchDir");
    const int cap = 2 * box->width();
    const int short_width = box->view()->minimumWidth();
    QVERIFY(short_width > 0);
    QVERIFY(short_width < cap);

    RecordRun("/" + std::string(400, 'x'));
    QCOMPARE(box->view()->minimumWidth(), cap);
    QCOMPARE(box->count(), 2);
    box->showPopup();
    QVERIFY(box->view()->window()->width() >= cap);
    box->hidePopup();

    // The widest width stays, even when the entry that set it leaves the list.
    for (int i = 0; i < 10; ++i) {
      RecordRun("/f" + std::to_string(i));
    }
    QCOMPARE(box->count(), 10);
    QCOMPARE(box->itemText(0), QString("/f9"));
    QVERIFY(box->findText("/" + QString(400, 'x')) < 0);
    QCOMPARE(box->view()->minimumWidth(), cap);
  }

  void pointAtSelectsTheTabThenFocusesTheControl() {
    Open();
    window_->SelectTab(3);
    window_->PointAt(1, ControlId::txtFileName, FocusAction::kFocusAndSelect);
    QCOMPARE(window_->SelectedTab(), 1);
    auto* file_name = Get<QLineEdit>("txtFileName");
    QVERIFY(file_name->hasFocus());
    file_name->setCursorPosition(3);
    QVERIFY(!file_name->hasSelectedText());
    // Already focused, the text is selected again.
    window_->PointAt(1, ControlId::txtFileName, FocusAction::kFocusAndSelect);
    QCOMPARE(file_name->selectedText(), QString("Pictavue"));

    window_->PointAt(1, ControlId::cmbIPP, FocusAction::kFocusAndSelect);
    QVERIFY(HasFocus("cmbIPP"));
    QCOMPARE(Get<QComboBox>("cmbIPP")->lineEdit()->selectedText(), QString("100"));

    window_->PointAt(3, ControlId::txtDelay, FocusAction::kFocusAndSelect);
    QCOMPARE(window_->SelectedTab(), 3);
    window_->PointAt(0, ControlId::cmbSearchDir, FocusAction::kFocus);
    QCOMPARE(window_->SelectedTab(), 3);
    QVERIFY(HasFocus("cmbSearchDir"));
  }

  void rightClickShowsTheTopic_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("topic");
    QTest::newRow("check box") << "chkGIF" << 1 << 5;
    QTest::newRow("option button") << "optThumb(1)" << 1 << 12;
    QTest::newRow("button") << "Command1" << 1 << 25;
    QTest::newRow("button without topic") << "Command2" << 1 << 0;
    QTest::newRow("button inside a box") << "Command6(0)" << 1 << 10;
    QTest::newRow("label") << "lblExt" << 1 << 9;
    QTest::newRow("frame") << "Frame4" << 1 << 12;
    QTest::newRow("output-folder box") << "picXpStyle(3)" << 1 << 10;
    QTest::newRow("thumbnail-size box") << "picXpStyle(4)" << 1 << 12;
    QTest::newRow("a tab panel's box") << "picXpStyle(2)" << 1 << 0;
    QTest::newRow("the search-folder box") << "picXpStyle(8)" << 1 << 0;
    QTest::newRow("delay label") << "LblDelay2" << 3 << 20;
    QTest::newRow("red note") << "Label12" << 4 << 0;
  }
  void rightClickShowsTheTopic() {
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(int, topic);
    Open();
    window_->SelectTab(tab);
    if (tab == 3) {
      Click("chkClientPull");  // LblDelay2 takes input now
    }
    QWidget* widget = Get(name.toUtf8().constData());
    const QPoint point = BarePoint(widget);
    QVERIFY(point.x() >= 0);
    QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, point);
    const std::vector<int> expected = topic == 0 ? std::vector<int>{} : std::vector<int>{topic};
    QCOMPARE(topics_->shown, expected);
  }

  void helpButtonReturnsTheFocusAndEntersWhatsThis() {
    Open();
    QCOMPARE(window_->LastFocusControl(), Get("cmbSearchDir"));  // the first control at start
    window_->SelectTab(2);
    QTest::keyClick(Get("txtTitle"), Qt::Key_Tab);
    QVERIFY(HasFocus("txtName"));
    Click("Command3");
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QVERIFY(HasFocus("txtName"));
    QCOMPARE(window_->LastFocusControl(), Get("txtName"));
    QCOMPARE(Get("txtName")->whatsThis(), QString("topic 23"));
    QCOMPARE(Get("picXpStyle(3)")->whatsThis(), QString("topic 10"));
    QCOMPARE(Get("Command2")->whatsThis(), QString());
  }

  // A topic without text shows nothing, and so does a window without a help file.
  void topicsShowAsWhatsThisPopUps() {
    class Topics final : public HelpTopics {
     public:
      QString TopicText(int topic) const override { return topic == 5 ? "GIF" : QString(); }
    };
    MainWindowSetup setup;
    setup.help_topics = std::make_shared<Topics>();
    frmMain window(setup);
    frmMain without_help(MainWindowSetup{});
    window.show();
    without_help.show();
    const auto right_click = [](const QWidget& on, const char* name) {
      QTest::mouseClick(Find(on, name), Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
      return OpenTopLevelWindows();
    };
    const QString mains = "frmMain frmMain ";
    QCOMPARE(right_click(window, "chkJPEG"), mains);  // topic 6 has no text
    QCOMPARE(right_click(without_help, "chkGIF"), mains);
    QCOMPARE(Find(without_help, "chkGIF")->whatsThis(), QString());
    QCOMPARE(right_click(window, "chkGIF").count(' '), 3);  // one pop-up more
    QWhatsThis::hideText();
    QTRY_COMPARE(OpenTopLevelWindows(), mains);
    window.hide();
    without_help.hide();
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmMain)
#include "tst_frm_main.moc"
