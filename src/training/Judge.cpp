#include "training/Judge.h"

#include "lib/ULib.h"

bool IsCorrectAnswer(QStringView answer, QStringView expected)
{
    const QString trimmed = ULib::TrimBlanks(answer);
    return !trimmed.isEmpty() && trimmed == expected;
}
