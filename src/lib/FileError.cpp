#include "lib/FileError.h"

#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

FileError FileError::FromSystem(Code code, const QString &path, const QString &systemText)
{
    FileError error = Because(code, path, ReasonOfSystemText(systemText));
    error.systemText = systemText;
    return error;
}

FileError FileError::Because(Code code, const QString &path, Reason reason)
{
    FileError error;
    error.code = code;
    error.path = path;
    error.reason = reason;
    return error;
}

FileError FileError::CannotRead(const QFileDevice &file)
{
    // A link to nowhere exists as a name but cannot be opened: it is missing too.
    const Code code = QFileInfo::exists(file.fileName()) ? Code::Unreadable : Code::Missing;
    return FromSystem(code, file.fileName(), file.errorString());
}

FileError FileError::CannotWrite(const QFileDevice &file)
{
    return FromSystem(Code::CannotWrite, file.fileName(), file.errorString());
}

FileError FileError::TooLargeFile(const QString &path, qint64 limit)
{
    FileError error = Because(Code::TooLarge, path, Reason::Other);
    error.limit = limit;
    return error;
}

FileError::Reason ReasonOfSystemText(const QString &systemText)
{
    // Qt words a file error with qt_error_string(errno), which has English texts of its own
    // for some codes and the C library's (maybe translated) strerror for the rest; both are
    // compared, so the case is found whatever the locale.
    struct Known {
        int code;
        FileError::Reason reason;
    };
    static const Known known[] = {
        {ENOENT, FileError::Reason::NotFound},         {ENOTDIR, FileError::Reason::NotFound},
        {EACCES, FileError::Reason::PermissionDenied}, {EPERM, FileError::Reason::PermissionDenied},
        {ENOSPC, FileError::Reason::NoSpace},          {EROFS, FileError::Reason::ReadOnlyFileSystem},
        {EISDIR, FileError::Reason::NotRegularFile},
    };
    if (systemText.isEmpty())
        return FileError::Reason::Other;
    for (const Known &k : known) {
        const QString qtText = qt_error_string(k.code);
        const QString cText = QString::fromLocal8Bit(std::strerror(k.code));
        if ((!qtText.isEmpty() && systemText.contains(qtText, Qt::CaseInsensitive)) ||
            (!cText.isEmpty() && systemText.contains(cText, Qt::CaseInsensitive)))
            return k.reason;
    }
    return FileError::Reason::Other;
}
