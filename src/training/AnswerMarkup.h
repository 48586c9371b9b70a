#pragma once

#include "training/AnswerDiff.h"

#include <QString>

/// What an answer cell shows when nothing was typed.
inline constexpr char16_t NotTypedText[] = u"（未入力）";

/// The typed answer as rich text with its differences marked: wrong characters red and
/// underlined, extra ones struck through, missing ones as the expected character in blue on a
/// light blue box. Spaces keep their width, so a wrong or missing space shows. "（未入力）"
/// when nothing was typed.
QString MarkedAnswerHtml(const AnswerDiff &diff);

/// One line explaining the marks, drawn with the same marks.
QString AnswerMarkLegendHtml();
