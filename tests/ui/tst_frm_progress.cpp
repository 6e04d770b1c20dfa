#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/qt_helpers.h"
#include "ui/active_window.h"
#include "ui/frm_progress.h"
#include "ui/progress_runner.h"

namespace pictavue {

// Every wait here is on an event (QTRY_, a zero timer), never a fixed sleep: the machine that
// runs the tests may be loaded.
class tst_frmProgress : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    QVERIFY2(testing::OpenTopLevelWindows().isEmpty(), qPrintable(testing::OpenTopLevelWindows()));
  }

  // Modal over its owner, the activated window while it is up, started half a second after it
  // is shown; what the run sets reaches it, and the next run gets a fresh window.
  void eachRunInAFreshModalWindow() {
    QWidget owner;
    owner.setObjectName(QStringLiteral("owner"));
    ActiveWindow active;
    active.Track(&owner);
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    ProgressRunner runner(active, &owner);
    QElapsedTimer since_asked;
    since_asked.start();
    QPointer<frmProgress> first;
    runner.RunModal([&] {
      QVERIFY(since_asked.elapsed() >= frmProgress::kStartDelayMs);
      first = runner.Window();
      QVERIFY(first->isModal() && first->parentWidget() == &owner);
      QTRY_VERIFY(active.Handle() == first);
      runner.SetStatus("ソート中...");
      runner.SetProgressRange(0, 5);
      runner.SetProgressValue(3);
      runner.ProcessEvents();
      QCOMPARE(first->lblStatus->text(), QStringLiteral("ソート中..."));
      QCOMPARE(first->ProgressBar1->value(), 3);
    });
    QVERIFY(first.isNull());
    QCOMPARE(active.Handle(), &owner);
    runner.RunModal([&] {
      QCOMPARE(runner.Window()->lblStatus->text(), QString());
      QCOMPARE(runner.Window()->ProgressBar1->value(), 0);
    });
    QCOMPARE(runner.Window(), nullptr);
  }

  // Esc is pressed on a real X server (tests/x11). "early" asks before the run has started: its
  // first poll must see it.
  void cancel_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"button", "Enter on the default button", "close box", "early"}) {
      QTest::newRow(how) << QString(how);
    }
  }
  void cancel() {
    QFETCH(QString, how);
    ActiveWindow active;
    ProgressRunner runner(active);
    const auto ask = [&runner, how] {
      frmProgress* window = runner.Window();
      if (how == "close box") {
        window->close();
      } else if (how.startsWith("Enter")) {
        QTest::keyClick(window, Qt::Key_Return);
      } else {
        QTest::mouseClick(window->Command1, Qt::LeftButton);
      }
    };
    bool first_answer = false;
    bool cancelled = false;
    bool open_after_request = false;
    if (how == "early") {
      QTimer::singleShot(0, ask);  // runs once the window is up, well before its start timer
    }
    runner.RunModal([&] {
      first_answer = runner.YieldEvents();
      if (how != "early") {
        QTimer::singleShot(0, runner.Window(), ask);
      }
      QTRY_VERIFY_WITH_TIMEOUT((cancelled = runner.YieldEvents()), 10000);
      // The window waits for the run to come back, whatever asked it to go.
      open_after_request = runner.Window()->isVisible();
    });
    QCOMPARE(first_answer, how == "early");
    QVERIFY(cancelled && open_after_request);
    runner.RunModal([&] { cancelled = runner.YieldEvents(); });
    QVERIFY2(!cancelled, "the next run starts without the old cancel");
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmProgress)
#include "tst_frm_progress.moc"
