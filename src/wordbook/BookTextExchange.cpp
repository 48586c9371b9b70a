#include "wordbook/BookTextExchange.h"

#include "dialogs/FileDialogSeam.h"
#include "dialogs/FileErrorText.h"
#include "dialogs/MessageSeam.h"
#include "lib/ULib.h"
#include "wordbook/FlashCardText.h"
#include "wordbook/TImportFrm.h"
#include "wordbook/WordBookFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

/// Problems one per line, the first 20 of them, in the order of their lines.
QString ProblemLines(QList<CardProblem> problems)
{
    std::stable_sort(problems.begin(), problems.end(),
                     [](const CardProblem &a, const CardProblem &b) { return a.line < b.line; });
    constexpr qsizetype shown = 20;
    QStringList lines;
    for (qsizetype i = 0; i < std::min(shown, problems.size()); ++i)
        lines << QStringLiteral("%1 行目： %2").arg(problems.at(i).line).arg(problems.at(i).reason);
    if (problems.size() > shown)
        lines << QStringLiteral("ほか %1 行").arg(problems.size() - shown);
    return lines.join(u'\n');
}

}  // namespace

BookTextExchange::BookTextExchange(Context context, QWidget *parent)
    : QObject(parent), context_(std::move(context)), parent_(parent)
{
    setObjectName(QStringLiteral("BookTextExchange"));
}

QStringList BookTextExchange::FieldNames() const
{
    return {context_.languageName(), QStringLiteral("発音記号"), QStringLiteral("発音カナ"), QStringLiteral("日本語"),
            QStringLiteral("備考")};
}

void BookTextExchange::ExportTextExecute()
{
    const WordBook &book = context_.openBook();
    if (!book.IsOpen())
        return;
    if (lastFolder_.isEmpty())
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    FileDialogSeam::Request request;
    request.caption = QStringLiteral("書き出すテキストファイルの名前");
    request.proposedPath = lastFolder_ + u'/' + FileNameOfTitle(book.Title) + QStringLiteral(".tsv");
    request.filter = QStringLiteral("タブ区切りテキスト (*.tsv);;テキスト (*.txt)");
    request.defaultSuffix = QStringLiteral("tsv");
    const QString path = FileDialogSeam::SaveFileName(parent_, request);
    if (path.isEmpty())
        return;
    lastFolder_ = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path) &&
        !MessageSeam::Ask(parent_, QStringLiteral("■ファイル名：　　\"") + QFileInfo(path).fileName() +
                                       QStringLiteral("\"\r\n\r\nこのファイルは既にあります。置き換えますか？")))
        return;

    // Written whole or not at all: an earlier file of that name stays as it was on failure.
    if (const std::optional<FileError> error =
            ULib::WriteFileAtomically(path, FlashCardTsv(book.Entries, FieldNames(), book.Title))) {
        MessageSeam::Notify(parent_, CardExportErrorText(*error));
        return;
    }
    MessageSeam::Inform(parent_, QStringLiteral("%1 語をファイル %2 に書き出しました。")
                                     .arg(book.Entries.size())
                                     .arg(QDir::toNativeSeparators(path)));
}

void BookTextExchange::ImportTextExecute()
{
    if (lastFolder_.isEmpty())
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    FileDialogSeam::Request request;
    request.caption = QStringLiteral("取り込むテキストファイル（TSV/CSV）");
    request.proposedPath = lastFolder_;
    request.filter = QStringLiteral("テキスト (*.tsv *.csv *.txt);;すべてのファイル (*)");
    const QString path = FileDialogSeam::OpenFileName(parent_, request);
    if (path.isEmpty())
        return;
    lastFolder_ = QFileInfo(path).absolutePath();
    const QString shownPath = QDir::toNativeSeparators(path);

    CardTextRead read = ReadCardTextFile(path);
    if (read.error) {
        MessageSeam::Notify(parent_, CardImportErrorText(*read.error));
        return;
    }
    CardTable &table = *read.table;
    if (table.rows.isEmpty()) {
        QString text = QStringLiteral("ファイル %1 には取り込める行がありません。").arg(shownPath);
        if (!table.problems.isEmpty())
            text += QStringLiteral("\n\n") + ProblemLines(table.problems);
        MessageSeam::Notify(parent_, text);
        return;
    }

    TImportFrm dialog(QFileInfo(path).fileName(), table, FieldNames(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.FirstRowIsHeading()) {
        table.rows.removeFirst();
        table.rowLines.removeFirst();
    }
    const CardWords words = CardRowsToWords(table, dialog.Columns(), context_.languageName());
    const QList<CardProblem> problems = table.problems + words.problems;
    if (words.entries.isEmpty()) {
        MessageSeam::Notify(parent_, QStringLiteral("取り込める単語がありません。\n\n") + ProblemLines(problems));
        return;
    }
    if (!problems.isEmpty() &&
        !MessageSeam::Ask(
            parent_, QStringLiteral("次の %1 行は取り込めません。\n\n").arg(problems.size()) + ProblemLines(problems) +
                         QStringLiteral("\n\nこれらの行を除いた %1 語を取り込みますか？").arg(words.entries.size())))
        return;
    context_.createBook(words.entries, QFileInfo(path).completeBaseName());
}
