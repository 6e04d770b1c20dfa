// The main window offscreen: what a real X server adds (focus, keys, access keys, runs, restarts)
// is in tests/x11, and the rules the window applies are pure functions in tests/ui_rules. Here:
// that each rule reaches the widgets, and what only widgets show.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <QWhatsThis>
#include <memory>
#include <string>
#include <vector>

#include "support/qt_helpers.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;
using testing::TempFolder;
using testing::Tr;

// Topic texts that say their number, and a record of the topics shown.
class RecordingTopics final : public HelpTopics {
 public:
  QString TopicText(int topic) const override { return QStringLiteral("topic %1").arg(topic); }
  void ShowTopic(int topic, const QPoint&) const override { shown.push_back(topic); }
  mutable std::vector<int> shown;
};

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

// A drag entering the box and dropped there: Qt delivers the drop to where the drag entered.
void Drop(QWidget* target, QMimeData& mime) {
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
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
    setup.png_plugin_name = "PNG plug-in";
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

  template <typename Widget = QWidget>
  Widget* Get(const char* name) const {
    return window_->findChild<Widget*>(QString::fromUtf8(name));
  }

  // A click on a check box's or option button's caption, wherever the layout stretched it to.
  void Click(const QString& name) const {
    QWidget* widget = Get(name.toUtf8().constData());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(6, widget->height() / 2));
  }

 private slots:
  void cleanup() {
    QWhatsThis::leaveWhatsThisMode();
    window_.reset();
    QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows()));
  }

  void iconAndPlugIn() {
    QVERIFY(!Open().findChild<QLabel*>("Image1")->pixmap().isNull());
    QVERIFY(Get("chkPNG")->isEnabled());
    frmMain without_png(MainWindowSetup{});
    QVERIFY(!without_png.findChild<QWidget*>("chkPNG")->isEnabled());
  }

  // Each trigger, clicked, picked ("name=position") or typed into ("name:text"), runs its rule;
  // afterwards the controls marked + take input, those marked - do not, and lblExt shows its hint.
  void triggersRunTheirRules_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, int tab, const char* actions, const char* expected) {
      QTest::newRow(name) << tab << QString::fromUtf8(actions) << QString::fromUtf8(expected);
    };
    row("sub-window off", 3, "chkSubWIndow", "-chkAutoSize -chkOnlyOne");
    row("automatic size off", 3, "chkAutoSize", "+chkAutoSize -chkOnlyOne");
    row("slide show on", 3, "chkClientPull", "+txtDelay +LblDelay1 +LblDelay2");
    row("folder names off", 3, "chkFolderName", "-chkPathName -lblKakkoL -lblKakkoR");
    row("browser", 4, "chkBrowser", "+Command6(1)");
    row("search folder as output", 1, "cmbOutputDir=1", "-Command6(0)");
    row("a number typed after one page", 1, "cmbIPP=5 cmbIPP:30", "+chkFrame lblExt=xxx．htm");
    row("typed, with a frame set", 1, "chkFrame cmbIPP=5 cmbIPP:5", "+chkFrame lblExt=．htm");
  }
  void triggersRunTheirRules() {
    QFETCH(int, tab);
    QFETCH(QString, actions);
    QFETCH(QString, expected);
    Open();
    window_->SelectTab(tab);
    for (const QString& action : actions.split(' ')) {
      const QStringList picked = action.split('=');
      const QStringList typed = action.split(':');
      if (picked.size() == 2) {
        auto* combo = Get<QComboBox>(picked[0].toUtf8().constData());
        combo->setCurrentIndex(picked[1].toInt());
        emit combo->activated(picked[1].toInt());
      } else if (typed.size() == 2) {
        QTest::keyClicks(Get<QComboBox>(typed[0].toUtf8().constData())->lineEdit(), typed[1]);
      } else {
        Click(action);
      }
    }
    QStringList seen;
    for (const QString& item : expected.split(' ')) {
      if (item.startsWith("lblExt=")) {
        seen << "lblExt=" + Get<QLabel>("lblExt")->text();
      } else {
        const QString name = item.mid(1);
        seen << (Get(name.toUtf8().constData())->isEnabled() ? "+" : "-") + name;
      }
    }
    QCOMPARE(seen.join(' '), expected);
  }

  // Each kind of caption and tooltip the window sets, its lists and its tabs, in the test's
  // language: the _en run sees English where the code holds Japanese.
  void textsInTheTestsLanguage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    const auto row = [](const char* name, const char* caption, const char* tip) {
      QTest::newRow(name) << name << QString::fromUtf8(caption) << QString::fromUtf8(tip);
    };
    row("Frame2", "検索フォルダ(&L)", "");
    row("Command5", "&About...", "Pictavue について...");
    row("chkJPEG", "&JPEG", "Susie32 ﾌﾟﾗｸﾞｲﾝがあると高速");
    row("optThumb(2)", "大きい方(&O)", "幅・高さのうち大きい方を基準とする");
    row("Label3", "ﾀｲﾄﾙ(&T)", "ﾀｲﾄﾙなどﾍﾟｰｼﾞ上部に出力する文字列");
    row("TabStrip1", "詳細設定３", "");
    row("cmbIPP", "無制限", "1ﾍﾟｰｼﾞ内の画像数");
  }
  void textsInTheTestsLanguage() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QWidget* widget = Open().findChild<QWidget*>(name);
    QString shown =
        widget->property(qobject_cast<QGroupBox*>(widget) ? "title" : "text").toString();
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
      shown = tabs->tabText(tabs->count() - 1);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
      shown = list->itemText(list->count() - 1);
    }
    QCOMPARE(shown, Tr("frmMain", caption.toUtf8().constData()));
    QCOMPARE(widget->toolTip(), Tr("frmMain", tip.toUtf8().constData()));
  }

  // The file-name hint's tooltip, and the other two, are shown by the window's own tips.
  void tipsShowTheirLines() {
    Open();
    const auto tip_lines = [this](const char* name) -> int {
      QWidget* target = Get(name);
      QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(target->mapToGlobal(QPoint(3, 3))),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(target, &move);
      auto* tip = target->findChild<QWidget*>(QStringLiteral("TipWindow"));
      if (tip == nullptr || !QTest::qWaitFor([tip] { return tip->isVisible(); })) {
        return 0;
      }
      const int lines = tip->height() / tip->fontMetrics().lineSpacing();
      QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));  // hides it
      return lines;
    };
    QCOMPARE(tip_lines("txtFileName"), 3);
    QVERIFY(tip_lines("cmbSize") >= 3);  // 200 pixels wide at most: long lines wrap
    Click("chkFrame");
    QCOMPARE(tip_lines("txtFileName"), 1);
  }

  // Tabbing in selects (tests/x11); a click into a box does not: the caret goes where the user
  // clicked, and the next focus by program selects again.
  void aClickSkipsTheSelectAllOnce() {
    Open();
    window_->SelectTab(2);
    auto* email = Get<QLineEdit>("txtEmail");
    email->setText("taro@example.org");
    SelectionAtFocus recorder;
    email->installEventFilter(&recorder);
    QTest::mouseClick(email, Qt::LeftButton, Qt::NoModifier, QPoint(5, email->height() / 2));
    QCOMPARE(recorder.selected, std::vector<bool>{false});
    QVERIFY(!email->hasSelectedText());
    window_->SelectTab(1);
    QCOMPARE(Get<QLineEdit>("txtFileName")->selectedText(), QString("Pictavue"));
  }

  // Enter in the title is a new line and a focused button takes Enter (tests/x11); the default
  // button is not drawn as one in the title either. Keypad Enter creates, Alt+Enter does not.
  void enterAndTheDefaultButton() {
    Open();
    window_->SelectTab(2);
    auto* command1 = Get<QPushButton>("Command1");
    QVERIFY(!command1->isDefault());
    QTest::keyClick(Get("txtTitle"), Qt::Key_Tab);
    QVERIFY(command1->isDefault());
    QTest::keyClick(Get("txtName"), Qt::Key_Enter);
    QTest::keyClick(Get("txtName"), Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(create_count_, 1);
  }

  // States a click cannot make: all three size options off, and a dimmed box, last until the
  // user clicks; then they follow the clicks like any other.
  void loadedStatesLastUntilClicked() {
    GalleryOptions options;
    options.Width = false;
    options.SameSize = kGrayed;
    Open(options);
    GalleryOptions read = window_->ReadOptions();
    QVERIFY(!read.Width && !read.Height && !read.Longer && read.SameSize == kGrayed);
    Click("optThumb(1)");
    Click("optThumb(0)");
    window_->SelectTab(4);
    for (int click = 0; click < 3; ++click) {
      Click("chkSameSize");
    }
    read = window_->ReadOptions();
    QVERIFY(read.Width && !read.Height && !read.Longer);
    QCOMPARE(read.SameSize, kChecked);  // never dimmed again
  }

  void drops() {
    const TempFolder temp;
    const std::string folder = temp.MakeFolder("Photos");
    const std::string file = temp.WriteFile("Photos/a.jpg", "x");
    const std::string trashed = temp.MakeFolder(".local/share/Trash/files/Trip");
    Open();
    QWidget* target = Get<QComboBox>("cmbSearchDir")->lineEdit();
    window_->SetSearchFolderText("/before");
    for (const std::string& path : {trashed, file, temp.Path("missing"), folder}) {
      QMimeData mime;
      mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
      Drop(target, mime);
    }
    QCOMPARE(window_->SearchFolderText(), folder);
    QMimeData text;  // text is no file list
    text.setText("/srv/typed");
    Drop(target, text);
    QCOMPARE(window_->SearchFolderText(), folder);
  }

  void rightClickShowsTheTopic_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("topic");
    QTest::newRow("check box") << "chkGIF" << 5;
    QTest::newRow("button without topic") << "Command2" << 0;
    QTest::newRow("frame") << "Frame4" << 12;
    QTest::newRow("output-folder box") << "picXpStyle(3)" << 10;
    QTest::newRow("a tab panel's box") << "picXpStyle(2)" << 0;
    QTest::newRow("text box: its own menu") << "txtFileName" << 0;
  }
  void rightClickShowsTheTopic() {
    QFETCH(QString, name);
    QFETCH(int, topic);
    Open();
    QWidget* widget = Get(name.toUtf8().constData());
    QPoint bare(1, 1);  // a point that none of its children covers
    while (widget->childAt(bare) != nullptr && bare.y() < widget->height()) {
      bare += QPoint(1, 2);
    }
    QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, bare);
    QCOMPARE(topics_->shown, topic == 0 ? std::vector<int>{} : std::vector<int>{topic});
  }

  void helpButtonReturnsTheFocusAndEntersWhatsThis() {
    Open();
    window_->SelectTab(2);
    QTest::keyClick(Get("txtTitle"), Qt::Key_Tab);
    Click("Command3");
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QVERIFY(Get("txtName")->hasFocus());
    QCOMPARE(Get("txtName")->whatsThis(), QString("topic 23"));
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmMain)
#include "tst_frm_main.moc"
