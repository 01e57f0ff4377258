#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "ui/TransferDialog.h"

// The transfer dialog on its own, driven the way the file service drives it.
class TestTransferDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void formats_data();
    void formats();
    void filesOfABatch();
    void recoveryStates();
    void pinLength_data();
    void pinLength();
    void abortAndClose();

private:
    template <typename T> T* find(const char* name) const { return m_dialog->findChild<T*>(QString::fromLatin1(name)); }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }

    std::unique_ptr<TransferDialog> m_dialog;
};

void TestTransferDialog::init()
{
    m_dialog = std::make_unique<TransferDialog>();
}

void TestTransferDialog::cleanup()
{
    m_dialog.reset();
}

void TestTransferDialog::formats_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("size");
    QTest::addRow("zero") << qint64(0) << "0.0 KB";
    QTest::addRow("below 10 KiB") << qint64(10239) << "10.0 KB";
    QTest::addRow("10 KiB") << qint64(10240) << "10 KB";
    QTest::addRow("below 1 MiB") << qint64(1048575) << "1024 KB";
    QTest::addRow("1 MiB") << qint64(1048576) << "1.0 MB";
    QTest::addRow("2.5 MiB") << qint64(2621440) << "2.5 MB";
}

void TestTransferDialog::formats()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, size);
    QCOMPARE(TransferDialog::sizeText(bytes), size);
    QCOMPARE(TransferDialog::durationText(59), QStringLiteral("59 s"));
    QCOMPARE(TransferDialog::durationText(60), QStringLiteral("1 min 0 s"));
    QCOMPARE(TransferDialog::durationText(3725), QStringLiteral("62 min 5 s"));
}

void TestTransferDialog::filesOfABatch()
{
    QSignalSpy active(m_dialog.get(), &TransferDialog::activeChanged);
    m_dialog->setBatch(3, 3000);
    m_dialog->startFile(QStringLiteral("a"), 1000);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(active.count(), 1);
    QCOMPARE(text("title"), QStringLiteral("a (file 1 of 3)"));
    m_dialog->setProgress(1000);
    m_dialog->startFile(QStringLiteral("b"), 1000);
    m_dialog->setProgress(400);
    // Lost halfway and started again: still the second file.
    m_dialog->startFile(QStringLiteral("b"), 1000);
    QCOMPARE(text("title"), QStringLiteral("b (file 2 of 3)"));
    m_dialog->setProgress(500);
    QCOMPARE(find<QProgressBar>("batchBar")->value(), 1500);
    QVERIFY(text("batchLabel").endsWith(QStringLiteral("(file 2 of 3)")));
    // A file that failed is still followed by the next number.
    m_dialog->startFile(QStringLiteral("c"), 1000);
    QCOMPARE(text("title"), QStringLiteral("c (file 3 of 3)"));

    for (int i = 0; i < TransferDialog::MaxLogLines + 20; ++i)
        m_dialog->appendLog(QStringLiteral("line %1").arg(i));
    QCOMPARE(find<QPlainTextEdit>("log")->blockCount(), TransferDialog::MaxLogLines);

    m_dialog->finish(0);
    QVERIFY(!m_dialog->isVisible()); // clean and without resumes
    QCOMPARE(active.count(), 2);
    QCOMPARE(active.last().at(0).toBool(), false);
    m_dialog->appendLog(QStringLiteral("after"));
    QVERIFY(!find<QPlainTextEdit>("log")->toPlainText().contains(QStringLiteral("after")));
}

void TestTransferDialog::recoveryStates()
{
    m_dialog->setBatch(1, 100);
    m_dialog->startFile(QStringLiteral("x"), 100);
    QCOMPARE(text("title"), QStringLiteral("x"));
    QVERIFY(find<QProgressBar>("batchBar")->isHidden());
    m_dialog->setProgress(50);
    QCOMPARE(text("status"), QStringLiteral("Transferring"));
    QVERIFY(find<QLabel>("status")->styleSheet().contains(QStringLiteral("#2e9e4f")));

    m_dialog->setState(1);
    QCOMPARE(text("status"), QStringLiteral("The device is lost, waiting for it ... 0 s (attempt 1)"));
    QVERIFY(find<QLabel>("status")->styleSheet().contains(QStringLiteral("#f28c1e")));
    QVERIFY(text("detail").endsWith(QStringLiteral(", resumes: 1")));
    m_dialog->setState(3);
    QCOMPARE(text("status"), QStringLiteral("Checking the file on the device ..."));
    QVERIFY(find<QLabel>("status")->styleSheet().contains(QStringLiteral("#3b78c4")));
    m_dialog->setState(3); // no change, no second resume
    m_dialog->setProgress(60);
    QCOMPARE(text("status"), QStringLiteral("Transferring"));
    QVERIFY(find<QPlainTextEdit>("log")->toPlainText().contains(QStringLiteral("The transfer goes on at 60 bytes")));

    m_dialog->setProgress(100);
    m_dialog->finish(0);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(text("status"), QStringLiteral("Transfer complete (resumes: 1)"));
    QVERIFY(find<QLabel>("status")->styleSheet().contains(QStringLiteral("#2e9e4f")));
    QCOMPARE(find<QPushButton>("button")->text(), QStringLiteral("Close"));
}

void TestTransferDialog::pinLength_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("sentLevel"); // 0: nothing sent
    QTest::addRow("PIN 1 short") << 2 << "123"
                                 << "PIN 1 has 4 characters" << 0;
    QTest::addRow("PIN 1") << 2 << "1234"
                           << "PIN 1 is sent, waiting for the device ..." << 1;
    QTest::addRow("PIN 2 short") << 4 << "1234"
                                 << "PIN 2 has 6 characters" << 0;
    QTest::addRow("PIN 2") << 4 << "123456"
                           << "PIN 2 is sent, waiting for the device ..." << 2;
}

void TestTransferDialog::pinLength()
{
    QFETCH(int, state);
    QFETCH(QString, typed);
    QFETCH(QString, reply);
    QFETCH(int, sentLevel);
    QSignalSpy sent(m_dialog.get(), &TransferDialog::pinEntered);
    m_dialog->startFile(QStringLiteral("x"), 100);
    QVERIFY(!find<QLineEdit>("pinField")->isVisible());
    m_dialog->setState(1);
    m_dialog->setState(state);
    auto* field = find<QLineEdit>("pinField");
    QVERIFY(field->isVisible());
    QCOMPARE(find<QPushButton>("pinButton")->text(), QStringLiteral("Send PIN %1").arg(state == 2 ? 1 : 2));
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(text("pinMessage"), reply);
    QCOMPARE(sent.count(), sentLevel ? 1 : 0);
    if (sentLevel) {
        QCOMPARE(sent.at(0).at(0).toInt(), sentLevel);
        QCOMPARE(sent.at(0).at(1).toString(), typed);
        QVERIFY(!field->isEnabled());
        m_dialog->showPinResult(QStringLiteral("PIN accepted"));
        QVERIFY(field->isEnabled() && field->text().isEmpty());
    }
    // The PIN itself never reaches the log.
    QVERIFY(!find<QPlainTextEdit>("log")->toPlainText().contains(typed));
}

void TestTransferDialog::abortAndClose()
{
    QSignalSpy abort(m_dialog.get(), &TransferDialog::abortRequested);
    m_dialog->startFile(QStringLiteral("x"), 100);
    QVERIFY(!m_dialog->close());
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(m_dialog->isVisible());

    auto* button = find<QPushButton>("button");
    QCOMPARE(button->text(), QStringLiteral("Abort"));
    button->click();
    QCOMPARE(abort.count(), 1);
    QVERIFY(!button->isEnabled());
    m_dialog->finish(-7);
    QCOMPARE(text("status"), QStringLiteral("Transfer failed or stopped (-7)"));
    QVERIFY(find<QLabel>("status")->styleSheet().contains(QStringLiteral("#c0392b")));
    QVERIFY(find<QPlainTextEdit>("log")->toPlainText().contains(QStringLiteral("Transfer ended (-7), 0 s")));
    QVERIFY(button->isEnabled());
    button->click();
    QCOMPARE(abort.count(), 1);
    QVERIFY(!m_dialog->isVisible());
}

QTEST_MAIN(TestTransferDialog)
#include "TestTransferDialog.moc"
