#include <QDir>
#include <QtTest>

#include "FuzzEntries.h"

// Every input kept in a fuzz corpus, the ones that once crashed a parser among them, through the same
// entry its fuzzer runs. A crash or a sanitizer report fails the test.
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void corpus_data();
    void corpus();
};

void TestFuzzCorpus::corpus_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("folder");
    for (const FuzzEntries::Entry& e : FuzzEntries::entries()) {
        const QString name = QString::fromLatin1(e.name);
        QTest::addRow("%s", e.name) << name << QStringLiteral(KESTROVA_FUZZ_CORPUS "/") + name;
    }
}

void TestFuzzCorpus::corpus()
{
    QFETCH(QString, entry);
    QFETCH(QString, folder);
    const FuzzEntries::Entry* e = FuzzEntries::find(entry.toLatin1().constData());
    QVERIFY(e);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    // Each corpus is seeded with valid inputs; an empty one means the corpus went missing.
    QVERIFY2(!files.isEmpty(), qPrintable(folder));
    for (const QFileInfo& info : files) {
        QFile f(info.filePath());
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(info.filePath()));
        const QByteArray input = f.readAll();
        // A copy of exactly the file's length, so that a read one byte past the input is caught.
        std::vector<uint8_t> bytes(input.begin(), input.end());
        e->run(bytes.data(), bytes.size());
    }
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "TestFuzzCorpus.moc"
