// The training book reader says why a book cannot be read.
#include "lib/FileError.h"
#include "training/TrainingBook.h"
#include "wordbook/WordBookFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class tst_TrainingBookFile : public QObject
{
    Q_OBJECT

private slots:
    void unreadableBooksSayWhy_data()
    {
        QTest::addColumn<QString>("name");  // in a folder holding the file "book.utx"
        QTest::addColumn<FileError::Code>("code");
        QTest::addColumn<FileError::Reason>("reason");
        // clang-format off
        QTest::addRow("missing") << "none.utx" << FileError::Code::Missing << FileError::Reason::NotFound;
        QTest::addRow("under a file") << "book.utx/a.utx" << FileError::Code::Missing << FileError::Reason::NotFound;
        QTest::addRow("a folder") << "." << FileError::Code::Unreadable << FileError::Reason::NotRegularFile;
        QTest::addRow("a named pipe") << "pipe.utx" << FileError::Code::Unreadable << FileError::Reason::NotRegularFile;
        QTest::addRow("too large") << "large.utx" << FileError::Code::TooLarge << FileError::Reason::Other;
        // clang-format on
    }
    void unreadableBooksSayWhy()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QFile book(dir.filePath("book.utx"));
        QVERIFY(book.open(QIODevice::WriteOnly) && book.write("\xFF\xFE", 2) == 2);
        book.close();
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.utx")).constData(), 0600), 0);
        QFile large(dir.filePath("large.utx"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(MaxWordBookBytes + 1));  // sparse
        large.close();
        const TrainingBookRead read = ReadTrainingBook(dir.filePath(name));
        QVERIFY(read.lines.isEmpty());
        QVERIFY(read.error);
        QTEST(read.error->code, "code");
        QTEST(read.error->reason, "reason");
    }
};

QTEST_GUILESS_MAIN(tst_TrainingBookFile)
#include "tst_TrainingBookFile.moc"
