#include <QtTest>

#include "DemoCli.h"
#include "link/CommandTable.h"

// "line" on the demo device, one controller per run (the demo device is never unplugged): what it writes to
// the device and what it records in the log.
class TestLineCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_demo = std::make_unique<DemoCli>();
        // The file the line writes: the car as it is, then the car changed so that the file differs from it.
        QCOMPARE(cli({QStringLiteral("save-settings"), file()}).status, 0);
        QCOMPARE(cli({QStringLiteral("set"), QStringLiteral("1304=12.5"), QStringLiteral("1305=14")}).status, 0);
    }

    void writesSavesAndAppends()
    {
        const QString log = m_demo->path(QStringLiteral("line.csv"));
        const QStringList line{
            QStringLiteral("line"),  file(), QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--save"),
            QStringLiteral("--log"), log};
        const CliRun first = cli(line);
        QCOMPARE(first.status, 0);
        QVERIFY2(first.err.contains("Done: 0012345 — unplug it and connect the next"), first.err.constData());
        QVERIFY(first.out.isEmpty());
        // The device kept them: a later run meets them, as a restarted controller would its flash.
        QCOMPARE(m_demo->deviceValue(1304), QByteArray("11.8000002"));
        QCOMPARE(m_demo->deviceValue(1305), QByteArray("13.3999996"));
        QCOMPARE(cli({QStringLiteral("compare"), file()}).status, 0);

        QCOMPARE(cli(line).status, 0); // nothing left to write
        const QList<QByteArray> lines = DemoCli::read(log).split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QByteArray("time,serial,model,firmware,result,written,skipped,step,reason"));
        const QRegularExpression time(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d,"));
        QVERIFY(time.match(QString::fromUtf8(lines.at(1))).hasMatch());
        QVERIFY2(lines.at(1).endsWith(",0012345,Orvo X7,1.5.4,done,2,0,,"), lines.at(1).constData());
        QVERIFY2(lines.at(2).endsWith(",0012345,Orvo X7,1.5.4,done,0,0,,"), lines.at(2).constData());
    }

    // Controllers the line could not program: the record names the step and why, and the exit status says so.
    void failuresRecorded_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("lose");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("written");
        QTest::newRow("another model") << "Orvo \"Z9\", rev 2" << QString() << "model"
                                       << "The file holds settings for Orvo \"Z9\", rev 2; this controller is Orvo X7"
                                       << 0;
        // The first of the two writes reached the device before it went.
        QTest::newRow("lost while writing")
            << "Orvo X7" << QStringLiteral("%1:2").arg(Cmd::VAR_SET) << "write"
            << "The link was lost: the cable was pulled or the controller restarted" << 1;
    }

    void failuresRecorded()
    {
        QFETCH(QString, model);
        QFETCH(QString, lose);
        QFETCH(QString, step);
        QFETCH(QString, reason);
        QFETCH(int, written);
        std::optional<SettingsFile> saved = SettingsFile::read(file());
        QVERIFY(saved);
        saved->model = model;
        QVERIFY(saved->write(file()));
        for (const QString& format : {QStringLiteral("csv"), QStringLiteral("jsonl")}) {
            // Each run meets the changed car, whatever the run before left on it.
            m_demo->env.remove(QStringLiteral("KESTROVA_DEMO_LOSE_AT"));
            QCOMPARE(cli({QStringLiteral("set"), QStringLiteral("1304=12.5"), QStringLiteral("1305=14")}).status, 0);
            if (!lose.isEmpty())
                m_demo->env.insert(QStringLiteral("KESTROVA_DEMO_LOSE_AT"), lose);
            const CliRun run = cli({QStringLiteral("line"), file(), QStringLiteral("--count"), QStringLiteral("1"),
                                    QStringLiteral("--log-format"), format});
            QCOMPARE(run.status, 7);
            QVERIFY2(run.err.contains(QStringLiteral("Failed: 0012345 at %1: ").arg(step).toUtf8()),
                     run.err.constData());
            if (format == QLatin1String("jsonl")) {
                const QJsonObject record = QJsonDocument::fromJson(run.out).object();
                QCOMPARE(record.value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
                QCOMPARE(record.value(QStringLiteral("step")).toString(), step);
                QCOMPARE(record.value(QStringLiteral("reason")).toString(), reason);
                QCOMPARE(record.value(QStringLiteral("written")), QJsonValue(written));
                continue;
            }
            const QList<QByteArray> lines = run.out.split('\n');
            QCOMPARE(lines.size(), 3);
            QString quoted = reason;
            quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
            if (quoted != reason || reason.contains(QLatin1Char(',')))
                quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
            QVERIFY2(lines.at(1).endsWith(QStringLiteral(",failed,%1,0,%2,%3").arg(written).arg(step, quoted).toUtf8()),
                     lines.at(1).constData());
        }
        if (step == QLatin1String("model"))
            QCOMPARE(m_demo->deviceValue(1304), QByteArray("12.5")); // nothing written
    }

    void skippedIsNoFailure()
    {
        // A variable this device lacks: the plan skips it, and the controller is done all the same.
        std::optional<SettingsFile> saved = SettingsFile::read(file());
        QVERIFY(saved);
        saved->entries.append({9, 'U', 0x2000, 0, 4, QByteArray::fromHex("05000000")});
        QVERIFY(saved->write(file()));
        const CliRun run = cli(
            {QStringLiteral("--json"), QStringLiteral("line"), file(), QStringLiteral("--count"), QStringLiteral("1")});
        QCOMPARE(run.status, 0);
        const QJsonObject document = run.json();
        QCOMPARE(document.value(QStringLiteral("done")), QJsonValue(1));
        QCOMPARE(document.value(QStringLiteral("failed")), QJsonValue(0));
        const QJsonObject record = document.value(QStringLiteral("records")).toArray().first().toObject();
        QCOMPARE(record.value(QStringLiteral("written")), QJsonValue(2));
        QCOMPARE(record.value(QStringLiteral("skipped")), QJsonValue(1));
        QCOMPARE(record.value(QStringLiteral("result")).toString(), QStringLiteral("done"));
    }

    void stopsOnRequestAfterTheRecord()
    {
        const QString log = m_demo->path(QStringLiteral("line.jsonl"));
        QProcess line;
        line.setProcessEnvironment(m_demo->env);
        QByteArray err;
        connect(&line, &QProcess::readyReadStandardError, this, [&] { err += line.readAllStandardError(); });
        line.start(QStringLiteral(KESTROVA_CLI_EXE),
                   {QStringLiteral("--english"), QStringLiteral("--demo"), QStringLiteral("--pin"),
                    QStringLiteral("1234"), QStringLiteral("line"), file(), QStringLiteral("--log"), log,
                    QStringLiteral("--log-format"), QStringLiteral("jsonl")});
        // The demo device is never unplugged: the line waits for that until it is told to stop.
        QVERIFY2(QTest::qWaitFor([&] { return err.contains("Done: 0012345"); }, 30000), err.constData());
        line.terminate();
        QVERIFY(QTest::qWaitFor([&] { return line.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(line.exitStatus(), QProcess::NormalExit);
        QCOMPARE(line.exitCode(), 0);
        const QList<QByteArray> lines = DemoCli::read(log).split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(QJsonDocument::fromJson(lines.first()).object().value(QStringLiteral("written")), QJsonValue(2));
    }

    void refusedBeforeTheDevice_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown log format") << QStringList{QStringLiteral("--log-format"), QStringLiteral("xml")} << 2;
        QTest::newRow("no controllers") << QStringList{QStringLiteral("--count"), QStringLiteral("0")} << 2;
        QTest::newRow("log and document on stdout")
            << QStringList{QStringLiteral("--json"), QStringLiteral("--log"), QStringLiteral("-")} << 2;
        QTest::newRow("log not writable")
            << QStringList{QStringLiteral("--log"), QStringLiteral("/nonexistent/l.csv")} << 6;
        QTest::newRow("file without a model") << QStringList{QStringLiteral("no-model")} << 6;
    }

    void refusedBeforeTheDevice()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        if (args.removeOne(QStringLiteral("no-model"))) {
            std::optional<SettingsFile> saved = SettingsFile::read(file());
            QVERIFY(saved);
            saved->model.clear();
            QVERIFY(saved->write(file()));
        }
        const CliRun run = cli(QStringList{QStringLiteral("line"), file()} + args);
        QCOMPARE(run.status, status);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!run.err.contains("Waiting for a controller"));
        QCOMPARE(m_demo->deviceValue(1304), QByteArray("12.5"));
    }

private:
    CliRun cli(const QStringList& args) const { return m_demo->run(args); }
    QString file() const { return m_demo->path(QStringLiteral("car.kset")); }

    std::unique_ptr<DemoCli> m_demo;
};

QTEST_GUILESS_MAIN(TestLineCli)
#include "TestLineCli.moc"
