#include <QtTest>

#include "link/CommandRecord.h"
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
        const QByteArray good = Frame::makeReply(3, Cmd::INFO, 0, QByteArray(5, 'p'));
        QTest::newRow("well formed") << good << true;
        QTest::newRow("header only") << Frame::makeReply(3, Cmd::INFO, 0, {}) << true;
        QTest::newRow("largest") << Frame::makeReply(3, Cmd::INFO, 0, QByteArray(56, 'x')) << true;
        QTest::newRow("length 65") << Frame::makeReply(3, Cmd::INFO, 0, QByteArray(57, 'x')) << false;
        QByteArray shortFrame = Frame::makeReply(3, Cmd::INFO, 0, {});
        Frame::setLength(reinterpret_cast<uint8_t*>(shortFrame.data()), 7);
        QTest::newRow("length 7") << shortFrame << false;
        QByteArray badCrc = good;
        badCrc[1] = char(badCrc[1] ^ 0x01);
        QTest::newRow("bad crc") << badCrc << false;
        QByteArray flipped = good;
        flipped[9] = char(flipped[9] ^ 0x40);
        QTest::newRow("payload changed") << flipped << false;
    }

    void replyValidity()
    {
        QFETCH(QByteArray, frame);
        frame.resize(Frame::BufferSize, '\0');
        QTEST(Frame::isValidReply(reinterpret_cast<const uint8_t*>(frame.constData()), 64), "valid");
    }

    void recordIsLittleEndian()
    {
        CommandRecord rec;
        rec.addU16(0x1234);
        rec.addU32(0xA1B2C3D4);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(rec.txData), rec.txLen), QByteArray::fromHex("3412D4C3B2A1"));
        std::memcpy(rec.rxData, rec.txData, rec.txLen);
        rec.rxLen = rec.txLen;
        QCOMPARE(rec.takeU16(), uint16_t(0x1234));
        QCOMPARE(rec.takeU32(), 0xA1B2C3D4u);
        QCOMPARE(rec.takeU8(), uint8_t(0)); // reading past the reply yields 0
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "TestFrame.moc"
