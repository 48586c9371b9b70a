#include "wordbook/WordSearch.h"

#include "wordbook/BookFolder.h"
#include "wordbook/TextScan.h"
#include "wordbook/WordBookFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>

namespace {

/// Where the line after a break at index at begins (a CR LF pair is one break).
qsizetype AfterBreak(const char16_t *data, qsizetype at, qsizetype n)
{
    if (at >= n)
        return n;
    return data[at] == u'\r' && at + 1 < n && data[at + 1] == u'\n' ? at + 2 : at + 1;
}

}  // namespace

WordSearch::WordSearch(int field, QString text) : field_(field >= 0 && field <= 4 ? field : 0), text_(std::move(text))
{
}

WordSearch::~WordSearch() = default;

void WordSearch::SearchFolder(const QString &folder)
{
    for (const QString &file : BookFileNames(folder))
        SearchFile(folder + u'/' + file);
}

void WordSearch::SearchFile(const QString &path)
{
    if (text_.isEmpty())
        return;
    if (!QFileInfo(path).isFile())
        return;  // a named pipe would wait for a writer; a device has no end
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable_ << FileError::CannotRead(file);
        return;
    }
    const qint64 size = file.size();
    if (size > MaxWordBookBytes) {
        unreadable_ << FileError::TooLargeFile(path, MaxWordBookBytes);
        return;
    }
    // The file is read straight into a buffer of code units that the next book reuses.
    if (size > capacity_) {
        capacity_ = std::max<qint64>(size, qint64(1) << 20);
        buffer_.reset(new char16_t[std::size_t(capacity_ + 1) / 2]);
    }
    const qint64 read = file.read(reinterpret_cast<char *>(buffer_.get()), size);
    if (read < 0) {
        unreadable_ << FileError::CannotRead(file);
        return;
    }
    const auto *bytes = reinterpret_cast<const uchar *>(buffer_.get());
    const qsizetype skip = read >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE ? 1 : 0;
    const qsizetype units = qsizetype(read / 2);
    if constexpr (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        for (qsizetype i = 0; i < units; ++i)
            buffer_[i] = char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    }
    SearchText(QStringView(buffer_.get() + skip, units - skip), QFileInfo(path).fileName());
}

void WordSearch::SearchText(QStringView text, const QString &fileName)
{
    if (text_.isEmpty())
        return;
    const char16_t *data = text.utf16();
    const qsizetype n = text.size();
    // The header: title, group and type name. A book has at least these three lines.
    qsizetype bodyStart = 0;
    qsizetype titleEnd = 0;
    for (int line = 0; line < 3; ++line) {
        if (bodyStart >= n)
            return;
        const qsizetype end = TextScan::FindBreak(data, bodyStart, n);
        if (line == 0)
            titleEnd = end;
        bodyStart = AfterBreak(data, end, n);
    }
    const qsizetype book = books_.size();
    books_.append({text.first(qMin(titleEnd, MaxListedHeaderLength)).toString(), fileName});

    // Only the lines that hold the search text are looked at; the line numbers in between are
    // counted, not split. A text with a quote may match a field that doubles it in the file
    // ("" for "): then every line is looked at.
    const bool everyLine = text_.contains(u'"');
    const auto nextCandidate = [&](qsizetype from) {
        if (everyLine)
            return from < n ? from : qsizetype(-1);
        return TextScan::FindText(data, from, n, text_);
    };
    qsizetype next = bodyStart;  // where the next line starts
    qsizetype numberBefore = 0;  // lines before next
    for (qsizetype at = nextCandidate(next); at >= 0; at = nextCandidate(next)) {
        qsizetype lineStart = at;
        while (lineStart > next && data[lineStart - 1] != u'\r' && data[lineStart - 1] != u'\n')
            --lineStart;
        numberBefore += TextScan::CountBreaks(data, next, lineStart);
        const qsizetype lineEnd = TextScan::FindBreak(data, at, n);
        LookAtLine(text.sliced(lineStart, lineEnd - lineStart), book, numberBefore + 1);
        ++numberBefore;
        next = AfterBreak(data, lineEnd, n);
    }
}

void WordSearch::LookAtLine(QStringView line, qsizetype book, qsizetype number)
{
    const std::optional<StoredField> field = StoredWordLineField(line, field_);
    if (!field)
        return;
    bool exact = false, found = false;
    if (field->doubled) {
        const QString value = field->text.toString().replace(QStringLiteral("\"\""), QStringLiteral("\""));
        exact = value == text_;
        found = exact || value.contains(text_);
    } else {
        exact = field->text == text_;
        found = exact || field->text.contains(text_);
    }
    if (found)
        (exact ? exact_ : partial_).append({book, number, exact, line.toString()});
}

QList<WordSearchHit> WordSearch::TakeHits()
{
    QList<WordSearchHit> hits;
    hits.reserve(exact_.size() + partial_.size());
    std::move(exact_.rbegin(), exact_.rend(), std::back_inserter(hits));
    std::move(partial_.begin(), partial_.end(), std::back_inserter(hits));
    exact_.clear();
    partial_.clear();
    return hits;
}
