#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "SimFixture.h"
#include "sim/OfflineDevice.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VarsRegistry.h"

namespace {

using Entry = SettingsFile::Entry;

QByteArray number(uint32_t v)
{
    const uint32_t le = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&le), 4);
}

// A session on the small test device, with the identity a real controller reports, every variable loaded.
struct Car : SimFixture::Session
{
    Car() : Session(make()) { loaded = connect() && protocol.loadVars(SimFixture::allIds(*device), false) == 0; }
    static std::shared_ptr<SimDevice> make()
    {
        QList<Entry> entries = SettingsFile::read(SimFixture::SmallProfile)->entries;
        auto text = [](uint16_t id, const char* value) { return Entry{id, 'T', VarFlag::ReadOnly, 0, 32, value}; };
        entries << text(SettingsSnapshot::AlgorithmId, "2.1.0") << text(SettingsSnapshot::ModelId, "Orvo X7")
                << text(SettingsSnapshot::FirmwareId, "1.5.4") << text(SettingsSnapshot::SerialId, "0012345");
        return SimFixture::deviceWith(entries);
    }
    bool loaded = false;
};

} // namespace

class TestSettingsSnapshot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusedSaveKeepsTheEarlierFile()
    {
        Car car;
        QVERIFY(car.loaded);
        QTemporaryDir dir;
        const QString path = dir.filePath(SettingsSnapshot::defaultFileName(car.protocol.vars()));
        QVERIFY(QFileInfo(path).fileName().startsWith(QLatin1String("Orvo-X7_0012345_")));
        QString error;
        QVERIFY2(SettingsSnapshot::save(car.protocol.vars(), path, &error), qPrintable(error));
        const std::optional<SettingsFile> file = SettingsFile::read(path, &error);
        QVERIFY2(file, qPrintable(error));
        QVERIFY(SettingsSnapshot::compare(*file, car.protocol.vars()).isEmpty());

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
        const bool saved = SettingsSnapshot::save(car.protocol.vars(), path, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        QCOMPARE(limited, 0);
        QVERIFY(!saved);
        QVERIFY(error.contains(QLatin1String("cannot write the file")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
    }

    void planSkipsWhatCannotBeWritten()
    {
        Car car;
        QVERIFY(car.loaded);
        const VARS& vars = car.protocol.vars();
        SettingsFile file = SettingsSnapshot::capture(vars);
        file.model = QStringLiteral("Orvo M2"); // another model's settings are refused as a whole
        const SettingsSnapshot::WritePlan refused = SettingsSnapshot::plan(file, vars, {1, 2});
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
        entry(13).redir = 0;                                      // only the redirect differs
        file.entries.append(Entry{500, 'U', 0, 0, 4, number(1)}); // not on the device
        const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(file, vars, {2, 3, 7, 8, 13, 500});
        QVERIFY(plan.refusal.isEmpty());
        QVERIFY(plan.warning.contains(QLatin1String("1.6.0")));
        QList<uint16_t> skipped;
        for (const auto& s : plan.skipped)
            skipped << s.id;
        QCOMPARE(skipped, (QList<uint16_t>{3, 7, 8, 500}));
        QCOMPARE(plan.writes.size(), 2);
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
        QVERIFY2(offline.open(path, &error), qPrintable(error));
        VarsRegistry registry(stack.protocol(), stack.worker());
        stack.worker().setLoadList(offline.device()->variableIds());
        QSignalSpy loaded(&stack.protocol(), &DeviceProtocol::uiVarsLoadEnd);
        stack.start();
        QVERIFY(QTest::qWaitFor([&] { return stack.worker().isConnected(); }, 5000));
        DeviceProtocol& protocol = stack.protocol();
        DeviceThread& worker = stack.worker();
        worker.post([&protocol, &worker] {
            if (protocol.auth("0000") == 0) // the file has no PIN: any opens it
                worker.requestFullLoad();
        });
        QVERIFY(loaded.wait(5000));

        QSignalSpy written(&registry, &VarsRegistry::writeDone);
        registry.setValue(1, QStringLiteral("77"));
        QTRY_COMPARE_WITH_TIMEOUT(written.count(), 1, 5000);
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
        QCOMPARE(back->firmware, saved.firmware);
        saved.entries.first().value = number(77);
        QCOMPARE(back->entries, saved.entries);
        stack.shutdown();
    }
};

QTEST_GUILESS_MAIN(TestSettingsSnapshot)
#include "TestSettingsSnapshot.moc"
