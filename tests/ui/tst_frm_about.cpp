#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "generate/program_info.h"
#include "platform/launch.h"
#include "support/fakes.h"
#include "support/qt_helpers.h"
#include "ui/active_window.h"
#include "ui/frm_about.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;

// Opens nothing and answers with a failure, which the About window must not report.
struct FailingLauncher : testing::FakeLauncher {
  FailingLauncher() { open_result = kOpenFileNotFound; }
};

PluginNames AllPlugins() {
  return PluginNames{"Pictavue JPEG reader 1.0", "Pictavue PNG reader 1.0",
                     "Pictavue WMF reader 1.0"};
}

QColor TextColor(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

}  // namespace

class tst_frmAbout : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  void pluginLines_data() {
    QTest::addColumn<QString>("jpeg");
    QTest::addColumn<QString>("png");
    QTest::addColumn<QString>("wmf");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("every plug-in")
        << "Pictavue JPEG reader 1.0"
        << "Pictavue PNG reader 1.0"
        << "Pictavue WMF reader 1.0"
        << QStringList{"Pictavue JPEG reader 1.0", "Pictavue PNG reader 1.0",
                       "Pictavue WMF reader 1.0"};
    QTest::newRow("none") << ""
                          << ""
                          << ""
                          << QStringList{"Susie JPEG plug-in is not found.",
                                         "Susie PNG plug-in is not found.",
                                         "Susie WMF plug-in is not found."};
    QTest::newRow("PNG only") << ""
                              << "Pictavue PNG reader 1.0"
                              << ""
                              << QStringList{"Susie JPEG plug-in is not found.",
                                             "Pictavue PNG reader 1.0",
                                             "Susie WMF plug-in is not found."};
  }
  void pluginLines() {
    QFETCH(QString, jpeg);
    QFETCH(QString, png);
    QFETCH(QString, wmf);
    QFETCH(QStringList, lines);
    ActiveWindow active;
    FailingLauncher launcher;
    const PluginNames names{jpeg.toStdString(), png.toStdString(), wmf.toStdString()};
    frmAbout about(names, {active, launcher, "/opt/pictavue"}, nullptr);
    QCOMPARE(QStringList({about.lblIFJPEG->text(), about.lblIFPNG->text(), about.lblIFWMF->text()}),
             lines);
    QCOMPARE(about.lblIFJPEG->toolTip(), QStringLiteral("Susie32 JPEG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"));
    QCOMPARE(about.lblIFPNG->toolTip(), QStringLiteral("Susie32 PNG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"));
    QCOMPARE(about.lblIFWMF->toolTip(), QStringLiteral("Susie32 WMF ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"));
  }

  void showsNameVersionAndNotice() {
    ActiveWindow active;
    FailingLauncher launcher;
    frmAbout about(AllPlugins(), {active, launcher, "/opt/pictavue"}, nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("Pictavue バージョン情報"));
    QCOMPARE(about.Label4->text(), QStringLiteral("Pictavue"));
    QCOMPARE(about.Label1->text(), QStringLiteral("Pictavue"));
    QCOMPARE(TextColor(about.Label4), QColor(0x00, 0x80, 0x00));
    QCOMPARE(TextColor(about.Label1), QColor(Qt::black));
    QCOMPARE(about.Label1->pos() - about.Label4->pos(), QPoint(1, 1));
    QCOMPARE(about.Label4->font(), about.Label1->font());
    // The green name is painted over its shadow.
    QVERIFY(about.Label4->parentWidget()->children().indexOf(about.Label4) >
            about.Label4->parentWidget()->children().indexOf(about.Label1));
    QCOMPARE(about.Label2->text(), QStringLiteral("Ver"));
    QCOMPARE(about.lblVer->text(), QStringLiteral("1.26"));
    QCOMPARE(about.lblCopyRight->text(), QString::fromUtf8(kLegalNotice));
    QCOMPARE(about.lblHP->text(), QStringLiteral("file:///opt/pictavue/docs/index.html"));
    QCOMPARE(TextColor(about.lblHP), QColor(0x00, 0x00, 0xFF));
    QVERIFY(!about.Image1->pixmap().isNull());
    for (const QLabel* link :
         {about.Image1, about.lblIFJPEG, about.lblIFPNG, about.lblIFWMF, about.lblHP}) {
      QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
  }

  void linksOpenTheShippedPages_data() {
    QTest::addColumn<bool>("with_plugins");
    QTest::newRow("with plug-ins") << true;
    QTest::newRow("without plug-ins") << false;
  }
  void linksOpenTheShippedPages() {
    QFETCH(bool, with_plugins);
    ActiveWindow active;
    FailingLauncher launcher;
    frmAbout about(with_plugins ? AllPlugins() : PluginNames{}, {active, launcher, "/opt/pictavue"},
                   nullptr);
    about.show();
    for (QLabel* link :
         {about.lblHP, about.Image1, about.lblIFJPEG, about.lblIFPNG, about.lblIFWMF}) {
      QTest::mouseClick(link, Qt::LeftButton);
    }
    QTest::mouseClick(about.lblHP, Qt::RightButton);
    QCOMPARE(launcher.calls,
             std::vector<std::string>(
                 {"open /opt/pictavue/docs/index.html", "open /opt/pictavue/docs/index.html",
                  "open /opt/pictavue/docs/ifjpeg.html", "open /opt/pictavue/docs/ifpng.html",
                  "open /opt/pictavue/docs/ifwmf.html"}));
    // Failures to open are not told, and the window stays.
    QVERIFY(about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), &about);
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
  }

  void okClosesAndTheWindowWasActive() {
    ActiveWindow active;
    FailingLauncher launcher;
    frmAbout about(AllPlugins(), {active, launcher, "/opt/pictavue"}, nullptr);
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(active.Handle(), &about);
    QTest::mouseClick(about.Command1, Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(active.Handle(), nullptr);
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmAbout)
#include "tst_frm_about.moc"
