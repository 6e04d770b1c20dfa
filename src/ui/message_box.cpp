#include "ui/message_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "generate/front_end.h"
#include "ui/rules/message_placement.h"
#include "ui/rules/message_style.h"
#include "ui/translated.h"

namespace pictavue {
namespace {

// The platform's numbers of the pressed buttons, and the captions a Japanese system gives them
// (in English, the chosen language's).
struct ButtonPair {
  int number;
  QMessageBox::StandardButton button;
  SourceText caption;
};

constexpr ButtonPair kButtonPairs[] = {
    {kButtonOk, QMessageBox::Ok, PICTAVUE_TEXT("MessageBox", "OK")},
    {kButtonCancel, QMessageBox::Cancel, PICTAVUE_TEXT("MessageBox", "キャンセル")},
    {3, QMessageBox::Abort, PICTAVUE_TEXT("MessageBox", "中止(&A)")},
    {4, QMessageBox::Retry, PICTAVUE_TEXT("MessageBox", "再試行(&R)")},
    {5, QMessageBox::Ignore, PICTAVUE_TEXT("MessageBox", "無視(&I)")},
    {kButtonYes, QMessageBox::Yes, PICTAVUE_TEXT("MessageBox", "はい(&Y)")},
    {kButtonNo, QMessageBox::No, PICTAVUE_TEXT("MessageBox", "いいえ(&N)")},
};

const ButtonPair* PairOf(int number) {
  for (const ButtonPair& pair : kButtonPairs) {
    if (pair.number == number) {
      return &pair;
    }
  }
  return &kButtonPairs[0];
}

int NumberOf(QMessageBox::StandardButton button) {
  for (const ButtonPair& pair : kButtonPairs) {
    if (pair.button == button) {
      return pair.number;
    }
  }
  return 0;
}

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kStop:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kWarning:
      return QMessageBox::Warning;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

WindowRect RectOf(const QRect& rect) {
  // A window rectangle's right and bottom lie one past its last pixel.
  return WindowRect{rect.left(), rect.top(), rect.left() + rect.width(),
                    rect.top() + rect.height()};
}

// A message box that shows each line of its text whole, up to the width of the screen, and
// moves itself over its owner when it is about to appear: only then has it laid out its text and
// taken its final size.
class PlacedMessageBox final : public QMessageBox {
 public:
  explicit PlacedMessageBox(QWidget* owner) : QMessageBox(owner), owner_(owner) {}

 protected:
  bool event(QEvent* event) override {
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest) {
      KeepLinesWhole();
    }
    return handled;
  }

  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    KeepLinesWhole();
    Place();
  }

 private:
  // Qt wraps a message wider than about 500 pixels, anywhere in a Japanese line; the system's
  // boxes break a line only where the text does, unless it is wider than the screen.
  void KeepLinesWhole() {
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr || !label->wordWrap() || layout() == nullptr) {
      return;
    }
    label->setWordWrap(false);
    layout()->activate();
    const QSize whole = layout()->totalMinimumSize();
    if (whole.width() > screen()->availableGeometry().width()) {
      label->setWordWrap(true);
      return;
    }
    setFixedSize(whole);
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
  }

  void Place() {
    if (owner_.isNull()) {
      return;
    }
    const QScreen* screen = owner_->screen();
    const QRect area = screen->geometry();
    const QRect owner_rect = owner_->frameGeometry().translated(-area.topLeft());
    const QSize box = frameGeometry().size();
    const BoxPosition position =
        MessageBoxPosition(RectOf(owner_rect), BoxSize{box.width(), box.height()},
                           BoxSize{area.width(), area.height()});
    move(area.topLeft() + QPoint(position.x, position.y));
  }

  QPointer<QWidget> owner_;
};

}  // namespace

int ShowStyledMessageBox(const std::string& prompt, int style, const std::string& title,
                         QWidget* owner) {
  const MessageLook look = LookOfStyle(style);
  PlacedMessageBox box(owner);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setWindowTitle(QString::fromStdString(title));
  box.setIcon(QtIcon(look.icon));
  // Paths and page texts in messages may hold "<" and "&": never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(BoxText(prompt)));
  for (const int number : look.buttons) {
    const ButtonPair* pair = PairOf(number);
    QPushButton* button = box.addButton(pair->button);
    button->setText(Translated(pair->caption));
    if (number == look.default_button) {
      box.setDefaultButton(button);
    }
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) {
    return look.buttons.back();
  }
  return NumberOf(box.standardButton(clicked));
}

}  // namespace pictavue
