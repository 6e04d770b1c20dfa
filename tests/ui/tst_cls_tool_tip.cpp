#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "ui/cls_tool_tip.h"

namespace pictavue {
namespace {

// A mouse move over the target, as the window system would deliver it.
void MoveMouse(QWidget& target, const QPoint& pos) {
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(target.mapToGlobal(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &move);
}

QWidget* TipOf(const QWidget& target) {
  return target.findChild<QWidget*>(QStringLiteral("TipWindow"));
}

}  // namespace

class tst_clsToolTip : public QObject {
  Q_OBJECT

 private slots:
  // Each tool shows its own text after the delay, one rectangle each; a press hides it.
  void tipShowsOverItsToolAfterTheDelay() {
    QWidget target;
    target.resize(200, 100);
    target.show();
    clsToolTip tip;
    QVERIFY(!tip.mToolAdd(1, "before mCreate"));
    QVERIFY(tip.mCreate(&target));
    QVERIFY(!tip.mCreate(&target));
    QVERIFY(tip.mToolAdd(1, "one line", 0, 0, 100, 100));
    QVERIFY(tip.mToolAdd(2, "two\r\nlines", 100, 0, 100, 100));
    QWidget* window = TipOf(target);
    const int line = window->fontMetrics().lineSpacing();

    MoveMouse(target, QPoint(150, 50));
    QVERIFY(!window->isVisible());  // not before the delay
    QTRY_VERIFY(window->isVisible());
    QVERIFY(window->height() >= 2 * line && window->height() < 3 * line);
    QVERIFY(window->pos().y() > target.mapToGlobal(QPoint(150, 50)).y());  // below the pointer

    MoveMouse(target, QPoint(20, 50));
    QTRY_VERIFY(window->isVisible() && window->height() < 2 * line);
    QTest::mousePress(&target, Qt::LeftButton, Qt::NoModifier, QPoint(20, 50));
    QVERIFY(!window->isVisible());
  }

  void theWindowGoesWithTheTarget() {
    clsToolTip tip;
    auto* doomed = new QWidget;
    QVERIFY(tip.mCreate(doomed));
    QPointer<QWidget> window = TipOf(*doomed);
    QVERIFY(window);
    delete doomed;
    QVERIFY(!window);
    QVERIFY(!tip.mToolAdd(2, "text"));
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_clsToolTip)
#include "tst_cls_tool_tip.moc"
