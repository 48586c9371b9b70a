#include "app/Language.h"
#include "symbols/CandidateFile.h"
#include "wordbook/WordBookFile.h"

#include <QDirIterator>
#include <QTest>

/// The shipped sample books are learning material: every book reads, holds at least ten
/// words with a meaning, every language has a book of thirty, and every phonetic
/// transcription can be typed with the default symbol set.
class tst_SampleBooks : public QObject
{
    Q_OBJECT

private slots:
    void booksAreComplete()
    {
        const CandidateFileResult set = ReadCandidateFile(QStringLiteral(QUILL_DATA_DIR "/Tbl"), false);
        QVERIFY(set.table);
        QString typeable = QStringLiteral(" abcdefghijklmnopqrstuvwxyz");
        for (const QString &symbols : *set.table)
            typeable += symbols;

        for (const Language &language : Languages()) {
            int largest = 0;
            int books = 0;
            const QString shelf = QStringLiteral(QUILL_DATA_DIR "/Shelf/") + language.folderName;
            QDirIterator files(shelf, {QStringLiteral("*.utx")}, QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                const QFileInfo file(files.next());
                WordBook book;
                QCOMPARE(ReadWordBook(file.path(), file.fileName(), book).status, WordBookStatus::Read);
                const QString where = language.folderName + "/" + file.fileName();
                QVERIFY2(QuestionTypeFromName(book.TypeName), qPrintable(where));
                QVERIFY2(book.Entries.size() >= 10, qPrintable(where));
                largest = qMax(largest, int(book.Entries.size()));
                ++books;
                for (const WordEntry &entry : book.Entries.ToList()) {
                    QVERIFY2(!entry.Foreign.isEmpty() && !entry.Japanese.isEmpty(), qPrintable(where));
                    if (book.Type() != QuestionType::W)
                        continue;
                    QVERIFY2(!entry.Phonetic.isEmpty(), qPrintable(where + ": " + entry.Foreign));
                    for (QChar c : entry.Phonetic)
                        QVERIFY2(typeable.contains(c), qPrintable(where + ": " + entry.Foreign + " has " + QString(c)));
                }
            }
            QVERIFY2(books >= 4, qPrintable(language.folderName));
            QVERIFY2(largest >= 30, qPrintable(language.folderName));
        }
    }
};

QTEST_APPLESS_MAIN(tst_SampleBooks)
#include "tst_SampleBooks.moc"
