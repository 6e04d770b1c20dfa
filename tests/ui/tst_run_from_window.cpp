// A whole run request from the windows' side: the checks, the run in the progress window, the
// boxes it shows, and what follows, with the real run on real files.

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include "generate/generation_run.h"
#include "platform/collation.h"
#include "request/request_run.h"
#include "request/session.h"
#include "support/fakes.h"
#include "support/qt_helpers.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"
#include "ui/active_window.h"
#include "ui/frm_main.h"
#include "ui/frm_progress.h"
#include "ui/qt_front_end.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;
using testing::TempFolder;
using testing::WhenModalShown;

// The program's front end over its main window, watched: at every yield the test may act on
// the progress window first; afterwards it samples what the window shows.
class WatchedFrontEnd final : public FrontEnd {
 public:
  WatchedFrontEnd(frmMain& window, ActiveWindow& active) : front_end_(window, active) {}

  std::function<void(frmProgress&)> at_yield;
  QStringList statuses;  // each status the window showed, once, in order
  int highest_value = 0;
  int highest_maximum = 0;
  int boxes = 0;

  int ShowMessageBox(const std::string& prompt, int style, const std::string& title) override {
    ++boxes;
    return front_end_.ShowMessageBox(prompt, style, title);
  }
  void PointAt(int tab_page, ControlId control, FocusAction action) override {
    front_end_.PointAt(tab_page, control, action);
  }
  void SetStatus(const std::string& text) override { front_end_.SetStatus(text); }
  void RunModal(const std::function<void()>& run) override { front_end_.RunModal(run); }
  void ProcessEvents() override { front_end_.ProcessEvents(); }
  void SetProgressRange(int min, int max) override { front_end_.SetProgressRange(min, max); }
  void SetProgressValue(int value) override { front_end_.SetProgressValue(value); }
  bool YieldEvents() override {
    auto* window = qobject_cast<frmProgress*>(QApplication::activeModalWidget());
    if (window != nullptr && at_yield) {
      at_yield(*window);
    }
    const bool cancel = front_end_.YieldEvents();
    if (window != nullptr) {
      const QString status = window->lblStatus->text();
      if (statuses.isEmpty() || statuses.back() != status) {
        statuses << status;
      }
      highest_value = std::max(highest_value, window->ProgressBar1->value());
      highest_maximum = std::max(highest_maximum, window->ProgressBar1->maximum());
    }
    return cancel;
  }

 private:
  QtFrontEnd front_end_;
};

// The program's generation run, on the real file system.
class Fixture : public GalleryRun {
 public:
  Fixture() {
    active.Track(&window);
    window.show();
    folder.MakeFolder("pictures");
    session.options.SearchDir = folder.Path("pictures");
    session.options.GIF = kChecked;
    session.options.JPEG = kUnchecked;
    session.options.OutputDir = kOutputDirChosen;
    session.options.DirName = folder.MakeFolder("out");
  }

  void AddPictures(int count, int folders) {
    for (int i = 0; i < count; ++i) {
      folder.WriteFile(
          "pictures/album" + std::to_string(i % folders) + "/p" + std::to_string(i) + ".gif",
          testing::MakeGif(40 + i % 7, 30));
    }
  }

  RequestResult Request() { return RequestRun(session, front_end, *this, launcher); }

  void Run(RunState& state, FrontEnd& run_front_end) override {
    const RunEnvironment environment{.lister = *lister,
                                     .plugins = session.plugins,
                                     .loader = *loader,
                                     .collation = collation,
                                     .code_page = code_page,
                                     .write_file = write_file,
                                     .default_output_folder = folder.Path("out"),
                                     .home_address = "file:///opt/pictavue/docs/index.html"};
    RunGeneration(environment, session.options, state, run_front_end);
  }

  TempFolder folder;
  Session session;
  frmMain window{MainWindowSetup{}};
  ActiveWindow active;
  WatchedFrontEnd front_end{window, active};
  testing::FakeLauncher launcher;
  FileWriter write_file = WritePageFile;

 private:
  std::unique_ptr<DirectoryLister> lister = MakeSystemDirectoryLister();
  std::unique_ptr<PictureLoader> loader = MakePictureLoader();
  Collation collation = Collation::ForUserLocale();
  CodePage code_page{"UTF-8"};
};

struct SeenBox {
  int icon = -1;
  QString title;
  QString text;
  QStringList buttons;
  bool over_progress_window = false;
};

// Looks at the next box once it is up and presses its only button.
void SeeNextBox(SeenBox& seen) {
  WhenModalShown<QMessageBox>([&seen](QMessageBox* box) {
    seen.icon = box->icon();
    seen.title = box->windowTitle();
    seen.text = box->text();
    for (const QAbstractButton* button : box->buttons()) {
      seen.buttons << button->text();
    }
    seen.over_progress_window = qobject_cast<frmProgress*>(box->parentWidget()) != nullptr;
    box->buttons().front()->click();
  });
}

}  // namespace

class tst_RunFromWindow : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  void aRunShowsEachPhaseMovesTheBarAndOpensThePage() {
    Fixture f;
    f.AddPictures(400, 4);
    // Measuring as slowly as large pictures on a slow disk would, so that the window's events
    // run many times while the bar moves.
    f.front_end.at_yield = [](frmProgress& window) {
      if (window.lblStatus->text() == QString::fromUtf8(kStatusMeasuring.text)) {
        QThread::msleep(1);
      }
    };
    const RequestResult result = f.Request();
    QCOMPARE(int(result.outcome), int(RequestOutcome::kPagesWritten));
    QCOMPARE(f.front_end.statuses, QStringList({"ファイル情報収集中...", "画像情報調査中...",
                                                "ソート中...", "ＨＴＭＬ生成中..."}));
    QCOMPARE(f.front_end.highest_maximum, 400);
    QVERIFY(f.front_end.highest_value > 0);
    QCOMPARE(f.front_end.boxes, 0);
    const QString page = QString::fromStdString(f.folder.Path("out/Pictavue001.htm"));
    QCOMPARE(f.launcher.calls, std::vector<std::string>{"open " + page.toStdString()});
    QCOMPARE(f.session.history.size(), std::size_t{1});
  }

  void cancel_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("phase");
    const QString measuring = "画像情報調査中...";
    QTest::newRow("button, while measuring") << "button" << measuring;
    QTest::newRow("Esc, while measuring") << "escape" << measuring;
    QTest::newRow("close box, while measuring") << "close" << measuring;
    QTest::newRow("button, while collecting") << "button"
                                              << "ファイル情報収集中...";
    QTest::newRow("close box, while writing") << "close"
                                              << "ＨＴＭＬ生成中...";
  }
  void cancel() {
    QFETCH(QString, how);
    QFETCH(QString, phase);
    Fixture f;
    f.AddPictures(60, 2);
    f.session.options.IPP = 0;  // 20 a page: the run yields between pages
    bool asked = false;
    f.front_end.at_yield = [&](frmProgress& window) {
      if (asked || window.lblStatus->text() != phase) {
        return;
      }
      asked = true;
      if (how == "button") {
        QTest::mouseClick(window.Command1, Qt::LeftButton);
      } else if (how == "escape") {
        QTest::keyClick(&window, Qt::Key_Escape);
      } else {
        window.close();
      }
    };
    const RequestResult result = f.Request();
    QVERIFY(asked);
    QCOMPARE(int(result.outcome), int(RequestOutcome::kCancelled));
    QCOMPARE(f.front_end.statuses.back(), phase);
    QCOMPARE(f.front_end.boxes, 0);
    QVERIFY(f.launcher.calls.empty());
    QVERIFY(f.session.history.empty());
  }

  void aRunThatEndsWithABoxOpensNothing_data() {
    QTest::addColumn<bool>("disk_full");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    QTest::newRow("no pictures") << false << int(RequestOutcome::kNothingFound)
                                 << int(QMessageBox::Warning)
                                 << "指定されたフォルダには画像ファイルが存在しません。";
    QTest::newRow("a failed page")
        << true << int(RequestOutcome::kAborted) << int(QMessageBox::Critical)
        << "次の理由により処理を中止します。\n\nデバイスに空き領域がありません";
  }
  void aRunThatEndsWithABoxOpensNothing() {
    QFETCH(bool, disk_full);
    QFETCH(int, outcome);
    QFETCH(int, icon);
    QFETCH(QString, text);
    Fixture f;
    if (disk_full) {
      f.AddPictures(5, 1);
      f.write_file = [](const std::string&, std::string_view) {
        return Status::Failure("デバイスに空き領域がありません");
      };
    } else {
      f.folder.WriteFile("pictures/notes.txt", "no pictures here");
    }
    SeenBox seen;
    SeeNextBox(seen);
    QCOMPARE(int(f.Request().outcome), outcome);
    QCOMPARE(seen.icon, icon);
    QCOMPARE(seen.title, QStringLiteral("Pictavue"));
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.buttons, QStringList{"OK"});
    QVERIFY(seen.over_progress_window);
    QVERIFY(f.launcher.calls.empty());
    QVERIFY(f.session.history.empty());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_RunFromWindow)
#include "tst_run_from_window.moc"
