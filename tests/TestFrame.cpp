#include <QtTest>

#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "link/Frame.h"

class TestFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void crcMatchesPublishedCheckValue();
    void requestLayoutByteByByte();
    void replyValidity_data();
    void replyValidity();
    void commandTable_data();
    void commandTable();
    void recordAppendAndRead();
};

void TestFrame::crcMatchesPublishedCheckValue()
{
    const QByteArray check("123456789");
    QCOMPARE(Frame::crc16(reinterpret_cast<const uint8_t*>(check.constData()), int(check.size())), uint16_t(0x31C3));
    QCOMPARE(Frame::crc16(nullptr, 0), uint16_t(0));
}

void TestFrame::requestLayoutByteByByte()
{
    // A VAR_GET of id 0x1234 as sequence 7: length holds the payload length before finalising.
    uint8_t frame[Frame::BufferSize] = {};
    frame[Frame::OffCmd] = Cmd::VAR_GET;
    Frame::setLength(frame, 2);
    frame[7] = 0x34;
    frame[8] = 0x12;
    Frame::finalise(frame, 7);

    QCOMPARE(int(frame[2]), 9);
    QCOMPARE(int(frame[3]), 0);
    QCOMPARE(int(frame[4]), 1);
    QCOMPARE(int(frame[5]), 7);
    QCOMPARE(int(frame[6]), int(Cmd::VAR_GET));
    const uint16_t crc = Frame::crc16(frame + 2, 7);
    QCOMPARE(int(frame[0]), crc & 0xFF);
    QCOMPARE(int(frame[1]), crc >> 8);

    const QByteArray made = Frame::makeRequest(7, Cmd::VAR_GET, QByteArray("\x34\x12", 2));
    QCOMPARE(made, QByteArray(reinterpret_cast<const char*>(frame), 9));
}

void TestFrame::replyValidity_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("valid");

    const QByteArray good = Frame::makeReply(3, Cmd::INFO, 0,
                                             QByteArray("A\0\x04"
                                                        "B\0",
                                                        5));
    QTest::newRow("well formed") << good << true;
    QTest::newRow("header only") << Frame::makeReply(3, Cmd::INFO, 0, {}) << true;
    QTest::newRow("largest") << Frame::makeReply(3, Cmd::INFO, 0, QByteArray(56, 'x')) << true;

    QByteArray shortFrame = Frame::makeReply(3, Cmd::INFO, 0, {});
    Frame::setLength(reinterpret_cast<uint8_t*>(shortFrame.data()), 7);
    QTest::newRow("length 7") << shortFrame << false;
    QTest::newRow("length 65") << Frame::makeReply(3, Cmd::INFO, 0, QByteArray(57, 'x')) << false;

    QByteArray badCrc = good;
    badCrc[1] = char(badCrc[1] ^ 0x01);
    QTest::newRow("bad crc") << badCrc << false;
    QByteArray flipped = good;
    flipped[9] = char(flipped[9] ^ 0x40);
    QTest::newRow("payload changed") << flipped << false;
}

void TestFrame::replyValidity()
{
    QFETCH(QByteArray, frame);
    QFETCH(bool, valid);
    QByteArray buffer(Frame::BufferSize, '\0');
    std::memcpy(buffer.data(), frame.constData(), std::size_t(frame.size()));
    QCOMPARE(Frame::isValidReply(reinterpret_cast<const uint8_t*>(buffer.constData()), 64), valid);
}

void TestFrame::commandTable_data()
{
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<bool>("onUsb");
    QTest::addColumn<bool>("onBatched");

    QTest::newRow("INFO") << 0 << "INFO" << false << true << true;
    QTest::newRow("RESET") << 4 << "RESET" << true << true << true;
    QTest::newRow("VAR_SET") << 10 << "VAR_SET" << true << true << true;
    QTest::newRow("VAR_GET_LIST") << 18 << "VAR_GET_LIST" << false << false << true;
    QTest::newRow("SET_DATETIME") << 98 << "SET_DATETIME" << true << true << true;
    QTest::newRow("EFS_FILE_WRITE") << 116 << "EFS_FILE_WRITE" << true << true << true;
    QTest::newRow("EFS_FILE_SEEK") << 118 << "EFS_FILE_SEEK" << false << true << true;
    QTest::newRow("EFS_FILE_LIST") << 120 << "EFS_FILE_LIST" << false << false << true;
    QTest::newRow("missing") << 1 << "?" << false << false << false;
}

void TestFrame::commandTable()
{
    QFETCH(int, cmd);
    QFETCH(QString, name);
    QFETCH(bool, changes);
    QFETCH(bool, onUsb);
    QFETCH(bool, onBatched);
    QCOMPARE(QString::fromLatin1(CommandTable::name(uint8_t(cmd))), name);
    QCOMPARE(CommandTable::changesDevice(uint8_t(cmd)), changes);
    QCOMPARE(CommandTable::isAllowed(uint8_t(cmd), LinkKind::Usb), onUsb);
    QCOMPARE(CommandTable::isAllowed(uint8_t(cmd), LinkKind::Batched), onBatched);
}

void TestFrame::recordAppendAndRead()
{
    CommandRecord rec;
    rec.add(QByteArray(1014, 'x').constData(), 1014);
    QCOMPARE(rec.overflow, uint8_t(0));
    QTest::ignoreMessage(QtWarningMsg, "USB_CMD_ADD_DATA overflow: tx_len=1014 + 4 > 1017");
    rec.addU32(1);
    QCOMPARE(rec.overflow, uint8_t(1));
    QCOMPARE(rec.txLen, uint16_t(1014));

    CommandRecord le;
    le.addU16(0x1234);
    le.addU32(0xA1B2C3D4);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(le.txData), le.txLen), QByteArray("\x34\x12\xD4\xC3\xB2\xA1", 6));

    std::memcpy(le.rxData, le.txData, le.txLen);
    le.rxLen = le.txLen;
    QCOMPARE(le.takeU16(), uint16_t(0x1234));
    QCOMPARE(le.takeU32(), 0xA1B2C3D4u);
    QCOMPARE(le.takeU8(), uint8_t(0)); // reading past the reply yields 0
}

QTEST_GUILESS_MAIN(TestFrame)
#include "TestFrame.moc"
