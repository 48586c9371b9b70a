#include "training/QuizSession.h"

#include "lib/ULib.h"
#include "training/Judge.h"
#include "wordbook/WordBookFile.h"

bool QuizSession::LoadBook(QStringList lines, ReviewChooser review)
{
    if (lines.size() > 3) {
        lines_ = std::move(lines);
        wordCount_ = int(lines_.size() - 3);
        review_ = std::move(review);
        if (BuildSets())
            return true;
    }
    if (Loaded() || review_)
        Leave();
    return false;
}

bool QuizSession::BuildSets()
{
    if (review_) {
        const QList<int> rows = review_();
        if (rows.isEmpty())
            return false;
        sets_ = BuildReviewSet(rows, wordCount_, random_);
    } else {
        sets_ = ::BuildSets(wordCount_, random_);
    }
    remainingSets_ = sets_.totalSets;
    phase_ = QuizPhase::Ready;
    frontend_.ShowRemainingSets(remainingSets_);
    return true;
}

WordEntry QuizSession::WordAt(int row) const
{
    WordEntry word;
    const qsizetype line = qsizetype(row) + 3;
    if (row < 0 || line >= lines_.size() || !ParseWordLine(lines_[line], word))
        return {};
    word.Reserve.clear();
    return word;
}

bool QuizSession::SetRunning() const
{
    return phase_ != QuizPhase::NoBook && phase_ != QuizPhase::Ready;
}

QuizPhase QuizSession::EndOfSetPhase() const
{
    return remainingSets_ > 0 ? QuizPhase::SetOver : QuizPhase::PassOver;
}

void QuizSession::ShowNextQuestion()
{
    currentWord_ = sets_.currentSet.value(position_);
    const WordEntry word = WordAt(currentWord_);
    expected_ = word.Foreign;
    frontend_.ShowQuestion(currentWord_, word);
    phase_ = QuizPhase::Asking;
    ++position_;
    frontend_.ShowProgress(position_);
}

bool QuizSession::Start()
{
    if (phase_ != QuizPhase::Ready)
        return false;
    position_ = 0;
    score_ = 0;
    missed_.clear();
    frontend_.ShowScore(score_);
    ShowNextQuestion();
    return true;
}

void QuizSession::SetRaised()
{
    if (!SetRunning() || remainingSets_ < 1)
        return;
    frontend_.ShowRemainingSets(--remainingSets_);
    if (phase_ == QuizPhase::SetOver)
        phase_ = EndOfSetPhase();
}

QuizSession::NextStep QuizSession::Next()
{
    if (!SetRunning())
        return NextStep::Nothing;
    if (position_ != SetSize) {
        ShowNextQuestion();
        frontend_.EnableJudge();
        return NextStep::Question;
    }
    // The set is over, its last question judged or skipped.
    if (remainingSets_ != 0) {
        if (!frontend_.ConfirmNextSet())
            return NextStep::Nothing;
        sets_.currentSet = sets_.SetRows(sets_.totalSets - remainingSets_);
        position_ = 0;
        missed_.clear();
        frontend_.ShowRemainingSets(--remainingSets_);
        ShowNextQuestion();
        score_ = 0;
        frontend_.ShowScore(score_);
        frontend_.BeginSet();
        return NextStep::NextSet;
    }
    if (!frontend_.ConfirmReshuffle())
        return NextStep::Nothing;
    if (!BuildSets()) {
        Leave();
        return NextStep::NothingLeft;
    }
    return NextStep::Reshuffle;
}

QuizSession::Judgement QuizSession::Judge(QStringView answer)
{
    Judgement judgement;
    if (!SetRunning())
        return judgement;
    judgement.judged = true;
    judgement.answer = ULib::TrimBlanks(answer);
    judgement.correct = IsCorrectAnswer(answer, expected_);
    judgement.first = phase_ == QuizPhase::Asking;
    if (judgement.correct && judgement.first) {
        score_ += 100 / SetSize;
        judgement.scored = true;
        frontend_.ShowScore(score_);
    }
    if (!judgement.correct && judgement.first)
        missed_.append({currentWord_, judgement.answer});
    frontend_.ShowAnswerFeedback(judgement.correct);
    judgement.setOver = position_ == SetSize && judgement.first;
    if (position_ == SetSize) {
        phase_ = EndOfSetPhase();
        frontend_.StartVerdict();
    } else {
        phase_ = QuizPhase::Judged;
    }
    return judgement;
}

void QuizSession::Leave()
{
    phase_ = QuizPhase::NoBook;
    lines_.clear();
    review_ = {};
    missed_.clear();
    wordCount_ = 0;
    sets_ = QuizSets{0, 0, {0}, {0}, false};
    remainingSets_ = 0;
    frontend_.ShowRemainingSets(0);
}
