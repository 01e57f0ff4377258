#include <QtTest>

#include "link/InstanceGuard.h"

// The blocked second copy and its note are checked over the emulated bus in TestUsbLink.
class TestInstanceGuard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void guardOfACrashedCopyIsTakenOver()
    {
        const QString key = QStringLiteral("KestrovaTestGuard_%1").arg(QCoreApplication::applicationPid());
        QProcess holder;
        holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guard_holder"), {key});
        QVERIFY(QTest::qWaitFor([&holder] { return holder.canReadLine(); }, 5000));
        QVERIFY(holder.readLine().startsWith("claimed "));
        InstanceGuard guard(key);
        QVERIFY(!guard.claim());
        holder.kill(); // no chance to release the segment
        QVERIFY(holder.waitForFinished(5000));
        QVERIFY(guard.claim());
        guard.release();
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "TestInstanceGuard.moc"
