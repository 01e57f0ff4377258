#include <QSignalSpy>
#include <QtTest>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "sim/SimAudit.h"
#include "vars/VARS.h"

using namespace SimFixture;

namespace {

// A device at the wire that answers every request with a prepared reply, for replies that a sound
// device never sends. It keeps the last request payload for byte-exact checks.
class ScriptedLink : public DeviceLink
{
public:
    bool isOpen() const override { return true; }
    bool open() override { return true; }
    void close() override {}
    int transact(unsigned tries, unsigned timeoutMs) override { return runExchange(tries, timeoutMs); }
    int maxFrame() const override { return SimLink::BatchedFrame; }
    int maxReplyFrame() const override { return SimLink::BatchedFrame; }
    uint32_t kindMask(uint8_t, const CommandRecord&) const override { return LinkKind::Batched; }

    uint8_t status = 0;
    QByteArray payload;
    QByteArray request;

protected:
    int writeFrame(const uint8_t* frame, int, unsigned) override
    {
        request = QByteArray(reinterpret_cast<const char*>(frame) + Frame::RequestHeader,
                             Frame::length(frame) - Frame::RequestHeader);
        m_next = Frame::makeReply(frame[Frame::OffSeq], frame[Frame::OffCmd], status, payload);
        return 0;
    }
    int readFrame(uint8_t* buffer, int, unsigned) override
    {
        std::memcpy(buffer, m_next.constData(), std::size_t(m_next.size()));
        return 0;
    }

private:
    QByteArray m_next;
};

} // namespace

class TestVarCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void writeRules();
    void requestPayloads();
    void listReplies_data();
    void listReplies();
    void getReplies();
    void stoppedLoad();
    void loadUnderFaults_data();
    void loadUnderFaults();
    void listCutShort();
};

void TestVarCommands::roundTrip_data()
{
    QTest::addColumn<bool>("batched");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    const struct
    {
        int id;
        const char* text;
        const char* readBack;
    } rows[] = {{1, "4294967295", "4294967295"},
                {2, "0", "0"},
                {3, "-2147483648", "-2147483648"},
                {4, "-0.125", "-0.125000"},
                {5, "Z", "Z"},
                {6, "Зимовий режим", "Зимовий режим"},
                {7, "Orvo security X7 2026", "Orvo security X7 202"}}; // 7 holds 20 bytes
    for (const bool batched : {false, true}) {
        for (const auto& row : rows)
            QTest::addRow("%s, var %d", batched ? "batched" : "USB", row.id)
                << batched << row.id << QString::fromUtf8(row.text) << QString::fromUtf8(row.readBack);
    }
    // 60 bytes: 47 reach the device over USB (byte 47 would split a letter, so 46), all 60 on the batched link.
    const QString long60 = QString(44, QLatin1Char('a')) + QString::fromUtf8("Жжжжжжжж");
    QTest::newRow("USB T 60 bytes") << false << 14 << long60 << long60.left(45);
    QTest::newRow("batched T 60 bytes") << true << 14 << long60 << long60;
}

void TestVarCommands::roundTrip()
{
    QFETCH(bool, batched);
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    Session s(deviceWithProfile(SmallProfile), batched);
    QVERIFY(s.connect());
    VARS& vars = s.protocol.vars();
    QCOMPARE(s.protocol.readVar(uint16_t(id)), 0);
    vars.setValueText(*vars.find(uint16_t(id)), text);
    QSignalSpy changed(&s.protocol, &DeviceProtocol::uiOnVarsChangedPC);
    QCOMPARE(s.protocol.varsSet(uint16_t(id), true), 0);
    QCOMPARE(changed.count(), 1);

    QTest::ignoreMessage(QtWarningMsg, "VARS CLEAR");
    vars.clear();
    QCOMPARE(s.protocol.readVar(uint16_t(id)), 0);
    QCOMPARE(vars.valueText(*vars.find(uint16_t(id))), readBack);
    if (batched) {
        QTest::ignoreMessage(QtWarningMsg, "VARS CLEAR");
        vars.clear();
        QCOMPARE(s.protocol.readVarBatch({uint16_t(id)}), 0);
        QCOMPARE(vars.valueText(*vars.find(uint16_t(id))), readBack);
    }
}

void TestVarCommands::writeRules()
{
    Session s(deviceWithProfile(SmallProfile));
    VARS& vars = s.protocol.vars();
    QCOMPARE(s.link.open(), true);
    QCOMPARE(s.protocol.readVar(1), 0); // refused (5) until PIN 1 is given: nothing stored
    QCOMPARE(vars.count(), 0);
    QVERIFY(s.connect());
    QCOMPARE(s.protocol.loadVars(allIds(*s.device), false), 0);

    // A raw value is never written.
    QTest::ignoreMessage(QtWarningMsg, "");
    QCOMPARE(s.protocol.varsSet(8, true), 1);
    QTest::ignoreMessage(QtWarningMsg, "varsSet: var 999 not found");
    QCOMPARE(s.protocol.varsSet(999, true), -1);
    QCOMPARE(s.protocol.varsSetRedir(999, 1), -1);

    // The device refuses a text longer than its capacity; the store gets the device's value back.
    SimVariables::Variable small = *s.device->variable(7);
    small.capacity = 4;
    s.device->setVariable(small);
    vars.setValueText(*vars.find(7), QStringLiteral("Orvo!"));
    QTest::ignoreMessage(QtWarningMsg, "varsSet id=7 rejected by device ret=3, reload value");
    QCOMPARE(s.protocol.varsSet(7, true), 3);
    QCOMPARE(vars.valueText(*vars.find(7)), QStringLiteral("Orvo"));
    QCOMPARE(vars.find(7)->maxLen, uint16_t(4));

    // A header-only write carries the redirect and the inversion.
    QSignalSpy redirected(&s.protocol, &DeviceProtocol::uiRedirChangedPC);
    QCOMPARE(s.protocol.varsSetRedir(13, 2), 0);
    QCOMPARE(redirected.count(), 1);
    QCOMPARE(s.device->variable(13)->redir, uint16_t(2));
    vars.setInv(*vars.find(12), true);
    QCOMPARE(s.protocol.varsSet(12, false), 0);
    QCOMPARE(s.device->variable(12)->flags, uint16_t(0x0E00));
    QTest::ignoreMessage(QtWarningMsg, "varsSet id=13 rejected by device ret=3, reload value");
    QCOMPARE(s.protocol.varsSetRedir(13, 4242), 3);
    QCOMPARE(vars.find(13)->redir, uint16_t(2));

    // A read-only variable sends no value bytes, so its value stays.
    vars.setValueText(*vars.find(9), QStringLiteral("7"));
    QCOMPARE(s.protocol.varsSet(9, true), 0);
    QCOMPARE(s.device->variable(9)->value, QByteArray::fromHex("2a000000"));
}

void TestVarCommands::requestPayloads()
{
    ScriptedLink link;
    DeviceProtocol protocol;
    protocol.setLink(&link);
    QCOMPARE(protocol.readVar(0x1234), 0);
    QCOMPARE(link.request, QByteArray::fromHex("3412"));
    QCOMPARE(protocol.readVarBatch({1, 0x0203}), 0);
    QCOMPARE(link.request, QByteArray::fromHex("010003020000"));

    VARS& vars = protocol.vars();
    vars.update(7, 3, 'T', 0x2000, 64, reinterpret_cast<const uint8_t*>("ab"), 2);
    QCOMPARE(protocol.varsSet(7, true), 0);
    QCOMPARE(link.request, QByteArray::fromHex("070003000020") + QByteArray("ab") + QByteArray(45, '\0'));
    QCOMPARE(protocol.varsSet(7, false), 0);
    QCOMPARE(link.request, QByteArray::fromHex("070003000020"));
    vars.update(8, 0, 'C', VarFlag::ReadOnly, 4, reinterpret_cast<const uint8_t*>("A\0\0\0"), 4);
    QCOMPARE(protocol.varsSet(8, true), 0);
    QCOMPARE(link.request, QByteArray::fromHex("080000000100"));
    vars.update(9, 0, 'C', 0, 4, reinterpret_cast<const uint8_t*>("A\0\0\0"), 4);
    vars.setValueText(*vars.find(9), QStringLiteral("B"));
    QCOMPARE(protocol.varsSet(9, true), 0);
    QCOMPARE(link.request, QByteArray::fromHex("09000000000042"));
}

void TestVarCommands::listReplies_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QList<uint16_t>>("stored");
    QTest::addColumn<QString>("text"); // the first stored value
    const QByteArray plain1 = QByteArray::fromHex("0100 0020 55 07000000");
    // Entry 2 has no redirect field: its former redirect to 9 goes.
    QTest::newRow("complete") << 0 << plain1 + QByteArray::fromHex("0200 0000 49 ffffffff 0000")
                              << QList<uint16_t>{1, 2} << "7";
    QTest::newRow("second value past the end")
        << 0 << plain1 + QByteArray::fromHex("0200 0000 55 0700") << QList<uint16_t>{1} << "7";
    QTest::newRow("redirected text") << 0 << QByteArray::fromHex("0300 0010 0100 54 20 03 414243 0000")
                                     << QList<uint16_t>{3} << "ABC";
    QTest::newRow("one byte left") << 0 << plain1 + QByteArray(1, '\0') << QList<uint16_t>{1} << "7";
    QTest::newRow("too short") << 0 << QByteArray(1, '\0') << QList<uint16_t>{} << "";
    QTest::newRow("refused") << 5 << plain1 << QList<uint16_t>{} << "";
}

void TestVarCommands::listReplies()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(QList<uint16_t>, stored);
    QFETCH(QString, text);
    ScriptedLink link;
    link.status = uint8_t(status);
    link.payload = reply;
    DeviceProtocol protocol;
    protocol.setLink(&link);
    VARS& vars = protocol.vars();
    vars.update(2, 9, 'I', 0, 4, nullptr, 0); // redirected to 9 before the list arrives
    QCOMPARE(protocol.readVarBatch({1, 2, 3}), 0);
    for (const uint16_t id : {1, 3})
        QCOMPARE(vars.find(id) != nullptr, stored.contains(id));
    if (!stored.isEmpty())
        QCOMPARE(vars.valueText(*vars.find(stored.first())), text);
    for (const uint16_t id : stored)
        QVERIFY(vars.find(id)->flags & VarFlag::FromList);
    if (stored.contains(1))
        QCOMPARE(vars.find(1)->maxLen, uint16_t(4));
    QCOMPARE(vars.find(2)->redir, uint16_t(stored.contains(2) ? 0 : 9));
    QCOMPARE(vars.redirSources(9).isEmpty(), stored.contains(2));
    if (stored.contains(3)) {
        QCOMPARE(vars.find(3)->maxLen, uint16_t(32));
        QCOMPARE(vars.redirSources(1), QList<uint16_t>{3});
    }
}

void TestVarCommands::getReplies()
{
    ScriptedLink link;
    DeviceProtocol protocol;
    protocol.setLink(&link);
    VARS& vars = protocol.vars();
    vars.update(5, 4, 'U', 0, 4, reinterpret_cast<const uint8_t*>("\1\0\0\0"), 4);

    link.payload = QByteArray::fromHex("0500 0000 55 0020 04"); // exactly 8 bytes: an empty value
    QCOMPARE(protocol.readVar(5), 0);
    QCOMPARE(vars.find(5)->len, uint16_t(0));
    QCOMPARE(vars.find(5)->redir, uint16_t(0));
    QVERIFY(vars.redirSources(4).isEmpty());

    link.payload = QByteArray::fromHex("0600 0000 55 0020 04 09000000"); // the store follows the reply's id
    QCOMPARE(protocol.readVar(5), 0);
    QCOMPARE(vars.valueText(*vars.find(6)), QStringLiteral("9"));

    link.status = 1; // no such variable
    QCOMPARE(protocol.readVar(6), 0);
    QCOMPARE(vars.valueText(*vars.find(6)), QStringLiteral("9"));
    link.status = 0;
    link.payload = QByteArray::fromHex("0700 00"); // too short to be a header
    QCOMPARE(protocol.readVar(7), 0);
    QCOMPARE(vars.count(), 2);
}

void TestVarCommands::stoppedLoad()
{
    // A stop request or a closed link ends the load without a word and without a retry.
    Session s(deviceWithProfile(SmallProfile));
    QVERIFY(s.connect());
    QSignalSpy loaded(&s.protocol, &DeviceProtocol::uiVarsLoadEnd);
    s.protocol.setStopCheck([] { return true; });
    QCOMPARE(s.protocol.loadVars(allIds(*s.device), false), 0);
    s.protocol.setStopCheck({});
    s.link.close();
    QCOMPARE(s.protocol.loadVars(allIds(*s.device), false), -4);
    QVERIFY(!s.protocol.takeReloadRequest());
    QCOMPARE(loaded.count(), 0);
}

void TestVarCommands::loadUnderFaults_data()
{
    QTest::addColumn<bool>("batched");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("complete");
    for (const bool batched : {false, true}) {
        const char* link = batched ? "batched" : "USB";
        QTest::addRow("%s, no fault", link) << batched << "none" << true;
        QTest::addRow("%s, stale replies", link) << batched << "stale" << true;
        QTest::addRow("%s, a corrupt reply", link) << batched << "corrupt" << true;
        QTest::addRow("%s, dropped replies", link) << batched << "drop" << true;
        QTest::addRow("%s, every try corrupt", link) << batched << "corrupt-all" << true;
        QTest::addRow("%s, unplugged and back", link) << batched << "unplug" << true;
        QTest::addRow("%s, unplugged for good", link) << batched << "gone" << false;
    }
}

void TestVarCommands::loadUnderFaults()
{
    QFETCH(bool, batched);
    QFETCH(QString, fault);
    QFETCH(bool, complete);
    auto clock = std::make_shared<ManualClock>();
    Session s(deviceWithProfile(DemoProfile, clock), batched);
    QVERIFY(s.connect());
    const QList<uint16_t> ids = allIds(*s.device);
    const int partWay = batched ? 6 : 120;
    int requests = 0;
    s.protocol.setStopCheck([&] {
        if (++requests != partWay || fault == QLatin1String("none"))
            return false;
        if (fault == QLatin1String("stale"))
            s.link.staleRepliesNext(3);
        else if (fault == QLatin1String("corrupt"))
            s.link.corruptRepliesNext(1);
        else if (fault == QLatin1String("drop"))
            s.link.dropRepliesNext(2);
        else if (fault == QLatin1String("corrupt-all"))
            s.link.corruptRepliesNext(3);
        else
            s.link.unplugAtExchange(1, fault == QLatin1String("unplug") ? 5000 : -1);
        return false;
    });
    QSignalSpy loaded(&s.protocol, &DeviceProtocol::uiVarsLoadEnd);
    if (!complete) { // three failing passes, then one end of load
        QTest::ignoreMessage(QtWarningMsg, "var list incomplete (ret=-4), retry 1");
        QTest::ignoreMessage(QtWarningMsg, "var list incomplete (ret=-4), retry 2");
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("var list load failed, \\d+ vars loaded")));
    }

    // What the worker does: reload on request, reconnecting when the device went away.
    s.protocol.loadVars(ids, batched);
    for (int pass = 0; s.protocol.takeReloadRequest() && pass < 3; ++pass) {
        clock->advance(10000);
        if (s.device->isPresent() && !s.device->pinAccepted()) {
            s.link.close();
            QVERIFY(s.connect());
        }
        s.protocol.loadVars(ids, batched);
    }
    QCOMPARE(loaded.count(), 1);
    if (complete) {
        QCOMPARE(s.protocol.vars().count(), ids.size());
        QCOMPARE(SimAudit::storeMismatch(s.protocol.vars(), *s.device, batched), QString());
    } else {
        QVERIFY(s.protocol.vars().count() < ids.size());
    }
}

void TestVarCommands::listCutShort()
{
    // Long texts: a 24-id list reply cannot hold them all, so the device leaves out what does not fit.
    QList<SimVariables::Variable> texts;
    for (uint16_t id = 1; id <= 60; ++id)
        texts.append({id, 'T', 0x2000, 0, 200, QByteArray(60 + id, char('a' + id % 26))});
    Session s(deviceWith(texts), true);
    QVERIFY(s.connect());
    const int before = s.link.exchanges();
    QCOMPARE(s.protocol.loadVars(allIds(*s.device), true), 0);
    QCOMPARE(SimAudit::storeMismatch(s.protocol.vars(), *s.device), QString());
    QVERIFY(s.link.exchanges() - before > 3);

    // A device whose list replies hold no entry at all: the load still ends, reading one by one.
    s.device->setListReplyRoom(8);
    QTest::ignoreMessage(QtWarningMsg, "VARS CLEAR");
    s.protocol.vars().clear();
    QCOMPARE(s.protocol.loadVars(allIds(*s.device), true), 0);
    QCOMPARE(SimAudit::storeMismatch(s.protocol.vars(), *s.device), QString());

    // Ids the device does not have, in a complete reply, are not asked for again.
    const int now = s.link.exchanges();
    s.device->setListReplyRoom(-1);
    QCOMPARE(s.protocol.loadVars({1, 4000, 4001}, true), 0);
    QCOMPARE(s.link.exchanges() - now, 1);
}

QTEST_GUILESS_MAIN(TestVarCommands)
#include "TestVarCommands.moc"
