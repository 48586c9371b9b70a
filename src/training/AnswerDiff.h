#pragma once

#include <QList>
#include <QString>

/// How a stretch of the typed answer relates to the expected answer.
enum class DiffKind {
    Same,     ///< typed as expected
    Wrong,    ///< typed characters in place of other expected ones
    Extra,    ///< typed, not expected
    Missing,  ///< expected, not typed
};

/// One stretch of the comparison: typed holds what was typed (empty for Missing), expected what
/// was expected (empty for Extra; equal to typed for Same).
struct DiffSegment {
    DiffKind kind = DiffKind::Same;
    QString typed;
    QString expected;
    bool operator==(const DiffSegment &) const = default;
};

/// The keys that type an accented letter the user missed: the letter, its trigger and the
/// follow-up key.
struct AccentHint {
    QString letter;
    QChar trigger;
    QChar followUp;
    bool operator==(const AccentHint &) const = default;
    /// "é ＝ ] e"
    QString Text() const;
};

/// The typed answer against the expected one: the segments in order and the accent hints.
struct AnswerDiff {
    QList<DiffSegment> segments;
    QList<AccentHint> hints;
    /// The hints' texts joined by an ideographic space.
    QString HintsText() const;
};

/// Beyond this product of the two lengths (in code units) the answers are not aligned: the
/// whole typed answer is one Wrong segment, so a pasted page cannot stall the quiz.
inline constexpr qsizetype MaxAlignedCells = 2000 * 2000;

/// Compares typed with expected character by character: a longest common subsequence over
/// UTF-16 code units, a surrogate pair kept whole, and each run of typed and expected
/// characters between two matches paired as Wrong as far as both go, the rest Extra or
/// Missing. The hints are those of the expected letters inside Wrong and Missing segments that
/// the trigger keys compose, once per letter, in order of appearance.
AnswerDiff DiffAnswer(QStringView typed, QStringView expected);
