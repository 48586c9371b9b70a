#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace {

/// Where the lock may lie, in order: the runtime folder is private to the logged-on user; the
/// temporary folder, shared by all users on some systems, is only the fall-back.
QStringList LockFolders()
{
    QStringList folders;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        folders << runtime;
    folders << QDir::tempPath();
    return folders;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString &name) : SingleInstanceLock(name, LockFolders()) {}

SingleInstanceLock::SingleInstanceLock(const QString &name, QStringList folders)
    : name_(name), folders_(std::move(folders))
{
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::TryAcquire()
{
    for (const QString &folder : folders_) {
        auto lock = std::make_unique<QLockFile>(folder + u'/' + name_ + QStringLiteral(".lock"));
        // Never treat a lock as stale by its age: only a dead owner makes it stale.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            lock_ = std::move(lock);
            return true;
        }
        if (lock->error() == QLockFile::LockFailedError) {
            lock->getLockInfo(&holder_, nullptr, nullptr);
            return false;  // a live copy holds it
        }
        // This folder cannot hold a lock (missing, read-only, full): try the next one.
    }
    return true;  // nowhere to put a lock: the program starts without one
}
