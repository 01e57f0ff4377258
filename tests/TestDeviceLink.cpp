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
private Q_SLOTS:
    void init();
    void opensWithInfoText();
    void staleRepliesAreSkippedAndTheSameFrameIsResent();
    void invalidRepliesEndTheTry();
    void zeroTriesConsumeASequenceNumber();
    void requestsTheLinkCannotCarryAreRefused();
    void lostDeviceAndAbort();
    void twoThreadsSendingAtOnce();

private:
    std::shared_ptr<SimDevice> m_device;
    std::unique_ptr<SimLink> m_link;
};

void TestDeviceLink::init()
{
    m_device = std::make_shared<SimDevice>(std::make_shared<ManualClock>());
    m_link = std::make_unique<SimLink>(m_device);
    QVERIFY(m_link->open());
}

void TestDeviceLink::opensWithInfoText()
{
    QCOMPARE(QString::fromStdString(m_link->infoText()), m_device->model());
    QCOMPARE(QString::fromStdString(m_link->serialNumber()), m_device->serialNumber());
    QVERIFY(m_link->isOpen());

    m_device->unplug();
    SimLink second(m_device);
    QVERIFY(!second.open());
    QVERIFY(!second.isOpen());
}

void TestDeviceLink::staleRepliesAreSkippedAndTheSameFrameIsResent()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("orvo: stale reply cmd=0 seq=\\d+, waiting for cmd=0"));
    m_link->staleRepliesNext(1);
    CommandRecord rec;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, rec), 0);
    QVERIFY(rec.rxLen > 0);

    // Four stale replies end the first try; the second try carries the very same frame.
    const int before = m_link->sentSequences().size();
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("orvo: stale reply"));
    m_link->staleRepliesNext(4);
    CommandRecord again;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, again), 0);
    const QList<uint8_t> seqs = m_link->sentSequences().mid(before);
    QCOMPARE(seqs.size(), 2);
    QCOMPARE(seqs[0], seqs[1]);

    // With a single try, four stale replies leave nothing but an I/O error.
    for (int j = 0; j < 4; ++j)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("orvo: stale reply"));
    m_link->staleRepliesNext(4);
    Frame::setLength(m_link->requestFrame(), 0);
    m_link->requestFrame()[Frame::OffCmd] = Cmd::INFO;
    QCOMPARE(m_link->transact(1, 100), LIBUSB_ERROR_IO);
}

void TestDeviceLink::invalidRepliesEndTheTry()
{
    m_link->corruptRepliesNext(2);
    CommandRecord rec;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, rec), 0); // the third try gets through

    m_link->corruptRepliesNext(3);
    CommandRecord failing;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, failing), LIBUSB_ERROR_IO);

    m_link->dropRepliesNext(3);
    CommandRecord silent;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, silent), LIBUSB_ERROR_TIMEOUT);
}

void TestDeviceLink::zeroTriesConsumeASequenceNumber()
{
    CommandRecord rec;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, rec), 0);
    const uint8_t last = m_link->sentSequences().last();

    Frame::setLength(m_link->requestFrame(), 0);
    QCOMPARE(m_link->transact(0, 100), LIBUSB_ERROR_NO_DEVICE);
    QCOMPARE(m_link->requestFrame()[Frame::OffSeq], uint8_t(last + 1));

    CommandRecord next;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, next), 0);
    QCOMPARE(m_link->sentSequences().last(), uint8_t(last + 2));
}

void TestDeviceLink::requestsTheLinkCannotCarryAreRefused()
{
    const int sent = m_link->exchanges();

    CommandRecord unknown;
    QTest::ignoreMessage(QtWarningMsg, "send_cmd cmd=1 (?): not allowed on this link");
    QCOMPARE(m_link->sendCommand(1, unknown), LIBUSB_ERROR_NOT_SUPPORTED);

    CommandRecord list;
    list.addU16(1);
    QTest::ignoreMessage(QtWarningMsg, "send_cmd cmd=18 (VAR_GET_LIST): not allowed on this link");
    QCOMPARE(m_link->sendCommand(Cmd::VAR_GET_LIST, list), LIBUSB_ERROR_NOT_SUPPORTED);
    QTest::ignoreMessage(QtWarningMsg, "send_cmd cmd=120 (EFS_FILE_LIST): not allowed on this link");
    QCOMPARE(m_link->sendCommand(Cmd::EFS_FILE_LIST, list), LIBUSB_ERROR_NOT_SUPPORTED);

    CommandRecord tooLong;
    tooLong.add(QByteArray(58, '1').constData(), 58);
    QTest::ignoreMessage(QtWarningMsg, "send_cmd cmd=2: tx data too large (len=58, overflow=0)");
    QCOMPARE(m_link->sendCommand(Cmd::AUTH, tooLong), LIBUSB_ERROR_OVERFLOW);

    CommandRecord overflowed;
    overflowed.add(QByteArray(1014, 'x').constData(), 1014);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("USB_CMD_ADD_DATA overflow"));
    overflowed.addU32(0);
    QTest::ignoreMessage(QtWarningMsg, "send_cmd cmd=116: tx data too large (len=1014, overflow=1)");
    QCOMPARE(m_link->sendCommand(Cmd::EFS_FILE_WRITE, overflowed), LIBUSB_ERROR_OVERFLOW);

    QCOMPARE(m_link->exchanges(), sent); // nothing reached the wire

    m_link->setBatched(true);
    CommandRecord batched;
    batched.addU16(1);
    batched.addU16(0);
    QCOMPARE(m_link->sendCommand(Cmd::VAR_GET_LIST, batched), 0);
}

void TestDeviceLink::lostDeviceAndAbort()
{
    m_link->unplugAtExchange(1);
    CommandRecord rec;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, rec), LIBUSB_ERROR_NO_DEVICE);

    m_device->plug();
    QVERIFY(m_link->open());
    m_link->abort();
    CommandRecord aborted;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, aborted), LIBUSB_ERROR_INTERRUPTED);

    m_link->close();
    CommandRecord closed;
    QCOMPARE(m_link->sendCommand(Cmd::INFO, closed), LIBUSB_ERROR_NO_DEVICE);
}

void TestDeviceLink::twoThreadsSendingAtOnce()
{
    // One thread holds the command mutex as a long command would; the second sender must wait,
    // be counted while it waits, and then get its own reply.
    QTest::ignoreMessage(QtWarningMsg, "send_cmd cmd=0 (INFO): another command is running, two threads send commands");
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

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "TestDeviceLink.moc"
