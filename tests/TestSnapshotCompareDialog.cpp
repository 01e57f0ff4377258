#include <QtTest>

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "SimFixture.h"
#include "ui/ModalBox.h"
#include "ui/SnapshotCompareDialog.h"
#include "vars/DeviceVars.h"
#include "vars/VarsRegistry.h"

class TestSnapshotCompareDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showFilterAndWrite();
};

void TestSnapshotCompareDialog::showFilterAndWrite()
{
    QList<SettingsFile::Entry> entries = SettingsFile::read(SimFixture::SmallProfile)->entries;
    entries << SettingsFile::Entry{DeviceVar::Model, 'T', VarFlag::ReadOnly, 0, 32, "Orvo X7"};
    SimFixture::RunningStack car(SimFixture::deviceWith(entries));
    QVERIFY(car.connectAndLoad());
    VarsRegistry registry(car.stack.protocol(), car.stack.worker());
    SettingsFile file = SettingsSnapshot::capture(car.stack.protocol().vars());

    file.entries[0].value = QByteArray("\x05\0\0\0", 4);
    file.entries[5].value = "Північ";
    file.entries[8].value = QByteArray("\x07\0\0\0", 4); // read-only on the device
    SnapshotCompareDialog dialog(file, QStringLiteral("car.kset"), registry, nullptr);
    dialog.show();
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("differences"));
    auto* count = dialog.findChild<QLabel*>(QStringLiteral("count"));
    QCOMPARE(table->rowCount(), 3);
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("saveToDevice"))->isVisible()); // nothing written yet

    dialog.setFilter(QStringLiteral("північ"));
    QCOMPARE(count->text(), QStringLiteral("1 of 3 difference(s) shown")); // the device's text matches too
    dialog.setFilter({});

    // Asked first; "No" sends nothing.
    QStringList asked;
    QMessageBox::StandardButton answer = QMessageBox::No;
    ModalBox::setChooser([&](QMessageBox& box) {
        asked << box.text();
        return box.button(answer);
    });
    dialog.selectIds({1, 6, 9});
    dialog.writeSelected();
    QCOMPARE(asked, QStringList{QStringLiteral("Write 2 value(s) to the device?")});
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("write"))->isEnabled()); // no write started
    answer = QMessageBox::Yes;
    dialog.writeSelected();
    auto* report = dialog.findChild<QPlainTextEdit*>(QStringLiteral("report"));
    QTRY_VERIFY_WITH_TIMEOUT(report->isVisible(), 5000);
    QCOMPARE(report->toPlainText(),
             QStringLiteral("2 setting(s) written.\nVariable 9: skipped: read-only on the device"));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("saveToDevice"))->isVisible()); // written: offer to save
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(car.device->variable(6)->value, QByteArray("Північ"));
    ModalBox::setChooser({});
}

QTEST_MAIN(TestSnapshotCompareDialog)
#include "TestSnapshotCompareDialog.moc"
