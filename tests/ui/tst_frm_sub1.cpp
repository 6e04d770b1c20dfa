// The output-folder and browser dialog, and the choosers it opens. Where a chooser starts is a
// pure rule (tests/ui_rules).

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_helpers.h"
#include "ui/active_window.h"
#include "ui/frm_sub1.h"
#include "ui/path_chooser.h"

namespace pictavue {
namespace {

using testing::FakeChooser;
using testing::OpenTopLevelWindows;
using testing::Tr;

struct Fixture {
  ActiveWindow active;
  FocusState focus;
  FakeChooser chooser;
  GalleryOptions options;

  Fixture() {
    options.DirName = "old folder";
    options.BrowserPath = "old browser";
  }
  frmSub1::Services Services() { return frmSub1::Services{active, focus, chooser}; }
};

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

class tst_frmSub1 : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

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
    Fixture f;
    f.chooser.answer = answer.toStdString();
    frmSub1::Services services = f.Services();
    services.kind_of = [](std::string_view path) {
      return path == "D:\\" ? FileKind::kFolder : FileKind::kMissing;
    };
    services.style = PathStyle::kWindows;
    frmSub1 dialog(mode, f.options, services, nullptr);
    dialog.txtAny->setText(typed);
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    QCOMPARE(f.chooser.calls, QStringList{call});
    QCOMPARE(dialog.txtAny->text(), after);
    QCOMPARE(f.options.DirName, std::string("old folder"));  // nothing stored before OK
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
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmSub1)
#include "tst_frm_sub1.moc"
