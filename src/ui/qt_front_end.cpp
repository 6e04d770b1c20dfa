#include "ui/qt_front_end.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/frm_main.h"

namespace pictavue {
namespace {

using Button = QMessageBox::StandardButton;

QList<Button> ButtonsFor(int style) {
  switch (style & 0xF) {
    case 1:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case 2:
      return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case 3:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case 4:
      return {QMessageBox::Yes, QMessageBox::No};
    case 5:
      return {QMessageBox::Retry, QMessageBox::Cancel};
    default:
      return {QMessageBox::Ok};
  }
}

QMessageBox::Icon IconFor(int style) {
  switch (style & 0xF0) {
    case 0x10:
      return QMessageBox::Critical;
    case 0x20:
      return QMessageBox::Question;
    case 0x30:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The progress window: its cancel button (also Enter and Esc, and the close box) only asks the
// run to stop; the run closes the window when it returns.
class ProgressDialog final : public QDialog {
 public:
  ProgressDialog(QWidget* owner, bool& cancel_requested)
      : QDialog(owner), cancel_requested_(cancel_requested) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setModal(true);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("lblStatus"));
    bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setRange(0, 0);
    bar->setValue(0);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    cancel->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] { cancel_requested_ = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status);
    layout->addWidget(bar);
    layout->addWidget(cancel, 0, Qt::AlignCenter);
    setMinimumWidth(320);
  }

  void reject() override { cancel_requested_ = true; }

  QLabel* status = nullptr;
  QProgressBar* bar = nullptr;

 private:
  bool& cancel_requested_;
};

}  // namespace

MessageBoxLook MessageBoxLookFor(int style) {
  MessageBoxLook look;
  look.icon = IconFor(style);
  look.buttons = ButtonsFor(style);
  const int default_index = (style >> 8) & 0xF;
  look.default_button = default_index < look.buttons.size() ? look.buttons.at(default_index)
                                                            : look.buttons.constFirst();
  return look;
}

int ButtonNumber(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Cancel:
      return kButtonCancel;
    case QMessageBox::Abort:
      return 3;
    case QMessageBox::Retry:
      return 4;
    case QMessageBox::Ignore:
      return 5;
    case QMessageBox::Yes:
      return kButtonYes;
    case QMessageBox::No:
      return kButtonNo;
    default:
      return kButtonOk;
  }
}

int QtFrontEnd::ShowMessageBox(const std::string& prompt, int style, const std::string& title) {
  const MessageBoxLook look = MessageBoxLookFor(style);
  QWidget* owner = QApplication::activeWindow();
  QMessageBox box(look.icon, QString::fromStdString(title), QString::fromStdString(prompt),
                  QMessageBox::NoButton, owner != nullptr ? owner : &window_);
  box.setObjectName(QStringLiteral("MessageBox"));
  for (Button button : look.buttons) {
    box.addButton(button);
  }
  box.setDefaultButton(look.default_button);
  const int pressed = box.exec();
  return ButtonNumber(static_cast<Button>(pressed));
}

void QtFrontEnd::PointAt(int tab_page, ControlId control, FocusAction action) {
  window_.PointAt(tab_page, control, action);
}

void QtFrontEnd::SetStatus(const std::string& text) {
  if (status_) {
    status_->setText(QString::fromStdString(text));
  }
}

void QtFrontEnd::RunModal(const std::function<void()>& run) {
  cancel_requested_ = false;
  ProgressDialog dialog(&window_, cancel_requested_);
  status_ = dialog.status;
  bar_ = dialog.bar;
  QTimer::singleShot(kRunDelayMs, &dialog, [&dialog, &run] {
    run();
    dialog.accept();
  });
  dialog.exec();
}

void QtFrontEnd::ProcessEvents() {
  QCoreApplication::processEvents();
}

void QtFrontEnd::SetProgressRange(int min, int max) {
  if (bar_) {
    bar_->setRange(min, max);
  }
}

void QtFrontEnd::SetProgressValue(int value) {
  if (bar_) {
    bar_->setValue(value);
  }
}

bool QtFrontEnd::YieldEvents() {
  QCoreApplication::processEvents();
  return cancel_requested_;
}

}  // namespace pictavue
