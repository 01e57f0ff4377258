#include <QtTest>

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "SimFixture.h"
#include "sim/SimFileSystem.h"
#include "sim/SimServiceCommands.h"
#include "ui/MainWindow.h"
#include "ui/ModalBox.h"

namespace {

constexpr int Wait = 5000;
constexpr qint64 CommandMs = 1000;
const char* const CommandButtons[] = {"btStat0", "btStat1", "btStat3", "btHorn", "bMotorStart", "bMotorStop"};

// The real window on the demo device, loaded and showing the Status tab.
struct Rig
{
    Rig()
    {
        device->setCommandDurationMs(CommandMs);
        DeviceStack::Options options = SimFixture::RunningStack::options();
        options.timing.statusPeriodMs = 50;
        stack = std::make_unique<DeviceStack>(options);
        stack->addTransport(QStringLiteral("sim"), QStringLiteral("Sim"), std::make_unique<SimLink>(device));
        stack->transports().select(QStringLiteral("sim"));
        MainWindowTiming timing;
        timing.statusTabMs = 50;
        window = std::make_unique<MainWindow>(*stack, timing);
        stack->worker().setLoadList(device->variableIds());
        window->show();
        window->connectDevice();
        stack->start();
    }
    ~Rig()
    {
        stack->shutdown();
        window.reset();
    }

    template <typename T = QPushButton> T* find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    bool commandsEnabled(bool enabled) const
    {
        return std::all_of(std::begin(CommandButtons), std::end(CommandButtons),
                           [&](const char* name) { return find(name)->isEnabled() == enabled; });
    }
    QByteArray commandState() const { return device->variable(SimServiceCommands::VarCommandState)->value; }

    bool loadedOnStatusTab() const
    {
        auto* tabs = find<QTabWidget>("tabWidget");
        if (!QTest::qWaitFor([this] { return find<QWidget>("gPin1")->isEnabled(); }, Wait))
            return false;
        find<QLineEdit>("ePin1")->setText(QStringLiteral("1234"));
        find("bPin1")->click();
        if (!QTest::qWaitFor([tabs] { return tabs->tabBar()->isEnabled(); }, Wait))
            return false;
        tabs->setCurrentIndex(1);
        return QTest::qWaitFor([this] { return !text("l_stat_status1").isEmpty(); }, Wait);
    }

    // Clicks a command button and lets the device's clock run once the device has taken the command.
    bool runCommand(const char* button) const
    {
        find(button)->click();
        if (!commandsEnabled(false) || !QTest::qWaitFor([this] { return commandState() == "WAIT"; }, Wait))
            return false;
        clock->advance(CommandMs);
        return QTest::qWaitFor([this] { return commandsEnabled(true); }, Wait);
    }

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<SimDevice> device = SimFixture::deviceWithProfile(SimFixture::DemoProfile, clock);
    std::unique_ptr<DeviceStack> stack;
    std::unique_ptr<MainWindow> window;
};

} // namespace

class TestServiceButtons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void statusTabButtons();
    void lossCancelsCommand();
};

void TestServiceButtons::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvo SOFT test"));
    QCoreApplication::setApplicationName(QStringLiteral("TestServiceButtons"));
    ModalBox::setChooser(
        [](QMessageBox& box) { return box.defaultButton() ? box.defaultButton() : box.buttons().value(0); });
}

void TestServiceButtons::statusTabButtons()
{
    Rig rig;
    QVERIFY(rig.loadedOnStatusTab());
    QVERIFY(rig.commandsEnabled(true));
    const QString disarmed = rig.text("l_stat_status1");
    QVERIFY(rig.runCommand("btStat1"));
    QCOMPARE(rig.device->variable(SimServiceCommands::VarStatus)->value, QByteArray("\x01\0\0\0", 4));
    QTRY_VERIFY_WITH_TIMEOUT(rig.text("l_stat_status1") != disarmed, Wait);
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("l_stat_status"), QStringLiteral("Статус останньої команди : OK"), Wait);
    rig.device->setCommandAnswer("BUSY");
    QVERIFY(rig.runCommand("btHorn"));
    QCOMPARE(rig.text("l_stat_status"), QStringLiteral("Статус останньої команди : BUSY"));

    // The log export runs beside the commands and says how it ended.
    QPushButton* button = rig.find("btnLogExport");
    button->click();
    QCOMPARE(button->text(), QStringLiteral("Export started ..."));
    QVERIFY(!button->isEnabled());
    QVERIFY(rig.commandsEnabled(true));
    QTRY_COMPARE_WITH_TIMEOUT(button->text(), QStringLiteral("Export - done"), Wait);
    QVERIFY(button->isEnabled());
    QVERIFY(rig.device->files().file(SimServiceCommands::ExportFileName).has_value());
    rig.device->files().setReadOnly(true);
    button->click();
    QTRY_COMPARE_WITH_TIMEOUT(button->text(), QStringLiteral("Export - failed"), Wait);
}

void TestServiceButtons::lossCancelsCommand()
{
    Rig rig;
    QVERIFY(rig.loadedOnStatusTab());
    rig.device->setCommandsHang(true);
    QPushButton* button = rig.find("btnLogExport");
    const QString caption = button->text();
    rig.find("bMotorStart")->click();
    button->click();
    QTRY_COMPARE_WITH_TIMEOUT(rig.commandState(), QByteArray("WAIT"), Wait);
    QVERIFY(rig.commandsEnabled(false));
    rig.device->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(rig.commandsEnabled(true), Wait);
    // The export that was cut short shows its caption again, not an outcome.
    QCOMPARE(button->text(), caption);
    QVERIFY(button->isEnabled());
}

QTEST_MAIN(TestServiceButtons)
#include "TestServiceButtons.moc"
