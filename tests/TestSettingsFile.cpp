#include <cfloat>
#include <cstring>

#include <QTemporaryDir>
#include <QtTest>

#include "vars/SettingsFile.h"

namespace {

const QString SmallProfile = QStringLiteral(KESTROVA_TEST_DATA "/small.profile");

QByteArray floatBytes(float f)
{
    QByteArray b(4, '\0');
    std::memcpy(b.data(), &f, 4);
    return b;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readAndWriteBack()
    {
        QString error;
        std::optional<SettingsFile> file = SettingsFile::read(SmallProfile, &error);
        QVERIFY2(file, qPrintable(error));
        QCOMPARE(file->saved, QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC));
        QCOMPARE(file->entries.at(13).value, QByteArray("Рядок 1\nРядок \\2"));
        QVERIFY(file->toText().startsWith("kestrova-settings 1\n")); // nothing needs a later form

        // Floats that need all nine digits, the extremes, and a text with every escape.
        uint16_t id = 100;
        for (const float f : {0.1f, 1.0f / 3.0f, -FLT_MAX, FLT_MIN, FLT_TRUE_MIN, 16777217.0f})
            file->entries.append({id++, 'F', 0, 0, 4, floatBytes(f)});
        file->entries.append({id++, 'T', 0, 0, 40, QByteArray("say \"hi\"\\\n\tend")});
        file->entries.append({id++, 'R', 0, 0, 0, QByteArray()});
        file->entries.append({id++, 'I', 0, 0, 4, QByteArray::fromHex("00000080")});
        // What a device may hold that no text form keeps: bytes that are not UTF-8 (stray, cut, overlong,
        // surrogate) around real characters, and floats that are not numbers.
        file->entries.append(
            {id++, 'T', 0, 0, 40, QByteArray("\xFF ok \xC3\x28 \xC0\x80 \xED\xA0\x80 ґ\\x41 \xE2\x82")});
        file->entries.append({id++, 'F', 0, 0, 4, QByteArray::fromHex("FFFFFFFF")});
        file->entries.append({id++, 'F', 0, 0, 4, QByteArray::fromHex("0100C07F")});
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("device.settings"));
        QVERIFY2(file->write(path, &error), qPrintable(error));
        const std::optional<SettingsFile> back = SettingsFile::read(path, &error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(back->entries, file->entries);
        const QString again = dir.filePath(QStringLiteral("again.settings"));
        QVERIFY2(back->write(again, &error), qPrintable(error));
        QFile first(path);
        QFile second(again);
        QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        const QByteArray text = first.readAll();
        QCOMPARE(second.readAll(), text);
        QVERIFY(text.startsWith("kestrova-settings 2\n")); // an older program says it is too new to read
    }

    // A device may report a type letter the program does not know: whatever is saved must read back.
    void unknownTypeIsKept_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<QByteArray>("field"); // the type as the line writes it
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("letter") << 'X' << QByteArray("X") << QByteArray::fromHex("0102A0FF");
        QTest::newRow("lower-case known letter") << 'u' << QByteArray("u") << QByteArray::fromHex("05000000");
        QTest::newRow("control byte") << '\x05' << QByteArray("0x05") << QByteArray::fromHex("2A");
        QTest::newRow("comment sign") << '#' << QByteArray("0x23") << QByteArray();
        QTest::newRow("byte past ASCII") << char(0xC4) << QByteArray("0xC4") << QByteArray::fromHex("00000001");
    }

    void unknownTypeIsKept()
    {
        QFETCH(char, type);
        QFETCH(QByteArray, field);
        QFETCH(QByteArray, value);
        SettingsFile file;
        file.entries.append({7, type, 0x2000, 3, 4, value});
        const QByteArray text = file.toText();
        QVERIFY2(text.contains("\nvar 7 " + field + " 0x2000 3 4 0x" + value.toHex().toUpper() + '\n'),
                 text.constData());
        QVERIFY(text.startsWith("kestrova-settings 2\n")); // a program that knows only format 1 refuses the type
        QString error;
        const std::optional<SettingsFile> back = SettingsFile::parse(text, QStringLiteral("car.kset"), &error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(back->entries, file.entries);
    }

    void oversizedFileIsNotRead_data()
    {
        QTest::addColumn<QString>("path"); // empty: a sparse file one byte past the limit
        QTest::newRow("regular file") << QString();
        QTest::newRow("endless device") << QStringLiteral("/dev/zero");
    }

    void oversizedFileIsNotRead()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        if (path.isEmpty()) {
            path = dir.filePath(QStringLiteral("huge.kset"));
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("kestrova-settings 1\n") > 0);
            QVERIFY(huge.resize(SettingsFile::MaxFileBytes + 1));
        }
        QString error;
        QVERIFY(!SettingsFile::read(path, &error));
        QCOMPARE(error, path + ": the file is larger than 64 MiB; this is not a Kestrova settings file");
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QByteArray head = "# saved by Kestrova\nkestrova-settings 1\nmodel \"Orvo X7\"\n";
        QTest::newRow("truncated") << head + "var 1 U 0x2000 0 4 12" << 4 << "cut short";
        QTest::newRow("foreign") << QByteArray("[General]\nlast_download_path=C:\\\n") << 1 << "not a Kestrova";
        QTest::newRow("newer") << QByteArray("kestrova-settings 3\nvar 1 U 0x2000 0 4 1\n") << 1 << "newer version";
        QTest::newRow("bad id") << head + "var 0 U 0x2000 0 4 1\n" << 4 << "bad variable id";
        QTest::newRow("two-letter type") << head + "var 1 UB 0x2000 0 4 1\n" << 4 << "bad type";
        QTest::newRow("unknown type as a number") << head + "var 1 X 0x2000 0 4 1\n" << 4 << "bad value";
        QTest::newRow("unknown type over capacity") << head + "var 1 X 0x2000 0 2 0x010203\n" << 4 << "capacity 2";
        QTest::newRow("bad capacity") << head + "var 1 T 0x2000 0 256 \"\"\n" << 4 << "bad capacity";
        QTest::newRow("number too big") << head + "var 1 U 0x2000 0 4 4294967296\n" << 4 << "bad value";
        QTest::newRow("unknown escape") << head + "var 1 T 0x0000 0 8 \"a\\tb\"\n" << 4 << "bad value";
        QTest::newRow("short byte escape") << head + "var 1 T 0x0000 0 8 \"a\\xF\"\n" << 4 << "bad value";
        QTest::newRow("text over capacity") << head + "var 1 T 0x0000 0 3 \"Орво\"\n" << 4 << "capacity 3";
        QTest::newRow("extra field") << head + "var 1 U 0x0000 0 4 1 2\n" << 4 << "after the value: \"2\"";
        QTest::newRow("listed twice") << head + "var 1 U 0x0000 0 4 1\nvar 1 U 0x0000 0 4 2\n"
                                      << 5 << "first on line 4";
        QTest::newRow("bad time") << head + "saved yesterday\n" << 4 << "bad time";
        QTest::newRow("unknown line") << head + "colour blue\n" << 4 << "unknown line";
        QTest::newRow("bad UTF-8") << head + "model \"\xC3\x28\"\n" << 4 << "UTF-8";
    }

    void refused()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!SettingsFile::parse(text, QStringLiteral("orvo.settings"), &error));
        QVERIFY2(error.startsWith(QStringLiteral("orvo.settings, line %1: ").arg(line)), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "TestSettingsFile.moc"
