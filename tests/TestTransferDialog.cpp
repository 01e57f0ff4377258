#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "files/EfsFile.h"
#include "ui/TransferDialog.h"

// The transfer dialog on its own, driven the way the file service drives it.
class TestTransferDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_dialog = std::make_unique<TransferDialog>(); }
    void cleanup() { m_dialog.reset(); }
    void formats();
    void filesOfABatch();
    void pinEntry();
    void abortAndClose();
    void endsInWords_data();
    void endsInWords();

private:
    template <typename T = QLabel> T* find(const char* name) const
    {
        return m_dialog->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* label) const { return find(label)->text(); }
    QString log() const { return find<QPlainTextEdit>("log")->toPlainText(); }

    std::unique_ptr<TransferDialog> m_dialog;
};

void TestTransferDialog::formats()
{
    const std::pair<qint64, const char*> sizes[] = {
        {10239, "10.0 KB"}, {10240, "10 KB"}, {1048575, "1024 KB"}, {1048576, "1.0 MB"}};
    for (const auto& [bytes, size] : sizes)
        QCOMPARE(TransferDialog::sizeText(bytes), QString::fromLatin1(size));
    QCOMPARE(TransferDialog::durationText(59), QStringLiteral("59 s"));
    QCOMPARE(TransferDialog::durationText(3725), QStringLiteral("62 min 5 s"));
}

void TestTransferDialog::filesOfABatch()
{
    QSignalSpy active(m_dialog.get(), &TransferDialog::activeChanged);
    m_dialog->setBatch(3, 3000);
    m_dialog->startFile(QStringLiteral("a"), 1000);
    m_dialog->setProgress(1000);
    m_dialog->startFile(QStringLiteral("b"), 1000);
    m_dialog->setProgress(400);
    // Lost halfway and started again: still the second file.
    m_dialog->startFile(QStringLiteral("b"), 1000);
    QCOMPARE(text("title"), QStringLiteral("b (file 2 of 3)"));
    m_dialog->setProgress(500);
    QCOMPARE(find<QProgressBar>("batchBar")->value(), 1500);
    // A file that failed is still followed by the next number.
    m_dialog->startFile(QStringLiteral("c"), 1000);
    QCOMPARE(text("title"), QStringLiteral("c (file 3 of 3)"));

    for (int i = 0; i < TransferDialog::MaxLogLines + 20; ++i)
        m_dialog->appendLog(QStringLiteral("line %1").arg(i));
    QCOMPARE(find<QPlainTextEdit>("log")->blockCount(), TransferDialog::MaxLogLines);
    m_dialog->finish(0);
    QVERIFY(!m_dialog->isVisible()); // clean and without resumes
    QCOMPARE(active.count(), 2);
}

void TestTransferDialog::pinEntry()
{
    QSignalSpy sent(m_dialog.get(), &TransferDialog::pinEntered);
    m_dialog->startFile(QStringLiteral("x"), 100);
    auto* field = find<QLineEdit>("pinField");
    m_dialog->setState(TransferDialog::DeviceLost);
    m_dialog->setState(TransferDialog::WaitingPin2);
    QVERIFY(field->isVisible());
    QTest::keyClicks(field, QStringLiteral("1234"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(text("pinMessage"), QStringLiteral("PIN 2 has 6 characters"));
    field->setText(QStringLiteral("123456"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0), (QVariantList{2, QStringLiteral("123456")}));
    QVERIFY(!field->isEnabled());
    m_dialog->showPinResult(QStringLiteral("PIN accepted"));
    QVERIFY(field->isEnabled() && field->text().isEmpty());
    QVERIFY(!log().contains(QStringLiteral("123456")));
}

void TestTransferDialog::abortAndClose()
{
    QSignalSpy abort(m_dialog.get(), &TransferDialog::abortRequested);
    m_dialog->startFile(QStringLiteral("x"), 100);
    QVERIFY(!m_dialog->close());
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(m_dialog->isVisible());

    auto* button = find<QPushButton>("button");
    button->click();
    QCOMPARE(abort.count(), 1);
    QVERIFY(!button->isEnabled());
    m_dialog->finish(-7);
    QVERIFY(button->isEnabled());
    button->click();
    QCOMPARE(abort.count(), 1);
    QVERIFY(!m_dialog->isVisible());
}

void TestTransferDialog::endsInWords_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("status");
    QTest::newRow("device refusal") << 6 << "Transfer failed: The device refused: No space (6)";
    QTest::newRow("cable pulled") << -4 << "Transfer failed: The cable was pulled or the device restarted";
    QTest::newRow("no answer") << -7 << "Transfer failed: The device did not answer in time";
    QTest::newRow("told before") << FileResult::Shown
                                 << "Transfer failed: The reason was given in the message before";
    QTest::newRow("another link failure") << -9 << "Transfer failed: The link to the device failed";
    // The link's input/output error is not a file on this computer, nor the other way round.
    QTest::newRow("link I/O error") << -1 << "Transfer failed: The link to the device failed";
    QTest::newRow("local file") << FileResult::LocalFailure
                                << "Transfer failed: A file on this computer could not be read or written";
    QTest::newRow("device gone for good") << FileResult::DeviceGone
                                          << "Transfer failed: The device did not come back within the wait";
}

void TestTransferDialog::endsInWords()
{
    QFETCH(int, result);
    QFETCH(QString, status);
    m_dialog->startFile(QStringLiteral("x"), 100);
    m_dialog->finish(result);
    QCOMPARE(text("status"), status);
}

QTEST_MAIN(TestTransferDialog)
#include "TestTransferDialog.moc"
