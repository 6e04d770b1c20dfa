#include <QFile>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_helpers.h"
#include "ui/single_instance.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;

constexpr int kEndedAsSecondCopy = 3;

InstancePlace PlaceIn(const QTemporaryDir& folder) {
  return {folder.filePath(QStringLiteral("probe.lock")),
          folder.filePath(QStringLiteral("probe.socket"))};
}

// Another copy of the program, started with a settings file that holds prev_instance.
class Copy {
 public:
  Copy(const QTemporaryDir& folder, const QString& prev_instance) {
    const QString settings = folder.filePath(QStringLiteral("copy%1.ini").arg(serial_++));
    QFile file(settings);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(prev_instance.isNull()
                     ? QByteArray("[Option]\r\n")
                     : "[Option]\r\nPrevInstance=" + prev_instance.toUtf8() + "\r\n");
    }
    file.close();
    process_.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/instance_probe"),
                   {folder.path(), settings});
  }
  ~Copy() {
    process_.closeWriteChannel();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished();
    }
  }

  QProcess& process() { return process_; }

  // Waits for the copy's next line while this copy's events run (it may have to answer).
  QString NextLine(int timeout_ms = 10000) {
    QElapsedTimer waited;
    waited.start();
    while (!process_.canReadLine() && waited.elapsed() < timeout_ms &&
           process_.state() != QProcess::NotRunning) {
      QTest::qWait(10);
    }
    process_.waitForReadyRead(0);
    return QString::fromUtf8(process_.readLine()).trimmed();
  }

  bool Ended(int timeout_ms = 10000) {
    QElapsedTimer waited;
    waited.start();
    while (process_.state() != QProcess::NotRunning && waited.elapsed() < timeout_ms) {
      QTest::qWait(10);
    }
    return process_.state() == QProcess::NotRunning;
  }

 private:
  static inline int serial_ = 0;
  QProcess process_;
};

const QString kMessageLine = QStringLiteral("box Pictavue|%1|Pictavue は既に起動されています。")
                                 .arg(int(QMessageBox::Warning));

}  // namespace

class tst_SingleInstance : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  void aSecondCopyTellsTheUserAndCallsTheFirstForward_data() {
    QTest::addColumn<QString>("prev_instance");
    QTest::newRow("PrevInstance=0") << "0";
    QTest::newRow("PrevInstance=2 counts as 0") << "2";
    QTest::newRow("no PrevInstance") << QString();
  }
  void aSecondCopyTellsTheUserAndCallsTheFirstForward() {
    QFETCH(QString, prev_instance);
    QTemporaryDir folder;
    SingleInstance first(PlaceIn(folder));
    QVERIFY(first.Claim());
    QWidget window;
    window.setObjectName(QStringLiteral("first"));
    first.SetWindow(&window);
    window.showMinimized();
    QSignalSpy came_forward(&first, &SingleInstance::CameForward);

    Copy second(folder, prev_instance);
    QCOMPARE(second.NextLine(), kMessageLine);
    QCOMPARE(second.NextLine(), QStringLiteral("ended"));
    QVERIFY(second.Ended());
    QCOMPARE(second.process().exitCode(), kEndedAsSecondCopy);
    QTRY_COMPARE(came_forward.count(), 1);
    QVERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
  }

  void withPrevInstance1BothRun() {
    QTemporaryDir folder;
    SingleInstance first(PlaceIn(folder));
    QVERIFY(first.Claim());
    QWidget window;
    first.SetWindow(&window);
    QSignalSpy came_forward(&first, &SingleInstance::CameForward);
    Copy second(folder, QStringLiteral("1"));
    Copy third(folder, QStringLiteral("1"));
    QCOMPARE(second.NextLine(), QStringLiteral("running"));
    QCOMPARE(third.NextLine(), QStringLiteral("running"));
    QTest::qWait(200);
    QCOMPARE(second.process().state(), QProcess::Running);
    QCOMPARE(third.process().state(), QProcess::Running);
    QCOMPARE(came_forward.count(), 0);
  }

  void theFirstCopyAloneRuns() {
    QTemporaryDir folder;
    Copy only(folder, QStringLiteral("0"));
    QCOMPARE(only.NextLine(), QStringLiteral("running"));
    // ... and holds the place while it lives, as seen from this process.
    SingleInstance later(PlaceIn(folder));
    QVERIFY(!later.Claim());
  }

  void aCopyThatDiedHoldsNothing() {
    QTemporaryDir folder;
    {
      Copy crashed(folder, QStringLiteral("0"));
      QCOMPARE(crashed.NextLine(), QStringLiteral("running"));
      crashed.process().kill();
      QVERIFY(crashed.Ended());
    }
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("probe.lock"))));
    Copy next(folder, QStringLiteral("0"));
    QCOMPARE(next.NextLine(), QStringLiteral("running"));
  }

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
