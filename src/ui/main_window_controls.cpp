#include "ui/main_window_controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/translated.h"

namespace pictavue {
namespace {

constexpr int kNoTopic = 0;
constexpr int kNotInTabChain = -1;

// Sizes in pixels where the window has always had fixed ones (twips / 15 at 96 DPI).
constexpr int kTitleHeight = 60;        // txtTitle, 900 twips
constexpr int kSubOptionIndent = 20;    // chkAutoSize under chkSubWIndow
constexpr int kSmallButtonWidth = 28;   // the "..." buttons
constexpr int kBottomButtonWidth = 75;  // Command1, Command5, Command3, Command2
constexpr int kImageSize = 32;          // Image1
constexpr int kSearchFolderChars = 30;  // the width of cmbSearchDir, in characters

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A caption or tooltip. Words marked with PICTAVUE_TEXT come in the chosen language; names of
// formats, "..." and brackets are the same in every language and are shown as written.
class Words {
 public:
  Words(SourceText text) : text_(Translated(text)) {}          // NOLINT: written at each call
  Words(const char* text) : text_(QString::fromUtf8(text)) {}  // NOLINT: written at each call
  const QString& Shown() const { return text_; }
  bool IsEmpty() const { return text_.isEmpty(); }

 private:
  QString text_;
};

// Creates the widgets in tab order, records every control by its name, and chains the focus
// in the order of the tab indexes once everything exists.
class Builder {
 public:
  explicit Builder(MainWindowControls& controls) : c_(controls) {}

  template <typename Widget>
  Widget* Make(ControlId id, QWidget* parent, int tab_index, Words tool_tip, int topic) {
    auto* widget = new Widget(parent);
    widget->setObjectName(Text(ControlName(id)));
    c_.by_id[static_cast<std::size_t>(id)] = widget;
    Describe(widget, tool_tip, topic);
    if (tab_index != kNotInTabChain) {
      tab_chain_.emplace_back(tab_index, widget);
    }
    return widget;
  }

  QCheckBox* Check(ControlId id, QWidget* parent, Words caption, Words tip, int topic,
                   int tab_index, bool checked) {
    auto* box = Make<QCheckBox>(id, parent, tab_index, tip, topic);
    box->setText(caption.Shown());
    box->setChecked(checked);
    RightClickHelp(box);
    return box;
  }

  QPushButton* Button(ControlId id, QWidget* parent, Words caption, Words tip, int topic,
                      int tab_index) {
    auto* button = Make<QPushButton>(id, parent, tab_index, tip, topic);
    button->setText(caption.Shown());
    button->setAutoDefault(false);
    RightClickHelp(button);
    return button;
  }

  QLabel* Label(ControlId id, QWidget* parent, Words caption, Words tip, int topic,
                bool help_on_right_click) {
    auto* label = Make<QLabel>(id, parent, kNotInTabChain, tip, topic);
    label->setText(caption.Shown());
    if (help_on_right_click) {
      RightClickHelp(label);
    }
    return label;
  }

  QLineEdit* TextBox(ControlId id, QWidget* parent, Words tip, int topic, int tab_index) {
    return Make<QLineEdit>(id, parent, tab_index, tip, topic);
  }

  QComboBox* Combo(ControlId id, QWidget* parent, bool editable, Words tip, int topic,
                   int tab_index) {
    auto* combo = Make<QComboBox>(id, parent, tab_index, tip, topic);
    if (editable) {
      combo->setEditable(true);
      // The box keeps what is typed as typed: no completion from the list, and Enter belongs
      // to the window's default button rather than adding the text to the list.
      combo->setCompleter(nullptr);
      combo->setInsertPolicy(QComboBox::NoInsert);
    }
    return combo;
  }

  // A frame of the window's structure, which no rule or check refers to.
  QGroupBox* Frame(std::string_view name, QWidget* parent, Words caption) {
    auto* frame = new QGroupBox(caption.Shown(), parent);
    frame->setObjectName(Text(name));
    return frame;
  }

  // A frame that is a control of its own (tooltip, help topic). Frames take no focus.
  QGroupBox* Frame(ControlId id, QWidget* parent, Words caption, int topic) {
    auto* frame = Make<QGroupBox>(id, parent, kNotInTabChain, "", topic);
    frame->setTitle(caption.Shown());
    return frame;
  }

  // The inner box of a frame: every frame holds its controls in one.
  QWidget* InnerBox(int index, QWidget* frame) {
    auto* box = new QWidget(frame);
    box->setObjectName(QStringLiteral("picXpStyle(%1)").arg(index));
    c_.picXpStyle[static_cast<std::size_t>(index)] = box;
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    return box;
  }

  void RightClickHelp(QWidget* widget) { widget->setProperty(kHelpOnRightClickProperty, true); }

  void ChainTabOrder() {
    std::stable_sort(tab_chain_.begin(), tab_chain_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tab_chain_.size(); ++i) {
      QWidget::setTabOrder(tab_chain_[i - 1].second, tab_chain_[i].second);
    }
  }

 private:
  static void Describe(QWidget* widget, const Words& tip, int topic) {
    if (!tip.IsEmpty()) {
      widget->setToolTip(tip.Shown());
    }
    if (topic != kNoTopic) {
      widget->setProperty(kHelpTopicProperty, topic);
    }
  }

  MainWindowControls& c_;
  std::vector<std::pair<int, QWidget*>> tab_chain_;
};

void MakeRed(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  label->setPalette(palette);
}

QHBoxLayout* Row(QBoxLayout* parent) {
  auto* row = new QHBoxLayout;
  parent->addLayout(row);
  return row;
}

void BuildSearchFolderFrame(Builder& b, MainWindowControls& c, QWidget* parent) {
  using Id = ControlId;
  c.Frame2 = b.Frame("Frame2", parent, PICTAVUE_TEXT("frmMain", "検索フォルダ(&L)"));
  QWidget* box = b.InnerBox(8, c.Frame2);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  QHBoxLayout* folder_row = Row(layout);
  c.cmbSearchDir = b.Combo(Id::cmbSearchDir, box, true,
                           PICTAVUE_TEXT("frmMain", "ｴｸｽﾌﾟﾛｰﾗからﾄﾞﾛｯﾌﾟ可能"), 2, 1);
  c.cmbSearchDir->setAcceptDrops(true);
  // The box's width is the window's, not that of the longest folder in the history: the
  // drop-down list widens for long folders instead.
  c.cmbSearchDir->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c.cmbSearchDir->setMinimumContentsLength(kSearchFolderChars);
  c.cmbSearchDir->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  c.Command4 = b.Button(Id::Command4, box, PICTAVUE_TEXT("frmMain", "参照(&R)..."), "", 3, 2);
  folder_row->addWidget(c.cmbSearchDir, 1);
  folder_row->addWidget(c.Command4);

  c.chkSubDir = b.Check(Id::chkSubDir, box, PICTAVUE_TEXT("frmMain", "サブフォルダも検索(&S)"), "",
                        4, 3, true);
  layout->addWidget(c.chkSubDir);

  QHBoxLayout* kinds = Row(layout);
  c.chkGIF = b.Check(Id::chkGIF, box, "&GIF", "", 5, 4, true);
  c.chkJPEG = b.Check(Id::chkJPEG, box, "&JPEG",
                      PICTAVUE_TEXT("frmMain", "Susie32 ﾌﾟﾗｸﾞｲﾝがあると高速"), 6, 5, true);
  c.chkPNG =
      b.Check(Id::chkPNG, box, "&PNG", PICTAVUE_TEXT("frmMain", "Susieﾌﾟﾗｸﾞｲﾝ必須"), 7, 6, false);
  c.chkBMP = b.Check(Id::chkBMP, box, "&BMP", "", 8, 7, false);
  c.chkWMF = b.Check(Id::chkWMF, box, "&WMF",
                     PICTAVUE_TEXT("frmMain", "Susie32 ﾌﾟﾗｸﾞｲﾝがあると高速"), 29, 8, false);
  c.chkEMF = b.Check(Id::chkEMF, box, "&EMF", "", 30, 9, false);
  for (QCheckBox* kind : {c.chkGIF, c.chkJPEG, c.chkPNG, c.chkBMP, c.chkWMF, c.chkEMF}) {
    kinds->addWidget(kind);
  }
  kinds->addStretch(1);
}

void BuildBasicTab(Builder& b, MainWindowControls& c, QWidget* box) {
  using Id = ControlId;
  auto* grid = new QGridLayout(box);

  c.Label7 = b.Label(Id::Label7, box, PICTAVUE_TEXT("frmMain", "出力ファイル名(&F)"), "", 9, true);
  c.txtFileName = b.TextBox(Id::txtFileName, box, "", 9, 12);
  c.txtFileName->setText(QStringLiteral("Pictavue"));
  c.lblExt = b.Label(Id::lblExt, box, "xxx．htm", "", 9, true);
  c.Label7->setBuddy(c.txtFileName);
  grid->addWidget(c.Label7, 0, 0);
  grid->addWidget(c.txtFileName, 0, 1);
  grid->addWidget(c.lblExt, 0, 2);

  c.Frame6 = b.Frame(Id::Frame6, box, PICTAVUE_TEXT("frmMain", "出力先(&D)"), 10);
  b.RightClickHelp(c.Frame6);
  QWidget* output_box = b.InnerBox(3, c.Frame6);
  output_box->setProperty(kHelpTopicProperty, 10);
  b.RightClickHelp(output_box);
  auto* output_row = new QHBoxLayout(output_box);
  output_row->setContentsMargins(0, 0, 0, 0);
  c.cmbOutputDir = b.Combo(Id::cmbOutputDir, output_box, false, "", 10, 14);
  c.Command6[0] = b.Button(Id::Command6_0, output_box, "...",
                           PICTAVUE_TEXT("frmMain", "出力先ﾌｫﾙﾀﾞの設定ﾀﾞｲｱﾛｸﾞを開きます"), 10, 15);
  c.Command6[0]->setFixedWidth(kSmallButtonWidth);
  output_row->addWidget(c.cmbOutputDir, 1);
  output_row->addWidget(c.Command6[0]);
  grid->addWidget(c.Frame6, 1, 0, 1, 3);

  c.Label5 = b.Label(Id::Label5, box, PICTAVUE_TEXT("frmMain", "画像/ページ(&N)"), "", 11, true);
  c.cmbIPP = b.Combo(Id::cmbIPP, box, true, PICTAVUE_TEXT("frmMain", "1ﾍﾟｰｼﾞ内の画像数"), 11, 17);
  c.chkFrame = b.Check(Id::chkFrame, box, PICTAVUE_TEXT("frmMain", "メニュー作成(&M)"),
                       PICTAVUE_TEXT("frmMain", "ﾌﾚｰﾑ形式のﾒﾆｭｰを作成します"), 27, 18, false);
  c.Label5->setBuddy(c.cmbIPP);
  grid->addWidget(c.Label5, 2, 0);
  grid->addWidget(c.cmbIPP, 2, 1);
  grid->addWidget(c.chkFrame, 2, 2);

  c.Frame4 = b.Frame(Id::Frame4, box, PICTAVUE_TEXT("frmMain", "縮小画像サイズ"), 12);
  b.RightClickHelp(c.Frame4);
  QWidget* size_box = b.InnerBox(4, c.Frame4);
  size_box->setProperty(kHelpTopicProperty, 12);
  b.RightClickHelp(size_box);
  auto* size_row = new QHBoxLayout(size_box);
  size_row->setContentsMargins(0, 0, 0, 0);
  constexpr SourceText kRuleCaptions[] = {PICTAVUE_TEXT("frmMain", "幅(&Y)"),
                                          PICTAVUE_TEXT("frmMain", "高さ(&T)"),
                                          PICTAVUE_TEXT("frmMain", "大きい方(&O)")};
  constexpr SourceText kRuleTips[] = {
      PICTAVUE_TEXT("frmMain", "幅を基準とする"), PICTAVUE_TEXT("frmMain", "高さを基準とする"),
      PICTAVUE_TEXT("frmMain", "幅・高さのうち大きい方を基準とする")};
  constexpr ControlId kRuleIds[] = {Id::optThumb_0, Id::optThumb_1, Id::optThumb_2};
  for (int i = 0; i < 3; ++i) {
    QRadioButton* option = b.Make<QRadioButton>(kRuleIds[i], size_box, 19 + i, kRuleTips[i], 12);
    option->setText(Translated(kRuleCaptions[i]));
    b.RightClickHelp(option);
    c.optThumb[static_cast<std::size_t>(i)] = option;
    size_row->addWidget(option);
  }
  c.optThumb[0]->setChecked(true);
  size_row->addSpacing(12);
  c.Label2 = b.Label(Id::Label2, size_box, PICTAVUE_TEXT("frmMain", "ﾋﾟｸｾﾙ(&Z)"), "", 14, true);
  c.cmbSize = b.Combo(Id::cmbSize, size_box, false, "", 14, 23);
  c.Label2->setBuddy(c.cmbSize);
  size_row->addWidget(c.Label2);
  size_row->addWidget(c.cmbSize);
  size_row->addStretch(1);
  grid->addWidget(c.Frame4, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(4, 1);
}

void BuildPageTextTab(Builder& b, MainWindowControls& c, QWidget* box) {
  using Id = ControlId;
  auto* grid = new QGridLayout(box);
  constexpr SourceText kTitleTip = PICTAVUE_TEXT("frmMain", "ﾀｲﾄﾙなどﾍﾟｰｼﾞ上部に出力する文字列");
  constexpr SourceText kNameTip = PICTAVUE_TEXT("frmMain", "名前などﾍﾟｰｼﾞ下部に出力する文字列");
  constexpr SourceText kEmailTip = PICTAVUE_TEXT("frmMain", "Eﾒｰﾙｱﾄﾞﾚｽ");

  c.Label3 = b.Label(Id::Label3, box, PICTAVUE_TEXT("frmMain", "ﾀｲﾄﾙ(&T)"), kTitleTip, 23, true);
  c.txtTitle = b.Make<QPlainTextEdit>(Id::txtTitle, box, 25, kTitleTip, 23);
  c.txtTitle->setTabChangesFocus(true);
  c.txtTitle->setLineWrapMode(QPlainTextEdit::NoWrap);
  c.txtTitle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  c.txtTitle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  c.txtTitle->setFixedHeight(kTitleHeight);
  c.Label4 = b.Label(Id::Label4, box, PICTAVUE_TEXT("frmMain", "名前(&N)"), kNameTip, 23, true);
  c.txtName = b.TextBox(Id::txtName, box, kNameTip, 23, 27);
  c.Label6 = b.Label(Id::Label6, box, "E-&Mail", kEmailTip, 23, true);
  c.txtEmail = b.TextBox(Id::txtEmail, box, kEmailTip, 23, 29);

  const std::pair<QLabel*, QWidget*> rows[] = {
      {c.Label3, c.txtTitle}, {c.Label4, c.txtName}, {c.Label6, c.txtEmail}};
  int row = 0;
  for (const auto& [label, field] : rows) {
    label->setBuddy(field);
    grid->addWidget(label, row, 0, Qt::AlignTop);
    grid->addWidget(field, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);
}

void BuildPageOptionsTab(Builder& b, MainWindowControls& c, QWidget* box) {
  using Id = ControlId;
  auto* layout = new QVBoxLayout(box);
  constexpr SourceText kDelayTip = PICTAVUE_TEXT("frmMain", "指定された秒数後に次のﾍﾟｰｼﾞを表示");

  c.chkBGColor = b.Check(Id::chkBGColor, box, PICTAVUE_TEXT("frmMain", "背景色変更機能(&U)"),
                         PICTAVUE_TEXT("frmMain", "背景色変更ﾎﾞﾀﾝを付加"), 15, 30, true);
  c.chkAutoOpen = b.Check(Id::chkAutoOpen, box, PICTAVUE_TEXT("frmMain", "自動で開かない(&O)"),
                          PICTAVUE_TEXT("frmMain", "作成されたHTMLを開く前に確認"), 17, 31, false);
  c.chkSubWIndow = b.Check(
      Id::chkSubWIndow, box, PICTAVUE_TEXT("frmMain", "ｵﾘｼﾞﾅﾙｻｲｽﾞの画像はｻﾌﾞｳｨﾝﾄﾞｳで表示(&M)"),
      PICTAVUE_TEXT("frmMain", "ﾁｪｯｸしなければ同じｳｨﾝﾄﾞｳで表示"), 18, 32, true);
  layout->addWidget(c.chkBGColor);
  layout->addWidget(c.chkAutoOpen);
  layout->addWidget(c.chkSubWIndow);

  QHBoxLayout* sub_window_row = Row(layout);
  c.chkAutoSize = b.Check(Id::chkAutoSize, box, PICTAVUE_TEXT("frmMain", "ｻｲｽﾞの自動調整(&Q)"), "",
                          13, 33, true);
  c.chkOnlyOne = b.Check(Id::chkOnlyOne, box, PICTAVUE_TEXT("frmMain", "ひとつだけ(&N)"),
                         PICTAVUE_TEXT("frmMain", "ｻﾌﾞｳｨﾝﾄﾞｳはひとつしか開かない"), 16, 34, true);
  sub_window_row->addSpacing(kSubOptionIndent);
  sub_window_row->addWidget(c.chkAutoSize);
  sub_window_row->addWidget(c.chkOnlyOne);
  sub_window_row->addStretch(1);

  QHBoxLayout* slide_row = Row(layout);
  c.chkClientPull = b.Check(Id::chkClientPull, box, PICTAVUE_TEXT("frmMain", "スライドショー(&D)"),
                            kDelayTip, 19, 35, false);
  c.LblDelay1 =
      b.Label(Id::LblDelay1, box, PICTAVUE_TEXT("frmMain", "間隔(&I)"), kDelayTip, 20, true);
  c.txtDelay = b.TextBox(Id::txtDelay, box, kDelayTip, 20, 37);
  c.txtDelay->setFixedWidth(c.txtDelay->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                            12);
  c.LblDelay2 = b.Label(Id::LblDelay2, box, PICTAVUE_TEXT("frmMain", "秒"), "", 20, true);
  c.LblDelay1->setBuddy(c.txtDelay);
  slide_row->addWidget(c.chkClientPull);
  slide_row->addSpacing(12);
  slide_row->addWidget(c.LblDelay1);
  slide_row->addWidget(c.txtDelay);
  slide_row->addWidget(c.LblDelay2);
  slide_row->addStretch(1);

  c.Frame3 = b.Frame(Id::Frame3, box, PICTAVUE_TEXT("frmMain", "サブフォルダごとに表示"), kNoTopic);
  QWidget* folder_box = b.InnerBox(6, c.Frame3);
  auto* folder_row = new QHBoxLayout(folder_box);
  folder_row->setContentsMargins(0, 0, 0, 0);
  c.chkSeparator = b.Check(Id::chkSeparator, folder_box, PICTAVUE_TEXT("frmMain", "区切り線(&K)"),
                           PICTAVUE_TEXT("frmMain", "<HR>ﾀｸﾞを挿入"), 21, 38, true);
  c.chkFolderName =
      b.Check(Id::chkFolderName, folder_box, PICTAVUE_TEXT("frmMain", "フォルダ名(&F)"),
              PICTAVUE_TEXT("frmMain", "最下層のﾌｫﾙﾀﾞ名"), 22, 39, true);
  c.lblKakkoL = b.Label(Id::lblKakkoL, folder_box, "(", "", kNoTopic, false);
  c.chkPathName = b.Check(Id::chkPathName, folder_box, PICTAVUE_TEXT("frmMain", "パス(&Z)"),
                          PICTAVUE_TEXT("frmMain", "ﾄﾞﾗｲﾌﾞ名から始まるﾌｫﾙﾀﾞ名"), 22, 40, false);
  c.lblKakkoR = b.Label(Id::lblKakkoR, folder_box, ")", "", kNoTopic, false);
  for (QWidget* widget :
       {static_cast<QWidget*>(c.chkSeparator), static_cast<QWidget*>(c.chkFolderName),
        static_cast<QWidget*>(c.lblKakkoL), static_cast<QWidget*>(c.chkPathName),
        static_cast<QWidget*>(c.lblKakkoR)}) {
    folder_row->addWidget(widget);
  }
  folder_row->addStretch(1);
  layout->addWidget(c.Frame3);
  layout->addStretch(1);
}

void BuildMoreOptionsTab(Builder& b, MainWindowControls& c, QWidget* box) {
  using Id = ControlId;
  auto* layout = new QVBoxLayout(box);

  c.chkSameSize =
      b.Check(Id::chkSameSize, box, PICTAVUE_TEXT("frmMain", "すべての画像は同一サイズ(&F)"), "",
              24, 41, false);
  c.Label13 =
      b.Label(Id::Label13, box, PICTAVUE_TEXT("frmMain", "（最初にみつかった画像のサイズで決定）"),
              "", 24, true);
  c.Label12 = b.Label(Id::Label12, box,
                      PICTAVUE_TEXT("frmMain", "画像のｻｲｽﾞが異なる場合はﾁｪｯｸしないで下さい"), "",
                      kNoTopic, false);
  MakeRed(c.Label12);
  layout->addWidget(c.chkSameSize);
  for (QLabel* note : {c.Label13, c.Label12}) {
    QHBoxLayout* row = Row(layout);
    row->addSpacing(kSubOptionIndent);
    row->addWidget(note);
    row->addStretch(1);
  }

  c.chkNotThumbnail = b.Check(Id::chkNotThumbnail, box,
                              PICTAVUE_TEXT("frmMain", "サムネイルの代わりにファイル名を表示(&T)"),
                              "", 28, 42, false);
  layout->addWidget(c.chkNotThumbnail);

  QHBoxLayout* browser_row = Row(layout);
  c.chkBrowser = b.Check(Id::chkBrowser, box, PICTAVUE_TEXT("frmMain", "ブラウザを指定する(&D)"),
                         "", 31, 43, false);
  c.Command6[1] = b.Button(Id::Command6_1, box, "...",
                           PICTAVUE_TEXT("frmMain", "ﾌﾞﾗｳｻﾞの設定ﾀﾞｲｱﾛｸﾞを開きます"), kNoTopic, 44);
  c.Command6[1]->setFixedWidth(kSmallButtonWidth);
  browser_row->addWidget(c.chkBrowser);
  browser_row->addWidget(c.Command6[1]);
  browser_row->addStretch(1);

  c.chkAltNewLine =
      b.Check(Id::chkAltNewLine, box, PICTAVUE_TEXT("frmMain", "画像のツールチップを改行する(&N)"),
              "", 32, 45, false);
  c.Label1 = b.Label(Id::Label1, box, PICTAVUE_TEXT("frmMain", "Windows版 IE のみ有効"), "",
                     kNoTopic, false);
  MakeRed(c.Label1);
  layout->addWidget(c.chkAltNewLine);
  QHBoxLayout* note_row = Row(layout);
  note_row->addSpacing(kSubOptionIndent);
  note_row->addWidget(c.Label1);
  note_row->addStretch(1);
  layout->addStretch(1);
}

void BuildBottomRow(Builder& b, MainWindowControls& c, QWidget& window, QBoxLayout* parent) {
  using Id = ControlId;
  QHBoxLayout* row = Row(parent);
  c.Image1 = new QLabel(&window);
  c.Image1->setObjectName(QStringLiteral("Image1"));
  c.Image1->setFixedSize(kImageSize, kImageSize);
  c.Command1 = b.Button(Id::Command1, &window, PICTAVUE_TEXT("frmMain", "作成(&C)..."), "", 25, 46);
  c.Command5 = b.Button(Id::Command5, &window, "&About...",
                        PICTAVUE_TEXT("frmMain", "Pictavue について..."), 26, 47);
  c.Command3 = b.Button(Id::Command3, &window, PICTAVUE_TEXT("frmMain", "ヘルプ(&H)"),
                        PICTAVUE_TEXT("frmMain", "ｺﾝﾃｷｽﾄﾍﾙﾌﾟを表示"), kNoTopic, 48);
  c.Command2 =
      b.Button(Id::Command2, &window, PICTAVUE_TEXT("frmMain", "終了(&X)"), "", kNoTopic, 49);
  row->addWidget(c.Image1);
  row->addStretch(1);
  for (QPushButton* button : {c.Command1, c.Command5, c.Command3, c.Command2}) {
    button->setMinimumWidth(kBottomButtonWidth);
    row->addWidget(button);
  }
}

}  // namespace

QWidget* MainWindowControls::Control(ControlId id) const {
  return by_id[static_cast<std::size_t>(id)];
}

MainWindowControls BuildMainWindowControls(QWidget& window) {
  using Id = ControlId;
  MainWindowControls c;
  Builder b(c);
  auto* window_layout = new QVBoxLayout(&window);

  c.Frame1 = b.Frame("Frame1", &window, "");
  QWidget* outer = b.InnerBox(0, c.Frame1);
  auto* outer_layout = new QVBoxLayout(outer);
  outer_layout->setContentsMargins(0, 0, 0, 0);
  outer_layout->setSpacing(0);
  window_layout->addWidget(c.Frame1);

  BuildSearchFolderFrame(b, c, outer);
  outer_layout->addWidget(c.Frame2);
  outer_layout->addSpacing(6);

  c.TabStrip1 = b.Make<QTabBar>(Id::TabStrip1, outer, 10, "", kNoTopic);
  b.RightClickHelp(c.TabStrip1);
  c.TabStrip1->setExpanding(false);
  c.TabStrip1->setDrawBase(false);
  for (const SourceText caption :
       {PICTAVUE_TEXT("frmMain", "基本設定"), PICTAVUE_TEXT("frmMain", "詳細設定１"),
        PICTAVUE_TEXT("frmMain", "詳細設定２"), PICTAVUE_TEXT("frmMain", "詳細設定３")}) {
    c.TabStrip1->addTab(Translated(caption));
  }
  outer_layout->addWidget(c.TabStrip1);

  c.TabPanels = new QStackedWidget(outer);
  c.TabPanels->setObjectName(QStringLiteral("TabPanels"));
  c.TabPanels->setFrameShape(QFrame::StyledPanel);
  outer_layout->addWidget(c.TabPanels, 1);
  constexpr int kPanelBoxes[] = {2, 7, 5, 1};
  std::array<QWidget*, 4> boxes{};
  for (int i = 0; i < 4; ++i) {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("FrmTS(%1)").arg(i));
    c.FrmTS[static_cast<std::size_t>(i)] = panel;
    auto* panel_layout = new QVBoxLayout(panel);
    panel_layout->setContentsMargins(0, 0, 0, 0);
    boxes[static_cast<std::size_t>(i)] = new QWidget(panel);
    boxes[static_cast<std::size_t>(i)]->setObjectName(
        QStringLiteral("picXpStyle(%1)").arg(kPanelBoxes[i]));
    c.picXpStyle[static_cast<std::size_t>(kPanelBoxes[i])] = boxes[static_cast<std::size_t>(i)];
    panel_layout->addWidget(boxes[static_cast<std::size_t>(i)]);
    c.TabPanels->addWidget(panel);
  }
  BuildBasicTab(b, c, boxes[0]);
  BuildPageTextTab(b, c, boxes[1]);
  BuildPageOptionsTab(b, c, boxes[2]);
  BuildMoreOptionsTab(b, c, boxes[3]);

  BuildBottomRow(b, c, window, window_layout);
  b.ChainTabOrder();
  return c;
}

}  // namespace pictavue
