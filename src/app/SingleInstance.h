#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

/// Name that marks the running copy of the program.
inline const QString InstanceName = QStringLiteral("新しい時代に、いいところを復活させる");

/// A per-user named lock that lets a second copy of the program detect the first. A lock
/// left by a copy that was killed is taken over (its process no longer exists).
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString &name);

    /// True when this process now holds the lock; false when another copy runs.
    bool TryAcquire();

private:
    std::unique_ptr<QLockFile> lock_;
};
