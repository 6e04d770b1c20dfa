#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;
class QWidget;

namespace pictavue {

// Where the copies of the program that one user runs meet: the lock file that the first copy
// holds and the local socket it listens on.
struct InstancePlace {
  QString lock_file;
  QString server_name;
};

// The place of the current user, in the user's own runtime folder.
InstancePlace UserInstancePlace();

// This copy's part in the second-copy rule. The first copy to claim the place holds it for its
// whole life and brings its window to the front whenever a later copy asks; a copy that finds
// the place held may ask. A lock left by a copy that died no longer counts.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  explicit SingleInstance(InstancePlace place, QObject* parent = nullptr);
  ~SingleInstance() override;
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Tries to become the first copy; true when this copy is (or already was) the first. False
  // when another copy holds the place.
  bool Claim();
  bool IsFirst() const { return server_ != nullptr; }

  // The window that comes to the front when a later copy asks (the main window). A request that
  // came before the window existed is answered when it is set.
  void SetWindow(QWidget* window);

  // Asks the first copy to come to the front; false when it could not be reached in time.
  bool AskFirstCopyToComeForward(int timeout_ms = 2000) const;

 signals:
  // A later copy asked, and the window has been brought to the front.
  void CameForward();

 private:
  void ServeConnection();
  void ComeForward();

  InstancePlace place_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
  QPointer<QWidget> window_;
  bool asked_before_window_ = false;
};

// Shows start-up's message for a copy that must end, with the warning icon and the program's
// title, directly: no window of this copy exists to place it over.
void ShowAlreadyRunningMessage(const std::string& message);

// Start-up's second-copy check: true when another copy holds the place. Then the user is told
// (tell_user) and the first copy is asked to come to the front, in that order; this copy is to
// end without a window and without saving.
bool IsPreviousInstanceRunning(SingleInstance& instance, const std::function<void()>& tell_user);

}  // namespace pictavue
