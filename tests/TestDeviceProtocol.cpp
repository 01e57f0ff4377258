#include <QtTest>

#include "link/CommandRecord.h"
#include "link/DeviceProtocol.h"
#include "sim/SimLink.h"

// The protocol procedures against the stand-in device: what the window learns from each.
class TestDeviceProtocol : public QObject
{
    Q_OBJECT
    std::shared_ptr<ManualClock> m_clock;
    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<SimLink> m_link;
    std::unique_ptr<DeviceProtocol> m_protocol;

private Q_SLOTS:
    void init()
    {
        m_clock = std::make_shared<ManualClock>();
        m_device = std::make_shared<SimDevice>(m_clock);
        m_link = std::make_unique<SimLink>(m_device);
        QVERIFY(m_link->open());
        m_protocol = std::make_unique<DeviceProtocol>();
        m_protocol->setLink(m_link.get());
    }

    void infoTextsAndStatus()
    {
        char model[57];
        char serial[57];
        uint8_t status = 0xEE;
        QCOMPARE(m_protocol->readInfo(model, sizeof model, &status, serial, sizeof serial), 0);
        QCOMPARE(QString::fromUtf8(serial), m_device->serialNumber());
        QCOMPARE(status, uint8_t(0));
        QCOMPARE(m_protocol->auth("1234"), 0);
        char shortText[4];
        QCOMPARE(m_protocol->readInfo(shortText, sizeof shortText, &status, nullptr, 0), 0);
        QCOMPARE(QByteArray(shortText), m_device->model().toUtf8().left(3)); // cut to the buffer
        QCOMPARE(status, uint8_t(0x04));                                     // PIN 1 accepted
        m_device->unplug();
        QCOMPARE(m_protocol->readInfo(model, sizeof model, &status, serial, sizeof serial), -4);
    }

    void infoPayloadStatus_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("reported"); // -1: nothing reported
        QTest::newRow("A, 4, B") << QByteArray::fromHex("41 00 04 42 00") << 4;
        QTest::newRow("status 0") << QByteArray(2, '\0') << 0;
        QTest::newRow("no zero byte") << QByteArray("ABC") << -1;
        QTest::newRow("zero at the end") << QByteArray::fromHex("41 42 00") << -1;
    }

    void infoPayloadStatus()
    {
        QFETCH(QByteArray, payload);
        QFETCH(int, reported);
        QSignalSpy spy(m_protocol.get(), &DeviceProtocol::uiDeviceInfo);
        // The same status a second time is not news.
        for (int i = 0; i < 2; ++i)
            m_protocol->onInfoPayload(reinterpret_cast<const uint8_t*>(payload.constData()), int(payload.size()));
        QCOMPARE(spy.count(), reported < 0 ? 0 : 1);
        if (reported >= 0)
            QCOMPARE(spy[0][1].value<uint8_t>(), uint8_t(reported));
    }

    void pinAcceptedRefusedAndLocked()
    {
        QSignalSpy results(m_protocol.get(), &DeviceProtocol::uiPinResult);
        QTest::ignoreMessage(QtWarningMsg, "auth1 FAIL2 ret =1");
        QCOMPARE(m_protocol->auth("0000"), 1);
        QCOMPARE(results.last()[2].toUInt(), 0u); // no payload: no lock time
        QVERIFY(!m_protocol->isAuthenticated());
        QTest::ignoreMessage(QtWarningMsg, "auth1 FAIL2 ret =1");
        QCOMPARE(m_protocol->auth("0001"), 1);

        // The third wrong PIN locks the device for 30 s; while locked even the right PIN is refused.
        QTest::ignoreMessage(QtWarningMsg, "auth1 timeout 30");
        QCOMPARE(m_protocol->auth("0002"), 5);
        QCOMPARE(results.last()[1].toInt(), 5);
        QCOMPARE(results.last()[2].toUInt(), 30u);
        m_clock->advance(10000);
        QTest::ignoreMessage(QtWarningMsg, "auth1 timeout 20");
        QCOMPARE(m_protocol->auth("1234"), 5);
        QVERIFY(m_protocol->storedPin(1).isEmpty());

        m_clock->advance(20000);
        QSignalSpy update(m_protocol.get(), &DeviceProtocol::uiAuthUpdate1);
        QCOMPARE(m_protocol->auth("1234"), 0);
        QVERIFY(m_protocol->isAuthenticated());
        QCOMPARE(m_protocol->storedPin(1), QByteArray("1234"));
        QCOMPARE(update.last()[0].value<uint8_t>(), uint8_t(0));
        QCOMPARE(m_protocol->auth("1234"), 0); // already accepted: status 2 counts as accepted
        QCOMPARE(results.last()[1].toInt(), 2);
        m_protocol->forgetPins();
        QVERIFY(m_protocol->storedPin(1).isEmpty());

        m_device->setRefusesAuth(true);
        QTest::ignoreMessage(QtWarningMsg, "auth1 FAIL2 ret =255");
        QCOMPARE(m_protocol->auth("1234"), 255);
        m_device->unplug();
        QTest::ignoreMessage(QtWarningMsg, "auth1: no answer, ret=-4");
        QCOMPARE(m_protocol->auth("1234"), -1);
        QCOMPARE(results.last()[3].toInt(), -4);
    }

    void deviceClock()
    {
        QDateTime dt = QDateTime::currentDateTimeUtc();
        QCOMPARE(m_protocol->getDateTime(dt), 0);
        QVERIFY(!dt.isValid()); // never set
        QCOMPARE(m_protocol->setDateTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0, 1), Qt::UTC)), 0);
        QCOMPARE(m_device->clockValue(), 1u); // seconds since 2000

        const QDateTime now(QDate(2026, 12, 6), QTime(10, 30, 0), Qt::UTC);
        QCOMPARE(m_protocol->setDateTime(now), 0);
        m_clock->advance(5000);
        QCOMPARE(m_protocol->getDateTime(dt), 0);
        QCOMPARE(dt, now.addSecs(5));
    }

    void flashSave()
    {
        m_device->setSaveDurationMs(2000);
        uint8_t state = 0xEE;
        uint8_t error = 0xEE;
        for (const uint8_t deviceError : {0, 2}) {
            m_device->setSaveError(deviceError);
            QCOMPARE(m_protocol->varsSave(1), 0);
            QCOMPARE(m_protocol->varsSave(0, &state, &error), 0);
            QCOMPARE(state, uint8_t(1)); // still saving
            m_clock->advance(2000);
            QCOMPARE(m_protocol->varsSave(0, &state, &error), 0);
            QCOMPARE(state, uint8_t(0));
            QCOMPARE(error, deviceError);
        }
        QCOMPARE(m_device->savesCompleted(), 2);
        m_device->unplug();
        QCOMPARE(m_protocol->varsSave(0, &state, &error), -1);
    }

    void restartDropsOffAndReturns()
    {
        m_device->setRestartDurationMs(1500);
        QCOMPARE(m_protocol->auth("1234"), 0);
        QCOMPARE(m_protocol->reboot(), 0);
        QVERIFY(!m_protocol->isAuthenticated());
        QVERIFY(!m_device->isPresent());
        CommandRecord rec;
        QCOMPARE(m_link->sendCommand(0, rec), -4);
        m_clock->advance(1500);
        QVERIFY(m_link->open());
        QVERIFY(!m_device->pinAccepted()); // the restart forgot the PIN
        QCOMPARE(m_device->restarts(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDeviceProtocol)
#include "TestDeviceProtocol.moc"
