#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

/// The single-instance lock: only a live copy ends a start; a folder that cannot hold the lock
/// is passed over, and with none at all the program runs without a lock.
class tst_SingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    /// A folder that no one, not even root, can create files in: its parent is a file.
    QString Impossible() const { return dir_.filePath("file/folder"); }

private slots:
    void initTestCase()
    {
        QFile file(dir_.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void secondCopyIsTurnedAway()
    {
        SingleInstanceLock first(QStringLiteral("instance"), {dir_.path()});
        QVERIFY(first.TryAcquire());
        QVERIFY(first.Held());
        SingleInstanceLock second(QStringLiteral("instance"), {dir_.path()});
        QVERIFY(!second.TryAcquire());
        // The second start learns which process runs, to show its window.
        QCOMPARE(second.HolderProcessId(), QCoreApplication::applicationPid());
    }

    void unusableFolderIsPassedOver()
    {
        SingleInstanceLock first(QStringLiteral("fallback"), {Impossible(), dir_.path()});
        QVERIFY(first.TryAcquire());
        QVERIFY(QFile::exists(dir_.filePath("fallback.lock")));
        SingleInstanceLock second(QStringLiteral("fallback"), {Impossible(), dir_.path()});
        QVERIFY(!second.TryAcquire());  // the fall-back still keeps a second copy out
    }

    void noPlaceForALockStillStarts()
    {
        SingleInstanceLock lock(QStringLiteral("nowhere"), {Impossible()});
        QVERIFY(lock.TryAcquire());
        QVERIFY(!lock.Held());
    }
};

QTEST_APPLESS_MAIN(tst_SingleInstance)
#include "tst_SingleInstance.moc"
