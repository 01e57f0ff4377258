#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>

#include "link/TransportManager.h"
#include "sim/SimLink.h"
#include "ui/TransportBar.h"
#include "ui/TransportPanel.h"
#include "ui/UsbPanel.h"

namespace {

class RecordingPanel : public TransportPanel
{
public:
    using TransportPanel::TransportPanel;
    void install(QToolBar* toolBar, QWidget*) override { installedOn = toolBar; }
    void setActive(bool on) override { active = on; }
    bool hasControls() const override { return false; }

    QToolBar* installedOn = nullptr;
    bool active = false;
};

TransportPanel* recordingPanel(QWidget* parent)
{
    return new RecordingPanel(parent);
}

QString guardKey()
{
    return QStringLiteral("KestrovaTest_TransportBar_%1").arg(QCoreApplication::applicationPid());
}

} // namespace

// The "Connection" tool bar as the user sees and uses it.
class TestTransportBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsOnTheChosenTransport_data();
    void startsOnTheChosenTransport();
    void choosingTransport();
};

void TestTransportBar::startsOnTheChosenTransport_data()
{
    QTest::addColumn<bool>("demoChosen"); // false: USB is the only transport
    QTest::newRow("USB only") << false;
    QTest::newRow("demo chosen before the bar") << true;
}

void TestTransportBar::startsOnTheChosenTransport()
{
    QFETCH(bool, demoChosen);
    TransportManager manager(guardKey());
    manager.setPanelFactory(QStringLiteral("usb"), &UsbPanel::create);
    SimLink demo(std::make_shared<SimDevice>());
    if (demoChosen) {
        manager.addTransport(QStringLiteral("demo"), QStringLiteral("Demo device"), &demo);
        QVERIFY(manager.select(QStringLiteral("demo")));
    }
    QMainWindow window;
    TransportBar bar(&window, manager, nullptr);
    window.show();

    // A selector with one choice is not shown.
    QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("transportCombo"))->isVisible(), demoChosen);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("transportLabel"))->isVisible(), demoChosen);
    QCOMPARE(bar.currentId(), demoChosen ? QStringLiteral("demo") : QStringLiteral("usb"));
    QCOMPARE(manager.pendingLink(), demoChosen ? static_cast<DeviceLink*>(&demo) : &manager.usbLink());
    QVERIFY(bar.panel(QStringLiteral("usb")));
}

void TestTransportBar::choosingTransport()
{
    TransportManager manager(guardKey());
    SimLink demo(std::make_shared<SimDevice>());
    manager.setPanelFactory(QStringLiteral("usb"), &recordingPanel);
    manager.addTransport(QStringLiteral("demo"), QStringLiteral("Demo device"), &demo, &recordingPanel);
    int wakes = 0;
    manager.setChangeCallback([&wakes] { ++wakes; });

    QMainWindow window;
    TransportBar bar(&window, manager, nullptr);
    window.show();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("transportCombo"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Demo device"));
    auto* usbPanel = static_cast<RecordingPanel*>(bar.panel(QStringLiteral("usb")));
    auto* demoPanel = static_cast<RecordingPanel*>(bar.panel(QStringLiteral("demo")));
    QCOMPARE(demoPanel->installedOn, bar.toolBar());
    QVERIFY(usbPanel->active && !demoPanel->active);

    QSignalSpy changed(&bar, &TransportBar::transportChanged);
    const int wakesBefore = wakes;
    combo->setCurrentIndex(1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("demo"));
    QCOMPARE(manager.pendingLink(), &demo);
    QCOMPARE(wakes, wakesBefore + 1);
    QVERIFY(!usbPanel->active && demoPanel->active);
    QCOMPARE(manager.activeLink(), &manager.usbLink()); // the worker makes the switch, not the bar
}

QTEST_MAIN(TestTransportBar)
#include "TestTransportBar.moc"
