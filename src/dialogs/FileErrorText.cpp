#include "dialogs/FileErrorText.h"

#include <QDir>

namespace {

QString Shown(const FileError &error)
{
    return QDir::toNativeSeparators(error.path);
}

qint64 LimitInMegabytes(const FileError &error)
{
    return error.limit >> 20;
}

}  // namespace

QString FileErrorReasonText(const FileError &error)
{
    switch (error.reason) {
    case FileError::Reason::NotFound: return QStringLiteral("ファイルまたはフォルダーが見つかりません。");
    case FileError::Reason::PermissionDenied: return QStringLiteral("アクセスが拒否されました。");
    case FileError::Reason::NoSpace: return QStringLiteral("ディスクに空き容量がありません。");
    case FileError::Reason::ReadOnlyFileSystem: return QStringLiteral("読み取り専用のディスクには書き込めません。");
    case FileError::Reason::NotRegularFile: return QStringLiteral("通常のファイルではありません。");
    case FileError::Reason::NotUtf8Text: return QStringLiteral("UTF-8 のテキストではありません。");
    case FileError::Reason::NotACharacterCode:
        return QStringLiteral("%1 行目に、数値でない5文字のコード「%2」があります。").arg(error.line).arg(error.detail);
    case FileError::Reason::Other: break;
    }
    return error.systemText;
}

QString FileErrorText(const FileError &error)
{
    const QString path = Shown(error);
    const QString reason = FileErrorReasonText(error);
    switch (error.code) {
    case FileError::Code::CannotWrite: return QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(path, reason);
    case FileError::Code::TooLarge:
        return QStringLiteral("ファイル %1 は大きすぎるため、開きません。（%2 MB まで）")
            .arg(path)
            .arg(LimitInMegabytes(error));
    case FileError::Code::Malformed: return QStringLiteral("ファイル %1 は読めない形式です。 %2 ").arg(path, reason);
    case FileError::Code::Missing:
    case FileError::Code::Unreadable: break;
    }
    return QStringLiteral("ファイル %1 は開けません。 %2 ").arg(path, reason);
}

QString TextFileErrorText(const FileError &error)
{
    if (error.code == FileError::Code::TooLarge)
        return QStringLiteral("ファイル \"%1\" は大きすぎるため、開けません。開けるテキストファイルは %2 MB までです。")
            .arg(Shown(error))
            .arg(LimitInMegabytes(error));
    if (error.code == FileError::Code::Unreadable && error.reason == FileError::Reason::NotRegularFile)
        return QStringLiteral("\"%1\" は通常のファイルではないため、開けません。").arg(Shown(error));
    return FileErrorText(error);
}

QString CardImportErrorText(const FileError &error)
{
    switch (error.code) {
    case FileError::Code::TooLarge:
        return QStringLiteral("ファイル %1 は大きすぎるため、取り込めません。（%2 MB まで）")
            .arg(Shown(error))
            .arg(LimitInMegabytes(error));
    case FileError::Code::Malformed:
        return QStringLiteral("ファイル %1 は取り込めません。\n%2").arg(Shown(error), FileErrorReasonText(error)) +
               (error.reason == FileError::Reason::NotUtf8Text
                    ? QStringLiteral("UTF-8 で保存し直してから取り込んで下さい。")
                    : QString());
    default: return FileErrorText(error);
    }
}

QString CardExportErrorText(const FileError &error)
{
    return QStringLiteral("ファイル %1 に書き出せませんでした。\n%2").arg(Shown(error), FileErrorReasonText(error));
}

QString CandidateFileErrorText(const FileError &error)
{
    if (error.code == FileError::Code::Malformed && error.reason == FileError::Reason::NotACharacterCode)
        return QStringLiteral("発音記号の候補ファイル %1 の %2 行目に、数値でない5文字のコード「%3」があります。"
                              "この行から後は読み込まれませんでした。")
            .arg(Shown(error))
            .arg(error.line)
            .arg(error.detail);
    return FileErrorText(error);
}

QString ParameterFileErrorText(const FileError &error)
{
    return QStringLiteral("設定ファイルを保存できませんでした。\n%1\n%2").arg(Shown(error), FileErrorReasonText(error));
}

QString VersionMarkerErrorText(const FileError &error)
{
    return QStringLiteral("起動記録ファイルを書き込めませんでした。\n%1\n%2\n"
                          "次回の起動時にもサンプルのインストールを行います。")
        .arg(Shown(error), FileErrorReasonText(error));
}

QString TransferFileErrorText(const FileError &error)
{
    return QStringLiteral("転送用のファイルを書き込めませんでした。\n%1\n%2")
        .arg(Shown(error), FileErrorReasonText(error));
}

QString UnreadableBooksText(const QList<FileError> &errors)
{
    QString text = QStringLiteral("次の単語帳は読めなかったため、検索していません。");
    for (const FileError &error : errors) {
        QString reason = error.code == FileError::Code::TooLarge
                             ? QStringLiteral("%1 MB を超えています").arg(LimitInMegabytes(error))
                             : FileErrorReasonText(error);
        // The reason stands in brackets after the path, without a sentence's full stop.
        if (reason.endsWith(u'。'))
            reason.chop(1);
        text += u'\n' + Shown(error) + QStringLiteral("（") + reason + QStringLiteral("）");
    }
    return text;
}
