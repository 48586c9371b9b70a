#include "wordbook/QuestionType.h"

#include "wordbook/WordBook.h"

std::optional<QuestionType> QuestionTypeFromName(const QString &name)
{
    if (name == u"単語理解" || name == u"発　音")
        return QuestionType::W;
    if (name == u"空欄補充" || name == u"問題文")
        return QuestionType::B;
    if (name == u"作文問題")
        return QuestionType::C;
    return std::nullopt;
}

QString QuestionTypeName(QuestionType type)
{
    switch (type) {
    case QuestionType::W: return QStringLiteral("単語理解");
    case QuestionType::B: return QStringLiteral("空欄補充");
    case QuestionType::C: return QStringLiteral("作文問題");
    }
    return {};
}

QString QuestionTypeLetter(QuestionType type)
{
    switch (type) {
    case QuestionType::W: return QStringLiteral("W");
    case QuestionType::B: return QStringLiteral("B");
    case QuestionType::C: return QStringLiteral("C");
    }
    return {};
}

QString CurrentTypeName(const QString &typeName)
{
    if (typeName == u"発　音")
        return QStringLiteral("単語理解");
    if (typeName == u"問題文")
        return QStringLiteral("空欄補充");
    return typeName;
}
