#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>

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

RecordingPanel* recordingPanel(QWidget* parent)
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
    void singleTransportHidesSelector();
    void choosingTransport();
    void startsOnTransportChosenBeforeIt();
};

void TestTransportBar::singleTransportHidesSelector()
{
    TransportManager manager(guardKey());
    manager.setPanelFactory(QStringLiteral("usb"), &UsbPanel::create);
    QMainWindow window;
    TransportBar bar(&window, manager, nullptr);
    window.show();

    QCOMPARE(bar.toolBar()->windowTitle(), QStringLiteral("Connection"));
    QVERIFY(!bar.toolBar()->isMovable());
    QVERIFY(!window.findChild<QComboBox*>(QStringLiteral("transportCombo"))->isVisible());
    QVERIFY(!window.findChild<QLabel*>(QStringLiteral("transportLabel"))->isVisible());
    QCOMPARE(bar.currentId(), QStringLiteral("usb"));
    QVERIFY(bar.panel(QStringLiteral("usb")));
    // Start-up selects USB, which leaves the active link as it is.
    QCOMPARE(manager.activeLink(), &manager.usbLink());
    QCOMPARE(manager.pendingLink(), &manager.usbLink());
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
    QVERIFY(combo->isVisible());
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("transportLabel"))->isVisible());
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(1), QStringLiteral("Demo device"));
    auto* usbPanel = static_cast<RecordingPanel*>(bar.panel(QStringLiteral("usb")));
    auto* demoPanel = static_cast<RecordingPanel*>(bar.panel(QStringLiteral("demo")));
    QCOMPARE(demoPanel->installedOn, bar.toolBar());
    QVERIFY(usbPanel->active);
    QVERIFY(!demoPanel->active);

    QSignalSpy changed(&bar, &TransportBar::transportChanged);
    const int wakesBefore = wakes;
    combo->setCurrentIndex(1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("demo"));
    QCOMPARE(manager.pendingLink(), &demo);
    QCOMPARE(bar.currentLink(), &demo);
    QCOMPARE(wakes, wakesBefore + 1);
    QVERIFY(!usbPanel->active);
    QVERIFY(demoPanel->active);
    QCOMPARE(manager.activeLink(), &manager.usbLink()); // the worker makes the switch, not the bar
}

void TestTransportBar::startsOnTransportChosenBeforeIt()
{
    TransportManager manager(guardKey());
    SimLink demo(std::make_shared<SimDevice>());
    manager.addTransport(QStringLiteral("demo"), QStringLiteral("Demo device"), &demo);
    QVERIFY(manager.select(QStringLiteral("demo")));

    QMainWindow window;
    TransportBar bar(&window, manager, nullptr);
    QCOMPARE(bar.currentId(), QStringLiteral("demo"));
    QCOMPARE(manager.pendingLink(), &demo);
}

QTEST_MAIN(TestTransportBar)
#include "TestTransportBar.moc"
