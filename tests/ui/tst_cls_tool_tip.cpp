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

}  // namespace

class tst_clsToolTip : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
      QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }
  }

  void makeLong_data() {
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("1, 2") << 1 << 2 << qint64{65538};
    QTest::newRow("delay setters pass the time") << 0 << 1500 << qint64{1500};
    QTest::newRow("40000, 0 turns negative") << 40000 << 0 << qint64{40000} * 65536 - 4294967296;
    QTest::newRow("low is not masked") << 1 << 70000 << qint64{65536 + 70000};
    QTest::newRow("negative low borrows from high") << 2 << -5 << qint64{2 * 65536 - 5};
    QTest::newRow("32767, 65535 is the largest") << 32767 << 65535 << qint64{2147483647};
    QTest::newRow("beyond 32 bits wraps") << 100000 << 0 << qint64{100000} * 65536 - 2 * 4294967296;
  }
  void makeLong() {
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(qint64, expected);
    QCOMPARE(qint64{MakeLong(high, low)}, expected);
  }

  void createBindsOnce() {
    QWidget first;
    QWidget second;
    clsToolTip tip;
    QCOMPARE(tip.phWnd(), nullptr);
    QVERIFY(tip.mCreate(&first));
    QWidget* const window = tip.phWnd();
    QVERIFY(window != nullptr);
    QVERIFY(!tip.mCreate(&second));
    QCOMPARE(tip.phWnd(), window);
    QVERIFY(tip.mToolAdd(1, "a"));
    first.resize(80, 30);
    second.resize(200, 100);
    QCOMPARE(tip.pToolWidth(1), 80);  // still the first target's client area

    clsToolTip unbound;
    QVERIFY(!unbound.mCreate(nullptr));
  }

  void membersBeforeCreateHaveNoEffect() {
    clsToolTip tip;
    QVERIFY(!tip.mToolAdd(1, "a"));
    tip.pMaxWidth(200);
    tip.pForeColor(0x0000FF);
    tip.pInitialTime(10);
    tip.pMarginLeft(3);
    tip.pToolTrack(1, true);
    tip.mPop();
    QCOMPARE(tip.pToolCount(), 0);
    QCOMPARE(tip.pMaxWidth(), 0);
    QCOMPARE(tip.pForeColor(), 0);
    QCOMPARE(tip.pInitialTime(), 0);
    QCOMPARE(tip.pMarginLeft(), 0);
  }

  void toolRectangles_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("all 0: the client area") << 0 << 0 << 0 << 0 << QRect(0, 0, 120, 40);
    QTest::newRow("top alone does not count") << 0 << 10 << 0 << 0 << QRect(0, 0, 120, 40);
    QTest::newRow("a rectangle") << 5 << 6 << 7 << 8 << QRect(5, 6, 8, 7);
    QTest::newRow("width alone makes one") << 0 << 0 << 0 << 30 << QRect(0, 0, 30, 0);
  }
  void toolRectangles() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(QRect, expected);
    QWidget target;
    target.resize(120, 40);
    clsToolTip tip;
    QVERIFY(tip.mCreate(&target));
    QVERIFY(tip.mToolAdd(1, "text", left, top, height, width));
    QCOMPARE(QRect(tip.pToolLeft(1), tip.pToolTop(1), tip.pToolWidth(1), tip.pToolHeight(1)),
             expected);
  }

  void wholeClientToolFollowsTheTarget() {
    QWidget target;
    target.resize(120, 40);
    clsToolTip tip;
    QVERIFY(tip.mCreate(&target));
    QVERIFY(tip.mToolAdd(1, "text"));
    target.resize(300, 25);  // layouts size widgets after they were created
    QCOMPARE(tip.pToolWidth(1), 300);
    QCOMPARE(tip.pToolHeight(1), 25);
  }

  void toolsByKey() {
    QWidget target;
    clsToolTip tip;
    QVERIFY(tip.mCreate(&target));
    QVERIFY(tip.mToolAdd(1, "one"));
    QVERIFY(tip.mToolAdd(2, "two", 0, 0, 5, 5));
    QCOMPARE(tip.pToolCount(), 2);
    QVERIFY(tip.mToolAdd(1, "one again"));  // the text set last is the one shown
    QCOMPARE(tip.pToolCount(), 2);
    QCOMPARE(tip.ToolText(1), QString("one again"));
    tip.pToolText(2, "second");
    QCOMPARE(tip.ToolText(2), QString("second"));
    tip.pToolText(3, "nobody");
    QCOMPARE(tip.pToolCount(), 2);
    tip.mToolRemove(1);
    QCOMPARE(tip.pToolCount(), 1);
    QCOMPARE(tip.ToolText(1), QString());
  }

  // The other delays follow the initial one until set, and again after -1.
  void delaysFollowTheInitialTime() {
    QWidget target;
    clsToolTip tip;
    QVERIFY(tip.mCreate(&target));
    const int initial = tip.pInitialTime();
    QVERIFY(initial > 0);
    QCOMPARE(tip.pAutoPopTime(), initial * 10);
    QCOMPARE(tip.pReShowTime(), initial / 5);
    tip.pAutoPopTime(1234);
    QCOMPARE(tip.pAutoPopTime(), 1234);
    tip.pAutoPopTime(-1);
    QCOMPARE(tip.pAutoPopTime(), initial * 10);
    QCOMPARE(tip.pMaxWidth(), -1);
  }

  void tipShowsAfterTheDelayOverItsTool() {
    QWidget target;
    target.resize(200, 100);
    target.show();
    clsToolTip tip;
    QVERIFY(tip.mCreate(&target));
    tip.pInitialTime(10);
    tip.pAutoPopTime(60000);
    QVERIFY(tip.mToolAdd(1, "left half", 0, 0, 100, 100));
    QVERIFY(tip.mToolAdd(2, "right half", 100, 0, 100, 100));

    MoveMouse(target, QPoint(150, 50));
    QCOMPARE(tip.ShownText(), QString());  // not before the delay
    QTRY_COMPARE(tip.ShownText(), QString("right half"));
    QVERIFY(tip.phWnd()->isVisible());

    tip.pToolText(2, "changed");
    QCOMPARE(tip.ShownText(), QString("changed"));

    MoveMouse(target, QPoint(20, 50));
    QTRY_COMPARE(tip.ShownText(), QString("left half"));

    QTest::mousePress(&target, Qt::LeftButton, Qt::NoModifier, QPoint(20, 50));
    QCOMPARE(tip.ShownText(), QString());

    tip.pActivate(false);
    MoveMouse(target, QPoint(150, 50));
    QTest::qWait(50);
    QCOMPARE(tip.ShownText(), QString());
  }

  void tipPopsAfterTheAutoPopTime() {
    QWidget target;
    target.resize(100, 100);
    target.show();
    clsToolTip tip;
    QVERIFY(tip.mCreate(&target));
    tip.pInitialTime(0);
    tip.pAutoPopTime(30);
    QVERIFY(tip.mToolAdd(1, "brief"));
    MoveMouse(target, QPoint(10, 10));
    QTRY_COMPARE(tip.ShownText(), QString("brief"));
    QTRY_COMPARE(tip.ShownText(), QString());
    tip.mPop();
  }

  void lineBreaksAndMaximumWidth() {
    QWidget target;
    clsToolTip tip;
    QVERIFY(tip.mCreate(&target));
    tip.pMaxWidth(200);
    QVERIFY(tip.mToolAdd(
        1, "幅または高さのｻｲｽﾞ\r\n上で選択していない方は元画像の\r\n比率に従い自動的に決定"));
    tip.mToolTrackPosition(10, 10);
    tip.pToolTrack(1, true);
    QCOMPARE(tip.ShownText(),
             QString("幅または高さのｻｲｽﾞ\n上で選択していない方は元画像の\n比率に従い自動的に決定"));
    const QFontMetrics metrics(tip.phWnd()->font());
    QVERIFY(tip.phWnd()->height() >= 3 * metrics.lineSpacing());
    QVERIFY(tip.phWnd()->width() <= 200 + 20);
    QCOMPARE(tip.phWnd()->pos(), QPoint(10, 10));

    // A long line wraps at the maximum width.
    QVERIFY(tip.mToolAdd(2, QString("ｵﾘｼﾞﾅﾙ画像のｻｲｽﾞ").repeated(6)));
    tip.pToolTrack(2, true);
    QVERIFY(tip.phWnd()->height() >= 2 * metrics.lineSpacing());
    QVERIFY(tip.phWnd()->width() <= 200 + 20);
    tip.pToolTrack(2, false);
    QVERIFY(!tip.phWnd()->isVisible());
  }

  void theWindowGoesWithTheObjectOrTheTarget() {
    QWidget target;
    QPointer<QWidget> window;
    {
      clsToolTip tip;
      QVERIFY(tip.mCreate(&target));
      window = tip.phWnd();
      QVERIFY(window);
    }
    QVERIFY(!window);

    clsToolTip tip;
    auto* doomed = new QWidget;
    QVERIFY(tip.mCreate(doomed));
    QVERIFY(tip.mToolAdd(1, "text"));
    window = tip.phWnd();
    delete doomed;
    QVERIFY(!window);
    QCOMPARE(tip.pToolCount(), 0);
    QVERIFY(!tip.mToolAdd(2, "text"));
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_clsToolTip)
#include "tst_cls_tool_tip.moc"
