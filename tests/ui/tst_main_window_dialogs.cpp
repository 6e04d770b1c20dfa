// The main window with the dialogs it opens and the help it shows, wired as the program wires
// them; the dialogs on their own (output folder and browser, About) with the same fakes.

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
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
  explicit Program(const GalleryOptions& options) {
    MainWindowSetup setup;
    setup.focus_state = focus;
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

QStringList ListedNames(QFileDialog& dialog) {
  auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
  QStringList names;
  const QModelIndex root = view->rootIndex();
  for (int row = 0; row < view->model()->rowCount(root); ++row) {
    names << view->model()->index(row, 0, root).data().toString();
  }
  names.sort();
  return names;
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

  // Where a chooser starts is a pure rule (tests/ui_rules); here, what the dialog asks the
  // chooser and that it takes the answer, or keeps the text when the chooser is cancelled.
  void browseAsksTheChooserAndTakesItsAnswer_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("after");
    const QString folder =
        "folder frmSub1|" + Tr("frmSub1", "出力するフォルダを選択してください。") + "|";
    const QString file = "file frmSub1|" + Tr("frmSub1", "実行ﾌｧｲﾙ(*.exe)") + "=*.exe," +
                         Tr("frmSub1", "全てのﾌｧｲﾙ(*.*)") + "=*.*|";
    const auto row = [](const char* name, int mode, const char* typed, const char* answer,
                        const QString& call, const char* after) {
      QTest::newRow(name) << mode << QString(typed) << QString(answer) << call << QString(after);
    };
    row("folder", 0, " D:\\ ", "D:\\Photos", folder + "D:\\", "D:\\Photos");
    row("folder, cancelled", 0, "D:\\", "", folder + "D:\\", "D:\\");
    row("program", 1, "D:\\browser.exe", "C:\\b.exe", file + "D:\\", "C:\\b.exe");
    row("program, cancelled", 1, "browser.exe", "", file, "browser.exe");
  }
  void browseAsksTheChooserAndTakesItsAnswer() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, answer);
    QFETCH(QString, call);
    QFETCH(QString, after);
    ActiveWindow active;
    FocusState focus;
    FakeChooser chooser;
    chooser.answer = answer.toStdString();
    GalleryOptions options;
    options.DirName = "old folder";
    frmSub1::Services services{active, focus, chooser};
    services.kind_of = [](std::string_view path) {
      return path == "D:\\" ? FileKind::kFolder : FileKind::kMissing;
    };
    services.style = PathStyle::kWindows;
    frmSub1 dialog(mode, options, services, nullptr);
    dialog.txtAny->setText(typed);
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    QCOMPARE(chooser.calls, QStringList{call});
    QCOMPARE(dialog.txtAny->text(), after);
    QCOMPARE(options.DirName, std::string("old folder"));  // nothing stored before OK
  }

  // POSIX names programs by their execute permission, not by an extension.
  void fileChooserListsProgramsThenEverything() {
    if (NativePathStyle() != PathStyle::kPosix) {
      QSKIP("programs are listed by their execute permission on POSIX only");
    }
    QTemporaryDir folder;
    for (const auto& [name, permissions] :
         {std::pair{"browser", QFile::ReadOwner | QFile::ExeOwner},
          std::pair{"notes.txt", QFile::ReadOwner | QFile::WriteOwner}}) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.close();
      QVERIFY(file.setPermissions(permissions));
    }
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("plugins")));
    const auto dialog = MakeFileDialog(nullptr, BrowserFilters(), folder.path().toStdString());
    QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    dialog->show();
    QTRY_COMPARE(ListedNames(*dialog), QStringList({"browser", "plugins"}));
    QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), Qt::Key_Down);
    QTRY_COMPARE(ListedNames(*dialog), QStringList({"browser", "notes.txt", "plugins"}));
    dialog->reject();
  }

  // A found plug-in shows its name, a missing one says so; every link opens its shipped page,
  // a failure to open is not told, and the window stays until OK.
  void aboutShowsPlugInsAndOpensItsLinks() {
    ActiveWindow active;
    FakeLauncher launcher;
    launcher.open_result = kOpenFileNotFound;
    frmAbout about(PluginNames{"", "Pictavue PNG reader 1.0", ""},
                   {active, launcher, "/opt/pictavue/docs"}, nullptr);
    QCOMPARE(QStringList({about.lblIFJPEG->text(), about.lblIFPNG->text(), about.lblIFWMF->text()}),
             QStringList({"Susie JPEG plug-in is not found.", "Pictavue PNG reader 1.0",
                          "Susie WMF plug-in is not found."}));
    QVERIFY(!about.Image1->pixmap().isNull());
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(active.Handle(), &about);
    for (QLabel* link :
         {about.lblHP, about.Image1, about.lblIFJPEG, about.lblIFPNG, about.lblIFWMF}) {
      QTest::mouseClick(link, Qt::LeftButton);
    }
    QTest::mouseClick(about.lblHP, Qt::RightButton);
    QCOMPARE(launcher.calls,
             std::vector<std::string>(
                 {"open /opt/pictavue/docs/index.html", "open /opt/pictavue/docs/index.html",
                  "open /opt/pictavue/docs/ifjpeg.html", "open /opt/pictavue/docs/ifpng.html",
                  "open /opt/pictavue/docs/ifwmf.html"}));
    QVERIFY(about.isVisible());
    QTest::mouseClick(about.Command1, Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_MainWindowDialogs)
#include "tst_main_window_dialogs.moc"
