// The main window with the dialogs it opens and the help it shows, wired as the program wires
// them.

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/fakes.h"
#include "support/qt_helpers.h"
#include "ui/active_window.h"
#include "ui/frm_main.h"
#include "ui/frm_sub1.h"
#include "ui/help_file_topics.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_dialogs.h"

namespace pictavue {
namespace {

using testing::FakeChooser;
using testing::FakeLauncher;
using testing::OpenTopLevelWindows;
using testing::Tr;
using testing::WhenModalShown;

// The main window as the program makes it, with its dialogs.
struct Program {
  explicit Program(const GalleryOptions& options = {},
                   std::shared_ptr<const HelpTopics> help = nullptr) {
    MainWindowSetup setup;
    setup.focus_state = focus;
    setup.help_topics = std::move(help);
    window = std::make_unique<frmMain>(setup);
    active.Track(window.get());
    window->LoadSettings(options, FolderHistory());
    MainWindowActions actions;
    AddDialogActions(
        actions, *window,
        DialogServices{active, *focus, chooser, launcher, PluginNames{}, "/opt/pictavue/docs"});
    window->SetActions(actions);
    window->show();
  }
  ~Program() { window->hide(); }

  QWidget* Get(const char* name) const { return window->findChild<QWidget*>(name); }

  QStringList OutputFolderTips() const {
    QStringList tips;
    for (const char* name : {"cmbOutputDir", "Frame6", "picXpStyle(3)"}) {
      tips << Get(name)->toolTip();
    }
    return tips;
  }

  std::shared_ptr<FocusState> focus = std::make_shared<FocusState>();
  ActiveWindow active;
  FakeChooser chooser;
  FakeLauncher launcher;
  std::unique_ptr<frmMain> window;
};

// Types text into the dialog's path and ends it with the button of that name.
void AnswerSettingsDialog(const QString& text, const char* button) {
  WhenModalShown<frmSub1>([text, button](frmSub1* dialog) {
    dialog->txtAny->setText(text);
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
  });
}

}  // namespace

class tst_MainWindowDialogs : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  // OK and Esc are run on a real X server (tests/x11); here, what only the widgets show: a new
  // output folder becomes the tooltip of its controls, and the dialog keeps the focus
  // bookkeeping it shares with the window.
  void settingsDialogTellsTheWindow() {
    GalleryOptions options;
    options.DirName = "/srv/old";
    Program p(options);
    AnswerSettingsDialog("/srv/new", "Command2(0)");
    QTest::mouseClick(p.Get("Command6(0)"), Qt::LeftButton);
    QCOMPARE(p.OutputFolderTips(), QStringList(3, "/srv/new"));
    WhenModalShown<frmSub1>([](frmSub1* dialog) {
      // The focus reaches a control only once its window is active, late on a loaded machine.
      static_cast<void>(QTest::qWaitForWindowActive(dialog));
      dialog->txtAny->setFocus(Qt::TabFocusReason);
      dialog->Command2_1->click();
    });
    QTest::mouseClick(p.Get("Command6(0)"), Qt::LeftButton);
    QCOMPARE(p.window->Focus().LastFocusName, std::string("txtAny"));
  }

  // Every control with a help topic finds it in the help file we ship.
  void everyTopicOfTheWindowIsInTheShippedHelpFile() {
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/pictavue.hlp");
    const auto help = std::make_shared<HelpFileTopics>(path.toStdString());
    Program p(GalleryOptions(), help);
    QSet<int> topics;
    for (const QWidget* widget : p.window->findChildren<QWidget*>()) {
      const QVariant topic = widget->property(kHelpTopicProperty);
      if (topic.isValid()) {
        topics.insert(topic.toInt());
        QVERIFY2(!help->TopicText(topic.toInt()).isEmpty(), qPrintable(widget->objectName()));
        QCOMPARE(widget->whatsThis(), help->TopicText(topic.toInt()));
      }
    }
    QCOMPARE(topics.size(), 31);  // 2 to 32
  }

  // A topic's first line is its heading; its text is shown as written, markup and all.
  void topicsShowTheirTextAsWritten() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pictavue.hlp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@21 区切り線\n<HR> を入れます & 区切ります。\n\n二段落目\n");
    file.close();
    const HelpFileTopics help(path.toStdString());
    const QString text = help.TopicText(21);
    for (const QString& part :
         {"<b>" + Tr("HelpTopic", "区切り線") + "</b>",
          QString("&lt;HR&gt; を入れます &amp; 区切ります。"), QString("二段落目")}) {
      QVERIFY2(text.contains(part), qPrintable(text));
    }
    QCOMPARE(help.TopicText(22), QString());
    QCOMPARE(HelpFileTopics(folder.filePath("none.hlp").toStdString()).TopicText(21), QString());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_MainWindowDialogs)
#include "tst_main_window_dialogs.moc"
