#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/qt_helpers.h"
#include "ui/active_window.h"
#include "ui/frm_progress.h"
#include "ui/progress_runner.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;
using testing::Tr;
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

  void windowIsModalOverItsOwnerWithItsTexts() {
    QWidget owner;
    owner.show();
    ActiveWindow active;
    ProgressRunner runner(active, &owner);
    bool ran = false;
    runner.RunModal([&] {
      ran = true;
      frmProgress* window = runner.Window();
      QVERIFY(window != nullptr && window->isVisible() && window->isModal());
      QCOMPARE(window->parentWidget(), &owner);
      QCOMPARE(window->windowTitle(), QStringLiteral("Pictavue"));
      QCOMPARE(window->Command1->text(), Tr("frmProgress", "ｷｬﾝｾﾙ"));
    });
    QVERIFY(ran);
    QCOMPARE(runner.Window(), nullptr);
  }

  void runStartsHalfASecondAfterTheWindowIsShown() {
    ActiveWindow active;
    ProgressRunner runner(active);
    QElapsedTimer since_asked;
    since_asked.start();
    qint64 delay = -1;
    runner.RunModal([&] { delay = since_asked.elapsed(); });
    QVERIFY2(delay >= frmProgress::kStartDelayMs, qPrintable(QString::number(delay)));
  }

  void everyRunGetsAFreshWindow() {
    ActiveWindow active;
    ProgressRunner runner(active);
    QPointer<frmProgress> first;
    runner.RunModal([&] {
      first = runner.Window();
      runner.SetStatus("ソート中...");
      runner.SetProgressRange(0, 5);
      runner.SetProgressValue(3);
      runner.ProcessEvents();
    });
    QVERIFY(first.isNull());
    runner.RunModal([&] {
      QVERIFY(runner.Window() != nullptr);
      QCOMPARE(runner.Window()->lblStatus->text(), QString());
      QCOMPARE(runner.Window()->ProgressBar1->value(), 0);
      QVERIFY(!runner.YieldEvents());
    });
  }

  void outsideARunNothingHappens() {
    ActiveWindow active;
    ProgressRunner runner(active);
    runner.SetStatus("ソート中...");
    runner.SetProgressRange(0, 3);
    runner.SetProgressValue(2);
    QVERIFY(!runner.YieldEvents());
    runner.ProcessEvents();
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
      QVERIFY(runner.YieldEvents());
    });
    QVERIFY(cancelled);
    QVERIFY(open_after_request);
    QCOMPARE(runner.Window(), nullptr);
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

  void eventsRunAtMostOncePerInterval() {
    ActiveWindow active;
    ProgressRunner runner(active);
    int passes = 0;
    qint64 elapsed = 0;
    runner.RunModal([&] {
      QTimer every_pass;
      connect(&every_pass, &QTimer::timeout, [&passes] { ++passes; });
      every_pass.start(0);
      QElapsedTimer clock;
      clock.start();
      while (clock.elapsed() < 20 * ProgressRunner::kEventIntervalMs) {
        QVERIFY(!runner.YieldEvents());
      }
      elapsed = clock.elapsed();
    });
    const qint64 most = elapsed / ProgressRunner::kEventIntervalMs + 2;
    QVERIFY2(passes <= most, qPrintable(QStringLiteral("%1 > %2").arg(passes).arg(most)));
    // ... and still often enough to keep the window responsive.
    QVERIFY2(passes >= most / 2, qPrintable(QStringLiteral("%1 < %2").arg(passes).arg(most / 2)));
  }

  void theWindowIsActiveWindowHandleWhileItIsUp() {
    QWidget owner;
    owner.setObjectName(QStringLiteral("owner"));
    ActiveWindow active;
    active.Track(&owner);
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    QCOMPARE(active.Handle(), &owner);
    ProgressRunner runner(active, &owner);
    QWidget* during = nullptr;
    runner.RunModal([&] {
      QTRY_VERIFY(active.Handle() == runner.Window());
      during = active.Handle();
    });
    QVERIFY(during != nullptr);
    QCOMPARE(active.Handle(), &owner);
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmProgress)
#include "tst_frm_progress.moc"
