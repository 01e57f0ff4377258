#include <QtTest>

#include "link/InstanceGuard.h"
#include "link/UsbLink.h"

// Two real program copies competing for the USB device.
class TestInstanceGuard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void secondCopyIsBlockedUntilTheFirstExits();
    void guardOfACrashedCopyIsTakenOver();

private:
    // Starts a holder process and returns its process id once it holds the guard.
    qint64 startHolder(QProcess& holder, const QString& key);
    QString uniqueKey() const
    {
        return QStringLiteral("KestrovaTestGuard_%1_%2").arg(QCoreApplication::applicationPid()).arg(++m_keys);
    }
    mutable int m_keys = 0;
};

qint64 TestInstanceGuard::startHolder(QProcess& holder, const QString& key)
{
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guard_holder"), {key});
    if (!holder.waitForStarted(5000))
        return 0;
    for (int i = 0; i < 50 && !holder.canReadLine(); ++i)
        holder.waitForReadyRead(100);
    const QByteArray line = holder.readLine().trimmed();
    if (!line.startsWith("claimed "))
        return 0;
    return line.mid(8).toLongLong();
}

void TestInstanceGuard::secondCopyIsBlockedUntilTheFirstExits()
{
    const QString key = uniqueKey();
    QProcess holder;
    const qint64 pid = startHolder(holder, key);
    QVERIFY(pid > 0);

    InstanceGuard guard(key);
    QVERIFY(!guard.claim());
    QCOMPARE(
        guard.note(),
        QStringLiteral("The USB device is used by another copy of the program (process %1). Close it first.").arg(pid));

    UsbLink link(key);
    if (link.isReady()) {
        QVERIFY(!link.open());
        QVERIFY(link.blockNote().contains(QString::number(pid)));
    }

    holder.write("quit\n");
    QVERIFY(holder.waitForFinished(5000));
    QVERIFY(guard.claim());
    QVERIFY(guard.note().isEmpty());

    // Now this copy holds it: a further copy is told this process id.
    QProcess third;
    third.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guard_holder"), {key});
    QVERIFY(third.waitForFinished(5000));
    QCOMPARE(third.readAllStandardOutput().trimmed(), QByteArray("blocked"));
    guard.release();
}

void TestInstanceGuard::guardOfACrashedCopyIsTakenOver()
{
    const QString key = uniqueKey();
    QProcess holder;
    QVERIFY(startHolder(holder, key) > 0);
    holder.kill(); // no chance to release the segment
    QVERIFY(holder.waitForFinished(5000));

    InstanceGuard guard(key);
    QVERIFY(guard.claim());
    QVERIFY(guard.isClaimed());
    guard.release();
}

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "TestInstanceGuard.moc"
