#include "wordbook/BookSets.h"

#include "wordbook/WordBookFile.h"

#include <QFileInfo>

namespace {

struct GrammarBook {
    const char *title;
    const char *group;
};

constexpr GrammarBook kGrammarBooks[28] = {
    {"文の種類", "00基本"}, {"動詞", "01動詞"},       {"基本時制", "02時制"}, {"完了時制", "02時制"},
    {"進行形", "02時制"},   {"受動態", "03態"},       {"助動詞", "04助動詞"}, {"名詞", "05名詞"},
    {"代名詞", "06代名詞"}, {"形容詞", "07形容詞"},   {"冠詞", "08冠詞"},     {"副詞", "09副詞"},
    {"比較級", "10比較"},   {"最上級", "10比較"},     {"前置詞", "11前置詞"}, {"接続詞", "12接続詞"},
    {"不定詞", "13不定詞"}, {"分詞の用法", "14分詞"}, {"分詞構文", "14分詞"}, {"動名詞", "15動名詞"},
    {"関係詞", "16関係詞"}, {"仮定法", "17仮定法"},   {"話法", "18話法"},     {"句と節", "19句と節"},
    {"一致", "20一致"},     {"否定文", "21否定"},     {"特殊構文", "22特殊"}, {"文の転換", "23転換"},
};

bool Exists(const QString &folder, const QString &fileName)
{
    return QFileInfo::exists(folder + u'/' + fileName);
}

}  // namespace

bool CreateGrammarSet(const QString &folder, const QString &letter, FileError *error)
{
    for (const GrammarBook &book : kGrammarBooks) {
        const QString title = QString::fromUtf8(book.title);
        QString fileName = letter + title + WordBookExtension;
        for (int n = 1; Exists(folder, fileName); ++n)
            fileName = letter + title + QStringLiteral("(%1)").arg(n) + WordBookExtension;
        if (!CreateWordBookFile(folder + u'/' + fileName, title, QString::fromUtf8(book.group),
                                QStringLiteral("作文問題"), error))
            return false;
    }
    return true;
}

bool CreateDictionarySet(const QString &folder, const QString &letter, FileError *error)
{
    static const QString kana =
        QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわを");
    for (int i = 0; i <= 45; ++i) {
        const QString suffix = i == 0 ? QStringLiteral("（Alpha）") : u'（' + QString(kana[i - 1]) + u'）';
        const QString title = QStringLiteral("辞書") + suffix;
        QString fileName = letter + title + WordBookExtension;
        QString group = QStringLiteral("辞書");
        for (int n = 1; Exists(folder, fileName); ++n) {
            fileName = letter + QString::number(n) + title + WordBookExtension;
            group = QStringLiteral("辞書") + QString::number(n);
        }
        if (!CreateWordBookFile(folder + u'/' + fileName, title, group, QStringLiteral("単語理解"), error))
            return false;
    }
    return true;
}
