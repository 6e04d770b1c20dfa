#include "ui/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <utility>

#include "generate/front_end.h"
#include "ui/message_box.h"

namespace pictavue {
namespace {

// What a later copy says: one short word, so that anything else on the socket is ignored.
constexpr char kComeForward[] = "forward\n";
constexpr qint64 kMaxRequestBytes = 16;
constexpr int kConnectRetryMs = 50;

}  // namespace

InstancePlace UserInstancePlace() {
  // The runtime folder belongs to the user alone (Qt makes one when the system gives none), so
  // no other user's copy can hold or answer our place.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) {
    folder = QDir::tempPath();
  }
  const QDir dir(folder);
  return InstancePlace{dir.filePath(QStringLiteral("pictavue.lock")),
                       dir.filePath(QStringLiteral("pictavue.socket"))};
}

SingleInstance::SingleInstance(InstancePlace place, QObject* parent)
    : QObject(parent), place_(std::move(place)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Claim() {
  if (IsFirst()) {
    return true;
  }
  auto lock = std::make_unique<QLockFile>(place_.lock_file);
  if (!lock->tryLock(0)) {
    return false;
  }
  // The lock is ours, so a socket file left at the place belongs to a copy that died.
  QLocalServer::removeServer(place_.server_name);
  auto* server = new QLocalServer(this);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(place_.server_name)) {
    // Still the first copy: later copies end as they should, they only cannot call us forward.
    server->close();
  }
  connect(server, &QLocalServer::newConnection, this, &SingleInstance::ServeConnection);
  lock_ = std::move(lock);
  server_ = server;
  return true;
}

void SingleInstance::SetWindow(QWidget* window) {
  window_ = window;
  if (asked_before_window_ && window != nullptr) {
    asked_before_window_ = false;
    ComeForward();
  }
}

bool SingleInstance::AskFirstCopyToComeForward(int timeout_ms) const {
  QElapsedTimer waited;
  waited.start();
  // The first copy may be starting up and not listen yet.
  while (true) {
    QLocalSocket socket;
    socket.connectToServer(place_.server_name);
    if (socket.waitForConnected(timeout_ms)) {
      socket.write(kComeForward);
      const bool sent = socket.waitForBytesWritten(timeout_ms);
      socket.disconnectFromServer();
      return sent;
    }
    if (waited.elapsed() + kConnectRetryMs > timeout_ms) {
      return false;
    }
    QThread::msleep(kConnectRetryMs);
  }
}

void SingleInstance::ServeConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      const QByteArray request = socket->read(kMaxRequestBytes);
      socket->disconnectFromServer();
      if (request == kComeForward) {
        ComeForward();
      }
    });
  }
}

void SingleInstance::ComeForward() {
  if (window_.isNull()) {
    asked_before_window_ = true;
    return;
  }
  if (window_->isMinimized()) {
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  }
  window_->show();
  // The window the user last worked in: a modal dialog over the main window, if one is open.
  QWidget* target = QApplication::activeModalWidget();
  if (target == nullptr) {
    target = window_;
  }
  target->raise();
  target->activateWindow();
  emit CameForward();
}

void ShowAlreadyRunningMessage(const std::string& message) {
  ShowStyledMessageBox(message, kStyleWarning, kProgramTitle, nullptr);
}

bool IsPreviousInstanceRunning(SingleInstance& instance, const std::function<void()>& tell_user) {
  if (instance.Claim()) {
    return false;
  }
  tell_user();
  instance.AskFirstCopyToComeForward();
  return true;
}

}  // namespace pictavue
