#pragma once

#include "wordbook/QuestionType.h"

#include <array>
#include <optional>

/// The four boxes of the question frame, top to bottom.
enum QuestionBox { JapaneseBox = 0, SecondRowBox = 1, AnswerBox = 2, ExpectedBox = 3 };

/// What a box needs for its font: the height of one line and what its frame and margins add.
struct BoxMetrics {
    int lineHeight = 0;
    int chrome = 0;
};

/// Where the boxes of the question frame go, and where the pages below them start.
struct QuestionStack {
    int top = 0;
    int gap = 0;
    std::array<int, 4> heights{};  ///< by QuestionBox
    std::array<int, 4> lines{};    ///< the whole lines each box shows
    int pagesTop = 0;
};

/// The pages below the boxes (the letter pad, the notes, the guide) keep at least this height
/// while boxes can still give up lines.
constexpr int kMinQuestionPagesHeight = 150;

/// The boxes stacked for a book type: each box as tall as the type's layout draws it (taller
/// boxes in a tall window), and never less than its lines in the fonts in use, so that no line
/// is cut. When the frame is too low for that and the pages below, the expected answer, the
/// answer, the second row and the Japanese give up lines in that order, down to one each.
/// An unknown type is stacked as a vocabulary book.
QuestionStack PlanQuestionStack(std::optional<QuestionType> type, bool tallWindow,
                                const std::array<BoxMetrics, 4> &metrics, int frameHeight);
