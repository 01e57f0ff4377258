#include <QtTest>

#include <QSemaphore>
#include <QTemporaryDir>

#include "link/DeviceProtocol.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"
#include "worker/DeviceStack.h"

// The file service with the real worker over the stand-in device: what the files page receives.
class TestFileService : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void operationsReportOnTheWindowThread();
    void abortSkipsTheTasksQueuedSoFar();
    void tasksWithoutDeviceAreDropped();

private:
    // Waits for the next taskDone not looked at yet and returns its result.
    int nextResult();
    QStringList listed(QSignalSpy& entries) const;

    std::unique_ptr<DeviceStack> m_stack;
    SimLink* m_link = nullptr;
    std::unique_ptr<QSignalSpy> m_done;
    int m_seen = 0;
    QTemporaryDir m_dir;
};

void TestFileService::init()
{
    DeviceStack::Options options;
    options.usbGuardKey = QStringLiteral("KestrovaTest_FileService_%1").arg(QCoreApplication::applicationPid());
    m_stack = std::make_unique<DeviceStack>(options);
    m_link = &static_cast<SimLink&>(m_stack->addTransport(QStringLiteral("sim"), QStringLiteral("Sim"),
                                                          std::make_unique<SimLink>(std::make_shared<SimDevice>())));
    QVERIFY(m_stack->transports().select(QStringLiteral("sim")));
    m_done = std::make_unique<QSignalSpy>(&m_stack->files(), &FileService::taskDone);
    m_seen = 0;
    m_stack->start();
    QTRY_VERIFY_WITH_TIMEOUT(m_stack->worker().isConnected(), 5000);
    DeviceProtocol& protocol = m_stack->protocol();
    QVERIFY(m_stack->worker().post([&protocol] { protocol.auth("1234"); }));
    QTRY_VERIFY_WITH_TIMEOUT(m_link->device().pinAccepted(), 5000);
}

void TestFileService::cleanup()
{
    m_done.reset();
    m_stack.reset();
}

int TestFileService::nextResult()
{
    if (!QTest::qWaitFor([&] { return m_done->count() > m_seen; }, 5000))
        return INT_MIN;
    return m_done->at(m_seen++).at(0).toInt();
}

QStringList TestFileService::listed(QSignalSpy& entries) const
{
    QStringList names;
    for (const auto& args : entries) {
        const auto entry = args.at(0).value<QSharedPointer<EfsFile>>();
        names << (entry ? entry->name : QStringLiteral("end"));
    }
    entries.clear();
    return names;
}

void TestFileService::operationsReportOnTheWindowThread()
{
    FileService& files = m_stack->files();
    SimFileSystem& fs = m_link->device().files();
    QSignalSpy cleared(&files, &FileService::filesCleared);
    QSignalSpy entries(&files, &FileService::fileEntry);
    QSignalSpy started(&files, &FileService::taskFile);
    QSignalSpy written(&files, &FileService::writeEnd);
    QSignalSpy read(&files, &FileService::readUpdate);
    QSignalSpy log(&files, &FileService::taskLog);
    QList<QThread*> threads;
    connect(&files, &FileService::writeUpdate, this, [&threads] { threads << QThread::currentThread(); });

    files.requestFileList();
    QTRY_VERIFY_WITH_TIMEOUT(!entries.isEmpty() && !entries.last().at(0).value<QSharedPointer<EfsFile>>(), 5000);
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(listed(entries).size(), fs.files().size() + 1);

    // An upload, then the list refresh it asks for.
    const QByteArray content(500, 'u');
    const QString local = m_dir.filePath("new.cfg");
    QFile file(local);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    files.fileUpload(local, "new.cfg", false);
    QCOMPARE(nextResult(), 0);
    QCOMPARE(fs.file("new.cfg")->data, content);
    QCOMPARE(started.count(), 1);
    QCOMPARE(written.count(), 1);
    QCOMPARE(written[0][1].toInt(), 500);
    QVERIFY(!threads.isEmpty());
    QVERIFY(std::all_of(threads.cbegin(), threads.cend(), [](QThread* t) { return t == QThread::currentThread(); }));
    QCOMPARE(cleared.count(), 2); // the refresh comes before the result
    QVERIFY(listed(entries).contains("new.cfg"));

    const uint16_t id = fs.file("new.cfg")->id;
    files.fileRenameAsync(id, "renamed.cfg");
    QCOMPARE(nextResult(), 0);
    QVERIFY(fs.file("renamed.cfg"));

    files.fileDownload({{id, "renamed.cfg", 500, m_dir.filePath("down.cfg")}});
    QCOMPARE(nextResult(), 0);
    QFile down(m_dir.filePath("down.cfg"));
    QVERIFY(down.open(QIODevice::ReadOnly));
    QCOMPARE(down.readAll(), content);
    QCOMPARE(read.last().at(1).toInt(), 500);

    files.fileDeleteMany({id});
    QCOMPARE(nextResult(), 0);
    QVERIFY(!fs.file("renamed.cfg"));

    // The log lines of a task reach the page too.
    fs.addFile("x.tm_", "in the way");
    files.fileUpload(local, "x.tmp", false);
    QCOMPARE(nextResult(), -3);
    QCOMPARE(log.last().at(0).toString(),
             QStringLiteral("The temporary name 'x.tm_' is already used on the device. Delete that file first."));
}

void TestFileService::abortSkipsTheTasksQueuedSoFar()
{
    FileService& files = m_stack->files();
    SimFileSystem& fs = m_link->device().files();
    const QString local = m_dir.filePath("queued.cfg");
    QFile file(local);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("queued") == 6);
    file.close();

    // Hold the worker while the tasks queue up behind it.
    QSemaphore release;
    QVERIFY(m_stack->worker().post([&release] { release.acquire(); }));
    files.fileUpload(local, "first.cfg", false);
    files.fileUpload(local, "second.cfg", false);
    files.abortTransfer();
    files.fileUpload(local, "third.cfg", false);
    release.release();

    QCOMPARE(nextResult(), 0);
    QCOMPARE(nextResult(), 0);
    QCOMPARE(nextResult(), 0);
    QVERIFY(!fs.file("first.cfg"));
    QVERIFY(!fs.file("second.cfg"));
    QCOMPARE(fs.file("third.cfg")->data, QByteArray("queued")); // the cancel ends with the tasks before it
}

void TestFileService::tasksWithoutDeviceAreDropped()
{
    m_link->device().unplug();
    QTRY_VERIFY_WITH_TIMEOUT(!m_stack->worker().isConnected(), 5000);
    m_stack->files().fileDeleteMany({1});
    QCOMPARE(nextResult(), -4);
}

QTEST_GUILESS_MAIN(TestFileService)
#include "TestFileService.moc"
