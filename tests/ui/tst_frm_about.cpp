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

}  // namespace

class tst_frmAbout : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  // A found plug-in shows its name, a missing one says so; every link opens its shipped page,
  // a failure to open is not told, and the window stays until OK.
  void pluginLinesAndLinks() {
    ActiveWindow active;
    FailingLauncher launcher;
    frmAbout about(PluginNames{"", "Pictavue PNG reader 1.0", ""},
                   {active, launcher, "/opt/pictavue/docs"}, nullptr);
    QCOMPARE(QStringList({about.lblIFJPEG->text(), about.lblIFPNG->text(), about.lblIFWMF->text()}),
             QStringList({"Susie JPEG plug-in is not found.", "Pictavue PNG reader 1.0",
                          "Susie WMF plug-in is not found."}));
    QCOMPARE(about.lblHP->text(), QStringLiteral("file:///opt/pictavue/docs/index.html"));
    QCOMPARE(about.lblVer->text() + " " + about.lblCopyRight->text(),
             QString::fromStdString(VersionText(kProgramVersion) + " " + kLegalNotice));
    QVERIFY(!about.Image1->pixmap().isNull());
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(active.Handle(), &about);
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
    QVERIFY(about.isVisible());
    QTest::mouseClick(about.Command1, Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_frmAbout)
#include "tst_frm_about.moc"
