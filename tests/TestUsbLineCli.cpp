#include <QtTest>

#include <QTemporaryDir>

#include "CliRun.h"
#include "UsbTestbed.h"
#include "sim/SimDevice.h"
#include "vars/SettingsFile.h"

// "line" over the real USB link: controller after controller on one port, each unplugged when done.
class TestUsbLineCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(UsbTestbed::isActive(), "run this test under umockdev-wrapper (CTest does)"); }

    void controllerAfterController()
    {
        auto device = std::make_shared<SimDevice>();
        QVERIFY(device->loadProfile(QStringLiteral(":/sim/profiles/default.profile")));
        UsbTestbed bus(device);
        SettingsFile file = device->profile();
        const QByteArray factory = device->variable(1304)->value;
        const QByteArray wanted = *SettingsFile::parseValue('F', QStringLiteral("12.5"));
        for (SettingsFile::Entry& e : file.entries) {
            if (e.id == 1304)
                e.value = wanted;
        }
        const QString path = m_dir.filePath(QStringLiteral("car.kset"));
        const QString log = m_dir.filePath(QStringLiteral("line.csv"));
        QVERIFY(file.write(path));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KESTROVA_TEST_GUARD_KEY"),
                   QStringLiteral("KestrovaTestUsbLine_%1").arg(QCoreApplication::applicationPid()));
        QProcess line;
        line.setProcessEnvironment(env);
        QByteArray err;
        connect(&line, &QProcess::readyReadStandardError, this, [&] { err += line.readAllStandardError(); });
        line.start(QStringLiteral(KESTROVA_CLI_EXE),
                   {QStringLiteral("--english"), QStringLiteral("--pin"), QStringLiteral("1234"),
                    QStringLiteral("line"), path, QStringLiteral("--count"), QStringLiteral("3"),
                    QStringLiteral("--log"), log});
        QVERIFY(line.waitForStarted(5000));

        // The next controller on the port: its serial, its model, a value to be written.
        struct Next
        {
            QString serial;
            QString model;
            QByteArray told;
        };
        const QList<Next> next{{QStringLiteral("0020001"), QStringLiteral("Orvo X9"), "Done: 0012345"},
                               {QStringLiteral("0020002"), QStringLiteral("Orvo X7"), "Failed: 0020001 at model"}};
        for (const Next& n : next) {
            QVERIFY2(QTest::qWaitFor([&] { return err.contains(n.told); }, 30000), err.constData());
            QCOMPARE(device->variable(1304)->value, n.told.startsWith("Done") ? wanted : factory);
            bus.unplug();
            // Told both ways: in the USB information and in the identity variables.
            device->setSerialNumber(n.serial);
            device->setModel(n.model);
            device->setVariableValue(65507, n.serial.toUtf8());
            device->setVariableValue(65503, n.model.toUtf8());
            device->setVariableValue(1304, factory);
            bus.plug();
        }
        QVERIFY2(QTest::qWaitFor([&] { return line.state() == QProcess::NotRunning; }, 30000), err.constData());
        QCOMPARE(line.exitCode(), 7);
        QCOMPARE(device->variable(1304)->value, wanted);

        QFile written(log);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = written.readAll().trimmed().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY2(lines.at(1).contains(",0012345,Orvo X7,1.5.4,done,1,0,,"), lines.at(1).constData());
        QVERIFY2(lines.at(2).contains(",0020001,Orvo X9,1.5.4,failed,0,0,model,"), lines.at(2).constData());
        QVERIFY2(lines.at(3).contains(",0020002,Orvo X7,1.5.4,done,1,0,,"), lines.at(3).constData());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestUsbLineCli)
#include "TestUsbLineCli.moc"
