// The main window with the dialogs it opens and the help it shows, wired as the program wires
// them.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/launch.h"
#include "support/fakes.h"
#include "support/qt_helpers.h"
#include "ui/active_window.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_sub1.h"
#include "ui/help_file_topics.h"
#include "ui/main_window_controls.h"
#include "ui/main_window_dialogs.h"
#include "ui/path_chooser.h"

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
    AddDialogActions(actions, *window,
                     DialogServices{active, *focus, chooser, launcher,
                                    PluginNames{"Pictavue JPEG size reader 1.26", "", ""},
                                    "/opt/pictavue/docs"});
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
void AnswerSettingsDialog(const QString& text, const char* button, QString* shown = nullptr,
                          QString* caption = nullptr) {
  WhenModalShown<frmSub1>([text, button, shown, caption](frmSub1* dialog) {
    if (shown != nullptr) {
      *shown = dialog->txtAny->text();
    }
    if (caption != nullptr) {
      *caption = dialog->windowTitle();
    }
    dialog->txtAny->setText(text);
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
  });
}

}  // namespace

class tst_MainWindowDialogs : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  void outputFolderDialogStoresAndShowsTheFolder() {
    GalleryOptions options;
    options.DirName = "/srv/old";
    Program p(options);
    QCOMPARE(p.OutputFolderTips(), QStringList(3, "/srv/old"));

    QString shown;
    QString caption;
    AnswerSettingsDialog("  /srv/new gallery  ", "Command2(0)", &shown, &caption);
    QTest::mouseClick(p.Get("Command6(0)"), Qt::LeftButton);
    QCOMPARE(caption, Tr("frmSub1", "出力先フォルダの設定"));
    QCOMPARE(shown, QStringLiteral("/srv/old"));
    QCOMPARE(p.window->ReadOptions().DirName, std::string("/srv/new gallery"));
    QCOMPARE(p.OutputFolderTips(), QStringList(3, "/srv/new gallery"));

    AnswerSettingsDialog("elsewhere", "Command2(1)");
    QTest::mouseClick(p.Get("Command6(0)"), Qt::LeftButton);
    QCOMPARE(p.window->ReadOptions().DirName, std::string("/srv/new gallery"));

    // An empty OK empties the folder and the three tooltips.
    AnswerSettingsDialog("   ", "Command2(0)");
    QTest::mouseClick(p.Get("Command6(0)"), Qt::LeftButton);
    QCOMPARE(p.window->ReadOptions().DirName, std::string());
    QCOMPARE(p.OutputFolderTips(), QStringList(3, QString()));
    QCOMPARE(p.window->SettingsDialogMode(), 0);
  }

  void browserDialogStoresTheProgram() {
    GalleryOptions options;
    options.Browser = kChecked;
    options.BrowserPath = "/usr/bin/old";
    Program p(options);
    p.window->SelectTab(4);
    QString shown;
    QString caption;
    AnswerSettingsDialog(" /usr/bin/firefox ", "Command2(0)", &shown, &caption);
    QTest::mouseClick(p.Get("Command6(1)"), Qt::LeftButton);
    QCOMPARE(caption, Tr("frmSub1", "ブラウザの設定"));
    QCOMPARE(shown, QStringLiteral("/usr/bin/old"));
    QCOMPARE(p.window->ReadOptions().BrowserPath, std::string("/usr/bin/firefox"));
    QCOMPARE(p.window->SettingsDialogMode(), 1);
  }

  void theDialogSharesTheFocusBookkeeping() {
    Program p;
    WhenModalShown<frmSub1>([](frmSub1* dialog) {
      dialog->txtAny->setFocus(Qt::TabFocusReason);
      dialog->Command2_1->click();
    });
    QTest::mouseClick(p.Get("Command6(0)"), Qt::LeftButton);
    QCOMPARE(p.window->Focus().LastFocusName, std::string("txtAny"));
  }

  void aboutShowsThePlugInsAndOpensTheGuide() {
    Program p;
    QStringList lines;
    WhenModalShown<frmAbout>([&lines](frmAbout* about) {
      lines << about->lblIFJPEG->text() << about->lblIFPNG->text() << about->lblIFWMF->text();
      QTest::mouseClick(about->lblHP, Qt::LeftButton);
      QTest::keyClick(about, Qt::Key_Escape);
    });
    QTest::mouseClick(p.Get("Command5"), Qt::LeftButton);
    QCOMPARE(lines,
             QStringList({"Pictavue JPEG size reader 1.26", "Susie PNG plug-in is not found.",
                          "Susie WMF plug-in is not found."}));
    QCOMPARE(p.launcher.calls, std::vector<std::string>{"open /opt/pictavue/docs/index.html"});
  }

  // The chooser starts in the search folder when it exists, and a cancel keeps the text.
  void searchFolderBrowseUsesTheChooser() {
    QTemporaryDir folder;
    Program p;
    p.window->SetSearchFolderText(" " + folder.path().toStdString() + " ");
    p.chooser.answer = "/srv/pictures";
    QTest::mouseClick(p.Get("Command4"), Qt::LeftButton);
    QCOMPARE(p.window->SearchFolderText(), std::string("/srv/pictures"));
    p.window->SetSearchFolderText("/no/such/folder");
    p.chooser.answer.clear();
    QTest::mouseClick(p.Get("Command4"), Qt::LeftButton);
    QCOMPARE(p.window->SearchFolderText(), std::string("/no/such/folder"));
    const QString call =
        "folder frmMain|" + Tr("frmMain", "検索するフォルダを選択してください。") + "|";
    QCOMPARE(p.chooser.calls, QStringList({call + folder.path(), call}));
  }

  // Every control that has a help topic finds it in the help file we ship.
  void everyTopicOfTheWindowIsInTheShippedHelpFile() {
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/pictavue.hlp");
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const auto help = std::make_shared<HelpFileTopics>(path.toStdString());
    Program p(GalleryOptions(), help);
    int controls = 0;
    QSet<int> topics;
    for (const QWidget* widget : p.window->findChildren<QWidget*>()) {
      const QVariant topic = widget->property(kHelpTopicProperty);
      if (!topic.isValid()) {
        continue;
      }
      ++controls;
      topics.insert(topic.toInt());
      QVERIFY2(!help->TopicText(topic.toInt()).isEmpty(),
               qPrintable(widget->objectName() + " " + topic.toString()));
      QCOMPARE(widget->whatsThis(), help->TopicText(topic.toInt()));
    }
    QVERIFY(controls > 0);
    QCOMPARE(topics.size(), 31);  // 2 to 32
  }

  void topicsShowTheirTextAsWritten() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pictavue.hlp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@21 区切り線\n<HR> を入れます & 区切ります。\n\n二段落目\n");
    file.close();
    const HelpFileTopics help(path.toStdString());
    const QString text = help.TopicText(21);
    QVERIFY2(text.contains("<b>" + Tr("HelpTopic", "区切り線") + "</b>"), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("&lt;HR&gt; を入れます &amp; 区切ります。")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("二段落目")), qPrintable(text));
    QCOMPARE(help.TopicText(22), QString());

    const HelpFileTopics missing(folder.filePath(QStringLiteral("none.hlp")).toStdString());
    QCOMPARE(missing.TopicText(21), QString());
    Program p(GalleryOptions(), std::make_shared<HelpFileTopics>(
                                    folder.filePath(QStringLiteral("none.hlp")).toStdString()));
    QCOMPARE(p.Get("chkGIF")->whatsThis(), QString());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_MainWindowDialogs)
#include "tst_main_window_dialogs.moc"
