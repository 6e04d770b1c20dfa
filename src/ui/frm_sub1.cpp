#include "ui/frm_sub1.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/settings_values.h"
#include "ui/active_window.h"
#include "ui/path_chooser.h"
#include "ui/translated.h"

namespace pictavue {
namespace {

struct ModeTexts {
  SourceText caption;
  SourceText label;
};

constexpr ModeTexts kModeTexts[] = {
    {PICTAVUE_TEXT("frmSub1", "出力先フォルダの設定"),
     PICTAVUE_TEXT("frmSub1", "出力先フォルダ(&F)")},
    {PICTAVUE_TEXT("frmSub1", "ブラウザの設定"), PICTAVUE_TEXT("frmSub1", "ブラウザ(&B)")},
};

constexpr SourceText kFolderBrowseTitle =
    PICTAVUE_TEXT("frmSub1", "出力するフォルダを選択してください。");

// txtAny holds a whole path: 4725 twips at 15 twips a pixel.
constexpr int kPathWidth = 315;

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

frmSub1::frmSub1(int mode, GalleryOptions& options, const Services& services, QWidget* owner)
    : QDialog(owner),
      mode_(mode == kBrowserMode ? kBrowserMode : kOutputFolderMode),
      options_(options),
      services_(services) {
  setObjectName(QStringLiteral("frmSub1"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  const ModeTexts& texts = kModeTexts[mode_];
  setWindowTitle(Translated(texts.caption));

  Label1 = new QLabel(Translated(texts.label), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  txtAny = new QLineEdit(this);
  txtAny->setObjectName(QStringLiteral("txtAny"));
  txtAny->setMinimumWidth(kPathWidth);
  Label1->setBuddy(txtAny);
  Command1 = new QPushButton(Translated(PICTAVUE_TEXT("frmSub1", "参照(&R)...")), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setAutoDefault(false);
  Command2_0 = new QPushButton(QStringLiteral("OK"), this);
  Command2_0->setObjectName(QStringLiteral("Command2(0)"));
  Command2_0->setDefault(true);
  Command2_1 = new QPushButton(Translated(PICTAVUE_TEXT("frmSub1", "ｷｬﾝｾﾙ")), this);
  Command2_1->setObjectName(QStringLiteral("Command2(1)"));
  Command2_1->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(Label1);
  top->addWidget(Command1);
  top->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(Command2_0);
  bottom->addWidget(Command2_1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(txtAny);
  layout->addSpacing(txtAny->sizeHint().height() / 2);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(txtAny, Command2_0);
  setTabOrder(Command2_0, Command2_1);
  setTabOrder(Command2_1, Command1);

  txtAny->setText(FromUtf8(mode_ == kOutputFolderMode ? options_.DirName : options_.BrowserPath));

  for (QWidget* control : {static_cast<QWidget*>(txtAny), static_cast<QWidget*>(Command1),
                           static_cast<QWidget*>(Command2_0), static_cast<QWidget*>(Command2_1)}) {
    control->installEventFilter(this);
  }
  services_.active_window.Track(this);
  connect(Command1, &QPushButton::clicked, this, &frmSub1::Command1_Click);
  connect(Command2_0, &QPushButton::clicked, this, [this] { Command2_Click(0); });
  connect(Command2_1, &QPushButton::clicked, this, [this] { Command2_Click(1); });
}

bool frmSub1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    NoteFocus(services_.focus, watched->objectName().toStdString());
    if (watched == txtAny && SelectAllOnFocus(services_.focus)) {
      txtAny->selectAll();
    }
  } else if (event->type() == QEvent::MouseButtonPress && watched == txtAny) {
    const QWidget* active = focusWidget();
    NoteTextBoxMouseDown(services_.focus,
                         active == nullptr ? std::string() : active->objectName().toStdString());
  }
  return QDialog::eventFilter(watched, event);
}

void frmSub1::Command1_Click() {
  const std::string text = txtAny->text().toStdString();
  std::string chosen;
  if (mode_ == kOutputFolderMode) {
    chosen = services_.chooser.BrowseForFolder(this, Translated(kFolderBrowseTitle).toStdString(),
                                               FolderBrowseStart(text, services_.kind_of));
  } else {
    std::vector<FileFilter> filters = BrowserFilters();
    for (FileFilter& filter : filters) {
      filter.description =
          QCoreApplication::translate(kFilterContext, filter.description.c_str()).toStdString();
    }
    chosen = services_.chooser.ChooseFile(
        this, filters, FileBrowseStart(text, services_.style, services_.kind_of));
  }
  if (!chosen.empty()) {
    txtAny->setText(FromUtf8(chosen));
  }
}

void frmSub1::Command2_Click(int index) {
  if (index == 0) {
    const std::string path(TrimBlanks(txtAny->text().toStdString()));
    if (mode_ == kOutputFolderMode) {
      options_.DirName = path;
    } else {
      options_.BrowserPath = path;
    }
    accept();
    return;
  }
  reject();
}

}  // namespace pictavue
