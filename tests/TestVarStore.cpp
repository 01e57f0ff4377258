#include <cstring>

#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include "vars/VARS.h"

namespace {

VarRecord* put(VARS& vars, uint16_t id, char type, const QByteArray& value, uint16_t maxLen = 4, uint16_t flags = 0,
               uint16_t redir = 0)
{
    return vars.update(id, redir, uint8_t(type), flags, maxLen, reinterpret_cast<const uint8_t*>(value.constData()),
                       int(value.size()));
}

QByteArray floatBytes(float f)
{
    QByteArray b(4, '\0');
    std::memcpy(b.data(), &f, 4);
    return b;
}

} // namespace

class TestVarStore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each row: a device value and its text, then a text typed by the user and the bytes it becomes.
    void codec_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        auto row = [](const char* tag, char type, const QByteArray& value, const char* shown, const char* typed,
                      const QByteArray& stored) {
            QTest::newRow(tag) << type << value << QString::fromUtf8(shown) << QString::fromUtf8(typed) << stored;
        };
        const auto hex = &QByteArray::fromHex;
        row("U", 'U', hex("00286bee"), "4000000000", "123", hex("7b000000"));
        row("B, not a number", 'B', hex("01000000"), "1", "abc", QByteArray(4, '\0'));
        row("I", 'I', hex("ffffffff"), "-1", "-2", hex("feffffff"));
        row("F", 'F', floatBytes(1.5f), "1.500000", "2.25", floatBytes(2.25f));
        row("C keeps one byte", 'C', hex("41000000"), "A", "Ж", "\xD0");
        row("T", 'T', QByteArray("Гараж\0xx", 13), "Гараж", "Дім", "Дім");
        row("R", 'R', hex("01ab"), "0x01AB", "0x0102", hex("0102"));
        row("R, bad hex", 'R', QByteArray(), "0x", "zz", QByteArray());
        row("unknown letter", 'X', hex("05000000"), "5", "7", hex("07000000"));
    }

    void codec()
    {
        QFETCH(char, type);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, stored);
        VARS vars;
        VarRecord* r = put(vars, 7, type, value, 32);
        if (type == 'X')
            QTest::ignoreMessage(QtInfoMsg, "unknow var(7) type 88, try uint");
        QTEST(vars.valueText(*r), "shown");
        QFETCH(QString, typed);
        vars.setValueText(*r, typed);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(r->data), r->len), stored);
        const QByteArray num(reinterpret_cast<const char*>(r->num), 4);
        QCOMPARE(num, stored.size() <= 4 ? stored.leftJustified(4, '\0') : QByteArray(4, '\0'));
    }

    void textCut_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("maxLen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        const QString ascii60(60, QLatin1Char('a'));
        // Byte 47 falls inside "Ж" (two bytes at 46 and 47): the cut steps back to 46.
        const QString split = QString(46, QLatin1Char('a')) + QString::fromUtf8("Жжжжжжж");
        QTest::newRow("USB, 60 bytes") << 47 << 64 << ascii60 << 47;
        QTest::newRow("USB, character at the cut") << 47 << 64 << split << 46;
        QTest::newRow("maxLen 20") << 47 << 20 << ascii60 << 20;
        QTest::newRow("batched link, whole text") << 255 << 64 << ascii60 << 60;
    }

    void textCut()
    {
        QFETCH(int, limit);
        QFETCH(int, maxLen);
        QFETCH(QString, text);
        VARS vars;
        vars.setTextLimit(limit);
        VarRecord* r = put(vars, 3, 'T', "old", uint16_t(maxLen));
        vars.setValueText(*r, text);
        QTEST(int(r->len), "stored");
        QVERIFY(r->localEdit);
        QVERIFY(text.startsWith(vars.valueText(*r)));
    }

    void indexesAndRedirects()
    {
        VARS vars;
        for (uint16_t id : {30, 10, 20, 40})
            put(vars, id, 'U', QByteArray(4, '\0'), 4, 0, id == 20 || id == 40 ? 10 : 0);
        QCOMPARE(vars.indexOf(30), 2);
        QCOMPARE(vars.indexOf(25), -1);
        bool found = false;
        QCOMPARE(vars.snapshotAt(0, &found).id, uint16_t(10));
        QVERIFY(found);
        vars.snapshotAt(4, &found);
        QVERIFY(!found);
        QCOMPARE(vars.redirSources(10), QList<uint16_t>({20, 40}));

        // A device answer without the redirect moves the id out of its target's list.
        put(vars, 40, 'U', QByteArray(4, '\0'));
        QCOMPARE(vars.redirSources(10), QList<uint16_t>({20}));
        QVERIFY(vars.setRedir(20, 30));
        QVERIFY(vars.redirSources(10).isEmpty());
        QCOMPARE(vars.redirSources(30), QList<uint16_t>({20}));
        QVERIFY(vars.find(20)->localEdit);
        QVERIFY(!vars.setRedir(99, 10));
    }

    void dirtyMarking()
    {
        VARS vars;
        QSignalSpy dirty(&vars, &VARS::varsDirty);
        const QByteArray five = QByteArray::fromHex("05000000");
        put(vars, 1, 'U', five);
        put(vars, 2, 'U', five);
        QCOMPARE(dirty.count(), 1);
        QCOMPARE(vars.takeDirty(), QSet<uint16_t>({1, 2}));
        put(vars, 1, 'U', five); // unchanged, not edited
        QVERIFY(vars.takeDirty().isEmpty());
        QCOMPARE(dirty.count(), 1);

        VarRecord* r = vars.find(1);
        vars.setValueText(*r, QStringLiteral("5")); // edited back to the same value
        put(vars, 1, 'U', five);
        QVERIFY(!r->localEdit);
        QCOMPARE(dirty.count(), 2);
        QCOMPARE(vars.takeDirty(), QSet<uint16_t>({1}));
        put(vars, 2, 'U', five, 4, VarFlag::Flash); // flags changed
        QCOMPARE(vars.takeDirty(), QSet<uint16_t>({2}));
    }

    void addressSurvivesClear()
    {
        VARS vars;
        VarRecord* before = put(vars, 65503, 'T', "1.5.4", 16);
        vars.setInv(*before, true);
        QTest::ignoreMessage(QtWarningMsg, "VARS CLEAR");
        vars.clear();
        QCOMPARE(vars.find(65503), nullptr);
        QCOMPARE(vars.count(), 0);
        QCOMPARE(put(vars, 65503, 'T', "1.5.5", 16), before);
        QCOMPARE(vars.find(65503), before);
        QCOMPARE(vars.valueText(*before), QStringLiteral("1.5.5"));
        QCOMPARE(before->flags, uint16_t(0));
    }

    void typeAndFlagTexts_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("maxLen");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("typeName");
        QTest::addColumn<QString>("flagsText");
        QTest::newRow("text, ro fram B0") << 'T' << 32 << 0x4841 << "T32"
                                          << "ro,fram,B0";
        QTest::newRow("static inv") << 'U' << 4 << 0x0802 << "U"
                                    << "static,inv";
        QTest::newRow("B1") << 'B' << 4 << 0x0040 << "B"
                            << "B1";
        QTest::newRow("none") << 'F' << 4 << 0x1000 << "F"
                              << "";
        QTest::newRow("all") << 'X' << 4 << 0x7FFF << "UNKNOWN"
                             << "static,ro,fram,flash,user-nR,user-nW,O,R,B0";
    }

    void typeAndFlagTexts()
    {
        QFETCH(char, type);
        QFETCH(int, maxLen);
        QFETCH(int, flags);
        VarRecord r;
        r.type = uint8_t(type);
        r.maxLen = uint16_t(maxLen);
        r.flags = uint16_t(flags);
        QTEST(VARS::typeName(r), "typeName");
        QTEST(VARS::flagsText(r), "flagsText");
    }

    void statusTexts()
    {
        QCOMPARE(VARS::errorText(8), QStringLiteral("FS ERROR"));
        QCOMPARE(VARS::errorText(-1), QStringLiteral("Unknown error"));

        QTranslator uk;
        QVERIFY(uk.load(QStringLiteral(":/i18n/OrvoUI_uk_UA.qm")));
        QCoreApplication::installTranslator(&uk);
        QCOMPARE(VARS::errorTextTr(5), QStringLiteral("Доступ заборонено"));
        QCOMPARE(VARS::errorTextTr(200), QStringLiteral("Невідома помилка"));
        QCoreApplication::removeTranslator(&uk);
        QCOMPARE(VARS::errorTextTr(5), QStringLiteral("Access denied"));
    }
};

QTEST_GUILESS_MAIN(TestVarStore)
#include "TestVarStore.moc"
