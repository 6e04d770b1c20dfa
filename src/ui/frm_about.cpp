#include "ui/frm_about.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "generate/addresses.h"
#include "generate/program_info.h"
#include "platform/launch.h"
#include "platform/paths.h"
#include "request/open_result.h"
#include "ui/active_window.h"
#include "ui/program_icon.h"
#include "ui/translated.h"

namespace pictavue {
namespace {

// The lines of missing plug-ins have always been English: nothing to translate.
struct PluginTexts {
  PluginKind kind;
  const char* missing_line;
  SourceText tool_tip;
  const char* page;
};

constexpr PluginTexts kPluginTexts[] = {
    {PluginKind::kJpeg, "Susie JPEG plug-in is not found.",
     PICTAVUE_TEXT("frmAbout", "Susie32 JPEG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"), "ifjpeg.html"},
    {PluginKind::kPng, "Susie PNG plug-in is not found.",
     PICTAVUE_TEXT("frmAbout", "Susie32 PNG ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"), "ifpng.html"},
    {PluginKind::kWmf, "Susie WMF plug-in is not found.",
     PICTAVUE_TEXT("frmAbout", "Susie32 WMF ﾌﾟﾗｸﾞｲﾝのﾀﾞｳﾝﾛｰﾄﾞ"), "ifwmf.html"},
};

const PluginTexts& TextsOf(PluginKind kind) {
  for (const PluginTexts& texts : kPluginTexts) {
    if (texts.kind == kind) {
      return texts;
    }
  }
  return kPluginTexts[0];
}

// The name in the face it has always had; a casual face, else the window's own in bold, where
// that one is not installed.
constexpr const char* kNameFaces[] = {"Comic Sans MS", "Comic Neue", "Comic Relief"};
constexpr int kNamePointSize = 14;
const QColor kNameGreen(0x00, 0x80, 0x00);
const QColor kLinkBlue(0x00, 0x00, 0xFF);
// The shadow lies 20 twips right of and below the name: about a pixel.
constexpr int kShadowOffset = 1;

QFont NameFont(const QFont& base) {
  QFont font = base;
  const QStringList installed = QFontDatabase::families();
  bool found = false;
  for (const char* face : kNameFaces) {
    if (installed.contains(QString::fromLatin1(face), Qt::CaseInsensitive)) {
      font.setFamilies({QString::fromLatin1(face)});
      found = true;
      break;
    }
  }
  if (!found) {
    font.setBold(true);
  }
  font.setPointSize(kNamePointSize);
  return font;
}

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

void ShowAsLink(QLabel* label) {
  label->setCursor(Qt::PointingHandCursor);
}

void SetTextColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}

}  // namespace

std::string PluginLine(PluginKind kind, const PluginNames& names) {
  const std::string* name = &names.JpegPluginName;
  if (kind == PluginKind::kPng) {
    name = &names.PngPluginName;
  } else if (kind == PluginKind::kWmf) {
    name = &names.WmfPluginName;
  }
  return name->empty() ? TextsOf(kind).missing_line : *name;
}

std::string PluginPagePath(PluginKind kind, const std::string& docs_folder, PathStyle style) {
  return DocsPagePath(docs_folder, TextsOf(kind).page, style);
}

frmAbout::frmAbout(const PluginNames& names, const Services& services, QWidget* owner)
    : QDialog(owner), services_(services) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(Translated(PICTAVUE_TEXT("frmAbout", "Pictavue バージョン情報")));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);
  home_page_ = HomePagePath(services_.docs_folder, services_.style);

  Image1 = MakeLabel(QString(), "Image1", this);
  Image1->setPixmap(ProgramIconPixmap(32));
  ShowAsLink(Image1);

  // The shadow is made first, so that the green name is painted over it.
  auto* name_box = new QWidget(this);
  const QFont name_font = NameFont(font());
  Label1 = MakeLabel(QString::fromUtf8(kProductName), "Label1", name_box);
  Label4 = MakeLabel(QString::fromUtf8(kProductName), "Label4", name_box);
  for (QLabel* label : {Label1, Label4}) {
    label->setFont(name_font);
    label->adjustSize();
  }
  SetTextColor(Label1, Qt::black);
  SetTextColor(Label4, kNameGreen);
  Label1->move(kShadowOffset, kShadowOffset);
  name_box->setFixedSize(Label4->size() + QSize(kShadowOffset, kShadowOffset));

  Label2 = MakeLabel(QStringLiteral("Ver"), "Label2", this);
  lblVer = MakeLabel(QString::fromStdString(VersionText(kProgramVersion)), "lblVer", this);
  lblCopyRight = MakeLabel(QString::fromUtf8(kLegalNotice), "lblCopyRight", this);

  lblIFJPEG =
      MakeLabel(QString::fromStdString(PluginLine(PluginKind::kJpeg, names)), "lblIFJPEG", this);
  lblIFPNG =
      MakeLabel(QString::fromStdString(PluginLine(PluginKind::kPng, names)), "lblIFPNG", this);
  lblIFWMF =
      MakeLabel(QString::fromStdString(PluginLine(PluginKind::kWmf, names)), "lblIFWMF", this);
  lblIFJPEG->setToolTip(Translated(TextsOf(PluginKind::kJpeg).tool_tip));
  lblIFPNG->setToolTip(Translated(TextsOf(PluginKind::kPng).tool_tip));
  lblIFWMF->setToolTip(Translated(TextsOf(PluginKind::kWmf).tool_tip));

  lblHP = MakeLabel(QString::fromStdString(HomePageAddress(services_.docs_folder, services_.style)),
                    "lblHP", this);
  SetTextColor(lblHP, kLinkBlue);

  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setDefault(true);

  for (QLabel* link : {Image1, lblIFJPEG, lblIFPNG, lblIFWMF, lblHP}) {
    ShowAsLink(link);
    link->installEventFilter(this);
  }

  auto* version = new QHBoxLayout;
  version->addWidget(name_box, 0, Qt::AlignBottom);
  version->addSpacing(8);
  version->addWidget(Label2, 0, Qt::AlignBottom);
  version->addWidget(lblVer, 0, Qt::AlignBottom);
  version->addStretch();
  auto* heading = new QVBoxLayout;
  heading->addLayout(version);
  heading->addWidget(lblCopyRight);
  auto* top = new QHBoxLayout;
  top->addWidget(Image1, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(heading, 1);
  top->addWidget(Command1, 0, Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(10);
  layout->addWidget(lblIFJPEG);
  layout->addWidget(lblIFPNG);
  layout->addWidget(lblIFWMF);
  layout->addSpacing(10);
  layout->addWidget(lblHP, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  services_.active_window.Track(this);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == lblHP || watched == Image1) {
      Open(home_page_);
    } else if (watched == lblIFJPEG) {
      Open(PluginPagePath(PluginKind::kJpeg, services_.docs_folder, services_.style));
    } else if (watched == lblIFPNG) {
      Open(PluginPagePath(PluginKind::kPng, services_.docs_folder, services_.style));
    } else if (watched == lblIFWMF) {
      Open(PluginPagePath(PluginKind::kWmf, services_.docs_folder, services_.style));
    }
  }
  return QDialog::eventFilter(watched, event);
}

void frmAbout::Open(const std::string& path) {
  // Whether the page opened is not the About window's concern: it has nothing to say about it.
  static_cast<void>(OpenWithAssociation(path, services_.launcher));
}

}  // namespace pictavue
