#include <QtTest>

#include "link/CommandTable.h"
#include "link/DeviceProtocol.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"

// The elementary EFS operations against the stand-in device's file system: what reaches the device,
// what the file list receivers and the user see.
class TestFileProtocol : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void emptyFileSystem_data();
    void emptyFileSystem();
    void findWalkAsksAfterEachId();
    void batchedWalkOverSeveralReplies();
    void namesOf25And26Bytes();
    void refusals_data();
    void refusals();
    void readsUpToTheEnd();
    void seekFailures();
    void deleteManyStopsAtTheFirstRefusal();
    void flashStatistics();

private:
    // Events of the list receivers in order: "clear", a file name, or "end" for the null entry.
    QStringList listEvents();
    QList<uint16_t> firstIdsAsked(uint8_t cmd) const;

    std::shared_ptr<ManualClock> m_clock;
    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<SimLink> m_link;
    std::unique_ptr<DeviceProtocol> m_protocol;
    QStringList m_events;
};

void TestFileProtocol::init()
{
    m_clock = std::make_shared<ManualClock>();
    m_device = std::make_shared<SimDevice>(m_clock);
    m_link = std::make_unique<SimLink>(m_device);
    QVERIFY(m_link->open());
    m_protocol = std::make_unique<DeviceProtocol>();
    m_protocol->setLink(m_link.get());
    QCOMPARE(m_protocol->auth("1234"), 0);
    m_events.clear();
    connect(m_protocol.get(), &DeviceProtocol::uiFilesClear, this, [this] { m_events << QStringLiteral("clear"); });
    connect(m_protocol.get(), &DeviceProtocol::uiFilesAddEntry, this,
            [this](QSharedPointer<EfsFile> f) { m_events << (f ? f->name : QStringLiteral("end")); });
}

QStringList TestFileProtocol::listEvents()
{
    return std::exchange(m_events, {});
}

QList<uint16_t> TestFileProtocol::firstIdsAsked(uint8_t cmd) const
{
    QList<uint16_t> ids;
    for (const auto& [c, payload] : m_device->files().requests()) {
        if (c == cmd)
            ids << uint16_t(uint8_t(payload.at(0)) | uint8_t(payload.at(1)) << 8);
    }
    return ids;
}

void TestFileProtocol::emptyFileSystem_data()
{
    QTest::addColumn<bool>("batched");
    QTest::newRow("find") << false;
    QTest::newRow("list") << true;
}

void TestFileProtocol::emptyFileSystem()
{
    QFETCH(bool, batched);
    m_link->setBatched(batched);
    m_device->files().clear();
    QCOMPARE(m_protocol->fileUpdateList(true), 0);
    QCOMPARE(listEvents(), QStringList({"clear", "end"}));
    QVERIFY(m_protocol->files().isEmpty());
}

void TestFileProtocol::findWalkAsksAfterEachId()
{
    SimFileSystem& fs = m_device->files();
    fs.clear();
    fs.addFile("three.log", QByteArray(10, 'a'), 0xFF, 3, 100);
    fs.addFile("seven.alg", QByteArray(700, 'b'), 0x00, 7, 200);
    fs.addFile("nine.cfg", {}, 0xFF, 9, 300);
    fs.clearRequests();

    QCOMPARE(m_protocol->fileUpdateList(true), 0);
    QCOMPARE(firstIdsAsked(Cmd::EFS_FILE_FIND), QList<uint16_t>({0, 4, 8, 10}));
    QCOMPARE(listEvents(), QStringList({"clear", "three.log", "seven.alg", "nine.cfg", "end"}));

    const auto& files = m_protocol->files();
    QCOMPARE(files.size(), 3);
    QCOMPARE(files[1]->id, uint16_t(7));
    QCOMPARE(files[1]->size, 700u);
    QVERIFY(files[1]->system); // system byte 0x00
    QVERIFY(!files[0]->system);
    QCOMPARE(files[1]->created, QDateTime::fromSecsSinceEpoch(946684800 + 200));
    QCOMPARE(files[1]->created.timeSpec(), Qt::LocalTime);

    // Without emitting, the cache is rebuilt silently.
    QCOMPARE(m_protocol->fileUpdateList(false), 0);
    QVERIFY(listEvents().isEmpty());
    QCOMPARE(m_protocol->files().size(), 3);
}

void TestFileProtocol::batchedWalkOverSeveralReplies()
{
    m_link->setBatched(true);
    SimFileSystem& fs = m_device->files();
    fs.clear();
    QStringList expected{"clear"};
    for (int i = 1; i <= 120; ++i) {
        const QByteArray name = "batch-file-with-name-" + QByteArray::number(i).rightJustified(3, '0');
        fs.addFile(name, QByteArray(i, 'x'), 0xFF, uint16_t(i * 2));
        expected << QString::fromLatin1(name);
    }
    expected << "end";
    fs.clearRequests();

    QCOMPARE(m_protocol->fileUpdateList(true), 0);
    QCOMPARE(listEvents(), expected);
    QCOMPARE(m_protocol->files().last()->size, 120u);
    // 120 records of 36 bytes need several 1016-byte replies; each walk goes on after the last id seen.
    const QList<uint16_t> asked = firstIdsAsked(Cmd::EFS_FILE_LIST);
    QVERIFY(asked.size() >= 5);
    QCOMPARE(asked.first(), uint16_t(0));
    for (int i = 1; i < asked.size(); ++i)
        QCOMPARE(asked[i] % 2, 1); // last even id + 1
    QVERIFY(firstIdsAsked(Cmd::EFS_FILE_FIND).isEmpty());
}

void TestFileProtocol::namesOf25And26Bytes()
{
    SimFileSystem& fs = m_device->files();
    const QByteArray name25(25, 'n');
    fs.clearRequests();
    QCOMPARE(m_protocol->fileCreate(name25), 0);
    const auto sent = fs.requests();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].second, name25); // 25 bytes, no terminator
    QVERIFY(fs.file(name25));
    m_protocol->fileClose();

    fs.clearRequests();
    QTest::ignoreMessage(QtCriticalMsg,
                         ("file create - name too large '" + QByteArray(26, 'x') + "' len=26 > max=25").constData());
    QCOMPARE(m_protocol->fileCreate(QByteArray(26, 'x')), -1);
    QTest::ignoreMessage(
        QtCriticalMsg, ("fileRename: new name it too large '" + QByteArray(26, 'r') + "' len=26 > max=25").constData());
    QCOMPARE(m_protocol->fileRename(fs.file(name25)->id, QByteArray(26, 'r')), 1);
    QVERIFY(fs.requests().isEmpty());

    const QByteArray renamed(25, 'r');
    QCOMPARE(m_protocol->fileRename(fs.file(name25)->id, renamed), 0);
    QCOMPARE(fs.requests().last().second.size(), 27);
    QVERIFY(fs.file(renamed));
    QVERIFY(!fs.file(name25));

    // A short name is padded with zeros to the field.
    QCOMPARE(m_protocol->fileCreate("a.b"), 0);
    QCOMPARE(fs.requests().last().second, QByteArray("a.b").leftJustified(25, '\0'));
}

void TestFileProtocol::refusals_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("create a taken name") << "create settings.cfg" << 7
                                         << "fileCreate(settings.cfg): error 7 (File exist)";
    QTest::newRow("create on full flash") << "create full" << 6 << "fileCreate(new.txt): error 6 (No space)";
    QTest::newRow("open a missing file") << "open 999" << 4 << "file Open: error 4 (Not found)";
    QTest::newRow("delete a system file") << "unlink boot.alg" << 5 << "fileUnlink: error 5 (Access denied)";
    QTest::newRow("rename a system file") << "rename sys.cfg" << 5 << "fileRename: error 5 (Access denied)";
    QTest::newRow("rename to a taken name") << "rename events.log" << 7 << "fileRename: error 7 (File exist)";
    QTest::newRow("read-only file system") << "create read-only" << 5 << "fileCreate(new.txt): error 5 (Access denied)";
}

void TestFileProtocol::refusals()
{
    QFETCH(QString, operation);
    QFETCH(int, status);
    QFETCH(QString, message);
    SimFileSystem& fs = m_device->files();
    QSignalSpy shown(m_protocol.get(), &DeviceProtocol::uiShowMessage);
    const QStringList words = operation.split(' ');
    const auto idOf = [&fs](const QString& name) { return fs.file(name.toLatin1())->id; };

    int ret = 0;
    if (operation == "create full" || operation == "create read-only") {
        fs.setFlashFull(operation.endsWith("full"));
        fs.setReadOnly(operation.endsWith("read-only"));
        ret = m_protocol->fileCreate("new.txt");
        QVERIFY(!fs.file("new.txt"));
    } else if (words[0] == "create") {
        ret = m_protocol->fileCreate(words[1].toLatin1());
    } else if (words[0] == "open") {
        ret = m_protocol->fileOpen(uint16_t(words[1].toInt()));
    } else if (words[0] == "unlink") {
        ret = m_protocol->fileUnlink(idOf(words[1]));
        QVERIFY(fs.file(words[1].toLatin1()));
    } else {
        ret = m_protocol->fileRename(idOf(words[1]), words[1] == "sys.cfg" ? "other.cfg" : "settings.cfg");
    }
    QCOMPARE(ret, status);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown[0][0].toString(), QStringLiteral("File error"));
    QCOMPARE(shown[0][1].toString(), message);
}

void TestFileProtocol::readsUpToTheEnd()
{
    SimFileSystem& fs = m_device->files();
    QByteArray content(100, '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 3 + 1);
    const uint16_t id = fs.addFile("data.bin", content);
    QCOMPARE(m_protocol->fileOpen(id), 0);

    // 56 bytes with status 0, then 44 with status 254: both are data.
    QByteArray out;
    fs.clearRequests();
    QCOMPARE(m_protocol->fileReadAt(0, 100, out), 0);
    QCOMPARE(out, content);
    QCOMPARE(fs.requests().last().second, QByteArray("\x00\x38", 2)); // the USB read request word

    // Asking for more than is there: status 254 without data ends the read.
    QCOMPARE(m_protocol->fileReadAt(0, 300, out), 0);
    QCOMPARE(out, content);
    QCOMPARE(m_protocol->fileReadAt(90, 20, out), 0);
    QCOMPARE(out, content.mid(90));
    QCOMPARE(m_protocol->fileReadAt(30, 10, out), 0);
    QCOMPARE(out, content.mid(30, 10));

    // The batched link asks for its whole reply payload at once.
    m_link->setBatched(true);
    QCOMPARE(m_protocol->fileReadAt(0, 100, out), 0);
    QCOMPARE(out, content);
    QCOMPARE(fs.requests().last().second, QByteArray("\xF8\x03", 2));
}

void TestFileProtocol::seekFailures()
{
    SimFileSystem& fs = m_device->files();
    const uint16_t id = fs.addFile("data.bin", QByteArray(100, 'd'));
    QCOMPARE(m_protocol->fileOpen(id), 0);
    QSignalSpy shown(m_protocol.get(), &DeviceProtocol::uiShowMessage);
    QSignalSpy logged(m_protocol.get(), &DeviceProtocol::eventLog);

    QCOMPARE(m_protocol->fileSeek(40), 0);
    QCOMPARE(m_protocol->fileSeek(500), -3);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown[0][0].toString(), QStringLiteral("File transfer failed"));
    QCOMPARE(shown[0][1].toString(),
             QStringLiteral("The device file is at byte 100, not at 500: the transfer cannot go on."));
    QCOMPARE(logged.count(), 1);

    fs.setSeekSupported(false);
    QByteArray out;
    QCOMPARE(m_protocol->fileSeek(10), -6);
    QCOMPARE(m_protocol->fileReadAt(10, 10, out), -6);
    QCOMPARE(shown.count(), 1); // no message box
    QCOMPARE(logged.count(), 3);
    QCOMPARE(logged[1][0].toString(), QStringLiteral("This firmware has no file seek: the transfer cannot be resumed"));
    QCOMPARE(logged[1][1].toBool(), true);
}

void TestFileProtocol::deleteManyStopsAtTheFirstRefusal()
{
    SimFileSystem& fs = m_device->files();
    QCOMPARE(m_protocol->fileUpdateList(false), 0);
    const uint16_t log = fs.file("events.log")->id;
    const uint16_t boot = fs.file("boot.alg")->id;
    const uint16_t wav = fs.file("alarm.wav")->id;
    QSignalSpy shown(m_protocol.get(), &DeviceProtocol::uiShowMessage);

    QCOMPARE(m_protocol->fileDeleteMany({log, boot, wav}), 5);
    QVERIFY(!fs.file("events.log"));
    QVERIFY(fs.file("boot.alg"));
    QVERIFY(fs.file("alarm.wav"));
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown[0][1].toString(), QStringLiteral("fileUnlink: error 5 (Access denied)"));
    // The cache follows each deletion.
    for (const auto& f : m_protocol->files())
        QVERIFY(f->id != log);

    m_protocol->abortTransfer();
    QCOMPARE(m_protocol->fileDeleteMany({wav}), 0);
    QVERIFY(fs.file("alarm.wav"));
}

void TestFileProtocol::flashStatistics()
{
    SimFileSystem& fs = m_device->files();
    QSignalSpy stats(m_protocol.get(), &DeviceProtocol::uiFlashStatus);
    fs.setFlashSize(64 * 4096);
    QCOMPARE(m_protocol->efsStats(), 0);
    QCOMPARE(stats.count(), 1);
    QCOMPARE(stats[0][0].value<uint32_t>(), 64u * 4096); // flash size
    QCOMPARE(stats[0][1].value<uint32_t>(), 4096u);      // sector size
    const uint32_t freeBefore = stats[0][2].value<uint32_t>();
    QCOMPARE(stats[0][4].value<uint8_t>(), uint8_t(0));
    QCOMPARE(m_protocol->efsStatus(), uint8_t(0));

    // Ten sectors more in use; deleting them leaves them free but not yet erased.
    fs.addFile("big.bin", QByteArray(10 * 4096, 'b'));
    QCOMPARE(m_protocol->efsStats(), 0);
    QCOMPARE(stats[1][2].value<uint32_t>(), freeBefore - 10);
    QCOMPARE(m_protocol->fileUnlink(fs.file("big.bin")->id), 0);
    QCOMPARE(m_protocol->efsStats(), 0);
    QCOMPARE(stats[2][2].value<uint32_t>(), freeBefore);
    QCOMPARE(stats[2][3].value<uint32_t>(), freeBefore - 10);

    fs.setReadOnly(true);
    QCOMPARE(m_protocol->efsStats(), 0);
    QCOMPARE(stats[3][4].value<uint8_t>(), uint8_t(253));

    // After a restart the file system mounts for a while and refuses file work meanwhile.
    fs.setReadOnly(false);
    fs.setStartupMs(2000);
    m_device->setRestartDurationMs(100);
    QCOMPARE(m_protocol->reboot(), 0);
    m_clock->advance(100);
    QCOMPARE(m_protocol->efsStats(), 0);
    QCOMPARE(m_protocol->efsStatus(), uint8_t(2));
    m_clock->advance(2000);
    QCOMPARE(m_protocol->efsStats(), 0);
    QCOMPARE(m_protocol->efsStatus(), uint8_t(0));

    m_device->unplug();
    QCOMPARE(m_protocol->efsStats(), -4);
    QCOMPARE(stats.count(), 6);
}

QTEST_GUILESS_MAIN(TestFileProtocol)
#include "TestFileProtocol.moc"
