#include "lib/FileError.h"

#include <cerrno>
#include <cstring>

FileError FileError::FromSystem(Code code, const QString &path, const QString &systemText)
{
    return {code, path, ReasonOfSystemText(systemText), systemText};
}

FileError FileError::Because(Code code, const QString &path, Reason reason)
{
    return {code, path, reason, {}};
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
        {ENOENT, FileError::Reason::NotFound},          {EACCES, FileError::Reason::PermissionDenied},
        {EPERM, FileError::Reason::PermissionDenied},   {ENOSPC, FileError::Reason::NoSpace},
        {EROFS, FileError::Reason::ReadOnlyFileSystem},
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
