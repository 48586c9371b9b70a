#pragma once

#include <QString>

class QFileDevice;

/// What went wrong with a file: what failed, which file, and the system's reason. The core's
/// readers and writers return it; the user interface words it in Japanese in one place.
struct FileError {
    enum class Code {
        Missing,      ///< no such file
        TooLarge,     ///< larger than the reader takes
        Unreadable,   ///< could not be opened or read (a folder, a device, no permission …)
        CannotWrite,  ///< could not be created, written or replaced
        Malformed,    ///< read, but its content is not what the reader takes
    };
    /// The system's reason, sorted into the cases the user is told in Japanese; for Malformed,
    /// what the reader found.
    enum class Reason {
        Other,               ///< systemText says it
        NotFound,            ///< the file or a folder on its path does not exist
        PermissionDenied,    ///< no right to read or write it
        NoSpace,             ///< the disk is full
        ReadOnlyFileSystem,  ///< the disk is mounted read-only
        NotRegularFile,      ///< a folder, a named pipe or a device
        NotUtf8Text,         ///< Malformed: the bytes are not UTF-8
        NotACharacterCode,   ///< Malformed: a five-character field (detail) is no decimal code
    };

    Code code = Code::Unreadable;
    QString path;
    Reason reason = Reason::Other;
    QString systemText;  ///< the system's own words (QFileDevice::errorString), maybe English
    qint64 limit = 0;    ///< TooLarge: the largest size the reader takes, in bytes
    int line = 0;        ///< Malformed: the line (from 1) the reader stopped at; 0 for none
    QString detail;      ///< Malformed: the text the reader could not take

    /// An error whose reason is read from the system's words for it.
    static FileError FromSystem(Code code, const QString &path, const QString &systemText);
    /// An error with a reason of the program's own.
    static FileError Because(Code code, const QString &path, Reason reason);
    /// A file that could not be opened or read: Missing when it does not exist, else Unreadable.
    static FileError CannotRead(const QFileDevice &file);
    /// A file that could not be created, written or replaced (a QFile or a QSaveFile).
    static FileError CannotWrite(const QFileDevice &file);
    /// A file larger than limit bytes.
    static FileError TooLargeFile(const QString &path, qint64 limit);
};

/// The case of a system error text that QFileDevice::errorString() gave: the texts that the
/// C library and Qt use for ENOENT and ENOTDIR (a folder on the path is missing or a file),
/// EACCES/EPERM, ENOSPC, EROFS and EISDIR; Other for any other.
FileError::Reason ReasonOfSystemText(const QString &systemText);
