#pragma once

#include "training/QuizSets.h"
#include "wordbook/WordBook.h"

#include <QStringList>

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
    /// A yes/no question; true for yes.
    virtual bool Confirm(const QString &question) = 0;
};

/// The typing quiz over one training book: the sets of a pass, the question on screen, the
/// score of the running set and the judging. It tells its frontend what to show.
class QuizSession
{
public:
    QuizSession(QuizFrontend &frontend, QuizRandom &random) : frontend_(frontend), random_(random) {}

    /// Takes a book's lines (header included) and builds its sets. A book without a word
    /// line is refused (false) and nothing is built.
    bool LoadBook(QStringList lines);
    /// A new shuffle of the loaded book: the sets of a new pass.
    void BuildSets();

    /// START: score 0 and the first question of the set.
    void Start();
    /// The procedure panel is raised: the started set no longer counts as remaining.
    void SetRaised();

    /// What NEXT did.
    enum class NextStep { Question, NextSet, Reshuffle, Nothing };
    /// NEXT: the next question; after the tenth the next set or, when the pass is over, a new
    /// shuffle (the caller lowers the panel and calls BuildSets), each after asking.
    NextStep Next();

    struct Judgement {
        bool correct = false;
        bool scored = false;
    };
    /// Judges a typed answer against the question on screen; only the first judgement of a
    /// question scores. After the tenth question the verdict follows.
    Judgement Judge(QStringView answer);

    /// The training page is left: the book and its sets are gone.
    void Leave();

    bool Loaded() const { return wordCount_ > 0; }
    QString Title() const { return lines_.value(0); }
    QString Group() const { return lines_.value(1); }
    /// The type line, an older type name mapped to the current one.
    QString TypeName() const { return CurrentTypeName(lines_.value(2)); }
    int WordCount() const { return wordCount_; }
    bool FullBook() const { return wordCount_ >= SetSize; }
    int TotalSets() const { return sets_.totalSets; }
    int RemainingSets() const { return remainingSets_; }
    const QList<int> &Order() const { return sets_.order; }
    const QList<int> &CurrentSet() const { return sets_.currentSet; }
    int Position() const { return position_; }
    int CurrentWord() const { return currentWord_; }
    int Score() const { return score_; }
    bool FirstJudgement() const { return firstJudgement_; }
    /// The expected answer of the question on screen.
    const QString &ExpectedAnswer() const { return expected_; }

    /// The word of a row as a question shows it: the fields of a 6- or 7-field line with quotes
    /// unescaped; all empty for any other line.
    WordEntry WordAt(int row) const;

private:
    void ShowNextQuestion();

    QuizFrontend &frontend_;
    QuizRandom &random_;
    QStringList lines_;
    int wordCount_ = 0;
    QuizSets sets_;
    int remainingSets_ = 0;
    int position_ = 0;
    int currentWord_ = 0;
    int score_ = 0;
    bool firstJudgement_ = false;
    QString expected_;
};
