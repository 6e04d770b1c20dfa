#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/active_window.h"
#include "ui/frm_progress.h"
#include "ui/progress_runner.h"

namespace pictavue {

// Every wait here is on an event (QTRY_, a zero timer), never a fixed sleep: the machine that
// runs the tests may be loaded.
class tst_frmProgress : public QObject {
  Q_OBJECT

 private slots:
  // Modal over its owner and the active window while it is up; the run starts no sooner than
  // the delay after the window shows, and the bar shows its value at the next events. However
  // the user asks it to go, the window waits for the run; the next run starts without the old
  // cancel. "early" asks before the run has started: its first poll must see it. Esc is pressed
  // on a real X server (tests/x11).
  void eachRunInAFreshWindowThatWaitsForIt() {
    for (const QString how : {"button", "close box", "early"}) {
      QWidget owner;
      ActiveWindow active;
      active.Track(&owner);
      owner.show();
      ProgressRunner runner(active, &owner);
      const auto ask = [&runner, how] {
        if (how == "close box") {
          runner.Window()->close();
        } else {
          QTest::mouseClick(runner.Window()->Command1, Qt::LeftButton);
        }
      };
      if (how == "early") {
        QTimer::singleShot(0, ask);  // once the window is up, well before its start timer
      }
      const QDeadlineTimer start_due(frmProgress::kStartDelayMs);
      QPointer<frmProgress> window;
      bool first_answer = false;
      bool cancelled = false;
      runner.RunModal([&] {
        QVERIFY(start_due.hasExpired());
        window = runner.Window();
        QVERIFY(window->isModal() && window->parentWidget() == &owner);
        QTRY_VERIFY(active.Handle() == window);
        first_answer = runner.YieldEvents();
        runner.SetProgressRange(0, 5);
        runner.SetProgressValue(3);
        runner.ProcessEvents();
        QCOMPARE(window->ProgressBar1->value(), 3);
        QTimer::singleShot(0, window, ask);
        QTRY_VERIFY_WITH_TIMEOUT((cancelled = runner.YieldEvents()), 10000);
        QVERIFY(window->isVisible());
      });
      QVERIFY2(first_answer == (how == "early") && cancelled && window.isNull(), qPrintable(how));
      QCOMPARE(active.Handle(), &owner);
      runner.RunModal([&] { cancelled = runner.YieldEvents(); });
      QVERIFY2(!cancelled, "the next run starts without the old cancel");
    }
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmProgress)
#include "tst_frm_progress.moc"
