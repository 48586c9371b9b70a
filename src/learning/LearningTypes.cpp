#include "learning/LearningTypes.h"

#include "wordbook/WordBookFile.h"

QList<WordKey> WordKeysOfLines(const QStringList &bookLines)
{
    QList<WordKey> keys;
    keys.reserve(qMax(qsizetype(0), bookLines.size() - 3));
    for (qsizetype line = 3; line < bookLines.size(); ++line) {
        WordEntry word;
        if (ParseWordLine(bookLines[line], word))
            keys.append(WordKey{word.Foreign, word.Japanese});
        else
            keys.append(WordKey{});
    }
    return keys;
}
