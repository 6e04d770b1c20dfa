#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

class QWidget;

namespace pictavue {

// high × 65536 + low as a signed 32-bit value, the low part not masked to 16 bits: MakeLong(1, 2)
// is 65538, MakeLong(40000, 0) is 40000 × 65536 - 2^32. Sums outside 32 bits wrap around.
std::int32_t MakeLong(std::int32_t high, std::int32_t low);

class TipWindow;

// One tip window serving one target widget: tools are rectangles of the target's client area,
// each with its own text, shown after a delay while the mouse rests over them. Tips of several
// lines (CR LF) and tips whose text changes with the settings, which a widget's plain tooltip
// does not offer. Colours are 32-bit RGB values with red in the low byte, delays milliseconds,
// widths and margins pixels.
//
// The member names are the component's own; a property's read side is the overload without the
// new value. Members called before mCreate have no effect and read 0.
class clsToolTip : public QObject {
  Q_OBJECT

 public:
  explicit clsToolTip(QObject* parent = nullptr);
  ~clsToolTip() override;
  clsToolTip(const clsToolTip&) = delete;
  clsToolTip& operator=(const clsToolTip&) = delete;

  std::int32_t pForeColor() const;
  void pForeColor(std::int32_t lngNewColor);
  std::int32_t pBackColor() const;
  void pBackColor(std::int32_t lngNewColor);

  // -1: no limit, one line per CR LF. Otherwise longer lines wrap at this text width.
  int pMaxWidth() const;
  void pMaxWidth(int lngMaxWidth);

  // A negative time restores the default, which follows the double-click time as the
  // platform's tips do: initial = double-click time, auto-pop 10 times, reshow a fifth of it.
  int pReShowTime() const;
  void pReShowTime(int lngTime);
  int pInitialTime() const;
  void pInitialTime(int lngTime);
  int pAutoPopTime() const;
  void pAutoPopTime(int lngTime);

  void pActivate(bool booActivate);
  void pToolText(int lngKey, const QString& strNewText);
  int pToolCount() const;

  // A tracking tip stands at a screen position of the caller's choosing.
  void mToolTrackPosition(int lngX, int lngY);
  void pToolTrack(int lngKey, bool booTrack);

  QWidget* phWnd() const;

  void mToolRemove(int lngKey);
  // Adds the tool, or replaces the tool of the same key. With lngLeft, lngHeight and lngWidth
  // all 0 the tool covers the target's whole client area, as it is now and after any resize.
  bool mToolAdd(int lngKey, const QString& strText, int lngLeft = 0, int lngTop = 0,
                int lngHeight = 0, int lngWidth = 0);

  int pToolLeft(int lngKey) const;
  void pToolLeft(int lngKey, int lngNewLeft);
  int pToolTop(int lngKey) const;
  void pToolTop(int lngKey, int lngNewTop);
  int pToolWidth(int lngKey) const;
  void pToolWidth(int lngKey, int lngNewWidth);
  int pToolHeight(int lngKey) const;
  void pToolHeight(int lngKey, int lngNewHeight);

  void mPop();

  int pMarginLeft() const;
  void pMarginLeft(int lngNewMargin);
  int pMarginTop() const;
  void pMarginTop(int lngNewMargin);
  int pMarginRight() const;
  void pMarginRight(int lngNewMargin);
  int pMarginBottom() const;
  void pMarginBottom(int lngNewMargin);

  // Binds the object to its target once: false when it is bound already (the target stays the
  // first one) or when there is no target.
  bool mCreate(QWidget* lngTarget);

  // The text of a tool (empty for an unknown key) and of the tip on screen (empty when none is).
  QString ToolText(int lngKey) const;
  QString ShownText() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ToolRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
  };
  struct Tool {
    int key = 0;
    QString text;
    bool whole_client = false;
    ToolRect rect;
  };
  enum class Delay { kReShow, kInitial, kAutoPop };

  Tool* FindTool(int key);
  const Tool* FindTool(int key) const;
  ToolRect RectOf(const Tool& tool) const;
  void SetRect(int key, ToolRect rect);
  const Tool* ToolAt(const QPoint& pos) const;
  int DelayTime(Delay delay) const;
  void SetDelayTime(Delay delay, std::int32_t time);
  void SetMargin(int left, int top, int right, int bottom);

  void OnMouseMove(const QPoint& pos, const QPoint& global_pos);
  void ShowTip(const QString& text, const QPoint& global_pos);
  void HideTip();
  void ShowPending();

  QPointer<QWidget> target_;
  QPointer<TipWindow> tip_;
  std::vector<Tool> tools_;
  bool active_ = true;
  std::optional<int> hovered_key_;
  std::optional<int> tracked_key_;
  QPoint track_position_;
  QPoint pending_position_;
  std::optional<int> delays_[3];
  QTimer show_timer_;
  QTimer pop_timer_;
};

}  // namespace pictavue
