#include <QtTest>

#include <QSemaphore>
#include <QTemporaryDir>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"

// The file service with the real worker over the stand-in device: what the files page receives.
class TestFileService : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<SimFixture::RunningStack>(std::make_shared<SimDevice>());
        m_done = std::make_unique<QSignalSpy>(&m_rig->stack.files(), &FileService::taskDone);
        m_seen = 0;
        m_rig->stack.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_rig->stack.worker().isConnected(), 5000);
        DeviceProtocol& protocol = m_rig->stack.protocol();
        QVERIFY(m_rig->stack.worker().post([&protocol] { protocol.auth("1234"); }));
        QTRY_VERIFY_WITH_TIMEOUT(m_rig->device->pinAccepted(), 5000);
        m_local = m_dir.filePath("local.cfg");
        QFile file(m_local);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(500, 'u')) == 500);
    }

    void cleanup()
    {
        m_done.reset();
        m_rig.reset();
    }

    void operationsReportOnTheWindowThread()
    {
        FileService& files = m_rig->stack.files();
        SimFileSystem& fs = m_rig->device->files();
        QSignalSpy cleared(&files, &FileService::filesCleared);
        QSignalSpy entries(&files, &FileService::fileEntry);
        QList<QThread*> threads;
        connect(&files, &FileService::writeUpdate, this, [&threads] { threads << QThread::currentThread(); });
        const auto listEnded = [&entries] {
            return !entries.isEmpty() && !entries.last().at(0).value<QSharedPointer<EfsFile>>();
        };

        files.requestFileList();
        QTRY_VERIFY_WITH_TIMEOUT(listEnded(), 5000);
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(entries.size(), fs.files().size() + 1);

        // An upload, then the list refresh it asks for, which comes before the result.
        entries.clear();
        files.fileUpload(m_local, "new.cfg", false);
        QCOMPARE(nextResult(), 0);
        QCOMPARE(fs.file("new.cfg")->data, QByteArray(500, 'u'));
        QVERIFY(!threads.isEmpty());
        QVERIFY(
            std::all_of(threads.cbegin(), threads.cend(), [](QThread* t) { return t == QThread::currentThread(); }));
        QCOMPARE(cleared.count(), 2);
        QVERIFY(listEnded());

        const uint16_t id = fs.file("new.cfg")->id;
        files.fileRenameAsync(id, "renamed.cfg");
        QCOMPARE(nextResult(), 0);
        QVERIFY(fs.file("renamed.cfg"));
        files.fileDeleteMany({id});
        QCOMPARE(nextResult(), 0);
        QVERIFY(!fs.file("renamed.cfg"));
    }

    void abortSkipsTheTasksQueuedSoFar()
    {
        FileService& files = m_rig->stack.files();
        // Hold the worker while the tasks queue up behind it.
        QSemaphore release;
        QVERIFY(m_rig->stack.worker().post([&release] { release.acquire(); }));
        files.fileUpload(m_local, "first.cfg", false);
        files.fileUpload(m_local, "second.cfg", false);
        files.abortTransfer();
        files.fileUpload(m_local, "third.cfg", false);
        release.release();

        for (int i = 0; i < 3; ++i)
            QCOMPARE(nextResult(), 0);
        SimFileSystem& fs = m_rig->device->files();
        QVERIFY(!fs.file("first.cfg"));
        QVERIFY(!fs.file("second.cfg"));
        QCOMPARE(fs.file("third.cfg")->data, QByteArray(500, 'u')); // the cancel ends with the tasks before it
    }

    void uploadQueuedDuringAWaitRunsAfterIt()
    {
        // While an upload waits for the device the worker serves its queue; an upload asked for meanwhile
        // keeps its place behind it rather than being dropped, so each result answers its own request.
        SimLink& link = *m_rig->link;
        link.setResumes(true);
        FileService& files = m_rig->stack.files();
        const QString big = m_dir.filePath("big.bin");
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(6000, 'b')) == 6000);
        file.close();
        int writes = 0;
        link.setRequestObserver([&link, &writes](uint8_t cmd, const QByteArray&) {
            if (cmd == Cmd::EFS_FILE_WRITE && ++writes == 20)
                link.unplugAtExchange(1, 1500);
        });
        bool queued = false;
        connect(&files, &FileService::taskState, this, [this, &files, &queued](int state) {
            if (state == 1 && !std::exchange(queued, true))
                files.fileUpload(m_local, "second.cfg", false);
        });
        files.fileUpload(big, "first.bin", false);
        QCOMPARE(nextResult(), 0);
        QVERIFY(queued);
        QCOMPARE(nextResult(), 0);
        SimFileSystem& fs = m_rig->device->files();
        QCOMPARE(fs.file("first.bin")->data, QByteArray(6000, 'b'));
        QCOMPARE(fs.file("second.cfg")->data, QByteArray(500, 'u'));
        link.setRequestObserver({});
    }

private:
    // Waits for the next taskDone not looked at yet and returns its result.
    int nextResult()
    {
        if (!QTest::qWaitFor([&] { return m_done->count() > m_seen; }, 15000))
            return INT_MIN;
        return m_done->at(m_seen++).at(0).toInt();
    }

    std::unique_ptr<SimFixture::RunningStack> m_rig;
    std::unique_ptr<QSignalSpy> m_done;
    int m_seen = 0;
    QTemporaryDir m_dir;
    QString m_local;
};

QTEST_GUILESS_MAIN(TestFileService)
#include "TestFileService.moc"
