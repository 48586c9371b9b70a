#pragma once

#include <QString>

#include <optional>

/// The kind of a word book. It decides what the second field of a word holds (a phonetic
/// transcription, a problem sentence or an instruction) and how the training asks.
enum class QuestionType {
    W,  ///< 単語理解: vocabulary, the second field is phonetic
    B,  ///< 空欄補充: fill in the blank, the second field is a foreign sentence
    C,  ///< 作文問題: composition, the second field is an instruction
};

/// The type of a stored type name; the two older names ("発　音", "問題文") are still read.
std::optional<QuestionType> QuestionTypeFromName(const QString &name);
/// The name a type is stored under.
QString QuestionTypeName(QuestionType type);
/// The letter the book list shows: "W", "B" or "C".
QString QuestionTypeLetter(QuestionType type);
