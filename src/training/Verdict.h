#pragma once

#include <QString>

/// A feedback text on one of the two squares beside the quiz: what, colour (0xRRGGBB), size.
struct FeedbackText {
    QString text;
    quint32 colour = 0;
    int size = 0;
};

/// What a judged answer shows at once: the squares' colour and the two texts.
struct AnswerFeedback {
    quint32 squares = 0;
    FeedbackText left;   ///< Label5
    FeedbackText right;  ///< Label6
};
AnswerFeedback AnswerFeedbackFor(bool correct);

/// The verdict on a set by its score (a multiple of 10 from 0 to 100).
struct SetVerdict {
    quint32 squares = 0;
    FeedbackText left;   ///< Label29
    FeedbackText right;  ///< Label30
    int picture = 0;     ///< 0 (worst) to 4; a perfect set draws 5 + 0..2 for each picture
    bool perfect = false;
};
SetVerdict SetVerdictFor(int score);

/// The number of verdict pictures of each figure, worst to best.
inline constexpr int VerdictPictureCount = 8;
