#include "training/QuestionLayout.h"

#include <algorithm>

namespace {

constexpr int kBottomGap = 6;  // between the last box and the pages

/// A type's layout: the top, the gap between boxes, and each box's drawn height with the lines
/// that height was drawn for.
struct StackDesign {
    int top, gap;
    std::array<int, 4> heights;
    std::array<int, 4> lines;
};

StackDesign DesignFor(std::optional<QuestionType> type, bool tall)
{
    switch (type.value_or(QuestionType::W)) {
    case QuestionType::B:
        return tall ? StackDesign{4, 4, {76, 94, 68, 68}, {3, 3, 2, 2}}
                    : StackDesign{4, 4, {50, 94, 42, 42}, {2, 3, 1, 1}};
    case QuestionType::C:
        return tall ? StackDesign{2, 3, {68, 50, 90, 90}, {2, 3, 3, 3}}
                    : StackDesign{2, 3, {68, 50, 60, 60}, {2, 3, 2, 2}};
    case QuestionType::W: break;
    }
    return {12, 8, {50, 50, 45, 45}, {2, 1, 1, 1}};
}

int LinesHeight(const BoxMetrics &box, int lines)
{
    return lines * box.lineHeight + box.chrome;
}

}  // namespace

QuestionStack PlanQuestionStack(std::optional<QuestionType> type, bool tallWindow,
                                const std::array<BoxMetrics, 4> &metrics, int frameHeight)
{
    const StackDesign design = DesignFor(type, tallWindow);
    QuestionStack stack;
    stack.top = design.top;
    stack.gap = design.gap;
    stack.lines = design.lines;
    const auto boxHeight = [&](int box, bool drawn) {
        const int needed = LinesHeight(metrics[box], stack.lines[box]);
        return drawn ? std::max(design.heights[box], needed) : needed;
    };
    const auto pagesTop = [&] {
        int top = stack.top;
        for (int height : stack.heights)
            top += height;
        return top + 3 * stack.gap + kBottomGap;
    };
    const auto fits = [&] { return frameHeight - pagesTop() >= kMinQuestionPagesHeight; };

    for (int box = 0; box < 4; ++box)
        stack.heights[box] = boxHeight(box, true);
    if (!fits()) {
        // First the room the layout draws beyond the lines, then whole lines.
        for (int box = 0; box < 4; ++box)
            stack.heights[box] = boxHeight(box, false);
        for (const int box : {ExpectedBox, AnswerBox, SecondRowBox, JapaneseBox}) {
            while (!fits() && stack.lines[box] > 1) {
                --stack.lines[box];
                stack.heights[box] = boxHeight(box, false);
            }
        }
    }
    stack.pagesTop = pagesTop();
    return stack;
}
