#include "ui/active_window.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace pictavue {

ActiveWindow::ActiveWindow(QObject* parent) : QObject(parent) {}

void ActiveWindow::Track(QWidget* window) {
  if (window != nullptr) {
    window->installEventFilter(this);
  }
}

void ActiveWindow::Activated(QWidget* window) {
  std::erase_if(order_, [window](const QPointer<QWidget>& entry) {
    return entry.isNull() || entry.data() == window;
  });
  if (window != nullptr) {
    order_.emplace_back(window);
  }
}

QWidget* ActiveWindow::Handle() const {
  const auto shown = std::find_if(order_.rbegin(), order_.rend(), [](const QPointer<QWidget>& w) {
    return !w.isNull() && w->isVisible();
  });
  return shown == order_.rend() ? nullptr : shown->data();
}

bool ActiveWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
    Activated(static_cast<QWidget*>(watched));
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace pictavue
