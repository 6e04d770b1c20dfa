#include "ui/cls_tool_tip.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMargins>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleHints>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <utility>

namespace pictavue {
namespace {

// Where a tip appears, relative to the mouse: below the pointer's arrow.
constexpr QPoint kOffsetFromPointer(2, 20);
// Space between the border and the text that the margins add to.
constexpr int kPadding = 2;

QColor ColorFromRgb(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t RgbFromColor(const QColor& color) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                   (static_cast<std::uint32_t>(color.green()) << 8) |
                                   (static_cast<std::uint32_t>(color.blue()) << 16));
}

// Tool texts break their lines at CR LF; a CR or LF alone breaks too rather than showing a box.
QString TextWithLineBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

std::int32_t MakeLong(std::int32_t high, std::int32_t low) {
  const std::int64_t sum = static_cast<std::int64_t>(high) * 65536 + low;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(sum));
}

// The window that shows a tip: border, background and text in the tip's colours.
class TipWindow final : public QWidget {
 public:
  explicit TipWindow(QWidget* parent) : QWidget(parent, Qt::ToolTip) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPalette palette = QToolTip::palette();
    fore_color = palette.color(QPalette::ToolTipText);
    back_color = palette.color(QPalette::ToolTipBase);
    setFont(QToolTip::font());
  }

  void SetText(const QString& text) {
    text_ = TextWithLineBreaks(text);
    resize(SizeForText());
    update();
  }
  const QString& text() const { return text_; }

  QColor fore_color;
  QColor back_color;
  int max_width = -1;
  QMargins margins;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), back_color);
    painter.setPen(fore_color);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(TextRect(), TextFlags(), text_);
  }

 private:
  int TextFlags() const {
    return Qt::AlignLeft | Qt::AlignTop | (max_width >= 0 ? Qt::TextWordWrap : 0);
  }
  QMargins Frame() const {
    return margins + QMargins(kPadding + 1, kPadding + 1, kPadding + 1, kPadding + 1);
  }
  QRect TextRect() const { return rect().marginsRemoved(Frame()); }
  QSize SizeForText() const {
    const int width = max_width >= 0 ? max_width : INT_MAX / 4;
    const QRect bounds =
        QFontMetrics(font()).boundingRect(QRect(0, 0, width, INT_MAX / 4), TextFlags(), text_);
    return bounds.size().grownBy(Frame());
  }

  QString text_;
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

std::int32_t clsToolTip::pForeColor() const {
  return tip_ ? RgbFromColor(tip_->fore_color) : 0;
}

void clsToolTip::pForeColor(std::int32_t lngNewColor) {
  if (tip_) {
    tip_->fore_color = ColorFromRgb(lngNewColor);
    tip_->update();
  }
}

std::int32_t clsToolTip::pBackColor() const {
  return tip_ ? RgbFromColor(tip_->back_color) : 0;
}

void clsToolTip::pBackColor(std::int32_t lngNewColor) {
  if (tip_) {
    tip_->back_color = ColorFromRgb(lngNewColor);
    tip_->update();
  }
}

int clsToolTip::pMaxWidth() const {
  return tip_ ? tip_->max_width : 0;
}

void clsToolTip::pMaxWidth(int lngMaxWidth) {
  if (tip_) {
    tip_->max_width = std::max(lngMaxWidth, -1);
    tip_->SetText(tip_->text());
  }
}

int clsToolTip::DelayTime(Delay delay) const {
  if (!tip_) {
    return 0;
  }
  if (const std::optional<int>& set = delays_[static_cast<int>(delay)]) {
    return *set;
  }
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

void clsToolTip::SetDelayTime(Delay delay, std::int32_t time) {
  if (!tip_) {
    return;
  }
  std::optional<int>& slot = delays_[static_cast<int>(delay)];
  if (time < 0) {
    slot.reset();
  } else {
    slot = time;
  }
}

int clsToolTip::pReShowTime() const {
  return DelayTime(Delay::kReShow);
}
void clsToolTip::pReShowTime(int lngTime) {
  SetDelayTime(Delay::kReShow, MakeLong(0, lngTime));
}
int clsToolTip::pInitialTime() const {
  return DelayTime(Delay::kInitial);
}
void clsToolTip::pInitialTime(int lngTime) {
  SetDelayTime(Delay::kInitial, MakeLong(0, lngTime));
}
int clsToolTip::pAutoPopTime() const {
  return DelayTime(Delay::kAutoPop);
}
void clsToolTip::pAutoPopTime(int lngTime) {
  SetDelayTime(Delay::kAutoPop, MakeLong(0, lngTime));
}

void clsToolTip::pActivate(bool booActivate) {
  if (!tip_) {
    return;
  }
  active_ = booActivate;
  if (!active_) {
    HideTip();
  }
}

void clsToolTip::pToolText(int lngKey, const QString& strNewText) {
  Tool* tool = FindTool(lngKey);
  if (tool == nullptr) {
    return;
  }
  tool->text = strNewText;
  if ((hovered_key_ == lngKey || tracked_key_ == lngKey) && tip_->isVisible()) {
    tip_->SetText(strNewText);
  }
}

int clsToolTip::pToolCount() const {
  return tip_ ? static_cast<int>(tools_.size()) : 0;
}

void clsToolTip::mToolTrackPosition(int lngX, int lngY) {
  if (!tip_) {
    return;
  }
  track_position_ = QPoint(lngX, lngY);
  if (tracked_key_) {
    tip_->move(track_position_);
  }
}

void clsToolTip::pToolTrack(int lngKey, bool booTrack) {
  const Tool* tool = FindTool(lngKey);
  if (tool == nullptr) {
    return;
  }
  if (booTrack) {
    show_timer_.stop();
    pop_timer_.stop();
    tracked_key_ = lngKey;
    tip_->SetText(tool->text);
    tip_->move(track_position_);
    tip_->show();
  } else if (tracked_key_ == lngKey) {
    tracked_key_.reset();
    tip_->hide();
  }
}

QWidget* clsToolTip::phWnd() const {
  return tip_.data();
}

void clsToolTip::mToolRemove(int lngKey) {
  if (!tip_) {
    return;
  }
  const auto removed = std::remove_if(tools_.begin(), tools_.end(),
                                      [lngKey](const Tool& tool) { return tool.key == lngKey; });
  if (removed == tools_.end()) {
    return;
  }
  tools_.erase(removed, tools_.end());
  if (hovered_key_ == lngKey || tracked_key_ == lngKey) {
    tracked_key_.reset();
    HideTip();
  }
}

bool clsToolTip::mToolAdd(int lngKey, const QString& strText, int lngLeft, int lngTop,
                          int lngHeight, int lngWidth) {
  if (!tip_ || !target_) {
    return false;
  }
  Tool tool;
  tool.key = lngKey;
  tool.text = strText;
  // The top alone does not make a rectangle: a tool is placed by its left edge and its size.
  tool.whole_client = lngHeight == 0 && lngLeft == 0 && lngWidth == 0;
  tool.rect = {lngLeft, lngTop, lngLeft + lngWidth, lngTop + lngHeight};
  if (Tool* existing = FindTool(lngKey)) {
    *existing = tool;
    pToolText(lngKey, strText);
  } else {
    tools_.push_back(tool);
  }
  return true;
}

clsToolTip::Tool* clsToolTip::FindTool(int key) {
  // The lookup is written once; the tool it finds is this object's own, so it may be changed.
  return const_cast<Tool*>(std::as_const(*this).FindTool(key));
}

const clsToolTip::Tool* clsToolTip::FindTool(int key) const {
  const auto found = std::find_if(tools_.begin(), tools_.end(),
                                  [key](const Tool& tool) { return tool.key == key; });
  return tip_ && found != tools_.end() ? &*found : nullptr;
}

clsToolTip::ToolRect clsToolTip::RectOf(const Tool& tool) const {
  if (tool.whole_client && target_) {
    return {0, 0, target_->width(), target_->height()};
  }
  return tool.rect;
}

void clsToolTip::SetRect(int key, ToolRect rect) {
  if (Tool* tool = FindTool(key)) {
    tool->whole_client = false;
    tool->rect = rect;
  }
}

int clsToolTip::pToolLeft(int lngKey) const {
  const Tool* tool = FindTool(lngKey);
  return tool ? RectOf(*tool).left : 0;
}

int clsToolTip::pToolTop(int lngKey) const {
  const Tool* tool = FindTool(lngKey);
  return tool ? RectOf(*tool).top : 0;
}

int clsToolTip::pToolWidth(int lngKey) const {
  const Tool* tool = FindTool(lngKey);
  return tool ? RectOf(*tool).right - RectOf(*tool).left : 0;
}

int clsToolTip::pToolHeight(int lngKey) const {
  const Tool* tool = FindTool(lngKey);
  return tool ? RectOf(*tool).bottom - RectOf(*tool).top : 0;
}

void clsToolTip::pToolLeft(int lngKey, int lngNewLeft) {
  const int top = pToolTop(lngKey);
  SetRect(lngKey, {lngNewLeft, top, lngNewLeft + pToolWidth(lngKey), top + pToolHeight(lngKey)});
}

void clsToolTip::pToolTop(int lngKey, int lngNewTop) {
  const int left = pToolLeft(lngKey);
  SetRect(lngKey, {left, lngNewTop, left + pToolWidth(lngKey), lngNewTop + pToolHeight(lngKey)});
}

void clsToolTip::pToolWidth(int lngKey, int lngNewWidth) {
  const int left = pToolLeft(lngKey);
  const int top = pToolTop(lngKey);
  SetRect(lngKey, {left, top, left + lngNewWidth, top + pToolHeight(lngKey)});
}

void clsToolTip::pToolHeight(int lngKey, int lngNewHeight) {
  const int left = pToolLeft(lngKey);
  const int top = pToolTop(lngKey);
  SetRect(lngKey, {left, top, left + pToolWidth(lngKey), top + lngNewHeight});
}

void clsToolTip::mPop() {
  if (tip_) {
    tracked_key_.reset();
    HideTip();
  }
}

int clsToolTip::pMarginLeft() const {
  return tip_ ? tip_->margins.left() : 0;
}
int clsToolTip::pMarginTop() const {
  return tip_ ? tip_->margins.top() : 0;
}
int clsToolTip::pMarginRight() const {
  return tip_ ? tip_->margins.right() : 0;
}
int clsToolTip::pMarginBottom() const {
  return tip_ ? tip_->margins.bottom() : 0;
}

void clsToolTip::SetMargin(int left, int top, int right, int bottom) {
  if (tip_) {
    tip_->margins = QMargins(left, top, right, bottom);
    tip_->SetText(tip_->text());
  }
}

void clsToolTip::pMarginLeft(int lngNewMargin) {
  SetMargin(lngNewMargin, pMarginTop(), pMarginRight(), pMarginBottom());
}
void clsToolTip::pMarginTop(int lngNewMargin) {
  SetMargin(pMarginLeft(), lngNewMargin, pMarginRight(), pMarginBottom());
}
void clsToolTip::pMarginRight(int lngNewMargin) {
  SetMargin(pMarginLeft(), pMarginTop(), lngNewMargin, pMarginBottom());
}
void clsToolTip::pMarginBottom(int lngNewMargin) {
  SetMargin(pMarginLeft(), pMarginTop(), pMarginRight(), lngNewMargin);
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

QString clsToolTip::ToolText(int lngKey) const {
  const Tool* tool = FindTool(lngKey);
  return tool ? tool->text : QString();
}

QString clsToolTip::ShownText() const {
  return tip_ && tip_->isVisible() ? tip_->text() : QString();
}

const clsToolTip::Tool* clsToolTip::ToolAt(const QPoint& pos) const {
  for (const Tool& tool : tools_) {
    const ToolRect rect = RectOf(tool);
    if (pos.x() >= rect.left && pos.x() < rect.right && pos.y() >= rect.top &&
        pos.y() < rect.bottom) {
      return &tool;
    }
  }
  return nullptr;
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
        if (!tracked_key_) {
          HideTip();
        }
        break;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void clsToolTip::OnMouseMove(const QPoint& pos, const QPoint& global_pos) {
  if (tracked_key_) {
    return;
  }
  const Tool* tool = active_ ? ToolAt(pos) : nullptr;
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
  if (tool == nullptr || !active_) {
    return;
  }
  ShowTip(tool->text, pending_position_);
  pop_timer_.start(DelayTime(Delay::kAutoPop));
}

void clsToolTip::ShowTip(const QString& text, const QPoint& global_pos) {
  tip_->SetText(text);
  QPoint position = global_pos;
  if (const QScreen* screen = QGuiApplication::screenAt(global_pos)) {
    const QRect area = screen->availableGeometry();
    position.setX(std::max(area.left(), std::min(position.x(), area.right() + 1 - tip_->width())));
    position.setY(std::max(area.top(), std::min(position.y(), area.bottom() + 1 - tip_->height())));
  }
  tip_->move(position);
  tip_->show();
}

void clsToolTip::HideTip() {
  show_timer_.stop();
  pop_timer_.stop();
  if (tip_) {
    tip_->hide();
  }
}

}  // namespace pictavue
