#include "training/QuizSession.h"

#include "training/Judge.h"
#include "wordbook/WordBookFile.h"

bool QuizSession::LoadBook(QStringList lines)
{
    if (lines.size() <= 3)
        return false;
    lines_ = std::move(lines);
    wordCount_ = int(lines_.size() - 3);
    BuildSets();
    return true;
}

void QuizSession::BuildSets()
{
    sets_ = ::BuildSets(wordCount_, random_);
    remainingSets_ = sets_.totalSets;
    frontend_.ShowRemainingSets(remainingSets_);
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

void QuizSession::ShowNextQuestion()
{
    currentWord_ = sets_.currentSet.value(position_);
    const WordEntry word = WordAt(currentWord_);
    expected_ = word.Foreign;
    frontend_.ShowQuestion(currentWord_, word);
    firstJudgement_ = true;
    ++position_;
    frontend_.ShowProgress(position_);
}

void QuizSession::Start()
{
    position_ = 0;
    score_ = 0;
    frontend_.ShowScore(score_);
    ShowNextQuestion();
}

void QuizSession::SetRaised()
{
    if (remainingSets_ >= 1)
        frontend_.ShowRemainingSets(--remainingSets_);
}

QuizSession::NextStep QuizSession::Next()
{
    if (position_ != SetSize) {
        ShowNextQuestion();
        frontend_.EnableJudge();
        return NextStep::Question;
    }
    if (remainingSets_ != 0) {
        if (!frontend_.Confirm(QStringLiteral("次の勝負に行きますか？")))
            return NextStep::Nothing;
        sets_.currentSet = sets_.SetRows(sets_.totalSets - remainingSets_);
        position_ = 0;
        frontend_.ShowRemainingSets(--remainingSets_);
        ShowNextQuestion();
        score_ = 0;
        frontend_.ShowScore(score_);
        frontend_.BeginSet();
        return NextStep::NextSet;
    }
    if (!frontend_.Confirm(QStringLiteral("同じ単語帳を順番を変えて最初からやります？")))
        return NextStep::Nothing;
    return NextStep::Reshuffle;
}

QuizSession::Judgement QuizSession::Judge(QStringView answer)
{
    Judgement judgement;
    judgement.correct = IsCorrectAnswer(answer, expected_);
    if (judgement.correct && firstJudgement_) {
        score_ += 100 / SetSize;
        judgement.scored = true;
        frontend_.ShowScore(score_);
    }
    frontend_.ShowAnswerFeedback(judgement.correct);
    firstJudgement_ = false;
    if (position_ == SetSize)
        frontend_.StartVerdict();
    return judgement;
}

void QuizSession::Leave()
{
    lines_.clear();
    wordCount_ = 0;
    sets_ = QuizSets{0, 0, {0}, {0}, false};
    remainingSets_ = 0;
    frontend_.ShowRemainingSets(0);
}
