// The program's savers under SIGKILL (tests/hardening/kill_during_save.sh drives this):
//   save_loop prepare <dir>   writes a book of 100 000 words and a parameter file
//   save_loop books <dir>     sorts the book by changing fields and writes it, again and again
//   save_loop params <dir>    writes the parameter file with changing values, again and again
//   save_loop check <dir>     exits 0 when both files are whole: the book holds all its words
//                             and the parameter file all 43 keys of one of the written states
//   save_loop checkbook <dir> exits 0 when the book is whole; prints its first word, which
//                             tells the order it was last written in
//   save_loop shuffle <dir>   writes the book again in a random order
#include "app/ParameterFile.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordList.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

namespace {

constexpr int kWords = 100000;

WordBook MakeBook(const QString &dir)
{
    WordBook book;
    book.Folder = dir;
    book.FileName = QStringLiteral("big.utx");
    book.Title = QStringLiteral("大きな単語帳");
    book.Group = QStringLiteral("01");
    book.TypeName = QStringLiteral("単語理解");
    for (int i = 0; i < kWords; ++i)
        book.Entries.append({QStringLiteral("word%1").arg(i),
                             QStringLiteral("wɜːd"),
                             QStringLiteral("ワード"),
                             QStringLiteral("語%1").arg(kWords - i),
                             i % 7 ? QString() : QStringLiteral("備考"),
                             {}});
    return book;
}

Settings SettingsState(int state)
{
    Settings settings;
    settings.MainLeft = state;
    settings.MainFont = state % 2 ? QStringLiteral("Noto Serif") : QStringLiteral("DejaVu Sans");
    return settings;
}

/// The book holds exactly its 100 000 words, in any order.
bool BookWhole(const QString &dir, WordBook &book)
{
    if (ReadWordBook(dir, QStringLiteral("big.utx"), book).status != WordBookStatus::Read ||
        book.Entries.size() != kWords) {
        std::fprintf(stderr, "the book is not whole (%lld words)\n", static_cast<long long>(book.Entries.size()));
        return false;
    }
    QList<QString> foreign;
    for (qsizetype i = 0; i < book.Entries.size(); ++i)
        foreign << book.Entries.at(i).Foreign;
    std::sort(foreign.begin(), foreign.end());
    QList<QString> expected;
    for (int i = 0; i < kWords; ++i)
        expected << QStringLiteral("word%1").arg(i);
    std::sort(expected.begin(), expected.end());
    if (foreign != expected) {
        std::fprintf(stderr, "the book lost or changed words\n");
        return false;
    }
    return true;
}

int Check(const QString &dir)
{
    WordBook book;
    if (!BookWhole(dir, book))
        return 1;
    Settings read;
    ReadParameterFile(dir, read);
    QFile file(dir + QStringLiteral("/Quillo.rng"));
    if (!file.open(QIODevice::ReadOnly) || file.readAll().count("\r\n") != 43 ||
        BuildParameterLines(read) != BuildParameterLines(SettingsState(read.MainLeft))) {
        std::fprintf(stderr, "the parameter file is not whole\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]), dir = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("check"))
        return Check(dir);
    if (mode == QLatin1String("shuffle")) {
        WordBook book;
        if (!BookWhole(dir, book))
            return 1;
        std::vector<qsizetype> order(std::size_t(book.Entries.size()));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), std::mt19937(std::random_device{}()));
        book.Entries.Reorder(order);
        return WriteWordBook(book, nullptr) ? 0 : 1;
    }
    if (mode == QLatin1String("checkbook")) {
        WordBook book;
        if (!BookWhole(dir, book))
            return 1;
        std::printf("%s\n", qPrintable(book.Entries.at(0).Foreign));
        return 0;
    }
    if (mode == QLatin1String("prepare")) {
        WordBook book = MakeBook(dir);
        return WriteWordBook(book, nullptr) && !WriteParameterFile(dir, SettingsState(0)) ? 0 : 1;
    }
    if (mode == QLatin1String("books")) {
        WordBook book;
        ReadWordBook(dir, QStringLiteral("big.utx"), book);
        std::puts("ready");
        std::fflush(stdout);
        const WordField fields[] = {WordField::Japanese, WordField::Foreign, WordField::Notes};
        for (int round = 0;; ++round) {
            SortEntries(book.Entries, fields[round % 3], round % 2 ? 1 : -1);
            WriteWordBook(book, nullptr);
        }
    }
    if (mode == QLatin1String("params")) {
        std::puts("ready");
        std::fflush(stdout);
        for (int state = 1;; ++state)
            WriteParameterFile(dir, SettingsState(state % 1000));
    }
    return 2;
}
