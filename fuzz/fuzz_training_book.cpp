// A training book of outside bytes: decoded by its byte-order mark, split into lines, loaded
// into a quiz whose every question is asked.
#include "FuzzSupport.h"
#include "lib/ULib.h"
#include "training/QuizRandom.h"
#include "training/QuizSession.h"
#include "training/TrainingBook.h"
#include "wordbook/WordBookFile.h"

namespace {

struct SilentFrontend : QuizFrontend {
    void ShowRemainingSets(int) override {}
    void ShowQuestion(int, const WordEntry &) override {}
    void ShowProgress(int) override {}
    void ShowScore(int) override {}
    void ShowAnswerFeedback(bool) override {}
    void StartVerdict() override {}
    void BeginSet() override {}
    void EnableJudge() override {}
    bool ConfirmNextSet() override { return true; }
    bool ConfirmReshuffle() override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = SplitBookLines(ULib::DecodeTextBytes(Bytes(data, size)));
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
    SilentFrontend frontend;
    QuizRandom random([] { return 1u; });
    QuizSession quiz(frontend, random);
    if (!quiz.LoadBook(lines))
        return 0;
    FUZZ_CHECK(quiz.WordCount() == lines.size() - 3);
    quiz.Start();
    for (int question = 0; question < 40 && quiz.Next() != QuizSession::NextStep::Nothing; ++question) {
        FUZZ_CHECK(quiz.CurrentWord() >= 0 && quiz.CurrentWord() < quiz.WordCount());
        quiz.Judge(quiz.ExpectedAnswer());
    }
    return 0;
}
