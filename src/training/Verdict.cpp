#include "training/Verdict.h"

namespace {

constexpr quint32 kBlack = 0x000000, kNavy = 0x000080, kRed = 0xFF0000, kOrange = 0xFFA500, kYellow = 0xFFFF00,
                  kMagenta = 0xFF00FF;

}  // namespace

AnswerFeedback AnswerFeedbackFor(bool correct)
{
    if (correct)
        return {kBlack, {QStringLiteral("正解!"), kRed, 24}, {QStringLiteral("いいね"), kOrange, 21}};
    return {kNavy, {QStringLiteral("間違い"), kYellow, 20}, {QStringLiteral("残念!"), kYellow, 20}};
}

SetVerdict SetVerdictFor(int score)
{
    if (score >= 100)
        return {kBlack, {QStringLiteral("完璧!"), kMagenta, 23}, {QStringLiteral("Cool!"), kYellow, 23}, 5, true};
    if (score >= 90)
        return {kBlack, {QStringLiteral("惜しい"), kRed, 22}, {QStringLiteral("Close!"), kOrange, 22}, 4, false};
    if (score >= 70)
        return {kBlack, {QStringLiteral("順調"), kRed, 22}, {QStringLiteral("Good"), kOrange, 22}, 3, false};
    if (score >= 40)
        return {kBlack, {QStringLiteral("ガンバ"), kRed, 22}, {QStringLiteral("復習!"), kOrange, 22}, 2, false};
    if (score >= 10)
        return {kBlack, {QStringLiteral("駄目!"), kRed, 22}, {QStringLiteral("もっと"), kOrange, 22}, 1, false};
    return {kBlack, {QStringLiteral("ﾁｮｯﾄ!"), kRed, 22}, {QStringLiteral("怒るよ"), kOrange, 20}, 0, false};
}
