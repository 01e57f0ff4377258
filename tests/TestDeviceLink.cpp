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

    int info()
    {
        CommandRecord rec;
        return m_link->sendCommand(Cmd::INFO, rec);
    }
    // An INFO request set up by hand, for an exchange with a chosen number of tries.
    int transactInfo(unsigned tries)
    {
        Frame::setLength(m_link->requestFrame(), 0);
        m_link->requestFrame()[Frame::OffCmd] = Cmd::INFO;
        return m_link->transact(tries, 100);
    }

private Q_SLOTS:
    void init()
    {
        m_device = std::make_shared<SimDevice>(std::make_shared<ManualClock>());
        m_link = std::make_unique<SimLink>(m_device);
        QVERIFY(m_link->open());
    }

    void opensWithInfoText()
    {
        QCOMPARE(QString::fromStdString(m_link->infoText()), m_device->model());
        QCOMPARE(QString::fromStdString(m_link->serialNumber()), m_device->serialNumber());
        m_device->unplug();
        SimLink second(m_device);
        QVERIFY(!second.open());
        QVERIFY(!second.isOpen());
    }

    void badRepliesAndTries()
    {
        auto staleNext = [this](int count) {
            for (int i = 0; i < count; ++i)
                QTest::ignoreMessage(QtWarningMsg,
                                     QRegularExpression("orvo: stale reply cmd=0 seq=\\d+, waiting for cmd=0"));
            m_link->staleRepliesNext(count);
        };
        staleNext(1); // skipped within the try
        QCOMPARE(info(), 0);
        // Four end the try; the second try carries the very same frame. With a single try they leave an I/O error.
        const int before = m_link->sentSequences().size();
        staleNext(4);
        QCOMPARE(info(), 0);
        const QList<uint8_t> seqs = m_link->sentSequences().mid(before);
        QCOMPARE(seqs.size(), 2);
        QCOMPARE(seqs[0], seqs[1]);
        staleNext(4);
        QCOMPARE(transactInfo(1), LIBUSB_ERROR_IO);

        // An invalid reply ends its try: two are survived, three fail; a silent device times out.
        m_link->corruptRepliesNext(2);
        QCOMPARE(info(), 0);
        m_link->corruptRepliesNext(3);
        QCOMPARE(info(), LIBUSB_ERROR_IO);
        m_link->dropRepliesNext(3);
        QCOMPARE(info(), LIBUSB_ERROR_TIMEOUT);

        // Zero tries send nothing but use up a sequence number.
        const uint8_t last = m_link->sentSequences().last();
        QCOMPARE(transactInfo(0), LIBUSB_ERROR_NO_DEVICE);
        QCOMPARE(info(), 0);
        QCOMPARE(m_link->sentSequences().last(), uint8_t(last + 2));
    }

    void requestsTheLinkCannotCarryAreRefused()
    {
        const int sent = m_link->exchanges();
        auto refused = [this](uint8_t cmd, CommandRecord& rec, const char* warning) {
            QTest::ignoreMessage(QtWarningMsg, warning);
            return m_link->sendCommand(cmd, rec);
        };
        CommandRecord list;
        list.addU16(1);
        QCOMPARE(refused(1, list, "send_cmd cmd=1 (?): not allowed on this link"), LIBUSB_ERROR_NOT_SUPPORTED);
        QCOMPARE(refused(Cmd::VAR_GET_LIST, list, "send_cmd cmd=18 (VAR_GET_LIST): not allowed on this link"),
                 LIBUSB_ERROR_NOT_SUPPORTED);
        QCOMPARE(refused(Cmd::EFS_FILE_LIST, list, "send_cmd cmd=120 (EFS_FILE_LIST): not allowed on this link"),
                 LIBUSB_ERROR_NOT_SUPPORTED);
        CommandRecord tooLong;
        tooLong.add(QByteArray(58, '1').constData(), 58);
        QCOMPARE(refused(Cmd::AUTH, tooLong, "send_cmd cmd=2: tx data too large (len=58, overflow=0)"),
                 LIBUSB_ERROR_OVERFLOW);
        // A record that did not fit keeps what it had and is never sent.
        CommandRecord overflowed;
        overflowed.add(QByteArray(1014, 'x').constData(), 1014);
        QTest::ignoreMessage(QtWarningMsg, "USB_CMD_ADD_DATA overflow: tx_len=1014 + 4 > 1017");
        overflowed.addU32(0);
        QCOMPARE(refused(Cmd::EFS_FILE_WRITE, overflowed, "send_cmd cmd=116: tx data too large (len=1014, overflow=1)"),
                 LIBUSB_ERROR_OVERFLOW);
        QCOMPARE(m_link->exchanges(), sent); // nothing reached the wire

        m_link->setBatched(true);
        list.addU16(0);
        QCOMPARE(m_link->sendCommand(Cmd::VAR_GET_LIST, list), 0);
    }

    void lostDeviceAndAbort()
    {
        m_link->unplugAtExchange(1);
        QCOMPARE(info(), LIBUSB_ERROR_NO_DEVICE);
        m_device->plug();
        QVERIFY(m_link->open());
        m_link->abort();
        QCOMPARE(info(), LIBUSB_ERROR_INTERRUPTED);
        m_link->close();
        QCOMPARE(info(), LIBUSB_ERROR_NO_DEVICE);
    }

    void twoThreadsSendingAtOnce()
    {
        // The mutex held here stands for a long command: the second sender waits, is counted, then gets its reply.
        QTest::ignoreMessage(QtWarningMsg,
                             "send_cmd cmd=0 (INFO): another command is running, two threads send commands");
        m_link->commandMutex().lock();
        std::atomic<int> result{1};
        CommandRecord rec;
        std::thread sender([&] { result = m_link->sendCommand(Cmd::INFO, rec); });
        QTRY_COMPARE_WITH_TIMEOUT(m_link->waitingSenders(), 1, 5000);
        m_link->commandMutex().unlock();
        sender.join();
        QCOMPARE(result.load(), 0);
        QCOMPARE(m_link->waitingSenders(), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(rec.rxData)), m_device->model().toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "TestDeviceLink.moc"
