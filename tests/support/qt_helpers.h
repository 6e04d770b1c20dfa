#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pictavue::testing {

// Runs act on the first modal window of type T once it is on screen, from inside the event loop
// that shows it, so that a test can look at a modal window and end it. Gives up after about five
// seconds, leaving the window to the test's own checks.
template <typename T>
void WhenModalShown(std::function<void(T*)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act), ticks = 0]() mutable {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    const bool shown = window != nullptr && window->isVisible();
    if (!shown && ++ticks < 500) {
      return;
    }
    poll->stop();
    poll->deleteLater();
    if (shown) {
      act(window);
    }
  });
  poll->start(10);
}

// A text of the windows in the test's language (Japanese, or English in the _en runs).
inline QString Tr(const char* context, const char* text) {
  return QCoreApplication::translate(context, text);
}

// Every top-level window is closed: the cleanup check of each GUI test.
inline QString OpenTopLevelWindows() {
  QString open;
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) {
      open += widget->objectName() + QLatin1Char(' ');
    }
  }
  return open;
}

}  // namespace pictavue::testing
