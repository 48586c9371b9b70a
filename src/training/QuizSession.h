#pragma once

#include "training/QuizSets.h"
#include "wordbook/WordBook.h"

#include <QStringList>

#include <functional>

class QuizRandom;

/// What the quiz needs of the windows that show it.
class QuizFrontend
{
public:
    virtual ~QuizFrontend() = default;
    /// The number of sets still to start after the running one.
    virtual void ShowRemainingSets(int sets) = 0;
    /// Puts a word on screen as the next question (row from 0); the question before goes.
    virtual void ShowQuestion(int row, const WordEntry &word) = 0;
    /// The progress bar at position questions of ten; the feedback of the last answer goes.
    virtual void ShowProgress(int position) = 0;
    virtual void ShowScore(int score) = 0;
    /// The feedback of a judged answer beside the quiz.
    virtual void ShowAnswerFeedback(bool correct) = 0;
    /// The verdict on the set follows one second later.
    virtual void StartVerdict() = 0;
    /// A new set begins: the verdict pictures go and the judge button works again.
    virtual void BeginSet() = 0;
    /// The judge button works again for the next question.
    virtual void EnableJudge() = 0;
    /// Whether the user goes on to the next set of the pass; true for yes.
    virtual bool ConfirmNextSet() = 0;
    /// Whether the user starts the book again in a new order once every set is done.
    virtual bool ConfirmReshuffle() = 0;
};

/// Where the quiz stands. Each operation of QuizSession acts only in the phases it names and
/// does nothing in the others, so a late click cannot run the quiz out of order.
enum class QuizPhase {
    NoBook,    ///< nothing loaded: nothing can be asked
    Ready,     ///< the sets of a pass are built; START asks the first question
    Asking,    ///< a question is on screen, not yet judged
    Judged,    ///< the question on screen is judged and more of the set follow
    SetOver,   ///< the set's last question is judged and another set remains
    PassOver,  ///< the last question of the pass's last set is judged
};

/// The typing quiz over one training book: the sets of a pass, the question on screen, the
/// score of the running set and the judging. It tells its frontend what to show.
class QuizSession
{
public:
    QuizSession(QuizFrontend &frontend, QuizRandom &random) : frontend_(frontend), random_(random) {}

    QuizPhase Phase() const { return phase_; }

    /// The rows of a review set, lowest box first; empty when no word is left to review.
    using ReviewChooser = std::function<QList<int>()>;

    /// Any phase: takes a book's lines (header included) and builds its sets (Ready): a pass of
    /// shuffled sets, or with a chooser one review set of the rows it gives, chosen again for
    /// every new pass. A book without a word line, or a review with nothing to review, is
    /// refused (false) and leaves no book loaded (NoBook), so the book before cannot be asked
    /// under the refused one's name.
    bool LoadBook(QStringList lines, ReviewChooser review = {});

    /// START, in Ready only: score 0 and the first question of the set (Asking). False in
    /// every other phase, where nothing happens.
    bool Start();
    /// The procedure panel is raised after START: the started set no longer counts as
    /// remaining. Only while a set runs (Asking to PassOver).
    void SetRaised();

    /// What NEXT did.
    enum class NextStep { Question, NextSet, Reshuffle, NothingLeft, Nothing };
    /// NEXT while a set runs: the next question (Asking); after the tenth, once the user agrees,
    /// the next set's first question (Asking) or, when the pass is over, a new shuffle of the
    /// book (Ready; the caller lowers the panel). A review whose chooser gives no row any more
    /// ends instead (NothingLeft, NoBook). Nothing in NoBook and Ready, or when the user says
    /// no.
    NextStep Next();

    struct Judgement {
        bool judged = false;  ///< false outside a set: nothing was judged
        bool correct = false;
        bool scored = false;
        bool first = false;    ///< the question's first judgement
        bool setOver = false;  ///< the set's last question: its score is final
        QString answer;        ///< the answer as judged, its blanks at both ends removed
    };
    /// Judges a typed answer against the question on screen while a set runs; only the first
    /// judgement of a question scores (Asking to Judged, or to SetOver or PassOver after the
    /// tenth, where the verdict follows).
    Judgement Judge(QStringView answer);

    /// A question of the running set answered wrong at its first judgement.
    struct MissedAnswer {
        int row = 0;
        QString answer;
    };
    /// The running (or just finished) set's questions answered wrong at their first judgement,
    /// in the order asked.
    const QList<MissedAnswer> &Missed() const { return missed_; }

    /// Any phase: the training page is left; the book and its sets are gone (NoBook).
    void Leave();

    bool Loaded() const { return phase_ != QuizPhase::NoBook; }
    QString Title() const { return lines_.value(0); }
    QString Group() const { return lines_.value(1); }
    /// The type line, an older type name mapped to the current one.
    QString TypeName() const { return CurrentTypeName(lines_.value(2)); }
    int WordCount() const { return wordCount_; }
    bool FullBook() const { return wordCount_ >= SetSize; }
    /// Whether the running set repeats words to make ten questions (a small book or review).
    bool Provisional() const { return sets_.provisional; }
    bool Review() const { return bool(review_); }
    int TotalSets() const { return sets_.totalSets; }
    int RemainingSets() const { return remainingSets_; }
    const QList<int> &Order() const { return sets_.order; }
    const QList<int> &CurrentSet() const { return sets_.currentSet; }
    int Position() const { return position_; }
    int CurrentWord() const { return currentWord_; }
    int Score() const { return score_; }
    /// The expected answer of the question on screen.
    const QString &ExpectedAnswer() const { return expected_; }

    /// The word of a row as a question shows it: the fields of a 6- or 7-field line with quotes
    /// unescaped; all empty for any other line.
    WordEntry WordAt(int row) const;

private:
    bool SetRunning() const;
    /// The phase once the set's last question is judged: SetOver while sets remain.
    QuizPhase EndOfSetPhase() const;
    /// A new shuffle of the loaded book, or a new review set: the sets of a new pass (Ready).
    /// False when a review finds nothing to ask.
    bool BuildSets();
    void ShowNextQuestion();

    QuizFrontend &frontend_;
    QuizRandom &random_;
    QuizPhase phase_ = QuizPhase::NoBook;
    QStringList lines_;
    int wordCount_ = 0;
    ReviewChooser review_;
    QuizSets sets_;
    QList<MissedAnswer> missed_;
    int remainingSets_ = 0;
    int position_ = 0;
    int currentWord_ = 0;
    int score_ = 0;
    QString expected_;
};
