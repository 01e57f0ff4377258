#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QJsonArray>

#include "DemoCli.h"

// kestrova-cli as a script uses it, on the demo device: what is refused before the device is touched, the
// checks of values, the exit statuses, standard input and output, streams as targets, and the shell's
// conventions.
class TestScriptCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_demo = std::make_unique<DemoCli>(); }

    // Each line is refused on its own words: with a wrong PIN, a run that reached the device would exit 4.
    void refusedBeforeTheDevice_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QStringList& args, int status, const char* message) {
            QTest::newRow(name) << args << status << QString::fromUtf8(message);
        };
        row("bad id", {"get", "abc"}, 2, "is not a variable id");
        row("not ID=VALUE", {"set", "1304"}, 2, "is not ID=VALUE");
        row("id given twice", {"set", "1304=1", "1304=2"}, 2, "given twice");
        row("missing file to compare", {"compare", "/nonexistent.kset"}, 6, "nonexistent.kset");
        row("missing file to apply", {"apply", "/nonexistent.kset", "--yes"}, 6, "nonexistent.kset");
        row("folder missing for settings", {"save-settings", "/nonexistent/car.kset"}, 6, "does not exist");
        row("folder missing for download", {"download", "events.log", "/nonexistent/e.log"}, 6, "does not exist");
        row("missing upload", {"upload", "/nonexistent.bin"}, 6, "nonexistent.bin");
        row("upload - without a name", {"upload", "-"}, 2, "needs the NAME");
        row("bad device name", {"mv", "events.log", "Журнал"}, 2, "is not a device file name");
        row("empty command", {"command", ""}, 2, "empty argument");
        row("engine start without --yes", {"command", "ZAPUSK"}, 2, "--yes");
        row("horn without --yes", {"command", "horn"}, 2, "--yes");
        row("wait too long", {"--wait", "4294968", "info"}, 2, "--wait");
        row("option of another command", {"info", "--sync"}, 2, "does not take --sync");
        row("--yes of upload only", {"download", "events.log", "--yes"}, 2, "does not take --yes");
        row("unknown option", {"--verbose", "info"}, 2, "unknown option");
        row("missing PIN file", {"--pin-file", "/nonexistent.pin", "info"}, 6, "nonexistent.pin");
        row("two PINs", {"--pin", "1", "--pin-file", "/etc/hostname", "info"}, 2, "not both");
        row("stdin twice", {"--pin", "-", "upload", "-", "x.bin"}, 2, "standard input");
        row("json to stdout twice", {"--json", "download", "events.log", "-"}, 2, "standard output");
    }

    void refusedBeforeTheDevice()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QStringList pin{QStringLiteral("--pin"), QStringLiteral("9999")};
        const bool ownPin = args.contains(QStringLiteral("--pin")) || args.contains(QStringLiteral("--pin-file"));
        const CliRun text = m_demo->run(ownPin ? args : pin + args);
        QCOMPARE(text.status, status);
        QVERIFY2(QString::fromUtf8(text.err).contains(message), text.err.constData());
        QCOMPARE(exchanges(), 0);
        // Under --json the same refusal is one document on standard output, with its exit status.
        const CliRun json = m_demo->run((ownPin ? args : pin + args) + QStringList{QStringLiteral("--json")});
        QJsonParseError parsed{};
        const QJsonObject document = QJsonDocument::fromJson(json.out, &parsed).object();
        QCOMPARE(parsed.error, QJsonParseError::NoError);
        QCOMPARE(document.value(QStringLiteral("exit")).toInt(), status);
        QCOMPARE(document.value(QStringLiteral("error"))[QStringLiteral("status")].toInt(), status);
        QVERIFY(document.value(QStringLiteral("error"))[QStringLiteral("message")].toString().contains(message));
    }

    // set holds every value to what its row allows; --force lifts the page's limits, never the stored type's.
    void valueChecks_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("held"); // empty: the value the device held before
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QStringList& args, int status, int id, const QByteArray& held,
                            const char* message) {
            QTest::newRow(name) << args << status << id << held << QString::fromUtf8(message);
        };
        row("above the slider", {"16003=1000"}, 2, 16003, {}, "1 to 5");
        row("below the slider", {"16003=0"}, 2, 16003, {}, "1 to 5");
        row("within the slider", {"16003=4"}, 0, 16003, "4", "");
        row("off the slider's step", {"16002=7"}, 2, 16002, {}, "in steps of 5");
        row("forced past the page", {"--force", "16003=1000"}, 0, 16003, "1000", "");
        row("none of the options", {"18007=7"}, 2, 18007, {}, "0 (");
        row("an option", {"18007=2"}, 0, 18007, "2", "");
        row("NaN", {"1304=nan"}, 2, 1304, {}, "not a number");
        row("infinity", {"1304=inf"}, 2, 1304, {}, "not a number");
        row("NaN forced", {"--force", "1304=nan"}, 2, 1304, {}, "not a number");
        row("redirected variable", {"10027=1"}, 0, 10027, "1", "");
        row("no such variable", {"9=5"}, 5, 9, {}, "no such variable");
        row("read-only", {"65503=\"X9\""}, 5, 65503, {}, "read-only");
    }

    void valueChecks()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(int, id);
        QFETCH(QByteArray, held);
        QFETCH(QString, message);
        QVERIFY(m_demo->run({QStringLiteral("get"), QStringLiteral("65503")}).status == 0);
        const QByteArray before = m_demo->deviceValue(uint16_t(id));
        const CliRun run = m_demo->run(QStringList{QStringLiteral("set")} + args);
        QVERIFY2(run.status == status, run.err.constData());
        QCOMPARE(m_demo->deviceValue(uint16_t(id)), held.isEmpty() ? before : held);
        QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
        // Only a settings file has entries that are "not in the file".
        QVERIFY(!run.err.contains("not in the file"));
    }

    // apply: 7 when a setting of the file was skipped, listed; read-only values listed apart, never counted.
    void applyInPart()
    {
        const QString file = m_demo->path(QStringLiteral("car.kset"));
        QCOMPARE(m_demo->run({QStringLiteral("save-settings"), file}).status, 0);
        QCOMPARE(m_demo->run({QStringLiteral("apply"), file, QStringLiteral("--yes"), QStringLiteral("--save")}).status,
                 0);
        std::optional<SettingsFile> edited = SettingsFile::read(file);
        QVERIFY(edited);
        for (SettingsFile::Entry& e : edited->entries) {
            if (e.id == 16003)
                e.value = SettingsFile::parseValue(e.type, QStringLiteral("1000")).value();
            if (e.id == 1304)
                e.value = SettingsFile::parseValue(e.type, QStringLiteral("12.5")).value();
        }
        QVERIFY(edited->write(file));
        const CliRun partial =
            m_demo->run({QStringLiteral("--json"), QStringLiteral("apply"), file, QStringLiteral("--yes")});
        QCOMPARE(partial.status, 7);
        const QJsonArray skipped = partial.json().value(QStringLiteral("skipped")).toArray();
        QCOMPARE(skipped.size(), 1);
        QCOMPARE(skipped.first()[QStringLiteral("id")].toInt(), 16003);
        QVERIFY(skipped.first()[QStringLiteral("reason")].toString().contains(QStringLiteral("1 to 5")));
        QVERIFY(partial.json().contains(QStringLiteral("readOnly")));
        QCOMPARE(m_demo->deviceValue(1304), QByteArray("12.5"));
        QCOMPARE(
            m_demo->run({QStringLiteral("apply"), file, QStringLiteral("--yes"), QStringLiteral("--force")}).status, 0);
        QCOMPARE(m_demo->deviceValue(16003), QByteArray("1000"));
    }

    // A stream's size is what was counted from it, never what stat says of a pipe.
    void pipedUpload_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("dash") << QStringLiteral("-") << QByteArray("x\n");
        QTest::newRow("/dev/stdin") << QStringLiteral("/dev/stdin") << QByteArray("x\n");
        QTest::newRow("70000 bytes") << QStringLiteral("-") << QByteArray(70000, 'k');
        QTest::newRow("empty") << QStringLiteral("-") << QByteArray();
        // A regular file whose size says 0 though it holds more.
        QTest::newRow("/proc/version") << QStringLiteral("/proc/version")
                                       << DemoCli::read(QStringLiteral("/proc/version"));
    }

    void pipedUpload()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, data);
        const QByteArray input = source.startsWith(QLatin1String("/proc")) ? QByteArray() : data;
        const CliRun run = m_demo->run({QStringLiteral("upload"), source, QStringLiteral("settings.cfg")}, input);
        QVERIFY2(run.status == 0, run.err.constData());
        QCOMPARE(m_demo->deviceFile(QStringLiteral("settings.cfg")), data);
        QVERIFY(run.out.isEmpty()); // the summary is on standard error
        QVERIFY(run.err.contains(QByteArray::number(data.size()) + " byte"));
    }

    // A FIFO or a device node stays what it is and gets the data in place; a folder gets the device's name.
    void streamTargets_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("settings"); // save-settings rather than download
        for (const bool settings : {false, true}) {
            for (const char* kind : {"fifo", "node", "folder"})
                QTest::addRow("%s %s", settings ? "save-settings" : "download", kind)
                    << QString::fromLatin1(kind) << settings;
        }
    }

    void streamTargets()
    {
        QFETCH(QString, kind);
        QFETCH(bool, settings);
        const QString target = m_demo->path(QStringLiteral("target"));
        const QByteArray nativeTarget = QFile::encodeName(target);
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(nativeTarget.constData(), 0600), 0);
        else if (kind == QLatin1String("node") && ::mknod(nativeTarget.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("making a device node needs root");
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(target));
        QFile reader(target);
        QByteArray received;
        QThread* drain = nullptr;
        if (kind == QLatin1String("fifo")) {
            // The reader has to be there before the writer can open.
            drain = QThread::create([&] {
                if (reader.open(QIODevice::ReadOnly))
                    received = reader.readAll();
            });
            drain->start();
        }
        const QStringList args = settings
                                     ? QStringList{QStringLiteral("save-settings"), target}
                                     : QStringList{QStringLiteral("download"), QStringLiteral("events.log"), target};
        const CliRun run = m_demo->run(args);
        if (drain) {
            QVERIFY(drain->wait(10000));
            delete drain;
        }
        QVERIFY2(run.status == 0, run.err.constData());
        const QFileInfo info(target);
        const QByteArray expected = settings ? QByteArray("kestrova-settings") : m_demo->deviceFile("events.log");
        if (kind == QLatin1String("fifo")) {
            QVERIFY(!info.isFile());
            QVERIFY(received.startsWith(expected));
        } else if (kind == QLatin1String("node")) {
            QVERIFY(!info.isFile());
            struct stat st
            {
            };
            QCOMPARE(::stat(nativeTarget.constData(), &st), 0);
            QVERIFY(S_ISCHR(st.st_mode));
        } else {
            const QStringList inside = QDir(target).entryList(QDir::Files);
            QCOMPARE(inside.size(), 1);
            QVERIFY(DemoCli::read(QDir(target).filePath(inside.first())).startsWith(expected));
            if (!settings)
                QCOMPARE(inside.first(), QStringLiteral("events.log"));
        }
    }

    // "-" is standard output: the data and nothing else.
    void standardOutput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("download") << QStringList{"download", "events.log", "-"} << QByteArray();
        QTest::newRow("save-settings") << QStringList{"save-settings", "-"} << QByteArray("kestrova-settings");
    }

    void standardOutput()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, start);
        const CliRun run = m_demo->run(args);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, start.isEmpty() ? m_demo->deviceFile(QStringLiteral("events.log")) : run.out);
        QVERIFY(run.out.startsWith(start));
    }

    // System files are not the program's to touch: told so, the device file kept, no local file written.
    void systemFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("download") << QStringList{"download", "sys.cfg"}
                                  << "sys.cfg is a system file and is not downloaded";
        QTest::newRow("rm") << QStringList{"rm", "sys.cfg"}
                            << "sys.cfg is a system file of the device and cannot be changed";
        QTest::newRow("mv") << QStringList{"mv", "sys.cfg", "user.cfg"}
                            << "sys.cfg is a system file of the device and cannot be changed";
        QTest::newRow("mv onto") << QStringList{"mv", "events.log", "SYS.CFG"}
                                 << "A system file 'SYS.CFG' exists, it cannot be replaced";
    }

    void systemFiles()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_demo->dir.path());
        const CliRun run = m_demo->run(args);
        QDir::setCurrent(before);
        QCOMPARE(run.status, 5);
        QCOMPARE(QString::fromUtf8(run.err).trimmed(), message);
        QCOMPARE(QDir(m_demo->dir.path()).entryList(QDir::Files), QStringList());
        const QJsonArray files =
            m_demo->run({QStringLiteral("--json"), QStringLiteral("ls")}).json()[QStringLiteral("files")].toArray();
        QStringList names;
        for (const QJsonValue& f : files)
            names << f[QStringLiteral("name")].toString();
        QVERIFY(names.contains(QStringLiteral("sys.cfg")) && names.contains(QStringLiteral("events.log")));
    }

    // What a shell user expects of the command line.
    void conventions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("key"); // a key the JSON document carries
        QTest::newRow("--wait 0 looks once") << QStringList{"--wait", "0", "--json", "info"} << QByteArray() << "model";
        QTest::newRow("options after the command") << QStringList{"info", "--json"} << QByteArray() << "serial";
        QTest::newRow("--option=value") << QStringList{"--pin=1234", "--wait=1", "--json", "info"} << QByteArray()
                                        << "model";
        QTest::newRow("-- ends the options")
            << QStringList{"--json", "get", "--", "1304"} << QByteArray() << "variables";
        QTest::newRow("PIN from standard input")
            << QStringList{"--pin", "-", "--json", "info"} << QByteArray("1234\n") << "pin";
        QTest::newRow("empty list") << QStringList{"--json", "get", "9"} << QByteArray() << "variables";
        QTest::newRow("apply FILE --yes --save")
            << QStringList{"--json", "apply", "car.kset", "--yes", "--save"} << QByteArray() << "saved";
    }

    void conventions()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QString, key);
        if (args.contains(QStringLiteral("car.kset"))) {
            QCOMPARE(m_demo->run({QStringLiteral("save-settings"), m_demo->path(QStringLiteral("car.kset"))}).status,
                     0);
            args.replace(args.indexOf(QStringLiteral("car.kset")), m_demo->path(QStringLiteral("car.kset")));
        }
        const CliRun run = m_demo->run(args, input);
        const QJsonObject document = run.json();
        QVERIFY2(document.contains(key), run.out.constData());
        QCOMPARE(run.status, document.value(QStringLiteral("exit")).toInt());
        QVERIFY(run.status == 0 || key == QLatin1String("variables"));
        QVERIFY(document.value(key).isArray() || !document.value(key).isUndefined());
    }

    void pinFileAndOutput()
    {
        const QString pinFile = m_demo->path(QStringLiteral("pin"));
        DemoCli::write(pinFile, "1234\n");
        QCOMPARE(m_demo->run({QStringLiteral("--pin-file"), pinFile, QStringLiteral("info")}).status, 0);

        // Output that cannot be written is an error.
        QProcess full;
        full.setProcessEnvironment(m_demo->env);
        full.setStandardOutputFile(QStringLiteral("/dev/full"));
        full.start(QStringLiteral(KESTROVA_CLI_EXE),
                   {QStringLiteral("--demo"), QStringLiteral("--pin"), QStringLiteral("1234"), QStringLiteral("--json"),
                    QStringLiteral("info")});
        QVERIFY(full.waitForFinished(30000));
        QCOMPARE(full.exitCode(), 6);

        // Times carry their offset; names keep to one line.
        const CliRun ls = m_demo->run({QStringLiteral("--json"), QStringLiteral("ls")});
        const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d$"));
        for (const QJsonValue& f : ls.json()[QStringLiteral("files")].toArray())
            QVERIFY2(iso.match(f[QStringLiteral("created")].toString()).hasMatch(),
                     qPrintable(f[QStringLiteral("created")].toString()));
        const CliRun clock = m_demo->run({QStringLiteral("--json"), QStringLiteral("clock"), QStringLiteral("--sync")});
        QVERIFY(iso.match(clock.json()[QStringLiteral("clock")].toString()).hasMatch());

        const CliRun version = CliRun::run({QStringLiteral("--version")}, m_demo->env);
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("kestrova-cli "));
        const CliRun help = CliRun::run({QStringLiteral("-h")}, m_demo->env);
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("ZAPUSK") && help.out.contains("--pin-file") && help.out.contains(" 7 "));
    }

private:
    // The exchanges the demo device had in the last run that opened it; 0 when no run did.
    int exchanges() const
    {
        const QByteArray count = DemoCli::read(m_demo->dir.filePath(QStringLiteral("device/exchanges")));
        return count.isEmpty() ? 0 : count.toInt();
    }

    std::unique_ptr<DemoCli> m_demo;
};

QTEST_GUILESS_MAIN(TestScriptCli)
#include "TestScriptCli.moc"
