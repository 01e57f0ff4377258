#include <QtTest>

#include <QTemporaryDir>

#include "SimFixture.h"
#include "UsbTestbed.h"
#include "link/CommandTable.h"
#include "sim/SimDevice.h"
#include "vars/SettingsFile.h"

// "line" over the real USB link: controller after controller in one port, and two lines side by side, each on
// a controller of its own.
class TestUsbLineCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void twoLinesSideBySide();
    void controllerAfterController();

private:
    // A copy of kestrova-cli running a line, with what it said on standard error so far.
    struct Line
    {
        QProcess process;
        QByteArray err;
        bool told(const QByteArray& text) const { return err.contains(text); }
    };

    // A controller of the demo device's settings, of this serial and model.
    static std::shared_ptr<SimDevice> controller(const QString& serial, const QString& model = Model);
    Line& startLine(const QStringList& args);
    // The exit status once the line ended by itself; -1 when it did not in time.
    static int finish(Line& line);
    QProcessEnvironment environment() const;
    QStringList logLines(const QString& path) const;
    QByteArray value(int index, uint16_t id) const;

    static inline const QString Model = QStringLiteral("Orvo X7");
    // A setting of the demo device (3 there), and the value the settings file gives it.
    static constexpr uint16_t Setting = 16003;
    static constexpr uint16_t Voltage = 1304; // a float setting, also in the file
    static inline const QByteArray Before = QByteArray("\x03\0\0\0", 4);
    static inline const QByteArray Wanted = QByteArray("\x05\0\0\0", 4);
    static constexpr int Wait = 30000;

    const QString m_guardKey = QStringLiteral("KestrovaTestUsbLine_%1").arg(QCoreApplication::applicationPid());
    QTemporaryDir m_dir;
    QString m_settings;
    std::unique_ptr<UsbTestbed> m_bus;
    std::vector<std::unique_ptr<Line>> m_lines;
};

std::shared_ptr<SimDevice> TestUsbLineCli::controller(const QString& serial, const QString& model)
{
    auto device = std::make_shared<SimDevice>();
    if (!device->loadProfile(SimFixture::DemoProfile))
        return nullptr;
    // Told both ways: in the USB information and in the identity variables.
    device->setSerialNumber(serial);
    device->setModel(model);
    device->setVariableValue(65507, serial.toUtf8());
    device->setVariableValue(65503, model.toUtf8());
    return device;
}

void TestUsbLineCli::initTestCase()
{
    QVERIFY2(UsbTestbed::isActive(), "run this test under umockdev-wrapper (CTest does)");
    QVERIFY(m_dir.isValid());
    // The settings to copy: a small file, two settings of the demo device set otherwise.
    const std::shared_ptr<SimDevice> demo = controller(QStringLiteral("0000000"));
    QVERIFY(demo);
    SettingsFile file;
    file.model = Model;
    for (const SettingsFile::Entry& entry : demo->profile().entries) {
        if (entry.id == Setting)
            file.entries << entry;
        if (entry.id == Voltage)
            file.entries << entry;
    }
    QCOMPARE(file.entries.size(), 2);
    for (SettingsFile::Entry& entry : file.entries) {
        entry.value = entry.id == Setting ? Wanted : *SettingsFile::parseValue('F', QStringLiteral("12.5"));
    }
    m_settings = m_dir.filePath(QStringLiteral("line.kset"));
    QVERIFY(file.write(m_settings));
}

void TestUsbLineCli::init()
{
    m_bus = std::make_unique<UsbTestbed>(controller(QStringLiteral("0000001")));
    m_bus->addController(controller(QStringLiteral("0000002")));
}

void TestUsbLineCli::cleanup()
{
    for (const std::unique_ptr<Line>& line : m_lines) {
        line->process.kill();
        line->process.waitForFinished(5000);
    }
    m_lines.clear();
    m_bus.reset();
}

QProcessEnvironment TestUsbLineCli::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("KESTROVA_PIN"));
    // A guard of its own: another copy of the program on this machine must not decide the outcome.
    env.insert(QStringLiteral("KESTROVA_TEST_GUARD_KEY"), m_guardKey);
    return env;
}

TestUsbLineCli::Line& TestUsbLineCli::startLine(const QStringList& args)
{
    m_lines.push_back(std::make_unique<Line>());
    Line& line = *m_lines.back();
    connect(&line.process, &QProcess::readyReadStandardError, this,
            [&line] { line.err += line.process.readAllStandardError(); });
    line.process.setProcessEnvironment(environment());
    line.process.start(QStringLiteral(KESTROVA_CLI_EXE), QStringList{QStringLiteral("--english"),
                                                                     QStringLiteral("--pin"), QStringLiteral("1234"),
                                                                     QStringLiteral("line"), m_settings} +
                                                             args);
    return line;
}

int TestUsbLineCli::finish(Line& line)
{
    // The event loop keeps turning: the emulated controllers answer from this process.
    if (!QTest::qWaitFor([&line] { return line.process.state() == QProcess::NotRunning; }, 2 * Wait))
        return -1;
    line.err += line.process.readAllStandardError();
    return line.process.exitStatus() == QProcess::NormalExit ? line.process.exitCode() : -1;
}

QStringList TestUsbLineCli::logLines(const QString& path) const
{
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray TestUsbLineCli::value(int index, uint16_t id) const
{
    const std::optional<SimVariables::Variable> variable = m_bus->wire(index).device().variable(id);
    return variable ? variable->value : QByteArray();
}

void TestUsbLineCli::twoLinesSideBySide()
{
    const QString logs[] = {m_dir.filePath(QStringLiteral("first.csv")), m_dir.filePath(QStringLiteral("second.csv"))};
    Line* lines[2];
    for (int i = 0; i < 2; ++i) {
        QFile::remove(logs[i]);
        // The first line waits for a next controller after its own, and so keeps holding it.
        lines[i] = &startLine({QStringLiteral("--device"), m_bus->port(i), QStringLiteral("--log"), logs[i],
                               QStringLiteral("--count"), QString::number(2 - i), QStringLiteral("--save")});
    }
    QVERIFY2(QTest::qWaitFor([&] { return lines[0]->told("Done: 0000001"); }, Wait), lines[0]->err.constData());
    QCOMPARE(finish(*lines[1]), 0);
    QVERIFY2(lines[1]->told("Done: 0000002"), lines[1]->err.constData());

    // A third copy asking for the held controller is told who holds it.
    const QString held = QString::number(lines[0]->process.processId());
    QProcess third;
    third.setProcessEnvironment(environment());
    third.start(QStringLiteral(KESTROVA_CLI_EXE),
                {QStringLiteral("--english"), QStringLiteral("--pin"), QStringLiteral("1234"), QStringLiteral("--wait"),
                 QStringLiteral("1"), QStringLiteral("--device"), QStringLiteral("0000001"), QStringLiteral("info")});
    QVERIFY(QTest::qWaitFor([&third] { return third.state() == QProcess::NotRunning; }, Wait));
    const QByteArray thirdErr = third.readAllStandardError();
    QCOMPARE(third.exitCode(), 3);
    QVERIFY2(thirdErr.contains("used by another copy of the program (process " + held.toUtf8()), thirdErr.constData());

    // Stopped while it waits: the line ends with what it did.
    lines[0]->process.terminate();
    QCOMPARE(finish(*lines[0]), 0);

    for (int i = 0; i < 2; ++i) {
        QCOMPARE(value(i, Setting), Wanted);
        QCOMPARE(m_bus->wire(i).device().savesCompleted(), 1);
        // Each line recorded its own controller and no other.
        const QStringList log = logLines(logs[i]);
        QCOMPARE(log.size(), 2);
        QVERIFY(log.at(0).startsWith(QStringLiteral("time,serial,")));
        QVERIFY2(log.at(1).contains(QStringLiteral(",000000%1,Orvo X7,").arg(i + 1)), qPrintable(log.at(1)));
        QVERIFY2(log.at(1).contains(QStringLiteral(",done,2,0,,")), qPrintable(log.at(1)));
    }
}

void TestUsbLineCli::controllerAfterController()
{
    // Controller 1 stays out of the way: the line takes whichever single controller is connected.
    m_bus->unplug(1);
    const QString log = m_dir.filePath(QStringLiteral("line.jsonl"));
    QFile::remove(log);
    Line& line = startLine({QStringLiteral("--log"), log, QStringLiteral("--log-format"), QStringLiteral("jsonl"),
                            QStringLiteral("--count"), QStringLiteral("4")});
    const auto records = [this, &log] { return logLines(log).size(); };

    QVERIFY2(QTest::qWaitFor([&] { return line.told("Done: 0000001"); }, Wait), line.err.constData());
    QCOMPARE(value(0, Setting), Wanted);

    // Another model: refused and recorded; nothing is written.
    m_bus->plugIn(0, controller(QStringLiteral("0000003"), QStringLiteral("Orvo X9")));
    QVERIFY2(QTest::qWaitFor([&] { return records() == 2; }, Wait), line.err.constData());
    QCOMPARE(value(0, Setting), Before);

    // Pulled out as the first value is written to it: recorded as failed there, and the line goes on.
    const std::shared_ptr<SimDevice> pulled = controller(QStringLiteral("0000004"));
    m_bus->plugIn(0, pulled);
    m_bus->wire(0).setRequestObserver([pulled](uint8_t cmd, const QByteArray&) {
        if (cmd == Cmd::VAR_SET)
            pulled->unplug();
    });
    QVERIFY2(QTest::qWaitFor([&] { return records() == 3; }, Wait), line.err.constData());

    m_bus->plugIn(0, controller(QStringLiteral("0000005")));
    QCOMPARE(finish(line), 7);
    QCOMPARE(value(0, Setting), Wanted);

    const QStringList lines = logLines(log);
    QCOMPARE(lines.size(), 4);
    struct Expected
    {
        const char* serial;
        const char* result;
        const char* step;
    };
    const Expected expected[] = {
        {"0000001", "done", ""}, {"0000003", "failed", "model"}, {"0000004", "failed", "write"}, {"0000005", "done", ""}};
    for (int i = 0; i < 4; ++i) {
        const QJsonObject record = QJsonDocument::fromJson(lines.at(i).toUtf8()).object();
        QCOMPARE(record.value(QStringLiteral("serial")).toString(), QLatin1String(expected[i].serial));
        QCOMPARE(record.value(QStringLiteral("result")).toString(), QLatin1String(expected[i].result));
        QCOMPARE(record.value(QStringLiteral("step")).toString(), QLatin1String(expected[i].step));
    }
}

QTEST_GUILESS_MAIN(TestUsbLineCli)
#include "TestUsbLineCli.moc"
