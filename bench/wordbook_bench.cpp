// Word-book file speed against the plain file operations underneath, measured side by side:
// opening a 100 000-word book against reading its file and decoding it to one QString,
// writing it against writing the same bytes with a plain QFile, and the book list of a folder
// of 1 000 books against listing the folder and reading just their first three lines. Prints medians and
// ratios.
#include "MedianTime.h"
#include "lib/ULib.h"
#include "wordbook/BookFolder.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cstdio>
#include <functional>
#include <vector>

namespace {

/// A book of realistic words: foreign words and phrases, IPA, katakana, Japanese, some notes.
WordBook MakeBook(int words)
{
    const QStringList foreign{"government", "to look forward to", "nevertheless", "bread", "I would like a coffee"};
    const QStringList phonetic{"ˈɡʌvərnmənt", "tə lʊk ˈfɔːrwərd tə", "ˌnɛvərðəˈlɛs", "brɛd", "aɪ wʊd laɪk ə ˈkɔːfi"};
    const QStringList kana{"ガヴァンメント", "トゥ ルック フォーワード トゥ", "ネヴァザレス", "ブレッド",
                           "アイ ウッド ライク ア コーフィ"};
    const QStringList japanese{"政府", "～を楽しみにする", "それにもかかわらず", "パン", "コーヒーをください"};
    WordBook book;
    book.Title = QStringLiteral("大きな単語帳");
    book.Group = QStringLiteral("01語彙");
    book.TypeName = QStringLiteral("単語理解");
    for (int i = 0; i < words; ++i) {
        const int k = i % 5;
        book.Entries.append({foreign[k] + QString::number(i),
                             phonetic[k],
                             kana[k],
                             japanese[k],
                             i % 3 ? QString() : QStringLiteral("例文 \"quoted\"#$0D二行目"),
                             {}});
    }
    return book;
}

void Report(const char *what, double ours, const char *against, double base)
{
    std::printf("%-34s %8.2f ms   %-38s %8.2f ms   ratio %.2f\n", what, ours, against, base, ours / base);
}

}  // namespace

int main()
{
#if defined(__GLIBC__)
    // Keep large buffers in the heap between runs, for both sides alike: otherwise the
    // allocator's changing thresholds decide whether a run pays for fresh pages.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
    QTemporaryDir dir;
    WordBook book = MakeBook(100000);
    book.Folder = dir.path();
    book.FileName = QStringLiteral("big.utx");
    FileError error;
    WriteWordBook(book, &error);
    const QByteArray bytes = WordBookBytes(book);
    std::printf("book: %lld words, %.1f MB\n", qlonglong(book.Entries.size()), bytes.size() / 1048576.0);

    // Alternated, so that both see the same state of the file cache and the allocator; many
    // pairs (under a second), so that a slow spell of the machine, which on a virtual machine
    // can last a tenth of a second and slows the larger open more, does not decide the median.
    std::vector<double> decodeTimes, openTimes;
    for (int run = 0; run < 101; ++run) {
        decodeTimes.push_back(MedianMs(1, [&] {
            QFile file(book.Path());
            file.open(QIODevice::ReadOnly);
            const QByteArray raw = file.readAll();
            const QString text =
                QString::fromUtf16(reinterpret_cast<const char16_t *>(raw.constData() + 2), (raw.size() - 2) / 2);
            Q_UNUSED(text.size());
        }));
        openTimes.push_back(MedianMs(1, [&] {
            WordBook read;
            ReadWordBook(dir.path(), QStringLiteral("big.utx"), read);
        }));
    }
    std::sort(decodeTimes.begin(), decodeTimes.end());
    std::sort(openTimes.begin(), openTimes.end());
    const double decodeOnly = decodeTimes[decodeTimes.size() / 2];
    const double open = openTimes[openTimes.size() / 2];
    Report("open a 100 000-word book", open, "read + decode to one QString", decodeOnly);

    const double plainWrite = MedianMs(7, [&] {
        QFile file(dir.filePath("plain.utx"));
        file.open(QIODevice::WriteOnly);
        file.write(WordBookBytes(book));
    });
    const double write = MedianMs(7, [&] { WriteWordBook(book, &error); });
    Report("write it (atomic)", write, "its bytes with a plain QFile", plainWrite);

    // Registering one word: the append and the whole rewrite the format asks for.
    const double registerWord = MedianMs(7, [&] {
        WordBook read;
        ReadWordBook(dir.path(), QStringLiteral("big.utx"), read);
        read.Entries.append({QStringLiteral("new"),
                             QStringLiteral("njuː"),
                             QStringLiteral("ニュー"),
                             QStringLiteral("新しい"),
                             {},
                             {}});
        WriteWordBook(read, &error);
    });
    const double readOnly = MedianMs(7, [&] {
        WordBook read;
        ReadWordBook(dir.path(), QStringLiteral("big.utx"), read);
    });
    Report("register a word (after opening)", registerWord - readOnly, "its bytes with a plain QFile", plainWrite);

    // Sorting by the Japanese column and writing, against sorting the same keys and writing.
    WordBook opened;
    ReadWordBook(dir.path(), QStringLiteral("big.utx"), opened);
    const QList<WordEntry> words = opened.Entries.ToList();
    const double sortAndWrite = MedianMs(5, [&] {
        WordBook copy = opened;
        SortEntries(copy.Entries, WordField::Japanese, -1);
        WriteWordBook(copy, &error);
    });
    const double keysAndWrite = MedianMs(5, [&] {
        std::vector<QString> keys;
        keys.reserve(std::size_t(words.size()));
        for (const WordEntry &word : words)
            keys.push_back(word.Japanese);
        std::stable_sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) { return b < a; });
        QFile file(dir.filePath("plain.utx"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    });
    Report("sort by a column and write", sortAndWrite, "stable_sort of its keys + plain write", keysAndWrite);

    QDir().mkpath(dir.filePath("folder"));
    const WordBook small = MakeBook(40);
    for (int i = 0; i < 1000; ++i) {
        QFile file(dir.filePath(QStringLiteral("folder/book%1.utx").arg(i)));
        file.open(QIODevice::WriteOnly);
        file.write(WordBookBytes(small));
    }
    const QString folder = dir.filePath("folder");
    const double threeLines = MedianMs(7, [&] {
        const QStringList names = QDir(folder).entryList({"*.utx"}, QDir::Files);
        for (const QString &name : names) {
            QFile file(folder + u'/' + name);
            file.open(QIODevice::ReadOnly);
            const QByteArray head = file.read(512);
            Q_UNUSED(DecodeWordBookBytes(head).section(u'\n', 0, 2));
        }
    });
    const double list = MedianMs(7, [&] { Q_UNUSED(ReadBookFolder(folder).size()); });
    Report("book list of 1 000 books", list, "listing them, their first three lines", threeLines);
    return 0;
}
