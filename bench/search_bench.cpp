// Word-book search speed against iconv piped into grep -F, side by side: a generated folder of
// 1 000 books holding 1 000 000 words, searched for a Japanese text and for an ASCII text of
// the foreign field. The search is measured whole: reading, decoding, splitting, comparing and
// the result list's model taking the hits. Prints medians, hit counts and ratios.
#include "wordbook/WordBook.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordSearch.h"
#include "wordbook/WordSearchModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kBooks = 1000;
constexpr int kWordsPerBook = 1000;

QString Pick(const QStringList &list, QRandomGenerator &random)
{
    return list[int(random.bounded(list.size()))];
}

/// A foreign word of random syllables, now and then with a common ending.
QString ForeignWord(QRandomGenerator &random)
{
    static const QStringList syllables{"ka", "re",  "mon", "ti",  "sta", "bel", "or",  "gu", "lin", "pre",
                                       "vo", "dis", "an",  "ter", "cu",  "ple", "men", "sa", "ri",  "do"};
    static const QStringList endings{"", "", "", "", "tion", "ment", "ness", "er", "ly", "ing"};
    QString word;
    for (int i = 1 + int(random.bounded(3)); i > 0; --i)
        word += Pick(syllables, random);
    return word + Pick(endings, random);
}

WordBook MakeBook(int index, QRandomGenerator &random)
{
    static const QStringList japanese{"学校",   "先生",   "勉強する", "食べる", "飲み物", "駅",   "天気", "旅行する",
                                      "図書館", "美しい", "速い",     "家族",   "仕事",   "映画", "音楽", "～に着く",
                                      "病院",   "買い物", "料理する", "友達",   "時間",   "新聞", "手紙", "空港"};
    static const QStringList kana{"カレモン", "ティスタ", "ベルオル", "グリン", "プレヴォ", "ディサン"};
    static const QStringList phonetic{"ˈkærəmən", "tɪˈstɑː", "ˈbɛlɔːr", "ˈɡuːlɪn", "prɪˈvoʊ", "dɪˈsæn"};
    WordBook book;
    book.Title = QStringLiteral("単語帳%1").arg(index);
    book.Group = QStringLiteral("G%1").arg(index % 20);
    book.TypeName = QStringLiteral("単語理解");
    for (int i = 0; i < kWordsPerBook; ++i) {
        const QString jp = Pick(japanese, random) + (random.bounded(2) ? QStringLiteral("こと") : QString());
        book.Entries.append({ForeignWord(random),
                             Pick(phonetic, random),
                             Pick(kana, random),
                             jp,
                             random.bounded(4) ? QString() : QStringLiteral("例文あり#$0D二行目"),
                             {}});
    }
    return book;
}

double MedianMs(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    QRandomGenerator random(2026);
    for (int i = 0; i < kBooks; ++i) {
        WordBook book = MakeBook(i, random);
        book.Folder = dir.path();
        book.FileName = QStringLiteral("book%1.utx").arg(i, 4, 10, QChar(u'0'));
        if (!WriteWordBook(book, nullptr))
            return 1;
    }
    QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.utx")}, QDir::Files);
    for (QString &file : files)
        file = dir.filePath(file);

    const struct {
        const char *what;
        int field;
        QString text;
    } searches[] = {{"Japanese 図書館", 3, QStringLiteral("図書館")}, {"foreign tion", 0, QStringLiteral("tion")}};
    std::printf("search over %d books of %d words\n", kBooks, kWordsPerBook);
    for (const auto &search : searches) {
        std::vector<double> ours, grep;
        qsizetype hits = 0;
        QByteArray grepLines;
        for (int round = 0; round < 7; ++round) {
            QElapsedTimer clock;
            clock.start();
            WordSearch run(search.field, search.text);
            run.SearchFolder(dir.path());
            WordSearchModel model;
            model.ShowHits(run.Books(), run.TakeHits());
            ours.push_back(clock.nsecsElapsed() / 1e6);
            hits = model.rowCount();

            QProcess pipeline;
            pipeline.setProgram(QStringLiteral("sh"));
            pipeline.setArguments({QStringLiteral("-c"),
                                   QStringLiteral("iconv -f UTF-16LE -t UTF-8 \"$@\" | grep -F -c -- \"$0\""),
                                   search.text});
            pipeline.setArguments(pipeline.arguments() + files);
            clock.restart();
            pipeline.start();
            pipeline.waitForFinished(-1);
            grep.push_back(clock.nsecsElapsed() / 1e6);
            grepLines = pipeline.readAllStandardOutput().trimmed();
        }
        const double a = MedianMs(ours), b = MedianMs(grep);
        std::printf("  %-16s search %7.1f ms (%lld rows)  iconv|grep -F %7.1f ms (%s lines)  ratio %.2f\n", search.what,
                    a, static_cast<long long>(hits), b, grepLines.constData(), a / b);
    }
    return 0;
}
