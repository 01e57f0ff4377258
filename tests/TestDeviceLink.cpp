#include <QtTest>

#include <thread>

#include <libusb.h>

#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "sim/SimLink.h"

// The exchange rules every link shares, exercised over the stand-in device.
class TestDeviceLink : public QObject
{
    Q_OBJECT
    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<SimLink> m_link;

private Q_SLOTS:
    void init()
    {
        m_device = std::make_shared<SimDevice>(std::make_shared<ManualClock>());
        m_link = std::make_unique<SimLink>(m_device);
        QVERIFY(m_link->open());
    }

    void requestsTheLinkCannotCarryAreRefused()
    {
        const int sent = m_link->exchanges();
        CommandRecord list;
        list.addU16(1);
        QCOMPARE(m_link->sendCommand(Cmd::VAR_GET_LIST, list), LIBUSB_ERROR_NOT_SUPPORTED);
        CommandRecord tooLong;
        tooLong.add(QByteArray(58, '1').constData(), 58);
        QCOMPARE(m_link->sendCommand(Cmd::AUTH, tooLong), LIBUSB_ERROR_OVERFLOW);
        // A record that did not fit keeps what it had and is never sent.
        CommandRecord overflowed;
        overflowed.add(QByteArray(1014, 'x').constData(), 1014);
        overflowed.addU32(0);
        QCOMPARE(overflowed.txLen, uint16_t(1014));
        QCOMPARE(m_link->sendCommand(Cmd::EFS_FILE_WRITE, overflowed), LIBUSB_ERROR_OVERFLOW);
        QCOMPARE(m_link->exchanges(), sent);
    }

    void twoThreadsSendingAtOnce()
    {
        // The mutex held here stands for a long command: the second sender waits, then gets its own reply.
        m_link->commandMutex().lock();
        std::atomic<int> result{1};
        CommandRecord rec;
        std::thread sender([&] { result = m_link->sendCommand(Cmd::INFO, rec); });
        QTRY_COMPARE_WITH_TIMEOUT(m_link->waitingSenders(), 1, 5000);
        m_link->commandMutex().unlock();
        sender.join();
        QCOMPARE(result.load(), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(rec.rxData)), m_device->model().toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "TestDeviceLink.moc"
