#include <QtTest>

#include "link/CommandTable.h"
#include "link/Frame.h"

class TestFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void requestBytes()
    {
        const QByteArray check("123456789");
        QCOMPARE(Frame::crc16(reinterpret_cast<const uint8_t*>(check.constData()), int(check.size())),
                 uint16_t(0x31C3));

        // VAR_GET of id 0x1234 as sequence 7: crc | length 9 | type 1 | seq | cmd | id, whether built in place or
        // whole.
        const QByteArray expected = QByteArray::fromHex("3382 0900 01 07 08 3412");
        uint8_t frame[Frame::BufferSize] = {};
        frame[Frame::OffCmd] = Cmd::VAR_GET;
        Frame::setLength(frame, 2); // the payload length until finalised
        frame[7] = 0x34;
        frame[8] = 0x12;
        Frame::finalise(frame, 7);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(frame), 9), expected);
        QCOMPARE(Frame::makeRequest(7, Cmd::VAR_GET, QByteArray::fromHex("3412")), expected);
    }

    void replyValidity_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("valid");
        const QByteArray largest = Frame::makeReply(3, Cmd::INFO, 0, QByteArray(56, 'x'));
        QTest::newRow("largest") << largest << true;
        QTest::newRow("length 65") << Frame::makeReply(3, Cmd::INFO, 0, QByteArray(57, 'x')) << false;
        // Sealed with a matching CRC: only its length, one short of a status byte, rejects it.
        QTest::newRow("length 7") << Frame::makeRequest(3, Cmd::INFO, {}) << false;
        QByteArray flipped = largest;
        flipped[9] = char(flipped[9] ^ 0x40);
        QTest::newRow("payload changed") << flipped << false;
    }

    void replyValidity()
    {
        QFETCH(QByteArray, frame);
        frame.resize(Frame::BufferSize, '\0');
        QTEST(Frame::isValidReply(reinterpret_cast<const uint8_t*>(frame.constData()), 64), "valid");
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "TestFrame.moc"
