#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

class QWidget;

namespace pictavue {

class TipWindow;

// One tip window serving one target widget: tools are rectangles of the target's client area,
// each with its own text, shown after a delay while the mouse rests over them. Tips of several
// lines (CR LF) and tips whose text changes with the settings, which a widget's plain tooltip
// does not offer. The delays follow the platform's double-click time, as its own tips do:
// shown after it, hidden after ten times it, and a next tool shown after a fifth of it.
//
// The member names are the component's own. Members called before mCreate have no effect.
class clsToolTip : public QObject {
  Q_OBJECT

 public:
  explicit clsToolTip(QObject* parent = nullptr);
  ~clsToolTip() override;
  clsToolTip(const clsToolTip&) = delete;
  clsToolTip& operator=(const clsToolTip&) = delete;

  // Binds the object to its target once: false when it is bound already (the target stays the
  // first one) or when there is no target.
  bool mCreate(QWidget* lngTarget);

  // Adds the tool, or replaces the tool of the same key. With lngLeft, lngHeight and lngWidth
  // all 0 the tool covers the target's whole client area, as it is now and after any resize.
  bool mToolAdd(int lngKey, const QString& strText, int lngLeft = 0, int lngTop = 0,
                int lngHeight = 0, int lngWidth = 0);

  // Lines longer than this text width, in pixels, wrap; -1 (the start): one line per CR LF.
  void pMaxWidth(int lngMaxWidth);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Tool {
    int key = 0;
    QString text;
    bool whole_client = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
  };
  enum class Delay { kReShow, kInitial, kAutoPop };

  Tool* FindTool(int key);
  const Tool* ToolAt(const QPoint& pos) const;
  static int DelayTime(Delay delay);

  void OnMouseMove(const QPoint& pos, const QPoint& global_pos);
  void ShowPending();
  void HideTip();

  QPointer<QWidget> target_;
  QPointer<TipWindow> tip_;
  std::vector<Tool> tools_;
  std::optional<int> hovered_key_;
  QPoint pending_position_;
  QTimer show_timer_;
  QTimer pop_timer_;
};

}  // namespace pictavue
