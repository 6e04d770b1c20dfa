#include "ui/main_window_controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
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

#include "ui/program_icon.h"
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

// A frame whose access key moves the focus to the control that follows the frame in tab order,
// every time. Qt's group box would return to the child that had the focus last, or do nothing
// when the focus is inside it already.
class AccessKeyFrame final : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

  void SetFocusTarget(QWidget* target) { target_ = target; }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::Shortcut && target_ != nullptr) {
      target_->setFocus(Qt::ShortcutFocusReason);
      return true;
    }
    return QGroupBox::event(event);
  }

 private:
  QWidget* target_ = nullptr;
};

// A caption or tooltip. Words marked with PICTAVUE_TEXT come in the chosen language; names of
// formats, "..." and brackets are the same in every language and are shown as written.
class Words {
 public:
  Words() = default;
  Words(SourceText text) : text_(Translated(text)) {}          // NOLINT: written at each call
  Words(const char* text) : text_(QString::fromUtf8(text)) {}  // NOLINT: written at each call
  const QString& Shown() const { return text_; }

 private:
  QString text_;
};

// What a control is given besides its name; what is left out it does not have.
struct Traits {
  Words caption = {};
  Words tip = {};            // its tooltip
  int topic = kNoTopic;      // its help topic
  int tab = kNotInTabChain;  // its place in the tab order (a frame's: where its key leads)
  bool checked = false;      // a check box's state before the settings are loaded
};

// Creates the widgets, records every control by its name, and chains the focus in the order of
// the tab indexes once everything exists.
class Builder {
 public:
  explicit Builder(MainWindowControls& controls) : c_(controls) {}

  template <typename Widget>
  Widget* Make(std::string_view name, QWidget* parent, const Traits& traits) {
    auto* widget = new Widget(parent);
    widget->setObjectName(Text(name));
    c_.all.push_back(widget);
    if (!traits.tip.Shown().isEmpty()) {
      widget->setToolTip(traits.tip.Shown());
    }
    if (traits.topic != kNoTopic) {
      widget->setProperty(kHelpTopicProperty, traits.topic);
    }
    if (traits.tab != kNotInTabChain) {
      tab_chain_.emplace_back(traits.tab, widget);
    }
    return widget;
  }

  QCheckBox* Check(std::string_view name, QWidget* parent, const Traits& traits) {
    auto* box = Make<QCheckBox>(name, parent, traits);
    box->setText(traits.caption.Shown());
    box->setChecked(traits.checked);
    return box;
  }

  QRadioButton* Option(std::string_view name, QWidget* parent, const Traits& traits) {
    auto* option = Make<QRadioButton>(name, parent, traits);
    option->setText(traits.caption.Shown());
    return option;
  }

  QPushButton* Button(std::string_view name, QWidget* parent, const Traits& traits) {
    auto* button = Make<QPushButton>(name, parent, traits);
    button->setText(traits.caption.Shown());
    button->setAutoDefault(false);
    return button;
  }

  QLabel* Label(std::string_view name, QWidget* parent, const Traits& traits) {
    auto* label = Make<QLabel>(name, parent, traits);
    label->setText(traits.caption.Shown());
    return label;
  }

  // An editable combo box keeps what is typed as typed: no completion from the list, and Enter
  // belongs to the window's default button rather than adding the text to the list.
  QComboBox* Combo(std::string_view name, QWidget* parent, const Traits& traits) {
    return Make<QComboBox>(name, parent, traits);
  }
  QComboBox* EditableCombo(std::string_view name, QWidget* parent, const Traits& traits) {
    auto* combo = Combo(name, parent, traits);
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
  }

  // Frames take no focus; one with an access key has a place in the tab order all the same.
  QGroupBox* Frame(std::string_view name, QWidget* parent, const Traits& traits) {
    auto* frame = Make<AccessKeyFrame>(name, parent, {.topic = traits.topic});
    frame->setTitle(traits.caption.Shown());
    if (traits.tab != kNotInTabChain) {
      frames_.emplace_back(traits.tab, frame);
    }
    return frame;
  }

  // The inner box of a frame or a tab panel: every one holds its controls in one. A box with a
  // help topic shows it on a right click, as its frame does.
  QWidget* InnerBox(int index, QWidget* container, int topic = kNoTopic) {
    auto* box = new QWidget(container);
    box->setObjectName(QStringLiteral("picXpStyle(%1)").arg(index));
    if (topic != kNoTopic) {
      box->setProperty(kHelpTopicProperty, topic);
    }
    c_.picXpStyle[static_cast<std::size_t>(index)] = box;
    auto* layout = new QVBoxLayout(container);
    layout->addWidget(box);
    return box;
  }

  void ChainTabOrder() {
    std::stable_sort(tab_chain_.begin(), tab_chain_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tab_chain_.size(); ++i) {
      QWidget::setTabOrder(tab_chain_[i - 1].second, tab_chain_[i].second);
    }
    for (const auto& [tab_index, frame] : frames_) {
      const auto next =
          std::find_if(tab_chain_.begin(), tab_chain_.end(),
                       [tab_index](const auto& entry) { return entry.first > tab_index; });
      if (next != tab_chain_.end()) {
        frame->SetFocusTarget(next->second);
      }
    }
  }

 private:
  MainWindowControls& c_;
  std::vector<std::pair<int, QWidget*>> tab_chain_;
  std::vector<std::pair<int, AccessKeyFrame*>> frames_;
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
  c.Frame2 = b.Frame("Frame2", parent,
                     {.caption = PICTAVUE_TEXT("frmMain", "検索フォルダ(&L)"), .tab = 0});
  QWidget* box = b.InnerBox(8, c.Frame2);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);

  QHBoxLayout* folder_row = Row(layout);
  c.cmbSearchDir = b.EditableCombo(
      "cmbSearchDir", box,
      {.tip = PICTAVUE_TEXT("frmMain", "ｴｸｽﾌﾟﾛｰﾗからﾄﾞﾛｯﾌﾟ可能"), .topic = 2, .tab = 1});
  c.cmbSearchDir->setAcceptDrops(true);
  // The box's width is the window's, not that of the longest folder in the history: the
  // drop-down list widens for long folders instead.
  c.cmbSearchDir->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c.cmbSearchDir->setMinimumContentsLength(kSearchFolderChars);
  c.cmbSearchDir->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  c.Command4 = b.Button("Command4", box,
                        {.caption = PICTAVUE_TEXT("frmMain", "参照(&R)..."), .topic = 3, .tab = 2});
  folder_row->addWidget(c.cmbSearchDir, 1);
  folder_row->addWidget(c.Command4);

  c.chkSubDir = b.Check("chkSubDir", box,
                        {.caption = PICTAVUE_TEXT("frmMain", "サブフォルダも検索(&S)"),
                         .topic = 4,
                         .tab = 3,
                         .checked = true});
  layout->addWidget(c.chkSubDir);

  constexpr SourceText kFaster = PICTAVUE_TEXT("frmMain", "Susie32 ﾌﾟﾗｸﾞｲﾝがあると高速");
  QHBoxLayout* kinds = Row(layout);
  c.chkGIF = b.Check("chkGIF", box, {.caption = "&GIF", .topic = 5, .tab = 4, .checked = true});
  c.chkJPEG = b.Check("chkJPEG", box,
                      {.caption = "&JPEG", .tip = kFaster, .topic = 6, .tab = 5, .checked = true});
  c.chkPNG = b.Check("chkPNG", box,
                     {.caption = "&PNG",
                      .tip = PICTAVUE_TEXT("frmMain", "Susieﾌﾟﾗｸﾞｲﾝ必須"),
                      .topic = 7,
                      .tab = 6});
  c.chkBMP = b.Check("chkBMP", box, {.caption = "&BMP", .topic = 8, .tab = 7});
  c.chkWMF = b.Check("chkWMF", box, {.caption = "&WMF", .tip = kFaster, .topic = 29, .tab = 8});
  c.chkEMF = b.Check("chkEMF", box, {.caption = "&EMF", .topic = 30, .tab = 9});
  for (QCheckBox* kind : {c.chkGIF, c.chkJPEG, c.chkPNG, c.chkBMP, c.chkWMF, c.chkEMF}) {
    kinds->addWidget(kind);
  }
  kinds->addStretch(1);
}

void BuildBasicTab(Builder& b, MainWindowControls& c, QWidget* box) {
  auto* grid = new QGridLayout(box);

  c.Label7 = b.Label("Label7", box,
                     {.caption = PICTAVUE_TEXT("frmMain", "出力ファイル名(&F)"), .topic = 9});
  c.txtFileName = b.Make<QLineEdit>("txtFileName", box, {.topic = 9, .tab = 12});
  c.txtFileName->setText(QStringLiteral("Pictavue"));
  c.lblExt = b.Label("lblExt", box, {.caption = "xxx．htm", .topic = 9});
  c.Label7->setBuddy(c.txtFileName);
  grid->addWidget(c.Label7, 0, 0);
  grid->addWidget(c.txtFileName, 0, 1);
  grid->addWidget(c.lblExt, 0, 2);

  c.Frame6 = b.Frame("Frame6", box,
                     {.caption = PICTAVUE_TEXT("frmMain", "出力先(&D)"), .topic = 10, .tab = 13});
  QWidget* output_box = b.InnerBox(3, c.Frame6, 10);
  auto* output_row = new QHBoxLayout(output_box);
  output_row->setContentsMargins(0, 0, 0, 0);
  c.cmbOutputDir = b.Combo("cmbOutputDir", output_box, {.topic = 10, .tab = 14});
  c.Command6[0] = b.Button("Command6(0)", output_box,
                           {.caption = "...",
                            .tip = PICTAVUE_TEXT("frmMain", "出力先ﾌｫﾙﾀﾞの設定ﾀﾞｲｱﾛｸﾞを開きます"),
                            .topic = 10,
                            .tab = 15});
  c.Command6[0]->setFixedWidth(kSmallButtonWidth);
  output_row->addWidget(c.cmbOutputDir, 1);
  output_row->addWidget(c.Command6[0]);
  grid->addWidget(c.Frame6, 1, 0, 1, 3);

  c.Label5 =
      b.Label("Label5", box, {.caption = PICTAVUE_TEXT("frmMain", "画像/ページ(&N)"), .topic = 11});
  c.cmbIPP = b.EditableCombo(
      "cmbIPP", box, {.tip = PICTAVUE_TEXT("frmMain", "1ﾍﾟｰｼﾞ内の画像数"), .topic = 11, .tab = 17});
  c.chkFrame = b.Check("chkFrame", box,
                       {.caption = PICTAVUE_TEXT("frmMain", "メニュー作成(&M)"),
                        .tip = PICTAVUE_TEXT("frmMain", "ﾌﾚｰﾑ形式のﾒﾆｭｰを作成します"),
                        .topic = 27,
                        .tab = 18});
  c.Label5->setBuddy(c.cmbIPP);
  grid->addWidget(c.Label5, 2, 0);
  grid->addWidget(c.cmbIPP, 2, 1);
  grid->addWidget(c.chkFrame, 2, 2);

  c.Frame4 =
      b.Frame("Frame4", box, {.caption = PICTAVUE_TEXT("frmMain", "縮小画像サイズ"), .topic = 12});
  QWidget* size_box = b.InnerBox(4, c.Frame4, 12);
  auto* size_row = new QHBoxLayout(size_box);
  size_row->setContentsMargins(0, 0, 0, 0);
  c.optThumb = {
      b.Option("optThumb(0)", size_box,
               {.caption = PICTAVUE_TEXT("frmMain", "幅(&Y)"),
                .tip = PICTAVUE_TEXT("frmMain", "幅を基準とする"),
                .topic = 12,
                .tab = 19}),
      b.Option("optThumb(1)", size_box,
               {.caption = PICTAVUE_TEXT("frmMain", "高さ(&T)"),
                .tip = PICTAVUE_TEXT("frmMain", "高さを基準とする"),
                .topic = 12,
                .tab = 20}),
      b.Option("optThumb(2)", size_box,
               {.caption = PICTAVUE_TEXT("frmMain", "大きい方(&O)"),
                .tip = PICTAVUE_TEXT("frmMain", "幅・高さのうち大きい方を基準とする"),
                .topic = 12,
                .tab = 21}),
  };
  for (QRadioButton* option : c.optThumb) {
    size_row->addWidget(option);
  }
  c.optThumb[0]->setChecked(true);
  size_row->addSpacing(12);
  c.Label2 =
      b.Label("Label2", size_box, {.caption = PICTAVUE_TEXT("frmMain", "ﾋﾟｸｾﾙ(&Z)"), .topic = 14});
  c.cmbSize = b.Combo("cmbSize", size_box, {.topic = 14, .tab = 23});
  c.Label2->setBuddy(c.cmbSize);
  size_row->addWidget(c.Label2);
  size_row->addWidget(c.cmbSize);
  size_row->addStretch(1);
  grid->addWidget(c.Frame4, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(4, 1);
}

void BuildPageTextTab(Builder& b, MainWindowControls& c, QWidget* box) {
  auto* grid = new QGridLayout(box);
  constexpr SourceText kTitleTip = PICTAVUE_TEXT("frmMain", "ﾀｲﾄﾙなどﾍﾟｰｼﾞ上部に出力する文字列");
  constexpr SourceText kNameTip = PICTAVUE_TEXT("frmMain", "名前などﾍﾟｰｼﾞ下部に出力する文字列");
  constexpr SourceText kEmailTip = PICTAVUE_TEXT("frmMain", "Eﾒｰﾙｱﾄﾞﾚｽ");

  c.Label3 =
      b.Label("Label3", box,
              {.caption = PICTAVUE_TEXT("frmMain", "ﾀｲﾄﾙ(&T)"), .tip = kTitleTip, .topic = 23});
  c.txtTitle = b.Make<QPlainTextEdit>("txtTitle", box, {.tip = kTitleTip, .topic = 23, .tab = 25});
  c.txtTitle->setTabChangesFocus(true);
  c.txtTitle->setLineWrapMode(QPlainTextEdit::NoWrap);
  c.txtTitle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  c.txtTitle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  c.txtTitle->setFixedHeight(kTitleHeight);
  c.Label4 =
      b.Label("Label4", box,
              {.caption = PICTAVUE_TEXT("frmMain", "名前(&N)"), .tip = kNameTip, .topic = 23});
  c.txtName = b.Make<QLineEdit>("txtName", box, {.tip = kNameTip, .topic = 23, .tab = 27});
  c.Label6 = b.Label("Label6", box, {.caption = "E-&Mail", .tip = kEmailTip, .topic = 23});
  c.txtEmail = b.Make<QLineEdit>("txtEmail", box, {.tip = kEmailTip, .topic = 23, .tab = 29});

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
  auto* layout = new QVBoxLayout(box);
  constexpr SourceText kDelayTip = PICTAVUE_TEXT("frmMain", "指定された秒数後に次のﾍﾟｰｼﾞを表示");

  c.chkBGColor = b.Check("chkBGColor", box,
                         {.caption = PICTAVUE_TEXT("frmMain", "背景色変更機能(&U)"),
                          .tip = PICTAVUE_TEXT("frmMain", "背景色変更ﾎﾞﾀﾝを付加"),
                          .topic = 15,
                          .tab = 30,
                          .checked = true});
  c.chkAutoOpen = b.Check("chkAutoOpen", box,
                          {.caption = PICTAVUE_TEXT("frmMain", "自動で開かない(&O)"),
                           .tip = PICTAVUE_TEXT("frmMain", "作成されたHTMLを開く前に確認"),
                           .topic = 17,
                           .tab = 31});
  c.chkSubWIndow =
      b.Check("chkSubWIndow", box,
              {.caption = PICTAVUE_TEXT("frmMain", "ｵﾘｼﾞﾅﾙｻｲｽﾞの画像はｻﾌﾞｳｨﾝﾄﾞｳで表示(&M)"),
               .tip = PICTAVUE_TEXT("frmMain", "ﾁｪｯｸしなければ同じｳｨﾝﾄﾞｳで表示"),
               .topic = 18,
               .tab = 32,
               .checked = true});
  layout->addWidget(c.chkBGColor);
  layout->addWidget(c.chkAutoOpen);
  layout->addWidget(c.chkSubWIndow);

  QHBoxLayout* sub_window_row = Row(layout);
  c.chkAutoSize = b.Check("chkAutoSize", box,
                          {.caption = PICTAVUE_TEXT("frmMain", "ｻｲｽﾞの自動調整(&Q)"),
                           .topic = 13,
                           .tab = 33,
                           .checked = true});
  c.chkOnlyOne = b.Check("chkOnlyOne", box,
                         {.caption = PICTAVUE_TEXT("frmMain", "ひとつだけ(&N)"),
                          .tip = PICTAVUE_TEXT("frmMain", "ｻﾌﾞｳｨﾝﾄﾞｳはひとつしか開かない"),
                          .topic = 16,
                          .tab = 34,
                          .checked = true});
  sub_window_row->addSpacing(kSubOptionIndent);
  sub_window_row->addWidget(c.chkAutoSize);
  sub_window_row->addWidget(c.chkOnlyOne);
  sub_window_row->addStretch(1);

  QHBoxLayout* slide_row = Row(layout);
  c.chkClientPull = b.Check("chkClientPull", box,
                            {.caption = PICTAVUE_TEXT("frmMain", "スライドショー(&D)"),
                             .tip = kDelayTip,
                             .topic = 19,
                             .tab = 35});
  c.LblDelay1 =
      b.Label("LblDelay1", box,
              {.caption = PICTAVUE_TEXT("frmMain", "間隔(&I)"), .tip = kDelayTip, .topic = 20});
  c.txtDelay = b.Make<QLineEdit>("txtDelay", box, {.tip = kDelayTip, .topic = 20, .tab = 37});
  c.txtDelay->setFixedWidth(c.txtDelay->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                            12);
  c.LblDelay2 = b.Label("LblDelay2", box, {.caption = PICTAVUE_TEXT("frmMain", "秒"), .topic = 20});
  c.LblDelay1->setBuddy(c.txtDelay);
  slide_row->addWidget(c.chkClientPull);
  slide_row->addSpacing(12);
  slide_row->addWidget(c.LblDelay1);
  slide_row->addWidget(c.txtDelay);
  slide_row->addWidget(c.LblDelay2);
  slide_row->addStretch(1);

  c.Frame3 =
      b.Frame("Frame3", box, {.caption = PICTAVUE_TEXT("frmMain", "サブフォルダごとに表示")});
  QWidget* folder_box = b.InnerBox(6, c.Frame3);
  auto* folder_row = new QHBoxLayout(folder_box);
  folder_row->setContentsMargins(0, 0, 0, 0);
  c.chkSeparator = b.Check("chkSeparator", folder_box,
                           {.caption = PICTAVUE_TEXT("frmMain", "区切り線(&K)"),
                            .tip = PICTAVUE_TEXT("frmMain", "<HR>ﾀｸﾞを挿入"),
                            .topic = 21,
                            .tab = 38,
                            .checked = true});
  c.chkFolderName = b.Check("chkFolderName", folder_box,
                            {.caption = PICTAVUE_TEXT("frmMain", "フォルダ名(&F)"),
                             .tip = PICTAVUE_TEXT("frmMain", "最下層のﾌｫﾙﾀﾞ名"),
                             .topic = 22,
                             .tab = 39,
                             .checked = true});
  c.lblKakkoL = b.Label("lblKakkoL", folder_box, {.caption = "("});
  c.chkPathName = b.Check("chkPathName", folder_box,
                          {.caption = PICTAVUE_TEXT("frmMain", "パス(&Z)"),
                           .tip = PICTAVUE_TEXT("frmMain", "ﾄﾞﾗｲﾌﾞ名から始まるﾌｫﾙﾀﾞ名"),
                           .topic = 22,
                           .tab = 40});
  c.lblKakkoR = b.Label("lblKakkoR", folder_box, {.caption = ")"});
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
  auto* layout = new QVBoxLayout(box);

  c.chkSameSize = b.Check("chkSameSize", box,
                          {.caption = PICTAVUE_TEXT("frmMain", "すべての画像は同一サイズ(&F)"),
                           .topic = 24,
                           .tab = 41});
  c.Label13 = b.Label(
      "Label13", box,
      {.caption = PICTAVUE_TEXT("frmMain", "（最初にみつかった画像のサイズで決定）"), .topic = 24});
  c.Label12 =
      b.Label("Label12", box,
              {.caption = PICTAVUE_TEXT("frmMain", "画像のｻｲｽﾞが異なる場合はﾁｪｯｸしないで下さい")});
  MakeRed(c.Label12);
  layout->addWidget(c.chkSameSize);
  for (QLabel* note : {c.Label13, c.Label12}) {
    QHBoxLayout* row = Row(layout);
    row->addSpacing(kSubOptionIndent);
    row->addWidget(note);
    row->addStretch(1);
  }

  c.chkNotThumbnail =
      b.Check("chkNotThumbnail", box,
              {.caption = PICTAVUE_TEXT("frmMain", "サムネイルの代わりにファイル名を表示(&T)"),
               .topic = 28,
               .tab = 42});
  layout->addWidget(c.chkNotThumbnail);

  QHBoxLayout* browser_row = Row(layout);
  c.chkBrowser = b.Check(
      "chkBrowser", box,
      {.caption = PICTAVUE_TEXT("frmMain", "ブラウザを指定する(&D)"), .topic = 31, .tab = 43});
  c.Command6[1] = b.Button("Command6(1)", box,
                           {.caption = "...",
                            .tip = PICTAVUE_TEXT("frmMain", "ﾌﾞﾗｳｻﾞの設定ﾀﾞｲｱﾛｸﾞを開きます"),
                            .tab = 44});
  c.Command6[1]->setFixedWidth(kSmallButtonWidth);
  browser_row->addWidget(c.chkBrowser);
  browser_row->addWidget(c.Command6[1]);
  browser_row->addStretch(1);

  c.chkAltNewLine =
      b.Check("chkAltNewLine", box,
              {.caption = PICTAVUE_TEXT("frmMain", "画像のツールチップを改行する(&N)"),
               .topic = 32,
               .tab = 45});
  c.Label1 = b.Label("Label1", box, {.caption = PICTAVUE_TEXT("frmMain", "Windows版 IE のみ有効")});
  MakeRed(c.Label1);
  layout->addWidget(c.chkAltNewLine);
  QHBoxLayout* note_row = Row(layout);
  note_row->addSpacing(kSubOptionIndent);
  note_row->addWidget(c.Label1);
  note_row->addStretch(1);
  layout->addStretch(1);
}

void BuildBottomRow(Builder& b, MainWindowControls& c, QWidget& window, QBoxLayout* parent) {
  QHBoxLayout* row = Row(parent);
  c.Image1 = new QLabel(&window);
  c.Image1->setObjectName(QStringLiteral("Image1"));
  c.Image1->setFixedSize(kImageSize, kImageSize);
  c.Image1->setPixmap(ProgramIconPixmap(kImageSize));
  c.Command1 =
      b.Button("Command1", &window,
               {.caption = PICTAVUE_TEXT("frmMain", "作成(&C)..."), .topic = 25, .tab = 46});
  c.Command5 = b.Button("Command5", &window,
                        {.caption = "&About...",
                         .tip = PICTAVUE_TEXT("frmMain", "Pictavue について..."),
                         .topic = 26,
                         .tab = 47});
  c.Command3 = b.Button("Command3", &window,
                        {.caption = PICTAVUE_TEXT("frmMain", "ヘルプ(&H)"),
                         .tip = PICTAVUE_TEXT("frmMain", "ｺﾝﾃｷｽﾄﾍﾙﾌﾟを表示"),
                         .tab = 48});
  c.Command2 =
      b.Button("Command2", &window, {.caption = PICTAVUE_TEXT("frmMain", "終了(&X)"), .tab = 49});
  row->addWidget(c.Image1);
  row->addStretch(1);
  for (QPushButton* button : {c.Command1, c.Command5, c.Command3, c.Command2}) {
    button->setMinimumWidth(kBottomButtonWidth);
    row->addWidget(button);
  }
}

}  // namespace

QWidget* MainWindowControls::Control(std::string_view name) const {
  const QString wanted = Text(name);
  const auto found = std::find_if(
      all.begin(), all.end(), [&wanted](const QWidget* w) { return w->objectName() == wanted; });
  return found == all.end() ? nullptr : *found;
}

MainWindowControls BuildMainWindowControls(QWidget& window) {
  MainWindowControls c;
  Builder b(c);
  auto* window_layout = new QVBoxLayout(&window);

  c.Frame1 = b.Frame("Frame1", &window, {});
  QWidget* outer = b.InnerBox(0, c.Frame1);
  auto* outer_layout = new QVBoxLayout(outer);
  outer_layout->setContentsMargins(0, 0, 0, 0);
  outer_layout->setSpacing(0);
  window_layout->addWidget(c.Frame1);

  BuildSearchFolderFrame(b, c, outer);
  outer_layout->addWidget(c.Frame2);
  outer_layout->addSpacing(6);

  c.TabStrip1 = b.Make<QTabBar>("TabStrip1", outer, {.tab = 10});
  c.TabStrip1->setExpanding(false);
  c.TabStrip1->setDrawBase(false);
  for (const SourceText& caption :
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
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("FrmTS(%1)").arg(i));
    c.FrmTS[i] = panel;
    boxes[i] = b.InnerBox(kPanelBoxes[i], panel);
    panel->layout()->setContentsMargins(0, 0, 0, 0);
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
