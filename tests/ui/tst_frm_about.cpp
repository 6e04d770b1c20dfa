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
using testing::Tr;

// Opens nothing and answers with a failure, which the About window must not report.
struct FailingLauncher : testing::FakeLauncher {
  FailingLauncher() { open_result = kOpenFileNotFound; }
};

PluginNames AllPlugins() {
  return PluginNames{"Pictavue JPEG reader 1.0", "Pictavue PNG reader 1.0",
                     "Pictavue WMF reader 1.0"};
}

}  // namespace

class tst_frmAbout : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  void pluginLines_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("lines");
    const QString jpeg = "Susie JPEG plug-in is not found.";
    const QString wmf = "Susie WMF plug-in is not found.";
    const QStringList all = {"Pictavue JPEG reader 1.0", "Pictavue PNG reader 1.0",
                             "Pictavue WMF reader 1.0"};
    QTest::newRow("every plug-in") << all << all;
    QTest::newRow("none") << QStringList{"", "", ""}
                          << QStringList{jpeg, "Susie PNG plug-in is not found.", wmf};
    QTest::newRow("PNG only") << QStringList{"", all[1], ""} << QStringList{jpeg, all[1], wmf};
  }
  void pluginLines() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, lines);
    ActiveWindow active;
    FailingLauncher launcher;
    const PluginNames plugins{names[0].toStdString(), names[1].toStdString(),
                              names[2].toStdString()};
    frmAbout about(plugins, {active, launcher, "/opt/pictavue/docs"}, nullptr);
    QCOMPARE(QStringList({about.lblIFJPEG->text(), about.lblIFPNG->text(), about.lblIFWMF->text()}),
             lines);
    QCOMPARE(about.lblIFJPEG->toolTip(), Tr("frmAbout", "Susie32 JPEG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"));
    QCOMPARE(about.lblIFPNG->toolTip(), Tr("frmAbout", "Susie32 PNG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"));
    QCOMPARE(about.lblIFWMF->toolTip(), Tr("frmAbout", "Susie32 WMF ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"));
  }

  void showsNameVersionAndNotice() {
    ActiveWindow active;
    FailingLauncher launcher;
    frmAbout about(AllPlugins(), {active, launcher, "/opt/pictavue/docs"}, nullptr);
    QCOMPARE(about.windowTitle(), Tr("frmAbout", "Pictavue バージョン情報"));
    QCOMPARE(about.Label4->text(), QStringLiteral("Pictavue"));
    QCOMPARE(about.Label1->text(), QStringLiteral("Pictavue"));
    // The green name is painted over its shadow, one pixel up and left.
    QCOMPARE(about.Label4->palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0x00));
    QCOMPARE(about.Label1->pos() - about.Label4->pos(), QPoint(1, 1));
    QCOMPARE(about.Label4->font(), about.Label1->font());
    QVERIFY(about.Label4->parentWidget()->children().indexOf(about.Label4) >
            about.Label4->parentWidget()->children().indexOf(about.Label1));
    QCOMPARE(about.lblVer->text(), QStringLiteral("1.26"));
    QCOMPARE(about.lblCopyRight->text(), QString::fromUtf8(kLegalNotice));
    QCOMPARE(about.lblHP->text(), QStringLiteral("file:///opt/pictavue/docs/index.html"));
    QVERIFY(!about.Image1->pixmap().isNull());
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
    frmAbout about(with_plugins ? AllPlugins() : PluginNames{},
                   {active, launcher, "/opt/pictavue/docs"}, nullptr);
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
    frmAbout about(AllPlugins(), {active, launcher, "/opt/pictavue/docs"}, nullptr);
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
