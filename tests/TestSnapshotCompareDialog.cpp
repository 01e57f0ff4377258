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
    void otherModelSaidFirst_data();
    void otherModelSaidFirst();
};

namespace {

// The small profile's device, naming its model, connected and loaded, with a registry for the dialog.
struct LoadedCar
{
    static std::shared_ptr<SimDevice> device()
    {
        QList<SettingsFile::Entry> entries = SettingsFile::read(SimFixture::SmallProfile)->entries;
        entries << SettingsFile::Entry{DeviceVar::Model, 'T', VarFlag::ReadOnly, 0, 32, "Orvo X7"};
        return SimFixture::deviceWith(entries);
    }

    SimFixture::RunningStack car{device()};
    bool ok = car.connectAndLoad();
    VarsRegistry registry{car.stack.protocol(), car.stack.worker()};
};

} // namespace

void TestSnapshotCompareDialog::showFilterAndWrite()
{
    LoadedCar loaded;
    QVERIFY(loaded.ok);
    SimFixture::RunningStack& car = loaded.car;
    VarsRegistry& registry = loaded.registry;
    SettingsFile file = SettingsSnapshot::capture(car.stack.protocol().vars());

    file.entries[0].value = QByteArray("\x05\0\0\0", 4);
    file.entries[5].value = "Північ";
    file.entries[8].value = QByteArray("\x07\0\0\0", 4); // read-only on the device
    SnapshotCompareDialog dialog(file, QStringLiteral("car.kset"), registry, nullptr);
    dialog.show();
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("differences"));
    auto* count = dialog.findChild<QLabel*>(QStringLiteral("count"));
    auto* readOnly = dialog.findChild<QTableWidget*>(QStringLiteral("readOnlyDifferences"));
    // A value the device reports is shown apart: it is no difference a write could mend.
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(readOnly->rowCount(), 1);
    QCOMPARE(readOnly->item(0, SnapshotCompareDialog::IdColumn)->text(), QStringLiteral("9"));
    QCOMPARE(count->text(), QStringLiteral("2 difference(s)"));
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("otherModel"))->isVisible());
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("saveToDevice"))->isVisible()); // nothing written yet

    dialog.setFilter(QStringLiteral("північ"));
    QCOMPARE(count->text(), QStringLiteral("1 of 2 difference(s) shown")); // the device's text matches too
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
    QCOMPARE(report->toPlainText(), QStringLiteral("2 setting(s) written."));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("saveToDevice"))->isVisible()); // written: offer to save
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("identical"))->isVisible());
    QCOMPARE(readOnly->rowCount(), 1);
    QCOMPARE(car.device->variable(6)->value, QByteArray("Північ"));
    ModalBox::setChooser({});
}

void TestSnapshotCompareDialog::otherModelSaidFirst_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("refused");
    QTest::newRow("another model") << QStringLiteral("Orvo X9") << true;
    QTest::newRow("no model named") << QString() << true;
    QTest::newRow("the same model") << QStringLiteral("Orvo X7") << false;
}

void TestSnapshotCompareDialog::otherModelSaidFirst()
{
    QFETCH(QString, model);
    QFETCH(bool, refused);
    LoadedCar loaded;
    QVERIFY(loaded.ok);
    SimFixture::RunningStack& car = loaded.car;
    VarsRegistry& registry = loaded.registry;
    SettingsFile file = SettingsSnapshot::capture(car.stack.protocol().vars());
    file.model = model;
    file.entries[0].value = QByteArray("\x05\0\0\0", 4);
    SnapshotCompareDialog dialog(file, QStringLiteral("car.kset"), registry, nullptr);
    dialog.show();
    auto* otherModel = dialog.findChild<QLabel*>(QStringLiteral("otherModel"));
    QCOMPARE(otherModel->isVisible(), refused);
    if (refused) {
        QVERIFY(otherModel->text().contains(QStringLiteral("Orvo X7")));
        // Above everything listed.
        for (const char* below : {"filter", "count", "differences"})
            QVERIFY(otherModel->y() < dialog.findChild<QWidget*>(QString::fromLatin1(below))->y());
    }
    dialog.selectIds({1});
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("write"))->isEnabled(), !refused);
}

QTEST_MAIN(TestSnapshotCompareDialog)
#include "TestSnapshotCompareDialog.moc"
