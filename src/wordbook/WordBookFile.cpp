#include "wordbook/WordBookFile.h"

#include "lib/CommaFields.h"
#include "lib/ULib.h"
#include "wordbook/TextScan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

/// The number of fields of a word line, counting to 8 at most, and whether the line is
/// written exactly as the writer writes it: six quoted fields without a quote inside, joined
/// by single commas.
int CountFields(QStringView line, bool *canonical)
{
    // The written form: each field a quote after the last one's "," (the first at the line's
    // start), closed by its own quote, with no quote inside; the sixth ends the line.
    int count = 0;
    bool written = true;
    qsizetype expectedStart = 1;
    ULib::ForEachCommaField(line, [&](QStringView field, bool quoted, bool doubled) {
        ++count;
        written = written && quoted && !doubled && field.data() - line.data() == expectedStart && !field.contains(u'"');
        if (written) {
            const qsizetype end = expectedStart + field.size();
            written = line.mid(end, 3) == (count < 6 ? QStringView(u"\",\"") : QStringView(u"\""));
            expectedStart = end + 3;
        }
        return count < 8;
    });
    *canonical = count == 6 && written && line.size() == expectedStart - 2;
    return count;
}

/// What the quick test of the written form counts over a line's inner units.
struct InnerCounts {
    int quotes = 0;
    int separators = 0;     ///< "," sequences of three inner units
    bool squeezed = false;  ///< a quote with commas on both sides: two separators share it
};

/// The quick test's inner units from j on, eight at a time, as far as whole blocks reach below
/// limit (their neighbours one and two units away are read too). Returns the first unit it did
/// not look at.
using CountBlocks = qsizetype (*)(const char16_t *data, qsizetype j, qsizetype limit, InnerCounts &counts);
#if defined(__SSE2__)
qsizetype CountBlocksSse2(const char16_t *data, qsizetype j, qsizetype limit, InnerCounts &counts)
{
    const __m128i quote = _mm_set1_epi16(u'"'), comma = _mm_set1_epi16(u',');
    const auto load = [data](qsizetype at) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at)); };
    __m128i quotes = _mm_setzero_si128(), separators = _mm_setzero_si128(), squeezed = _mm_setzero_si128();
    for (; j + 8 <= limit; j += 8) {
        const __m128i q = _mm_cmpeq_epi16(load(j), quote);
        const __m128i commaAfter = _mm_cmpeq_epi16(load(j + 1), comma);
        quotes = _mm_sub_epi16(quotes, q);  // a match is -1
        separators =
            _mm_sub_epi16(separators, _mm_and_si128(q, _mm_and_si128(commaAfter, _mm_cmpeq_epi16(load(j + 2), quote))));
        squeezed =
            _mm_or_si128(squeezed, _mm_and_si128(q, _mm_and_si128(commaAfter, _mm_cmpeq_epi16(load(j - 1), comma))));
    }
    const auto total = [](__m128i lanes) {
        __m128i sum = _mm_madd_epi16(lanes, _mm_set1_epi16(1));
        sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, _MM_SHUFFLE(1, 0, 3, 2)));
        sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, _MM_SHUFFLE(2, 3, 0, 1)));
        return _mm_cvtsi128_si32(sum);
    };
    counts.quotes += total(quotes);
    counts.separators += total(separators);
    counts.squeezed = counts.squeezed || _mm_movemask_epi8(squeezed) != 0;
    return j;
}

#endif

/// The block steps of this processor: SSE2 where the compiler targets it, else none.
#if defined(__SSE2__)
constexpr CountBlocks kCountBlocks = CountBlocksSse2;
#else
qsizetype CountBlocksPlain(const char16_t *, qsizetype j, qsizetype, InnerCounts &)
{
    return j;
}
constexpr CountBlocks kCountBlocks = CountBlocksPlain;
#endif

/// Whether a line is written exactly as the writer writes a word: "a","b","c","d","e","f"
/// with no quote inside a field. It is when it has a quote at each end and between them ten
/// quotes that make up five "," separators sharing no quote: then no quote is left for the
/// inside of a field. (Five separators use ten different quotes unless two share one, and
/// a shared quote has commas on both sides.) A line that fails this test is counted exactly.
bool IsCanonical(QStringView text, qsizetype start, qsizetype length)
{
    const char16_t *data = text.utf16();
    const qsizetype end = start + length;
    if (start < 1 || length < 17 || data[start] != u'"' || data[end - 1] != u'"')
        return false;
    // Inner units: start + 1 .. end - 2. A separator begins at an inner quote and ends at an
    // inner one, so it begins at end - 4 at the latest; blocks stop where their loads would
    // pass end - 2.
    InnerCounts counts;
    qsizetype j = kCountBlocks(data, start + 1, end - 3, counts);
    for (; j <= end - 2; ++j) {
        if (data[j] != u'"')
            continue;
        ++counts.quotes;
        const bool commaAfter = data[j + 1] == u',';
        counts.separators += j <= end - 4 && commaAfter && data[j + 2] == u'"';
        counts.squeezed = counts.squeezed || (commaAfter && data[j - 1] == u',');
    }
    return counts.quotes == 10 && counts.separators == 5 && !counts.squeezed;
}

/// Splits text into lines (at CR LF, a lone CR or a lone LF; a break at the very end makes no
/// empty last line), finding the breaks a block at a time.
template <typename Sink> void ScanLines(QStringView text, Sink &&sink)
{
    const char16_t *data = text.utf16();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = TextScan::FindBreak(data, 0, n); i < n; i = TextScan::FindBreak(data, start, n)) {
        sink(start, i - start);
        if (data[i] == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        sink(start, n - start);
}

/// Notes the size and time of the book's file as it is now.
void NoteFileStamp(WordBook &book)
{
    const QFileInfo info(book.Path());
    book.FileSize = info.size();
    book.FileModified = info.lastModified();
}

/// units UTF-16 LE code units as text, whatever they begin with.
QString Utf16LeText(const uchar *data, qsizetype units)
{
    QString text(units, Qt::Uninitialized);
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        std::memcpy(text.data(), data, std::size_t(units) * 2);
    } else {
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        for (qsizetype i = 0; i < units; ++i)
            out[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return text;
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

/// The device's text as DecodeWordBookBytes decodes it. A file is read straight into the
/// string's buffer: no copy of its bytes is made.
QString ReadWordBookText(QIODevice &device)
{
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian || device.isSequential())
        return DecodeWordBookBytes(device.readAll());
    const qint64 skip = device.peek(2) == QByteArray("\xFF\xFE", 2) ? 2 : 0;
    device.skip(skip);
    const qint64 units = (device.size() - device.pos()) / 2;
    QString text(qsizetype(units), Qt::Uninitialized);
    const qint64 read = device.read(reinterpret_cast<char *>(text.data()), units * 2);
    text.truncate(qsizetype(qMax<qint64>(0, read) / 2));
    return text;
}

}  // namespace

QStringList SplitBookLines(QStringView text)
{
    QStringList lines;
    ScanLines(text, [&](qsizetype start, qsizetype length) { lines << text.sliced(start, length).toString(); });
    return lines;
}

QStringList SplitWordLine(QStringView line)
{
    return ULib::SplitCommaText(line);
}

bool ParseWordLine(QStringView line, WordEntry &entry)
{
    std::array<QString, 8> fields;
    int count = 0;
    ULib::ForEachCommaField(line, [&](QStringView field, bool, bool doubled) {
        fields[std::size_t(count++)] = ULib::CommaFieldText(field, doubled);
        return count < 8;  // eight or more: no word line
    });
    if (count != 6 && count != 7)
        return false;
    QString *targets[6] = {&entry.Foreign, &entry.Phonetic, &entry.Kana, &entry.Japanese, &entry.Notes, &entry.Reserve};
    for (std::size_t f = 0; f < 6; ++f)
        *targets[f] = fields[f].contains(u'#') ? ULib::UnescapeQuotes(fields[f]) : std::move(fields[f]);
    return true;
}

QString WordLineField(QStringView line, int field)
{
    QString text;
    int index = 0;
    ULib::ForEachCommaField(line, [&](QStringView value, bool, bool doubled) {
        if (index++ != field)
            return true;
        text = ULib::CommaFieldText(value, doubled);
        return false;
    });
    return text.contains(u'#') ? ULib::UnescapeQuotes(text) : text;
}

std::optional<StoredField> StoredWordLineField(QStringView line, int field)
{
    StoredField found;
    int index = 0;
    ULib::ForEachCommaField(line, [&](QStringView value, bool, bool doubled) {
        if (index == field)
            found = {value, doubled};
        return ++index < 6;
    });
    if (index < 6)
        return std::nullopt;
    return found;
}

QString DecodeWordBookBytes(const QByteArray &bytes)
{
    const qsizetype skip = bytes.startsWith("\xFF\xFE") ? 2 : 0;
    return Utf16LeText(reinterpret_cast<const uchar *>(bytes.constData() + skip), (bytes.size() - skip) / 2);
}

WordBookReadResult ReadWordBook(QIODevice &device, WordBook &book)
{
    // The words stay as lines of the decoded text; here they are only told apart from lines
    // that are no word (not 6 or 7 fields).
    WordBook read;
    read.Entries = WordEntries::FromText(ReadWordBookText(device));
    WordEntries &entries = read.Entries;
    const QStringView text = entries.Text();
    entries.Reserve(text.size() / 64);
    int lineNumber = 0;
    qsizetype unreadLines = 0;
    ScanLines(text, [&](qsizetype start, qsizetype length) {
        const QStringView line = text.mid(start, length);
        ++lineNumber;
        if (lineNumber == 1) {
            read.Title = line.toString();
        } else if (lineNumber == 2) {
            read.Group = line.toString();
        } else if (lineNumber == 3) {
            read.TypeName = CurrentTypeName(line.toString());
        } else if (IsCanonical(text, start, length)) {
            entries.AppendLine({start, length, true});
        } else {
            bool canonical = false;
            const int fields = CountFields(line, &canonical);
            if (fields == 6 || fields == 7) {
                entries.AppendLine({start, length, canonical});
            } else {
                // Not a word (hand-edited, or from another program): kept as it stands.
                entries.KeepLine(start, length);
                if (!ULib::TrimBlanks(line.toString()).isEmpty())
                    ++unreadLines;
            }
        }
    });
    read.Folder = book.Folder;
    read.FileName = book.FileName;
    if (lineNumber < 3) {
        book.Clear();
        return {WordBookStatus::TooFewLines, {}};
    }
    book = std::move(read);
    return {WordBookStatus::Read, {}, unreadLines};
}

WordBookReadResult ReadWordBook(const QString &folderName, const QString &name, WordBook &book)
{
    // Copies: the caller may pass the book's own Folder and FileName, which Clear() empties.
    const QString folder = folderName;
    const QString fileName = name;
    const QString path = folder + u'/' + fileName;
    const QFileInfo info(path);
    if (!info.exists())
        return {WordBookStatus::Missing, {}};
    book.Clear();
    // Only a regular file is a book: opening a named pipe would wait for a writer, and a
    // device has no end.
    if (!info.isFile())
        return {WordBookStatus::Unreadable,
                FileError::Because(FileError::Code::Unreadable, path, FileError::Reason::NotRegularFile)};
    QFile file(path);
    if (file.size() > MaxWordBookBytes) {
        FileError tooLarge = FileError::Because(FileError::Code::TooLarge, path, FileError::Reason::Other);
        tooLarge.limit = MaxWordBookBytes;
        return {WordBookStatus::TooLarge, tooLarge};
    }
    if (!file.open(QIODevice::ReadOnly))
        return {WordBookStatus::Unreadable,
                FileError::FromSystem(FileError::Code::Unreadable, path, file.errorString())};
    const WordBookReadResult result = ReadWordBook(file, book);
    if (result.status == WordBookStatus::Read) {
        book.Folder = folder;
        book.FileName = fileName;
        NoteFileStamp(book);
    }
    return result;
}

QByteArray WordBookBytes(const WordBook &book)
{
    QByteArray out;
    qsizetype estimate = 16 + book.Title.size() + book.Group.size() + book.TypeName.size();
    estimate += book.Entries.size() * 64;
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
    const auto keptLine = [&out](QStringView line) {
        AppendUtf16Le(out, line);
        AppendUtf16Le(out, crLf);
    };
    qsizetype kept = 0;
    for (qsizetype i = 0; i < book.Entries.size(); ++i) {
        book.Entries.ForEachKeptLineBefore(i, kept, keptLine);
        // A word still in its file's form is written as it was read.
        if (const QStringView line = book.Entries.CanonicalLine(i); !line.isNull()) {
            AppendUtf16Le(out, line);
            AppendUtf16Le(out, crLf);
            continue;
        }
        const WordEntry entry = book.Entries.at(i);
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
    book.Entries.ForEachKeptLineBefore(book.Entries.size(), kept, keptLine);
    return out;
}

bool WriteWordBook(WordBook &book, FileError *error)
{
    if (book.FileName.isEmpty())
        return true;
    book.TypeName = CurrentTypeName(book.TypeName);
    QString reason;
    if (ULib::SaveBytesAtomically(book.Path(), WordBookBytes(book), &reason)) {
        NoteFileStamp(book);
        return true;
    }
    if (error)
        *error = FileError::FromSystem(FileError::Code::CannotWrite, book.Path(), reason);
    return false;
}

bool ChangedSinceRead(const WordBook &book)
{
    if (!book.IsOpen() || book.FileSize < 0)
        return false;
    const QFileInfo info(book.Path());
    return info.exists() && (info.size() != book.FileSize || info.lastModified() != book.FileModified);
}

bool CreateWordBookFile(const QString &path, const QString &title, const QString &group, const QString &typeName,
                        FileError *error, const QList<WordEntry> &words)
{
    WordBook book;
    book.Title = title;
    book.Group = group;
    book.TypeName = typeName;
    book.Entries = words;
    QString reason;
    if (ULib::SaveBytesAtomically(path, WordBookBytes(book), &reason))
        return true;
    if (error)
        *error = FileError::FromSystem(FileError::Code::CannotWrite, path, reason);
    return false;
}

WordBookHeader ReadWordBookHeader(const QString &path)
{
    WordBookHeader header;
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxWordBookBytes || !file.open(QIODevice::ReadOnly))
        return header;
    // The lines are split as the reader splits them; only the three header lines are copied.
    const QString text = ReadWordBookText(file);
    std::array<QStringView, 3> lines;
    ScanLines(text, [&](qsizetype start, qsizetype length) {
        if (header.lineCount < 3)
            lines[std::size_t(header.lineCount)] = QStringView(text).mid(start, length);
        ++header.lineCount;
    });
    // A header line is taken as it stands: a U+FEFF at its start is text, not a mark.
    // A header line is shown in lists: a line of a million characters would take seconds to
    // draw, so only its start is taken.
    if (header.lineCount >= 3) {
        header.title = lines[0].left(MaxListedHeaderLength).toString();
        header.group = lines[1].left(MaxListedHeaderLength).toString();
        header.typeName = lines[2].left(MaxListedHeaderLength).toString();
    }
    return header;
}

QString ShownHeaderLine(const QString &line)
{
    return line.size() <= MaxListedHeaderLength ? line : line.left(MaxListedHeaderLength) + u'…';
}

QString FileNameOfTitle(QString title)
{
    for (QChar &c : title) {
        if (QStringView(u"/\\:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = u'_';
    }
    return title.isEmpty() ? QStringLiteral("単語帳") : title;
}

QString CannotOpenMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル %1 は開けません。 %2 ").arg(path, reason);
}

QString CannotCreateMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(path, reason);
}
