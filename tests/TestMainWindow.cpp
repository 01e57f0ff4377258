#include <QtTest>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QHeaderView>
#include <QScrollBar>

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
#include "ui/LineDialog.h"
#include "ui/LineVarEditor.h"
#include "ui/MainWindow.h"
#include "ui/ModalBox.h"
#include "ui/NavPanel.h"
#include "ui/PlotView.h"
#include "ui/PlotWindow.h"
#include "ui/PreferencesDialog.h"
#include "ui/SnapshotActions.h"
#include "ui/SnapshotCompareDialog.h"
#include "ui/SpinVarEditor.h"
#include "ui/TransferDialog.h"
#include "ui/VarEditor.h"
#include "ui/VarWidget.h"
#include "ui/VarsTab.h"
#include "update/UpdateChecker.h"
#include "vars/PlotModel.h"
#include "vars/SettingsFileLink.h"
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
    void fitsSmallScreens_data();
    void fitsSmallScreens();
    void revertOfEverythingLeavesNothingUnsaved();
    void settingsFileLeftWithEdits_data();
    void settingsFileLeftWithEdits();
    void commandsAreNoSettingChanges_data();
    void commandsAreNoSettingChanges();
    void fileKeysOnlyOnTheFilesTab_data();
    void fileKeysOnlyOnTheFilesTab();
    void helpAbout();
    void everyControlNamed();
    void keyboardReachesAndReturns();
    void stateChangesAnnounced();
    void copySettingsToNextControllers();

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
    QTest::addColumn<bool>("loaded");     // false: while the file system starts
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

void TestMainWindow::fitsSmallScreens_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("plotDocked");
    QTest::addColumn<QSize>("size"); // a screen less its task bar, and the smallest window
    QTest::newRow("800 x 600, Ukrainian") << false << false << QSize(800, 600);
    QTest::newRow("800 x 600, English") << true << false << QSize(800, 600);
    QTest::newRow("1280 x 680, Ukrainian, plot docked") << false << true << QSize(1280, 680);
    QTest::newRow("1280 x 680, English, plot docked") << true << true << QSize(1280, 680);
    QTest::newRow("1366 x 728, Ukrainian, plot docked") << false << true << QSize(1366, 728);
}

// Every control keeps the size it needs, and the sections stay in full view.
void TestMainWindow::fitsSmallScreens()
{
    QFETCH(bool, english);
    QFETCH(bool, plotDocked);
    QFETCH(QSize, size);
    Catalogue catalogue;
    catalogue.install(english ? Catalogue::Language::English : Catalogue::Language::Ukrainian);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    QVERIFY(rig.loaded());
    if (plotDocked)
        rig.find<PlotWindow>("plotWindow")->show();
    QCoreApplication::processEvents();
    const QSize least = rig.window->minimumSizeHint();
    QVERIFY2(least.height() <= 560 && least.width() <= size.width(),
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));

    rig.window->resize(size);
    QStringList crushed;
    const QTabBar* sections = rig.window->findChild<NavPanel*>()->sectionsBar();
    showEveryPage(*rig.window, [&] {
        QTest::qWait(20); // texts the page set as it appeared are laid out
        if (sections->width() < sections->sizeHint().width())
            crushed << QStringLiteral("sections: %1 of %2").arg(sections->width()).arg(sections->sizeHint().width());
        for (const QWidget* w : rig.window->findChildren<QWidget*>()) {
            // Qt's own parts (a tab bar's scroll arrows, a spin box's text) are sized by their owners.
            if (!w->isVisible() || w->objectName().startsWith(QLatin1String("qt_")) ||
                qobject_cast<const QTabBar*>(w->parentWidget()) ||
                !(qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
                  qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTabBar*>(w)))
                continue;
            const auto* label = qobject_cast<const QLabel*>(w);
            // A wrapping text only needs the height of its lines at the width it has.
            const QSize need =
                label && label->wordWrap() ? QSize(0, label->heightForWidth(w->width())) : w->minimumSizeHint();
            if (w->height() < need.height() || w->width() < need.width())
                crushed << QStringLiteral("%1 %2 (%3): %4 x %5 of %6 x %7")
                               .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                    shownTexts(w).join(QLatin1Char(' ')).simplified().left(30))
                               .arg(w->width())
                               .arg(w->height())
                               .arg(need.width())
                               .arg(need.height());
        }
    });
    crushed.removeDuplicates();
    QVERIFY2(crushed.isEmpty(), qPrintable(crushed.mid(0, 15).join(QStringLiteral(" | "))));
}

void TestMainWindow::revertOfEverythingLeavesNothingUnsaved()
{
    Rig rig;
    QVERIFY(rig.loaded());
    rig.changeFlashSetting();
    QTRY_VERIFY_WITH_TIMEOUT(rig.enabled("btnSave"), Wait);
    rig.find<QAction>("actionRevertUnsaved")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_boxes.isEmpty(), Wait);
    QVERIFY2(m_boxes.constFirst().startsWith(QLatin1String("Reverted to the saved value")), qPrintable(m_boxes[0]));
    QCOMPARE(rig.device->variable(100)->value, QByteArray(4, '\0'));
    QVERIFY(!rig.enabled("btnSave"));
    m_boxes.clear();
    QVERIFY(rig.window->close()); // nothing to warn about
    QVERIFY(m_boxes.isEmpty());
}

void TestMainWindow::settingsFileLeftWithEdits_data()
{
    QTest::addColumn<QString>("way");    // how the file is left
    QTest::addColumn<QString>("answer"); // to "Save changes to car.kset?"
    for (const char* way : {"another file", "back to the device", "transport selector", "closing"}) {
        for (const char* answer : {"Save", "Discard", "Cancel"})
            QTest::addRow("%s, %s", way, answer) << QString::fromLatin1(way) << QString::fromLatin1(answer);
    }
}

void TestMainWindow::settingsFileLeftWithEdits()
{
    QFETCH(QString, way);
    QFETCH(QString, answer);
    Rig rig;
    QVERIFY(rig.loaded());
    auto* snapshots = rig.window->findChild<SnapshotActions*>();
    snapshots->saveToFile();
    const QString other = m_dir.filePath(QStringLiteral("other.kset"));
    QFile::remove(other);
    QVERIFY(QFile::copy(m_chosen, other));
    Arrivals loaded(&rig.stack->protocol(), &DeviceProtocol::uiVarsLoadEnd);
    snapshots->openFile();
    QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("Opened settings file car.kset")), Wait);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), Wait);
    QTRY_COMPARE_WITH_TIMEOUT(rig.text("lFirmwareV"), QStringLiteral("154"), Wait);
    // The window says a file, not a car, is the device.
    const QString log = rig.find<QPlainTextEdit>("teLog")->toPlainText();
    QCOMPARE(log.count(QStringLiteral("Opened settings file car.kset")), 1);
    QCOMPARE(rig.text("pinBadge"), QStringLiteral("car.kset"));
    QCOMPARE(rig.find<QPushButton>("btnSave")->text(), QStringLiteral("Save to file"));
    QCOMPARE(rig.find<QAction>("actionSaveVars")->text(), QStringLiteral("Save to file"));
    auto* combo = rig.find<QComboBox>("transportCombo");
    QCOMPARE(combo->currentData().toString(), SettingsFileLink::TransportId);
    auto* back = rig.find<QAction>("actionBackToDevice");
    QVERIFY(back->isVisible());

    rig.changeFlashSetting();
    QTRY_VERIFY_WITH_TIMEOUT(rig.enabled("btnSave"), Wait);
    m_answer = answer;
    if (way == QLatin1String("another file")) {
        m_chosen = other;
        snapshots->openFile();
    } else if (way == QLatin1String("back to the device")) {
        back->trigger();
    } else if (way == QLatin1String("closing")) {
        QCOMPARE(rig.window->close(), answer != QLatin1String("Cancel"));
    } else {
        combo->setCurrentIndex(combo->findData(QStringLiteral("sim")));
    }
    QCOMPARE(m_boxes, QStringList{QStringLiteral("Save changes to car.kset?")});
    const auto setting = [](const QString& path) {
        const std::optional<SettingsFile> file = SettingsFile::read(path);
        const auto entry =
            std::find_if(file->entries.cbegin(), file->entries.cend(), [](auto& e) { return e.id == 100; });
        return entry->value;
    };
    const QString car = m_dir.filePath(QStringLiteral("car.kset"));
    QCOMPARE(setting(car), answer == QLatin1String("Save") ? QByteArray("\x07\0\0\0", 4) : QByteArray(4, '\0'));
    if (answer == QLatin1String("Cancel")) {
        QCOMPARE(combo->currentData().toString(), SettingsFileLink::TransportId);
        QVERIFY(snapshots->showsFile() && rig.enabled("btnSave"));
        return;
    }
    if (way == QLatin1String("closing"))
        return;
    if (way == QLatin1String("another file")) {
        QTRY_VERIFY_WITH_TIMEOUT(rig.logged(QStringLiteral("Opened settings file other.kset")), Wait);
        QTRY_COMPARE_WITH_TIMEOUT(rig.text("pinBadge"), QStringLiteral("other.kset"), Wait);
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!snapshots->showsFile() && !back->isVisible(), Wait);
    QCOMPARE(combo->currentData().toString(), QStringLiteral("sim"));
    QTRY_VERIFY_WITH_TIMEOUT(rig.awaitsPin(), Wait);
    QCOMPARE(rig.find<QPushButton>("btnSave")->text(), QStringLiteral("Save to device"));
    QVERIFY(rig.text("pinBadge").startsWith(QLatin1String("PIN")));
}

void TestMainWindow::commandsAreNoSettingChanges_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("logged");
    QTest::newRow("service command") << 40000 << false;
    QTest::newRow("state of the last command") << 40002 << false;
    QTest::newRow("log export") << 65532 << false;
    QTest::newRow("a setting") << 100 << true;
}

void TestMainWindow::commandsAreNoSettingChanges()
{
    QFETCH(int, id);
    QFETCH(bool, logged);
    Rig rig;
    QVERIFY(rig.loaded());
    rig.window->slotOnVarsChangedPC(uint16_t(id));
    QCOMPARE(rig.logged(QStringLiteral("var %1 changed").arg(id)), logged);
    QVERIFY(!rig.logged(QStringLiteral("on_bVarsSave_clicked")));
    rig.find<QPushButton>("btnSave")->setEnabled(true);
    rig.find<QPushButton>("btnSave")->click();
    QVERIFY(!rig.logged(QStringLiteral("on_bVarsSave_clicked")));
    QVERIFY(rig.logged(QStringLiteral("Saving the settings to the device's flash")));
}

void TestMainWindow::fileKeysOnlyOnTheFilesTab_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("caption");
    QTest::newRow("upload") << "uploadFile" << QKeySequence(Qt::Key_Insert) << "Upload new file";
    QTest::newRow("download") << "downloadFile" << QKeySequence(Qt::CTRL | Qt::Key_D) << "Download";
    QTest::newRow("rename") << "renameFile" << QKeySequence(Qt::Key_F2) << "Rename";
    QTest::newRow("delete") << "deleteFile" << QKeySequence(QKeySequence::Delete) << "Delete";
}

void TestMainWindow::fileKeysOnlyOnTheFilesTab()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, key);
    QFETCH(QString, caption);
    Rig rig;
    QVERIFY(rig.loaded());
    auto* files = rig.find("tabFiles");
    const QList<QAction*> actions = files->actions();
    const auto found = std::find_if(actions.cbegin(), actions.cend(),
                                    [&action](const QAction* a) { return a->objectName() == action; });
    QVERIFY(found != actions.cend());
    QAction* act = *found;
    QCOMPARE(act->shortcut(), key);
    QCOMPARE(act->shortcutContext(), Qt::WidgetWithChildrenShortcut);
    auto* button = files->findChild<QPushButton*>(action + QStringLiteral("Button"));
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->accessibleName(), caption);
    QVERIFY(button->focusPolicy() & Qt::TabFocus);

    // With a file chosen in the list, the key acts there, and nowhere else.
    auto* tabs = rig.find<QTabWidget>("tabWidget");
    tabs->setCurrentWidget(files);
    auto* table = rig.find<QTableWidget>("twFiles");
    QTRY_VERIFY_WITH_TIMEOUT(table->rowCount() > 0, Wait);
    table->selectRow(0);
    QVERIFY(button->isEnabled());
    QSignalSpy triggered(act, &QAction::triggered);
    QLineEdit* search = rig.window->findChild<NavPanel*>()->searchField();
    search->setFocus();
    QTest::keySequence(search, key);
    QCOMPARE(triggered.count(), 0);
    table->clearSelection();
    QCOMPARE(button->isEnabled(), action == QLatin1String("uploadFile"));
}

void TestMainWindow::helpAbout()
{
    Rig rig;
    auto* about = rig.find<QAction>("actionAbout");
    QVERIFY(about && rig.find<QMenu>("menuHelp")->actions().contains(about));
    about->trigger();
    QCOMPARE(m_boxes.size(), 1);
    const QString text = m_boxes.constFirst();
    QVERIFY2(text.contains(MainWindow::versionText().section(QLatin1Char(' '), 0, 0)), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("licence")));
#ifdef Q_OS_LINUX
    QVERIFY(text.contains(QLatin1String("70-kestrova.rules")));
#endif
}

namespace {

// What a screen reader lists as something to operate: buttons, fields, lists and bars. Scroll bars and
// table headers come with their views; a spin box's or drop-down's own line edit is the control itself.
bool operable(const QWidget* w)
{
    if (qobject_cast<const QScrollBar*>(w) || qobject_cast<const QHeaderView*>(w) || w->inherits("QTableCornerButton"))
        return false;
    if (qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<const QComboBox*>(w->parentWidget()))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTabBar*>(w) ||
           qobject_cast<const QProgressBar*>(w);
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

// The operable controls shown under root that a screen reader could not name, counted in total.
QStringList unnamedControls(QWidget* root, int& total)
{
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible() || !operable(w))
            continue;
        ++total;
        if (accessibleName(w).isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName() +
                           QLatin1String(" in ") + QString::fromLatin1(w->parentWidget()->metaObject()->className());
    }
    return unnamed;
}

} // namespace

void TestMainWindow::everyControlNamed()
{
    Catalogue english;
    english.install(Catalogue::Language::English);
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    QVERIFY(rig.loaded());

    int total = 0;
    QSet<QString> unnamed;
    showEveryPage(*rig.window, [&] {
        for (const QString& control : unnamedControls(rig.window.get(), total))
            unnamed << control;
    });
    // A row names its editors after itself and says what they take.
    const QList<VarWidget*> rows =
        rig.rowsOnOnePage([](VarWidget* row) { return qobject_cast<SpinVarEditor*>(row->editor()); }, 1);
    QCOMPARE(rows.size(), 1);
    QSpinBox* spin = static_cast<SpinVarEditor*>(rows.first()->editor())->spinBox();
    QCOMPARE(accessibleName(spin), QString(rows.first()->info().name).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    QVERIFY(spin->accessibleDescription().contains(QString::number(spin->maximum())));
    QCOMPARE(rows.first()->nameLabel()->buddy(), spin);

    QSettings settings;
    PreferencesDialog preferences(settings);
    preferences.show();
    for (const QString& control : unnamedControls(&preferences, total))
        unnamed << QStringLiteral("preferences: ") + control;
    TransferDialog transfer;
    transfer.setBatch(2, 2000);
    transfer.startFile(QStringLiteral("a.cfg"), 1000);
    transfer.setState(TransferDialog::WaitingPin1);
    transfer.show();
    for (const QString& control : unnamedControls(&transfer, total))
        unnamed << QStringLiteral("transfer: ") + control;

    QVERIFY(total > 300);
    QStringList found = unnamed.values();
    found.sort();
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 of %2 controls without a name: %3")
                                             .arg(found.size())
                                             .arg(total)
                                             .arg(found.mid(0, 20).join(QStringLiteral(" | ")))));
}

void TestMainWindow::keyboardReachesAndReturns()
{
    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    // The device asks for its PIN: the keyboard is already there.
    QVERIFY(QTest::qWaitFor([&rig] { return rig.awaitsPin(); }, Wait));
    QCOMPARE(rig.window->focusWidget(), rig.find<QLineEdit>("ePin1"));
    QVERIFY(rig.loaded());
    auto* nav = rig.window->findChild<NavPanel*>();
    auto* tabs = rig.find<QTabWidget>("tabWidget");
    QTabBar* pages = nav->pagesBar();

    // The bars take the focus and move with the arrows, Home and End.
    QVERIFY(pages->focusPolicy() & Qt::TabFocus);
    pages->setFocus(Qt::TabFocusReason);
    QVERIFY(pages->count() > 2);
    QTest::keyClick(pages, Qt::Key_End);
    QTRY_COMPARE_WITH_TIMEOUT(tabs->currentIndex(), pages->tabData(pages->count() - 1).toInt(), Wait);
    QTest::keyClick(pages, Qt::Key_Home);
    QTRY_COMPARE_WITH_TIMEOUT(tabs->currentIndex(), pages->tabData(0).toInt(), Wait);
    QTest::keyClick(pages, Qt::Key_Right);
    QTRY_COMPARE_WITH_TIMEOUT(tabs->currentIndex(), pages->tabData(1).toInt(), Wait);
    QTabBar* sections = nav->sectionsBar();
    const QString firstSection = sections->tabText(sections->currentIndex());
    sections->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sections, Qt::Key_Right);
    QTRY_VERIFY_WITH_TIMEOUT(sections->tabText(sections->currentIndex()) != firstSection, Wait);

    // Tab goes from the page bar into the page, and walks its rows in reading order: top to bottom, and
    // left to right within a row.
    const QList<VarWidget*> someRows = rig.rowsOnOnePage([](VarWidget* row) { return row->redirSelector(); }, 1);
    QCOMPARE(someRows.size(), 1);
    auto* page = qobject_cast<VarsTab*>(tabs->currentWidget());
    QVERIFY(page);
    pages->setFocus(Qt::TabFocusReason);
    QTest::keyClick(pages, Qt::Key_Tab);
    QVERIFY2(page->isAncestorOf(QApplication::focusWidget()),
             qPrintable(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()));
    QWidget* start = nullptr;
    for (VarWidget* row : page->findChildren<VarWidget*>()) {
        if (!start && row->isVisible() && row->editor() && row->editor()->isEnabled()) {
            for (QWidget* w : row->editor()->findChildren<QWidget*>()) {
                if (!start && (w->focusPolicy() & Qt::TabFocus) && w->isVisible())
                    start = w;
            }
        }
    }
    QVERIFY(start);
    start->setFocus(Qt::TabFocusReason);
    // A control's place on the page's contents, which scroll as the focus moves down: its row's top, then
    // its own left edge.
    QWidget* contents = page->widget();
    const auto placeOf = [contents](QWidget* w) {
        QWidget* row = w;
        while (row && !qobject_cast<VarWidget*>(row))
            row = row->parentWidget();
        return QPoint(w->mapTo(contents, QPoint(0, 0)).x(), (row ? row : w)->mapTo(contents, QPoint(0, 0)).y());
    };
    QPoint last = placeOf(start);
    int walked = 0;
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || !page->isAncestorOf(now))
            break;
        const QPoint at = placeOf(now);
        const bool sameLine = at.y() == last.y();
        QVERIFY2(sameLine ? at.x() > last.x() : at.y() > last.y(),
                 qPrintable(QStringLiteral("focus went from (%1, %2) to %3 at (%4, %5)")
                                .arg(last.x())
                                .arg(last.y())
                                .arg(accessibleName(now))
                                .arg(at.x())
                                .arg(at.y())));
        last = at;
        ++walked;
    }
    QVERIFY(walked > 3);

    // A dialog gives the focus back to the control that opened it.
    auto* search = nav->searchField();
    search->setFocus(Qt::ShortcutFocusReason);
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QAction* preferences = nullptr;
    for (QAction* action : rig.window->findChildren<QAction*>()) {
        if (action->shortcut() == QKeySequence::Preferences || action->objectName() == QLatin1String("actionPreferences"))
            preferences = action;
    }
    QVERIFY(preferences);
    preferences->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), search, Wait);
}

void TestMainWindow::stateChangesAnnounced()
{
    static QList<std::pair<QAccessible::Event, QObject*>> heard;
    static QStringList names;
    heard.clear();
    names.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        heard.append({event->type(), event->object()});
        if (event->type() == QAccessible::NameChanged && event->accessibleInterface())
            names << event->accessibleInterface()->text(QAccessible::Name);
    });
    // What a screen reader's bridge does when it starts listening.
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    const auto restore = qScopeGuard([platform] {
        platform->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    });
    const auto heardFrom = [](QAccessible::Event type, const QObject* object) {
        return std::any_of(heard.cbegin(), heard.cend(), [&](const auto& e) { return e.first == type && e.second == object; });
    };

    Rig rig(SimFixture::DemoProfile, {.pageList = true});
    // Slow enough that the loading bar moves while it is shown.
    static_cast<SimLink*>(rig.stack->transports().find(QStringLiteral("sim")))->setLatencyUs(1500);
    QVERIFY(rig.loaded());
    // The loading bar's progress, the PIN's acceptance.
    const auto* bar = rig.find<QLabel>("loadingOverlay")->findChild<QProgressBar*>();
    QVERIFY(heardFrom(QAccessible::ValueChanged, bar));
    QVERIFY(names.contains(QStringLiteral("PIN OK")) || names.contains(rig.text("pinBadge")));

    // A search that finds nothing says so.
    auto* nav = rig.window->findChild<NavPanel*>();
    nav->searchField()->setText(QStringLiteral("zzzz-nothing-like-it"));
    QTRY_VERIFY_WITH_TIMEOUT(nav->nothingFound()->isVisible(), NavPanel::SearchDelayMs * 3);
    QVERIFY(heardFrom(QAccessible::NameChanged, nav->nothingFound()) || heardFrom(QAccessible::Alert, nav->nothingFound()));

    // The end of a transfer.
    TransferDialog transfer;
    transfer.setBatch(1, 10);
    transfer.startFile(QStringLiteral("a.cfg"), 10);
    transfer.show();
    heard.clear();
    transfer.finish(0);
    QVERIFY(heardFrom(QAccessible::NameChanged, transfer.findChild<QLabel*>(QStringLiteral("status"))) ||
            heardFrom(QAccessible::Alert, &transfer));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"

void TestMainWindow::copySettingsToNextControllers()
{
    Rig rig;
    rig.device->setSaveDurationMs(0); // the device's clock stands still here
    QVERIFY(rig.loaded());
    SettingsFile file = SettingsSnapshot::capture(rig.stack->protocol().vars());
    const auto setting = [&file]() -> SettingsFile::Entry& {
        return *std::find_if(file.entries.begin(), file.entries.end(), [](const auto& e) { return e.id == 100; });
    };
    setting().value = QByteArray("\x05\0\0\0", 4);
    QVERIFY(file.write(m_chosen));
    const auto deviceValue = [&rig] { return rig.device->variable(100)->value.left(1); };

    LineDialog* line = rig.window->findChild<SnapshotActions*>()->copyToNext();
    QVERIFY(line && line->isVisible());
    auto* status = line->findChild<QLabel*>(QStringLiteral("lineStatus"));
    auto* records = line->findChild<QTableWidget*>(QStringLiteral("records"));
    line->findChild<QPushButton*>(QStringLiteral("choose"))->click();
    line->findChild<QPushButton*>(QStringLiteral("start"))->click();

    // The controller connected when the line starts is the first one.
    const int savesBefore = rig.device->savesCompleted();
    QVERIFY2(QTest::qWaitFor([line] { return line->recordCount() == 1; }, Wait), qPrintable(status->text()));
    QCOMPARE(records->item(0, 3)->text(), QStringLiteral("done"));
    QCOMPARE(records->item(0, 1)->text(), QStringLiteral("0012345"));
    QCOMPARE(deviceValue(), QByteArray(1, '\x05'));
    QCOMPARE(rig.device->savesCompleted(), savesBefore + 1);
    QCOMPARE(line->state(), LineDialog::State::Unplug);
    QCOMPARE(status->text(), LineRecord::doneText(QStringLiteral("0012345")));
    QVERIFY(rig.logged(QStringLiteral("0012345")));
    QVERIFY(!rig.enabled("btnSave")); // saved: nothing waits

    // The next controller in the port: the old value, and one identity variable told otherwise.
    const auto next = [&](uint16_t identity, const QByteArray& text) {
        rig.device->unplug();
        const bool waits = QTest::qWaitFor([line] { return line->state() == LineDialog::State::Waiting; }, Wait);
        rig.device->setVariableValue(100, QByteArray(4, '\0'));
        rig.device->setVariable({identity, 'T', VarFlag::ReadOnly, 0, 32, text});
        rig.device->plug();
        const int records = line->recordCount();
        return waits && QTest::qWaitFor([&] { return line->recordCount() == records + 1; }, 3 * Wait);
    };
    // Another serial; the PIN given for the first is tried on it.
    QVERIFY2(next(65507, "0012346"), qPrintable(status->text()));
    QCOMPARE(records->item(1, 1)->text(), QStringLiteral("0012346"));
    QCOMPARE(records->item(1, 3)->text(), QStringLiteral("done"));
    QCOMPARE(deviceValue(), QByteArray(1, '\x05'));

    // A controller of another model is refused and recorded; nothing is written to it.
    QVERIFY2(next(65503, "Orvo X9"), qPrintable(status->text()));
    QCOMPARE(records->item(2, 3)->text(), QStringLiteral("failed"));
    QCOMPARE(records->item(2, 6)->text(), QStringLiteral("model"));
    QCOMPARE(deviceValue(), QByteArray(1, '\0'));
    QVERIFY(line->findChild<QLabel*>(QStringLiteral("counts"))->text().contains(QStringLiteral("2")));

    line->findChild<QPushButton*>(QStringLiteral("start"))->click(); // now Stop
    QCOMPARE(line->state(), LineDialog::State::Idle);
    QVERIFY(!rig.logged(QString::fromLatin1(Pin)));
}
