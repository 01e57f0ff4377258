#include <QtTest>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "link/DeviceProtocol.h"
#include "platform/Catalogue.h"
#include "sim/SimDevice.h"
#include "sim/SimFileSystem.h"
#include "sim/SimLink.h"
#include "sim/SimServiceCommands.h"
#include "ui/FileChooser.h"
#include "ui/LineVarEditor.h"
#include "ui/MainWindow.h"
#include "ui/ModalBox.h"
#include "ui/NavPanel.h"
#include "ui/PreferencesDialog.h"
#include "ui/PlotView.h"
#include "ui/PlotWindow.h"
#include "ui/SnapshotActions.h"
#include "ui/SnapshotCompareDialog.h"
#include "ui/SpinVarEditor.h"
#include "ui/VarEditor.h"
#include "ui/VarWidget.h"
#include "ui/VarsTab.h"
#include "update/UpdateChecker.h"
#include "vars/PlotModel.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"
#include "vars/VarsUI.h"
#include "worker/DeviceStack.h"
#include "worker/DeviceThread.h"

namespace {

constexpr int Wait = 5000;
// Nothing else the window shows could contain it, so finding it in the log would mean a leak.
const QByteArray Pin = QByteArrayLiteral("k7Qz");

const char* const CommandButtons[] = {"btStat0", "btStat1", "btStat3", "btHorn", "bMotorStart", "bMotorStop"};

struct RigOptions
{
    bool pageList = false; // the load list is the one the pages make
    bool asDemo = false;   // the device is only offered as the demo transport; the window starts without one
    int fsGiveUpMs = MainWindowTiming().fsGiveUpMs;
};

// Counts a signal the worker thread emits, on this thread, where the test reads the count (a QSignalSpy
// would record it on the worker).
class Arrivals : public QObject
{
public:
    template <typename Sender, typename Signal> Arrivals(const Sender* sender, Signal signal)
    {
        connect(
            sender, signal, this, [this] { ++m_count; }, Qt::QueuedConnection);
    }
    int size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }

private:
    int m_count = 0;
};

// The real window on the stand-in device through the real worker.
// Every text a widget shows: its captions, items, tab texts, tool tips and the texts of its actions.
QStringList shownTexts(const QWidget* w)
{
    QStringList texts = {w->toolTip(), w->windowTitle()};
    if (const auto* label = qobject_cast<const QLabel*>(w))
        texts << label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        texts << button->text();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        texts << edit->text() << edit->placeholderText();
    else if (const auto* group = qobject_cast<const QGroupBox*>(w))
        texts << group->title();
    else if (const auto* log = qobject_cast<const QPlainTextEdit*>(w))
        texts << log->toPlainText();
    else if (const auto* spin = qobject_cast<const QSpinBox*>(w))
        texts << spin->prefix() << spin->suffix();
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i) << combo->itemData(i, Qt::ToolTipRole).toString();
    }
    if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
        for (int i = 0; i < bar->count(); ++i)
            texts << bar->tabText(i) << bar->tabToolTip(i);
    }
    if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (const QTableWidgetItem* header = table->horizontalHeaderItem(c))
                texts << header->text();
            for (int r = 0; r < table->rowCount(); ++r) {
                if (const QTableWidgetItem* item = table->item(r, c))
                    texts << item->text() << item->toolTip();
            }
        }
    }
    for (const QAction* action : w->actions())
        texts << action->text() << action->toolTip();
    return texts;
}

// Shows every tab of the window in turn, so that whatever a page builds when first shown is there, and
// hands each state to look.
void showEveryPage(QWidget& window, const std::function<void()>& look)
{
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        look();
    }
}

struct Rig
{
    // profile: the device's variables, all of them loaded; empty: the General tab's texts and setting 100.
    explicit Rig(const QString& profile = {}, const RigOptions& opts = {})
    {
        if (!profile.isEmpty()) {
            device = SimFixture::deviceWithProfile(profile, clock);
        } else {
            device->setModel(QStringLiteral("Orvo X7"));
            const std::pair<uint16_t, const char*> texts[] = {{65503, "Orvo X7"}, {65504, "<b>BL 3</b>"},
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
        const QString id = opts.asDemo ? TransportManager::DemoId : QStringLiteral("sim");
        stack->addTransport(id, QStringLiteral("Sim"), std::make_unique<SimLink>(device));
        if (!opts.asDemo)
            stack->transports().select(id);
        MainWindowTiming timing;
        timing.lockTickMs = 3600 * 1000; // the test ticks the countdown itself
        timing.fsRetryMs = timing.saveStatusMs = 20;
        timing.statusTabMs = 50;
        timing.fsGiveUpMs = opts.fsGiveUpMs;
        window = std::make_unique<MainWindow>(*stack, timing);
        // The page views put the settings they show on the load list; 100 stands for them.
        if (!opts.pageList)
            stack->worker().setLoadList(profile.isEmpty()
                                            ? QList<uint16_t>{1, 100, 20000, 40002, 64999, 65503, 65504, 65505, 65507}
                                            : device->variableIds());
        window->show();
        window->connectDevice();
        authUpdates = std::make_unique<Arrivals>(&stack->protocol(), &DeviceProtocol::uiAuthUpdate1);
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

    // Loaded, with a changed flash setting waiting to be saved; the device's save ends with deviceError.
    bool unsavedWithSaveError(int deviceError) const
    {
        device->setSaveError(uint8_t(deviceError));
        if (!loaded())
            return false;
        changeFlashSetting();
        return QTest::qWaitFor([this] { return enabled("btnSave"); }, Wait);
    }

    // The first page that has at least count rows the predicate accepts, with those rows; the page shown.
    QList<VarWidget*> rowsOnOnePage(const std::function<bool(VarWidget*)>& accepts, int count) const
    {
        auto* tabs = find<QTabWidget>("tabWidget");
        for (VarsTab* page : window->findChildren<VarsTab*>()) {
            page->ensureRows();
            QList<VarWidget*> rows;
            for (VarWidget* row : page->findChildren<VarWidget*>()) {
                if (rows.size() < count && accepts(row))
                    rows << row;
            }
            if (rows.size() == count) {
                tabs->setCurrentWidget(page);
                return rows;
            }
        }
        return {};
    }
    bool onDevice(const VarWidget* row) const { return device->variable(uint16_t(row->deviceId())).has_value(); }

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::shared_ptr<SimDevice> device = std::make_shared<SimDevice>(clock);
    std::unique_ptr<DeviceStack> stack;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<Arrivals> authUpdates;
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
    void filesNeverReady();
    void losingTheDevice_data();
    void losingTheDevice();
    void deviceClock();
    void saveToFlash_data();
    void saveToFlash();
    void flashFigures_data();
    void flashFigures();
    void fileSystemFigures();
    void transferAndUnsavedHoldTheClose();
    void closeWithSave_data();
    void closeWithSave();
    void firstRunOffersTheDemo();
    void changeLoggedAsShown();
    void lossCancelsCommand();
    void commandsWithoutDevice();
    void askedFirst_data();
    void askedFirst();
    void saveAfterIncompleteLoadAsks();
    void settingsFileAsTheDevice();
    void compareShowsWhatThePagesShow();
    void settingsTheDeviceLacks();
    void revertUnsavedChanges();
    void englishThroughout();
    void fileMenuKeys();
    void preferencesSurviveARestart_data();
    void preferencesSurviveARestart();
    void pageBuiltWhenFirstShown();
    void plotKeepsItsRowPolled();

private:
    QStringList m_boxes;    // their texts
    QStringList m_defaults; // their default buttons
    QString m_answer;       // the button the next boxes are answered with; empty: the default button
    QTemporaryDir m_dir;
    QString m_chosen; // every file dialog's answer
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // the settings of these windows stay apart from the user's
    QCoreApplication::setOrganizationName(QStringLiteral("Orvo SOFT test"));
    QCoreApplication::setApplicationName(QStringLiteral("TestMainWindow"));
    QApplication::setQuitOnLastWindowClosed(false); // a test closes the window
    ModalBox::setChooser([this](QMessageBox& box) -> QAbstractButton* {
        m_boxes << box.text();
        m_defaults << (box.defaultButton() ? box.defaultButton()->text() : QString());
        for (QAbstractButton* button : box.buttons()) {
            if (button->text().remove(QLatin1Char('&')) == m_answer)
                return button;
        }
        return box.defaultButton() ? box.defaultButton() : box.buttons().value(0);
    });
    FileChooser::setChooser([this](FileChooser::Mode, const QString&, const QString&) { return m_chosen; });
}

void TestMainWindow::init()
{
    m_boxes.clear();
    m_defaults.clear();
    m_answer.clear();
    m_chosen = m_dir.filePath(QStringLiteral("car.kset"));
    QFile::remove(m_chosen);
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
    // A device text that looks like markup shows as it is.
    QCOMPARE(rig.text("lBootloaderV"), QStringLiteral("<b>BL 3</b>"));
    QCOMPARE(rig.find<QLabel>("lBootloaderV")->textFormat(), Qt::PlainText);
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

void TestMainWindow::filesNeverReady()
{
    Rig rig({}, {.fsGiveUpMs = 300});
    rig.device->files().setRefusesStats(true);
    QVERIFY(rig.loaded()); // once the window stopped waiting for the files
    QVERIFY(!rig.shown("loadingOverlay"));
    QVERIFY(rig.tabsEnabled());
    QCOMPARE(rig.text("label_general_alert"), QStringLiteral("File system not ready: device files unavailable"));
    auto* tabs = rig.find<QTabWidget>("tabWidget");
    const int files = tabs->indexOf(rig.find("tabFiles"));
    QVERIFY(!tabs->isTabEnabled(files));

    rig.device->files().setRefusesStats(false);
    QTRY_VERIFY_WITH_TIMEOUT(tabs->isTabEnabled(files), Wait);
    QCOMPARE(rig.text("label_general_alert"), QString());
}

void TestMainWindow::losingTheDevice_data()
{
    QTest::addColumn<bool>("loaded"); // false: while the file system starts
    QTest::addColumn<bool>("atSaveRead"); // the device goes while the state of its save is read after loading
    QTest::newRow("unplugged, variables loaded") << true << false;
    QTest::newRow("unplugged while the save state is read") << true << true;
    QTest::newRow("unplugged while the file system starts") << false << false;
}

void TestMainWindow::losingTheDevice()
{
    QFETCH(bool, loaded);
    QFETCH(bool, atSaveRead);
    Rig rig(loaded ? SimFixture::DemoProfile : QString());
    if (atSaveRead) {
        auto* link = static_cast<SimLink*>(rig.stack->transports().find(QStringLiteral("sim")));
        link->setRequestObserver([device = rig.device.get()](uint8_t cmd, const QByteArray& payload) {
            if (cmd == Cmd::VAR_SAVE && payload.startsWith('\0'))
                device->unplug();
        });
    }
    QVERIFY(loaded ? rig.loaded() : rig.slowFileSystem());
    rig.device->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.connected(), Wait);

    // Loaded values stay on view, read only.
    QCOMPARE(rig.shown("lostBadge"), loaded);
    QCOMPARE(rig.tabsEnabled(), loaded);
    QVERIFY(!rig.shown("loadingOverlay"));
    QVERIFY(!rig.enabled("gPin1"));
    if (loaded) {
        // An edit there is not sent, and the user is told so.
        const QList<VarWidget*> rows = rig.rowsOnOnePage(
            [&rig](VarWidget* row) {
                const auto v = rig.device->variable(uint16_t(row->deviceId()));
                return qobject_cast<LineVarEditor*>(row->editor()) && v && v->type == 'U' &&
                       !(v->flags & VarFlag::ReadOnly) && qFromLittleEndian<uint32_t>(v->value.constData()) != 5;
            },
            1);
        QCOMPARE(rows.size(), 1);
        QLineEdit* field = static_cast<LineVarEditor*>(rows[0]->editor())->lineEdit();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("5"));
        QTest::keyClick(field, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_boxes, QStringList("The connection is lost: the values are read only. The change was not sent."), Wait);
    }

    rig.device->plug();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected() && rig.enabled("gPin1"), Wait);
    QVERIFY(!rig.shown("lostBadge"));
}

void TestMainWindow::deviceClock()
{
    Rig rig;
    QVERIFY(rig.loaded());
    auto* sync = rig.find<QPushButton>("bDateSync");
    sync->click();
    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("Device clock set to")), Wait);
    QVERIFY(rig.device->clockValue() != 0);

    // The log never claims a clock the device kept.
    rig.device->setClockRefusal(5);
    sync->click();
    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("The device refused to set its clock (Access denied)")), Wait);
    QCOMPARE(rig.find<QPlainTextEdit>("teLog")->toPlainText().count(QStringLiteral("Device clock set to")), 1);
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
    QVERIFY(rig.unsavedWithSaveError(deviceError));

    Arrivals polls(&rig.stack->worker(), &DeviceThread::uiVarsStatus);
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

void TestMainWindow::flashFigures_data()
{
    QTest::addColumn<uint32_t>("sectors");
    QTest::addColumn<uint32_t>("sectorSize");
    QTest::addColumn<uint32_t>("free");
    QTest::addColumn<int>("efsStatus");
    QTest::addColumn<QStringList>("shown"); // total, used, free, state
    QTest::newRow("beyond 32 bits") << 1000000u << 65536u << 0u << 0
                                    << QStringList{"62500.0 MB", "62500.0 MB", "0.0 KB", "ready"};
    // Below a megabyte in kilobytes, as the upload check quotes the free space.
    QTest::newRow("small flash") << 16u << 4096u << 10u << 1 << QStringList{"64 KB", "24 KB", "40 KB", "ready"};
    QTest::newRow("more free than there is")
        << 16u << 4096u << 32u << 255 << QStringList{"64 KB", "0.0 KB", "128 KB", "not reported"};
    QTest::newRow("starting") << 256u << 4096u << 128u << 2
                              << QStringList{"1.0 MB", "512 KB", "512 KB", "starting (2)"};
    QTest::newRow("read-only") << 512u << 4096u << 0u << 253 << QStringList{"2.0 MB", "2.0 MB", "0.0 KB", "read-only"};
}

void TestMainWindow::flashFigures()
{
    QFETCH(uint32_t, sectors);
    QFETCH(uint32_t, sectorSize);
    QFETCH(uint32_t, free);
    QFETCH(int, efsStatus);
    QFETCH(QStringList, shown);
    Rig rig;
    rig.window->slotFlashStatus(sectors, sectorSize, free, 0, uint8_t(efsStatus));
    QCOMPARE((QStringList{rig.text("lStatusFlashTotal"), rig.text("lStatusFlashUsed"), rig.text("lStatusFlashFree"),
                          rig.text("lStatusFlashEfsStatus")}),
             shown);
}

void TestMainWindow::fileSystemFigures()
{
    Rig rig;
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
    Arrivals changes(&rig.stack->protocol(), &DeviceProtocol::uiOnVarsChangedPC);
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
    QVERIFY(rig.unsavedWithSaveError(deviceError));
    Arrivals polls(&rig.stack->worker(), &DeviceThread::uiVarsStatus);
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
    Rig rig({}, {.asDemo = true});
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
    // A select of the Bluetooth page.
    const QList<VarWidget*> rows = rig.rowsOnOnePage([](VarWidget* row) { return row->deviceId() == 17005; }, 1);
    QCOMPARE(rows.size(), 1);
    auto* combo = rows[0]->editor()->findChild<QComboBox*>();
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
    m_answer = rig.find<QPushButton>("bMotorStart")->text().remove(QLatin1Char('&'));
    rig.find<QPushButton>("bMotorStart")->click();
    button->click();
    // Both commands have reached the device and wait for their outcome when the cable goes. (An export command
    // still on its way fails with the link instead, and says so.)
    const QByteArray exportStarted = QByteArray::fromHex("04000000");
    QTRY_VERIFY_WITH_TIMEOUT(rig.device->variable(SimServiceCommands::VarCommandState)->value == "WAIT" &&
                                 rig.device->variable(SimServiceCommands::VarLogExport)->value == exportStarted,
                             Wait);
    QVERIFY(rig.commandsEnabled(false));
    rig.device->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(rig.commandsEnabled(true), Wait);
    QCOMPARE(button->text(), caption); // cut short: no outcome shown
}

void TestMainWindow::commandsWithoutDevice()
{
    Rig rig;
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), Wait);
    rig.device->unplug();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.connected(), Wait);
    // The writes fail at once: the buttons must not stay locked.
    rig.find<QPushButton>("btStat0")->click();
    QVERIFY(rig.commandsEnabled(true));
    QVERIFY(rig.text("l_stat_status").endsWith(QStringLiteral("failed (-4)")));
    QPushButton* exportButton = rig.find<QPushButton>("btnLogExport");
    exportButton->click();
    QVERIFY(exportButton->isEnabled());
    QCOMPARE(exportButton->text(), QStringLiteral("Export - failed"));
}

void TestMainWindow::askedFirst_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("engine start") << "bMotorStart";
    QTest::newRow("restart") << "bRestartOrvo";
}

void TestMainWindow::askedFirst()
{
    QFETCH(QString, button);
    Rig rig(SimFixture::DemoProfile);
    QVERIFY(rig.loaded());
    const auto sent = [&rig] {
        // Whatever the click posted to the worker has run once a later job has.
        std::atomic<bool> drained = false;
        rig.stack->worker().post([&drained] { drained = true; }, [&drained] { drained = true; });
        if (!QTest::qWaitFor([&drained] { return drained.load(); }, Wait))
            qFatal("the worker did not run a job");
        return rig.device->variable(SimServiceCommands::VarCommand)->value == "ZAPUSK" || rig.device->restarts() > 0;
    };
    QPushButton* action = rig.find<QPushButton>(qPrintable(button));
    action->click();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_defaults.constFirst(), QStringLiteral("Cancel"));
    QVERIFY(!sent());

    m_answer = action->text().remove(QLatin1Char('&'));
    action->click();
    QVERIFY(sent());
}

void TestMainWindow::saveAfterIncompleteLoadAsks()
{
    Rig rig;
    auto* save = rig.window->findChild<QAction*>(QStringLiteral("actionSaveSettingsFile"));
    // The serial number never answers, whatever the load tries; it is the last id it asks for.
    auto* link = static_cast<SimLink*>(rig.stack->transports().find(QStringLiteral("sim")));
    link->setRequestObserver([link](uint8_t cmd, const QByteArray& payload) {
        if (cmd == Cmd::VAR_GET && payload.startsWith(QByteArray::fromHex("e3ff")))
            link->dropRepliesNext(1);
    });
    QVERIFY(!save->isEnabled());
    QVERIFY(rig.loaded());
    QTRY_VERIFY_WITH_TIMEOUT(save->isEnabled(), Wait);

    m_answer = QStringLiteral("No");
    save->trigger();
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes.constFirst().contains(QLatin1String("did not answer for 1 variable(s) while loading: 65507.")),
             qPrintable(m_boxes.constFirst()));
    QVERIFY(!QFile::exists(m_chosen));
    m_answer = QStringLiteral("Yes");
    save->trigger();
    QVERIFY(QFile::exists(m_chosen));
}

void TestMainWindow::settingsFileAsTheDevice()
{
    Rig rig;
    QVERIFY(rig.loaded());
    auto* snapshots = rig.window->findChild<SnapshotActions*>();
    snapshots->saveToFile();
    QVERIFY(m_boxes.isEmpty()); // a whole load asks nothing
    Arrivals loaded(&rig.stack->protocol(), &DeviceProtocol::uiVarsLoadEnd);
    snapshots->openFile();
    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("Opened settings file car.kset")), Wait);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), Wait); // no PIN asked
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("lFirmwareV"), QStringLiteral("154"), Wait);
    QCOMPARE(rig.find<QPlainTextEdit>("teLog")->toPlainText().count(QStringLiteral("Connected:")), 1); // the car only
    QVERIFY(rig.shown("offlineBadge"));

    for (const char* page : {"tabFiles", "tabStatus"}) {
        QVERIFY(!rig.enabled(page));
        const auto* notice = rig.find(page)->findChild<QLabel*>(QStringLiteral("fileNotice"));
        QVERIFY(notice->isVisibleTo(rig.find(page)));
        QCOMPARE(notice->text(), QStringLiteral("Not available for a settings file"));
    }
    QVERIFY(!rig.find("bRestartOrvo")->isEnabled() && !rig.find("bDateSync")->isEnabled());
    QVERIFY(rig.commandsEnabled(false));

    rig.changeFlashSetting();
    QTRY_VERIFY_WITH_TIMEOUT(rig.enabled("btnSave"), Wait);
    rig.find<QPushButton>("btnSave")->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes, QStringList{QStringLiteral("Settings written to car.kset")}, Wait);
    const std::optional<SettingsFile> file = SettingsFile::read(m_chosen);
    const auto setting =
        std::find_if(file->entries.cbegin(), file->entries.cend(), [](auto& e) { return e.id == 100; });
    QCOMPARE(setting->value, QByteArray("\x07\0\0\0", 4));
    QCOMPARE(rig.device->variable(100)->value, QByteArray(4, '\0')); // the car was never touched

    rig.stack->transports().select(QStringLiteral("sim"));
    QTRY_VERIFY_WITH_TIMEOUT(!rig.shown("offlineBadge") && rig.enabled("tabFiles") && rig.enabled("bRestartOrvo"),
                             Wait);
}

void TestMainWindow::compareShowsWhatThePagesShow()
{
    Rig rig(SimFixture::DemoProfile);
    QVERIFY(rig.loaded());
    // A drop-down and a check box that each show on one row only, set otherwise in the file.
    const VarsUI* pages = rig.window->findChild<VarsUI*>();
    QHash<int, int> rows;
    for (const VarUiInfoPtr& info : pages->infos())
        ++rows[info->deviceId()];
    SettingsFile file = SettingsSnapshot::capture(rig.stack->protocol().vars());
    VarUiInfoPtr select;
    VarUiInfoPtr check;
    VarUiInfo::Option chosen;
    for (const VarUiInfoPtr& info : pages->infos()) {
        const auto entry = std::find_if(file.entries.begin(), file.entries.end(),
                                        [&info](const auto& e) { return e.id == info->deviceId(); });
        if (rows.value(info->deviceId()) != 1 || info->readonly || entry == file.entries.end() ||
            !QByteArrayView("UBI").contains(entry->type))
            continue;
        const char now = entry->value.at(0);
        if (!select && info->kind == VarKind::Select) {
            for (const VarUiInfo::Option& option : info->options) {
                if (option.first != now && !select) {
                    select = info;
                    chosen = option;
                    entry->value = QByteArray(1, char(option.first)).leftJustified(4, '\0');
                }
            }
        } else if (!check && info->kind == VarKind::OnOff) {
            check = info;
            entry->value = QByteArray(1, now ? '\0' : '\1').leftJustified(4, '\0');
        }
    }
    QVERIFY(select && check);
    QVERIFY(file.write(m_chosen));
    SnapshotCompareDialog* dialog = rig.window->findChild<SnapshotActions*>()->compare();
    auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("differences"));
    QCOMPARE(table->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        const VarUiInfoPtr& info =
            table->item(row, SnapshotCompareDialog::IdColumn)->text().toInt() == select->deviceId() ? select : check;
        QCOMPARE(table->item(row, SnapshotCompareDialog::PageColumn)->text(), info->pageTitle);
        QCOMPARE(table->item(row, SnapshotCompareDialog::NameColumn)->text(), info->name);
        const QTableWidgetItem* inFile = table->item(row, SnapshotCompareDialog::FileColumn);
        if (info == select) {
            QCOMPARE(inFile->text(), chosen.second);
            QCOMPARE(inFile->toolTip(), QString::number(chosen.first)); // the stored value
        } else {
            QVERIFY(QStringList({QStringLiteral("on"), QStringLiteral("off")}).contains(inFile->text()));
            QVERIFY(inFile->text() != table->item(row, SnapshotCompareDialog::DeviceColumn)->text());
        }
    }
    dialog->close();
}

void TestMainWindow::settingsTheDeviceLacks()
{
    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    // A slider and a redirected setting on one page, both gone from this device.
    const QList<VarWidget*> rows = rig.rowsOnOnePage(
        [&rig](VarWidget* row) {
            return rig.onDevice(row) && (qobject_cast<SpinVarEditor*>(row->editor()) || row->redirSelector());
        },
        2);
    QVERIFY(rows.size() == 2 && rows[0]->deviceId() != rows[1]->deviceId());
    SettingsFile profile = rig.device->profile();
    QList<SettingsFile::Entry> removed;
    profile.entries.removeIf([&](const SettingsFile::Entry& entry) {
        const bool gone = entry.id == rows[0]->deviceId() || entry.id == rows[1]->deviceId();
        if (gone)
            removed << entry;
        return gone;
    });
    rig.device->loadProfile(profile);
    QVERIFY(rig.loaded());

    const auto* bar = rig.find<QLabel>("loadingOverlay")->findChild<QProgressBar*>();
    QVERIFY(bar->maximum() > 100);
    QCOMPARE(bar->value(), bar->maximum()); // refused ids count as answered
    QTRY_VERIFY_WITH_TIMEOUT(!rows[0]->isAvailable() && !rows[1]->isAvailable(), Wait);
    for (VarWidget* row : rows) {
        QVERIFY(!row->nameLabel()->isEnabled());
        QVERIFY(row->toolTip().startsWith(QStringLiteral("Not available on this device (id %1)").arg(row->deviceId())));
        QVERIFY(!row->editor() || !row->editor()->isEnabled());
        if (auto* spin = qobject_cast<SpinVarEditor*>(row->editor()))
            QVERIFY(spin->spinBox()->text().isEmpty());
        if (row->redirSelector())
            QVERIFY(!row->redirSelector()->isEnabled() && row->redirSelector()->currentIndex() == -1);
    }

    // The device gains them: the shown page's poll reads them and the rows become normal.
    for (const SettingsFile::Entry& entry : removed)
        rig.device->setVariable(entry);
    QTRY_VERIFY_WITH_TIMEOUT(rows[0]->isAvailable() && rows[1]->isAvailable(), Wait);
    for (VarWidget* row : rows) {
        QVERIFY(row->nameLabel()->isEnabled() && (!row->editor() || row->editor()->isEnabled()));
        QVERIFY(!row->toolTip().startsWith(QStringLiteral("Not available")));
        if (auto* spin = qobject_cast<SpinVarEditor*>(row->editor())) // the tooltip gives the range
            QVERIFY(row->toolTip().endsWith(
                QStringLiteral("Allowed: %1 to %2").arg(spin->spinBox()->minimum()).arg(spin->spinBox()->maximum())));
    }
}

void TestMainWindow::revertUnsavedChanges()
{
    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    QVERIFY(rig.loaded());
    const QList<VarWidget*> rows = rig.rowsOnOnePage(
        [&rig](VarWidget* row) {
            const auto v = rig.device->variable(uint16_t(row->deviceId()));
            return row->info().kind == VarKind::Unsigned && qobject_cast<LineVarEditor*>(row->editor()) && v &&
                   v->type == 'U' && (v->flags & VarFlag::Flash) && !(v->flags & VarFlag::ReadOnly);
        },
        2);
    QCOMPARE(rows.size(), 2);
    QList<QByteArray> loaded;
    for (VarWidget* row : rows) {
        const uint16_t id = uint16_t(row->deviceId());
        loaded << rig.device->variable(id)->value;
        QLineEdit* edit = static_cast<LineVarEditor*>(row->editor())->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(qFromLittleEndian<uint32_t>(loaded.last().constData()) + 1));
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(rig.device->variable(id)->value != loaded.last(), Wait);
        QTRY_VERIFY_WITH_TIMEOUT(row->nameLabel()->font().bold(), Wait);
    }
    // The device will not take the second one back (and no poll of the page tells the window before).
    auto* tabs = rig.find<QTabWidget>("tabWidget");
    QWidget* page = tabs->currentWidget();
    tabs->setCurrentIndex(0);
    SimVariables::Variable locked = *rig.device->variable(uint16_t(rows[1]->deviceId()));
    locked.flags |= VarFlag::ReadOnly;
    rig.device->setVariable(locked);

    auto* revert = rig.find<QAction>("actionRevertUnsaved");
    QVERIFY(revert->isEnabled());
    revert->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(m_boxes.size(), 1, Wait);
    const auto named = [](VarWidget* row) {
        return QStringLiteral("%1 (id %2)").arg(row->info().name.simplified()).arg(row->deviceId());
    };
    QCOMPARE(m_boxes[0], QStringLiteral("Reverted to the saved value:\n  %1\n\nNot reverted:\n  %2: the device "
                                        "refused it (Access denied)")
                             .arg(named(rows[0]), named(rows[1])));
    QCOMPARE(rig.device->variable(uint16_t(rows[0]->deviceId()))->value, loaded[0]);
    tabs->setCurrentWidget(page);
    QTRY_VERIFY_WITH_TIMEOUT(!rows[0]->nameLabel()->font().bold(), Wait);
    QVERIFY(rows[1]->nameLabel()->font().bold());

    // A save to flash makes what the device holds the saved state.
    rig.find<QPushButton>("btnSave")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.enabled("btnSave"), Wait);
    rig.clock->advance(1000);
    QTRY_VERIFY_WITH_TIMEOUT(m_boxes.contains(QStringLiteral("Settings saved in flash")), Wait);
    QTRY_VERIFY_WITH_TIMEOUT(!rows[1]->nameLabel()->font().bold(), Wait);
    QVERIFY(!revert->isEnabled());
}

void TestMainWindow::englishThroughout()
{
    Catalogue english;
    english.install(Catalogue::Language::English);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    QVERIFY(rig.loaded());

    // The device's own texts and file names may be Ukrainian; nothing else may.
    QStringList fromDevice;
    for (uint16_t id : rig.device->variableIds()) {
        const QByteArray value = rig.device->variable(id)->value;
        if (rig.device->variable(id)->type == 'T')
            fromDevice << QString::fromUtf8(value.constData()); // up to a 0 byte, as the device ends a text
    }
    for (const SimFileSystem::File& file : rig.device->files().files())
        fromDevice << QString::fromLatin1(file.name);
    fromDevice.removeAll(QString());
    // A longer text first, so that one holding a shorter one is taken out whole.
    std::sort(fromDevice.begin(), fromDevice.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QSet<QString> ukrainian;
    const auto look = [&](const QWidget* root) {
        QList<const QWidget*> widgets = {root};
        for (const QWidget* w : root->findChildren<QWidget*>())
            widgets << w;
        for (const QWidget* w : widgets) {
            for (QString text : shownTexts(w)) {
                for (const QString& value : std::as_const(fromDevice))
                    text.remove(value);
                if (text.contains(cyrillic))
                    ukrainian << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                                     w->objectName() + QStringLiteral(": ") + text;
            }
        }
    };
    showEveryPage(*rig.window, [&] { look(rig.window.get()); });

    // A search in English finds a row by its English name, on a page the bars did not show.
    VarWidget* row = nullptr;
    for (VarWidget* candidate : rig.window->findChildren<VarWidget*>()) {
        const QString name = candidate->info().name;
        if (!row && !name.contains(cyrillic) && !name.contains(QLatin1Char('\n')) && name.size() > 8 &&
            !candidate->isVisible())
            row = candidate;
    }
    QVERIFY(row);
    rig.window->findChild<NavPanel*>()->searchField()->setText(row->info().name);
    QTRY_VERIFY_WITH_TIMEOUT(row->isHighlighted() && row->isVisible(), NavPanel::SearchDelayMs * 3);

    QSettings settings;
    PreferencesDialog preferences(settings);
    look(&preferences);
    SettingsFile file = SettingsSnapshot::capture(rig.stack->protocol().vars());
    for (SettingsFile::Entry& entry : file.entries) {
        if (QByteArrayView("UB").contains(entry.type) && !entry.value.isEmpty())
            entry.value[0] = char(entry.value.at(0) ^ 1);
    }
    QVERIFY(file.write(m_chosen));
    SnapshotCompareDialog* compare = rig.window->findChild<SnapshotActions*>()->compare();
    QVERIFY(compare->findChild<QTableWidget*>(QStringLiteral("differences"))->rowCount() > 0);
    look(compare);
    compare->close();
    for (const QString& box : std::as_const(m_boxes)) {
        if (box.contains(cyrillic))
            ukrainian << QStringLiteral("message box: ") + box;
    }

    QStringList found = ukrainian.values();
    found.sort();
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 Ukrainian texts in English mode, the first: %2")
                                             .arg(found.size())
                                             .arg(found.mid(0, 20).join(QStringLiteral(" | ")))));
}

void TestMainWindow::fileMenuKeys()
{
    Rig rig;
    const std::pair<const char*, QKeySequence> keys[] = {
        {"actionSaveVars", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actionReloadVars", QKeySequence(Qt::Key_F5)},
        {"actionOpenSettingsFile", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actionSaveSettingsFile", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"actionExit", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [name, key] : keys)
        QVERIFY2(rig.find<QAction>(name)->shortcut() == key, name);
    QVERIFY(!rig.find<QAction>("actionPreferences")->shortcut().isEmpty());

    // Reloading shows what the device holds now, changed there since the load.
    QVERIFY(rig.loaded());
    QVERIFY(rig.device->setVariableValue(65505, QByteArray("155")));
    QVERIFY(rig.find<QAction>("actionReloadVars")->isEnabled());
    rig.find<QAction>("actionReloadVars")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("lFirmwareV"), QStringLiteral("155"), Wait);
}

void TestMainWindow::preferencesSurviveARestart_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("checkAtStart");
    QTest::addColumn<bool>("checks");
    QTest::newRow("no address") << QString() << true << false;
    QTest::newRow("switched off") << QStringLiteral("http://127.0.0.1:9") << false << false;
    QTest::newRow("address and switch") << QStringLiteral("http://127.0.0.1:9/") << true << true;
}

void TestMainWindow::preferencesSurviveARestart()
{
    QFETCH(QString, address);
    QFETCH(bool, checkAtStart);
    QFETCH(bool, checks);
    QSettings().clear();
    {
        QSettings settings;
        PreferencesDialog dialog(settings);
        auto* checkSwitch = dialog.findChild<QCheckBox*>(QStringLiteral("checkAtStart"));
        dialog.findChild<QLineEdit*>(QStringLiteral("updateBase"))->setText(address);
        QCOMPARE(checkSwitch->isEnabled(), !address.isEmpty()); // nothing to check without an address
        checkSwitch->setChecked(checkAtStart);
        auto* language = dialog.findChild<QComboBox*>(QStringLiteral("language"));
        language->setCurrentIndex(language->findData(int(Catalogue::Language::English)));
        dialog.findChild<QLineEdit*>(QStringLiteral("last_download_path"))->setText(m_dir.path());
        dialog.accept();
    }

    // A new start reads them back: the next catalogue, the dialog and the window's update check.
    QSettings settings;
    QCOMPARE(Catalogue::chosen({}, settings), Catalogue::Language::English);
    PreferencesDialog dialog(settings);
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("updateBase"))->text(), address);
    QCOMPARE(dialog.findChild<QCheckBox*>(QStringLiteral("checkAtStart"))->isChecked(), checks);
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("last_download_path"))->text(), m_dir.path());
    Rig rig;
    QCOMPARE(!rig.window->findChild<UpdateChecker*>()->baseUrl().isEmpty(), checks);
    QSettings().clear();
}

void TestMainWindow::pageBuiltWhenFirstShown()
{
    std::atomic<int> sets = 0; // VAR_SET requests for the chosen variable, counted on the worker
    std::atomic<int> watched = 0;
    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    auto* link = static_cast<SimLink*>(rig.stack->transports().find(QStringLiteral("sim")));
    link->setRequestObserver([&sets, &watched](uint8_t cmd, const QByteArray& payload) {
        if (cmd == Cmd::VAR_SET && payload.size() >= 2 && qFromLittleEndian<uint16_t>(payload.constData()) == watched)
            ++sets;
    });
    QVERIFY(rig.loaded());

    // A writable number with a value other than the editor's default, on a page nobody has opened yet.
    VarUiInfoPtr chosen;
    for (const VarUiInfoPtr& info : rig.window->findChild<VarsUI*>()->infos()) {
        const auto v = rig.device->variable(uint16_t(info->deviceId()));
        if (!chosen && info->kind == VarKind::Unsigned && !info->readonly && !info->noUitype && info->redir.isEmpty() &&
            v && v->type == 'U' && !(v->flags & VarFlag::ReadOnly) && qFromLittleEndian<uint32_t>(v->value.constData()))
            chosen = info;
    }
    QVERIFY(chosen);
    VarsTab* page = nullptr;
    for (VarsTab* view : rig.window->findChildren<VarsTab*>()) {
        if (view->title() == chosen->pageTitle)
            page = view;
    }
    QVERIFY(page && page->rows().isEmpty());

    rig.find<QTabWidget>("tabWidget")->setCurrentWidget(page);
    const auto row = std::find_if(page->rows().cbegin(), page->rows().cend(),
                                  [&chosen](const VarWidget* r) { return &r->info() == chosen.get(); });
    QVERIFY(row != page->rows().cend());
    QLineEdit* edit = static_cast<LineVarEditor*>((*row)->editor())->lineEdit();
    const uint16_t id = uint16_t(chosen->deviceId());
    const QByteArray loaded = rig.device->variable(id)->value;
    QCOMPARE(edit->text(), QString::number(qFromLittleEndian<uint32_t>(loaded.constData())));

    watched = id;
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(qFromLittleEndian<uint32_t>(loaded.constData()) + 1));
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(rig.device->variable(id)->value != loaded, Wait);
    // A second write would be queued before this job.
    std::atomic<bool> drained = false;
    rig.stack->worker().post([&drained] { drained = true; }, [&drained] { drained = true; });
    QTRY_VERIFY_WITH_TIMEOUT(drained.load(), Wait);
    QCOMPARE(sets.load(), 1);
    link->setRequestObserver({});

    // The page's rows joined the registry: its poll and refreshes reach them.
    const uint32_t later = qFromLittleEndian<uint32_t>(loaded.constData()) + 2;
    SimVariables::Variable changed = *rig.device->variable(id);
    qToLittleEndian(later, changed.value.data());
    rig.device->setVariable(changed);
    QTRY_COMPARE_WITH_TIMEOUT(edit->text(), QString::number(later), Wait);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

void TestMainWindow::plotKeepsItsRowPolled()
{
    Rig rig(SimFixture::DemoProfile);
    auto* link = static_cast<SimLink*>(rig.stack->transports().find(QStringLiteral("sim")));
    std::atomic<int> supplyReads{0};
    std::atomic<int> reads{0};
    link->setRequestObserver([&](uint8_t cmd, const QByteArray& payload) {
        if (cmd != Cmd::VAR_GET)
            return;
        ++reads;
        if (payload.startsWith(QByteArray::fromHex("4a9c"))) // 40010, the supply voltage
            ++supplyReads;
    });
    QVERIFY(rig.loaded());
    const QList<VarWidget*> rows = rig.rowsOnOnePage([](VarWidget* row) { return row->deviceId() == 40010; }, 1);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first()->contextMenuPolicy(), Qt::ActionsContextMenu);
    rows.first()->actions().first()->trigger();
    auto* plot = rig.find<PlotWindow>("plotWindow");
    QVERIFY(plot->isVisible());
    // The Diagnostics page's panel shows it plotted, and plots another row when it is ticked.
    QList<QCheckBox*> boxes = rig.find<QGroupBox>("plotPanel")->findChildren<QCheckBox*>();
    QCOMPARE(std::count_if(boxes.cbegin(), boxes.cend(), [](const QCheckBox* box) { return box->isChecked(); }), 1);
    const auto unticked =
        std::find_if(boxes.cbegin(), boxes.cend(), [](const QCheckBox* b) { return !b->isChecked(); });
    QVERIFY(unticked != boxes.cend());
    (*unticked)->click();
    QCOMPARE(plot->model().series().size(), 2);
    (*unticked)->click();
    QCOMPARE(plot->model().series().size(), 1);

    // Another page: its rows are polled, and so is the plotted one.
    auto* tabs = rig.find<QTabWidget>("tabWidget");
    const QList<VarsTab*> pages = rig.window->findChildren<VarsTab*>();
    const auto other = std::find_if(pages.cbegin(), pages.cend(), [](const VarsTab* page) {
        const QList<VarWidget*> its = page->findChildren<VarWidget*>();
        return !its.isEmpty() &&
               std::none_of(its.cbegin(), its.cend(), [](const VarWidget* row) { return row->deviceId() == 40010; });
    });
    QVERIFY(other != pages.cend());
    tabs->setCurrentWidget(*other);
    const int hiddenFrom = supplyReads;
    QTRY_VERIFY_WITH_TIMEOUT(supplyReads > hiddenFrom + 5, Wait);
    QTRY_VERIFY_WITH_TIMEOUT(plot->model().series().value(0).points.size() > 5, Wait);
    const QString picture = m_dir.filePath(QStringLiteral("plot.png"));
    QVERIFY(plot->view().exportTo(picture));
    QVERIFY(!QImage(picture).isNull());

    // Closed, it no longer is; the page's own rows still are (a pass under way may finish its read).
    plot->close();
    const int closedAt = supplyReads;
    const int readsAt = reads;
    QTRY_VERIFY_WITH_TIMEOUT(reads > readsAt + 20, Wait);
    QVERIFY(supplyReads <= closedAt + 1);
    QVERIFY(plot->model().series().isEmpty());
}
