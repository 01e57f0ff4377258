#include <QtTest>

#include "SimFixture.h"
#include "sim/SimFileSystem.h"
#include "sim/SimServiceCommands.h"
#include "vars/VarsRegistry.h"
#include "worker/Device40000.h"

namespace {

constexpr int Wait = 5000;
constexpr qint64 CommandMs = 1000;

// The runners work on the registry of a running stack whose device is the demo device on a manual clock.
struct Rig
{
    Rig()
        : stack(SimFixture::deviceWithProfile(SimFixture::DemoProfile, clock)),
          registry(stack.stack.protocol(), stack.stack.worker())
    {
        stack.device->setCommandDurationMs(CommandMs);
    }

    QString storeText(int id) const
    {
        VARS& vars = registry.vars();
        return vars.valueText(vars.snapshot(uint16_t(id)));
    }
    QByteArray deviceValue(uint16_t id) const { return stack.device->variable(id)->value; }

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    SimFixture::RunningStack stack;
    VarsRegistry registry;
};

} // namespace

class TestServiceCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stateCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("answer"); // the device's word instead of its own outcome
        QTest::addColumn<Device40000::State>("state");
        QTest::addColumn<QString>("text");

        QTest::newRow("arm") << "STAT1" << QByteArray() << Device40000::Ok << "OK";
        QTest::newRow("ok in lower case") << "STAT1" << QByteArray("ok") << Device40000::Ok << "ok";
        QTest::newRow("unknown word") << "FLY" << QByteArray() << Device40000::Error << "ERR_CMD";
        QTest::newRow("busy") << "STAT3" << QByteArray("BUSY") << Device40000::Error << "BUSY";
        QTest::newRow("wait in any case") << "HORN" << QByteArray("wait") << Device40000::Waiting << "wait";
    }

    void stateCommand()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, answer);
        QFETCH(Device40000::State, state);
        QFETCH(QString, text);
        Rig rig;
        QVERIFY(rig.stack.connectAndLoad());
        rig.stack.device->setCommandAnswer(answer);
        Device40000 runner(rig.registry, Device40000::stateSpec());
        QSignalSpy finished(&runner, &Device40000::finished);

        QVERIFY(runner.start(command));
        QVERIFY(!runner.start(QStringLiteral("STAT0")));
        // The device works on it: WAIT keeps the runner waiting for as long as it shows.
        QTRY_COMPARE_WITH_TIMEOUT(rig.storeText(40002), QStringLiteral("WAIT"), Wait);
        QCOMPARE(runner.state(), Device40000::Waiting);
        rig.clock->advance(CommandMs);

        if (state == Device40000::Waiting) {
            QTRY_COMPARE_WITH_TIMEOUT(rig.storeText(40002), text, Wait);
            QVERIFY(!finished.wait(2 * Device40000::PollMs));
            runner.cancel();
            QCOMPARE(finished.count(), 1);
            QCOMPARE(finished[0][0].value<Device40000::State>(), Device40000::Idle);
        } else {
            QVERIFY(finished.wait(Wait));
            QCOMPARE(finished[0][0].value<Device40000::State>(), state);
            QCOMPARE(finished[0][1].toString(), text);
        }
        // The refused second start never reached the device.
        QCOMPARE(rig.deviceValue(40000), command.toLatin1());
    }

    void hangingCommand()
    {
        Rig rig;
        QVERIFY(rig.stack.connectAndLoad());
        rig.stack.device->setCommandsHang(true);
        Device40000::Spec spec = Device40000::stateSpec();
        spec.clearStateFirst = false; // the store keeps the last command's "OK" until the device is read
        spec.timeoutMs = 3 * Device40000::PollMs;
        Device40000 runner(rig.registry, spec);
        QSignalSpy finished(&runner, &Device40000::finished);
        QCOMPARE(rig.storeText(40002), QStringLiteral("OK"));

        QVERIFY(runner.start(QStringLiteral("STAT1")));
        // An update before the write is confirmed (the worker reports it through a queued signal) is no answer.
        Q_EMIT rig.registry.varsUpdated({40002});
        QCOMPARE(runner.state(), Device40000::Waiting);
        QTRY_COMPARE_WITH_TIMEOUT(rig.storeText(40002), QStringLiteral("WAIT"), Wait);
        QVERIFY(finished.isEmpty());
        QVERIFY(finished.wait(Wait));
        QCOMPARE(finished[0][0].value<Device40000::State>(), Device40000::Timeout);
        QCOMPARE(finished[0][1].toString(), QStringLiteral("TIMEOUT"));

        // A device that refuses the command variable; a new start after a time-out is accepted at once.
        SimVariables::Variable command = *rig.stack.device->variable(40000);
        command.flags |= VarFlag::ReadOnly;
        rig.stack.device->setVariable(command);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("varsSet id=40000 rejected"));
        QVERIFY(runner.start(QStringLiteral("STAT0")));
        QVERIFY(finished.wait(Wait));
        QCOMPARE(finished[1][0].value<Device40000::State>(), Device40000::Error);
        QVERIFY2(
            QRegularExpression("^write var 40000 failed \\(-?\\d+\\)$").match(finished[1][1].toString()).hasMatch(),
            qPrintable(finished[1][1].toString()));
    }

    void logExport_data()
    {
        QTest::addColumn<bool>("flashFull");
        QTest::addColumn<Device40000::State>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("written") << false << Device40000::Ok << "0";
        QTest::newRow("full flash") << true << Device40000::Error << "8";
    }

    void logExport()
    {
        QFETCH(bool, flashFull);
        QFETCH(Device40000::State, state);
        QFETCH(QString, text);
        Rig rig;
        QVERIFY(rig.stack.connectAndLoad());
        SimFileSystem& files = rig.stack.device->files();
        files.setFlashFull(flashFull);
        Device40000 runner(rig.registry, Device40000::logExportSpec());
        QSignalSpy finished(&runner, &Device40000::finished);
        QVERIFY(runner.start(QStringLiteral("4")));
        QVERIFY(finished.wait(Wait));
        QCOMPARE(finished[0][0].value<Device40000::State>(), state);
        QCOMPARE(finished[0][1].toString(), text);
        QCOMPARE(files.file(SimServiceCommands::ExportFileName).has_value(), state == Device40000::Ok);
    }
};

QTEST_GUILESS_MAIN(TestServiceCommands)
#include "TestServiceCommands.moc"
