// A word-book file of outside bytes: what the reader takes, the writer writes so that the
// reader takes exactly the same again; the header reader agrees with the reader.
#include "FuzzSupport.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordSearch.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

namespace {

WordBookReadResult Read(QByteArray bytes, WordBook &book)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadWordBook(buffer, book);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Bytes(data, size);
    WordBook book;
    if (Read(bytes, book).status != WordBookStatus::Read)
        return 0;
    WordBook again;
    FUZZ_CHECK(Read(WordBookBytes(book), again).status == WordBookStatus::Read);
    FUZZ_CHECK(again.Title == book.Title && again.Group == book.Group && again.TypeName == book.TypeName);
    FUZZ_CHECK(again.Entries == book.Entries);
    // Lines that are no word are written back as they stand: written again, the book gives the
    // same bytes.
    FUZZ_CHECK(again.Entries.KeptLineCount() == book.Entries.KeptLineCount());
    FUZZ_CHECK(WordBookBytes(again) == WordBookBytes(book));
    // Word lines kept as they were read, and copied as they are when they are in the written
    // form, give the same bytes as the same words held whole.
    if (book.Entries.KeptLineCount() == 0) {
        WordBook whole = book;
        whole.Entries = WordEntries(book.Entries.ToList());
        FUZZ_CHECK(WordBookBytes(whole) == WordBookBytes(book));
    }

    // The header reader and the search read the same file the same way.
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.utx"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(bytes);
    file.close();
    const WordBookHeader header = ReadWordBookHeader(path);
    FUZZ_CHECK(header.lineCount >= 3 && header.title == book.Title.left(MaxListedHeaderLength) &&
               header.group == book.Group.left(MaxListedHeaderLength));
    WordSearch search(0, QStringLiteral("a"));
    search.SearchFile(path);
    for (const WordSearchHit &hit : search.TakeHits())
        FUZZ_CHECK(hit.number >= 1 && hit.number <= header.lineCount - 3 && hit.line.contains(u'a'));
    return 0;
}
