#include "ui/frm_progress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "generate/front_end.h"
#include "ui/translated.h"

namespace pictavue {
namespace {

// Wide enough for the longest status line and a bar whose steps can be seen.
constexpr int kWindowWidth = 360;

}  // namespace

frmProgress::frmProgress(QWidget* owner, std::function<void()> run)
    : QDialog(owner), run_(std::move(run)) {
  setObjectName(QStringLiteral("frmProgress"));
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);

  lblStatus = new QLabel(this);
  lblStatus->setObjectName(QStringLiteral("lblStatus"));
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  Command1 = new QPushButton(Translated(PICTAVUE_TEXT("frmProgress", "ｷｬﾝｾﾙ")), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);
  Command1->setAutoDefault(true);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(kStartDelayMs);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblStatus);
  layout->addWidget(ProgressBar1);
  layout->addLayout(buttons);
  setFixedWidth(kWindowWidth);
  setFixedHeight(sizeHint().height());

  connect(Command1, &QPushButton::clicked, this, &frmProgress::Command1_Click);
  connect(Timer1, &QTimer::timeout, this, &frmProgress::Timer1_Timer);
}

void frmProgress::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Armed once, when the window first comes on screen, so that the run never starts before the
  // user can see it or press its button.
  if (!armed_) {
    armed_ = true;
    Timer1->start();
  }
}

void frmProgress::closeEvent(QCloseEvent* event) {
  if (finished_) {
    event->accept();
    return;
  }
  // The run holds the data the window shows; the window may go only when the run has returned.
  event->ignore();
  Command1_Click();
}

void frmProgress::reject() {
  if (finished_) {
    QDialog::reject();
    return;
  }
  Command1_Click();
}

void frmProgress::Command1_Click() {
  cancel_requested_ = true;
}

void frmProgress::Timer1_Timer() {
  Timer1->stop();
  if (run_) {
    run_();
  }
  finished_ = true;
  accept();
}

}  // namespace pictavue
