#include "ui/cls_tool_tip.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <climits>

namespace pictavue {
namespace {

// Where a tip appears, relative to the mouse: below the pointer's arrow.
constexpr QPoint kOffsetFromPointer(2, 20);
// Space between the border and the text.
constexpr int kPadding = 2;

// Tool texts break their lines at CR LF; a CR or LF alone breaks too rather than showing a box.
QString TextWithLineBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

// The window that shows a tip: border, background and text in the platform's tip colours.
class TipWindow final : public QWidget {
 public:
  explicit TipWindow(QWidget* parent) : QWidget(parent, Qt::ToolTip) {
    setObjectName(QStringLiteral("TipWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
  }

  void SetText(const QString& text) {
    text_ = TextWithLineBreaks(text);
    resize(SizeForText());
    update();
  }

  void SetMaxWidth(int max_width) {
    max_width_ = max_width;
    SetText(text_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(TextRect(), TextFlags(), text_);
  }

 private:
  int TextFlags() const {
    return Qt::AlignLeft | Qt::AlignTop | (max_width_ >= 0 ? Qt::TextWordWrap : 0);
  }
  static QMargins Frame() {
    return QMargins(kPadding + 1, kPadding + 1, kPadding + 1, kPadding + 1);
  }
  QRect TextRect() const { return rect().marginsRemoved(Frame()); }
  QSize SizeForText() const {
    const int width = max_width_ >= 0 ? max_width_ : INT_MAX / 4;
    const QRect bounds =
        QFontMetrics(font()).boundingRect(QRect(0, 0, width, INT_MAX / 4), TextFlags(), text_);
    return bounds.size().grownBy(Frame());
  }

  QString text_;
  int max_width_ = -1;
};

clsToolTip::clsToolTip(QObject* parent) : QObject(parent) {
  show_timer_.setSingleShot(true);
  pop_timer_.setSingleShot(true);
  connect(&show_timer_, &QTimer::timeout, this, &clsToolTip::ShowPending);
  connect(&pop_timer_, &QTimer::timeout, this, &clsToolTip::HideTip);
}

clsToolTip::~clsToolTip() {
  if (target_) {
    target_->removeEventFilter(this);
  }
  delete tip_.data();
}

bool clsToolTip::mCreate(QWidget* lngTarget) {
  if (tip_ || lngTarget == nullptr) {
    return false;
  }
  // The tip window belongs to the target, so it goes with it even when this object outlives it.
  tip_ = new TipWindow(lngTarget);
  target_ = lngTarget;
  target_->setMouseTracking(true);
  target_->installEventFilter(this);
  return true;
}

bool clsToolTip::mToolAdd(int lngKey, const QString& strText, int lngLeft, int lngTop,
                          int lngHeight, int lngWidth) {
  if (!tip_ || !target_) {
    return false;
  }
  // The top alone does not make a rectangle: a tool is placed by its left edge and its size.
  const Tool tool{lngKey,   strText, lngHeight == 0 && lngLeft == 0 && lngWidth == 0,
                  lngLeft,  lngTop,  lngWidth,
                  lngHeight};
  if (Tool* existing = FindTool(lngKey)) {
    *existing = tool;
    if (hovered_key_ == lngKey && tip_->isVisible()) {
      tip_->SetText(strText);
    }
  } else {
    tools_.push_back(tool);
  }
  return true;
}

void clsToolTip::pMaxWidth(int lngMaxWidth) {
  if (tip_) {
    tip_->SetMaxWidth(std::max(lngMaxWidth, -1));
  }
}

clsToolTip::Tool* clsToolTip::FindTool(int key) {
  const auto found = std::find_if(tools_.begin(), tools_.end(),
                                  [key](const Tool& tool) { return tool.key == key; });
  return found != tools_.end() ? &*found : nullptr;
}

const clsToolTip::Tool* clsToolTip::ToolAt(const QPoint& pos) const {
  for (const Tool& tool : tools_) {
    const QRect rect = tool.whole_client && target_
                           ? target_->rect()
                           : QRect(tool.left, tool.top, tool.width, tool.height);
    if (rect.contains(pos)) {
      return &tool;
    }
  }
  return nullptr;
}

int clsToolTip::DelayTime(Delay delay) {
  const int initial = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  switch (delay) {
    case Delay::kReShow:
      return initial / 5;
    case Delay::kAutoPop:
      return initial * 10;
    case Delay::kInitial:
      break;
  }
  return initial;
}

bool clsToolTip::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_) {
    switch (event->type()) {
      case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        OnMouseMove(mouse->position().toPoint(), mouse->globalPosition().toPoint());
        break;
      }
      case QEvent::Leave:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::Hide:
        hovered_key_.reset();
        HideTip();
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void clsToolTip::OnMouseMove(const QPoint& pos, const QPoint& global_pos) {
  const Tool* tool = ToolAt(pos);
  const std::optional<int> key = tool ? std::optional<int>(tool->key) : std::nullopt;
  if (key == hovered_key_) {
    return;
  }
  // Moving from one tool to the next while a tip is up shows the next one sooner.
  const bool was_shown = tip_->isVisible();
  HideTip();
  hovered_key_ = key;
  if (key) {
    pending_position_ = global_pos + kOffsetFromPointer;
    show_timer_.start(DelayTime(was_shown ? Delay::kReShow : Delay::kInitial));
  }
}

void clsToolTip::ShowPending() {
  const Tool* tool = hovered_key_ ? FindTool(*hovered_key_) : nullptr;
  if (tool == nullptr || !tip_) {
    return;
  }
  tip_->SetText(tool->text);
  QPoint position = pending_position_;
  if (const QScreen* screen = QGuiApplication::screenAt(position)) {
    const QRect area = screen->availableGeometry();
    position.setX(std::max(area.left(), std::min(position.x(), area.right() + 1 - tip_->width())));
    position.setY(std::max(area.top(), std::min(position.y(), area.bottom() + 1 - tip_->height())));
  }
  tip_->move(position);
  tip_->show();
  pop_timer_.start(DelayTime(Delay::kAutoPop));
}

void clsToolTip::HideTip() {
  show_timer_.stop();
  pop_timer_.stop();
  if (tip_) {
    tip_->hide();
  }
}

}  // namespace pictavue
