#include <QtTest>

#include <chrono>
#include <cstring>
#include <thread>

#include "link/InstanceGuard.h"

namespace {

// A copy of guard_holder on the key, with its first line of output once it has one.
struct Holder
{
    Holder(const QString& key, const QStringList& options = {})
    {
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guard_holder"),
                      QStringList{key} + options);
        if (QTest::qWaitFor([this] { return process.canReadLine(); }, 5000))
            line = process.readLine().trimmed();
    }
    ~Holder()
    {
        process.write("quit\n");
        process.waitForFinished(5000);
    }

    QProcess process;
    QByteArray line;
};

} // namespace

// A live copy blocking another is checked over the emulated bus in TestUsbLink. Here the guard is
// left behind by a copy that was killed, naming no process or a running program that is not a copy
// (a process id given out again): the next copy takes it over at once.
class TestInstanceGuard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void staleGuardIsTakenOver_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("names the crashed copy") << QStringList();
        QTest::newRow("names no process") << QStringList{QStringLiteral("--record"), QStringLiteral("0")};
        // This test is a running program, and it is not a guard_holder.
        QTest::newRow("names another program")
            << QStringList{QStringLiteral("--record"), QString::number(QCoreApplication::applicationPid())};
    }

    void staleGuardIsTakenOver()
    {
        QFETCH(QStringList, options);
        const QString key = QStringLiteral("KestrovaTestGuard_%1").arg(QCoreApplication::applicationPid());
        {
            Holder crashed(key, options);
            QVERIFY2(crashed.line.startsWith("claimed "), crashed.line.constData());
            crashed.process.kill(); // no chance to release the guard
            QVERIFY(crashed.process.waitForFinished(5000));
        }
        const Holder next(key);
        QVERIFY2(next.line.startsWith("claimed "), next.line.constData());
    }

    // Another copy has just created the segment and not yet written its process id: it is not left behind.
    void claimUnderWayIsNotTakenOver()
    {
        const QString key = QStringLiteral("KestrovaTestGuardRace_%1").arg(QCoreApplication::applicationPid());
        QSharedMemory other(key);
        QVERIFY2(other.create(sizeof(qint64)), qPrintable(other.errorString()));
        const qint64 pid = QCoreApplication::applicationPid(); // a copy of this program, to the guard
        std::thread writesLate([&other, pid] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            other.lock();
            std::memcpy(other.data(), &pid, sizeof pid);
            other.unlock();
        });
        InstanceGuard guard(key);
        const bool claimed = guard.claim();
        writesLate.join();
        QVERIFY(!claimed);
        QVERIFY2(guard.note().contains(QString::number(pid)), qPrintable(guard.note()));
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "TestInstanceGuard.moc"
