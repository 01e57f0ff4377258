#include <QtTest>

#include <QComboBox>
#include <QMainWindow>

#include "UsbTestbed.h"
#include "link/TransportManager.h"
#include "sim/SimDevice.h"
#include "ui/TransportBar.h"

// The Transport selector while controllers come and go on the emulated bus.
class TestUsbTransportBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(UsbTestbed::isActive(), "run this test under umockdev-wrapper (CTest does)"); }
    void controllersInTheSelector();
};

void TestUsbTransportBar::controllersInTheSelector()
{
    UsbTestbed bus(std::make_shared<SimDevice>(std::make_shared<ManualClock>()));
    TransportManager manager(QStringLiteral("KestrovaTestUsbBar_%1").arg(QCoreApplication::applicationPid()));
    UsbLink& link = manager.usbLink();
    QMainWindow window;
    TransportBar bar(&window, manager, nullptr);
    window.show();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("transportCombo"));
    QVERIFY(!combo->isVisible()); // one controller on the only transport: nothing to choose

    auto second = std::make_shared<SimDevice>(std::make_shared<ManualClock>());
    second->setSerialNumber(QStringLiteral("0077777"));
    bus.addController(second);
    // libusb hears of the new controller on its own thread.
    QTRY_VERIFY_WITH_TIMEOUT((bar.refresh(), combo->isVisible()), 5000);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QStringLiteral("USB 0012345"));
    QCOMPARE(combo->itemText(1), QStringLiteral("USB 0077777"));
    QCOMPARE(combo->itemData(1, Qt::AccessibleDescriptionRole).toString(),
             QStringLiteral("Controller 0077777 on USB port 1-1.4"));
    QVERIFY(link.device().isEmpty()); // showing them chooses none

    QSignalSpy changed(&bar, &TransportBar::transportChanged);
    combo->setCurrentIndex(1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(link.device(), QStringLiteral("0077777"));
    // The same transport again, to be opened anew on the chosen controller.
    QCOMPARE(manager.takePending(), &link);
    QVERIFY(manager.takeReopen());

    // The chosen controller leaves: the selector hides, and the link takes the one left.
    bus.unplug(1);
    QTRY_VERIFY_WITH_TIMEOUT((bar.refresh(), !combo->isVisible()), 5000);
    QVERIFY(link.device().isEmpty());
    QCOMPARE(combo->itemText(0), QStringLiteral("USB"));
}

QTEST_MAIN(TestUsbTransportBar)
#include "TestUsbTransportBar.moc"
