#include "mainwindow/TextFileCommands.h"

#include "dialogs/FileDialogSeam.h"
#include "dialogs/FileErrorText.h"
#include "dialogs/MessageSeam.h"
#include "lib/ULib.h"
#include "mainwindow/InputAreaText.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>

using TextTools::TextFileFormat;

namespace {

QString Shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString FormatFilter(const TextFileFormat &format)
{
    return QStringLiteral("テキスト（") + TextTools::FormatDescription(format) + QStringLiteral("） (*.txt)");
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

QString TextFileCommands::OpenFilePath() const
{
    return textFolder_ + u'/' + textFileName_;
}

bool TextFileCommands::MayDropText()
{
    return textFileName_.isEmpty() || !textModified_ || MessageSeam::Ask(window_, ChangedQuestion());
}

bool TextFileCommands::MayReplaceText()
{
    if (!textFileName_.isEmpty())
        return MayDropText();
    return ULib::TrimBlanks(InputAreaText(memo_)).isEmpty() ||
           MessageSeam::Ask(window_, QStringLiteral("入力中のテキストは保存されていません。破棄して開きますか？"));
}

void TextFileCommands::N27Click()
{
    if (!MayReplaceText())
        return;
    const QString path = FileDialogSeam::OpenFileName(
        window_, {QStringLiteral("テキストファイルを開く"), textFolder_ + u'/',
                  QStringLiteral("テキストファイル (*.txt);;すべてのファイル (*)"), QStringLiteral("txt")});
    if (path.isEmpty())
        return;
    const TextTools::TextFileRead read = TextTools::ReadTextFile(path);
    if (read.error) {
        MessageSeam::Notify(window_, TextFileErrorText(*read.error));
        return;
    }
    // The name and folder change only with the text, so that a save never writes one file's
    // text into another.
    const QFileInfo info(path);
    textFolder_ = info.absolutePath();
    textFileName_ = info.fileName();
    textFormat_ = read.decoded.format;
    textClean_ = read.decoded.clean;
    UpdateActions();
    memo_->setPlainText(read.decoded.text);
    memo_->moveCursor(QTextCursor::End);
    textModified_ = false;
    if (!textClean_)
        MessageSeam::Notify(
            window_,
            QStringLiteral(
                "ファイル \"%1\" には、文字として読めない部分がありました（文字コード: %2）。その部分は正しく表示されていません。"
                "元のファイルを損なわないよう、このファイルには上書き保存しません。保存するときは名前を付けて保存してください。")
                .arg(Shown(path), TextTools::EncodingName(textFormat_.encoding)));
}

bool TextFileCommands::WriteBytes(const QString &path, const QByteArray &bytes)
{
    if (const std::optional<FileError> error = ULib::WriteFileAtomically(path, bytes)) {
        MessageSeam::Notify(window_, TextFileErrorText(*error));
        return false;
    }
    textModified_ = false;
    return true;
}

void TextFileCommands::N28Click()
{
    const QString text = InputAreaText(memo_);
    if (ULib::TrimBlanks(text).isEmpty() || textFileName_.isEmpty())
        return;
    const QString path = OpenFilePath();
    // Each refusal says why and offers to save under another name, so nothing typed is lost.
    QString refusal;
    std::optional<QByteArray> bytes;
    if (!QFileInfo::exists(path))
        refusal =
            QStringLiteral("ファイル \"%1\" が見つかりません。移動または削除された可能性があります。").arg(Shown(path));
    else if (!textClean_)
        refusal =
            QStringLiteral("ファイル \"%1\" には読めなかった部分があるため、上書き保存すると元の内容が失われます。")
                .arg(Shown(path));
    else if (bytes = TextTools::EncodeTextFile(text, textFormat_); !bytes)
        refusal =
            QStringLiteral("入力エリアのテキストには、ファイル \"%1\" の文字コード（%2）では書けない文字があります。")
                .arg(Shown(path), TextTools::FormatDescription(textFormat_));
    if (refusal.isEmpty()) {
        WriteBytes(path, *bytes);
        return;
    }
    if (MessageSeam::Ask(window_, refusal + QStringLiteral("名前を付けて保存しますか？")))
        N29Click();
}

void TextFileCommands::N29Click()
{
    const QString text = InputAreaText(memo_);
    if (ULib::TrimBlanks(text).isEmpty())
        return;
    const QList<TextFileFormat> formats = TextTools::SaveFormatChoices(textFormat_);
    QStringList filters;
    for (const TextFileFormat &format : formats)
        filters << FormatFilter(format);
    FileDialogSeam::Request request{QStringLiteral("名前を付けて保存"), OpenFilePath(), filters.join(u";;"),
                                    QStringLiteral("txt")};
    request.selectedFilter = FormatFilter(textFormat_);
    const QString path = FileDialogSeam::SaveFileNameAndFilter(window_, request);
    if (path.isEmpty())
        return;
    const qsizetype chosen = filters.indexOf(request.selectedFilter);
    const TextFileFormat format = chosen >= 0 ? formats.at(chosen) : textFormat_;
    const std::optional<QByteArray> bytes = TextTools::EncodeTextFile(text, format);
    if (!bytes) {
        MessageSeam::Notify(
            window_, QStringLiteral("入力エリアのテキストには、選んだ文字コード（%1）では書けない文字があります。"
                                    "別の文字コードを選んでください。")
                         .arg(TextTools::FormatDescription(format)));
        return;
    }
    const QFileInfo info(path);
    const bool openFile =
        !textFileName_.isEmpty() && info.absoluteFilePath() == QFileInfo(OpenFilePath()).absoluteFilePath();
    // Another file is not replaced without asking, nor the open one when it did not read cleanly.
    if (info.exists() && !openFile &&
        !MessageSeam::Ask(window_, QStringLiteral("ファイル \"%1\" は既にあります。置き換えますか？").arg(Shown(path))))
        return;
    if (info.exists() && openFile && !textClean_ &&
        !MessageSeam::Ask(
            window_,
            QStringLiteral("ファイル \"%1\" を上書きすると、読めなかった部分は元に戻せなくなります。上書きしますか？")
                .arg(Shown(path))))
        return;
    if (!WriteBytes(path, *bytes))
        return;
    textFolder_ = info.absolutePath();
    textFileName_ = info.fileName();
    textFormat_ = format;
    textClean_ = true;
    UpdateActions();
}

void TextFileCommands::N33Click()
{
    if (textModified_ && !MessageSeam::Ask(window_, ChangedQuestion()))
        return;
    memo_->clear();
    textFileName_.clear();
    textFormat_ = {};
    textClean_ = true;
    textModified_ = false;
    UpdateActions();
}
