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
namespace {

using testing::OpenTopLevelWindows;
using testing::WhenModalShown;

// Yields until the run is told to cancel, or until the time is up.
bool YieldUntilCancelled(ProgressRunner& runner, int timeout_ms = 5000) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < timeout_ms) {
    if (runner.YieldEvents()) {
      return true;
    }
  }
  return false;
}

}  // namespace

class tst_frmProgress : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

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

  void cancel_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("Enter on the default button") << "enter";
    QTest::newRow("close box or Alt+F4") << "close";
  }
  void cancel() {
    QFETCH(QString, how);
    ActiveWindow active;
    ProgressRunner runner(active);
    bool cancelled = false;
    bool open_after_request = false;
    runner.RunModal([&] {
      frmProgress* window = runner.Window();
      QVERIFY(!runner.YieldEvents());
      QTimer::singleShot(20, window, [window, how] {
        if (how == "button") {
          QTest::mouseClick(window->Command1, Qt::LeftButton);
        } else if (how == "escape") {
          QTest::keyClick(window, Qt::Key_Escape);
        } else if (how == "enter") {
          QTest::keyClick(window, Qt::Key_Return);
        } else {
          window->close();
        }
      });
      cancelled = YieldUntilCancelled(runner);
      // The window waits for the run to come back, whatever asked it to go.
      open_after_request = window->isVisible();
    });
    QVERIFY(cancelled);
    QVERIFY(open_after_request);
    // The next run starts without the old cancel.
    runner.RunModal([&] { cancelled = runner.YieldEvents(); });
    QVERIFY(!cancelled);
  }

  void cancelBeforeTheRunStartsReachesItsFirstPoll() {
    ActiveWindow active;
    ProgressRunner runner(active);
    WhenModalShown<frmProgress>([](frmProgress* window) { window->Command1->click(); });
    bool first_answer = false;
    runner.RunModal([&] { first_answer = runner.YieldEvents(); });
    QVERIFY(first_answer);
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmProgress)
#include "tst_frm_progress.moc"
