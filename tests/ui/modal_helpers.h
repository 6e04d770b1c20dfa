#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pictavue::testing {

// Runs act on the first modal window of type T once it is on screen, from inside the event loop
// that shows it, so that a test can look at a modal window and end it. Gives up after
// timeout_ms, leaving the window to the test's own checks.
template <typename T>
void WhenModalShown(std::function<void(T*)> act, int timeout_ms = 5000) {
  auto* poll = new QTimer;
  auto* waited = new QElapsedTimer;
  waited->start();
  QObject::connect(poll, &QTimer::timeout, [poll, waited, act = std::move(act), timeout_ms] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    const bool shown = window != nullptr && window->isVisible();
    if (!shown && waited->elapsed() < timeout_ms) {
      return;
    }
    poll->stop();
    poll->deleteLater();
    delete waited;
    if (shown) {
      act(window);
    }
  });
  poll->start(10);
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
