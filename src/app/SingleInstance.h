#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

/// Name that marks the running copy of the program.
inline const QString InstanceName = QStringLiteral("新しい時代に、いいところを復活させる");

/// A per-user named lock that lets a second copy of the program detect the first. A lock
/// left by a copy that was killed is taken over (its process no longer exists).
class SingleInstanceLock
{
public:
    /// A lock in the user's runtime folder, else in the temporary folder.
    explicit SingleInstanceLock(const QString &name);
    /// A lock in the first of these folders that can hold one.
    SingleInstanceLock(const QString &name, QStringList folders);
    ~SingleInstanceLock();

    /// False only when another live copy holds the lock. A lock that cannot be created at all
    /// (no writable runtime or temporary folder) does not stop the program: it then runs
    /// without one.
    bool TryAcquire();
    /// This process holds the lock.
    bool Held() const { return lock_ != nullptr; }
    /// The process of the live copy whose lock turned this one away; 0 when unknown.
    qint64 HolderProcessId() const { return holder_; }

private:
    QString name_;
    QStringList folders_;
    qint64 holder_ = 0;
    std::unique_ptr<QLockFile> lock_;
};
