#include <QtTest>

#include <QRandomGenerator>
#include <QTemporaryDir>

#include "link/CommandTable.h"
#include "link/DeviceProtocol.h"
#include "sim/SimAudit.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"

// Uploads and downloads against the stand-in device, with faults on the link: what ends up on the
// device and on disk, and what the user is told.
class TestFileTransfers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void temporaryNames_data();
    void temporaryNames();
    void temporaryNameAlreadyUsed();
    void uploadReplaces_data();
    void uploadReplaces();
    void refusedDeletionKeepsTheOldFile();
    void lostAnswerWhileReplacing_data();
    void lostAnswerWhileReplacing();
    void shortWriteDeletesThePartialFile();
    void cancelHalfway_data();
    void cancelHalfway();
    void deviceFileShorterThanListed();
    void lostLinkWithoutRecovery();
    void recoveryFromZeroBytes_data();
    void recoveryFromZeroBytes();
    void recoveryWaitsForTheUsersPin();
    void recoveryStopsOnRefusedPin();
    void transferQueuedBehindAWaitingOneIsDropped();
    void recoveryGivesUpWithoutDevice_data();
    void recoveryGivesUpWithoutDevice();
    void uploadRecoveryWithTheChunkInFlight();
    void mismatchAsksToStartAgain_data();
    void mismatchAsksToStartAgain();
    void thirdRestartEndsTheFile_data();
    void thirdRestartEndsTheFile();
    void fiftyFirstLossEndsTheDownload();
    void faultCampaign_data();
    void faultCampaign();

private:
    QString localFile(const QString& name, const QByteArray& content) const;
    int upload(const QString& name, const QByteArray& content, bool system = false);
    // Downloads the device file; the local copy's content goes to out.
    int download(const QString& name, QByteArray* out = nullptr);
    void useRecoveringLink();
    bool logged(const QString& line) const { return m_log.contains(line); }
    QStringList deviceNames() const;

    std::shared_ptr<ManualClock> m_clock;
    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<SimLink> m_link;
    std::unique_ptr<DeviceProtocol> m_protocol;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_log;
    QStringList m_log1;
    QStringList m_messages; // "title|text"
    QStringList m_questions;
    QList<int> m_states;
    bool m_answer = true;
};

namespace {

QByteArray pattern(int size, quint32 seed)
{
    QRandomGenerator rng{seed};
    QByteArray data(size, '\0');
    for (char& c : data)
        c = char(rng.bounded(256));
    return data;
}

} // namespace

void TestFileTransfers::init()
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

    m_log.clear();
    m_log1.clear();
    m_messages.clear();
    m_questions.clear();
    m_states.clear();
    m_answer = true;
    m_protocol->setQuestion([this](const QString& title, const QString& text) {
        m_questions << title + '|' + text;
        return m_answer;
    });
    connect(m_protocol.get(), &DeviceProtocol::eventLog, this, [this](const QString& text) { m_log << text; });
    connect(m_protocol.get(), &DeviceProtocol::eventLog1, this, [this](const QString& text) { m_log1 << text; });
    connect(m_protocol.get(), &DeviceProtocol::uiShowMessage, this,
            [this](const QString& title, const QString& text) { m_messages << title + '|' + text; });
    connect(m_protocol.get(), &DeviceProtocol::uiFileTaskState, this, [this](int state) { m_states << state; });
}

QString TestFileTransfers::localFile(const QString& name, const QByteArray& content) const
{
    const QString path = m_dir->filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write the local test file");
    return path;
}

int TestFileTransfers::upload(const QString& name, const QByteArray& content, bool system)
{
    return m_protocol->fileWrite(localFile(QStringLiteral("up-") + name, content), name, system);
}

int TestFileTransfers::download(const QString& name, QByteArray* out)
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

void TestFileTransfers::useRecoveringLink()
{
    m_link->setBatched(true);
}

QStringList TestFileTransfers::deviceNames() const
{
    QStringList names;
    for (const auto& f : m_device->files().files())
        names << QString::fromLatin1(f.name);
    return names;
}

void TestFileTransfers::temporaryNames_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("temporary");
    QTest::addColumn<int>("result");

    QTest::newRow("cfg") << "settings.cfg"
                         << "settings.tmp" << 0;
    QTest::newRow("tmp") << "x.tmp"
                         << "x.tm_" << 0;
    QTest::newRow("TMP") << "X.TMP"
                         << "X.tm_" << 0;
    QTest::newRow("two dots") << "a.b.c"
                              << "a.b.tmp" << 0;
    QTest::newRow("no dot") << "readme"
                            << "readme.tmp" << 0;
    QTest::newRow("only a leading dot") << ".alg"
                                        << ".alg.tmp" << 0;
    // The rename to a name that long is refused before it is sent, and the file stays as it is.
    QTest::newRow("30 characters") << "abcdefghijklmnopqrstuvwxyz0123"
                                   << "abcdefghijklmnopqrstu.tmp" << 1;
}

void TestFileTransfers::temporaryNames()
{
    QFETCH(QString, target);
    QFETCH(QString, temporary);
    QFETCH(int, result);
    const QByteArray content = pattern(300, 1);
    SimFileSystem& fs = m_device->files();
    fs.clearRequests();
    if (result != 0)
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("fileRename: new name it too large"));

    QCOMPARE(upload(target, content), result);
    QByteArray created;
    for (const auto& [cmd, payload] : fs.requests()) {
        if (cmd == Cmd::EFS_FILE_CREATE && created.isEmpty())
            created = payload;
    }
    QCOMPARE(created, temporary.toLatin1().leftJustified(25, '\0'));
    if (result == 0) {
        QCOMPARE(fs.file(target.toLatin1())->data, content);
        QVERIFY(!fs.file(temporary.toLatin1()));
        QVERIFY(m_messages.isEmpty());
    } else {
        QCOMPARE(fs.file(temporary.toLatin1())->data, content);
        QCOMPARE(m_messages, QStringList("Upload failed|The file is uploaded but could not be renamed. It stays on "
                                         "the device as '" +
                                         temporary + "'."));
    }
}

void TestFileTransfers::temporaryNameAlreadyUsed()
{
    SimFileSystem& fs = m_device->files();
    fs.addFile("x.tm_", "someone's file");
    fs.clearRequests();
    QCOMPARE(upload("x.tmp", pattern(100, 2)), -3);
    const QString text = "The temporary name 'x.tm_' is already used on the device. Delete that file first.";
    QCOMPARE(m_messages, QStringList("Upload failed|" + text));
    QVERIFY(logged(text));
    for (const auto& request : fs.requests())
        QVERIFY(request.first != Cmd::EFS_FILE_CREATE);
    QCOMPARE(fs.file("x.tm_")->data, QByteArray("someone's file"));
    QVERIFY(!fs.file("x.tmp"));
}

void TestFileTransfers::uploadReplaces_data()
{
    QTest::addColumn<int>("oldSize"); // -1: no old file
    QTest::addColumn<int>("newSize");
    QTest::newRow("new file") << -1 << 5000;
    QTest::newRow("replace") << 3000 << 5000;
    QTest::newRow("empty replaces the old file") << 3000 << 0;
    QTest::newRow("empty new file") << -1 << 0;
    QTest::newRow("one chunk") << -1 << 57;
    QTest::newRow("three chunks") << 100 << 171;
}

void TestFileTransfers::uploadReplaces()
{
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    SimFileSystem& fs = m_device->files();
    if (oldSize >= 0)
        fs.addFile("upload.cfg", pattern(oldSize, 3));
    const QByteArray content = pattern(newSize, 4);
    QSignalSpy ends(m_protocol.get(), &DeviceProtocol::uiFileWriteEnd);
    QSignalSpy files(m_protocol.get(), &DeviceProtocol::uiFileTaskFile);

    QCOMPARE(upload("upload.cfg", content), 0);
    QCOMPARE(fs.file("upload.cfg")->data, content);
    QVERIFY(!deviceNames().contains("upload.tmp"));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(ends.count(), 1);
    QCOMPARE(ends[0][1].toInt(), newSize);
    QCOMPARE(files.count(), 1);
    QCOMPARE(files[0][0].toString(),
             QStringLiteral("Upload '%1', %2 bytes").arg(m_dir->filePath("up-upload.cfg")).arg(newSize));
    QCOMPARE(files[0][1].toLongLong(), qlonglong(newSize));
}

void TestFileTransfers::refusedDeletionKeepsTheOldFile()
{
    SimFileSystem& fs = m_device->files();
    const QByteArray old = fs.file("boot.alg")->data;
    QCOMPARE(upload("boot.alg", pattern(700, 5), true), 5);
    QCOMPARE(m_messages, QStringList("File error|fileUnlink: error 5 (Access denied)"));
    QCOMPARE(fs.file("boot.alg")->data, old);
    QVERIFY(!fs.file("boot.tmp"));
}

void TestFileTransfers::lostAnswerWhileReplacing_data()
{
    QTest::addColumn<int>("exchange"); // after the data: 1 list, 2 delete the old file, 3 rename, 4 list
    QTest::addColumn<bool>("deviceStays");
    QTest::addColumn<int>("result");
    QTest::newRow("old file deleted, answer lost") << 2 << true << 0;
    QTest::newRow("old file deleted, then the device is gone") << 2 << false << -4;
    QTest::newRow("renamed, answer lost") << 3 << true << 0;
}

void TestFileTransfers::lostAnswerWhileReplacing()
{
    QFETCH(int, exchange);
    QFETCH(bool, deviceStays);
    QFETCH(int, result);
    useRecoveringLink();
    SimFileSystem& fs = m_device->files();
    fs.addFile("keep.bin", pattern(2000, 16));
    connect(m_protocol.get(), &DeviceProtocol::uiFileWriteEnd, this, [this, exchange, deviceStays] {
        m_link->dropRepliesAtExchange(exchange, deviceStays ? 3 : 1);
        if (!deviceStays)
            m_link->unplugAtExchange(exchange + 1);
    });
    const QByteArray content = pattern(3000, 17);
    QCOMPARE(upload("keep.bin", content), result);
    m_device->plug();
    if (deviceStays) {
        QCOMPARE(fs.file("keep.bin")->data, content);
        QVERIFY(m_messages.isEmpty());
    } else {
        // The new file is never deleted while the old one may be gone already.
        QVERIFY(!fs.file("keep.bin"));
        QCOMPARE(fs.file("keep.tmp")->data, content);
        QCOMPARE(m_messages, QStringList("Upload failed|The file is uploaded but could not be renamed. It stays on the "
                                         "device as 'keep.tmp'."));
    }
}

void TestFileTransfers::shortWriteDeletesThePartialFile()
{
    SimFileSystem& fs = m_device->files();
    fs.setShortWrites(true);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 's.tmp' not complete \\(ret=-3\\), delete partial "
                                                          "file fn_id=\\d+"));
    QCOMPARE(upload("s.cfg", pattern(500, 6)), -3);
    const QString text = "The device wrote 56 of 57 bytes at byte 0.";
    QCOMPARE(m_messages, QStringList("File transfer failed|" + text));
    QVERIFY(logged(text));
    QVERIFY(!fs.file("s.tmp"));
    QVERIFY(!fs.file("s.cfg"));
}

void TestFileTransfers::cancelHalfway_data()
{
    QTest::addColumn<bool>("isUpload");
    QTest::newRow("upload") << true;
    QTest::newRow("download") << false;
}

void TestFileTransfers::cancelHalfway()
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
    connect(m_protocol.get(), &DeviceProtocol::uiFileWriteUpdate, this, halfway, Qt::DirectConnection);
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, halfway, Qt::DirectConnection);

    QByteArray local;
    if (isUpload) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'alarm.tmp' not complete \\(ret=-2\\)"));
        QCOMPARE(upload("alarm.wav", pattern(12000, 7)), 0);
        QVERIFY(!fs.file("alarm.tmp"));
    } else {
        QCOMPARE(download("alarm.wav", &local), 0);
        QCOMPARE(local, old.left(last)); // the partial file stays
    }
    QVERIFY(last >= 6000 && last < 6100);
    QCOMPARE(fs.file("alarm.wav")->data, old);
    QVERIFY(m_messages.isEmpty());
}

void TestFileTransfers::deviceFileShorterThanListed()
{
    const QByteArray content = pattern(600, 8);
    const uint16_t id = m_device->files().addFile("short.bin", content);
    const FileDownloadItem item{id, "short.bin", 1000, m_dir->filePath("short.bin")};
    QCOMPARE(m_protocol->fileRead({item}), -3);
    const QString text = "'short.bin' has 1000 bytes on the device, the downloaded file has 600.";
    QCOMPARE(m_messages, QStringList("Download failed|" + text));
    QVERIFY(logged(text));
}

void TestFileTransfers::lostLinkWithoutRecovery()
{
    // Over USB a lost device ends the transfer at once.
    const auto unplugAt = [this](int bytes) {
        return [this, bytes](uint16_t, int done) {
            if (done == bytes)
                m_link->unplugAtExchange(1);
        };
    };
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, unplugAt(3 * 56), Qt::DirectConnection);
    QCOMPARE(download("alarm.wav"), -4);
    QCOMPARE(m_messages, QStringList("File transfer failed|The link to the device failed while reading the file"));

    m_device->plug();
    QCOMPARE(m_protocol->auth("1234"), 0);
    connect(m_protocol.get(), &DeviceProtocol::uiFileWriteUpdate, this, unplugAt(4 * 57), Qt::DirectConnection);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'big.tmp' not complete \\(ret=-4\\)"));
    QCOMPARE(upload("big.cfg", pattern(1000, 9)), -4);
    const QString path = m_dir->filePath("up-big.cfg");
    QCOMPARE(m_log1,
             QStringList(QString::asprintf("fileWrite USB Error %u - 228 (%s)", unsigned(-4), qPrintable(path))));
    QVERIFY(m_log.last().startsWith("The partial file 'big.tmp' (fn_id="));
    QVERIFY(m_states.isEmpty());
}

void TestFileTransfers::recoveryFromZeroBytes_data()
{
    QTest::addColumn<bool>("isUpload");
    QTest::newRow("upload") << true;
    QTest::newRow("download") << false;
}

void TestFileTransfers::recoveryFromZeroBytes()
{
    QFETCH(bool, isUpload);
    useRecoveringLink();
    // Lost before the first data command: open is the exchange before it.
    connect(m_protocol.get(), &DeviceProtocol::uiFileTaskFile, this, [this] { m_link->unplugAtExchange(2, 5000); });
    const QByteArray content = pattern(3000, 10);
    m_device->files().addFile("zero.bin", content);

    QByteArray local;
    if (isUpload) {
        QCOMPARE(upload("zero.bin", content), 0);
        QVERIFY(logged("Upload interrupted at 0 bytes, waiting for the device ..."));
        QVERIFY(logged("The device holds 0 bytes, the last 0 match: the upload goes on"));
    } else {
        QCOMPARE(download("zero.bin", &local), 0);
        QCOMPARE(local, content);
        QVERIFY(logged("Download interrupted at 0 bytes, waiting for the device ..."));
        QVERIFY(logged("The last 0 bytes match: the download goes on from 0 bytes"));
    }
    QVERIFY(logged("Device is back: PIN 1 is sent again"));
    QCOMPARE(m_states, QList<int>({1, 3}));
    QCOMPARE(m_device->files().file("zero.bin")->data, content);
    QVERIFY(m_clock->nowMs() >= 5000);
    QVERIFY(m_messages.isEmpty());
}

void TestFileTransfers::recoveryWaitsForTheUsersPin()
{
    useRecoveringLink();
    m_protocol->forgetPins();
    // The user's PIN reaches the device through the worker's queue, which the wait keeps serving.
    m_protocol->setPump([this] {
        if (m_states.contains(2) && !m_device->pinAccepted())
            m_protocol->auth("1234");
    });
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, [this](uint16_t, int bytes) {
        if (bytes == 1016)
            m_link->unplugAtExchange(1, 3000);
    });
    QSignalSpy notes(m_protocol.get(), &DeviceProtocol::uiFileTaskNote);
    QByteArray local;
    QCOMPARE(download("alarm.wav", &local), 0);
    QCOMPARE(local, m_device->files().file("alarm.wav")->data);
    QCOMPARE(m_states, QList<int>({1, 2, 3}));
    QCOMPARE(notes.last()[0].toString(), QStringLiteral("Device is back: send PIN 1 to continue the transfer"));
    QVERIFY(logged("The last 256 bytes match: the download goes on from 1016 bytes"));
}

void TestFileTransfers::recoveryStopsOnRefusedPin()
{
    useRecoveringLink();
    m_device->setPin("9999");
    QTest::ignoreMessage(QtWarningMsg, "auth1 FAIL2 ret =1");
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, [this](uint16_t, int bytes) {
        if (bytes == 1016)
            m_link->unplugAtExchange(1, 3000);
    });
    QCOMPARE(download("alarm.wav"), -3);
    const QString text = "The device is back, but PIN 1 was not accepted (answer 1). The transfer is stopped: enter "
                         "the PIN and start it again.";
    QCOMPARE(m_messages, QStringList("File transfer stopped|" + text));
    QVERIFY(logged(text));
    QCOMPARE(m_protocol->storedPin(1), QByteArray("1234"));
}

void TestFileTransfers::transferQueuedBehindAWaitingOneIsDropped()
{
    useRecoveringLink();
    // The worker serves its queue while the download waits; an upload queued there must not start,
    // not even once the device is back.
    QList<int> nested;
    const QString local = localFile("queued.cfg", "queued");
    m_protocol->setPump([this, &nested, &local] {
        if (nested.isEmpty() && m_device->pinAccepted())
            nested << m_protocol->fileWrite(local, "queued.cfg", false);
    });
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, [this](uint16_t, int bytes) {
        if (bytes == 1016)
            m_link->unplugAtExchange(1, 3000);
    });
    QByteArray got;
    QCOMPARE(download("alarm.wav", &got), 0);
    QCOMPARE(got, m_device->files().file("alarm.wav")->data);
    QCOMPARE(nested, QList<int>({-4}));
    QVERIFY(!m_device->files().file("queued.cfg"));
    QVERIFY(!m_device->files().file("queued.tmp"));
}

void TestFileTransfers::recoveryGivesUpWithoutDevice_data()
{
    QTest::addColumn<bool>("keepsPins");
    QTest::newRow("link keeps the PINs") << true;
    QTest::newRow("link forgets the PINs") << false;
}

void TestFileTransfers::recoveryGivesUpWithoutDevice()
{
    QFETCH(bool, keepsPins);
    useRecoveringLink();
    m_link->setKeepsPins(keepsPins);
    m_protocol->setDeviceWait(60000, [clock = m_clock] { return clock->nowMs(); });
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, [this](uint16_t, int bytes) {
        if (bytes == 1016)
            m_link->unplugAtExchange(1);
    });
    QCOMPARE(download("alarm.wav"), -4);
    QCOMPARE(m_messages, QStringList("File transfer failed|The link to the device failed while reading the file"));
    QCOMPARE(m_states, QList<int>({1}));
    // A link that may not wait gives up at once.
    QCOMPARE(m_clock->nowMs() / 1000, keepsPins ? 60 : 0);
    QCOMPARE(m_protocol->storedPin(1), keepsPins ? QByteArray("1234") : QByteArray());
}

void TestFileTransfers::uploadRecoveryWithTheChunkInFlight()
{
    useRecoveringLink();
    bool lost = false;
    connect(m_protocol.get(), &DeviceProtocol::uiFileWriteUpdate, this, [this, &lost](uint16_t, int bytes) {
        if (bytes == 2 * 1017 && !lost) {
            lost = true;
            m_link->dropRepliesNext(3);
        }
    });
    const QByteArray content = pattern(5000, 11);
    QCOMPARE(upload("flight.bin", content), 0);
    QCOMPARE(m_device->files().file("flight.bin")->data, content);
    QVERIFY(logged("Upload interrupted at 2034 bytes, waiting for the device ..."));
    QVERIFY(logged("The device holds 3051 bytes, the last 256 match: the upload goes on"));
    QCOMPARE(m_states, QList<int>({1, 3}));
}

void TestFileTransfers::mismatchAsksToStartAgain_data()
{
    QTest::addColumn<bool>("isUpload");
    QTest::addColumn<bool>("again");
    QTest::newRow("download, again") << false << true;
    QTest::newRow("download, cancel") << false << false;
    QTest::newRow("upload, again") << true << true;
    QTest::newRow("upload, cancel") << true << false;
}

void TestFileTransfers::mismatchAsksToStartAgain()
{
    QFETCH(bool, isUpload);
    QFETCH(bool, again);
    useRecoveringLink();
    m_answer = again;
    SimFileSystem& fs = m_device->files();
    const QByteArray content = pattern(5000, 12);
    fs.addFile("m.bin", content);
    const int chunk = isUpload ? 1017 : 1016;
    bool lost = false;
    const auto arm = [this, chunk, &lost](uint16_t, int bytes) {
        if (bytes == 2 * chunk && !lost) {
            lost = true;
            m_link->unplugAtExchange(1, 3000);
        }
    };
    connect(m_protocol.get(), &DeviceProtocol::uiFileWriteUpdate, this, arm, Qt::DirectConnection);
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, arm, Qt::DirectConnection);
    // While the device is away its file changes just before the point where the transfer stopped.
    const int spot = 2 * chunk - 10;
    const QByteArray changed = QByteArray(content).replace(spot, 1, "\x5A");
    const QByteArray target = isUpload ? "m.tmp" : "m.bin";
    connect(m_protocol.get(), &DeviceProtocol::uiFileTaskState, this, [&fs, &target, spot](int state) {
        const auto f = fs.file(target);
        if (state == 1 && f)
            fs.addFile(target, QByteArray(f->data).replace(spot, 1, "\x5A"), 0xFF, f->id);
    });
    if (isUpload && !again)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'm.tmp' not complete \\(ret=-3\\)"));

    QByteArray local;
    const int ret = isUpload ? upload("m.bin", content) : download("m.bin", &local);
    QCOMPARE(m_questions.size(), 1);
    if (isUpload) {
        QCOMPARE(m_questions[0], QStringLiteral("Upload: the file on the device does not match|The last 256 bytes of "
                                                "the device file (before byte 2034) differ from the local file.\n\n"
                                                "Send the file again from the start? (No: cancel the upload.)"));
        QCOMPARE(logged("Upload of '" + m_dir->filePath("up-m.bin") + "' starts again"), again);
        QCOMPARE(logged("Upload cancelled after the check of the device file"), !again);
        QCOMPARE(fs.file("m.bin")->data, content); // the new content, or the old one that equals it
        QVERIFY(!fs.file("m.tmp"));
    } else {
        QCOMPARE(m_questions[0], QStringLiteral("Download: the file does not match|The last 256 bytes received (before "
                                                "byte 2032) differ from the device file.\n\nDownload the file again "
                                                "from the start? (No: cancel the download.)"));
        QCOMPARE(logged("Download starts again"), again);
        QCOMPARE(logged("Download cancelled after the check of the file"), !again);
        if (again)
            QCOMPARE(local, changed);
    }
    QCOMPARE(ret, again ? 0 : -3);
}

void TestFileTransfers::thirdRestartEndsTheFile_data()
{
    QTest::addColumn<bool>("isUpload");
    QTest::newRow("upload") << true;
    QTest::newRow("download") << false;
}

void TestFileTransfers::thirdRestartEndsTheFile()
{
    QFETCH(bool, isUpload);
    useRecoveringLink();
    SimFileSystem& fs = m_device->files();
    fs.addFile("r.bin", pattern(5000, 13));
    const QByteArray target = isUpload ? "r.tmp" : "r.bin";
    // Every attempt loses the device after two chunks, and the device file never matches afterwards.
    bool armed = false;
    int last = 0;
    const auto arm = [this, &armed, &last](uint16_t, int bytes) {
        last = bytes;
        if (bytes < 2000)
            armed = false;
        else if (!armed) {
            armed = true;
            m_link->unplugAtExchange(1, 2000);
        }
    };
    connect(m_protocol.get(), &DeviceProtocol::uiFileWriteUpdate, this, arm, Qt::DirectConnection);
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this, arm, Qt::DirectConnection);
    connect(m_protocol.get(), &DeviceProtocol::uiFileTaskState, this, [&](int state) {
        const auto f = fs.file(target);
        if (state == 1 && f)
            fs.addFile(target, QByteArray(f->data).replace(last - 1, 1, QByteArray(1, char(~f->data[last - 1]))), 0xFF,
                       f->id);
    });
    if (isUpload)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upload 'r.tmp' not complete \\(ret=-3\\)"));

    QCOMPARE(isUpload ? upload("r.bin", pattern(5000, 14)) : download("r.bin"), -3);
    QCOMPARE(m_questions.size(), 3);
    QCOMPARE(m_log.filter(isUpload ? "starts again" : "Download starts again").size(), 2);
    QVERIFY(!fs.file("r.tmp"));
}

void TestFileTransfers::fiftyFirstLossEndsTheDownload()
{
    useRecoveringLink();
    const QByteArray content = pattern(60 * 1016, 15);
    m_device->files().addFile("long.bin", content);
    connect(m_protocol.get(), &DeviceProtocol::uiFileReadUpdate, this,
            [this](uint16_t, int) { m_link->unplugAtExchange(1, 1000); });
    QCOMPARE(download("long.bin"), -4);
    QCOMPARE(m_states.count(1), 50);
    QCOMPARE(m_messages, QStringList("File transfer failed|The link to the device failed while reading the file"));
}

void TestFileTransfers::faultCampaign_data()
{
    QTest::addColumn<int>("seed");
    for (int seed = 0; seed < 60; ++seed)
        QTest::addRow("seed %d", seed) << seed;
}

void TestFileTransfers::faultCampaign()
{
    QFETCH(int, seed);
    QRandomGenerator rng{quint32(seed)};
    useRecoveringLink();
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
    const auto transfer = [&] { return isUpload ? upload("campaign.bin", data) : download("campaign.bin", &local); };

    // A run without a fault counts the exchanges; then one loss at a random one of them, of one of
    // three kinds: the device drops off before the command, it carries the command out and the
    // answer is lost, or both.
    prepare();
    const int before = m_link->exchanges();
    QCOMPARE(transfer(), 0);
    const int exchanges = m_link->exchanges() - before;
    prepare();
    m_log.clear();
    const int point = rng.bounded(1, exchanges + 1);
    const qint64 replugMs = rng.bounded(0, 40000);
    switch (rng.bounded(3)) {
    case 0:
        m_link->unplugAtExchange(point, replugMs);
        break;
    case 1:
        m_link->dropRepliesAtExchange(point, 3);
        break;
    default:
        m_link->dropRepliesAtExchange(point, 1);
        m_link->unplugAtExchange(point + 1, replugMs);
        break;
    }
    QTest::failOnWarning(QRegularExpression("fileUpdateList bad rx_len"));

    QSignalSpy attempts(m_protocol.get(), &DeviceProtocol::uiFileTaskFile);
    local.clear();
    const int ret = transfer();
    // Put the device back and log in, to look at what it holds.
    m_device->plug();
    m_link->unplugAtExchange(0);
    QCOMPARE(m_protocol->auth("1234"), 0);
    SimAudit::Transfer t;
    t.upload = isUpload;
    t.replacing = replacing;
    t.name = "campaign.bin";
    t.temporaryName = "campaign.tmp";
    t.old = old;
    t.data = data;
    t.local = local;
    t.result = ret;
    t.started = !attempts.isEmpty();
    t.log = m_log;
    t.messages = m_messages;
    const QString fault = SimAudit::transferFault(*m_device, t);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_GUILESS_MAIN(TestFileTransfers)
#include "TestFileTransfers.moc"
