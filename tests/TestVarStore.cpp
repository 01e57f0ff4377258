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
        row("T", 'T', QByteArray("Гараж\0xx", 13), "Гараж", "Дім", "Дім");
        row("C keeps one byte", 'C', hex("41000000"), "A", "Ж", "\xD0");
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

    void dirtyMarking()
    {
        VARS vars;
        QSignalSpy dirty(&vars, &VARS::varsDirty);
        const QByteArray five = QByteArray::fromHex("05000000");
        put(vars, 1, 'U', five);
        put(vars, 2, 'U', five);
        QCOMPARE(vars.takeDirty(), QSet<uint16_t>({1, 2}));
        put(vars, 1, 'U', five); // unchanged, not edited
        QVERIFY(vars.takeDirty().isEmpty());

        VarRecord* r = vars.find(1);
        vars.setValueText(*r, QStringLiteral("5")); // edited back to the same value
        put(vars, 1, 'U', five);
        QVERIFY(!r->localEdit);
        QCOMPARE(vars.takeDirty(), QSet<uint16_t>({1}));
        QCOMPARE(dirty.count(), 2);
    }

    void addressSurvivesClear()
    {
        VARS vars;
        VarRecord* before = put(vars, 65503, 'T', "1.5.4", 16);
        vars.setInv(*before, true);
        QTest::ignoreMessage(QtWarningMsg, "VARS CLEAR");
        vars.clear();
        QCOMPARE(vars.find(65503), nullptr);
        QCOMPARE(put(vars, 65503, 'T', "1.5.5", 16), before);
        QCOMPARE(vars.valueText(*before), QStringLiteral("1.5.5"));
        QCOMPARE(before->flags, uint16_t(0));
    }

    void statusTexts()
    {
        QTranslator uk;
        QVERIFY(uk.load(QStringLiteral(":/i18n/OrvoUI_uk_UA.qm")));
        QCoreApplication::installTranslator(&uk);
        QCOMPARE(VARS::errorTextTr(5), QStringLiteral("Доступ заборонено"));
        QCoreApplication::removeTranslator(&uk);
        QCOMPARE(VARS::errorText(-1), QStringLiteral("Unknown error"));
    }
};

QTEST_GUILESS_MAIN(TestVarStore)
#include "TestVarStore.moc"
