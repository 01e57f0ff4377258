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

    void infoTextCutToTheBuffer()
    {
        char shortText[4];
        uint8_t status = 0xEE;
        QCOMPARE(m_protocol->readInfo(shortText, sizeof shortText, &status, nullptr, 0), 0);
        QCOMPARE(QByteArray(shortText), m_device->model().toUtf8().left(3));
        QCOMPARE(status, uint8_t(0));
    }

    void lockedAfterThreeWrongPins()
    {
        QSignalSpy results(m_protocol.get(), &DeviceProtocol::uiPinResult);
        QCOMPARE(m_protocol->auth("0000"), 1);
        QCOMPARE(m_protocol->auth("0001"), 1);
        QCOMPARE(m_protocol->auth("0002"), 5);
        QCOMPARE(results.last()[2].toUInt(), 30u);
        m_clock->advance(10000);
        QCOMPARE(m_protocol->auth("1234"), 5); // while locked even the right PIN is refused
        QVERIFY(m_protocol->storedPin(1).isEmpty());
        m_clock->advance(20000);
        QCOMPARE(m_protocol->auth("1234"), 0);
        QVERIFY(m_protocol->isAuthenticated());
    }

    void deviceClock()
    {
        QCOMPARE(m_protocol->setDateTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0, 1), Qt::UTC)), 0);
        QCOMPARE(m_device->clockValue(), 1u); // seconds since 2000
        m_clock->advance(5000);
        QDateTime dt;
        QCOMPARE(m_protocol->getDateTime(dt), 0);
        QCOMPARE(dt, QDateTime(QDate(2000, 1, 1), QTime(0, 0, 6), Qt::UTC));

        // A device that refuses keeps its clock, and neither call reports it set or unset.
        m_device->setClockRefusal(5);
        QCOMPARE(m_protocol->setDateTime(QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC)), 5);
        QCOMPARE(m_protocol->getDateTime(dt), 5);
        QCOMPARE(dt, QDateTime(QDate(2000, 1, 1), QTime(0, 0, 6), Qt::UTC));
        QCOMPARE(m_device->clockValue(), 6u);
    }

    void restartDropsOffAndReturns()
    {
        m_device->setRestartDurationMs(1500);
        QCOMPARE(m_protocol->auth("1234"), 0);
        QCOMPARE(m_protocol->reboot(), 0);
        QVERIFY(!m_protocol->isAuthenticated());
        CommandRecord rec;
        QCOMPARE(m_link->sendCommand(0, rec), -4); // gone while it restarts
        m_clock->advance(1500);
        QVERIFY(m_link->open());
        QVERIFY(!m_device->pinAccepted()); // the restart forgot the PIN
        QCOMPARE(m_device->restarts(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDeviceProtocol)
#include "TestDeviceProtocol.moc"
