#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "support/qt_helpers.h"
#include "ui/active_window.h"
#include "ui/browse_rules.h"
#include "ui/frm_sub1.h"
#include "ui/path_chooser.h"

namespace pictavue {
namespace {

using testing::FakeChooser;
using testing::OpenTopLevelWindows;
using testing::Tr;
using testing::WhenModalShown;

// A file system of a few folders, in Windows style.
FileKind KindInFakeTree(std::string_view path) {
  static const std::map<std::string_view, FileKind> kinds = {
      {"C:\\Program Files\\Browser\\", FileKind::kFolder},
      {"C:\\Program Files\\Browser", FileKind::kFolder},
      {"C:\\Program Files\\Browser\\browser.exe", FileKind::kFile},
      {"browser.exe", FileKind::kFile},
      {"Pictures", FileKind::kFolder},
      {"D:\\", FileKind::kFolder},
  };
  const auto found = kinds.find(path);
  return found == kinds.end() ? FileKind::kMissing : found->second;
}

// A row of a path rule: the text typed and the folder the browser starts in.
void PathRow(const char* name, const char* text, const char* start) {
  QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(start);
}

struct Fixture {
  ActiveWindow active;
  FocusState focus;
  FakeChooser chooser;
  GalleryOptions options;

  frmSub1::Services Services() { return frmSub1::Services{active, focus, chooser}; }
};

QStringList TabChain(QWidget* from, int steps) {
  QStringList names;
  QWidget* widget = from;
  for (int i = 0; i < steps; ++i) {
    names << widget->objectName();
    widget = widget->nextInFocusChain();
    while (widget->focusPolicy() == Qt::NoFocus) {
      widget = widget->nextInFocusChain();
    }
  }
  return names;
}

void WriteFile(const QString& path, QFile::Permissions permissions) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("#!/bin/sh\n");
  file.close();
  QVERIFY(file.setPermissions(permissions));
}

// Steps through the dialog's list of file kinds with the keyboard, as a user does.
void StepFilter(QFileDialog& dialog, Qt::Key key) {
  auto* kinds = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  QVERIFY(kinds != nullptr);
  QTest::keyClick(kinds, key);
}

QStringList ListedNames(QFileDialog& dialog) {
  auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
  QStringList names;
  if (view == nullptr) {
    return names;
  }
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

  void eachModeShowsItsTextsAndPath_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("path");
    QTest::newRow("0 output folder") << 0 << Tr("frmSub1", "出力先フォルダの設定")
                                     << Tr("frmSub1", "出力先フォルダ(&F)") << "/srv/gallery";
    QTest::newRow("1 browser") << 1 << Tr("frmSub1", "ブラウザの設定")
                               << Tr("frmSub1", "ブラウザ(&B)") << "/usr/bin/firefox";
  }
  void eachModeShowsItsTextsAndPath() {
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(QString, label);
    QFETCH(QString, path);
    Fixture f;
    f.options.DirName = "/srv/gallery";
    f.options.BrowserPath = "/usr/bin/firefox";
    frmSub1 dialog(mode, f.options, f.Services(), nullptr);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.Label1->text(), label);
    QCOMPARE(dialog.Label1->buddy(), dialog.txtAny);
    QCOMPARE(dialog.txtAny->text(), path);
    QCOMPARE(dialog.Command1->text(), Tr("frmSub1", "参照(&R)..."));
    QCOMPARE(dialog.Command2_0->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.Command2_1->text(), Tr("frmSub1", "ｷｬﾝｾﾙ"));
    QVERIFY(dialog.Command2_0->isDefault());
    QCOMPARE(TabChain(dialog.txtAny, 4),
             QStringList({"txtAny", "Command2(0)", "Command2(1)", "Command1"}));
  }

  // Only blanks are trimmed, and nothing checks that the path exists.
  void okStoresThePathTrimmed_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    const auto row = [](const char* name, int mode, const char* typed, const char* stored) {
      QTest::newRow(name) << mode << QString::fromUtf8(typed) << QString::fromUtf8(stored);
    };
    row("mode 0, blanks around", 0, "  /srv/my pictures  ", "/srv/my pictures");
    row("mode 0, blanks only", 0, "   ", "");
    row("mode 0, tabs stay", 0, "\t/srv\t", "\t/srv\t");
    row("mode 0, no check", 0, "no such folder", "no such folder");
    row("mode 1, blanks around", 1, " /usr/bin/firefox ", "/usr/bin/firefox");
  }
  void okStoresThePathTrimmed() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Fixture f;
    f.options.DirName = "old folder";
    f.options.BrowserPath = "old browser";
    frmSub1 dialog(mode, f.options, f.Services(), nullptr);
    dialog.show();
    dialog.txtAny->setText(typed);
    QTest::keyClick(dialog.txtAny, Qt::Key_Return);  // OK is the default button
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    if (mode == 0) {
      QCOMPARE(QString::fromStdString(f.options.DirName), stored);
      QCOMPARE(f.options.BrowserPath, std::string("old browser"));
    } else {
      QCOMPARE(QString::fromStdString(f.options.BrowserPath), stored);
      QCOMPARE(f.options.DirName, std::string("old folder"));
    }
  }

  void cancelDiscardsTheEdit_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("how");
    for (const int mode : {0, 1}) {
      for (const char* how : {"button", "Esc", "close box"}) {
        QTest::addRow("mode %d, %s", mode, how) << mode << how;
      }
    }
  }
  void cancelDiscardsTheEdit() {
    QFETCH(int, mode);
    QFETCH(QString, how);
    Fixture f;
    f.options.DirName = "old folder";
    f.options.BrowserPath = "old browser";
    frmSub1 dialog(mode, f.options, f.Services(), nullptr);
    dialog.show();
    dialog.txtAny->setText(QStringLiteral("new"));
    if (how == "button") {
      QTest::mouseClick(dialog.Command2_1, Qt::LeftButton);
    } else if (how == "Esc") {
      QTest::keyClick(dialog.txtAny, Qt::Key_Escape);
    } else {
      dialog.close();
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.options.DirName, std::string("old folder"));
    QCOMPARE(f.options.BrowserPath, std::string("old browser"));
  }

  void folderBrowseStart_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    PathRow("an existing folder", "C:\\Program Files\\Browser", "C:\\Program Files\\Browser");
    PathRow("blanks trimmed", "  D:\\  ", "D:\\");
    PathRow("a file", "browser.exe", "");
    PathRow("missing", "E:\\Nothing", "");
    PathRow("empty", "", "");
  }
  void folderBrowseStart() {
    QFETCH(QString, text);
    QFETCH(QString, start);
    QCOMPARE(QString::fromStdString(FolderBrowseStart(text.toStdString(), KindInFakeTree)), start);
  }

  void fileBrowseStart_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("start");
    const char* folder = "C:\\Program Files\\Browser\\";
    PathRow("the program's folder", "C:\\Program Files\\Browser\\browser.exe", folder);
    PathRow("blanks trimmed first", "  C:\\Program Files\\Browser\\browser.exe ", folder);
    PathRow("a missing file in an existing folder", "C:\\Program Files\\Browser\\gone.exe", folder);
    PathRow("a folder ending in its separator", folder, folder);
    PathRow("a missing folder part", "C:\\Gone\\browser.exe", "");
    PathRow("no folder part, a file", "browser.exe", "");
    PathRow("no folder part, but a folder", "Pictures", "Pictures");
    PathRow("a root", "D:\\browser.exe", "D:\\");
    PathRow("empty", "", "");
  }
  void fileBrowseStart() {
    QFETCH(QString, text);
    QFETCH(QString, start);
    QCOMPARE(QString::fromStdString(
                 FileBrowseStart(text.toStdString(), PathStyle::kWindows, KindInFakeTree)),
             start);
  }

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
    const QString program = "C:\\Program Files\\Browser\\browser.exe";
    const auto row = [](const char* name, int mode, const QString& typed, const QString& answer,
                        const QString& call, const QString& after) {
      QTest::newRow(name) << mode << typed << answer << call << after;
    };
    row("mode 0, an existing folder", 0, " D:\\ ", "D:\\Photos", folder + "D:\\", "D:\\Photos");
    row("mode 0, no folder: no preselection", 0, "E:\\Nothing", "D:\\Photos", folder, "D:\\Photos");
    row("mode 0, cancelled", 0, "E:\\Nothing", "", folder, "E:\\Nothing");
    row("mode 1, with a folder part", 1, program, "C:\\b.exe",
        file + "C:\\Program Files\\Browser\\", "C:\\b.exe");
    row("mode 1, without a folder part", 1, "browser.exe", "C:\\b.exe", file, "C:\\b.exe");
    row("mode 1, cancelled", 1, "browser.exe", "", file, "browser.exe");
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
    services.kind_of = KindInFakeTree;
    services.style = PathStyle::kWindows;
    frmSub1 dialog(mode, f.options, services, nullptr);
    dialog.txtAny->setText(typed);
    QTest::mouseClick(dialog.Command1, Qt::LeftButton);
    QCOMPARE(f.chooser.calls, QStringList{call});
    QCOMPARE(dialog.txtAny->text(), after);
    QCOMPARE(f.options.DirName, GalleryOptions().DirName);  // nothing stored before OK
  }

  void focusIsNotedAndTheTextSelected() {
    Fixture f;
    f.options.DirName = "/srv/gallery";
    frmSub1 dialog(0, f.options, f.Services(), nullptr);
    f.active.Track(&dialog);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(f.active.Handle(), &dialog);
    dialog.Command2_1->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.focus.LastFocusName, std::string("Command2(1)"));
    dialog.txtAny->deselect();
    dialog.txtAny->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.focus.LastFocusName, std::string("txtAny"));
    QCOMPARE(dialog.txtAny->selectedText(), QStringLiteral("/srv/gallery"));

    // A skipped select-all skips once, and the flag is clear for the next focus.
    dialog.Command1->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.focus.LastFocusName, std::string("Command1"));
    dialog.txtAny->deselect();
    f.focus.FocusByMouse = true;
    dialog.txtAny->setFocus(Qt::OtherFocusReason);
    QVERIFY(!dialog.txtAny->hasSelectedText());
    QVERIFY(!f.focus.FocusByMouse);
    dialog.Command2_0->setFocus(Qt::TabFocusReason);
    QCOMPARE(f.focus.LastFocusName, std::string("Command2(0)"));
    dialog.txtAny->setFocus(Qt::OtherFocusReason);
    QCOMPARE(dialog.txtAny->selectedText(), QStringLiteral("/srv/gallery"));

    // A press while the noted control is not the active one marks the next focus as the mouse's.
    dialog.Command2_0->setFocus(Qt::TabFocusReason);
    f.focus.LastFocusName = "cmbSearchDir";
    QTest::mousePress(dialog.txtAny, Qt::LeftButton);
    QTest::mouseRelease(dialog.txtAny, Qt::LeftButton);
    QCOMPARE(f.focus.LastFocusName, std::string("txtAny"));
    dialog.reject();
  }

  void fileChooserListsProgramsThenEverything() {
    if (NativePathStyle() != PathStyle::kPosix) {
      QSKIP("programs are listed by their execute permission on POSIX only");
    }
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    WriteFile(folder.filePath("browser"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WriteFile(folder.filePath("notes.txt"), QFile::ReadOwner | QFile::WriteOwner);
    WriteFile(folder.filePath("README"), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("plugins")));
    const auto dialog = MakeFileDialog(nullptr, BrowserFilters(), folder.path().toStdString());
    QCOMPARE(dialog->directory().absolutePath(), QDir(folder.path()).absolutePath());
    QCOMPARE(dialog->nameFilters().size(), 2);
    dialog->show();
    QTRY_COMPARE(ListedNames(*dialog), QStringList({"browser", "plugins"}));
    StepFilter(*dialog, Qt::Key_Down);
    QTRY_COMPARE(ListedNames(*dialog), QStringList({"README", "browser", "notes.txt", "plugins"}));
    StepFilter(*dialog, Qt::Key_Up);
    QTRY_COMPARE(ListedNames(*dialog), QStringList({"browser", "plugins"}));
    dialog->reject();
  }

  void choosersAnswerEmptyOnCancel_data() {
    QTest::addColumn<bool>("folder");
    QTest::newRow("folder") << true;
    QTest::newRow("file") << false;
  }
  void choosersAnswerEmptyOnCancel() {
    QFETCH(bool, folder);
    QTemporaryDir start;
    QtPathChooser chooser;
    QString shown_at;
    WhenModalShown<QFileDialog>([&shown_at](QFileDialog* dialog) {
      shown_at = dialog->directory().absolutePath();
      dialog->reject();
    });
    const std::string chosen =
        folder ? chooser.BrowseForFolder(nullptr, "title", start.path().toStdString())
               : chooser.ChooseFile(nullptr, BrowserFilters(), start.path().toStdString());
    QCOMPARE(chosen, std::string());
    QCOMPARE(shown_at, QDir(start.path()).absolutePath());
  }

  void folderChooserAnswersTheChosenFolder() {
    QTemporaryDir start;
    QVERIFY(QDir(start.path()).mkdir(QStringLiteral("Trip")));
    const QString trip = QDir(start.path()).absoluteFilePath(QStringLiteral("Trip"));
    QtPathChooser chooser;
    QString title;
    WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
      title = dialog->windowTitle();
      dialog->setDirectory(trip);
      static_cast<QDialog*>(dialog)->accept();
    });
    const std::string chosen = chooser.BrowseForFolder(
        nullptr, "出力するフォルダを選択してください。", start.path().toStdString());
    QCOMPARE(title, QStringLiteral("出力するフォルダを選択してください。"));
    QCOMPARE(QString::fromStdString(chosen), QDir::toNativeSeparators(trip));
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmSub1)
#include "tst_frm_sub1.moc"
