#include "wordbook/WordBookFile.h"

#include "lib/ULib.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

bool IsBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

/// Walks the fields of one word line (see SplitWordLine), handing each to sink until sink
/// returns false. U+0000 counts as a blank too, so that a stray NUL cannot stop the walk.
template <typename Sink> void ForEachField(QStringView line, Sink &&sink)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (i < n && IsBlank(line[i]))
        ++i;
    while (i < n) {
        QString field;
        if (line[i] == u'"') {
            const qsizetype start = ++i;
            bool doubled = false;
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
            field = line.mid(start, i - start).toString();
            if (doubled)
                field.replace(QStringLiteral("\"\""), QStringLiteral("\""));
            if (i < n)
                ++i;  // the closing quote
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',' && !IsBlank(line[i]))
                ++i;
            field = line.mid(start, i - start).toString();
        }
        if (!sink(std::move(field)))
            return;
        while (i < n && IsBlank(line[i]))
            ++i;
        if (i < n && line[i] == u',') {
            if (i == n - 1) {
                sink(QString());
                return;
            }
            ++i;
            while (i < n && IsBlank(line[i]))
                ++i;
        }
    }
}

/// Calls lineSink for every line of text: lines end at CR LF, a lone CR or a lone LF; a break
/// at the very end makes no empty last line. lineSink returns false to stop.
template <typename Sink> void ForEachLine(QStringView text, Sink &&lineSink)
{
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        if (!lineSink(text.mid(start, i - start)))
            return;
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lineSink(text.mid(start));
}

/// An entry from a word line of exactly 6 or 7 fields; false for any other line.
bool ParseEntry(QStringView line, WordEntry &entry)
{
    std::array<QString, 8> fields;
    int count = 0;
    ForEachField(line, [&](QString field) {
        fields[count++] = std::move(field);
        return count < 8;  // eight or more: no word line
    });
    if (count != 6 && count != 7)
        return false;
    QString *targets[6] = {&entry.Foreign, &entry.Phonetic, &entry.Kana, &entry.Japanese, &entry.Notes, &entry.Reserve};
    for (int f = 0; f < 6; ++f) {
        *targets[f] = fields[f].contains(u'#') ? ULib::UnescapeQuotes(fields[f]) : std::move(fields[f]);
    }
    return true;
}

void AppendUtf16Le(QByteArray &out, QStringView text)
{
    // QString holds UTF-16 in the machine's order; the file is little-endian.
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        out.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    } else {
        for (QChar c : text) {
            out.append(char(c.unicode() & 0xFF));
            out.append(char(c.unicode() >> 8));
        }
    }
}

}  // namespace

QStringList SplitWordLine(QStringView line)
{
    QStringList fields;
    ForEachField(line, [&](QString field) {
        fields << std::move(field);
        return true;
    });
    return fields;
}

QString DecodeWordBookBytes(const QByteArray &bytes)
{
    const qsizetype skip = bytes.startsWith("\xFF\xFE") ? 2 : 0;
    const qsizetype units = (bytes.size() - skip) / 2;
    QString text(units, Qt::Uninitialized);
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData() + skip);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < units; ++i)
        out[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

WordBookReadResult ReadWordBook(QIODevice &device, WordBook &book)
{
    const QString text = DecodeWordBookBytes(device.readAll());
    WordBook read;
    int lineNumber = 0;
    ForEachLine(text, [&](QStringView line) {
        ++lineNumber;
        if (lineNumber == 1)
            read.Title = line.toString();
        else if (lineNumber == 2)
            read.Group = line.toString();
        else if (lineNumber == 3)
            read.TypeName = CurrentTypeName(line.toString());
        else if (WordEntry entry; ParseEntry(line, entry))
            read.Entries.append(std::move(entry));
        return true;
    });
    read.Folder = book.Folder;
    read.FileName = book.FileName;
    if (lineNumber < 3) {
        book.Clear();
        return {WordBookStatus::TooFewLines, {}};
    }
    book = std::move(read);
    return {};
}

WordBookReadResult ReadWordBook(const QString &folder, const QString &fileName, WordBook &book)
{
    const QString path = folder + u'/' + fileName;
    QFile file(path);
    if (!file.exists())
        return {WordBookStatus::Missing, {}};
    book.Clear();
    const QString shown = QDir::toNativeSeparators(path);
    if (file.size() > MaxWordBookBytes)
        return {WordBookStatus::TooLarge,
                QStringLiteral("ファイル %1 は単語帳としては大きすぎるため、開きません。（%2 MB まで）")
                    .arg(shown)
                    .arg(MaxWordBookBytes >> 20)};
    if (!file.open(QIODevice::ReadOnly))
        return {WordBookStatus::Unreadable, CannotOpenMessage(shown, file.errorString())};
    const WordBookReadResult result = ReadWordBook(file, book);
    if (result.status == WordBookStatus::Read) {
        book.Folder = folder;
        book.FileName = fileName;
    }
    return result;
}

QByteArray WordBookBytes(const WordBook &book)
{
    QByteArray out;
    qsizetype estimate = 16 + book.Title.size() + book.Group.size() + book.TypeName.size();
    for (const WordEntry &entry : book.Entries)
        estimate += 20 + entry.Foreign.size() + entry.Phonetic.size() + entry.Kana.size() + entry.Japanese.size() +
                    entry.Notes.size() + entry.Reserve.size();
    out.reserve(estimate * 2);
    out.append("\xFF\xFE", 2);
    static const QString crLf = QStringLiteral("\r\n");
    static const QString between = QStringLiteral("\",\"");
    static const QString quote = QStringLiteral("\"");
    for (const QString *header : {&book.Title, &book.Group, &book.TypeName}) {
        AppendUtf16Le(out, *header);
        AppendUtf16Le(out, crLf);
    }
    const auto field = [&out](const QString &text) {
        if (text.contains(u'"'))
            AppendUtf16Le(out, ULib::EscapeQuotes(text));
        else
            AppendUtf16Le(out, text);
    };
    for (const WordEntry &entry : book.Entries) {
        AppendUtf16Le(out, quote);
        field(entry.Foreign);
        AppendUtf16Le(out, between);
        field(entry.Phonetic);
        AppendUtf16Le(out, between);
        field(entry.Kana);
        AppendUtf16Le(out, between);
        field(entry.Japanese);
        AppendUtf16Le(out, between);
        field(entry.Notes);
        AppendUtf16Le(out, between);
        field(entry.Reserve);
        AppendUtf16Le(out, quote);
        AppendUtf16Le(out, crLf);
    }
    return out;
}

bool WriteWordBook(WordBook &book, QString *error)
{
    if (book.FileName.isEmpty())
        return true;
    book.TypeName = CurrentTypeName(book.TypeName);
    QString reason;
    if (ULib::SaveBytesAtomically(book.Path(), WordBookBytes(book), &reason))
        return true;
    if (error)
        *error = CannotCreateMessage(QDir::toNativeSeparators(book.Path()), reason);
    return false;
}

bool CreateWordBookFile(const QString &path, const QString &title, const QString &group, const QString &typeName,
                        QString *error)
{
    WordBook book;
    book.Title = title;
    book.Group = group;
    book.TypeName = typeName;
    QString reason;
    if (ULib::SaveBytesAtomically(path, WordBookBytes(book), &reason))
        return true;
    if (error)
        *error = CannotCreateMessage(QDir::toNativeSeparators(path), reason);
    return false;
}

WordBookHeader ReadWordBookHeader(const QString &path)
{
    WordBookHeader header;
    QFile file(path);
    if (file.size() > MaxWordBookBytes || !file.open(QIODevice::ReadOnly))
        return header;
    const QByteArray bytes = file.readAll();
    const qsizetype skip = bytes.startsWith("\xFF\xFE") ? 2 : 0;
    const qsizetype units = (bytes.size() - skip) / 2;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData() + skip);
    // Count the lines over the raw code units; decode only the three header lines.
    qsizetype lines = 0;
    qsizetype start = 0;
    std::array<qsizetype, 4> headerEnds{};  // start and end of lines 1..3
    std::array<qsizetype, 4> headerStarts{};
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t c = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
        if (c != u'\r' && c != u'\n')
            continue;
        if (lines < 3) {
            headerStarts[lines] = start;
            headerEnds[lines] = i;
        }
        ++lines;
        if (c == u'\r' && i + 1 < units && data[2 * (i + 1)] == '\n' && data[2 * (i + 1) + 1] == 0)
            ++i;
        start = i + 1;
    }
    if (start < units) {
        if (lines < 3) {
            headerStarts[lines] = start;
            headerEnds[lines] = units;
        }
        ++lines;
    }
    header.lineCount = lines;
    const auto decode = [&](int line) {
        const QByteArray part = bytes.mid(skip + 2 * headerStarts[line], 2 * (headerEnds[line] - headerStarts[line]));
        return DecodeWordBookBytes(part);
    };
    if (lines >= 3) {
        header.title = decode(0);
        header.group = decode(1);
        header.typeName = decode(2);
    }
    return header;
}

QString CannotOpenMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル %1 は開けません。 %2 ").arg(path, reason);
}

QString CannotCreateMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(path, reason);
}
