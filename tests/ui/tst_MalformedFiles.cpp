#include "dialogs/FileDialogSeam.h"
#include "mainwindow/TextFileCommands.h"
#include "pads/TIPAboard1.h"
#include "support/BookFiles.h"
#include "support/MainWindowFixture.h"
#include "training/TrainingPage.h"
#include "wordbook/WordBookPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

namespace {

const QString kCorpus = QStringLiteral(QUILL_MALFORMED_DIR);

QStringList CorpusFiles(const QString &pattern)
{
    return QDir(kCorpus).entryList({pattern}, QDir::Files, QDir::Name);
}

}  // namespace

/// The malformed-file corpus through the program's real paths: the book list, the word list,
/// the search, the training, the start-up with a bad parameter file, the phonetic pad with a bad
/// candidate file and the text commands. Nothing crashes or hangs, the good lines are kept, and
/// the messages the program owes are shown.
class tst_MalformedFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;

    QString BookS() const { return f_->home->documentsFolder() + "/English/bookS"; }
    WordBookPage *Page() const { return w_->findChild<WordBookPage *>(); }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        FileDialogSeam::Replace({});
        f_.reset();
    }

    void wordBooksThroughEveryView()
    {
        QDir().mkpath(BookS());
        for (const QString &file : CorpusFiles("*.utx"))
            QVERIFY(QFile::copy(kCorpus + '/' + file, BookS() + '/' + file));
        WriteBook(BookS() + "/one_mb_line.utx",
                  {"長い行", "01", "単語理解", "\"" + QString(512 * 1024, u'x') + "\",\"\",\"\",\"語\",\"\",\"\""});
        QVERIFY(QDir(BookS()).mkdir("folder.utx"));
        f_->WriteParameters("FirstPage,1\r\nCurrentFolderIndex,2\r\n");
        w_ = f_->Start();
        QVERIFY(w_);
        Find<QCheckBox>(w_, "CheckBox2")->setChecked(false);  // a chosen book opens at once

        // Every book opens in the word list, keeping its good lines.
        const QHash<QString, int> words{
            {"good.utx", 2},           {"five_fields.utx", 1},      {"eight_fields.utx", 1},
            {"seven_fields.utx", 1},   {"unbalanced_quote.utx", 2}, {"cr_only.utx", 2},
            {"lf_only.utx", 2},        {"mixed_breaks.utx", 2},     {"no_mark.utx", 1},
            {"no_final_break.utx", 1}, {"header_only.utx", 0},      {"many_words.utx", 3000},
            {"one_mb_line.utx", 1},    {"older_type_name.utx", 1},  {"trailing_comma.utx", 1}};
        int opened = 0;
        for (const QString &file : QDir(BookS()).entryList({"*.utx"}, QDir::Files)) {
            if (!Page()->SelectBookByFileName(file))
                continue;  // fewer than three lines: not in the list
            ++opened;
            QCOMPARE(Page()->Book().FileName, file);
            if (words.contains(file))
                QVERIFY2(Page()->WordRows() == words[file], qPrintable(file));
            Find<QTableView>(w_, "ListView1")->viewport()->repaint();  // every shown row is drawn
        }
        QVERIFY2(opened >= 35, qPrintable(QString::number(opened)));

        // The search reads them all and reports nothing as unreadable.
        f_->messages.clear();
        Find<QAction>(w_, "Search")->trigger();
        QWidget *search = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("TSearchFrm") && top->isVisible())
                search = top;
        QVERIFY(search);
        Find<QComboBox>(search, "ComboBox1")->setCurrentIndex(0);
        Find<QRadioButton>(search, "RadioButton3")->setChecked(true);
        Find<QLineEdit>(search, "Edit1")->setText("go");
        QTest::mouseClick(Find<QPushButton>(search, "Button2"), Qt::LeftButton);
        QVERIFY(Find<QTableView>(search, "ListView1")->model()->rowCount() >= 10);
        QVERIFY(f_->messages.isEmpty());
        search->close();

        // The training offers the books with words; each loads, and a set runs through.
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::Training);
        auto *books = Find<QComboBox>(w_, "ComboBox1");
        QVERIFY(books->count() >= 30);
        auto *page = w_->findChild<TrainingPage *>();
        for (int item = 0; item < books->count(); ++item) {
            books->setCurrentIndex(item);
            emit books->activated(item);
            QTRY_VERIFY(!Find<QPlainTextEdit>(w_, "Memo1")->isVisible());  // the page has grown
            page->LoadTrainingBook();
            if (!page->Session().Loaded())
                continue;  // refused with its message
            page->StartBtnClick();
            for (int question = 0; question < 10; ++question)
                page->NextBtnClick();
        }
    }

    void badParameterFilesStartTheProgram()
    {
        for (const QString &file : CorpusFiles("*.rng")) {
            f_ = std::make_unique<MainWindowFixture>();
            QFile source(kCorpus + '/' + file);
            QVERIFY(source.open(QIODevice::ReadOnly));
            f_->WriteParameters(source.readAll());
            w_ = f_->Start();
            QVERIFY2(w_, qPrintable(file));
            const Settings &s = w_->settings();
            QVERIFY2(s.MainFontSize >= 9 && s.MainFontSize <= 60, qPrintable(file));
            QVERIFY2(s.IPAFontSize >= 9 && s.IPAFontSize <= 40, qPrintable(file));
            QVERIFY(w_->close());
        }
    }

    void badCandidateFilesAreTold()
    {
        w_ = f_->Start();
        QVERIFY(w_);
        Find<QTabWidget>(w_, "PageControl1")->setCurrentIndex(TMainFrm::WordBook);
        QTest::mouseClick(Find<QToolButton>(w_, "SpeedButton16"), Qt::LeftButton);
        QTRY_VERIFY(FindPad<TIPAboard1>(w_));
        for (const QString &file : CorpusFiles("cand_*.txt")) {
            QFile::remove(w_->paths().TblFolder + "/ipa_cand1.txt");
            QVERIFY(QFile::copy(kCorpus + '/' + file, w_->paths().TblFolder + "/ipa_cand1.txt"));
            f_->messages.clear();
            w_->ReloadPhoneticSymbolSet();
            if (file == QLatin1String("cand_bad_code.txt"))
                QVERIFY(f_->messages.value(0).contains(QStringLiteral("行目")));
        }
    }

    void badTextFilesOpen()
    {
        w_ = f_->Start();
        QVERIFY(w_);
        QString chosen;
        FileDialogSeam::Replace([&chosen](const FileDialogSeam::Request &) { return chosen; });
        for (const QString &file : CorpusFiles("text_*.txt")) {
            chosen = kCorpus + '/' + file;
            Find<QAction>(w_, "N27")->trigger();
            QCOMPARE(w_->TextFiles().TextFileName(), file);
        }
        chosen = kCorpus + "/text_odd_length.txt";
        Find<QAction>(w_, "N27")->trigger();
        QCOMPARE(Find<QPlainTextEdit>(w_, "Memo1")->toPlainText(), QStringLiteral("a\nb\n"));
    }
};

QTEST_MAIN(tst_MalformedFiles)
#include "tst_MalformedFiles.moc"
