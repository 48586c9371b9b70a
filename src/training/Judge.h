#pragma once

#include <QString>

/// Whether a typed answer is right: without the characters up to U+0020 at either end, not
/// empty, and equal to the expected answer code unit by code unit (case, accents, inner spaces
/// and punctuation count).
bool IsCorrectAnswer(QStringView answer, QStringView expected);
