#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "generate/front_end.h"
#include "support/qt_helpers.h"
#include "ui/message_box.h"

namespace pictavue {

using testing::OpenTopLevelWindows;

class tst_MessageBox : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  // The styles the program uses; what decides the look of the others is tested in ui_rules.
  // Paths and page texts in messages may hold "<" and "&": never read as markup. A line breaks
  // only where the text breaks it: the box widens up to the screen instead. The placement rule
  // is tested in ui_rules; here, that a box is placed by it on the owner's screen (the fake
  // screen of this test, 1024 x 768) once it knows its size: centred on an owner near the right
  // edge, then pushed left to the screen's edge.
  void boxShowsTheStyleWholeOverItsOwner() {
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1024, 768));
    QWidget owner;
    owner.setObjectName(QStringLiteral("owner"));
    owner.setGeometry(850, 200, 300, 250);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    const QString yes = testing::Tr("MessageBox", "はい(&Y)");
    const QString no = testing::Tr("MessageBox", "いいえ(&N)");
    const struct {
      int style;
      QMessageBox::Icon icon;
      QString buttons;
      int enter_answer;
    } rows[] = {
        {16, QMessageBox::Critical, "OK*", kButtonOk},
        {48, QMessageBox::Warning, "OK*", kButtonOk},
        {36, QMessageBox::Question, yes + "* " + no, kButtonYes},
        {292, QMessageBox::Question, yes + " " + no + "*", kButtonNo},
    };
    const QStringList lines = {
        "/srv/" + QString(50, 'x') + " は存在しないフォルダです。", "<b>disk</b> & full",
        "リムーバブルドライブの場合はメディアが挿入されているかどうか確認してください。"};
    for (const auto& row : rows) {
      QString look;  // icon, title, text format, buttons (the default one starred), text
      QRect frame;
      QStringList too_narrow;  // lines that the box would break
      testing::WhenModalShown<QMessageBox>([&](QMessageBox* box) {
        look = QStringLiteral("%1 %2 %3")
                   .arg(box->icon())
                   .arg(box->windowTitle())
                   .arg(box->textFormat());
        for (const QAbstractButton* button : box->buttons()) {
          look += ' ' + button->text() + (button == box->defaultButton() ? "*" : "");
        }
        look += ' ' + box->text();
        frame = box->frameGeometry();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        for (const QString& line : label->text().split('\n')) {
          if (label->fontMetrics().horizontalAdvance(line) > label->contentsRect().width()) {
            too_narrow << line;
          }
        }
        QTest::keyClick(box, Qt::Key_Return);
      });
      const std::string prompt = lines.join("\r\n").toStdString();
      QCOMPARE(ShowStyledMessageBox(prompt, row.style, kProgramTitle, &owner), row.enter_answer);
      QCOMPARE(look,
               QString("%1 Pictavue 0 %2 %3").arg(row.icon).arg(row.buttons, lines.join('\n')));
      QCOMPARE(too_narrow, QStringList());
      QVERIFY(std::abs(frame.center().y() - owner.frameGeometry().center().y()) <= 1);
      QCOMPARE(frame.left() + frame.width(), 1024);
    }
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_MessageBox)
#include "tst_message_box.moc"
