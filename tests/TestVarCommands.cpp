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
    ScriptedLink() { protocol.setLink(this); }
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
    DeviceProtocol protocol;

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
    void roundTrip_data()
    {
        QTest::addColumn<bool>("batched");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        // Variable 7 holds 20 bytes.
        const QList<std::tuple<int, QString, QString>> rows = {{3, "-2147483648", "-2147483648"},
                                                               {4, "-0.125", "-0.125000"},
                                                               {6, "Зимовий режим", "Зимовий режим"},
                                                               {7, "Orvo security X7 2026", "Orvo security X7 202"}};
        // 60 bytes: 47 reach the device over USB (byte 47 would split a letter, so 46), all 60 on the batched link.
        const QString long60 = QString(44, QLatin1Char('a')) + QString::fromUtf8("Жжжжжжжж");
        for (const auto& [id, text, readBack] : rows)
            QTest::addRow("var %d", id) << false << id << text << readBack;
        QTest::addRow("USB, T of 60 bytes") << false << 14 << long60 << long60.left(45);
        QTest::addRow("batched, T of 60 bytes") << true << 14 << long60 << long60;
    }

    void roundTrip()
    {
        QFETCH(bool, batched);
        QFETCH(int, id);
        QFETCH(QString, text);
        Session s(deviceWithProfile(SmallProfile), batched);
        QVERIFY(s.connect());
        VARS& vars = s.protocol.vars();
        QCOMPARE(s.protocol.readVar(uint16_t(id)), 0);
        vars.setValueText(*vars.find(uint16_t(id)), text);
        QCOMPARE(s.protocol.varsSet(uint16_t(id), true), 0);

        // Read back one by one and, where the link can, by list.
        for (int pass = 0; pass < (batched ? 2 : 1); ++pass) {
            QTest::ignoreMessage(QtWarningMsg, "VARS CLEAR");
            vars.clear();
            QCOMPARE(pass == 0 ? s.protocol.readVar(uint16_t(id)) : s.protocol.readVarBatch({uint16_t(id)}), 0);
            QTEST(vars.valueText(*vars.find(uint16_t(id))), "readBack");
        }
    }

    void writeRules()
    {
        Session s(deviceWithProfile(SmallProfile));
        QVERIFY(s.connect());
        QCOMPARE(s.protocol.loadVars(allIds(*s.device), false), 0);
        QCOMPARE(s.protocol.varsSet(8, true), 1); // a raw value is never written
        QCOMPARE(s.protocol.varsSet(999, true), -1);
        // A redirect the device refuses leaves the store with the device's.
        QCOMPARE(s.protocol.varsSetRedir(13, 4242), 3);
        QCOMPARE(s.protocol.vars().find(13)->redir, s.device->variable(13)->redir);
    }

    void oneVariableOnTheWire()
    {
        ScriptedLink link;
        DeviceProtocol& protocol = link.protocol;
        VARS& vars = protocol.vars();
        QCOMPARE(protocol.readVar(0x1234), 0);
        QCOMPARE(link.request, QByteArray::fromHex("3412"));
        QCOMPARE(protocol.readVarBatch({1, 0x0203}), 0);
        QCOMPARE(link.request, QByteArray::fromHex("010003020000"));
        vars.update(7, 3, 'T', 0x2000, 64, reinterpret_cast<const uint8_t*>("ab"), 2);
        QCOMPARE(protocol.varsSet(7, true), 0);
        QCOMPARE(link.request, QByteArray::fromHex("070003000020") + QByteArray("ab") + QByteArray(45, '\0'));
        QCOMPARE(protocol.varsSet(7, false), 0);
        QCOMPARE(link.request, QByteArray::fromHex("070003000020"));
        vars.update(8, 0, 'C', VarFlag::ReadOnly, 4, reinterpret_cast<const uint8_t*>("A\0\0\0"), 4);
        vars.setValueText(*vars.find(8), QStringLiteral("B")); // read-only: the header goes, the edit does not
        QCOMPARE(protocol.varsSet(8, true), 0);
        QCOMPARE(link.request, QByteArray::fromHex("080000000100"));

        // Replies: id, redirect, type, flags, capacity, value.
        vars.update(5, 4, 'U', 0, 4, reinterpret_cast<const uint8_t*>("\1\0\0\0"), 4);
        link.payload = QByteArray::fromHex("0500 0000 55 0020 04"); // exactly 8 bytes: an empty value
        QCOMPARE(protocol.readVar(5), 0);
        QCOMPARE(vars.find(5)->len, uint16_t(0));
        QVERIFY(vars.redirSources(4).isEmpty());
        link.status = 1; // no such variable: whatever follows is not a value
        link.payload = QByteArray::fromHex("0500 0000 55 0020 04 07000000");
        QCOMPARE(protocol.readVar(5), 0);
        QCOMPARE(vars.find(5)->len, uint16_t(0));
        link.status = 0;
        link.payload = QByteArray::fromHex("0a00 00"); // too short to be a header
        QCOMPARE(protocol.readVar(10), 0);
        QCOMPARE(vars.find(10), nullptr);
    }

    void listReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QList<uint16_t>>("stored");
        QTest::addColumn<QString>("text"); // the first stored value
        const QByteArray plain1 = QByteArray::fromHex("0100 0020 55 07000000");
        // Entry 2 has no redirect field: its former redirect to 9 goes.
        QTest::newRow("complete") << plain1 + QByteArray::fromHex("0200 0000 49 ffffffff 0000") << QList<uint16_t>{1, 2}
                                  << "7";
        QTest::newRow("second value past the end")
            << plain1 + QByteArray::fromHex("0200 0000 55 0700") << QList<uint16_t>{1} << "7";
        QTest::newRow("redirected text") << QByteArray::fromHex("0300 0010 0100 54 20 03 414243 0000")
                                         << QList<uint16_t>{3} << "ABC";
        QTest::newRow("too short") << QByteArray(1, '\0') << QList<uint16_t>{} << "";
    }

    void listReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QList<uint16_t>, stored);
        QFETCH(QString, text);
        ScriptedLink link;
        link.payload = reply;
        VARS& vars = link.protocol.vars();
        vars.update(2, 9, 'I', 0, 4, nullptr, 0); // redirected to 9 before the list arrives
        QCOMPARE(link.protocol.readVarBatch({1, 2, 3}), 0);
        for (const uint16_t id : {1, 3})
            QCOMPARE(vars.find(id) != nullptr, stored.contains(id));
        for (const uint16_t id : stored) // marked as read from a list, whether or not the entry said so
            QVERIFY(vars.find(id)->flags & VarFlag::FromList);
        if (!stored.isEmpty())
            QCOMPARE(vars.valueText(*vars.find(stored.first())), text);
        QCOMPARE(vars.find(2)->redir, uint16_t(stored.contains(2) ? 0 : 9));
        QCOMPARE(vars.redirSources(9).isEmpty(), stored.contains(2));
        if (stored.contains(3))
            QCOMPARE(vars.redirSources(1), QList<uint16_t>{3});
    }

    // Each fault strikes part way through the load: every try of an exchange corrupt, or the device
    // unplugged, either back after 5 s or for good. A fault absorbed within the tries is the link's test.
    void loadUnderFaults_data()
    {
        QTest::addColumn<bool>("batched");
        QTest::addColumn<int>("unplugMs"); // 0: stays, -1: for good
        for (const bool batched : {false, true}) {
            const char* link = batched ? "batched" : "USB";
            QTest::addRow("%s, every try corrupt", link) << batched << 0;
            QTest::addRow("%s, unplugged and back", link) << batched << 5000;
            QTest::addRow("%s, unplugged for good", link) << batched << -1;
        }
    }

    void loadUnderFaults()
    {
        QFETCH(bool, batched);
        QFETCH(int, unplugMs);
        auto clock = std::make_shared<ManualClock>();
        Session s(deviceWithProfile(DemoProfile, clock), batched);
        QVERIFY(s.connect());
        const QList<uint16_t> ids = allIds(*s.device);
        int requests = 0;
        s.protocol.setStopCheck([&] {
            if (++requests == (batched ? 6 : 120)) {
                if (unplugMs == 0)
                    s.link.corruptRepliesNext(3);
                else
                    s.link.unplugAtExchange(1, unplugMs);
            }
            return false;
        });
        QSignalSpy loaded(&s.protocol, &DeviceProtocol::uiVarsLoadEnd);
        const bool complete = unplugMs != -1;

        // What the worker does: reload on request, reconnecting when the device went away.
        s.protocol.loadVars(ids, batched);
        for (int pass = 2; s.protocol.takeReloadRequest(); ++pass) {
            QVERIFY2(pass <= 3, "a fourth load pass");
            clock->advance(10000);
            if (s.device->isPresent() && !s.device->pinAccepted()) {
                s.link.close();
                QVERIFY(s.connect());
            }
            s.protocol.loadVars(ids, batched);
        }
        QCOMPARE(loaded.count(), 1);
        if (complete)
            QCOMPARE(SimAudit::storeMismatch(s.protocol.vars(), *s.device, batched), QString());
        QCOMPARE(s.protocol.vars().count() == ids.size(), complete);
    }

    void listCutShort()
    {
        // Long texts: a 24-id list reply cannot hold them all, so the device leaves out what does not fit.
        QList<SimVariables::Variable> texts;
        for (uint16_t id = 1; id <= 60; ++id)
            texts.append({id, 'T', 0x2000, 0, 200, QByteArray(60 + id, char('a' + id % 26))});
        Session s(deviceWith(texts), true);
        QVERIFY(s.connect());
        QCOMPARE(s.protocol.loadVars(allIds(*s.device), true), 0);
        QCOMPARE(SimAudit::storeMismatch(s.protocol.vars(), *s.device), QString());

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
};

QTEST_GUILESS_MAIN(TestVarCommands)
#include "TestVarCommands.moc"
