#include "training/AnswerDiff.h"

#include "compose/ComposeTable.h"

#include <QStringList>

#include <cstdint>
#include <vector>

namespace {

/// The characters of text: single code units, and surrogate pairs kept whole.
QList<QStringView> Characters(QStringView text)
{
    QList<QStringView> characters;
    characters.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        characters.append(text.mid(i, length));
        i += length;
    }
    return characters;
}

class SegmentBuilder
{
public:
    /// A matched character; ends the run of unmatched ones before it.
    void AddSame(QStringView character)
    {
        FlushRun();
        Append(DiffKind::Same, character, character);
    }
    void AddTyped(QStringView character) { typedRun_.append(character); }
    void AddExpected(QStringView character) { expectedRun_.append(character); }

    QList<DiffSegment> Finish()
    {
        FlushRun();
        return std::move(segments_);
    }

private:
    /// The unmatched characters between two matches: typed and expected paired as Wrong as far
    /// as both go, the rest of the longer side Extra or Missing.
    void FlushRun()
    {
        const qsizetype paired = qMin(typedRun_.size(), expectedRun_.size());
        for (qsizetype i = 0; i < paired; ++i)
            Append(DiffKind::Wrong, typedRun_[i], expectedRun_[i]);
        for (qsizetype i = paired; i < typedRun_.size(); ++i)
            Append(DiffKind::Extra, typedRun_[i], {});
        for (qsizetype i = paired; i < expectedRun_.size(); ++i)
            Append(DiffKind::Missing, {}, expectedRun_[i]);
        typedRun_.clear();
        expectedRun_.clear();
    }
    void Append(DiffKind kind, QStringView typed, QStringView expected)
    {
        if (segments_.isEmpty() || segments_.last().kind != kind)
            segments_.append({kind, {}, {}});
        segments_.last().typed += typed;
        segments_.last().expected += expected;
    }

    QList<DiffSegment> segments_;
    QList<QStringView> typedRun_, expectedRun_;
};

QList<DiffSegment> AlignedSegments(QStringView typed, QStringView expected)
{
    const QList<QStringView> a = Characters(typed), b = Characters(expected);
    const qsizetype n = a.size(), m = b.size();
    // common[i][j]: the longest common subsequence of a[i..] and b[j..]. It is at most the
    // shorter length, which the cap on n * m keeps far below 65 536.
    const qsizetype width = m + 1;
    std::vector<std::uint16_t> common((n + 1) * width, 0);
    const auto at = [&](qsizetype i, qsizetype j) -> std::uint16_t & { return common[i * width + j]; };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = a[i] == b[j] ? at(i + 1, j + 1) + 1 : qMax(at(i + 1, j), at(i, j + 1));
    }
    SegmentBuilder builder;
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j]) {
            builder.AddSame(a[i]);
            ++i;
            ++j;
        } else if (i < n && j < m && at(i + 1, j + 1) == at(i, j)) {
            // Passing both loses no match: a character typed for another, kept side by side
            // rather than as a far apart extra and missing one.
            builder.AddTyped(a[i++]);
            builder.AddExpected(b[j++]);
        } else if (j == m || (i < n && at(i + 1, j) >= at(i, j + 1))) {
            builder.AddTyped(a[i++]);
        } else {
            builder.AddExpected(b[j++]);
        }
    }
    return builder.Finish();
}

QList<DiffSegment> Segments(QStringView typed, QStringView expected)
{
    if (typed == expected)
        return typed.isEmpty() ? QList<DiffSegment>{}
                               : QList<DiffSegment>{{DiffKind::Same, typed.toString(), typed.toString()}};
    if (typed.isEmpty())
        return {{DiffKind::Missing, {}, expected.toString()}};
    if (expected.isEmpty())
        return {{DiffKind::Extra, typed.toString(), {}}};
    if (typed.size() * expected.size() > MaxAlignedCells)
        return {{DiffKind::Wrong, typed.toString(), expected.toString()}};
    return AlignedSegments(typed, expected);
}

QList<AccentHint> Hints(const QList<DiffSegment> &segments)
{
    QList<AccentHint> hints;
    QStringList seen;
    for (const DiffSegment &segment : segments) {
        if (segment.kind != DiffKind::Wrong && segment.kind != DiffKind::Missing)
            continue;
        for (QStringView letter : Characters(segment.expected)) {
            const std::optional<TriggerPair> keys = TriggerKeysFor(letter);
            if (!keys || seen.contains(letter))
                continue;
            seen.append(letter.toString());
            hints.append({letter.toString(), keys->trigger, keys->followUp});
        }
    }
    return hints;
}

}  // namespace

QString AccentHint::Text() const
{
    return letter + QStringLiteral(" \uFF1D ") + trigger + u' ' + followUp;
}

QString AnswerDiff::HintsText() const
{
    QStringList texts;
    for (const AccentHint &hint : hints)
        texts.append(hint.Text());
    return texts.join(QChar(0x3000));
}

AnswerDiff DiffAnswer(QStringView typed, QStringView expected)
{
    AnswerDiff diff;
    diff.segments = Segments(typed, expected);
    diff.hints = Hints(diff.segments);
    return diff;
}
