#include <QtTest>

#include "SimFixture.h"
#include "vars/LineJob.h"
#include "vars/LineLog.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"

namespace {

using Entry = SettingsFile::Entry;

// The file the line writes: the demo car's own settings with three values changed.
const QList<std::pair<uint16_t, QByteArray>> Changed{{1304, "12.5"}, {1305, "14"}, {1306, "0.5"}};

SettingsFile lineFile(const SimDevice& device)
{
    SettingsFile file = device.profile();
    for (Entry& e : file.entries) {
        for (const auto& [id, text] : Changed) {
            if (e.id == id)
                e.value = *SettingsFile::parseValue(e.type, QString::fromLatin1(text));
        }
    }
    return file;
}

LineRecord record(const QString& reason, const QString& step = {})
{
    LineRecord r;
    r.time = QDateTime(QDate(2026, 12, 7), QTime(9, 30, 5), QTimeZone(7200));
    r.serial = QStringLiteral("0012345");
    r.model = QStringLiteral("Orvo X7");
    r.firmware = QStringLiteral("1.5.4");
    r.done = step.isEmpty();
    r.written = r.done ? 3 : 0;
    r.step = step;
    r.reason = reason;
    return r;
}

} // namespace

// One controller programmed by the job the window runs: the steps over the worker against the stand-in
// device, and the record as the log keeps it.
class TestLineJob : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(m_pages.load()); }

    // What the device does while the job runs, and the record it leaves.
    void programsOneController_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("failedAt");
        QTest::newRow("written, saved, read back") << QString() << QString();
        QTest::newRow("unplugged while writing") << "unplug at write"
                                                 << "write";
        QTest::newRow("unplugged while saving") << "unplug at save"
                                                << "save";
        QTest::newRow("a value not kept") << "forget at verify"
                                          << "verify";
        QTest::newRow("a value not read back") << "unread at verify"
                                               << "verify";
        QTest::newRow("another model") << "other model"
                                       << "model";
        QTest::newRow("flash save fails") << "save error"
                                          << "save";
    }

    void programsOneController()
    {
        QFETCH(QString, fault);
        QFETCH(QString, failedAt);
        SimFixture::RunningStack car(SimFixture::deviceWithProfile(SimFixture::DemoProfile));
        QVERIFY(car.connectAndLoad());
        VarsRegistry registry(car.stack.protocol(), car.stack.worker());
        SettingsFile file = lineFile(*car.device);
        const QByteArray before = car.device->variable(1305)->value;
        if (fault == QLatin1String("other model"))
            file.model = QStringLiteral("Orvo X9");
        if (fault == QLatin1String("save error"))
            car.device->setSaveError(3);
        car.device->setSaveDurationMs(50);

        LineJob job(car.stack, registry, m_pages);
        QStringList steps;
        connect(&job, &LineJob::stepStarted, this, [&](const QString& step, const QString&) {
            steps << step;
            if (fault == QLatin1String("unplug at ") + step)
                car.device->unplug();
            // The device takes the write, then loses it before the fresh read.
            if (fault == QLatin1String("forget at ") + step)
                car.device->setVariableValue(1305, before);
            if (fault == QLatin1String("unread at ") + step)
                car.device->refuseReads(1305, 100);
        });
        QSignalSpy finished(&job, &LineJob::finished);
        // As the window runs it: right after its own load, so the job starts from the store.
        job.start(file, {.save = true, .force = false, .loaded = true});
        QVERIFY(job.isRunning());
        QVERIFY(finished.wait(10000));
        QVERIFY(!job.isRunning());
        const auto r = finished.first().first().value<LineRecord>();
        QCOMPARE(r.serial, QStringLiteral("0012345"));
        QCOMPARE(r.model, QStringLiteral("Orvo X7"));
        QCOMPARE(r.step, failedAt);
        QCOMPARE(r.done, failedAt.isEmpty());
        QVERIFY(!steps.contains(QStringLiteral("load")));
        if (r.done) {
            QCOMPARE(r.written, Changed.size());
            QCOMPARE(steps, (QStringList{"identify", "write", "save", "verify"}));
            QCOMPARE(car.device->savesCompleted(), 1);
            for (const auto& [id, text] : Changed)
                QCOMPARE(SettingsFile::valueText(*car.device->variable(id)), text);
            return;
        }
        QVERIFY(!r.reason.isEmpty());
        if (failedAt == QLatin1String("verify"))
            QVERIFY2(r.reason.endsWith(QLatin1String(": 1305")), qPrintable(r.reason));
        if (failedAt == QLatin1String("model")) {
            QVERIFY(r.reason.contains(QLatin1String("Orvo X9")) && r.reason.contains(QLatin1String("Orvo X7")));
            QCOMPARE(car.device->variable(1305)->value, before);
        }
    }

    // The log's lines as a spreadsheet and a script read them.
    void logLines_data()
    {
        QTest::addColumn<LineRecord>("record");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("done") << record({})
                              << QByteArray("2026-12-07T09:30:05+02:00,0012345,Orvo X7,1.5.4,done,3,0,,\n");
        QTest::newRow("comma and quote quoted")
            << record(QStringLiteral("The file holds a \"X9\", this is a X7"), QStringLiteral("model"))
            << QByteArray("2026-12-07T09:30:05+02:00,0012345,Orvo X7,1.5.4,failed,0,0,model,"
                          "\"The file holds a \"\"X9\"\", this is a X7\"\n");
        QTest::newRow("line break quoted") << record(QStringLiteral("one\ntwo"), QStringLiteral("write"))
                                           << QByteArray("2026-12-07T09:30:05+02:00,0012345,Orvo X7,1.5.4,failed,0,0,"
                                                         "write,\"one\ntwo\"\n");
    }

    void logLines()
    {
        QFETCH(LineRecord, record);
        QFETCH(QByteArray, csv);
        // The time is written in the computer's zone, which the test does not choose: the fields after it count.
        const QByteArray line = LineLog::line(record, LineLog::Format::Csv);
        QCOMPARE(line.mid(line.indexOf(',')), csv.mid(csv.indexOf(',')));
        const QByteArray json = LineLog::line(record, LineLog::Format::JsonLines);
        QVERIFY(json.endsWith('\n') && json.count('\n') == 1);
        const QJsonObject object = QJsonDocument::fromJson(json).object();
        QCOMPARE(object.keys().size(), 9);
        QCOMPARE(object.value(QStringLiteral("written")), QJsonValue(record.written));
        QCOMPARE(object.value(QStringLiteral("reason")).toString(), record.reason);
        QCOMPARE(object.value(QStringLiteral("result")).toString(),
                 record.done ? QStringLiteral("done") : QStringLiteral("failed"));
    }

private:
    VarsUI m_pages;
};

QTEST_GUILESS_MAIN(TestLineJob)
#include "TestLineJob.moc"
