#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "link/DeviceProtocol.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"
#include "sim/SimServiceCommands.h"
#include "ui/MainWindow.h"
#include "ui/ModalBox.h"
#include "ui/VarEditor.h"
#include "ui/VarWidget.h"
#include "vars/VARS.h"
#include "worker/DeviceStack.h"
#include "worker/DeviceThread.h"

namespace {

constexpr int Wait = 5000;
// Nothing else the window shows could contain it, so finding it in the log would mean a leak.
const QByteArray Pin = QByteArrayLiteral("k7Qz");

const char* const CommandButtons[] = {"btStat0", "btStat1", "btStat3", "btHorn", "bMotorStart", "bMotorStop"};

// The real window on the stand-in device through the real worker.
struct Rig
{
    // profile: the device's variables, all of them loaded; empty: the General tab's texts and setting 100.
    // asDemo: the device is only offered as the demo transport; the window starts without a device.
    explicit Rig(const QString& profile = {}, bool asDemo = false)
    {
        if (!profile.isEmpty()) {
            device = SimFixture::deviceWithProfile(profile, clock);
        } else {
            device->setModel(QStringLiteral("Orvo X7"));
            const std::pair<uint16_t, const char*> texts[] = {{65503, "Orvo X7"}, {65504, "BL 3"},
                                                              {65505, "154"},     {64999, "21"},
                                                              {65507, "0012345"}, {20000, "CAN 500k"}};
            for (const auto& [id, text] : texts)
                device->setVariable({id, 'T', VarFlag::ReadOnly, 0, 32, QByteArray(text)});
            device->setVariable({100, 'U', VarFlag::Flash, 0, 4, QByteArray(4, '\0')});
        }
        device->setPin(Pin);

        DeviceStack::Options options;
        options.timing.statusPeriodMs = 50;
        options.usbGuardKey = QStringLiteral("KestrovaTestWindow_%1").arg(QCoreApplication::applicationPid());
        stack = std::make_unique<DeviceStack>(options);
        const QString id = asDemo ? TransportManager::DemoId : QStringLiteral("sim");
        stack->addTransport(id, QStringLiteral("Sim"), std::make_unique<SimLink>(device));
        if (!asDemo)
            stack->transports().select(id);
        MainWindowTiming timing;
        timing.lockTickMs = 3600 * 1000; // the test ticks the countdown itself
        timing.fsRetryMs = timing.saveStatusMs = 20;
        timing.statusTabMs = 50;
        window = std::make_unique<MainWindow>(*stack, timing);
        // The page views put the settings they show on the load list; 100 stands for them.
        stack->worker().setLoadList(profile.isEmpty()
                                        ? QList<uint16_t>{1, 100, 20000, 40002, 64999, 65503, 65504, 65505, 65507}
                                        : device->variableIds());
        window->show();
        window->connectDevice();
        authUpdates = std::make_unique<QSignalSpy>(&stack->protocol(), &DeviceProtocol::uiAuthUpdate1);
        stack->start();
    }

    ~Rig()
    {
        stack->shutdown();
        window.reset();
    }

    template <typename T = QWidget> T* find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    bool shown(const char* name) const { return find(name) && find(name)->isVisible(); } // made when needed
    bool enabled(const char* name) const { return find(name)->isEnabled(); }
    bool tabsEnabled() const { return find<QTabWidget>("tabWidget")->tabBar()->isEnabled(); }
    bool logged(const QString& text) const { return find<QPlainTextEdit>("teLog")->toPlainText().contains(text); }

    bool connected() const { return shown("pinBadge"); }
    // Connected, and the device's PIN state from its INFO answer has reached the window.
    bool awaitsPin() const { return connected() && enabled("gPin1") && !authUpdates->isEmpty(); }

    void sendPin(const QString& pin) const
    {
        find<QLineEdit>("ePin1")->setText(pin);
        find<QPushButton>("bPin1")->click();
    }

    bool loaded() const // PIN accepted and every variable loaded
    {
        if (!QTest::qWaitFor([this] { return awaitsPin(); }, Wait))
            return false;
        sendPin(QString::fromLatin1(Pin));
        return QTest::qWaitFor([this] { return !text("lFirmwareV").isEmpty(); }, Wait);
    }

    bool commandsEnabled(bool on) const
    {
        return std::all_of(std::begin(CommandButtons), std::end(CommandButtons),
                           [&](const char* name) { return enabled(name) == on; });
    }

    // The device's file system takes a minute of the device's clock to start; the PIN is sent.
    bool slowFileSystem() const
    {
        device->files().setStartupMs(60000);
        device->files().restart(clock->nowMs());
        if (!QTest::qWaitFor([this] { return awaitsPin(); }, Wait))
            return false;
        sendPin(QString::fromLatin1(Pin));
        return QTest::qWaitFor([this] { return shown("loadingOverlay"); }, Wait);
    }

    // A change of a setting kept in flash, sent to the device the way an edit is.
    void changeFlashSetting() const
    {
        DeviceProtocol* p = &stack->protocol();
        stack->worker().post([p] {
            QMutexLocker lock(&p->vars().mutex());
            if (VarRecord* record = p->vars().find(100))
                p->vars().setValueText(*record, QStringLiteral("7"));
            p->varsSet(100, true);
        });
    }

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<SimDevice> device = std::make_shared<SimDevice>(clock);
    std::unique_ptr<DeviceStack> stack;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QSignalSpy> authUpdates;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void pinEntryLockAndLoad();
    void fileSystemCheckWaitsAndWarns();
    void losingTheDevice_data();
    void losingTheDevice();
    void saveToFlash_data();
    void saveToFlash();
    void fileSystemFigures();
    void transferAndUnsavedHoldTheClose();
    void closeWithSave_data();
    void closeWithSave();
    void firstRunOffersTheDemo();
    void changeLoggedAsShown();
    void lossCancelsCommand();

private:
    QStringList m_boxes; // their texts
    QString m_answer;    // the button the next boxes are answered with; empty: the default button
};

void TestMainWindow::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvo SOFT test"));
    QCoreApplication::setApplicationName(QStringLiteral("TestMainWindow"));
    QApplication::setQuitOnLastWindowClosed(false); // a test closes the window
    ModalBox::setChooser([this](QMessageBox& box) -> QAbstractButton* {
        m_boxes << box.text();
        for (QAbstractButton* button : box.buttons()) {
            if (button->text().remove(QLatin1Char('&')) == m_answer)
                return button;
        }
        return box.defaultButton() ? box.defaultButton() : box.buttons().value(0);
    });
}

void TestMainWindow::init()
{
    m_boxes.clear();
    m_answer.clear();
}

void TestMainWindow::pinEntryLockAndLoad()
{
    Rig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.awaitsPin(), Wait);
    QCOMPARE(rig.text("lProductModel"), QStringLiteral("Orvo X7"));
    rig.sendPin(QStringLiteral("12345"));
    QCOMPARE(rig.text("lPin1Status"), QStringLiteral("PIN 1 has 4 characters"));
    for (int attempt = 1; attempt <= 2; ++attempt) {
        rig.sendPin(QStringLiteral("9999"));
        QTRY_VERIFY_WITH_TIMEOUT(
            rig.text("lPin1Status").startsWith(QStringLiteral("PIN 1 rejected (code 1) [try %1, ").arg(attempt)), Wait);
    }
    rig.sendPin(QStringLiteral("9999"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("lPin1Status"), QStringLiteral("timeout 30"), Wait);
    for (int left = 29; left >= 0; --left) {
        QVERIFY(!rig.enabled("ePin1") && !rig.enabled("bPin1"));
        rig.window->slotAuthUpdateTimer();
    }
    QVERIFY(rig.enabled("ePin1") && rig.enabled("bPin1"));

    rig.clock->advance(30000);
    QVERIFY(rig.loaded());
    QCOMPARE(rig.text("lCAN"), QStringLiteral("CAN 500k"));
    QVERIFY(!rig.enabled("gPin1")); // an accepted PIN is not asked for again
    QVERIFY(rig.logged(QStringLiteral("PIN 1 accepted [try ")));
    QVERIFY(!rig.logged(QString::fromLatin1(Pin)));
}

void TestMainWindow::fileSystemCheckWaitsAndWarns()
{
    {
        Rig rig;
        QVERIFY(rig.slowFileSystem());
        SimFileSystem& files = rig.device->files();
        QCOMPARE(rig.text("lProductModel"), QStringLiteral("loading ..."));
        QVERIFY(rig.text("loadingOverlay")
                    .endsWith(QStringLiteral("Waiting for the file system of the device to start ...")));
        // Asked again and again while the file system starts, and nothing is loaded meanwhile.
        files.clearRequests();
        const auto isStats = [](const auto& request) { return request.first == Cmd::EFS_STATS; };
        QTRY_VERIFY_WITH_TIMEOUT(std::count_if(files.requests().cbegin(), files.requests().cend(), isStats) >= 3, Wait);
        QCOMPARE(rig.stack->protocol().vars().count(), 0);

        rig.clock->advance(60000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("lFirmwareV"), QStringLiteral("154"), Wait);
        QVERIFY(!rig.shown("loadingOverlay"));
        QVERIFY(m_boxes.isEmpty()); // starting is no error
    }
    Rig rig;
    rig.device->files().setReadOnly(true);
    QVERIFY(rig.loaded()); // read-only settings still load
    QCOMPARE(rig.text("label_general_alert"), QStringLiteral("ERROR: file system is readonly"));
    QCOMPARE(m_boxes.size(), 1);
}

void TestMainWindow::losingTheDevice_data()
{
    QTest::addColumn<bool>("loaded"); // false: while the file system starts
    QTest::newRow("unplugged, variables loaded") << true;
    QTest::newRow("unplugged while the file system starts") << false;
}

void TestMainWindow::losingTheDevice()
{
    QFETCH(bool, loaded);
    Rig rig;
    QVERIFY(loaded ? rig.loaded() : rig.slowFileSystem());
    rig.device->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.connected(), Wait);

    // Loaded values stay on view, read only.
    QCOMPARE(rig.shown("lostBadge"), loaded);
    QCOMPARE(rig.tabsEnabled(), loaded);
    QVERIFY(!rig.shown("loadingOverlay"));
    QVERIFY(!rig.enabled("gPin1"));

    rig.device->plug();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected() && rig.enabled("gPin1"), Wait);
    QVERIFY(!rig.shown("lostBadge"));
}

void TestMainWindow::saveToFlash_data()
{
    QTest::addColumn<int>("deviceError");
    QTest::addColumn<bool>("stateUnreadable");
    QTest::addColumn<QString>("shown");
    QTest::newRow("saved") << 0 << false << QStringLiteral("Settings saved in flash");
    QTest::newRow("failed") << 7 << false << QStringLiteral("Settings save -> fail\ncount=0, save=0, error=7");
    // Without the device's answer the save may not have completed: it must not be reported as done.
    QTest::newRow("state unreadable") << 0 << true << QStringLiteral("Cannot read the state of the save, error ");
}

void TestMainWindow::saveToFlash()
{
    QFETCH(int, deviceError);
    QFETCH(bool, stateUnreadable);
    QFETCH(QString, shown);
    Rig rig;
    rig.device->setSaveError(uint8_t(deviceError));
    QVERIFY(rig.loaded());
    rig.changeFlashSetting();
    QTRY_VERIFY_WITH_TIMEOUT(rig.enabled("btnSave"), Wait);

    QSignalSpy polls(&rig.stack->worker(), &DeviceThread::uiVarsStatus);
    rig.find<QPushButton>("btnSave")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.enabled("btnSave"), Wait);
    QTRY_VERIFY_WITH_TIMEOUT(polls.size() >= 3, Wait); // the device is still writing
    QVERIFY(m_boxes.isEmpty());
    if (stateUnreadable) {
        auto* link = static_cast<SimLink*>(rig.stack->transports().activeLink());
        link->setRequestObserver([link](uint8_t cmd, const QByteArray&) {
            if (cmd == Cmd::VAR_SAVE)
                link->corruptRepliesNext(1);
        });
    } else {
        rig.clock->advance(1000);
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes.size(), 1, Wait);
    QVERIFY(m_boxes.constFirst().startsWith(shown));
    // A failed or unconfirmed save leaves the settings unsaved.
    QCOMPARE(rig.enabled("btnSave"), deviceError != 0 || stateUnreadable);
    QCOMPARE(rig.device->savesCompleted(), stateUnreadable ? 0 : 1);
}

void TestMainWindow::fileSystemFigures()
{
    Rig rig;
    rig.window->slotFlashStatus(1000000, 65536, 0, 0, 0);
    QCOMPARE(rig.text("lStatusFlashTotal"), QStringLiteral("62500 MB")); // beyond 32 bits
    rig.window->slotFlashStatus(16, 4096, 32, 0, 0);
    QCOMPARE(rig.text("lStatusFlashUsed"), QStringLiteral("0 MB")); // more free than there is

    const auto shows = [&rig, this](uint8_t status, const char* alert, int boxes) {
        rig.window->updateFsAlert(status);
        return rig.text("label_general_alert") == QString::fromLatin1(alert) && m_boxes.size() == boxes;
    };
    const char* const status7 = "File system status: (7)";
    QVERIFY(shows(7, status7, 1));
    QVERIFY(shows(7, status7, 1)); // the same status is not announced twice
    QVERIFY(shows(255, status7, 1));
    QVERIFY(shows(2, "File system status: (2)", 1)); // starting is no error
    QVERIFY(shows(0, "", 1));
    QVERIFY(shows(7, status7, 2)); // cleared in between: announced again
}

void TestMainWindow::transferAndUnsavedHoldTheClose()
{
    Rig rig;
    QVERIFY(rig.loaded());
    QSignalSpy changes(&rig.stack->protocol(), &DeviceProtocol::uiOnVarsChangedPC);
    rig.window->slotTransferActive(true);
    rig.changeFlashSetting();
    QTRY_COMPARE_WITH_TIMEOUT(changes.size(), 1, Wait);
    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("var 100 changed")), Wait);
    QVERIFY(!rig.enabled("btnSave"));
    QVERIFY(!rig.window->close());
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.constFirst(), QStringLiteral("A file transfer is running: abort it first."));
    rig.window->slotTransferActive(false);
    QVERIFY(rig.enabled("btnSave"));

    // Unsaved settings: asked, and kept open on Cancel.
    m_boxes.clear();
    m_answer = QStringLiteral("Cancel");
    QVERIFY(!rig.window->close());
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(rig.window->isVisible());
}

void TestMainWindow::closeWithSave_data()
{
    QTest::addColumn<int>("deviceError");
    QTest::newRow("saved: closes") << 0;
    QTest::newRow("failed: stays open") << 7;
}

void TestMainWindow::closeWithSave()
{
    QFETCH(int, deviceError);
    Rig rig;
    rig.device->setSaveError(uint8_t(deviceError));
    QVERIFY(rig.loaded());
    rig.changeFlashSetting();
    QTRY_VERIFY_WITH_TIMEOUT(rig.enabled("btnSave"), Wait);
    QSignalSpy polls(&rig.stack->worker(), &DeviceThread::uiVarsStatus);
    QVERIFY(!rig.window->close());                     // "Save to the device" is the default answer
    QTRY_VERIFY_WITH_TIMEOUT(polls.size() >= 3, Wait); // the device is still writing
    QVERIFY(rig.window->isVisible());

    rig.clock->advance(1000);
    if (deviceError == 0) {
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window->isVisible(), Wait);
        QCOMPARE(rig.device->savesCompleted(), 1);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(m_boxes.size(), 2, Wait);
        QVERIFY(m_boxes.constLast().startsWith(QStringLiteral("Settings save -> fail")));
        QVERIFY(rig.window->isVisible());
    }
}

void TestMainWindow::firstRunOffersTheDemo()
{
    Rig rig({}, true);
    QVERIFY(rig.shown("firstRunPanel"));
    rig.find<QPushButton>("demoButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), Wait);
    QVERIFY(!rig.shown("firstRunPanel"));
    QCOMPARE(rig.find<QComboBox>("transportCombo")->currentData().toString(), TransportManager::DemoId);
}

void TestMainWindow::changeLoggedAsShown()
{
    Rig rig(SimFixture::DemoProfile);
    QVERIFY(rig.loaded());
    const QList<VarWidget*> rows = rig.window->findChildren<VarWidget*>();
    const auto visibility = std::find_if(rows.cbegin(), rows.cend(), [](const VarWidget* row) {
        return row->deviceId() == 17005; // a select of the Bluetooth page
    });
    QVERIFY(visibility != rows.cend());
    auto* combo = (*visibility)->editor()->findChild<QComboBox*>();
    combo->setCurrentIndex(2);
    Q_EMIT combo->activated(2);
    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("var 17005 changed: Видимість = Завжди")), Wait);
}

void TestMainWindow::lossCancelsCommand()
{
    Rig rig(SimFixture::DemoProfile);
    QVERIFY(rig.loaded());
    rig.find<QTabWidget>("tabWidget")->setCurrentIndex(1);
    rig.device->setCommandsHang(true);
    QPushButton* button = rig.find<QPushButton>("btnLogExport");
    const QString caption = button->text();
    rig.find<QPushButton>("bMotorStart")->click();
    button->click();
    QTRY_COMPARE_WITH_TIMEOUT(rig.device->variable(SimServiceCommands::VarCommandState)->value, QByteArray("WAIT"),
                              Wait);
    QVERIFY(rig.commandsEnabled(false));
    rig.device->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(rig.commandsEnabled(true), Wait);
    QCOMPARE(button->text(), caption); // cut short: no outcome shown
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
