#include <QtTest>

#include <QRandomGenerator>
#include <QTemporaryDir>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "link/DeviceProtocol.h"
#include "sim/SimAudit.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"


// Uploads and downloads against the stand-in device, with faults on the link: what ends up on the
// device and on disk, and what the user is told. The batched link and the USB link's profile wait for a lost
// device.
using SimFixture::pattern;

class TestFileTransfers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_clock = std::make_shared<ManualClock>();
        m_device = std::make_shared<SimDevice>(m_clock);
        m_link = std::make_unique<SimLink>(m_device);
        m_link->setSleepClock(m_clock);
        QVERIFY(m_link->open());
        m_protocol = std::make_unique<DeviceProtocol>();
        m_protocol->setLink(m_link.get());
        m_protocol->setDeviceWait(30 * 60 * 1000, [clock = m_clock] { return clock->nowMs(); });
        QCOMPARE(m_protocol->auth("1234"), 0);
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());

        m_log = m_messages = m_questions = {};
        m_states.clear();
        m_answer = true;
        m_protocol->setQuestion([this](const QString& title, const QString& text) {
            m_questions << title + '|' + text;
            return m_answer;
        });
        connect(m_protocol.get(), &DeviceProtocol::eventLog, this, [this](const QString& text) { m_log << text; });
        connect(m_protocol.get(), &DeviceProtocol::uiShowMessage, this,
                [this](const QString& title, const QString& text) { m_messages << title + '|' + text; });
        connect(m_protocol.get(), &DeviceProtocol::uiFileTaskState, this, [this](int state) { m_states << state; });
    }

    void uploads_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("oldSize"); // -1: no old file
        QTest::addColumn<int>("newSize");
        QTest::addColumn<QString>("temporary");
        QTest::newRow("new file") << "settings.cfg" << -1 << 5000 << "settings.tmp";
        QTest::newRow("empty replaces the old file") << "settings.cfg" << 3000 << 0 << "settings.tmp";
        QTest::newRow("one chunk") << "X.TMP" << 100 << 57 << "X.tm_";
        QTest::newRow("two dots") << "a.b.c" << -1 << 300 << "a.b.tmp";
        QTest::newRow("only a leading dot") << ".alg" << 100 << 300 << ".alg.tmp";
        // The rename to a name that long is refused before it is sent, and the upload stays as it is.
        QTest::newRow("30 characters") << "abcdefghijklmnopqrstuvwxyz0123" << -1 << 300 << "abcdefghijklmnopqrstu.tmp";
    }

    void uploads()
    {
        QFETCH(QString, target);
        QFETCH(int, oldSize);
        QFETCH(int, newSize);
        QFETCH(QString, temporary);
        SimFileSystem& fs = m_device->files();
        if (oldSize >= 0)
            fs.addFile(target.toLatin1(), pattern(oldSize, 3));
        const QByteArray content = pattern(newSize, 4);
        const bool renamed = target.size() <= 25;
        if (!renamed)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("fileRename: new name it too large"));
        fs.clearRequests();
        QCOMPARE(upload(target, content), renamed ? 0 : 1);
        const auto sent = fs.requests();
        const auto created = std::find_if(sent.cbegin(), sent.cend(),
                                          [](const auto& request) { return request.first == Cmd::EFS_FILE_CREATE; });
        QCOMPARE(created->second, temporary.toLatin1().leftJustified(25, '\0'));
        QCOMPARE(fs.file((renamed ? target : temporary).toLatin1())->data, content);
        QCOMPARE(bool(fs.file(temporary.toLatin1())), !renamed);
        QCOMPARE(m_messages, renamed ? QStringList()
                                     : QStringList("Upload failed|The file is uploaded but could not be "
                                                   "renamed. It stays on the device as '" +
                                                   temporary + "'."));
    }

    void failedUploadsKeepTheDeviceFiles()
    {
        SimFileSystem& fs = m_device->files();
        // The old file may not be deleted: it stays, and so does nothing else.
        const QByteArray boot = fs.file("boot.alg")->data;
        QCOMPARE(upload("boot.alg", pattern(700, 5), true), 5);
        QCOMPARE(messages(), QStringList("File error|fileUnlink: error 5 (Access denied)"));
        QCOMPARE(fs.file("boot.alg")->data, boot);
        QVERIFY(!fs.file("boot.tmp"));

        // The local file grows while it is sent (another program still writing it): the device got
        // something other than the file that was chosen, so the old file stays.
        fs.addFile("grow.cfg", pattern(300, 7));
        m_link->setRequestObserver([this](uint8_t cmd, const QByteArray&) {
            QFile local(m_dir->filePath(QStringLiteral("up-grow.cfg")));
            if (cmd == Cmd::EFS_FILE_CREATE && local.open(QIODevice::Append))
                local.write("late");
        });
        QCOMPARE(upload("grow.cfg", pattern(500, 8)), FileResult::Shown);
        m_link->setRequestObserver({});
        QCOMPARE(messages(), QStringList("Upload failed|'grow.tmp' on the device has 504 bytes, the local file has "
                                         "500. The old file is kept."));
        QCOMPARE(fs.file("grow.cfg")->data, pattern(300, 7));
        QVERIFY(!fs.file("grow.tmp"));

        fs.setShortWrites(true);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("upload 's.tmp' not complete \\(ret=-1003\\), delete partial "
                                                "file fn_id=\\d+"));
        QCOMPARE(upload("s.cfg", pattern(500, 6)), FileResult::Shown);
        QCOMPARE(messages(), QStringList("File transfer failed|The device wrote 56 of 57 bytes at byte 0."));
        QVERIFY(!fs.file("s.tmp"));
        QVERIFY(!fs.file("s.cfg"));
    }

    void oldFileDeletedThenDeviceGone()
    {
        // The answer to the old file's deletion is lost and the device goes: the new file, already complete
        // under the temporary name, is never deleted while the old one may be gone.
        m_link->setBatched(true);
        SimFileSystem& fs = m_device->files();
        fs.addFile("keep.bin", pattern(2000, 16));
        connect(m_protocol.get(), &DeviceProtocol::uiFileWriteEnd, this, [this] {
            m_link->dropRepliesAtExchange(2, 1);
            m_link->unplugAtExchange(3);
        });
        const QByteArray content = pattern(3000, 17);
        QCOMPARE(upload("keep.bin", content), -4);
        m_device->plug();
        QVERIFY(!fs.file("keep.bin"));
        QCOMPARE(fs.file("keep.tmp")->data, content);
        QCOMPARE(m_messages, QStringList("Upload failed|The file is uploaded but could not be renamed. It stays on the "
                                         "device as 'keep.tmp'."));
    }

    void retriedFramesRunAgain_data()
    {
        QTest::addColumn<bool>("isUpload");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("nth"); // the request of that command whose answer is lost
        QTest::addColumn<bool>("reruns");
        QTest::addColumn<bool>("seeks");
        QTest::newRow("deletion of the old file") << true << int(Cmd::EFS_FILE_UNLINK) << 1 << true << true;
        QTest::newRow("creation of the temporary file") << true << int(Cmd::EFS_FILE_CREATE) << 1 << true << true;
        QTest::newRow("a write in the middle") << true << int(Cmd::EFS_FILE_WRITE) << 3 << true << true;
        QTest::newRow("the last write") << true << int(Cmd::EFS_FILE_WRITE) << 6 << true << true;
        QTest::newRow("a read") << false << int(Cmd::EFS_FILE_READ) << 3 << true << true;
        // Firmware without seek that answers a retry from its last reply: nothing to mend, nothing to fail.
        QTest::newRow("a write, no seek") << true << int(Cmd::EFS_FILE_WRITE) << 3 << false << false;
        QTest::newRow("a read, no seek") << false << int(Cmd::EFS_FILE_READ) << 3 << false << false;
    }

    void retriedFramesRunAgain()
    {
        // Firmware that runs a retried frame again: one lost answer makes the device carry a command out twice.
        QFETCH(bool, isUpload);
        QFETCH(int, cmd);
        QFETCH(int, nth);
        QFETCH(bool, reruns);
        QFETCH(bool, seeks);
        m_device->setRerunsRetries(reruns);
        SimFileSystem& fs = m_device->files();
        fs.setSeekSupported(seeks);
        const QByteArray old = pattern(400, 20);
        const QByteArray content = pattern(300, 21); // six writes, the last of 15 bytes
        fs.addFile("r.bin", isUpload ? old : content);
        int seen = 0;
        m_link->setRequestObserver([this, &seen, cmd, nth](uint8_t sent, const QByteArray&) {
            if (sent == cmd && ++seen == nth)
                m_link->dropRepliesNext(1);
        });
        QByteArray local;
        QCOMPARE(transfer(isUpload, "r.bin", content, &local), 0);
        QCOMPARE(seen >= nth, true);
        QCOMPARE(fs.file("r.bin")->data, content);
        QVERIFY(!fs.file("r.tmp"));
        if (!isUpload)
            QCOMPARE(local, content);
        QCOMPARE(m_messages, QStringList());
    }

    void cancelHalfway_data()
    {
        QTest::addColumn<bool>("isUpload");
        QTest::newRow("upload") << true;
        QTest::newRow("download") << false;
    }
    void cancelHalfway()
    {
        QFETCH(bool, isUpload);
        SimFileSystem& fs = m_device->files();
        const QByteArray old = fs.file("alarm.wav")->data;
        int last = 0;
        const auto halfway = [this, &last](uint16_t, int bytes) {
            last = bytes;
            if (bytes >= 6000)
                m_protocol->abortTransfer();
        };
        connect(m_protocol.get(), &DeviceProtocol::uiFileWriteUpdate, this, halfway);
        connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, halfway);
        if (isUpload)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'alarm.tmp' not complete \\(ret=-1002\\)"));

        QByteArray local;
        QCOMPARE(transfer(isUpload, "alarm.wav", pattern(12000, 7), &local), 0);
        QVERIFY(last >= 6000 && last < 6100);
        QCOMPARE(fs.file("alarm.wav")->data, old);
        QVERIFY(!fs.file("alarm.tmp"));
        if (!isUpload)
            QVERIFY(local.isEmpty()); // no partial file
        QVERIFY(m_messages.isEmpty());
    }

    void failedDownloadKeepsTheLocalFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused at open") << "open" << 4 << "File error|file Open: error 4 (Not found)";
        QTest::newRow("lost link") << "lost" << -4
                                   << "File transfer failed|The link to the device failed while reading the file";
        QTest::newRow("shorter than listed")
            << "short" << FileResult::Shown
            << "Download failed|'d.bin' has 1000 bytes on the device, the downloaded file has 600.";
        QTest::newRow("cancelled") << "cancel" << 0 << "";
        // The read stops one chunk past the listed size: nothing of it reaches the disk.
        QTest::newRow("longer than listed")
            << "long" << FileResult::Shown
            << "Download failed|The device sends more than the 300 bytes listed for 'd.bin'. The "
               "download is stopped.";
    }

    void failedDownloadKeepsTheLocalFile()
    {
        QFETCH(QString, fault);
        QFETCH(int, result);
        QFETCH(QString, message);
        SimFileSystem& fs = m_device->files();
        const uint16_t id = fs.addFile("d.bin", pattern(600, 8));
        const QString path = localFile("d.bin", "the earlier copy");
        uint32_t listed = 600;
        if (fault == "open")
            fs.removeFile("d.bin");
        else if (fault == "lost")
            loseDeviceAt(5 * 56, -1);
        else if (fault == "short")
            listed = 1000;
        else if (fault == "long")
            listed = 300;
        else
            connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, [this] { m_protocol->abortTransfer(); });
        fs.clearRequests();

        QCOMPARE(m_protocol->fileRead({{id, "d.bin", listed, path}}), result);
        QCOMPARE(m_messages, message.isEmpty() ? QStringList() : QStringList(message));
        QFile local(path);
        QVERIFY(local.open(QIODevice::ReadOnly));
        QCOMPARE(local.readAll(), QByteArray("the earlier copy"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList("d.bin"));
        if (fault == "long") {
            const auto sent = fs.requests();
            QCOMPARE(
                std::count_if(sent.cbegin(), sent.cend(), [](const auto& r) { return r.first == Cmd::EFS_FILE_READ; }),
                300 / 56 + 1);
        }
    }

    void downloadReplacesTheLocalFile()
    {
        localFile("down-alarm.wav", "the earlier copy");
        QByteArray local;
        QCOMPARE(download("alarm.wav", &local), 0);
        QCOMPARE(local, m_device->files().file("alarm.wav")->data);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList("down-alarm.wav"));
    }

    void lostLinkWithoutRecovery()
    {
        // On a link that does not resume, a lost device ends the transfer at once; the partial file it leaves is
        // reported.
        loseDeviceAt(4 * 57, -1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'big.tmp' not complete \\(ret=-4\\)"));
        QCOMPARE(upload("big.cfg", pattern(1000, 9)), -4);
        QCOMPARE(m_log.filter("The partial file 'big.tmp' could not be deleted from the device").size(), 1);
    }

    void usbProfileResumes_data()
    {
        QTest::addColumn<bool>("isUpload");
        QTest::addColumn<int>("lostAt");
        QTest::addColumn<int>("startupMs"); // of the file system once the device is back
        QTest::newRow("upload") << true << 30 * 57 << 0;
        QTest::newRow("download") << false << 30 * 56 << 0;
        QTest::newRow("upload, at its start") << true << 0 << 0;
        // Until its file system is up a restarted device's file looks gone.
        QTest::newRow("download, file system starting") << false << 30 * 56 << 4000;
    }

    void usbProfileResumes()
    {
        // The USB link's profile: no batched reads, yet a transfer waits for the device and goes on.
        QFETCH(bool, isUpload);
        QFETCH(int, lostAt);
        QFETCH(int, startupMs);
        m_link->setResumes(true);
        SimFileSystem& fs = m_device->files();
        fs.setStartupMs(startupMs);
        const QByteArray content = pattern(5000, 40);
        fs.addFile("u.bin", isUpload ? pattern(700, 41) : content);
        int opens = 0; // outlives the transfer that the observer watches
        if (lostAt > 0) {
            loseDeviceAt(lostAt, 2500);
        } else {
            m_link->setRequestObserver([this, &opens](uint8_t cmd, const QByteArray&) {
                if (cmd == Cmd::EFS_FILE_OPEN && ++opens == 1)
                    m_link->unplugAtExchange(1, 2500);
            });
        }
        fs.clearRequests();
        QByteArray local;
        QCOMPARE(transfer(isUpload, "u.bin", content, &local), 0);
        QCOMPARE(fs.file("u.bin")->data, content);
        QVERIFY(!fs.file("u.tmp"));
        if (!isUpload)
            QCOMPARE(local, content);
        QCOMPARE(m_states, QList<int>({1, 3}));
        QCOMPARE(m_log.filter("Device is back: PIN 1 is sent again").size(), 1);
        QCOMPARE(m_messages, QStringList());
        // Nothing is moved twice but the tail that is compared.
        qsizetype moved = 0;
        for (const auto& request : fs.requests())
            moved += request.first == Cmd::EFS_FILE_WRITE ? request.second.size() : 0;
        if (isUpload)
            QCOMPARE(moved, content.size());
    }

    void uploadCutLongerThanTheWaitGoesOnNextTime()
    {
        m_link->setResumes(true);
        m_protocol->setDeviceWait(5000, [clock = m_clock] { return clock->nowMs(); });
        SimFileSystem& fs = m_device->files();
        const QByteArray content = pattern(4000, 42);
        loseDeviceAt(20 * 57, -1);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'w.tmp' not complete"));
        QCOMPARE(upload("w.bin", content), -4);
        QCOMPARE(fs.file("w.tmp")->data, content.left(20 * 57));

        m_device->plug();
        QVERIFY(m_link->isOpen() || m_link->open());
        QCOMPARE(m_protocol->auth("1234"), 0);
        fs.clearRequests();
        QCOMPARE(upload("w.bin", content), 0);
        QCOMPARE(fs.file("w.bin")->data, content);
        QVERIFY(!fs.file("w.tmp"));
        QVERIFY(m_questions.isEmpty());
        qsizetype moved = 0;
        for (const auto& request : fs.requests())
            moved += request.first == Cmd::EFS_FILE_WRITE ? request.second.size() : 0;
        QCOMPARE(moved, content.size() - 20 * 57);
    }

    void partialFileOfAnEarlierRun_data()
    {
        const QByteArray content = pattern(3000, 30);
        QTest::addColumn<QByteArray>("partial"); // on the device under the temporary name
        QTest::addColumn<bool>("agree");         // to the question, when it is asked
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("result");
        QTest::newRow("the start of this file") << content.left(1200) << false << false << 0;
        QTest::newRow("empty") << QByteArray() << false << false << 0;
        QTest::newRow("all of it") << content << false << false << 0;
        QTest::newRow("another file, deleted") << pattern(1200, 31) << true << true << 0;
        QTest::newRow("another file, kept") << pattern(1200, 31) << false << true << FileResult::Shown;
        QTest::newRow("longer than this file") << content + "x" << true << true << 0;
    }

    void partialFileOfAnEarlierRun()
    {
        QFETCH(QByteArray, partial);
        QFETCH(bool, agree);
        QFETCH(bool, asked);
        QFETCH(int, result);
        const QByteArray content = pattern(3000, 30);
        SimFileSystem& fs = m_device->files();
        fs.addFile("p.bin", "the old file");
        fs.addFile("p.tmp", partial);
        m_answer = agree;
        fs.clearRequests();
        QCOMPARE(upload("p.bin", content), result);
        QCOMPARE(m_questions, asked ? QStringList("Upload: a partial file is in the way|Delete the partial file p.tmp "
                                                  "and upload again?")
                                    : QStringList());
        if (result != 0) {
            QCOMPARE(m_messages, QStringList("Upload failed|The partial file p.tmp on the device is not part of this "
                                             "file and was kept."));
            QCOMPARE(fs.file("p.tmp")->data, partial);
            QCOMPARE(fs.file("p.bin")->data, QByteArray("the old file"));
            return;
        }
        QCOMPARE(fs.file("p.bin")->data, content);
        QVERIFY(!fs.file("p.tmp"));
        qsizetype moved = 0;
        for (const auto& request : fs.requests())
            moved += request.first == Cmd::EFS_FILE_WRITE ? request.second.size() : 0;
        QCOMPARE(moved, content.size() - (asked ? 0 : partial.size()));
    }

    void twoLostAnswersWhileReplacing()
    {
        // The first deletion of the old file never reaches the device, the second does and its answers are lost:
        // the new file stays until the old one is known to be gone.
        m_link->setResumes(true);
        SimFileSystem& fs = m_device->files();
        fs.addFile("two.bin", pattern(900, 43));
        bool pulled = false;
        bool lost = false;
        m_link->setRequestObserver([this, &pulled, &lost](uint8_t cmd, const QByteArray&) {
            if (cmd != Cmd::EFS_FILE_UNLINK)
                return;
            if (!std::exchange(pulled, true))
                m_link->unplugAtExchange(1, 2000);
            else if (m_device->isPresent() && !std::exchange(lost, true)) // not a retry of the first
                m_link->dropRepliesNext(int(m_link->timeouts().writeTries));
        });
        const QByteArray content = pattern(1500, 44);
        QCOMPARE(upload("two.bin", content), 0);
        QVERIFY(lost);
        QCOMPARE(fs.file("two.bin")->data, content);
        QVERIFY(!fs.file("two.tmp"));
    }

    void recoveryWaitsForTheUsersPin()
    {
        m_link->setBatched(true);
        m_protocol->forgetPins();
        // The user's PIN reaches the device through the worker's queue, which the wait keeps serving.
        m_protocol->setPump([this] {
            if (m_states.contains(2) && !m_device->pinAccepted())
                m_protocol->auth("1234");
        });
        loseDeviceAt(1016, 3000);
        QSignalSpy notes(m_protocol.get(), &DeviceProtocol::uiFileTaskNote);
        QByteArray local;
        QCOMPARE(download("alarm.wav", &local), 0);
        QCOMPARE(local, m_device->files().file("alarm.wav")->data);
        QCOMPARE(m_states, QList<int>({1, 2, 3}));
        QCOMPARE(notes.last()[0].toString(), QStringLiteral("Device is back: send PIN 1 to continue the transfer"));
    }

    void mismatchAsksToStartAgain_data()
    {
        QTest::addColumn<bool>("isUpload");
        QTest::addColumn<bool>("again");
        QTest::newRow("download, again") << false << true;
        QTest::newRow("upload, cancel") << true << false;
    }

    void mismatchAsksToStartAgain()
    {
        QFETCH(bool, isUpload);
        QFETCH(bool, again);
        m_link->setBatched(true);
        m_answer = again;
        SimFileSystem& fs = m_device->files();
        const QByteArray content = pattern(5000, 12);
        fs.addFile("m.bin", content);
        const int chunk = isUpload ? 1017 : 1016;
        loseDeviceAt(2 * chunk, 3000);
        // While the device is away its file changes just before the point where the transfer stopped.
        const QByteArray target = isUpload ? "m.tmp" : "m.bin";
        connect(m_protocol.get(), &DeviceProtocol::uiFileTaskState, this, [&fs, &target, chunk](int state) {
            const auto f = fs.file(target);
            // A transfer that never got that far leaves nothing to change; the checks below then fail.
            if (state != 1 || !f || f->data.size() < 2 * chunk)
                return;
            QByteArray data = f->data;
            data[2 * chunk - 10] = char(~data[2 * chunk - 10]);
            fs.addFile(target, data, 0xFF, f->id);
        });
        if (isUpload && !again)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'm.tmp' not complete \\(ret=-1003\\)"));

        QByteArray local;
        QCOMPARE(transfer(isUpload, "m.bin", content, &local), again ? 0 : FileResult::Shown);
        QCOMPARE(m_questions.size(), 1);
        if (isUpload) {
            QCOMPARE(m_questions[0],
                     QStringLiteral("Upload: the file on the device does not match|The last 256 bytes of "
                                    "the device file (before byte 2034) differ from the local file.\n\n"
                                    "Send the file again from the start? (No: cancel the upload.)"));
            QCOMPARE(fs.file("m.bin")->data, content); // the new content, or the old one that equals it
            QVERIFY(!fs.file("m.tmp"));
        } else {
            QCOMPARE(m_questions[0],
                     QStringLiteral("Download: the file does not match|The last 256 bytes received (before "
                                    "byte 2032) differ from the device file.\n\nDownload the file again "
                                    "from the start? (No: cancel the download.)"));
            QCOMPARE(local, fs.file("m.bin")->data);
        }
    }

    void faultCampaign_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 0; seed < 60; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }

    void faultCampaign()
    {
        QFETCH(int, seed);
        QRandomGenerator rng{quint32(seed)};
        m_link->setBatched(true);
        m_answer = rng.bounded(2) == 1;
        SimFileSystem& fs = m_device->files();
        const bool isUpload = seed % 2 == 0;
        const bool replacing = rng.bounded(2) == 1;
        const QByteArray old = pattern(rng.bounded(1, 5000), quint32(seed) + 1000);
        const QByteArray data = pattern(rng.bounded(0, 12000), quint32(seed));
        const auto prepare = [&] {
            fs.removeFile("campaign.bin");
            if (!isUpload || replacing)
                fs.addFile("campaign.bin", isUpload ? old : data);
        };
        QByteArray local;

        // A run without a fault counts the exchanges; then one loss at a random one of them, of one of
        // three kinds: the device drops off before the command, it carries the command out and the
        // answer is lost, or both.
        prepare();
        const int before = m_link->exchanges();
        QCOMPARE(transfer(isUpload, "campaign.bin", data, &local), 0);
        const int exchanges = m_link->exchanges() - before;
        prepare();
        m_log.clear();
        const int point = rng.bounded(1, exchanges + 1);
        const qint64 replugMs = rng.bounded(0, 40000);
        const int kind = rng.bounded(3);
        if (kind != 0)
            m_link->dropRepliesAtExchange(point, kind == 1 ? 3 : 1);
        if (kind != 1)
            m_link->unplugAtExchange(kind == 0 ? point : point + 1, replugMs);
        QTest::failOnWarning(QRegularExpression("fileUpdateList bad rx_len"));

        local.clear();
        const int ret = transfer(isUpload, "campaign.bin", data, &local);
        // Put the device back and log in, to look at what it holds.
        m_device->plug();
        m_link->unplugAtExchange(0);
        QCOMPARE(m_protocol->auth("1234"), 0);
        const SimAudit::Transfer t{isUpload, replacing, "campaign.bin", "campaign.tmp", old, data,
                                   local,    ret,       m_log,          m_messages};
        const QString fault = SimAudit::transferFault(*m_device, t);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

private:
    QString localFile(const QString& name, const QByteArray& content) const
    {
        const QString path = m_dir->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write the local test file");
        return path;
    }

    int upload(const QString& name, const QByteArray& content, bool system = false)
    {
        return m_protocol->fileWrite(localFile(QStringLiteral("up-") + name, content), name, system);
    }

    // Downloads the device file; the local copy's content goes to out.
    int download(const QString& name, QByteArray* out = nullptr)
    {
        const auto f = m_device->files().file(name.toLatin1());
        if (!f)
            qFatal("no such device file");
        FileDownloadItem item{f->id, name, uint32_t(f->data.size()), m_dir->filePath(QStringLiteral("down-") + name)};
        const int ret = m_protocol->fileRead({item});
        if (out) {
            QFile local(item.localPath);
            *out = local.open(QIODevice::ReadOnly) ? local.readAll() : QByteArray();
        }
        return ret;
    }

    int transfer(bool isUpload, const QString& name, const QByteArray& content, QByteArray* local = nullptr)
    {
        return isUpload ? upload(name, content) : download(name, local);
    }
    // The device drops off once a transfer has moved that many bytes; back after replugMs (-1: never).
    void loseDeviceAt(int bytes, qint64 replugMs)
    {
        const auto armed = std::make_shared<bool>(true);
        const auto lose = [this, bytes, replugMs, armed](uint16_t, int done) {
            if (done == bytes && std::exchange(*armed, false))
                m_link->unplugAtExchange(1, replugMs);
        };
        connect(m_protocol.get(), &DeviceProtocol::uiFileWriteUpdate, this, lose);
        connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, lose);
    }

    QStringList messages() { return std::exchange(m_messages, {}); }

    std::shared_ptr<ManualClock> m_clock;
    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<SimLink> m_link;
    std::unique_ptr<DeviceProtocol> m_protocol;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_log;
    QStringList m_messages; // "title|text"
    QStringList m_questions;
    QList<int> m_states;
    bool m_answer = true;
};

QTEST_GUILESS_MAIN(TestFileTransfers)
#include "TestFileTransfers.moc"
