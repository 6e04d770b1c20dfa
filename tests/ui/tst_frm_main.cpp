// The main window offscreen: what a real X server adds (focus, keys, access keys, runs, restarts)
// is in tests/x11, and the rules the window applies are pure functions in tests/ui_rules. Here:
// that each rule reaches the widgets, and what only widgets show.

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <memory>
#include <string>

#include "settings/settings_file.h"
#include "support/data_table.h"
#include "support/qt_helpers.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;
using testing::ReadTable;
using testing::Row;
using testing::Tr;

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
  int create_count_ = 0;

  // A window as start-up leaves it: loaded, shown and active.
  frmMain& Open(const GalleryOptions& options = {}) {
    MainWindowSetup setup;
    setup.png_plugin_name = "PNG plug-in";
    window_ = std::make_unique<frmMain>(setup);
    create_count_ = 0;
    MainWindowActions actions;
    actions.create = [this] { ++create_count_; };
    window_->SetActions(actions);
    window_->LoadSettings(options, FolderHistory());
    window_->show();
    window_->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
  }

  template <typename Widget = QWidget>
  Widget* Get(const QString& name) const {
    return window_->findChild<Widget*>(name);
  }

  // A click on a check box's or option button's caption, wherever the layout stretched it to.
  void Click(const QString& name) const {
    QWidget* widget = Get(name);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(6, widget->height() / 2));
  }

 private slots:
  void cleanup() {
    window_.reset();
    QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows()));
  }

  // The output folder the dialog sets is the tooltip of its controls.
  void iconPlugInAndOutputFolder() {
    QVERIFY(!Open().findChild<QLabel*>("Image1")->pixmap().isNull());
    QVERIFY(Get("chkPNG")->isEnabled());
    window_->SetOutputFolder("/srv/new");
    for (const char* name : {"cmbOutputDir", "Frame6", "picXpStyle(3)"}) {
      QCOMPARE(Get(name)->toolTip(), QString("/srv/new"));
    }
    frmMain without_png(MainWindowSetup{});
    QVERIFY(!without_png.findChild<QWidget*>("chkPNG")->isEnabled());
  }

  void triggersRunTheirRules() {
    for (const Row& row : ReadTable("ui/main_window_triggers.tsv")) {
      Open();
      window_->SelectTab(row.Int(0));
      for (const QString& action : QString::fromStdString(row[1]).split(' ')) {
        const QStringList picked = action.split('=');
        const QStringList typed = action.split(':');
        if (picked.size() == 2) {
          auto* combo = Get<QComboBox>(picked[0]);
          combo->setCurrentIndex(picked[1].toInt());
          emit combo->activated(picked[1].toInt());
        } else if (typed.size() == 2) {
          QTest::keyClicks(Get<QComboBox>(typed[0])->lineEdit(), typed[1]);
        } else {
          Click(action);
        }
      }
      QStringList seen;
      for (const QString& item : QString::fromStdString(row[2]).split(' ')) {
        if (item.startsWith("lblExt=")) {
          seen << "lblExt=" + Get<QLabel>("lblExt")->text();
        } else {
          seen << (Get(item.mid(1))->isEnabled() ? "+" : "-") + item.mid(1);
        }
      }
      QCOMPARE(seen.join(' '), QString::fromStdString(row[2]));
    }
  }

  // In the test's language: the _en run sees English where the code holds Japanese.
  void textsInTheTestsLanguage() {
    Open();
    for (const Row& row : ReadTable("ui/main_window_texts.tsv")) {
      QWidget* widget = Get(QString::fromStdString(row[0]));
      QString shown =
          widget->property(qobject_cast<QGroupBox*>(widget) ? "title" : "text").toString();
      if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        shown = tabs->tabText(tabs->count() - 1);
      } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        shown = list->itemText(list->count() - 1);
      }
      QCOMPARE(shown, Tr("frmMain", row[1].c_str()));
      QCOMPARE(widget->toolTip(), Tr("frmMain", row[2].c_str()));
    }
  }

  // The focus that Qt gives a box before a click's press leaves the caret where the user
  // clicked; the next focus by program selects again (tabbing in: tests/x11).
  void aClickSkipsTheSelectAllOnce() {
    Open();
    window_->SelectTab(2);
    auto* email = Get<QLineEdit>("txtEmail");
    email->setText("taro@example.org");
    email->setFocus(Qt::MouseFocusReason);
    QVERIFY(email->hasFocus() && !email->hasSelectedText());
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

  // Every setting the window is given comes back out of it, as the close saves it, also states
  // a click cannot make: no size option (the file says Width=False), a dimmed box. Those last
  // until the user clicks; then they follow the clicks like any other.
  void everySettingComesBack() {
    const auto saved = [](const GalleryOptions& options) {
      ProfileFile file = ProfileFile::Parse("");
      SaveSettings(options, FolderHistory(), CodePage("UTF-8"), file);
      return QString::fromStdString(file.Serialize());
    };
    GalleryOptions options =
        LoadSettings(ProfileFile::Parse(testing::DataFile("ui/every_setting.ini")),
                     CodePage("UTF-8"), "", PathStyle::kPosix)
            .options;
    QVERIFY(saved(options) != saved(GalleryOptions()));
    QCOMPARE(saved(Open(options).ReadOptions()), saved(options));
    options.Height = false;
    QCOMPARE(saved(Open(options).ReadOptions()), saved(options));
    Click("optThumb(1)");
    Click("optThumb(0)");
    window_->SelectTab(4);
    for (int click = 0; click < 3; ++click) {
      Click("chkSameSize");
    }
    const GalleryOptions read = window_->ReadOptions();
    QVERIFY(read.Width && !read.Height && !read.Longer);
    QCOMPARE(read.SameSize, kChecked);  // never dimmed again
  }

  // A folder dropped is taken; what follows it is not (the rule: tests/ui_rules).
  void drops() {
    const testing::TempFolder temp;
    const std::string folder = temp.MakeFolder("Photos");
    const std::string file = temp.WriteFile("Photos/a.jpg", "x");
    const std::string trashed = temp.MakeFolder(".local/share/Trash/files/Trip");
    Open();
    QWidget* target = Get<QComboBox>("cmbSearchDir")->lineEdit();
    for (const std::string& path : {folder, trashed, file, temp.Path("missing")}) {
      QMimeData mime;
      mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
      Drop(target, mime);
      QCOMPARE(window_->SearchFolderText(), folder);
    }
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmMain)
#include "tst_frm_main.moc"
