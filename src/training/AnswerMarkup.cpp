#include "training/AnswerMarkup.h"

#include <algorithm>

namespace {

// A light background on every mark, so a marked space is seen too. A missing letter is a gap
// ("_"), not the letter itself: written in, the answer would read as if it had been right.
constexpr auto kWrongStyle = "color:#D00000; background-color:#FFE0E0; text-decoration:underline;";
constexpr auto kExtraStyle = "color:#B00000; background-color:#FFD8A8; text-decoration:line-through;";
constexpr auto kMissingStyle = "color:#0050D0; background-color:#D8E6FF; font-weight:bold;";
constexpr char16_t kGap = u'_';

/// One gap for each character (a surrogate pair is one) of text.
QString Gaps(const QString &text)
{
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++characters;
    }
    return QString(characters, QChar(kGap));
}

QString Marked(const char *style, const QString &text)
{
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(QLatin1String(style), text.toHtmlEscaped());
}

QString Wrapped(const QString &html)
{
    return QStringLiteral("<span style=\"white-space:pre-wrap;\">%1</span>").arg(html);
}

}  // namespace

QString MarkedAnswerHtml(const AnswerDiff &diff)
{
    const bool typed = std::any_of(diff.segments.cbegin(), diff.segments.cend(),
                                   [](const DiffSegment &segment) { return !segment.typed.isEmpty(); });
    if (!typed)
        return Wrapped(QString::fromUtf16(NotTypedText));
    QString html;
    for (const DiffSegment &segment : diff.segments) {
        switch (segment.kind) {
        case DiffKind::Same: html += segment.typed.toHtmlEscaped(); break;
        case DiffKind::Wrong: html += Marked(kWrongStyle, segment.typed); break;
        case DiffKind::Extra: html += Marked(kExtraStyle, segment.typed); break;
        case DiffKind::Missing: html += Marked(kMissingStyle, Gaps(segment.expected)); break;
        }
    }
    return Wrapped(html);
}

QString AnswerMarkLegendHtml()
{
    const QString sample = QStringLiteral("a");
    return QStringLiteral("%1 違う文字　%2 余分な文字　%3 抜けている文字")
        .arg(Marked(kWrongStyle, sample), Marked(kExtraStyle, sample), Marked(kMissingStyle, Gaps(sample)));
}
