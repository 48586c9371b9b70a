#include "training/TrainingPage.h"

#include "app/Settings.h"
#include "dialogs/FileErrorText.h"
#include "dialogs/InstalledFonts.h"
#include "dialogs/MessageSeam.h"
#include "learning/LearningRecord.h"
#include "pads/TQuillmaren4.h"
#include "pads/TShape.h"
#include "training/LearningRecordAccess.h"
#include "training/MissedWordsPanel.h"
#include "training/RandLog.h"
#include "training/ReviewChoice.h"
#include "training/TQType1.h"
#include "training/TStdScore.h"
#include "training/Verdict.h"
#include "training/VerdictFigures.h"
#include "wordbook/QuestionType.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

#include <utility>

namespace {

constexpr int kSideWidth = 100;
constexpr int kSquareSize = 100;    // the feedback squares
constexpr int kPictureGap = 8;      // between a square and the picture below it
constexpr int kProcedureLeft = 70;  // the numbered lines of the procedure panel
constexpr int kScoreBoardWidth = 514;

QLabel *NamedLabel(QWidget *parent, const char *name, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

void SetTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

/// A line of the procedure panel wraps within the panel. It is measured only when the panel is
/// laid out: measuring at start-up would load the panel's fonts, while the panel is first seen
/// only on the training page.
QLabel *ProcedureLine(QWidget *panel, const char *name, const QString &text)
{
    QLabel *label = NamedLabel(panel, name, text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

/// Gives a wrapped line the panel's width right of left and the height of its lines, at least
/// minHeight; returns its bottom.
int PlaceProcedureLine(QLabel *label, int left, int top, int panelWidth, int minHeight)
{
    const int width = qMax(80, panelWidth - left - 8);
    label->setGeometry(left, top, width, qMax(minHeight, label->heightForWidth(width)));
    return top + label->height();
}

/// The caption of the question's second row: what the type keeps in the word's second field.
QString SecondRowCaption(std::optional<QuestionType> type)
{
    if (type == QuestionType::B)
        return QStringLiteral("問題文:");
    if (type == QuestionType::C)
        return QStringLiteral("指示文:");
    return QStringLiteral("発　音:");
}

QFont FeedbackFont(int points)
{
    return InstalledFont(QStringLiteral("ＭＳ Ｐゴシック"), points);
}

}  // namespace

TrainingPage::TrainingPage(Context context, QWidget *parent)
    : QWidget(parent), context_(std::move(context)), random_(context_.seedSource), session_(*this, random_)
{
    setObjectName(QStringLiteral("TrainingPage"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    BuildSelectorRow();
    BuildQuizArea();
    BuildProcedurePanel();

    OpenTimer = new QTimer(this);
    OpenTimer->setObjectName(QStringLiteral("OpenTimer"));
    OpenTimer->setInterval(20);
    connect(OpenTimer, &QTimer::timeout, this, &TrainingPage::OpenTimerTimer);
    MantenTimer = new QTimer(this);
    MantenTimer->setObjectName(QStringLiteral("MantenTimer"));
    MantenTimer->setInterval(1000);
    connect(MantenTimer, &QTimer::timeout, this, &TrainingPage::MantenTimerTimer);
}

TrainingPage::~TrainingPage() = default;

void TrainingPage::BuildSelectorRow()
{
    Panel10 = new QWidget(this);
    Panel10->setObjectName(QStringLiteral("Panel10"));
    auto *row = new QHBoxLayout(Panel10);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(NamedLabel(Panel10, "Label9", QStringLiteral("残り")));
    Shape4 = new TShape(Panel10);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    Shape4->SetPen(Qt::black, 1);
    Shape4->setFixedSize(48, 36);
    ZanLabel = NamedLabel(Shape4, "ZanLabel");
    QFont zan = ZanLabel->font();
    zan.setPointSize(22);
    ZanLabel->setFont(zan);
    row->addWidget(Shape4);
    row->addWidget(NamedLabel(Panel10, "Label10", QStringLiteral("番勝負")));
    ComboBox1 = new QComboBox(Panel10);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("問題選択ボックス"));
    ComboBox1->setMinimumContentsLength(20);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    row->addWidget(ComboBox1, 1);
    StartBtn = new QPushButton(QStringLiteral("START"), Panel10);
    StartBtn->setObjectName(QStringLiteral("StartBtn"));
    StartBtn->setAutoDefault(true);
    row->addWidget(StartBtn);
    layout()->addWidget(Panel10);
    connect(ComboBox1, &QComboBox::activated, this, &TrainingPage::ComboBox1Change);
    connect(StartBtn, &QPushButton::clicked, this, &TrainingPage::StartBtnClick);
}

void TrainingPage::BuildQuizArea()
{
    Panel11 = new QFrame(this);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->installEventFilter(this);
    static_cast<QVBoxLayout *>(layout())->addWidget(Panel11, 1);

    Panel15 = new QWidget(Panel11);
    Panel15->setObjectName(QStringLiteral("Panel15"));
    auto *quiz = new QVBoxLayout(Panel15);
    quiz->setContentsMargins(0, 0, 0, 0);
    quiz->setSpacing(2);
    Panel17 = new QWidget(Panel15);
    Panel17->setObjectName(QStringLiteral("Panel17"));
    Panel17->setFixedHeight(58);
    Panel17->installEventFilter(this);
    Panel18 = new QWidget(Panel15);
    Panel18->setObjectName(QStringLiteral("Panel18"));
    Panel18->installEventFilter(this);
    auto *frameHost = new QVBoxLayout(Panel18);
    frameHost->setContentsMargins(0, 0, 0, 0);
    quiz->addWidget(Panel17);
    quiz->addWidget(Panel18, 1);

    for (TShape **square : {&Shape2, &Shape3}) {
        *square = new TShape(Panel11);
        (*square)->setObjectName(square == &Shape2 ? QStringLiteral("Shape2") : QStringLiteral("Shape3"));
    }
    Label5 = NamedLabel(Panel11, "Label5");
    Label6 = NamedLabel(Panel11, "Label6");
    Label29 = NamedLabel(Panel11, "Label29");
    Label30 = NamedLabel(Panel11, "Label30");
    // Their font comes with each feedback (ShowFeedback).
    WomanImage = NamedLabel(Panel11, "WomanImage");
    ManImage = NamedLabel(Panel11, "ManImage");
    HideFeedback();
    HidePictures();
}

void TrainingPage::BuildProcedurePanel()
{
    Panel16 = new QFrame(Panel11);
    Panel16->setObjectName(QStringLiteral("Panel16"));
    Panel16->setAutoFillBackground(true);
    QPalette silver = Panel16->palette();
    silver.setColor(QPalette::Window, QColor(0xC0C0C0));
    Panel16->setPalette(silver);
    QFont font = InstalledFont(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    Panel16->setFont(font);
    NamedLabel(Panel16, "Label13", QStringLiteral("■手順："))->move(8, 14);
    const struct {
        const char *name;
        QString text;
    } lines[] = {
        {"Label14", {}},
        {"Label15",
         QStringLiteral(
             "2. 上の問題選択ボックスで単語帳を選ぶと、単語をランダムに並び替え10問一単位で勝負セットを作ります。")},
        {"Label16", QStringLiteral("3. STARTボタンを押すと、最初の問題が表示されます。")},
        {"Label17", QStringLiteral("4. 解答欄にタイピングで答え、最後にエンターキーを押すと、判定されます。")},
        {"Label18", QStringLiteral("5. 解答欄にカーソルがある状態でエンターキーを押すと次の問題に移行可能です。")},
        {"Label31",
         QStringLiteral("6. 10問終了すると、次の勝負に移行できます。全勝負終了すると並び替え再挑戦が可能です。")},
    };
    for (const auto &line : lines)
        procedureLines_.push_back(ProcedureLine(Panel16, line.name, line.text));
    Label14 = procedureLines_.front();
    Label31 = procedureLines_.back();
    Label33 = ProcedureLine(Panel16, "Label33",
                            QStringLiteral("7. 登録単語が10問未満の単語帳は、重複を許し乱数を使い10問の勝負を作ります。"
                                           "仮勝負の位置付けです。"));
    QFont blue = font;
    blue.setPixelSize(15);
    Label33->setFont(blue);
    SetTextColour(Label33, QColor(0x0000FF));
    Label33->hide();
}

void TrainingPage::LayoutProcedureLines()
{
    procedureWidth_ = Panel16->width();
    int top = 14;
    for (QLabel *line : procedureLines_)
        top = PlaceProcedureLine(line, kProcedureLeft, top, procedureWidth_, 20) + 10;
    // The note on provisional sets stands apart from the six steps.
    PlaceProcedureLine(Label33, kProcedureLeft, Label31->y() + Label31->height() + 30, procedureWidth_, 24);
}

void TrainingPage::InitCaptions()
{
    ShowRemainingSets(0);
    CaptionFolderStep();
    Label33->hide();
    StartBtn->setEnabled(false);
    panelRaised_ = false;
    // Panel11 is laid out by its resize event when the page first shows.
}

void TrainingPage::CaptionFolderStep()
{
    Label14->setText(
        context_.settings.DicNameFlg
            ? QStringLiteral(
                  "1. 学習はフォルダ単位で行います。単語帳ページで[会話][辞書][語彙]から一つを選んで下さい。")
            : QStringLiteral(
                  "1. 学習はフォルダ単位で行います。単語帳ページで[会話][文法][語彙]から一つを選んで下さい。"));
    if (procedureWidth_ > 0)
        LayoutProcedureLines();
}

void TrainingPage::EnterTrainingPage()
{
    emit TrainingEntered();
    BuildTrainingBookList();
    if (ComboBox1->count() == 0) {
        ComboBox1->setPlaceholderText(QStringLiteral("フォルダに単語") + QString::number(SetSize) +
                                      QStringLiteral(" 個以上の単語帳がないので学習できません。"));
        ComboBox1->setEnabled(false);
    } else {
        ComboBox1->setPlaceholderText(QStringLiteral("学習する単語帳を選んで、STARTボタンを押して下さい。"));
        ComboBox1->setEnabled(true);
    }
}

void TrainingPage::BuildTrainingBookList()
{
    ComboBox1->clear();
    trainingFiles_.clear();
    LearningRecord *record = Record();
    for (const TrainingBookItem &item : ListTrainingBooks(context_.bookFolder())) {
        trainingFiles_.append({item, false});
        ComboBox1->addItem(item.caption);
        if (const int due = record ? WordsToReview(*record, item) : 0) {
            trainingFiles_.append({item, true});
            ComboBox1->addItem(QStringLiteral("　【復習】%1　・・・　（%2語）").arg(item.title).arg(due));
        }
    }
    ComboBox1->setCurrentIndex(-1);
}

void TrainingPage::RefreshTrainingBookList()
{
    const int k = ComboBox1->currentIndex();
    if (k < 0 || k >= trainingFiles_.size())
        return;
    const TrainingChoice current = trainingFiles_[k];
    BuildTrainingBookList();
    for (qsizetype i = 0; i < trainingFiles_.size(); ++i) {
        if (trainingFiles_[i].book.fileName == current.book.fileName && trainingFiles_[i].review == current.review)
            ComboBox1->setCurrentIndex(int(i));
    }
}

LearningRecord *TrainingPage::Record()
{
    return context_.learning ? context_.learning->Record(this) : nullptr;
}

int TrainingPage::WordsToReview(LearningRecord &record, const TrainingBookItem &book)
{
    // Most books have no word to review: only those the record names are read whole.
    const BookKey key = context_.bookKey(book.fileName, book.title);
    if (!record.HasWordsBelowTop(key))
        return 0;
    const QStringList lines = ReadTrainingBook(context_.bookFolder() + u'/' + book.fileName).lines;
    return int(record.ReviewWords(key, WordKeysOfLines(lines), std::numeric_limits<int>::max()).size());
}

QuizSession::ReviewChooser TrainingPage::ReviewChooserFor(const TrainingBookItem &book, const QStringList &lines)
{
    auto keys = std::make_shared<const QList<WordKey>>(WordKeysOfLines(lines));
    return [this, key = context_.bookKey(book.fileName, book.title), keys] {
        LearningRecord *record = Record();
        if (!record)
            return QList<int>{};
        return ReviewRowsInBoxOrder(record->ReviewWords(key, *keys, ReviewChoiceSize), random_);
    };
}

void TrainingPage::RecordJudgement(const QuizSession::Judgement &judgement)
{
    LearningRecord *record = Record();
    if (!record)
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const WordEntry word = session_.WordAt(session_.CurrentWord());
    bool written = record->RecordJudgement(
        {bookKey_, {word.Foreign, word.Japanese}, judgement.answer, judgement.correct, judgement.first, now});
    if (written && judgement.setOver)
        written = record->RecordSet(bookKey_, {session_.Score(), session_.Review(), now});
    if (!written)
        context_.learning->TellWriteFailed(this);
    else if (judgement.setOver)
        RefreshTrainingBookList();
}

void TrainingPage::ComboBox1Change()
{
    if (ComboBox1->currentIndex() < 0)
        return;
    emit BookChosen();
}

void TrainingPage::LoadTrainingBook()
{
    const int k = ComboBox1->currentIndex();
    HideMissedWords();
    if (question_) {
        delete question_;
        question_ = nullptr;
    }
    bool loaded = false;
    if (k >= 0 && k < trainingFiles_.size()) {
        const TrainingChoice &choice = trainingFiles_[k];
        const QString &file = choice.book.fileName;
        const QStringList lines = ReadTrainingBook(context_.bookFolder() + u'/' + file).lines;
        if (session_.LoadBook(lines, choice.review ? ReviewChooserFor(choice.book, lines) : nullptr)) {
            loaded = true;
            bookKey_ = context_.bookKey ? context_.bookKey(file, session_.Title()) : BookKey{};
            emit TrainingBookLoaded(file, session_.Title(), session_.Group(), session_.TypeName());
            WriteShuffleLog();
        } else if (choice.review) {
            MessageSeam::Notify(
                this, QStringLiteral("単語帳「%1」には、もう復習する単語がありません。").arg(choice.book.title));
            StartBtn->setEnabled(false);
        } else {
            MessageSeam::Notify(this, QStringLiteral("単語帳「%1」から単語を読み取れませんでした。学習には使えません。")
                                          .arg(ComboBox1->currentText().trimmed()));
            StartBtn->setEnabled(false);
        }
    }
    // The note speaks of small books; a review of a few words is no small book.
    const bool provisional = loaded && session_.Provisional() && !session_.Review();
    Label33->setVisible(provisional);
}

void TrainingPage::WriteShuffleLog()
{
    // A review logs the rows it asks; a pass its whole order.
    const int logged = session_.Review() ? int(session_.Order().size()) : session_.WordCount();
    const QString line =
        RandLogLine(QDateTime::currentDateTime(), QLocale::system(), session_.Title(), session_.Order(), logged);
    if (const std::optional<FileError> error = WriteRandLog(context_.textFolder(), line))
        MessageSeam::Notify(this, FileErrorText(*error));
}

void TrainingPage::SetStartEnabled(bool enabled, bool focus)
{
    StartBtn->setEnabled(enabled && session_.Loaded());
    if (focus && StartBtn->isEnabled())
        StartBtn->setFocus(Qt::OtherFocusReason);
}

void TrainingPage::LowerProcedurePanel()
{
    OpenTimer->stop();
    panelRaised_ = false;
    panelHeight_ = Panel11->height();
    LayoutPanel11();
}

void TrainingPage::StartBtnClick()
{
    if (session_.Phase() != QuizPhase::Ready)
        return;  // no book, or a set already runs
    if (!score_) {
        score_ = new TStdScore(Panel17);
        score_->move((Panel17->width() - kScoreBoardWidth) / 2, 0);
        score_->show();
        connect(score_, &TStdScore::NextClicked, this, &TrainingPage::NextBtnClick);
    }
    score_->ShowSetKind(session_.Provisional());
    if (!question_) {
        const QString type = session_.TypeName();
        question_ = new TQType1(
            {context_.engine, context_.settings, context_.languageName(), context_.windowHeight, rememberedPage_}, type,
            Panel18);
        Panel18->layout()->addWidget(question_);
        question_->SetupForType();
        question_->SetSecondRowCaption(SecondRowCaption(QuestionTypeFromName(type)));
        rememberedPage_ = TQType1::GuidePage;
        question_->show();
        connect(question_, &TQType1::JudgeRequested, this, &TrainingPage::JudgeBtnClick);
        connect(question_, &TQType1::EditRequested, this, &TrainingPage::ResEditSpBtnClick);
    }
    panelHeight_ = Panel11->height();
    LayoutPanel11();
    session_.Start();
    HidePictures();
    question_->LetterPad()->LayoutPad();
    OpenTimer->start();
}

void TrainingPage::JudgeBtnClick()
{
    if (!question_)
        return;
    const QuizSession::Judgement judgement = session_.Judge(question_->Answer());
    if (!judgement.judged)
        return;
    RecordJudgement(judgement);
    question_->RememberPage();
    question_->ShowResult(session_.ExpectedAnswer());
    if (score_)
        score_->NextButton()->setFocus(Qt::OtherFocusReason);
}

void TrainingPage::NextBtnClick()
{
    if (!question_)
        return;
    switch (session_.Next()) {
    case QuizSession::NextStep::Reshuffle:
        OpenTimer->start();  // lowers the procedure panel over the quiz area
        WriteShuffleLog();
        break;
    case QuizSession::NextStep::NothingLeft:
        OpenTimer->start();
        // Without a record (a write failed during the set) no review can be chosen.
        MessageSeam::Notify(this, Record() ? QStringLiteral("この単語帳で復習する単語は、もうありません。"
                                                            "間違えた単語はすべて箱4（習得）まで進みました。")
                                           : QStringLiteral("学習の記録がないため、復習を続けられません。"));
        BuildTrainingBookList();
        break;
    default: break;
    }
}

void TrainingPage::ResCallExecute()
{
    if (missed_ && missed_->isVisible())
        missed_->EditCurrentWord();
    else if (question_ && question_->ResultPageShown())
        ResEditSpBtnClick();
}

void TrainingPage::ResEditSpBtnClick()
{
    emit EditWordRequested(question_->ShownRow() - 1, session_.WordCount());
}

void TrainingPage::DestroyQuiz()
{
    HideMissedWords();
    delete question_;
    question_ = nullptr;
    delete score_;
    score_ = nullptr;
}

void TrainingPage::LeaveTraining()
{
    DestroyQuiz();
    LowerProcedurePanel();  // the next visit starts with no book
    trainingFiles_.clear();
    ComboBox1->clear();
    session_.Leave();
    MantenTimer->stop();
    HideFeedback();
    HidePictures();
}

// The quiz's frontend.

void TrainingPage::ShowRemainingSets(int sets)
{
    ZanLabel->setText(QString::number(sets));
    if (isVisible())  // measuring the text loads its font: a hidden page waits for its show
        PlaceRemainingSets();
}

void TrainingPage::PlaceRemainingSets()
{
    ZanLabel->adjustSize();
    ZanLabel->move((Shape4->width() - ZanLabel->width()) * 2 / 3, (Shape4->height() - ZanLabel->height()) / 2);
}

void TrainingPage::ShowQuestion(int row, const WordEntry &word)
{
    HideMissedWords();
    if (!question_)
        return;
    question_->ClearQuestion();
    question_->FillQuestion(row, word);
}

void TrainingPage::ShowProgress(int position)
{
    if (score_)
        score_->ShowProgress(position);
    HideFeedback();
}

void TrainingPage::ShowScore(int score)
{
    if (score_)
        score_->ShowScore(score);
}

void TrainingPage::ShowFeedback(quint32 squares, QLabel *left, const FeedbackText &leftText, QLabel *right,
                                const FeedbackText &rightText)
{
    for (TShape *square : {Shape2, Shape3}) {
        square->SetBrush(QColor::fromRgb(squares));
        square->SetPen(QColor::fromRgb(squares), 1);
        square->show();
    }
    const auto show = [this](QLabel *label, TShape *square, const FeedbackText &text) {
        label->setText(text.text);
        label->setFont(FeedbackFont(text.size));
        SetTextColour(label, QColor::fromRgb(text.colour));
        PlaceFeedbackText(label, square);
        label->show();
        label->raise();
    };
    show(left, Shape2, leftText);
    show(right, Shape3, rightText);
}

void TrainingPage::ShowAnswerFeedback(bool correct)
{
    const AnswerFeedback feedback = AnswerFeedbackFor(correct);
    ShowFeedback(feedback.squares, Label5, feedback.left, Label6, feedback.right);
}

void TrainingPage::StartVerdict()
{
    if (!MantenTimer->isActive())  // a second judgement within the second leaves one verdict
        MantenTimer->start();
}

void TrainingPage::BeginSet()
{
    HidePictures();
    EnableJudge();
}

void TrainingPage::EnableJudge()
{
    if (question_)
        question_->EnableJudge();
}

bool TrainingPage::ConfirmNextSet()
{
    return MessageSeam::Ask(this, QStringLiteral("次の勝負に行きますか？"));
}

bool TrainingPage::ConfirmReshuffle()
{
    if (session_.Review())
        return MessageSeam::Ask(this, QStringLiteral("続けて、もう一度復習しますか？"));
    return MessageSeam::Ask(this, QStringLiteral("同じ単語帳を順番を変えて最初からやります？"));
}

void TrainingPage::HideFeedback()
{
    for (QWidget *control : std::initializer_list<QWidget *>{Shape2, Shape3, Label5, Label6, Label29, Label30})
        control->hide();
}

void TrainingPage::HidePictures()
{
    WomanImage->hide();
    ManImage->hide();
}

void TrainingPage::MantenTimerTimer()
{
    MantenTimer->stop();
    const SetVerdict verdict = SetVerdictFor(session_.Score());
    ShowFeedback(verdict.squares, Label29, verdict.left, Label30, verdict.right);
    // ClearPictures: the man's picture over white, the woman's over black; a perfect set draws
    // each picture's pose on its own.
    const auto draw = [&](QLabel *image, bool man, const QColor &background) {
        const int pose = verdict.perfect ? 5 + random_.NextBelow(3) : verdict.picture;
        QPixmap picture(image->size());
        picture.fill(background);
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, VerdictFigure(man, pose));
        painter.end();
        image->setPixmap(picture);
        image->setProperty("pose", pose);
        image->show();
        image->raise();
    };
    draw(ManImage, true, Qt::white);
    draw(WomanImage, false, Qt::black);
    ShowMissedWords();
}

void TrainingPage::ShowMissedWords()
{
    if (!question_)
        return;
    if (!missed_) {
        missed_ = new MissedWordsPanel(context_.settings, Panel18);
        connect(missed_, &MissedWordsPanel::BackRequested, this, [this] {
            HideMissedWords();
            if (score_)
                score_->NextButton()->setFocus(Qt::OtherFocusReason);
        });
        connect(missed_, &MissedWordsPanel::ContinueRequested, this, &TrainingPage::NextBtnClick);
        connect(missed_, &MissedWordsPanel::EditWordRequested, this,
                [this](int row) { emit EditWordRequested(row, session_.WordCount()); });
    }
    // A word asked twice in a small set is listed once, with its first answer.
    QList<MissedWordView> words;
    QSet<int> listed;
    for (const QuizSession::MissedAnswer &answer : session_.Missed()) {
        if (listed.contains(answer.row))
            continue;
        listed.insert(answer.row);
        const WordEntry word = session_.WordAt(answer.row);
        words.append({answer.row, word.Japanese, answer.answer, word.Foreign});
    }
    missed_->ShowMissed(words);
    missed_->setGeometry(Panel18->rect());
    missed_->show();
    missed_->raise();
    missed_->setFocus(Qt::OtherFocusReason);  // Up and Down choose a word, F8 edits it
}

void TrainingPage::HideMissedWords()
{
    if (missed_)
        missed_->hide();
}

void TrainingPage::OpenTimerTimer()
{
    if (!isVisible()) {
        LayoutPanel11();  // docked at the bottom until the page shows again
        return;
    }
    if (!panelRaised_) {
        if (panelHeight_ > 1) {
            panelHeight_ = qMax(1, panelHeight_ - 15);
            LayoutPanel11();
            return;
        }
        panelHeight_ = 1;
        session_.SetRaised();
        StartBtn->setEnabled(false);
        panelRaised_ = true;
    } else {
        if (panelHeight_ < Panel11->height()) {
            panelHeight_ = qMin(Panel11->height(), panelHeight_ + 30);
            LayoutPanel11();
            return;
        }
        panelHeight_ = Panel11->height();
        panelRaised_ = false;
        SetStartEnabled(true, true);
    }
    LayoutPanel11();
    OpenTimer->stop();
}

void TrainingPage::PlaceFeedbackText(QLabel *label, const QWidget *square) const
{
    // The answer's text in the upper half of its square, the verdict's in the lower half.
    const bool verdict = label == Label29 || label == Label30;
    const int half = square->height() / 2;
    label->adjustSize();
    const int top = square->y() + (verdict ? half : 0) + (half - label->height()) / 2;
    label->move(square->x() + (square->width() - label->width()) / 2,
                qBound(square->y(), top, square->y() + square->height() - label->height()));
}

void TrainingPage::LayoutPanel11()
{
    const int width = Panel11->width(), height = Panel11->height();
    Shape2->setGeometry(0, 0, kSquareSize, kSquareSize);
    Shape3->setGeometry(width - kSquareSize, 0, kSquareSize, kSquareSize);
    Panel15->setGeometry(kSideWidth, 0, qMax(0, width - 2 * kSideWidth), height);
    for (auto [label, square] :
         {std::pair{Label5, Shape2}, std::pair{Label6, Shape3}, std::pair{Label29, Shape2}, std::pair{Label30, Shape3}})
        PlaceFeedbackText(label, square);
    // The pictures below the squares, each at its window edge.
    const int picturesTop = kSquareSize + kPictureGap;
    WomanImage->setGeometry(0, picturesTop, 97, 100);
    ManImage->setGeometry(width - 97, picturesTop, 97, 100);
    if (!panelRaised_ && !OpenTimer->isActive())
        panelHeight_ = height;
    Panel16->setGeometry(0, height - panelHeight_, width, panelHeight_);
    if (Panel16->width() != procedureWidth_)
        LayoutProcedureLines();
    Panel16->raise();
}

void TrainingPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    PlaceRemainingSets();
}

bool TrainingPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == Panel11)
            LayoutPanel11();
        else if (watched == Panel18 && missed_)
            missed_->setGeometry(Panel18->rect());
        else if (watched == Panel17 && score_)
            score_->move((Panel17->width() - kScoreBoardWidth) / 2, 0);
    }
    return QWidget::eventFilter(watched, event);
}
