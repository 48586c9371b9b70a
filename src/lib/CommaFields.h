#pragma once

#include <QString>
#include <QStringView>

namespace ULib {

/// U+0000 to U+0020: the blanks that separate comma-text fields like commas.
inline bool IsCommaTextBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

/// Walks the fields of one line of comma text, the grammar of the parameter file, the symbol
/// sets and the word books: blanks before a field are skipped; a field is either quoted (it
/// runs to the next lone quote, holds blanks and commas, and two quotes stand for one; an
/// unclosed quote runs to the end of the line) or unquoted (it runs to the next comma or
/// blank); blanks around a comma are skipped; an empty field between two commas counts, and a
/// comma that ends the line adds one empty field.
///
/// Each field goes to sink(QStringView field, bool quoted, bool doubled) as a view of its raw
/// characters (doubled: it holds doubled quotes, see CommaFieldText), until sink returns false.
template <typename Sink> void ForEachCommaField(QStringView line, Sink &&sink)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && IsCommaTextBlank(line[i]))
        ++i;
    while (i < n) {
        QStringView field;
        bool quoted = false, doubled = false;
        if (line[i] == u'"') {
            quoted = true;
            const qsizetype start = ++i;
            while (i < n) {
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        doubled = true;
                        i += 2;
                        continue;
                    }
                    break;
                }
                ++i;
            }
            field = line.mid(start, i - start);
            if (i < n)
                ++i;  // the closing quote
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',' && !IsCommaTextBlank(line[i]))
                ++i;
            field = line.mid(start, i - start);
        }
        if (!sink(field, quoted, doubled))
            return;
        while (i < n && IsCommaTextBlank(line[i]))
            ++i;
        if (i < n && line[i] == u',') {
            if (i == n - 1) {
                sink(QStringView(), false, false);
                return;
            }
            ++i;
            while (i < n && IsCommaTextBlank(line[i]))
                ++i;
        }
    }
}

/// A field's text as ForEachCommaField hands it over: doubled quotes made single.
inline QString CommaFieldText(QStringView field, bool doubled)
{
    QString text = field.toString();
    if (doubled)
        text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return text;
}

}  // namespace ULib
