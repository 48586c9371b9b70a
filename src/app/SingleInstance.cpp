#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString LockFolder()
{
    // The runtime folder is private to the logged-on user; the temporary folder, shared by
    // all users on some systems, is only the fall-back.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString &name)
    : lock_(std::make_unique<QLockFile>(LockFolder() + u'/' + name + QStringLiteral(".lock")))
{
    // Never treat a lock as stale by its age: only a dead owner makes it stale.
    lock_->setStaleLockTime(0);
}

bool SingleInstanceLock::TryAcquire()
{
    return lock_->tryLock(0);
}
