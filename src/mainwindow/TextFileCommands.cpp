#include "mainwindow/TextFileCommands.h"

#include "dialogs/FileDialogSeam.h"
#include "dialogs/MessageSeam.h"
#include "lib/TextTools.h"
#include "lib/ULib.h"
#include "wordbook/WordBookFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace {

FileDialogSeam::Request TextFileRequest(const QString &caption, const QString &path)
{
    return {caption, path, QStringLiteral("（ユニコードテキスト）　*.txt (*.txt)"), QStringLiteral("txt")};
}

}  // namespace

TextFileCommands::TextFileCommands(QPlainTextEdit *memo, QString textFolder, Actions actions, QWidget *window)
    : QObject(window), memo_(memo), textFolder_(std::move(textFolder)), actions_(actions), window_(window)
{
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { textModified_ = true; });
    connect(actions_.N27, &QAction::triggered, this, &TextFileCommands::N27Click);
    connect(actions_.N28, &QAction::triggered, this, &TextFileCommands::N28Click);
    connect(actions_.N29, &QAction::triggered, this, &TextFileCommands::N29Click);
    connect(actions_.N33, &QAction::triggered, this, &TextFileCommands::N33Click);
    UpdateActions();
}

void TextFileCommands::UpdateActions()
{
    actions_.N28->setEnabled(!textFileName_.isEmpty());
    actions_.N33->setEnabled(!textFileName_.isEmpty());
}

QString TextFileCommands::ChangedQuestion() const
{
    return QStringLiteral("ファイル\" ") + textFileName_ +
           QStringLiteral(" \"に変更が加えられましたが、保存せずに閉じますか？");
}

bool TextFileCommands::MayDropText()
{
    return textFileName_.isEmpty() || !textModified_ || MessageSeam::Ask(window_, ChangedQuestion());
}

void TextFileCommands::N27Click()
{
    // Unsaved changes of an open file are not dropped without asking.
    if (!MayDropText())
        return;
    const QString path = FileDialogSeam::OpenFileName(
        window_, TextFileRequest(QStringLiteral("テキストファイルを開く"), textFolder_ + u'/'));
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    textFolder_ = info.absolutePath();
    textFileName_ = info.fileName();
    UpdateActions();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageSeam::Notify(window_, CannotOpenMessage(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    memo_->setPlainText(TextTools::TextFromFileBytes(file.readAll()));
    memo_->moveCursor(QTextCursor::End);
    textModified_ = false;
}

bool TextFileCommands::WriteText(const QString &path)
{
    QString reason;
    if (ULib::SaveBytesAtomically(path, TextTools::TextFileBytes(memo_->toPlainText()), &reason)) {
        textModified_ = false;
        return true;
    }
    MessageSeam::Notify(window_, CannotCreateMessage(QDir::toNativeSeparators(path), reason));
    return false;
}

void TextFileCommands::N28Click()
{
    if (ULib::TrimBlanks(memo_->toPlainText()).isEmpty() || textFileName_.isEmpty())
        return;
    const QString path = textFolder_ + u'/' + textFileName_;
    if (QFile::exists(path))  // a file that has gone is not made again
        WriteText(path);
}

void TextFileCommands::N29Click()
{
    if (ULib::TrimBlanks(memo_->toPlainText()).isEmpty())
        return;
    const QString path = FileDialogSeam::SaveFileName(
        window_, TextFileRequest(QStringLiteral("名前を付けて保存"), textFolder_ + u'/' + textFileName_));
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    // Another file is not replaced without asking.
    if (info.exists() && !(info.absolutePath() == textFolder_ && info.fileName() == textFileName_) &&
        !MessageSeam::Ask(
            window_,
            QStringLiteral("ファイル \"%1\" は既にあります。置き換えますか？").arg(QDir::toNativeSeparators(path))))
        return;
    textFolder_ = info.absolutePath();
    textFileName_ = info.fileName();
    UpdateActions();
    WriteText(path);
}

void TextFileCommands::N33Click()
{
    if (textModified_ && !MessageSeam::Ask(window_, ChangedQuestion()))
        return;
    memo_->clear();
    textFileName_.clear();
    textModified_ = false;
    UpdateActions();
}
