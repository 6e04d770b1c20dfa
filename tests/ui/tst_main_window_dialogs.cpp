// The dialogs the main window opens (output folder and browser, the file chooser, About) and the
// help it shows, with the fakes of tests/support. What OK and Esc store is run on a real X server
// (tests/x11).

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
#include "ui/frm_sub1.h"
#include "ui/help_file_topics.h"
#include "ui/path_chooser.h"

namespace pictavue {
namespace {

using testing::Tr;

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
  void cleanup() {
    QVERIFY2(testing::OpenTopLevelWindows().isEmpty(), qPrintable(testing::OpenTopLevelWindows()));
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
  void browseAsksTheChooserAndTakesItsAnswer() {
    const QString folder =
        "folder frmSub1|" + Tr("frmSub1", "出力するフォルダを選択してください。") + "|";
    const QString file = "file frmSub1|" + Tr("frmSub1", "実行ﾌｧｲﾙ(*.exe)") + "=*.exe," +
                         Tr("frmSub1", "全てのﾌｧｲﾙ(*.*)") + "=*.*|";
    const struct {
      int mode;
      const char* typed;
      const char* answer;
      QString call;
      const char* after;
    } cases[] = {
        {kOutputFolderMode, " D:\\ ", "D:\\Photos", folder + "D:\\", "D:\\Photos"},
        {kOutputFolderMode, "D:\\", "", folder + "D:\\", "D:\\"},
        {kBrowserMode, "D:\\browser.exe", "C:\\b.exe", file + "D:\\", "C:\\b.exe"},
        {kBrowserMode, "browser.exe", "", file, "browser.exe"},
    };
    for (const auto& c : cases) {
      ActiveWindow active;
      FocusState focus;
      testing::FakeChooser chooser;
      chooser.answer = c.answer;
      GalleryOptions options;
      options.DirName = "old folder";
      const auto kind_of = [](std::string_view path) {
        return path == "D:\\" ? FileKind::kFolder : FileKind::kMissing;
      };
      frmSub1 dialog(c.mode, options, {active, focus, chooser, kind_of, PathStyle::kWindows},
                     nullptr);
      dialog.txtAny->setText(c.typed);
      QTest::mouseClick(dialog.Command1, Qt::LeftButton);
      QCOMPARE(chooser.calls, QStringList{c.call});
      QCOMPARE(dialog.txtAny->text(), QString(c.after));
      QCOMPARE(options.DirName, std::string("old folder"));  // nothing stored before OK
    }
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
    testing::FakeLauncher launcher;
    launcher.open_result = kOpenFileNotFound;
    frmAbout about(PluginNames{"", "Pictavue PNG reader 1.0", ""},
                   {active, launcher, "/opt/pictavue/docs"}, nullptr);
    QCOMPARE(QStringList({about.lblIFJPEG->text(), about.lblIFPNG->text(), about.lblIFWMF->text()}),
             QStringList({"Susie JPEG plug-in is not found.", "Pictavue PNG reader 1.0",
                          "Susie WMF plug-in is not found."}));
    about.show();
    for (QLabel* link :
         {about.lblHP, about.Image1, about.lblIFJPEG, about.lblIFPNG, about.lblIFWMF}) {
      QTest::mouseClick(link, Qt::LeftButton);
    }
    QTest::mouseClick(about.lblHP, Qt::RightButton);
    const std::string page = "open /opt/pictavue/docs/";
    QCOMPARE(launcher.calls, std::vector<std::string>({page + "index.html", page + "index.html",
                                                       page + "ifjpeg.html", page + "ifpng.html",
                                                       page + "ifwmf.html"}));
    QVERIFY(about.isVisible() && !about.Image1->pixmap().isNull());
    QTest::mouseClick(about.Command1, Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_MainWindowDialogs)
#include "tst_main_window_dialogs.moc"
