// About and the help topics, with the fakes of tests/support. The output-folder and browser
// dialogs with their choosers run on a real X server (tests/x11); where a chooser starts is a
// pure rule (tests/ui_rules).

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/launch.h"
#include "support/fakes.h"
#include "support/qt_helpers.h"
#include "support/temp_folder.h"
#include "ui/active_window.h"
#include "ui/frm_about.h"
#include "ui/help_file_topics.h"

namespace pictavue {

using testing::Tr;

class tst_MainWindowDialogs : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    QVERIFY2(testing::OpenTopLevelWindows().isEmpty(), qPrintable(testing::OpenTopLevelWindows()));
  }

  // A topic's first line is its heading; its text is shown as written, markup and all.
  void topicsShowTheirTextAsWritten() {
    const testing::TempFolder folder;
    const HelpFileTopics help(folder.WriteFile(
        "pictavue.hlp", "@21 区切り線\n<HR> を入れます & 区切ります。\n\n二段落目\n"));
    const QString text = help.TopicText(21);
    for (const QString& part :
         {"<b>" + Tr("HelpTopic", "区切り線") + "</b>",
          QString("&lt;HR&gt; を入れます &amp; 区切ります。"), QString("二段落目")}) {
      QVERIFY2(text.contains(part), qPrintable(text));
    }
    QCOMPARE(help.TopicText(22), QString());
    QCOMPARE(HelpFileTopics(folder.Path("none.hlp")).TopicText(21), QString());
  }

  // A found plug-in shows its name, a missing one says so; every link opens its shipped page,
  // a failure to open is not told, and the window stays until OK.
  void aboutShowsPlugInsAndOpensItsLinks() {
    ActiveWindow active;
    testing::FakeLauncher launcher;
    launcher.open_result = kOpenFileNotFound;
    frmAbout about(PluginNames{"", "Pictavue PNG reader 1.0", ""},
                   {active, launcher, "/opt/pictavue/docs"}, nullptr);
    QCOMPARE(QStringList({about.lblIFJPEG->text(), about.lblIFPNG->text(), about.lblIFWMF->text()}),
             QStringList({"Susie JPEG plug-in is not found.", "Pictavue PNG reader 1.0",
                          "Susie WMF plug-in is not found."}));
    about.show();
    for (QLabel* link :
         {about.lblHP, about.Image1, about.lblIFJPEG, about.lblIFPNG, about.lblIFWMF}) {
      QTest::mouseClick(link, Qt::LeftButton);
    }
    QTest::mouseClick(about.lblHP, Qt::RightButton);
    const std::string page = "open /opt/pictavue/docs/";
    QCOMPARE(launcher.calls, std::vector<std::string>({page + "index.html", page + "index.html",
                                                       page + "ifjpeg.html", page + "ifpng.html",
                                                       page + "ifwmf.html"}));
    QVERIFY(about.isVisible() && !about.Image1->pixmap().isNull());
    QTest::mouseClick(about.Command1, Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_MainWindowDialogs)
#include "tst_main_window_dialogs.moc"
