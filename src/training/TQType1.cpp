#include "training/TQType1.h"

#include "app/Settings.h"
#include "compose/CharacterKeyFilter.h"
#include "compose/CompositionEngine.h"
#include "dialogs/InstalledFonts.h"
#include "lib/ULib.h"
#include "pads/TQuillmaren4.h"
#include "training/AnswerDiff.h"
#include "training/AnswerMarkup.h"
#include "training/Judge.h"
#include "training/QuestionLayout.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

#include <tuple>

namespace {

constexpr int kMemoLeft = 80;
constexpr int kButtonColumn = 92;  // room right of the boxes for 判定, ヒント and IPA
constexpr int kTallWindow = 800;

QFont PixelFont(const QString &family, int pixels)
{
    QFont font = InstalledFont(family);
    font.setPixelSize(pixels);
    return font;
}

/// A read-only box, or the answer box. Lines wrap; a scroll bar shows whenever they do not all
/// fit.
QPlainTextEdit *MakeBox(QWidget *parent, const char *name, bool readOnly)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(readOnly);
    box->setTabChangesFocus(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return box;
}

/// The height of one line of sample in the box's font, as the box lays its lines out (fallback
/// fonts for characters the font lacks included), and what its frame and margins add.
BoxMetrics MeasureBox(const QPlainTextEdit *box, const QString &sample)
{
    QTextLayout layout(sample, box->document()->defaultFont());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    const int margin = qCeil(box->document()->documentMargin());
    return {qCeil(line.height()), 2 * box->frameWidth() + 2 * margin + 1};
}

QString ShownLines(const QString &stored)
{
    return ULib::MarkersToBreaks(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

/// The guide of the START page, in one line and split in two.
struct Guide {
    QString oneLine, upper, lower;
};

Guide GuideFor(std::optional<QuestionType> type, const QString &language)
{
    if (!type) {
        const QString text = QStringLiteral("解答欄に答えを入れて下さい。");
        return {text, {}, text};
    }
    switch (*type) {
    case QuestionType::W:
        return {QStringLiteral("日本語に対する%1を解答欄に入れて下さい。").arg(language),
                QStringLiteral("日本語に対する%1を").arg(language), QStringLiteral("解答欄に入れて下さい。")};
    case QuestionType::B:
        return {QStringLiteral("問題文の答えを%1で解答欄に入れて下さい。").arg(language),
                QStringLiteral("問題文の答えを"), QStringLiteral("%1で解答欄に入れて下さい。").arg(language)};
    case QuestionType::C:
        return {QStringLiteral("指示文の内容を読み、日本語の文章を%1にして下さい。").arg(language),
                QStringLiteral("指示文の内容を読み"), QStringLiteral("日本語の文章を%1にして下さい。").arg(language)};
    }
    return {};
}

}  // namespace

TQType1::TQType1(Context context, const QString &typeName, QWidget *parent)
    : QFrame(parent), context_(std::move(context)), type_(QuestionTypeFromName(typeName))
{
    setObjectName(QStringLiteral("TQType1"));
    setFont(PixelFont(QStringLiteral("Tahoma"), 16));
    resize(516, 422);
    BuildControls();
    BuildPages();
}

TQType1::~TQType1() = default;

void TQType1::BuildControls()
{
    const auto label = [this](const char *name, const QString &text) {
        auto *created = new QLabel(text, this);
        created->setObjectName(QLatin1String(name));
        created->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return created;
    };
    Label1 = label("Label1", QStringLiteral("日本語："));
    Label2 = label("Label2", QStringLiteral("発　音:"));
    Label3 = label("Label3", QStringLiteral("解答欄："));
    Label4 = label("Label4", QStringLiteral("正　解："));
    Memo3 = MakeBox(this, "Memo3", true);
    Memo2 = MakeBox(this, "Memo2", true);
    Memo5 = MakeBox(this, "Memo5", false);
    Memo4 = MakeBox(this, "Memo4", true);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("ヒント"));
    SpeedButton1->setCheckable(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    CheckBox1 = new QCheckBox(QStringLiteral("IPA"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setFocusPolicy(Qt::NoFocus);
    JudgeBtn = new QPushButton(QStringLiteral("判定"), this);
    JudgeBtn->setObjectName(QStringLiteral("JudgeBtn"));
    JudgeBtn->setAutoDefault(false);
    JudgeBtn->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton1, &QToolButton::clicked, this, &TQType1::SpeedButton1Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TQType1::CheckBox1Click);
    connect(JudgeBtn, &QPushButton::clicked, this, &TQType1::JudgeRequested);

    // Every other character of the answer box goes to the trigger-key composition; Enter judges
    // (this filter is installed after the composition's, so it sees the key first).
    answerField_ = std::make_unique<PlainTextComposeField>(Memo5);
    new CharacterKeyFilter(
        Memo5,
        [this](QStringView typed) {
            return context_.engine.ComposeCharacter({quillmaren4_, answerField_.get()}, typed);
        },
        [this](const QString &text) { answerField_->ReplaceSelection(text); });
    Memo5->installEventFilter(this);
}

void TQType1::BuildPages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::East);
    PageControl1->setFocusPolicy(Qt::NoFocus);

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *letters = new QVBoxLayout(TabSheet1);
    letters->setContentsMargins(0, 0, 0, 0);
    quillmaren4_ = new TQuillmaren4(context_.engine, TabSheet1);
    letters->addWidget(quillmaren4_);
    PageControl1->addTab(TabSheet1, QStringLiteral("特殊文字"));

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Label5 = new QLabel(QStringLiteral("No:"), TabSheet2);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setGeometry(8, 12, 34, 24);
    Edit1 = new QLineEdit(TabSheet2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setAlignment(Qt::AlignRight);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { background: #C0C0C0; }"));
    Edit1->setGeometry(44, 10, 60, 28);
    ResEditSpBtn = new QToolButton(TabSheet2);
    ResEditSpBtn->setObjectName(QStringLiteral("ResEditSpBtn"));
    ResEditSpBtn->setText(QStringLiteral("編集\nF8"));
    ResEditSpBtn->setFocusPolicy(Qt::NoFocus);
    ResEditSpBtn->setGeometry(8, 46, 96, 52);
    connect(ResEditSpBtn, &QToolButton::clicked, this, &TQType1::EditRequested);
    Memo1 = MakeBox(TabSheet2, "Memo1", true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Label8 = new QLabel(QStringLiteral("※この単語に情報を加えたい時はファンクションキーF8を押して下さい。"), TabSheet2);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    QPalette purple = Label8->palette();
    purple.setColor(QPalette::WindowText, QColor(0x800080));
    Label8->setPalette(purple);
    Label8->adjustSize();
    AnswerMarkLabel = new QLabel(TabSheet2);
    AnswerMarkLabel->setObjectName(QStringLiteral("AnswerMarkLabel"));
    AnswerMarkLabel->setTextFormat(Qt::RichText);
    AnswerMarkLabel->setWordWrap(true);
    AnswerMarkLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    AnswerMarkLabel->hide();
    PageControl1->addTab(TabSheet2, QStringLiteral("コメント"));

    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    Label6 = new QLabel(TabSheet3);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label7 = new QLabel(TabSheet3);
    Label7->setObjectName(QStringLiteral("Label7"));
    for (QLabel *guide : {Label6, Label7})
        guide->setFont(PixelFont(context_.settings.MyJpFont, 27));
    PageControl1->addTab(TabSheet3, QStringLiteral("START"));
    TabSheet2->installEventFilter(this);
    TabSheet3->installEventFilter(this);
}

void TQType1::SetupForType()
{
    ClearQuestion();
    const Settings &s = context_.settings;
    Memo3->setFont(InstalledFont(s.MyJpFont, 17));
    switch (type_.value_or(QuestionType::W)) {
    case QuestionType::B: Memo2->setFont(InstalledFont(s.MainFont, 17)); break;
    case QuestionType::C: Memo2->setFont(InstalledFont(s.MyJpFont, 12)); break;
    default: Memo2->setFont(InstalledFont(s.IPAFont, 18)); break;
    }
    Memo5->setFont(InstalledFont(QStringLiteral("Arial"), 18));
    Memo4->setFont(InstalledFont(QStringLiteral("Arial"), 18));
    Memo1->setFont(InstalledFont(s.MyJpFont, 16));
    AnswerMarkLabel->setFont(InstalledFont(s.MyJpFont, 13));
    PageControl1->setTabText(LettersPage, QStringLiteral("特殊文字"));
    PageControl1->setTabText(CommentPage, QStringLiteral("コメント"));
    LayoutForType();
    const bool hints = type_ == QuestionType::W;
    SpeedButton1->setVisible(hints);
    CheckBox1->setVisible(hints);
    if (hints) {
        SpeedButton1->setChecked(false);
        SpeedButton1Click();
    }
    AlignLabels();
}

void TQType1::SetSecondRowCaption(const QString &caption)
{
    Label2->setText(caption);
}

void TQType1::LayoutForType()
{
    // The Japanese and the second row may show Japanese and European text; the answers only
    // European text.
    const QString mixed = QStringLiteral("Ág日本"), european = QStringLiteral("Ág");
    const QuestionStack stack = PlanQuestionStack(
        type_, context_.windowHeight() >= kTallWindow,
        {MeasureBox(Memo3, mixed), MeasureBox(Memo2, mixed), MeasureBox(Memo5, european), MeasureBox(Memo4, european)},
        height());
    const int width = qMax(120, this->width() - kMemoLeft - kButtonColumn);
    const int wide = type_ == QuestionType::C ? width + 26 : width;
    int top = stack.top;
    for (auto [box, boxWidth, index] : {std::tuple{Memo3, wide, JapaneseBox}, std::tuple{Memo2, wide, SecondRowBox},
                                        std::tuple{Memo5, width, AnswerBox}, std::tuple{Memo4, width, ExpectedBox}}) {
        box->setGeometry(kMemoLeft, top, boxWidth, stack.heights[index]);
        top += stack.heights[index] + stack.gap;
    }
    PageControl1->setGeometry(0, stack.pagesTop, this->width(), qMax(60, height() - stack.pagesTop));
}

void TQType1::AlignLabels()
{
    const std::pair<QLabel *, QPlainTextEdit *> rows[] = {
        {Label1, Memo3}, {Label2, Memo2}, {Label3, Memo5}, {Label4, Memo4}};
    for (const auto &[label, box] : rows) {
        label->adjustSize();
        label->setGeometry(0, box->y() + (box->height() - label->height()) / 2, kMemoLeft - 6, label->height());
    }
    const int right = Memo5->x() + Memo5->width() + 8;
    SpeedButton1->setGeometry(right, Memo2->y() + (Memo2->height() - 28) * 2 / 3, 70, 28);
    CheckBox1->adjustSize();
    CheckBox1->move(right, SpeedButton1->y() - 20 - CheckBox1->height() / 2);
    JudgeBtn->setGeometry(right, Memo5->y() + (Memo5->height() - 34) / 2, 70, 34);
}

void TQType1::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // FrameResize
    LayoutForType();
    AlignLabels();
    BuildGuide();
}

void TQType1::ClearQuestion()
{
    for (QPlainTextEdit *box : {Memo3, Memo2, Memo4, Memo1, Memo5})
        box->clear();
    ShowAnswerMark({});
    Memo5->setAttribute(Qt::WA_InputMethodEnabled, false);  // no Japanese conversion in the answer
    BuildGuide();
    ShowTabs(true, false, true);
    if (context_.rememberedPage == LettersPage || context_.rememberedPage == GuidePage)
        PageControl1->setCurrentIndex(context_.rememberedPage);
}

void TQType1::ShowTabs(bool letters, bool comment, bool guide)
{
    PageControl1->setTabVisible(LettersPage, letters);
    PageControl1->setTabVisible(CommentPage, comment);
    PageControl1->setTabVisible(GuidePage, guide);
}

void TQType1::BuildGuide()
{
    QString word = context_.languageName;
    if (word == QStringLiteral("英　語"))
        word = QStringLiteral("英語");
    const auto [oneLine, upper, lower] = GuideFor(type_, word);
    const int page = TabSheet3->width();
    Label6->setText(oneLine);
    Label6->adjustSize();
    if (Label6->width() <= int(0.8 * page)) {
        Label7->hide();
        Label6->move((page - Label6->width()) / 2, (TabSheet3->height() - Label6->height()) / 2);
        return;
    }
    Label7->setText(upper);
    Label7->adjustSize();
    Label7->move((page - Label7->width()) / 2, 32);
    Label6->setText(lower);
    Label6->adjustSize();
    Label6->move((page - Label6->width()) / 2, 64);
    Label7->show();
}

void TQType1::FillQuestion(int row, const WordEntry &word)
{
    Memo3->setPlainText(word.Japanese);
    hintPhonetic_ = word.Phonetic;
    hintKana_ = word.Kana;
    if (type_ == QuestionType::W) {
        if (SpeedButton1->isChecked())
            ShowHint(ShownLines(word.Phonetic), ShownLines(word.Kana), 16);
        else
            Memo2->clear();
    } else if (type_) {
        Memo2->setPlainText(ShownLines(word.Phonetic));
    }
    Memo1->setPlainText(ShownLines(word.Notes));
    Edit1->setText(QString::number(row + 1));
    Memo5->setFocus(Qt::OtherFocusReason);
}

void TQType1::ShowHint(const QString &phonetic, const QString &kana, int points)
{
    if (!SpeedButton1->isChecked()) {
        Memo2->clear();
        return;
    }
    // The kana keeps the box's face where it can show kana; the settings' Japanese font where
    // the phonetic font cannot.
    Memo2->setFont(CheckBox1->isChecked() ? InstalledFont(context_.settings.IPAFont, points)
                                          : InstalledFont(context_.settings.MyJpFont, points));
    Memo2->setPlainText(CheckBox1->isChecked() ? phonetic : kana);
}

void TQType1::SpeedButton1Click()
{
    ShowHint(hintPhonetic_, hintKana_, CheckBox1->isChecked() ? 18 : 14);
}

void TQType1::CheckBox1Click()
{
    ShowHint(hintPhonetic_, hintKana_, 16);
}

QString TQType1::Answer() const
{
    return Memo5->toPlainText();
}

void TQType1::RememberPage()
{
    context_.rememberedPage = PageControl1->currentIndex();
}

void TQType1::ShowResult(const QString &expected)
{
    Memo4->setPlainText(expected);
    ShowAnswerMark(IsCorrectAnswer(Answer(), expected) ? QString() : expected);
    Label8->adjustSize();
    Label8->move((TabSheet2->width() - Label8->width()) / 2, Label8->y());
    ShowTabs(false, true, false);
    PageControl1->setCurrentIndex(CommentPage);
    JudgeBtn->setEnabled(false);
}

void TQType1::EnableJudge()
{
    JudgeBtn->setEnabled(true);
}

void TQType1::ShowAnswerMark(const QString &expected)
{
    if (expected.isEmpty()) {
        AnswerMarkLabel->hide();
    } else {
        // The answer as judged: without the blanks at its ends.
        const AnswerDiff diff = DiffAnswer(ULib::TrimBlanks(Answer()), expected);
        // The answer in the answer box's Latin face, the words around it in the Japanese one.
        QString text = QStringLiteral("あなたの解答：<span style=\"font-family:'%1';\">%2</span>")
                           .arg(Memo5->font().family().toHtmlEscaped(), MarkedAnswerHtml(diff));
        if (!diff.hints.isEmpty())
            text += QStringLiteral("　打ち方：") + diff.HintsText().toHtmlEscaped();
        // What the marks mean, smaller, under the answer.
        text += QStringLiteral("<br><span style=\"font-size:small;\">%1</span>").arg(AnswerMarkLegendHtml());
        AnswerMarkLabel->setText(text);
        AnswerMarkLabel->show();
    }
    LayoutResultPage();
}

bool TQType1::AnswerMarkShown() const
{
    return !AnswerMarkLabel->isHidden();
}

bool TQType1::ResultPageShown() const
{
    return PageControl1->currentIndex() == CommentPage && PageControl1->isTabVisible(CommentPage);
}

int TQType1::ShownRow() const
{
    return Edit1->text().toInt();
}

void TQType1::LayoutResultPage()
{
    // The notes fill the page right of the word's number; the marked answer, when shown, takes
    // the top of that room and the notes the rest.
    const int width = TabSheet2->width(), left = 112, boxWidth = qMax(60, width - 120);
    int notesTop = 8;
    if (!AnswerMarkLabel->isHidden()) {
        // A very long answer gives up its last lines rather than the notes.
        const int markHeight = qBound(0, AnswerMarkLabel->heightForWidth(boxWidth), TabSheet2->height() - 84);
        AnswerMarkLabel->setGeometry(left, 8, boxWidth, markHeight);
        notesTop += markHeight + 4;
    }
    Memo1->setGeometry(left, notesTop, boxWidth, qMax(40, TabSheet2->height() - 32 - notesTop));
    Label8->adjustSize();
    Label8->move((width - Label8->width()) / 2, TabSheet2->height() - Label8->height() - 6);
}

bool TQType1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo5 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit JudgeRequested();  // even while 判定 is disabled: a later judgement shows again
            return true;
        }
    }
    if (watched == TabSheet2 && event->type() == QEvent::Resize)
        LayoutResultPage();
    if (watched == TabSheet3 && event->type() == QEvent::Resize)
        BuildGuide();
    return QFrame::eventFilter(watched, event);
}
