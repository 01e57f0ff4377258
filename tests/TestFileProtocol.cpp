#include <QtTest>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "sim/SimFileSystem.h"

// The elementary EFS operations against the stand-in device's file system: what reaches the device,
// what the file list receivers and the user see.
class TestFileProtocol : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_s = std::make_unique<SimFixture::Session>(std::make_shared<SimDevice>());
        QVERIFY(m_s->connect());
        m_protocol = &m_s->protocol;
        m_fs = &m_s->device->files();
        m_events.clear();
        connect(m_protocol, &DeviceProtocol::uiFilesClear, this, [this] { m_events << QStringLiteral("clear"); });
        connect(m_protocol, &DeviceProtocol::uiFilesAddEntry, this,
                [this](QSharedPointer<EfsFile> f) { m_events << (f ? f->name : QStringLiteral("end")); });
    }

    void listWalks_data()
    {
        QTest::addColumn<bool>("batched");
        QTest::addColumn<int>("count");
        for (const bool batched : {false, true}) {
            for (const int count : {0, 120})
                QTest::addRow("%s, %d files", batched ? "list" : "find", count) << batched << count;
        }
    }

    void listWalks()
    {
        QFETCH(bool, batched);
        QFETCH(int, count);
        m_s->link.setBatched(batched);
        m_fs->clear();
        QStringList expected{"clear"};
        for (int i = 1; i <= count; ++i) {
            // Names of the full 25 bytes, which the device sends without a terminator.
            const QByteArray name = "file-with-a-long-name-" + QByteArray::number(i).rightJustified(3, '0');
            m_fs->addFile(name, QByteArray(i, 'x'), i % 2 ? 0xFF : 0x00, uint16_t(3 * i), uint32_t(100 * i));
            expected << QString::fromLatin1(name);
        }
        m_fs->clearRequests();

        QCOMPARE(m_protocol->fileUpdateList(true), 0);
        QCOMPARE(listEvents(), expected << "end");
        const auto& files = m_protocol->files();
        QCOMPARE(files.size(), count);
        for (int i = 1; i <= count; ++i) {
            QCOMPARE(files[i - 1]->id, uint16_t(3 * i));
            QCOMPARE(files[i - 1]->size, uint32_t(i));
            QCOMPARE(files[i - 1]->system, i % 2 == 0);
            QCOMPARE(files[i - 1]->created, QDateTime::fromSecsSinceEpoch(946684800 + 100 * i));
        }
        // Each walk goes on after the last id seen: FIND one entry at a time, LIST several per reply.
        const QList<uint16_t> asked = firstIdsAsked(batched ? Cmd::EFS_FILE_LIST : Cmd::EFS_FILE_FIND);
        QVERIFY(firstIdsAsked(batched ? Cmd::EFS_FILE_FIND : Cmd::EFS_FILE_LIST).isEmpty());
        QCOMPARE(asked.first(), uint16_t(0));
        for (int k = 1; k < asked.size(); ++k)
            QVERIFY(asked[k] % 3 == 1 && asked[k] > asked[k - 1]);
        if (!batched)
            QCOMPARE(asked.size(), count + 1);
        else if (count == 120)
            QVERIFY(asked.size() >= 4);
    }

    void readsAndSeeks()
    {
        QByteArray content(100, '\0');
        for (int i = 0; i < content.size(); ++i)
            content[i] = char(i * 3 + 1);
        QCOMPARE(m_protocol->fileOpen(m_fs->addFile("data.bin", content)), 0);

        // Asking for more than is there: status 254 without data ends the read.
        QByteArray out;
        QCOMPARE(m_protocol->fileReadAt(0, 300, out), 0);
        QCOMPARE(out, content);
        QCOMPARE(m_protocol->fileReadAt(90, 20, out), 0);
        QCOMPARE(out, content.mid(90));

        QSignalSpy shown(m_protocol, &DeviceProtocol::uiShowMessage);

        QCOMPARE(m_protocol->fileSeek(40), 0);
        QCOMPARE(m_protocol->fileSeek(500), FileResult::Shown);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown[0][0].toString(), QStringLiteral("File transfer failed"));
        QCOMPARE(shown[0][1].toString(),
                 QStringLiteral("The device file is at byte 100, not at 500: the transfer cannot go on."));

        // Firmware without seek: no message box.
        m_fs->setSeekSupported(false);
        QCOMPARE(m_protocol->fileReadAt(10, 10, out), FileResult::NoSeek);
        QCOMPARE(shown.count(), 1);
    }

    void deleteManyStopsAtTheFirstRefusal()
    {
        QCOMPARE(m_protocol->fileUpdateList(false), 0);
        const uint16_t log = m_fs->file("events.log")->id;
        const uint16_t wav = m_fs->file("alarm.wav")->id;
        QSignalSpy shown(m_protocol, &DeviceProtocol::uiShowMessage);

        QCOMPARE(m_protocol->fileDeleteMany({log, m_fs->file("boot.alg")->id, wav}), 5);
        QVERIFY(!m_fs->file("events.log"));
        QVERIFY(m_fs->file("boot.alg"));
        QVERIFY(m_fs->file("alarm.wav"));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown[0][1].toString(), QStringLiteral("fileUnlink: error 5 (Access denied)"));
        const auto& cached = m_protocol->files();
        QVERIFY(std::none_of(cached.cbegin(), cached.cend(), [log](const auto& f) { return f->id == log; }));

        // After a cancel nothing more is deleted.
        m_protocol->abortTransfer();
        QCOMPARE(m_protocol->fileDeleteMany({wav}), 0);
        QVERIFY(m_fs->file("alarm.wav"));
    }

    void flashStatistics()
    {
        QSignalSpy stats(m_protocol, &DeviceProtocol::uiFlashStatus);
        m_fs->setFlashSize(64 * 4096);
        QCOMPARE(m_protocol->efsStats(), 0);
        QCOMPARE(stats.count(), 1);
        QCOMPARE(stats[0][0].value<uint32_t>(), 64u);   // flash size in sectors
        QCOMPARE(stats[0][1].value<uint32_t>(), 4096u); // sector size
        const uint32_t freeBefore = stats[0][2].value<uint32_t>();
        QCOMPARE(stats[0][4].value<uint8_t>(), uint8_t(0));

        // Ten sectors more in use; deleting them leaves them free but not yet erased.
        m_fs->addFile("big.bin", QByteArray(10 * 4096, 'b'));
        QCOMPARE(m_protocol->efsStats(), 0);
        QCOMPARE(stats[1][2].value<uint32_t>(), freeBefore - 10);
        QCOMPARE(m_protocol->fileUnlink(m_fs->file("big.bin")->id), 0);
        QCOMPARE(m_protocol->efsStats(), 0);
        QCOMPARE(stats[2][2].value<uint32_t>(), freeBefore);
        QCOMPARE(stats[2][3].value<uint32_t>(), freeBefore - 10);
    }

private:
    // Events of the list receivers in order: "clear", a file name, or "end" for the null entry.
    QStringList listEvents() { return std::exchange(m_events, {}); }

    QList<uint16_t> firstIdsAsked(uint8_t cmd) const
    {
        QList<uint16_t> ids;
        for (const auto& [c, payload] : m_fs->requests()) {
            if (c == cmd)
                ids << uint16_t(uint8_t(payload.at(0)) | uint8_t(payload.at(1)) << 8);
        }
        return ids;
    }

    std::unique_ptr<SimFixture::Session> m_s;
    DeviceProtocol* m_protocol = nullptr;
    SimFileSystem* m_fs = nullptr;
    QStringList m_events;
};

QTEST_GUILESS_MAIN(TestFileProtocol)
#include "TestFileProtocol.moc"
