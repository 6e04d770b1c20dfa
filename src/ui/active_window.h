#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace pictavue {

// ActiveWindowHandle: the program's window that was activated last, the one message boxes are
// placed over. Windows are kept in the order of their activation, so that when the last one
// closes the one activated before it counts again, as it does when the system hands the
// activation back to it. One object, owned by the application and handed to every window.
class ActiveWindow : public QObject {
  Q_OBJECT

 public:
  explicit ActiveWindow(QObject* parent = nullptr);

  // From now on window records itself here whenever it is activated.
  void Track(QWidget* window);

  // Records that window has been activated.
  void Activated(QWidget* window);

  // The most recently activated window that still exists and is shown; nullptr when there is
  // none (a box then stands where the system puts it).
  QWidget* Handle() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QPointer<QWidget>> order_;  // least recently activated first
};

}  // namespace pictavue
