#include <QtTest>

#include <QComboBox>
#include <QMainWindow>

#include "link/TransportManager.h"
#include "sim/SimLink.h"
#include "ui/TransportBar.h"
#include "ui/TransportPanel.h"

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
    void choosingTransport();
};

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
    auto* usbPanel = static_cast<RecordingPanel*>(bar.panel(QStringLiteral("usb")));
    auto* demoPanel = static_cast<RecordingPanel*>(bar.panel(QStringLiteral("demo")));
    QCOMPARE(demoPanel->installedOn, bar.toolBar());
    QVERIFY(usbPanel->active && !demoPanel->active);

    QSignalSpy changed(&bar, &TransportBar::transportChanged);
    const int wakesBefore = wakes;
    combo->setCurrentIndex(1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(manager.pendingLink(), &demo);
    QCOMPARE(wakes, wakesBefore + 1);
    QVERIFY(!usbPanel->active && demoPanel->active);
    QCOMPARE(manager.activeLink(), &manager.usbLink()); // the worker makes the switch, not the bar
}

QTEST_MAIN(TestTransportBar)
#include "TestTransportBar.moc"
