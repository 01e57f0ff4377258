#include <QtTest>

#include <sys/stat.h>

#include <QRandomGenerator>
#include <QTemporaryDir>

#include "CliRun.h"
#include "SimFixture.h"
#include "UsbTestbed.h"
#include "link/CommandTable.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "vars/SettingsFile.h"

// kestrova-cli over the real USB link and libusb, against the stand-in device on the emulated bus.
using SimFixture::pattern;

class TestUsbCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(UsbTestbed::isActive(), "run this test under umockdev-wrapper (CTest does)"); }

    void init()
    {
        m_device = std::make_shared<SimDevice>();
        QVERIFY(m_device->loadProfile(QStringLiteral(":/sim/profiles/default.profile")));
        m_bus = std::make_unique<UsbTestbed>(m_device);
    }

    void cleanup()
    {
        m_bus.reset();
        m_devices.clear();
        m_device.reset();
    }

    void infoGetSet()
    {
        const CliRun info = cli({QStringLiteral("info")});
        QVERIFY2(info.status == 0, info.err.constData());
        QCOMPARE(info.json().value(QStringLiteral("model")).toString(), QStringLiteral("Orvo X7"));
        QCOMPARE(info.json().value(QStringLiteral("serial")).toString(), QStringLiteral("0012345"));

        const CliRun get = cli({QStringLiteral("get"), QStringLiteral("1304")});
        QCOMPARE(get.status, 0);
        QCOMPARE(get.json().value(QStringLiteral("variables"))[0][QStringLiteral("value")].toString(),
                 QStringLiteral("11.8000002"));

        QCOMPARE(cli({QStringLiteral("set"), QStringLiteral("1304=12.5")}).status, 0);
        QCOMPARE(SettingsFile::valueText(*m_device->variable(1304)), QByteArray("12.5"));
    }

    void anotherCopyHoldsTheDevice()
    {
        // One copy runs a long service command; a second gives up after its wait, with the window's note.
        m_device->setCommandDurationMs(6000);
        QProcess first;
        first.setProcessEnvironment(environment());
        first.start(QStringLiteral(KESTROVA_CLI_EXE),
                    {QStringLiteral("--pin"), QStringLiteral("1234"), QStringLiteral("command"),
                     QStringLiteral("--yes"), QStringLiteral("HORN")});
        QVERIFY(first.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([this] { return m_device->pinAccepted(); }, 10000));
        // Long enough for a slow (instrumented) copy to get as far as the guard.
        const CliRun second = cli({QStringLiteral("--wait"), QStringLiteral("3"), QStringLiteral("info")});
        QCOMPARE(second.status, 3);
        QVERIFY2(second.err.contains(QByteArray::number(first.processId())), second.err.constData());
        QVERIFY(QTest::qWaitFor([&first] { return first.state() == QProcess::NotRunning; }, 15000));
        QCOMPARE(first.exitCode(), 0);
    }

    // Two controllers: a command is told which one, or lists them and stops before asking for anything.
    void choosingAController_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("serial"); // the serial info reports, or a text of the error
        QTest::newRow("no choice") << QStringList{"info"} << 2 << "choose one with --device";
        QTest::newRow("by serial") << QStringList{"--device", "0077777", "info"} << 0 << "0077777";
        QTest::newRow("by port") << QStringList{"info", "--device=1-1.2"} << 0 << "0012345";
        QTest::newRow("not connected") << QStringList{"--wait", "0", "--device", "0099999", "info"} << 3
                                       << "No controller 0099999 is connected.";
        QTest::newRow("empty") << QStringList{"--device=", "info"} << 2 << "--device needs";
    }

    void choosingAController()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, serial);
        addSecondController();
        const CliRun run = cli(args);
        QVERIFY2(run.status == status, run.err.constData());
        if (status == 0) {
            QCOMPARE(run.json().value(QStringLiteral("serial")).toString(), serial);
            return;
        }
        QVERIFY2(run.err.contains(serial.toUtf8()), run.err.constData());
        QVERIFY(!m_device->pinAccepted());
        if (args == QStringList{QStringLiteral("info")}) {
            const QJsonArray listed = run.json().value(QStringLiteral("devices")).toArray();
            QCOMPARE(listed.size(), 2);
            QCOMPARE(listed[1][QStringLiteral("serial")].toString(), QStringLiteral("0077777"));
        }
    }

    // One copy per controller side by side; the listing shows who holds which; a copy asking for a held one
    // is told which process has it.
    void copiesSideBySide()
    {
        addSecondController();
        m_device->setCommandDurationMs(6000);
        QProcess first;
        first.setProcessEnvironment(environment());
        first.start(QStringLiteral(KESTROVA_CLI_EXE),
                    {QStringLiteral("--pin"), QStringLiteral("1234"), QStringLiteral("--device"),
                     QStringLiteral("1-1.2"), QStringLiteral("command"), QStringLiteral("--yes"),
                     QStringLiteral("HORN")});
        QVERIFY(first.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([this] { return m_device->pinAccepted(); }, 10000));

        const CliRun second = cli({QStringLiteral("--device"), QStringLiteral("1-1.4"), QStringLiteral("info")});
        QVERIFY2(second.status == 0, second.err.constData());
        QCOMPARE(second.json().value(QStringLiteral("serial")).toString(), QStringLiteral("0077777"));

        const CliRun listed = CliRun::run({QStringLiteral("--json"), QStringLiteral("devices")}, environment());
        QVERIFY2(listed.status == 0, QByteArray::number(listed.status) + ' ' + listed.err);
        const QJsonArray rows = listed.json().value(QStringLiteral("devices")).toArray();
        QCOMPARE(rows.size(), 2);
        const QJsonObject held{{QStringLiteral("port"), QStringLiteral("1-1.2")},
                               {QStringLiteral("serial"), QStringLiteral("0012345")},
                               {QStringLiteral("model"), QString()}, // a held controller is not asked
                               {QStringLiteral("heldBy"), first.processId()}};
        QCOMPARE(rows[0].toObject(), held);
        const QJsonObject free{{QStringLiteral("port"), QStringLiteral("1-1.4")},
                               {QStringLiteral("serial"), QStringLiteral("0077777")},
                               {QStringLiteral("model"), QStringLiteral("Orvo S3")},
                               {QStringLiteral("heldBy"), QJsonValue()}};
        QCOMPARE(rows[1].toObject(), free);
        const CliRun text = CliRun::run({QStringLiteral("devices")}, environment());
        QCOMPARE(text.out, QStringLiteral("1-1.2\t0012345\t\theld by process %1\n1-1.4\t0077777\tOrvo S3\tfree\n")
                               .arg(first.processId())
                               .toUtf8());

        const CliRun third = cli({QStringLiteral("--wait"), QStringLiteral("1"), QStringLiteral("--device"),
                                  QStringLiteral("0012345"), QStringLiteral("info")});
        QCOMPARE(third.status, 3);
        QVERIFY2(third.err.contains(QStringLiteral("The USB device is used by another copy of the program (process "
                                                   "%1). Close it first.")
                                        .arg(first.processId())
                                        .toUtf8()),
                 third.err.constData());
        QVERIFY(QTest::qWaitFor([&first] { return first.state() == QProcess::NotRunning; }, 15000));
        QCOMPARE(first.exitCode(), 0);

        m_bus->unplug(0);
        m_bus->unplug(1);
        const CliRun none = CliRun::run({QStringLiteral("devices")}, environment());
        QCOMPARE(none.status, 0);
        QVERIFY(none.out.isEmpty());
        QVERIFY2(none.err.contains("No controller is connected."), none.err.constData());
    }

    // The exit statuses a script branches on, over the real link.
    void exitStatuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("--wait 0 finds the device") << QStringList{"--wait", "0", "info"} << 0;
        QTest::newRow("wrong PIN") << QStringList{"--pin", "9999", "info"} << 4;
        QTest::newRow("usage before the device") << QStringList{"--pin", "9999", "get", "abc"} << 2;
        QTest::newRow("value out of limits") << QStringList{"set", "16003=1000"} << 2;
        QTest::newRow("no such variable") << QStringList{"set", "9=5"} << 5;
        QTest::newRow("redirected variable") << QStringList{"set", "10027=1"} << 0;
    }

    void exitStatuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const CliRun run = cli(args);
        QVERIFY2(run.status == status, run.err.constData());
        QCOMPARE(run.json().value(QStringLiteral("exit")).toInt(), status);
    }

    void noDeviceLooksOnce()
    {
        m_bus->unplug();
        const CliRun run = cli({QStringLiteral("--wait"), QStringLiteral("0"), QStringLiteral("info")});
        QCOMPARE(run.status, 3);
        QVERIFY(run.json()[QStringLiteral("error")][QStringLiteral("message")].toString().contains(
            QStringLiteral("No device")));
    }

    // A pipe's data reaches the device as counted; a FIFO gets the downloaded data in place.
    void streams()
    {
        const CliRun up = cli({QStringLiteral("upload"), QStringLiteral("-"), QStringLiteral("settings.cfg")}, "x\n");
        QVERIFY2(up.status == 0, up.err.constData());
        QCOMPARE(m_device->files().file("settings.cfg")->data, QByteArray("x\n"));

        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QByteArray received;
        std::unique_ptr<QThread> drain(QThread::create([&] {
            QFile reader(QFile::decodeName(fifo));
            if (reader.open(QIODevice::ReadOnly))
                received = reader.readAll();
        }));
        drain->start();
        const CliRun down = cli({QStringLiteral("download"), QStringLiteral("settings.cfg"), QFile::decodeName(fifo)});
        QVERIFY(drain->wait(10000));
        QVERIFY2(down.status == 0, down.err.constData());
        QCOMPARE(received, QByteArray("x\n"));
        QVERIFY(!QFileInfo(QFile::decodeName(fifo)).isFile());
    }

    // Replies broken in the middle of a transfer are the link's failure: exit 3 with a message, never 6.
    void brokenRepliesInTransfer_data()
    {
        QTest::addColumn<bool>("upload");
        QTest::newRow("upload") << true;
        QTest::newRow("download") << false;
    }

    void brokenRepliesInTransfer()
    {
        QFETCH(bool, upload);
        QTemporaryDir dir;
        const QString local = dir.filePath(QStringLiteral("data.bin"));
        QFile file(local);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(20000, 'u'));
        file.close();
        const uint8_t cut = upload ? Cmd::EFS_FILE_WRITE : Cmd::EFS_FILE_READ;
        SimWire* wire = &m_bus->wire();
        wire->setRequestObserver([wire, cut](uint8_t cmd, const QByteArray&) {
            if (cmd == cut)
                wire->corruptRepliesNext(BrokenReplies);
        });
        const QStringList args = upload ? QStringList{QStringLiteral("upload"), local, QStringLiteral("data.bin")}
                                        : QStringList{QStringLiteral("download"), QStringLiteral("events.log"), local};
        const CliRun run = cli(QStringList{QStringLiteral("--wait"), QStringLiteral("1")} + args);
        wire->setRequestObserver({});
        QVERIFY2(run.status == 3, run.out.constData() + QByteArray("\n") + run.err);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(run.json()[QStringLiteral("error")][QStringLiteral("status")].toInt(), 3);
        // What was there stays: no partial device file, the local file untouched.
        QVERIFY(!m_device->files().file("data.bin"));
        QCOMPARE(file.size(), 20000);
    }

    void transferRidesOutAPulledCable_data()
    {
        QTest::addColumn<bool>("isUpload");
        QTest::newRow("upload") << true;
        QTest::newRow("download") << false;
    }

    void transferRidesOutAPulledCable()
    {
        QFETCH(bool, isUpload);
        const QByteArray content = pattern(FileSize, 60);
        const QString local = m_dir.filePath(QStringLiteral("cable.bin"));
        if (isUpload)
            writeLocal(local, content);
        else
            m_device->files().addFile("cable.bin", content);
        const QStringList args = isUpload ? QStringList{QStringLiteral("upload"), local, QStringLiteral("cable.bin")}
                                          : QStringList{QStringLiteral("download"), QStringLiteral("cable.bin"), local};
        const CliRun run = cliWithPull(args, PullMs);
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY2(run.err.contains("interrupted at"), run.err.constData());
        QCOMPARE(m_device->files().file("cable.bin")->data, content);
        QVERIFY(!m_device->files().file("cable.tmp"));
        QFile got(local);
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(got.readAll(), content);
    }

    void uploadCutLongerThanTheWaitGoesOnNextTime()
    {
        const QByteArray content = pattern(FileSize, 61);
        const QString local = m_dir.filePath(QStringLiteral("long.bin"));
        writeLocal(local, content);
        const QStringList args = {QStringLiteral("--wait"), QStringLiteral("2"), QStringLiteral("upload"), local};
        const CliRun cut = cliWithPull(args, -1);
        QVERIFY2(cut.status == 3, cut.err.constData());
        QVERIFY2(!cut.err.contains("(-4)") && !cut.err.contains("fn_id"), cut.err.constData()); // words, not codes
        QVERIFY(m_device->files().file("long.tmp"));

        m_bus->plug();
        const CliRun again = cli({QStringLiteral("upload"), local});
        QVERIFY2(again.status == 0, again.err.constData());
        QCOMPARE(m_device->files().file("long.bin")->data, content);
        QVERIFY(!m_device->files().file("long.tmp"));
    }

    void partialFileInTheWay_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("status");
        QTest::newRow("without --yes") << false << 5;
        QTest::newRow("with --yes") << true << 0;
    }

    void partialFileInTheWay()
    {
        QFETCH(bool, yes);
        QFETCH(int, status);
        const QByteArray content = pattern(3000, 62);
        const QString local = m_dir.filePath(QStringLiteral("way.bin"));
        writeLocal(local, content);
        m_device->files().addFile("way.tmp", pattern(1000, 63));
        QStringList args = {QStringLiteral("upload"), local};
        if (yes)
            args << QStringLiteral("--yes");
        const CliRun run = cli(args);
        QVERIFY2(run.status == status, run.err.constData());
        if (yes) {
            QCOMPARE(m_device->files().file("way.bin")->data, content);
            QVERIFY(!m_device->files().file("way.tmp"));
        } else {
            QVERIFY2(run.err.contains("way.tmp") && run.err.contains("--yes"), run.err.constData());
            QCOMPARE(m_device->files().file("way.tmp")->data, pattern(1000, 63));
        }
    }

private:
    static constexpr int FileSize = 20000;

    void addSecondController()
    {
        // No variables: info reports what INFO answers.
        auto other = std::make_shared<SimDevice>();
        other->setSerialNumber(QStringLiteral("0077777"));
        other->setModel(QStringLiteral("Orvo S3"));
        m_bus->addController(other);
        m_devices.push_back(other);
    }
    static constexpr int PullMs = 1500;

    static void writeLocal(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
    }

    // Runs the program and pulls the controller's cable in the middle of its transfer (about 200 exchanges in);
    // the cable goes back after outMs, or stays out (-1).
    CliRun cliWithPull(const QStringList& args, int outMs)
    {
        const int start = m_bus->wire().exchanges();
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(QStringLiteral(KESTROVA_CLI_EXE),
                      QStringList{QStringLiteral("--english"), QStringLiteral("--pin"), QStringLiteral("1234")} + args);
        CliRun run;
        if (!process.waitForStarted(5000) ||
            !QTest::qWaitFor([&] { return m_bus->wire().exchanges() - start >= 200; }, 30000))
            return run;
        m_bus->unplug();
        if (outMs >= 0) {
            QTest::qWait(outMs);
            m_bus->plug();
        }
        if (!QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; }, 60000)) {
            process.kill();
            process.waitForFinished(5000);
            return run;
        }
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    QTemporaryDir m_dir;

    CliRun cli(const QStringList& args, const QByteArray& input = {}) const
    {
        const bool pinGiven = args.contains(QStringLiteral("--pin"));
        return CliRun::run(
            QStringList{QStringLiteral("--json")} +
                (pinGiven ? QStringList{} : QStringList{QStringLiteral("--pin"), QStringLiteral("1234")}) + args,
            environment(), 30000, input);
    }

    QProcessEnvironment environment() const
    {
        // Taken now: the emulated bus names itself to the processes started in the environment.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("KESTROVA_PIN"));
        // A guard of its own: another copy of the program on this machine must not decide the outcome.
        env.insert(QStringLiteral("KESTROVA_TEST_GUARD_KEY"), m_guardKey);
        return env;
    }

    // As many broken replies as the link tries one exchange: the link fails it, then the device answers again.
    static constexpr int BrokenReplies = 3;
    const QString m_guardKey = QStringLiteral("KestrovaTestUsbCli_%1").arg(QCoreApplication::applicationPid());

    std::shared_ptr<SimDevice> m_device;
    std::vector<std::shared_ptr<SimDevice>> m_devices; // further controllers
    std::unique_ptr<UsbTestbed> m_bus;
};

QTEST_GUILESS_MAIN(TestUsbCli)
#include "TestUsbCli.moc"
