#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "SimFixture.h"
#include "sim/OfflineDevice.h"
#include "vars/SettingsSnapshot.h"
#include "vars/SnapshotWriter.h"
#include "vars/VarsRegistry.h"

namespace {

using Entry = SettingsFile::Entry;

QByteArray number(uint32_t v)
{
    const uint32_t le = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&le), 4);
}

// The small test device with the identity a real controller reports.
std::shared_ptr<SimDevice> car()
{
    QList<Entry> entries = SettingsFile::read(SimFixture::SmallProfile)->entries;
    auto text = [](uint16_t id, const QString& value) {
        return Entry{id, 'T', VarFlag::ReadOnly, 0, 32, value.toUtf8()};
    };
    entries << text(SettingsSnapshot::AlgorithmId, QStringLiteral("2.1.0"))
            << text(SettingsSnapshot::ModelId, QStringLiteral("Orvo X7"))
            << text(SettingsSnapshot::FirmwareId, QStringLiteral("1.5.4"))
            << text(SettingsSnapshot::SerialId, QStringLiteral("0012345"));
    return SimFixture::deviceWith(entries);
}

// A running stack with a registry for its write jobs.
struct Car : SimFixture::RunningStack
{
    Car() : RunningStack(car()), registry(stack.protocol(), stack.worker()) {}
    VARS& vars() { return stack.protocol().vars(); }
    // Reads the variables again after the device changed behind the program's back.
    bool reread(const QList<uint16_t>& ids)
    {
        for (uint16_t id : ids)
            registry.refresh(id);
        return QTest::qWaitFor(
            [&] {
                return std::all_of(ids.begin(), ids.end(),
                                   [&](uint16_t id) { return SettingsSnapshot::holds(vars(), *device->variable(id)); });
            },
            5000);
    }
    QList<SnapshotWriter::Result> write(const QList<Entry>& entries)
    {
        SnapshotWriter writer(registry);
        QSignalSpy done(&writer, &SnapshotWriter::finished);
        writer.start(entries);
        if (done.isEmpty() && !done.wait(5000))
            return {};
        return writer.results();
    }
    VarsRegistry registry;
};

QList<uint16_t> idsOf(const QList<SettingsSnapshot::Difference>& differences)
{
    QList<uint16_t> ids;
    for (const auto& d : differences)
        ids << d.id;
    return ids;
}

// The stand-in device holds the file's value and redirect for id.
bool deviceHolds(const SimDevice& device, const SettingsFile& file, uint16_t id)
{
    const auto entry =
        std::find_if(file.entries.begin(), file.entries.end(), [id](const Entry& e) { return e.id == id; });
    const std::optional<Entry> held = device.variable(id);
    return entry != file.entries.end() && held && held->value == entry->value && held->redir == entry->redir;
}

} // namespace

class TestSettingsSnapshot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void saveCompareAndWriteBack()
    {
        Car car;
        QVERIFY(car.connectAndLoad());
        const QString path = m_dir.filePath(SettingsSnapshot::defaultFileName(car.vars()));
        QVERIFY(QFileInfo(path).fileName().startsWith(QLatin1String("Orvo-X7_0012345_")));
        QString error;
        QVERIFY2(SettingsSnapshot::save(car.vars(), path, &error), qPrintable(error));
        const std::optional<SettingsFile> file = SettingsFile::read(path, &error);
        QVERIFY2(file, qPrintable(error));
        QCOMPARE(file->model, QStringLiteral("Orvo X7"));
        QCOMPARE(file->entries.size(), car.device->variableIds().size());
        QVERIFY(SettingsSnapshot::compare(*file, car.vars()).isEmpty());

        // The disk refuses a later save half way, as a full disk would: the earlier file stays whole, alone.
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray before = kept.readAll();
        kept.close();
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = rlim_t(before.size() / 2);
        std::signal(SIGXFSZ, SIG_IGN);
        const int limited = setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = SettingsSnapshot::save(car.vars(), path, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(limited, 0);
        QVERIFY(!saved);
        QVERIFY(error.contains(QLatin1String("cannot write the file")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});

        car.device->setVariableValue(1, number(17));
        car.device->setVariableValue(4, number(0x40490FDB)); // 3.14159274
        car.device->setVariableValue(6, QByteArrayLiteral("Інший"));
        QVERIFY(car.reread({1, 4, 6}));
        const QList<SettingsSnapshot::Difference> differences = SettingsSnapshot::compare(*file, car.vars());
        QCOMPARE(idsOf(differences), (QList<uint16_t>{1, 4, 6}));
        QCOMPARE(differences.at(0).fileText, QStringLiteral("4000000000"));
        QCOMPARE(differences.at(0).deviceText, QStringLiteral("17"));
        QCOMPARE(differences.at(2).fileText, QStringLiteral("Гараж \"Північ\""));
        QCOMPARE(differences.at(2).deviceText, QStringLiteral("Інший"));

        const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(*file, car.vars(), idsOf(differences));
        QVERIFY(plan.refusal.isEmpty());
        QVERIFY(!plan.otherFirmware);
        QVERIFY(plan.skipped.isEmpty());
        const QList<SnapshotWriter::Result> results = car.write(plan.writes);
        QCOMPARE(results.size(), 3);
        for (const SnapshotWriter::Result& r : results) {
            QVERIFY2(r.written, qPrintable(QString::number(r.id)));
            QVERIFY(deviceHolds(*car.device, *file, r.id));
        }
        QVERIFY(SettingsSnapshot::compare(*file, car.vars()).isEmpty());
    }

    void planSkipsWhatCannotBeWritten()
    {
        Car car;
        QVERIFY(car.connectAndLoad());
        SettingsFile file = SettingsSnapshot::capture(car.vars());
        file.model = QStringLiteral("Orvo M2"); // another model's settings are refused as a whole
        const SettingsSnapshot::WritePlan refused = SettingsSnapshot::plan(file, car.vars(), {1, 2});
        QVERIFY(refused.refusal.contains(QLatin1String("settings of a Orvo M2, but the device is a Orvo X7")));
        QVERIFY(refused.writes.isEmpty());

        file.model = QStringLiteral("Orvo X7");
        file.firmware = QStringLiteral("1.6.0");
        auto entry = [&](uint16_t id) -> Entry& {
            return *std::find_if(file.entries.begin(), file.entries.end(), [id](const Entry& e) { return e.id == id; });
        };
        entry(2).value = number(0);
        entry(3).type = 'U'; // type differs
        entry(7).capacity = 40;
        entry(7).value = QByteArray(30, 'x');                     // longer than the device's 20 bytes
        entry(8).value = QByteArray::fromHex("02");               // raw
        entry(9).value = number(43);                              // read-only on the device
        entry(13).redir = 0;                                      // only the redirect differs
        file.entries.append(Entry{500, 'U', 0, 0, 4, number(1)}); // not on the device

        const QList<SettingsSnapshot::Difference> differences = SettingsSnapshot::compare(file, car.vars());
        QCOMPARE(idsOf(differences), (QList<uint16_t>{2, 3, 7, 8, 9, 13, 500}));
        QVERIFY(!differences.last().onDevice);
        const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(file, car.vars(), idsOf(differences));
        QVERIFY(plan.refusal.isEmpty());
        QVERIFY(plan.otherFirmware);
        QVERIFY(plan.warning.contains(QLatin1String("1.6.0")));
        QList<uint16_t> skipped;
        for (const auto& s : plan.skipped)
            skipped << s.id;
        QCOMPARE(skipped, (QList<uint16_t>{3, 7, 8, 9, 500}));
        QCOMPARE(plan.writes.size(), 2);

        const QList<SnapshotWriter::Result> results = car.write(plan.writes);
        QCOMPARE(results.size(), 2);
        QVERIFY(results.at(0).written && results.at(1).written);
        QVERIFY(deviceHolds(*car.device, file, 2));
        QVERIFY(deviceHolds(*car.device, file, 13));
        QCOMPARE(car.device->variable(9)->value, number(42));
    }

    void deviceLostWhileWriting()
    {
        Car car;
        QVERIFY(car.connectAndLoad());
        const SettingsFile file = SettingsSnapshot::capture(car.vars());
        const QList<uint16_t> ids{1, 2, 3, 4, 6, 10, 11, 12};
        for (uint16_t id : ids)
            car.device->setVariableValue(id, id == 6 ? QByteArrayLiteral("x") : number(id + 100));
        QVERIFY(car.reread(ids));
        const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(file, car.vars(), ids);
        QCOMPARE(plan.writes.size(), ids.size());

        car.link->unplugAtExchange(4);
        const QList<SnapshotWriter::Result> results = car.write(plan.writes);
        QCOMPARE(results.size(), ids.size());
        int written = 0;
        for (const SnapshotWriter::Result& r : results) {
            written += r.written;
            QVERIFY2(r.written ? deviceHolds(*car.device, file, r.id) : r.code != 0, qPrintable(QString::number(r.id)));
        }
        QVERIFY(written > 0 && written < ids.size()); // reported one by one, as they went
    }

    void offlineFileIsEditedAndSavedBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("car.kset"));
        SettingsFile saved = *SettingsFile::read(SimFixture::SmallProfile);
        QVERIFY(saved.write(path));

        DeviceStack stack(SimFixture::RunningStack::options());
        OfflineDevice offline(stack);
        QString error;
        QVERIFY(!offline.open(dir.filePath(QStringLiteral("missing.kset")), &error));
        QVERIFY(error.contains(QLatin1String("cannot open the file")));
        QVERIFY(!stack.transports().find(OfflineDevice::TransportId));
        QVERIFY2(offline.open(path, &error), qPrintable(error));
        VarsRegistry registry(stack.protocol(), stack.worker());
        stack.worker().setLoadList(offline.device()->variableIds());
        QSignalSpy loaded(&stack.protocol(), &DeviceProtocol::uiVarsLoadEnd);
        stack.start();
        QVERIFY(QTest::qWaitFor([&] { return stack.worker().isConnected(); }, 5000));
        DeviceProtocol& protocol = stack.protocol();
        DeviceThread& worker = stack.worker();
        stack.worker().post([&protocol, &worker] {
            if (protocol.auth("0000") == 0) // the file has no PIN: any opens it
                worker.requestFullLoad();
        });
        QVERIFY(loaded.wait(5000));
        QVERIFY(SettingsSnapshot::compare(saved, protocol.vars()).isEmpty());

        QSignalSpy written(&registry, &VarsRegistry::writeDone);
        registry.setValue(1, QStringLiteral("77"));
        QTRY_COMPARE_WITH_TIMEOUT(written.count(), 1, 5000);
        QCOMPARE(written.first().at(1).toInt(), 0);
        QCOMPARE(SettingsFile::read(path)->entries.first().value, saved.entries.first().value); // not before the save

        worker.post([&protocol] { protocol.varsSave(1); });
        QVERIFY(QTest::qWaitFor(
            [&] {
                worker.post([&protocol] { protocol.varsSave(0); });
                return offline.device()->savesCompleted() > 0;
            },
            5000));
        const std::optional<SettingsFile> back = SettingsFile::read(path, &error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(back->model, saved.model);
        QCOMPARE(back->firmware, saved.firmware);
        saved.entries.first().value = number(77);
        QCOMPARE(back->entries, saved.entries);
        stack.shutdown();
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSettingsSnapshot)
#include "TestSettingsSnapshot.moc"
