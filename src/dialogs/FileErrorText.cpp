#include "dialogs/FileErrorText.h"

#include <QDir>

QString FileErrorReasonText(const FileError &error)
{
    switch (error.reason) {
    case FileError::Reason::NotFound: return QStringLiteral("ファイルまたはフォルダーが見つかりません。");
    case FileError::Reason::PermissionDenied: return QStringLiteral("アクセスが拒否されました。");
    case FileError::Reason::NoSpace: return QStringLiteral("ディスクに空き容量がありません。");
    case FileError::Reason::ReadOnlyFileSystem: return QStringLiteral("読み取り専用のディスクには書き込めません。");
    case FileError::Reason::NotRegularFile: return QStringLiteral("通常のファイルではありません。");
    case FileError::Reason::Other: break;
    }
    return error.systemText;
}

QString FileErrorText(const FileError &error)
{
    const QString path = QDir::toNativeSeparators(error.path);
    const QString reason = FileErrorReasonText(error);
    switch (error.code) {
    case FileError::Code::CannotWrite: return QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(path, reason);
    case FileError::Code::TooLarge:
        return QStringLiteral("ファイル %1 は大きすぎるため、開きません。（%2 MB まで）")
            .arg(path)
            .arg(error.limit >> 20);
    case FileError::Code::Malformed: return QStringLiteral("ファイル %1 は読めない形式です。 %2 ").arg(path, reason);
    case FileError::Code::Missing:
    case FileError::Code::Unreadable: break;
    }
    return QStringLiteral("ファイル %1 は開けません。 %2 ").arg(path, reason);
}
