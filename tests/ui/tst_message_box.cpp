#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "generate/front_end.h"
#include "request/message_placement.h"
#include "support/qt_helpers.h"
#include "ui/message_box.h"
#include "ui/message_style.h"

namespace pictavue {
namespace {

using testing::OpenTopLevelWindows;
using testing::Tr;
using testing::WhenModalShown;

struct SeenBox {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  QString default_button;
  QString title;
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  QRect frame;
};

SeenBox Look(QMessageBox* box) {
  SeenBox seen;
  seen.icon = box->icon();
  for (const QAbstractButton* button : box->buttons()) {
    seen.buttons << button->text();
  }
  seen.buttons.sort();
  seen.default_button = box->defaultButton() ? box->defaultButton()->text() : QString();
  seen.title = box->windowTitle();
  seen.text = box->text();
  seen.format = box->textFormat();
  seen.frame = box->frameGeometry();
  return seen;
}

// Shows a box over owner and answers it by pressing the button whose caption is press (Enter
// when press is empty); returns what the box looked like.
SeenBox ShowAndAnswer(const std::string& prompt, int style, QWidget* owner, const QString& press,
                      int& answer) {
  SeenBox seen;
  WhenModalShown<QMessageBox>([&seen, press](QMessageBox* box) {
    seen = Look(box);
    if (press.isEmpty()) {
      QTest::keyClick(box, Qt::Key_Return);
      return;
    }
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == press) {
        button->click();
      }
    }
  });
  answer = ShowStyledMessageBox(prompt, style, kProgramTitle, owner);
  return seen;
}

WindowRect RectOf(const QRect& rect) {
  return WindowRect{rect.left(), rect.top(), rect.left() + rect.width(),
                    rect.top() + rect.height()};
}

// Where the placement rule puts a box of this frame over owner on the primary screen.
QPoint ExpectedPosition(const QWidget& owner, const QRect& box) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  const BoxPosition position =
      MessageBoxPosition(RectOf(owner.frameGeometry()), BoxSize{box.width(), box.height()},
                         BoxSize{screen.width(), screen.height()});
  return QPoint(position.x, position.y);
}

}  // namespace

class tst_MessageBox : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QVERIFY2(OpenTopLevelWindows().isEmpty(), qPrintable(OpenTopLevelWindows())); }

  // The four styles the program uses are shown as real boxes below; these are the others.
  void lookOfStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<int>("default_button");
    QTest::addColumn<int>("icon");
    QTest::newRow("0 plain OK") << 0 << QList<int>{kButtonOk} << kButtonOk
                                << int(MessageIcon::kNone);
    QTest::newRow("1 OK, Cancel") << 1 << QList<int>{kButtonOk, kButtonCancel} << kButtonOk
                                  << int(MessageIcon::kNone);
    QTest::newRow("64 + 3 + 512: third default")
        << 64 + 3 + 512 << QList<int>{kButtonYes, kButtonNo, kButtonCancel} << kButtonCancel
        << int(MessageIcon::kInformation);
    QTest::newRow("default beyond the set picks the first")
        << 48 + 512 << QList<int>{kButtonOk} << kButtonOk << int(MessageIcon::kWarning);
    QTest::newRow("unknown button set shows OK")
        << 7 << QList<int>{kButtonOk} << kButtonOk << int(MessageIcon::kNone);
  }
  void lookOfStyle() {
    QFETCH(int, style);
    QFETCH(QList<int>, buttons);
    QFETCH(int, default_button);
    QFETCH(int, icon);
    const MessageLook look = LookOfStyle(style);
    QCOMPARE(QList<int>(look.buttons.begin(), look.buttons.end()), buttons);
    QCOMPARE(look.default_button, default_button);
    QCOMPARE(int(look.icon), icon);
  }

  void boxText_data() {
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* prompt, const char* text) {
      QTest::newRow(name) << QString(prompt) << QString(text);
    };
    row("CR LF", "a\r\nb", "a\nb");
    row("CR alone", "a\rb", "a\nb");
    row("LF alone", "a\nb", "a\nb");
    row("CR at the end", "a\r", "a\n");
  }
  void boxText() {
    QFETCH(QString, prompt);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(BoxText(prompt.toStdString())), text);
  }

  void boxShowsTheStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("default_button");
    QTest::addColumn<int>("enter_answer");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("other_answer");
    const QStringList ok{"OK"};
    const QString yes = Tr("MessageBox", "はい(&Y)");
    const QString no = Tr("MessageBox", "いいえ(&N)");
    const QStringList yes_no{no, yes};
    QTest::newRow("16") << 16 << int(QMessageBox::Critical) << ok << "OK" << kButtonOk << "OK"
                        << kButtonOk;
    QTest::newRow("48") << 48 << int(QMessageBox::Warning) << ok << "OK" << kButtonOk << "OK"
                        << kButtonOk;
    QTest::newRow("36") << 36 << int(QMessageBox::Question) << yes_no << yes << kButtonYes << no
                        << kButtonNo;
    QTest::newRow("292") << 292 << int(QMessageBox::Question) << yes_no << no << kButtonNo << yes
                         << kButtonYes;
  }
  void boxShowsTheStyle() {
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, default_button);
    QFETCH(int, enter_answer);
    QFETCH(QString, other);
    QFETCH(int, other_answer);
    const std::string prompt = "次の理由により処理を中止します。\r\n\r\n<b>disk</b> & full";
    int answer = 0;
    const SeenBox seen = ShowAndAnswer(prompt, style, nullptr, QString(), answer);
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.buttons, buttons);
    QCOMPARE(seen.default_button, default_button);
    QCOMPARE(seen.title, QStringLiteral("Pictavue"));
    QCOMPARE(seen.text, QStringLiteral("次の理由により処理を中止します。\n\n<b>disk</b> & full"));
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(answer, enter_answer);
    ShowAndAnswer(prompt, style, nullptr, other, answer);
    QCOMPARE(answer, other_answer);
  }

  void boxStandsOverItsOwner_data() {
    QTest::addColumn<QRect>("owner_rect");
    QTest::addColumn<QString>("edge");
    QTest::newRow("centred") << QRect(100, 100, 500, 400) << "";
    QTest::newRow("near the right edge") << QRect(850, 200, 300, 250) << "right";
    QTest::newRow("partly above the top") << QRect(200, -180, 400, 220) << "top";
    QTest::newRow("near the bottom") << QRect(200, 690, 400, 220) << "bottom";
  }
  void boxStandsOverItsOwner() {
    QFETCH(QRect, owner_rect);
    QFETCH(QString, edge);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(screen, QSize(1024, 768));  // the fake screen of this test
    QWidget owner;
    owner.setObjectName(QStringLiteral("owner"));
    owner.setGeometry(owner_rect);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    int answer = 0;
    const SeenBox seen = ShowAndAnswer("検索フォルダ名が入力されていません。", kStyleWarning,
                                       &owner, QString(), answer);
    const QRect box = seen.frame;
    const QRect frame = owner.frameGeometry();
    QCOMPARE(box.topLeft(), ExpectedPosition(owner, box));
    if (edge.isEmpty()) {
      QVERIFY(std::abs(box.center().x() - frame.center().x()) <= 1);
      QVERIFY(std::abs(box.center().y() - frame.center().y()) <= 1);
    } else if (edge == "right") {
      QCOMPARE(box.left() + box.width(), screen.width());
    } else if (edge == "top") {
      QCOMPARE(box.top(), 0);
    } else {
      const int free_height = screen.height() - box.height();
      QCOMPARE(box.top(), static_cast<int>(std::nearbyint(free_height * 0.9)));
    }
  }

  void twoBoxesInARowAreEachPlaced() {
    QWidget first;
    first.setObjectName(QStringLiteral("first"));
    first.setGeometry(50, 60, 300, 200);
    // The second stands where only the placement rule lifts a box above the bottom edge.
    QWidget second;
    second.setObjectName(QStringLiteral("second"));
    second.setGeometry(600, 660, 300, 200);
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    int answer = 0;
    const QRect over_first = ShowAndAnswer("a", kStyleStop, &first, QString(), answer).frame;
    const QRect over_second = ShowAndAnswer("a", kStyleStop, &second, QString(), answer).frame;
    QCOMPARE(over_first.topLeft(), ExpectedPosition(first, over_first));
    QCOMPARE(over_second.topLeft(), ExpectedPosition(second, over_second));
    QVERIFY(over_first.topLeft() != over_second.topLeft());
  }
};

}  // namespace pictavue

QTEST_MAIN(pictavue::tst_MessageBox)
#include "tst_message_box.moc"
