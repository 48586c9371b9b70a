#include "wordbook/FlashCardText.h"

#include "lib/ULib.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString kMarker = QStringLiteral("#$0D");

QString CardFieldText(const QString &stored, bool firstColumn)
{
    QString text = stored;
    text.replace(kMarker, QStringLiteral("\n"));
    const bool quote = text.contains(u'\t') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r') ||
                       (firstColumn && text.startsWith(u'#'));
    if (!quote)
        return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

std::optional<QChar> SeparatorByName(const QString &name)
{
    static const struct {
        QLatin1StringView word;
        char16_t separator;
    } separators[] = {{QLatin1StringView("tab"), u'\t'},      {QLatin1StringView("comma"), u','},
                      {QLatin1StringView("semicolon"), u';'}, {QLatin1StringView("pipe"), u'|'},
                      {QLatin1StringView("space"), u' '},     {QLatin1StringView("colon"), u':'}};
    const QString word = name.trimmed().toLower();
    for (const auto &known : separators) {
        // By its name, or the character itself (a tab or a space survives only untrimmed).
        if (word == known.word || word == QChar(known.separator) || name == QChar(known.separator))
            return QChar(known.separator);
    }
    return std::nullopt;
}

/// The separator of text without a "#separator:" line, from its first row.
QChar GuessSeparator(QStringView text)
{
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        const QStringView line = text.sliced(start, end - start);
        start = end + 1;
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.contains(u'\t'))
            return u'\t';
        if (line.contains(u';') && !line.contains(u','))
            return u';';
        return u',';
    }
    return u'\t';
}

/// A field of an HTML card as plain text.
QString FromHtml(QString field)
{
    static const QRegularExpression lineBreak(QStringLiteral("<br\\s*/?>|</div>\\s*<div>"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    field.replace(lineBreak, QStringLiteral("\n"));
    field.remove(tag);
    field.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    field.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    field.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    field.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    field.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return field;
}

/// Reads the rows of text, line by line and field by field.
class CardReader
{
public:
    CardReader(QStringView text, CardTable &table) : text_(text), table_(table) {}

    void Read()
    {
        while (at_ < text_.size()) {
            if (AtLineEnd()) {
                SkipLineEnd();
            } else if (text_[at_] == u'#') {
                HeaderLine();
            } else {
                Row();
            }
        }
    }

    bool html = false;

private:
    bool AtLineEnd() const { return text_[at_] == u'\n' || text_[at_] == u'\r'; }
    /// Steps over one line break (CR LF, LF or CR).
    void SkipLineEnd()
    {
        if (text_[at_] == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n')
            ++at_;
        ++at_;
        ++line_;
    }
    QStringView RestOfLine()
    {
        const qsizetype start = at_;
        while (at_ < text_.size() && !AtLineEnd())
            ++at_;
        return text_.sliced(start, at_ - start);
    }

    void HeaderLine()
    {
        const int headerLine = line_;
        const QStringView header = RestOfLine();
        const qsizetype colon = header.indexOf(u':');
        // A header is "#name:value" above the rows, a comment a line without a separator; a line
        // with separators is a spreadsheet row whose first cell begins with "#": it is told, not
        // lost quietly.
        static const QRegularExpression headerName(QStringLiteral("^#[A-Za-z][A-Za-z ]*$"));
        const bool isHeader = colon > 0 && table_.rows.isEmpty() && headerName.match(header.first(colon)).hasMatch();
        if (!isHeader && header.contains(table_.separator))
            table_.problems.append(
                {headerLine, QStringLiteral("「#」で始まる行はコメントとみなして、取り込みませんでした。")});
        if (isHeader) {
            const QString key = header.sliced(1, colon - 1).trimmed().toString().toLower();
            const QString value = header.sliced(colon + 1).toString();
            if (key == u"html") {
                html = value.trimmed().toLower() == u"true";
            } else if (key == u"columns") {
                table_.columnNames = value.split(table_.separator);
                for (QString &name : table_.columnNames)
                    name = name.trimmed();
            }
        }
        if (at_ < text_.size())
            SkipLineEnd();
    }

    void Row()
    {
        const int rowLine = line_;
        QStringList fields;
        for (;;) {
            QString field;
            if (text_[at_] == u'"') {
                if (!QuotedField(field)) {
                    table_.problems.append({rowLine, QStringLiteral("引用符（\"）が閉じられていません。")});
                    return;  // the rest of the text lies inside the open field
                }
                if (at_ < text_.size() && text_[at_] != table_.separator && !AtLineEnd()) {
                    table_.problems.append({rowLine, QStringLiteral("閉じた引用符（\"）の後に文字があります。")});
                    RestOfLine();
                    if (at_ < text_.size())
                        SkipLineEnd();
                    return;
                }
            } else {
                const qsizetype start = at_;
                while (at_ < text_.size() && text_[at_] != table_.separator && !AtLineEnd())
                    ++at_;
                field = text_.sliced(start, at_ - start).toString();
            }
            fields.append(html ? FromHtml(field) : field);
            if (at_ < text_.size() && text_[at_] == table_.separator) {
                ++at_;
                continue;
            }
            break;
        }
        if (at_ < text_.size())
            SkipLineEnd();
        table_.rows.append(fields);
        table_.rowLines.append(rowLine);
    }

    /// Reads a quoted field from its opening quote; false when the text ends inside it.
    bool QuotedField(QString &field)
    {
        ++at_;
        while (at_ < text_.size()) {
            const QChar c = text_[at_];
            if (c == u'"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == u'"') {
                    field += u'"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                return true;
            }
            if (c == u'\n' || (c == u'\r' && !(at_ + 1 < text_.size() && text_[at_ + 1] == u'\n')))
                ++line_;
            field += c;
            ++at_;
        }
        return false;
    }

    QStringView text_;
    CardTable &table_;
    qsizetype at_ = 0;
    int line_ = 1;
};

/// Line breaks of any kind inside a field as the word book's markers.
QString StoredField(QString field)
{
    field.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    field.replace(u'\r', u'\n');
    field.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ULib::BreaksToMarkers(field);
}

}  // namespace

QByteArray FlashCardTsv(const WordEntries &entries, const QStringList &columnNames, QString deck)
{
    deck.replace(QRegularExpression(QStringLiteral("[\t\r\n]")), QStringLiteral(" "));
    QString text = QStringLiteral("#separator:tab\n#html:false\n#deck:") + deck + QStringLiteral("\n#columns:") +
                   columnNames.join(u'\t') + u'\n';
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const WordEntry word = entries.at(i);
        const QString *fields[] = {&word.Foreign, &word.Phonetic, &word.Kana, &word.Japanese, &word.Notes};
        for (int field = 0; field < CardFieldCount; ++field) {
            if (field > 0)
                text += u'\t';
            text += CardFieldText(*fields[field], field == 0);
        }
        text += u'\n';
    }
    return text.toUtf8();
}

int CardTable::ColumnCount() const
{
    int count = 0;
    for (const QStringList &row : rows)
        count = std::max(count, int(row.size()));
    return count;
}

int CardTable::UsualColumnCount() const
{
    QHash<int, int> rowsOfWidth;
    int usual = 0;
    for (const QStringList &row : rows) {
        const int width = int(row.size());
        const int count = ++rowsOfWidth[width];
        if (count > rowsOfWidth.value(usual) || (count == rowsOfWidth.value(usual) && width > usual))
            usual = width;
    }
    return usual;
}

bool FirstRowNamesColumns(const CardTable &table, const QStringList &fieldNames)
{
    if (!table.columnNames.isEmpty() || table.rows.isEmpty())
        return false;
    int named = 0;
    for (const QString &cell : table.rows.constFirst())
        named += fieldNames.contains(cell.trimmed()) ? 1 : 0;
    return named >= 2;
}

std::optional<CardTable> ReadCardText(const QByteArray &bytes)
{
    // UTF-16 with its mark is what spreadsheets save as "Unicode text"; anything else is UTF-8.
    const QStringConverter::Encoding encoding =
        QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    // A lone surrogate in UTF-16 is no text either: it could not be written back as UTF-8.
    if (decoder.hasError() || !QStringView(text).isValidUtf16())
        return std::nullopt;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    CardTable table;
    table.separator = GuessSeparator(text);
    // A "#separator:" line, when the file has one, decides before the rows are read.
    static const QRegularExpression separatorLine(QStringLiteral("^#separator:(.*)$"),
                                                  QRegularExpression::MultilineOption |
                                                      QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch named = separatorLine.match(text);
    if (named.hasMatch()) {
        if (const std::optional<QChar> separator = SeparatorByName(named.captured(1).remove(u'\r')))
            table.separator = *separator;
    }
    CardReader(text, table).Read();
    return table;
}

CardColumns GuessCardColumns(const CardTable &table, const QStringList &fieldNames)
{
    CardColumns columns;
    columns.fill(-1);
    bool named = false;
    QStringList names = table.columnNames;
    if (FirstRowNamesColumns(table, fieldNames)) {
        names = table.rows.constFirst();
        for (QString &name : names)
            name = name.trimmed();
    }
    for (int field = 0; field < CardFieldCount && field < fieldNames.size(); ++field) {
        const qsizetype column = names.indexOf(fieldNames.at(field));
        if (column >= 0) {
            columns[std::size_t(field)] = int(column);
            named = true;
        }
    }
    if (named)
        return columns;
    // By the width most rows have: a stray extra cell in one row must not move the meaning.
    const int count = table.columnNames.isEmpty() ? table.UsualColumnCount() : int(table.columnNames.size());
    using F = CardField;
    static const std::array<std::initializer_list<F>, 6> byCount = {{
        {},
        {F::Foreign},
        {F::Foreign, F::Japanese},
        {F::Foreign, F::Japanese, F::Notes},
        {F::Foreign, F::Phonetic, F::Japanese, F::Notes},
        {F::Foreign, F::Phonetic, F::Kana, F::Japanese, F::Notes},
    }};
    int column = 0;
    for (F field : byCount[std::size_t(std::min(count, 5))])
        columns[std::size_t(field)] = column++;
    return columns;
}

CardWords CardRowsToWords(const CardTable &table, const CardColumns &columns, const QString &foreignName)
{
    CardWords words;
    for (qsizetype row = 0; row < table.rows.size(); ++row) {
        const QStringList &fields = table.rows.at(row);
        auto take = [&](CardField field) {
            const int column = columns[std::size_t(field)];
            return column >= 0 && column < fields.size() ? StoredField(fields.at(column)) : QString();
        };
        WordEntry word{take(CardField::Foreign),  take(CardField::Phonetic), take(CardField::Kana),
                       take(CardField::Japanese), take(CardField::Notes),    {}};
        QStringList missing;
        if (word.Foreign.trimmed().isEmpty())
            missing << foreignName;
        if (word.Japanese.trimmed().isEmpty())
            missing << QStringLiteral("日本語");
        if (!missing.isEmpty()) {
            words.problems.append({table.rowLines.at(row), missing.join(u'と') + QStringLiteral("が空です。")});
            continue;
        }
        words.entries.append(word);
    }
    return words;
}
