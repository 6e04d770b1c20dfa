#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/single_instance.h"

namespace pictavue {

// Copies of the real program, the message of the second and a copy that died are run on a real
// X server (tests/x11); here the two copies are two objects of one process, and a stranger
// writes junk to the socket.
class tst_SingleInstance : public QObject {
  Q_OBJECT

 private slots:
  void requestsAndJunkOnTheSocket() {
    QTemporaryDir folder;
    const InstancePlace place{folder.filePath(QStringLiteral("probe.lock")),
                              folder.filePath(QStringLiteral("probe.socket"))};
    SingleInstance first(place);
    QVERIFY(first.Claim());
    QSignalSpy came_forward(&first, &SingleInstance::CameForward);
    // A request before the window exists is answered when it does; junk never is.
    SingleInstance second(place);
    QVERIFY(!second.Claim());
    QVERIFY(second.AskFirstCopyToComeForward());
    QVERIFY(!came_forward.wait(200));
    QWidget window;
    first.SetWindow(&window);
    QTRY_COMPARE(came_forward.count(), 1);
    QVERIFY(window.isVisible());
    window.hide();
    QLocalSocket stranger;
    stranger.connectToServer(place.server_name);
    QVERIFY(stranger.waitForConnected(5000));
    stranger.write(QByteArray(1000, 'x') + QByteArray(1000, '\0'));
    QVERIFY(stranger.waitForBytesWritten(5000));
    QVERIFY(!came_forward.wait(300));
    QVERIFY(!window.isVisible());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_SingleInstance)
#include "tst_single_instance.moc"
