#include <QtTest>

#include "CliRun.h"
#include "UsbTestbed.h"
#include "sim/SimDevice.h"
#include "vars/SettingsFile.h"

// kestrova-cli over the real USB link and libusb, against the stand-in device on the emulated bus.
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
        first.start(QStringLiteral(KESTROVA_CLI_EXE), {QStringLiteral("--pin"), QStringLiteral("1234"),
                                                       QStringLiteral("command"), QStringLiteral("HORN")});
        QVERIFY(first.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor([this] { return m_device->pinAccepted(); }, 10000));
        // Long enough for a slow (instrumented) copy to get as far as the guard.
        const CliRun second = cli({QStringLiteral("--wait"), QStringLiteral("3"), QStringLiteral("info")});
        QCOMPARE(second.status, 3);
        QVERIFY2(second.err.contains(QByteArray::number(first.processId())), second.err.constData());
        QVERIFY(QTest::qWaitFor([&first] { return first.state() == QProcess::NotRunning; }, 15000));
        QCOMPARE(first.exitCode(), 0);
    }

private:
    static CliRun cli(const QStringList& args)
    {
        // Taken now: the emulated bus names itself to the processes started in the environment.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("KESTROVA_PIN"));
        return CliRun::run(
            QStringList{QStringLiteral("--json"), QStringLiteral("--pin"), QStringLiteral("1234")} + args, env);
    }

    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<UsbTestbed> m_bus;
};

QTEST_GUILESS_MAIN(TestUsbCli)
#include "TestUsbCli.moc"
