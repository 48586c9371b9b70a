#include "dialogs/FileDialogSeam.h"
#include "support/BookFiles.h"
#include "support/BookListClicks.h"
#include "support/MainWindowFixture.h"
#include "wordbook/BookListModel.h"
#include "wordbook/WordBookFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeView>

namespace {

/// Runs act on the visible dialog called name as soon as it shows (dialogs that open one
/// after another, each in its own modal loop).
void WhenDialogShows(const QString &name, std::function<void(QDialog *)> act)
{
    auto *timer = new QTimer;
    auto *waited = new QElapsedTimer;
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, name, act] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QDialog *>(top);
            if (dialog && dialog->isVisible() && dialog->objectName() == name) {
                timer->deleteLater();
                delete waited;
                act(dialog);
                return;
            }
        }
        if (waited->elapsed() > 5000) {
            timer->deleteLater();
            delete waited;
        }
    });
    timer->start(10);
}

void Click(QDialog *dialog, const char *button)
{
    QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

/// The word book's exchange with flash-card programs in the running window: the open book
/// written as TSV, a text file taken into a new book through the import and new-book dialogs.
class tst_BookTextExchange : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f_;
    TMainFrm *w_ = nullptr;
    QTemporaryDir outside_;  ///< where the flash-card program's files lie

    QString BookS() const { return f_->home->documentsFolder() + "/English/bookS"; }

    void Start()
    {
        f_->WriteParameters("NoSampleFlg,1\r\nCurrentFolderIndex,2\r\nFirstPage,1\r\n");
        QDir().mkpath(BookS());
        WriteBook(BookS() + "/mixed.utx",
                  {"Mixed/Words", "01", "単語理解",
                   "\"say #$22hi#$22, then\",\"seɪ\",\"セイ\",\"言う\",\"first#$0Dsecond\",\"\"",
                   "\"tab\there\",\"\",\"\",\"タブ\",\"\",\"\"",
                   "\"𝄞 clef\",\"klef\",\"クレフ\",\"音部記号\",\"\",\"\""});
        w_ = f_->Start();
        QVERIFY(w_);
    }

    /// Imports path through both dialogs, into the new book newBook titled title.
    void Import(const QString &path, const QString &newBook, const QString &title, bool heading = false)
    {
        FileDialogSeam::Replace([=, this](const FileDialogSeam::Request &request) {
            return request.opening ? path : BookS() + u'/' + newBook;
        });
        WhenDialogShows("TImportFrm", [=](QDialog *dialog) {
            WhenDialogShows("TNewFrm", [=](QDialog *form) {
                Find<QLineEdit>(form, "Edit1")->setText(title);
                Click(form, "Button1");
            });
            Find<QCheckBox>(dialog, "CheckBox1")->setChecked(heading);
            Click(dialog, "Button1");
        });
        Find<QAction>(w_, "ImportText")->trigger();
    }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }
    void cleanup()
    {
        FileDialogSeam::Replace({});
        f_.reset();
    }

    void exportedBookComesBackWhole()
    {
        Start();
        QVERIFY(!Find<QAction>(w_, "ExportText")->isEnabled());  // no book open
        OpenBookByFileName(w_, "mixed.utx");
        QVERIFY(Find<QAction>(w_, "ExportText")->isEnabled());
        const QString tsv = outside_.filePath("mixed.tsv");
        QString proposed;
        FileDialogSeam::Replace([&](const FileDialogSeam::Request &request) {
            proposed = request.proposedPath;
            return tsv;
        });
        Find<QAction>(w_, "ExportText")->trigger();
        QVERIFY(proposed.endsWith("/Mixed_Words.tsv"));  // no folder out of the title
        QVERIFY(FileBytes(tsv).startsWith("#separator:tab\n#html:false\n#deck:Mixed/Words\n"
                                          "#columns:英　語\t発音記号\t発音カナ\t日本語\t備考\n"
                                          "\"say \"\"hi\"\", then\"\tseɪ\tセイ\t言う\t\"first\nsecond\"\n"));
        QCOMPARE(f_->messages.last(),
                 QStringLiteral("3 語をファイル %1 に書き出しました。").arg(QDir::toNativeSeparators(tsv)));

        Import(tsv, "again.utx", "Again");
        QVERIFY(f_->asked.isEmpty());  // no bad rows
        WordBook original, again;
        QCOMPARE(ReadWordBook(BookS(), "mixed.utx", original).status, WordBookStatus::Read);
        QCOMPARE(ReadWordBook(BookS(), "again.utx", again).status, WordBookStatus::Read);
        QCOMPARE(again.Title, QStringLiteral("Again"));
        QCOMPARE(again.Entries, original.Entries);
        QCOMPARE(Find<QAction>(w_, "ImportText")->text(), QStringLiteral("テキスト(TSV/CSV)から取り込む"));
        const QList<BookRow> &rows = BookRows(w_);
        QVERIFY(std::any_of(rows.begin(), rows.end(), [](const BookRow &row) { return row.title == "Again"; }));
    }

    void csvWithABadRowAsksAndKeepsTheRest()
    {
        Start();
        const QString csv = outside_.filePath("deck.csv");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF"
                   "front,back\n\"pear, green\",\"なし\"\nlonely,\n\"rose\",\"ばら\"\n");
        file.close();
        f_->answer = true;
        Import(csv, "deck.utx", "Deck", true);  // "front,back" is a heading
        QCOMPARE(f_->asked.size(), 1);
        QCOMPARE(f_->asked.first(), QStringLiteral("次の 1 行は取り込めません。\n\n3 行目： 日本語が空です。\n\n"
                                                   "これらの行を除いた 2 語を取り込みますか？"));
        WordBook deck;
        QCOMPARE(ReadWordBook(BookS(), "deck.utx", deck).status, WordBookStatus::Read);
        QCOMPARE(deck.Entries.size(), 2);
        QCOMPARE(deck.Entries.at(0).Foreign, QStringLiteral("pear, green"));
        QCOMPARE(deck.Entries.at(0).Japanese, QStringLiteral("なし"));

        // Answered No: nothing is written.
        f_->answer = false;
        Import(csv, "none.utx", "None");
        QVERIFY(!QFile::exists(BookS() + "/none.utx"));
    }

    void unreadableTextIsToldAndNothingWritten()
    {
        Start();
        const QString sjis = outside_.filePath("sjis.csv");
        QFile file(sjis);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x82\xa0,a\n");
        file.close();
        FileDialogSeam::Replace([=](const FileDialogSeam::Request &) { return sjis; });
        const QStringList before = QDir(BookS()).entryList(QDir::Files);
        Find<QAction>(w_, "ImportText")->trigger();
        QCOMPARE(f_->messages.size(), 1);
        QVERIFY(f_->messages.first().startsWith(
            QStringLiteral("ファイル %1 は取り込めません。\nUTF-8 のテキストではありません。").arg(sjis)));
        QCOMPARE(QDir(BookS()).entryList(QDir::Files), before);
    }
};

QTEST_MAIN(tst_BookTextExchange)
#include "tst_BookTextExchange.moc"
