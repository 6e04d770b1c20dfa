#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_helpers.h"
#include "ui/single_instance.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;

InstancePlace PlaceIn(const QTemporaryDir& folder) {
  return {folder.filePath(QStringLiteral("probe.lock")),
          folder.filePath(QStringLiteral("probe.socket"))};
}

}  // namespace

// Copies of the real program, the message of the second and a copy that died are run on a real
// X server (tests/x11); here the two copies are two objects of one process.
class tst_SingleInstance : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  void aRequestBeforeTheWindowExistsIsAnsweredWhenItDoes() {
    QTemporaryDir folder;
    SingleInstance first(PlaceIn(folder));
    QVERIFY(first.Claim());
    QSignalSpy came_forward(&first, &SingleInstance::CameForward);
    SingleInstance second(PlaceIn(folder));
    QVERIFY(!second.Claim());
    QVERIFY(second.AskFirstCopyToComeForward());
    QTest::qWait(100);
    QCOMPARE(came_forward.count(), 0);
    QWidget window;
    window.setObjectName(QStringLiteral("late"));
    first.SetWindow(&window);
    QCOMPARE(came_forward.count(), 1);
    QVERIFY(window.isVisible());
    window.close();
  }

  void nothingElseOnTheSocketCallsTheWindow() {
    QTemporaryDir folder;
    SingleInstance first(PlaceIn(folder));
    QVERIFY(first.Claim());
    QWidget window;
    first.SetWindow(&window);
    QSignalSpy came_forward(&first, &SingleInstance::CameForward);
    QLocalSocket stranger;
    stranger.connectToServer(PlaceIn(folder).server_name);
    QVERIFY(stranger.waitForConnected(1000));
    stranger.write(QByteArray(1000, 'x'));
    QVERIFY(stranger.waitForBytesWritten(1000));
    QTest::qWait(100);
    QCOMPARE(came_forward.count(), 0);
    QVERIFY(!window.isVisible());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_SingleInstance)
#include "tst_single_instance.moc"
