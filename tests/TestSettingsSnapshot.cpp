#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include <libusb.h>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "vars/SettingsFileLink.h"
#include "vars/DeviceVars.h"
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

Entry& entryIn(SettingsFile& file, int id)
{
    return *std::find_if(file.entries.begin(), file.entries.end(), [id](const Entry& e) { return e.id == id; });
}

// A session on the small test device, with the identity a real controller reports, every variable loaded.
struct Car : SimFixture::Session
{
    explicit Car(const QList<Entry>& extra = {}) : Session(make(extra))
    {
        loaded = connect() && protocol.loadVars(SimFixture::allIds(*device), false) == 0;
    }
    static std::shared_ptr<SimDevice> make(const QList<Entry>& extra = {})
    {
        QList<Entry> entries = SettingsFile::read(SimFixture::SmallProfile)->entries + extra;
        auto text = [](uint16_t id, const char* value) { return Entry{id, 'T', VarFlag::ReadOnly, 0, 32, value}; };
        entries << text(DeviceVar::Algorithm, "2.1.0") << text(DeviceVar::Model, "Orvo X7")
                << text(DeviceVar::Firmware, "1.5.4") << text(DeviceVar::Serial, "0012345");
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
        auto entry = [&file](int id) -> Entry& { return entryIn(file, id); };
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

    // A file that differs from the device in one setting alone: listed, planned, written and then held.
    void oneSettingDiffers_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("setting");
        QTest::newRow("inversion turned off") << 11 << "inversion";
        QTest::newRow("inversion turned on") << 1 << "inversion";
        QTest::newRow("bit variable B0 to B1") << 10 << "inversion";
        QTest::newRow("redirect") << 13 << "redirect";
        QTest::newRow("value") << 2 << "value";
    }

    void oneSettingDiffers()
    {
        QFETCH(int, id);
        QFETCH(QString, setting);
        SimFixture::RunningStack car(Car::make());
        QVERIFY(car.connectAndLoad());
        VarsRegistry registry(car.stack.protocol(), car.stack.worker());
        const VARS& vars = car.stack.protocol().vars();
        SettingsFile file = SettingsSnapshot::capture(vars);
        Entry& entry = entryIn(file, id);
        if (setting == QLatin1String("inversion"))
            entry.flags ^= VarFlag::Inverted;
        else if (setting == QLatin1String("redirect"))
            entry.redir = 0;
        else
            entry.value = number(0);

        const QList<SettingsSnapshot::Difference> differences = SettingsSnapshot::compare(file, vars);
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences.first().id, uint16_t(id));
        QVERIFY2(differences.first().fileText != differences.first().deviceText,
                 qPrintable(differences.first().fileText));
        QVERIFY(differences.first().fileRaw != differences.first().deviceRaw);
        const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(file, vars, {uint16_t(id)});
        QCOMPARE(plan.writes, QList<Entry>{entry});

        SnapshotWriter writer(registry);
        QSignalSpy finished(&writer, &SnapshotWriter::finished);
        writer.start(plan.writes);
        QVERIFY(finished.wait(5000));
        QCOMPARE(writer.results().size(), 1);
        QVERIFY(writer.results().first().written);
        const std::optional<Entry> held = car.device->variable(uint16_t(id));
        QCOMPARE(held->flags & VarFlag::Inverted, entry.flags & VarFlag::Inverted);
        QCOMPARE(held->redir, entry.redir);
        QCOMPARE(held->value, entry.value);
        QVERIFY(SettingsSnapshot::compare(file, vars).isEmpty());
    }

    void unknownTypeIsCarriedNotWritten()
    {
        Car car({Entry{60, 'X', VarFlag::Flash, 0, 4, QByteArray::fromHex("01020304")}});
        QVERIFY(car.loaded);
        const VARS& vars = car.protocol.vars();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("car.kset"));
        QString error;
        QVERIFY2(SettingsSnapshot::save(vars, path, &error), qPrintable(error));
        std::optional<SettingsFile> file = SettingsFile::read(path, &error);
        QVERIFY2(file, qPrintable(error));
        QVERIFY(SettingsSnapshot::compare(*file, vars).isEmpty());

        Entry& entry = entryIn(*file, 60);
        QCOMPARE(entry.type, 'X');
        entry.value = QByteArray::fromHex("05060708");
        const QList<SettingsSnapshot::Difference> differences = SettingsSnapshot::compare(*file, vars);
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences.first().fileText, QStringLiteral("0x05060708"));
        QCOMPARE(differences.first().deviceText, QStringLiteral("0x01020304"));
        const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(*file, vars, {60});
        QVERIFY(plan.writes.isEmpty());
        QCOMPARE(plan.skipped.size(), 1);
        QVERIFY2(plan.skipped.first().reason.contains(QLatin1String("type X is not known")),
                 qPrintable(plan.skipped.first().reason));
    }

    void numbersThatDoNotFit_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("capacity"); // as the device reports it
        QTest::addColumn<int>("bytes");    // value bytes the device sends
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("fits");
        QTest::newRow("255 in one byte") << "U" << 1 << 1 << number(255) << true;
        QTest::newRow("256 in one byte") << "U" << 1 << 1 << number(256) << false;
        QTest::newRow("-1 in two bytes") << "I" << 2 << 2 << number(uint32_t(-1)) << false;
        QTest::newRow("-1 in four bytes") << "I" << 4 << 4 << number(uint32_t(-1)) << true;
        QTest::newRow("over the capacity named") << "B" << 2 << 4 << number(70000) << false;
        QTest::newRow("a fifth byte") << "U" << 4 << 4 << QByteArray("\x01\0\0\0\x01", 5) << false;
    }

    void numbersThatDoNotFit()
    {
        QFETCH(QString, type);
        QFETCH(int, capacity);
        QFETCH(int, bytes);
        QFETCH(QByteArray, value);
        QFETCH(bool, fits);
        VARS vars;
        const QByteArray model("Orvo X7");
        vars.update(DeviceVar::Model, 0, 'T', VarFlag::ReadOnly, 32,
                    reinterpret_cast<const uint8_t*>(model.data()), int(model.size()));
        const uint8_t zero[4] = {};
        const char letter = type.front().toLatin1();
        vars.update(50, 0, uint8_t(letter), VarFlag::Flash, uint16_t(capacity), zero, bytes);
        SettingsFile file;
        file.model = QString::fromLatin1(model);
        file.entries.append({50, letter, VarFlag::Flash, 0, 4, value});
        const SettingsSnapshot::WritePlan plan = SettingsSnapshot::plan(file, vars, {50});
        QCOMPARE(plan.writes.size(), fits ? 1 : 0);
        QCOMPARE(plan.skipped.size(), fits ? 0 : 1);
        if (!fits)
            QVERIFY2(plan.skipped.first().reason.contains(QLatin1String("does not fit")),
                     qPrintable(plan.skipped.first().reason));
    }

    void failedEditIsNotCaptured()
    {
        SimFixture::RunningStack car(SimFixture::deviceWithProfile(SimFixture::SmallProfile));
        QVERIFY(car.connectAndLoad());
        VarsRegistry registry(car.stack.protocol(), car.stack.worker());
        // The cable goes as the write leaves: the device never takes it.
        car.link->setRequestObserver([link = car.link](uint8_t cmd, const QByteArray&) {
            if (cmd == Cmd::VAR_SET)
                link->unplugAtExchange(1);
        });
        QSignalSpy done(&registry, &VarsRegistry::writeDone);
        registry.setValue(1, QStringLiteral("77"));
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 5000);
        QVERIFY(done.first().at(1).toInt() < 0);
        const SettingsFile captured = SettingsSnapshot::capture(car.stack.protocol().vars());
        QCOMPARE(captured.entries.first().id, uint16_t(1));
        QCOMPARE(captured.entries.first().value, car.device->variable(1)->value);
    }

    void settingsFileIsTheDevice()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("car.kset"));
        SettingsFile saved = *SettingsFile::read(SimFixture::SmallProfile);
        QVERIFY(saved.write(path));

        DeviceStack stack(SimFixture::RunningStack::options());
        auto& file = static_cast<SettingsFileLink&>(stack.addTransport(
            SettingsFileLink::TransportId, QStringLiteral("File"), std::make_unique<SettingsFileLink>()));
        QString error;
        QVERIFY2(file.load(path, &error), qPrintable(error));
        stack.transports().select(SettingsFileLink::TransportId);
        VarsRegistry registry(stack.protocol(), stack.worker());
        QList<uint16_t> ids;
        for (const SettingsFile::Entry& e : saved.entries)
            ids << e.id;
        stack.worker().setLoadList(ids);
        QSignalSpy loaded(&stack.protocol(), &DeviceProtocol::uiVarsLoadEnd);
        stack.start();
        QVERIFY(QTest::qWaitFor([&] { return stack.worker().isConnected(); }, 5000));
        stack.worker().requestFullLoad(); // a file asks for no PIN
        QVERIFY(loaded.wait(5000));
        QCOMPARE(stack.protocol().vars().count(), saved.entries.size());

        // Nothing but information, PIN and variables: the rest is not supported, and never looks done.
        DeviceProtocol& protocol = stack.protocol();
        std::atomic<int> results[4] = {1, 1, 1, 1};
        stack.worker().post([&] {
            results[0] = protocol.efsStats();
            results[1] = protocol.fileUpdateList(false);
            results[2] = protocol.setDateTime(QDateTime::currentDateTime());
            results[3] = protocol.reboot();
        });
        QTRY_VERIFY_WITH_TIMEOUT(results[3] != 1, 5000);
        for (const auto& r : results)
            QCOMPARE(r.load(), int(LIBUSB_ERROR_NOT_SUPPORTED));

        QSignalSpy written(&registry, &VarsRegistry::writeDone);
        registry.setValue(1, QStringLiteral("77"));
        QTRY_COMPARE_WITH_TIMEOUT(written.count(), 1, 5000);
        QCOMPARE(SettingsFile::read(path)->entries.first().value, saved.entries.first().value); // not before the save

        std::atomic<int> saveError = -1;
        stack.worker().post([&] {
            uint8_t state = 0;
            uint8_t failed = 0;
            protocol.varsSave(1);
            protocol.varsSave(0, &state, &failed);
            saveError = state == 0 ? failed : -2;
        });
        QTRY_COMPARE_WITH_TIMEOUT(saveError.load(), 0, 5000);
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
