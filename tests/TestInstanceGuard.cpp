#include <QtTest>

#include "link/InstanceGuard.h"

namespace {

QString holderProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/guard_holder");
}

// Starts another program copy that claims the guard; its process id once it holds it, else 0.
qint64 startHolder(QProcess& holder, const QString& key)
{
    holder.start(holderProgram(), {key});
    if (!QTest::qWaitFor([&holder] { return holder.canReadLine(); }, 5000))
        return 0;
    const QByteArray line = holder.readLine().trimmed();
    return line.startsWith("claimed ") ? line.mid(8).toLongLong() : 0;
}

} // namespace

// Two real program copies competing for the USB device.
class TestInstanceGuard : public QObject
{
    Q_OBJECT
    QString m_key;

private Q_SLOTS:
    void init()
    {
        static int keys = 0;
        m_key = QStringLiteral("KestrovaTestGuard_%1_%2").arg(QCoreApplication::applicationPid()).arg(++keys);
    }

    void secondCopyIsBlockedUntilTheFirstExits()
    {
        QProcess holder;
        const qint64 pid = startHolder(holder, m_key);
        QVERIFY(pid > 0);
        InstanceGuard guard(m_key);
        QVERIFY(!guard.claim());
        QCOMPARE(guard.note(),
                 QStringLiteral("The USB device is used by another copy of the program (process %1). Close it first.")
                     .arg(pid));

        holder.write("quit\n");
        QVERIFY(holder.waitForFinished(5000));
        QVERIFY(guard.claim());
        QVERIFY(guard.note().isEmpty());
        // Now this copy holds it and a further copy is turned away.
        QProcess third;
        third.start(holderProgram(), {m_key});
        QVERIFY(third.waitForFinished(5000));
        QCOMPARE(third.readAllStandardOutput().trimmed(), QByteArray("blocked"));
        guard.release();
    }

    void guardOfACrashedCopyIsTakenOver()
    {
        QProcess holder;
        QVERIFY(startHolder(holder, m_key) > 0);
        holder.kill(); // no chance to release the segment
        QVERIFY(holder.waitForFinished(5000));
        InstanceGuard guard(m_key);
        QVERIFY(guard.claim());
        QVERIFY(guard.isClaimed());
        guard.release();
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "TestInstanceGuard.moc"
