#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/active_window.h"
#include "ui/frm_main.h"
#include "ui/qt_front_end.h"

namespace pictavue {
namespace {

// Answers the next modal box by a key press, once it is up.
void PressWhenShown(Qt::Key key) {
  QTimer::singleShot(0, [key] {
    QWidget* box = QApplication::activeModalWidget();
    if (box != nullptr) {
      QTest::keyClick(box, key);
    }
  });
}

}  // namespace

class tst_QtFrontEnd : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
      QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
  }

  void enterPressesTheStylesDefaultButton() {
    frmMain window(MainWindowSetup{});
    window.show();
    ActiveWindow active;
    QtFrontEnd front_end(window, active);
    PressWhenShown(Qt::Key_Return);
    QCOMPARE(ShowMessage(front_end, "上書きしますか？", kStyleQuestionDefaultNo), kButtonNo);
    PressWhenShown(Qt::Key_Return);
    QCOMPARE(ShowMessage(front_end, "作成されたHTMLを開きますか？", kStyleQuestion), kButtonYes);
    PressWhenShown(Qt::Key_Return);
    QCOMPARE(ShowMessage(front_end, "message", kStyleWarning), kButtonOk);
  }

  void boxCarriesTheTitleAndText() {
    frmMain window(MainWindowSetup{});
    window.show();
    ActiveWindow active;
    QtFrontEnd front_end(window, active);
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box != nullptr) {
        title = box->windowTitle();
        text = box->text();
        box->accept();
      }
    });
    static_cast<void>(
        ShowMessage(front_end, "出力ファイル名が入力されていません。", kStyleWarning));
    QCOMPARE(title, QString("Pictavue"));
    QCOMPARE(text, QString("出力ファイル名が入力されていません。"));
  }

  void pointAtIsTheWindows() {
    frmMain window(MainWindowSetup{});
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ActiveWindow active;
    QtFrontEnd front_end(window, active);
    front_end.PointAt(3, ControlId::txtDelay, FocusAction::kFocus);
    QCOMPARE(window.SelectedTab(), 3);
    QCOMPARE(QApplication::focusWidget(), window.Control(ControlId::txtDelay));
  }

  void runInTheModalProgressWindow() {
    frmMain window(MainWindowSetup{});
    window.show();
    ActiveWindow active;
    QtFrontEnd front_end(window, active);
    bool ran = false;
    bool cancelled_before = true;
    bool cancelled_after = false;
    QString status;
    int value = -1;
    front_end.RunModal([&] {
      ran = true;
      auto* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr && dialog->isVisible());
      front_end.SetStatus("ファイル情報収集中...");
      front_end.SetProgressRange(0, 10);
      front_end.SetProgressValue(4);
      cancelled_before = front_end.YieldEvents();
      status = dialog->findChild<QLabel*>("lblStatus")->text();
      value = dialog->findChild<QProgressBar*>("ProgressBar1")->value();
      dialog->findChild<QPushButton*>("Command1")->click();
      cancelled_after = front_end.YieldEvents();
    });
    QVERIFY(ran);
    QCOMPARE(status, QString("ファイル情報収集中..."));
    QCOMPARE(value, 4);
    QVERIFY(!cancelled_before);
    QVERIFY(cancelled_after);
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    // A new run starts without the old cancel.
    bool cancelled = true;
    front_end.RunModal([&] { cancelled = front_end.YieldEvents(); });
    QVERIFY(!cancelled);
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_QtFrontEnd)
#include "tst_qt_front_end.moc"
