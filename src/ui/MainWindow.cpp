#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <algorithm>

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSemaphore>
#include <QStyle>
#include <QTabBar>
#include <QTime>
#include <QToolBar>

#include "AboutBox.h"
#include "FilesPage.h"
#include "FirstRunPanel.h"
#include "FocusReturn.h"
#include "LogView.h"
#include "ModalBox.h"
#include "NavPanel.h"
#include "PageBuilder.h"
#include "PlainText.h"
#include "PreferencesDialog.h"
#include "PlotPanel.h"
#include "PlotWindow.h"
#include "ServiceCommands.h"
#include "SnapshotActions.h"
#include "TransferDialog.h"
#include "TransportBar.h"
#include "TransportPanel.h"
#include "VarsTab.h"
#include "link/CommandTable.h"
#include "link/DeviceLink.h"
#include "link/DeviceProtocol.h"
#include "link/TransportManager.h"
#include "update/UpdateChecker.h"
#include "vars/DeviceVars.h"
#include "vars/SettingsFileLink.h"
#include "vars/SettingsSnapshot.h"
#include "vars/UnsavedChanges.h"
#include "vars/VARS.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"
#include "worker/DeviceStack.h"
#include "worker/DeviceThread.h"

namespace {

const char* const BadgeStyle =
    "font-weight: bold; color: white; background: #c0392b; border-radius: 3px; padding: 3px 10px;";
const char* const UpdateButtonStyle =
    "QPushButton { font-weight: bold; color: white; background: #f28c1e; border: none; border-radius: 3px; padding: "
    "4px 12px; } QPushButton:hover { background: #ff9d33; }";
const char* const PinOkStyle =
    "font-weight: bold; color: white; background: #2e9e4f; border-radius: 3px; padding: 3px 10px;";
const char* const PinPlainStyle = "font-weight: bold; padding: 3px 10px;";
const char* const FileBadgeStyle =
    "font-weight: bold; color: #5a4500; background: #fff3b0; border-radius: 3px; padding: 3px 10px;";
const char* const SaveButtonStyle =
    "QPushButton:enabled { background: #f28c1e; color: white; font-weight: bold; border: 1px solid #c96f0b; "
    "border-radius: 4px; padding: 6px 22px; }QPushButton:enabled:hover { background: #ff9d33; "
    "}QPushButton:enabled:pressed { background: #d97a0f; }QPushButton:disabled { padding: 6px 22px; }";
const char* const OverlayStyle = "QLabel { background-color: rgba(245, 245, 245, 240); color: #444; font-size: 18px; }";

constexpr int PinLength = 4;
constexpr uint8_t EfsStarting = 2;
constexpr uint8_t EfsReadOnly = 253;
constexpr uint8_t EfsUnknown = 255;
constexpr int InfoTextSize = 57;
constexpr int OverlayBarWidth = 320;
constexpr int OverlayBarHeight = 8;
constexpr int OverlayBarBelowCentre = 40;
constexpr int StatusTabIndex = 1;

// The device's files can be used: a working (0, 1) or read-only (253) file system. Any other status,
// or none yet (255), means they are not ready.
bool filesUsable(uint8_t efsStatus)
{
    return efsUsable(efsStatus);
}

// The tab's contents scroll in a window too low for them, rather than being squeezed over each other.
void makeScrollable(QWidget* tab)
{
    auto* contents = new QWidget;
    contents->setObjectName(tab->objectName() + QStringLiteral("Contents"));
    contents->setLayout(tab->layout()); // takes the layout, and the widgets in it, from the tab
    auto* scroll = new QScrollArea(tab);
    scroll->setObjectName(tab->objectName() + QStringLiteral("Scroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(contents);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

// The file system's state in words for the Status tab.
QString efsStatusText(uint8_t efsStatus)
{
    if (efsStatus < EfsStarting)
        return MainWindow::tr("ready");
    if (efsStatus == EfsUnknown)
        return MainWindow::tr("not reported");
    if (efsStatus == EfsReadOnly)
        return MainWindow::tr("read-only");
    return MainWindow::tr("starting (%1)").arg(efsStatus);
}

// Variables the window shows itself.
constexpr uint16_t VarStatus = DeviceVar::Status;
constexpr uint16_t VarCan = DeviceVar::Can;
constexpr uint16_t VarCommandState = DeviceVar::CommandState;
constexpr uint16_t VarAlgorithm = DeviceVar::Algorithm;
constexpr uint16_t VarModel = DeviceVar::Model;
constexpr uint16_t VarBootloader = DeviceVar::Bootloader;
constexpr uint16_t VarFirmware = DeviceVar::Firmware;
constexpr uint16_t VarSerial = DeviceVar::Serial;

} // namespace

MainWindow::MainWindow(DeviceStack& stack, const Timing& timing, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), m_protocol(stack.protocol()),
      m_worker(stack.worker()), m_transports(stack.transports()),
      m_awake(tr("A file transfer to the device is running"))
{
    ui->setupUi(this);
    makeScrollable(ui->tabGeneral);
    makeScrollable(ui->tabStatus);
    m_log = new LogView(*this, m_settings);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusBar()->addPermanentWidget(m_statusLabel, 90);
    m_snapshots = new SnapshotActions(stack, this);
    m_snapshots->addTo(ui->menuFile, ui->actionExit);
    ui->menuFile->insertAction(ui->actionExit, m_log->saveAction());
    ui->menuFile->insertAction(ui->actionExit, ui->actionPreferences);
    ui->menuFile->insertSeparator(ui->actionExit);
    // Windows and most Linux desktops have no standard key for the preferences; Ctrl+, is the common one.
    ui->actionPreferences->setShortcut(
        QKeySequence::keyBindings(QKeySequence::Preferences).value(0, QKeySequence(Qt::CTRL | Qt::Key_Comma)));
    connect(m_snapshots, &SnapshotActions::logLine, this, &MainWindow::slotLog1);
    connect(m_snapshots, &SnapshotActions::pinWanted, this,
            [this](const QByteArray& pin) { postPin1(pin.toStdString()); });
    connect(m_snapshots, &SnapshotActions::savedToFlash, this, [this] {
        m_registry->unsaved().reset();
        setUnsaved(false);
        setSaveEnabled(false);
    });
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction* about = help->addAction(tr("About Kestrova…"));
    about->setObjectName(QStringLiteral("actionAbout"));
    connect(about, &QAction::triggered, this,
            [this] { AboutBox::show(this, versionText().section(QLatin1Char(' '), 0, 0)); });
    statusBar()->addWidget(m_snapshots->badge());
    connect(m_snapshots, &SnapshotActions::saveToDeviceRequested, this, &MainWindow::on_actionSaveVars_triggered);
    ui->tabWidget->setCurrentIndex(0);
    ui->tabWidget->tabBar()->setEnabled(false);
    buildStatusToolBar();
    auto* transportBar = new TransportBar(this, m_transports, m_statusToolBar);
    connect(transportBar, &TransportBar::transportChanged, this, &MainWindow::onTransportChanged);
    transportBar->setLeaveCheck(
        [this](const QString& leaving) { return leaving != SettingsFileLink::TransportId || keepFileEdits(); });
    m_snapshots->setLeaveCheck([this] { return keepFileEdits(); });
    connect(m_snapshots, &SnapshotActions::transportRequested, transportBar, [this, transportBar](const QString& id) {
        transportBar->refresh();
        // Another file through the same transport: the selector has no change to announce, the window has.
        if (transportBar->currentId() == id)
            onTransportChanged();
        else
            transportBar->select(id);
    });
    for (const TransportManager::Transport& transport : m_transports.transports()) {
        if (TransportPanel* panel = transportBar->panel(transport.id))
            connect(panel, &TransportPanel::message, this, &MainWindow::information);
    }

    m_registry = new VarsRegistry(m_protocol, m_worker, this);
    // Queued also when a dropped write completes at once: the notice must not open inside the edit.
    connect(m_registry, &VarsRegistry::writeFailed, this, &MainWindow::slotWriteFailed, Qt::QueuedConnection);
    connect(m_registry, &VarsRegistry::varsUpdated, this, &MainWindow::slotVarsUpdated);
    m_plots = new PlotWindow(*m_registry, this);
    addDockWidget(Qt::RightDockWidgetArea, m_plots);
    m_plots->hide();
    UnsavedChanges& unsaved = m_registry->unsaved();
    connect(ui->actionRevertUnsaved, &QAction::triggered, &unsaved, &UnsavedChanges::revert);
    connect(&unsaved, &UnsavedChanges::reverted, this, [this, &unsaved](const QString& report) {
        // What the device holds is what it held at the last load or save: nothing waits to be saved.
        if (unsaved.unsavedIds().isEmpty()) {
            setUnsaved(false);
            setSaveEnabled(false);
        }
        information(report);
    });
    connect(&unsaved, &UnsavedChanges::changed, this, &MainWindow::updateMenuActions);
    buildPages();
    m_firstRun = new FirstRunPanel(m_transports.find(TransportManager::DemoId), ui->centralwidget);
    connect(m_firstRun, &FirstRunPanel::demoRequested, transportBar,
            [transportBar] { transportBar->select(TransportManager::DemoId); });
    const QList<uint16_t> ids = loadList();
    m_worker.setLoadList(ids);
    m_expectedVars = int(ids.size());

    setWindowTitle(windowTitle() + QLatin1Char(' ') + versionText().section(QLatin1Char(' '), 0, 0));
    connect(ui->actionExit, &QAction::triggered, this, &QWidget::close);
    connect(ui->ePin1, &QLineEdit::returnPressed, ui->bPin1, &QPushButton::click);
    ui->lAuthStatus->setEnabled(false);
    ui->label_10->setEnabled(false);
    ui->label_4->setEnabled(false);
    ui->label_6->setEnabled(false);
    ui->label_can->setEnabled(false);
    ui->gPin1->setEnabled(false);
    setSaveEnabled(false);
    PlainText::set({m_statusLabel, m_blockedBadge, ui->lProductModel, ui->lSerial, ui->lBootloaderV, ui->lFirmwareV,
                    ui->lAlgoV, ui->lCAN, ui->l_stat_status1, ui->l_stat_status, ui->label_general_alert});
    slotLog(tr("Disconnected"), true);

    m_lockTimer.setInterval(timing.lockTickMs);
    connect(&m_lockTimer, &QTimer::timeout, this, &MainWindow::slotAuthUpdateTimer);
    m_fsRetryTimer.setSingleShot(true);
    m_fsRetryTimer.setInterval(timing.fsRetryMs);
    connect(&m_fsRetryTimer, &QTimer::timeout, this, &MainWindow::postFsCheck);
    m_fsGiveUpTimer.setSingleShot(true);
    m_fsGiveUpTimer.setInterval(timing.fsGiveUpMs);
    connect(&m_fsGiveUpTimer, &QTimer::timeout, this, &MainWindow::stopWaitingForFiles);
    m_saveTimer.setInterval(timing.saveStatusMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &MainWindow::slotVarsStatusUpdate);
    m_statusTimer.setInterval(timing.statusTabMs);
    connect(&m_statusTimer, &QTimer::timeout, this, &MainWindow::slotStatusFlashUpdate);
    m_overlayTimer.setInterval(timing.overlayMs);
    connect(&m_overlayTimer, &QTimer::timeout, this, &MainWindow::updateOverlay);
    ui->tabWidget->installEventFilter(this);

    m_snapshots->setRegistry(m_registry);
    m_snapshots->setModel(m_pages);
    m_snapshots->setUnavailableForFile({ui->tabStatus, ui->tabFiles}, {ui->bRestartOrvo});
    m_commands =
        new ServiceCommands(*m_registry,
                            {{ui->btStat0, QStringLiteral("STAT0")},
                             {ui->btStat1, QStringLiteral("STAT1")},
                             {ui->btStat3, QStringLiteral("STAT3")},
                             {ui->btHorn, QStringLiteral("HORN")},
                             {ui->bMotorStart, QStringLiteral("ZAPUSK"), tr("Start the engine of the car now?")},
                             {ui->bMotorStop, QStringLiteral("STOPZAPUSK")}},
                            ui->btnLogExport, ui->l_stat_status, this);

    m_updates = new UpdateChecker(this);
    m_updates->setBaseUrl(UpdateChecker::baseUrlFromSettings(m_settings));
    connect(m_updates, &UpdateChecker::updatesChanged, this, &MainWindow::refreshUpdateButton);
    connect(m_updates, &UpdateChecker::pageRefused, this, &MainWindow::slotLog1);
    connect(m_updateButton, &QPushButton::clicked, this, &MainWindow::showUpdateList);
    m_updates->checkProgram(versionText().section(QLatin1Char(' '), 0, 0));

    m_filesPage = new FilesPage(stack.files(), ui->tabFiles, ui->twFiles, ui->bFilesReload, this);
    m_filesPage->addButtons(ui->filesButtons);
    connect(m_filesPage, &FilesPage::message, this, &MainWindow::information);
    connect(m_filesPage, &FilesPage::logLine, this, &MainWindow::slotLog1);
    // The device takes either PIN through the same command.
    connect(m_filesPage, &FilesPage::pinEntered, this,
            [this](int, const QString& pin) { postPin1(pin.toStdString()); });
    connect(m_filesPage->dialog(), &TransferDialog::activeChanged, this, &MainWindow::slotTransferActive);
    // Uploads are checked against the free space: keep it current after the files changed.
    connect(m_filesPage, &FilesPage::busyChanged, this, [this](bool busy) {
        if (!busy)
            postFlashStats();
    });
    setAcceptDrops(true);
}

MainWindow::~MainWindow()
{
    m_protocol.setQuestion({});
}

QString MainWindow::versionText()
{
    return QStringLiteral(KESTROVA_VERSION_TEXT);
}

void MainWindow::buildStatusToolBar()
{
    m_statusToolBar = new QToolBar(tr("Status"), this);
    m_statusToolBar->setObjectName(QStringLiteral("statusToolBar"));
    m_statusToolBar->setMovable(false);
    m_statusToolBar->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, m_statusToolBar);

    // Widgets on a tool bar are shown and hidden through their actions.
    m_blockedBadge = new QLabel(m_statusToolBar);
    m_blockedBadge->setObjectName(QStringLiteral("blockedBadge"));
    m_blockedBadge->setStyleSheet(QString::fromLatin1(BadgeStyle));
    m_blockedAction = m_statusToolBar->addWidget(m_blockedBadge);
    m_blockedAction->setVisible(false);

    m_lostBadge = new QLabel(tr("Connection lost: read only"), m_statusToolBar);
    m_lostBadge->setObjectName(QStringLiteral("lostBadge"));
    m_lostBadge->setStyleSheet(QString::fromLatin1(BadgeStyle));
    m_lostAction = m_statusToolBar->addWidget(m_lostBadge);
    m_lostAction->setVisible(false);

    auto* spacer = new QWidget(m_statusToolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_statusToolBar->addWidget(spacer);

    m_updateButton = new QPushButton(m_statusToolBar);
    m_updateButton->setObjectName(QStringLiteral("updateButton"));
    m_updateButton->setStyleSheet(QString::fromLatin1(UpdateButtonStyle));
    m_updateAction = m_statusToolBar->addWidget(m_updateButton);
    m_updateAction->setVisible(false);

    m_pinBadge = new QLabel(m_statusToolBar);
    m_pinBadge->setObjectName(QStringLiteral("pinBadge"));
    m_pinBadge->setProperty("okStyle", QString::fromLatin1(PinOkStyle));
    m_pinAction = m_statusToolBar->addWidget(m_pinBadge);
    m_pinAction->setVisible(false);

    ui->btnSave->setStyleSheet(QString::fromLatin1(SaveButtonStyle));
    // Not by its orange alone: the button shows what it does, and greys out with nothing to save.
    ui->btnSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_statusToolBar->addWidget(ui->btnSave);
}

void MainWindow::connectDevice()
{
    connect(&m_worker, &DeviceThread::uiDeviceHotplug, this, &MainWindow::slot_device_hotplug, Qt::QueuedConnection);
    connect(
        &m_worker, &DeviceThread::uiLinkBlocked, this,
        [this](const QString& note) {
            m_blockedBadge->setText(note);
            m_blockedBadge->setToolTip(note);
            m_blockedAction->setVisible(true);
        },
        Qt::QueuedConnection);
    connect(&m_worker, &DeviceThread::uiVarsStatus, this, &MainWindow::slotVarsStatus, Qt::QueuedConnection);
    connect(&m_worker, &DeviceThread::uiVarsSaveStarted, this, &MainWindow::slotVarsSaveStarted, Qt::QueuedConnection);
    connect(&m_worker, &DeviceThread::uiDateTime, this, &MainWindow::slotDateTime, Qt::QueuedConnection);

    connect(&m_protocol, &DeviceProtocol::uiPinResult, this, &MainWindow::slotPinResult, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::uiDeviceInfo, this, &MainWindow::slotDeviceInfo, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::uiAuth1Checked, this, &MainWindow::onAuth1Checked, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::uiAuthUpdate1, this, &MainWindow::slotAuthUpdate1, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::eventLog, this, &MainWindow::slotLog, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::eventLog1, this, &MainWindow::slotLog1, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::uiFlashStatus, this, &MainWindow::slotFlashStatus, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::uiVarsLoadEnd, this, &MainWindow::slotVarsLoadEnd, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::uiShowMessage, this, &MainWindow::slotShowMessage, Qt::QueuedConnection);
    connect(&m_protocol, &DeviceProtocol::uiOnVarsChangedPC, this, &MainWindow::slotOnVarsChangedPC,
            Qt::QueuedConnection);
    connect(
        &m_protocol, &DeviceProtocol::uiRedirChangedPC, this,
        [this] {
            setUnsaved(true);
            setSaveEnabled(true);
        },
        Qt::QueuedConnection);

    // The worker waits for the answer, but never past its own end: a question still open when the
    // program quits must not keep the worker, and with it the exit, waiting forever.
    m_protocol.setQuestion([this](const QString& title, const QString& text) {
        struct Answer
        {
            QSemaphore given;
            std::atomic<bool> yes{false};
        };
        auto answer = std::make_shared<Answer>();
        QMetaObject::invokeMethod(
            this,
            [this, answer, title, text] {
                answer->yes = askQuestion(title, text);
                answer->given.release();
            },
            Qt::QueuedConnection);
        while (!answer->given.tryAcquire(1, 100)) {
            if (m_protocol.stopRequested())
                return false;
        }
        return answer->yes.load();
    });
}

DeviceLink* MainWindow::link() const
{
    return m_transports.activeLink();
}

bool MainWindow::linkOpen() const
{
    DeviceLink* active = link();
    return active && active->isOpen();
}

void MainWindow::slot_device_hotplug()
{
    m_blockedAction->setVisible(false);
    m_lostAction->setVisible(false);
    DeviceLink* active = link();
    if (!active || !active->isOpen()) {
        // A restart the user asked for is not a lost connection.
        handleLoss(!m_restartPending);
        return;
    }
    // The worker may report the old link's close once the new one is already open, and then its opening:
    // one connection, one notice. Its state is read again all the same.
    const bool noticed = m_connectedView && active == m_connectedLink;
    m_connectedLink = active;
    if (!noticed)
        slotLog(m_snapshots->showsFile()
                    ? m_snapshots->openedNote()
                    : tr("Connected:") + QStringLiteral(" ") + tr(" product:") +
                          QStringLiteral(" %1, ").arg(QString::fromStdString(active->product())) +
                          tr(" manufacturer:") +
                          QStringLiteral(" %1, ").arg(QString::fromStdString(active->manufacturer())) +
                          QStringLiteral("#") + QString::fromStdString(active->serialNumber()),
                true);
    ui->lProductModel->setText(QString::fromStdString(active->infoText()));
    ui->lSerial->setText(QString::fromStdString(active->serialNumber()));
    DeviceProtocol* protocol = &m_protocol;
    m_worker.post([protocol] {
        char model[InfoTextSize];
        char serial[InfoTextSize];
        uint8_t status = 0;
        const int ret = protocol->readInfo(model, InfoTextSize, &status, serial, InfoTextSize);
        if (ret == 0)
            protocol->setLastAuthStatus(status);
        Q_EMIT protocol->uiDeviceInfo(ret, status);
    });
    m_restartPending = false;
    m_loadRequested = false;
    m_fsGaveUp = false;
    m_firstRun->hide();
    ui->gPin1->setEnabled(true);
    m_connectedView = true;
    updateMenuActions();
    updatePinBadge();
}

void MainWindow::handleLoss(bool readOnlyView)
{
    const bool readOnly = readOnlyView && m_protocol.vars().count() > 0;
    m_connectedView = false;
    m_lastFsAlert = -1;
    m_commands->cancel();
    m_updates->checkDevice(QString(), QString());
    m_saveTimer.stop();
    m_fsRetryTimer.stop();
    m_fsGiveUpTimer.stop();
    m_filesPage->setFreeSpace(std::nullopt);
    m_savePending = false;
    m_closeAfterSave = false;
    setUnsaved(false);
    setSaveEnabled(false);
    updateMenuActions();
    ui->gPin1->setEnabled(false);
    ui->label_can->setEnabled(false);
    for (QLabel* label : {ui->lProductModel, ui->lSerial, ui->lFirmwareV, ui->lBootloaderV, ui->lAlgoV, ui->lCAN})
        label->clear();
    // A load or a file-system wait cut short by the loss would otherwise leave the pages covered.
    hideOverlay();
    ui->tabWidget->setCurrentIndex(0);
    setTabBarEnabled(readOnly);
    m_lostAction->setVisible(readOnly);
    // A restart the user asked for brings the device back by itself.
    m_firstRun->setVisible(!readOnly && !m_restartPending);
    m_firstRun->raise();
    slotLog(tr("Disconnected"), true);
    if (!readOnly)
        Q_EMIT m_protocol.uiAuthUpdate1(1, 0);
    updatePinBadge();
}

void MainWindow::updatePinBadge()
{
    m_pinAction->setVisible(linkOpen());
    const bool file = m_snapshots->showsFile();
    // A file has no PIN and no flash: the badge and the save say what the device really is.
    ui->btnSave->setText(file ? tr("Save to file") : tr("Save to device"));
    ui->actionSaveVars->setText(file ? tr("Save to file") : tr("Save settings to device"));
    if (file) {
        m_pinBadge->setText(m_snapshots->fileName());
        m_pinBadge->setToolTip(m_snapshots->openedNote());
        m_pinBadge->setStyleSheet(QString::fromLatin1(FileBadgeStyle));
        return;
    }
    m_pinBadge->setToolTip(QString());
    if (m_pinAccepted) {
        m_pinBadge->setText(tr("PIN OK"));
        m_pinBadge->setStyleSheet(m_pinBadge->property("okStyle").toString());
    } else {
        m_pinBadge->setText(tr("PIN REQUIRED"));
        m_pinBadge->setStyleSheet(QString::fromLatin1(PinPlainStyle));
    }
}

void MainWindow::onTransportChanged()
{
    m_blockedAction->setVisible(false);
    m_snapshots->updateBadge();
    handleLoss(false);
    m_protocol.forgetPins();
}

void MainWindow::slotDeviceInfo(int ret, uint8_t authStatus)
{
    if (ret != 0)
        return;
    slotAuthUpdate(authStatus);
}

void MainWindow::slotAuthUpdate(uint8_t status)
{
    Q_EMIT m_protocol.uiAuthUpdate1((status & AuthBit::Pin1) ? 0 : 1, 0);
}

void MainWindow::on_bPin1_clicked()
{
    const QByteArray pin = ui->ePin1->text().toUtf8();
    if (pin.size() != PinLength) {
        ui->lPin1Status->setText(tr("PIN 1 has %1 characters").arg(PinLength));
        return;
    }
    ui->gPin1->setEnabled(false);
    ui->lPin1Status->setText(tr("PIN 1 is sent, waiting for the device ..."));
    postPin1(pin.toStdString());
}

void MainWindow::postPin1(const std::string& pin)
{
    DeviceProtocol* protocol = &m_protocol;
    m_worker.post([protocol, pin] { protocol->auth(pin); }, [protocol] { Q_EMIT protocol->uiPinResult(1, 0, 0, -4); });
}

void MainWindow::slotAuthUpdate1(uint8_t status, uint32_t timeout)
{
    if (status == 0 || status == 2) {
        m_pinAccepted = true;
        ui->gPin1->setEnabled(false);
        postFsCheck();
    } else {
        setSaveEnabled(false);
        m_pinAccepted = false;
        if (linkOpen() && !m_restartPending) {
            offerPinEntry();
            ui->lPin1Status->clear();
        }
        if (timeout != 0)
            m_lockSeconds = timeout;
        showLockCountdown();
    }
    updatePinBadge();
}

void MainWindow::showLockCountdown()
{
    if (m_lockSeconds > 0) {
        if (!m_lockTimer.isActive())
            m_lockTimer.start();
        // The device refuses every PIN while it is locked; sending one would only add a try.
        ui->ePin1->setEnabled(false);
        ui->bPin1->setEnabled(false);
        ui->lPin1Status->setText(tr("timeout %1").arg(m_lockSeconds));
        --m_lockSeconds;
    } else if (m_lockTimer.isActive()) {
        m_lockTimer.stop();
        ui->lPin1Status->clear();
        ui->ePin1->setEnabled(true);
        ui->bPin1->setEnabled(true);
    }
}

void MainWindow::slotAuthUpdateTimer()
{
    showLockCountdown();
}

void MainWindow::slotPinResult(int level, int code, uint32_t timeout, int ret)
{
    const int tries = ++m_pinTries[level == 2 ? 1 : 0];
    QString text;
    if (ret != 0)
        text = tr("PIN %1: no answer from the device (error %2)").arg(level).arg(ret);
    else if (code == 0)
        text = tr("PIN %1 accepted").arg(level);
    else if (code == 2)
        text = tr("PIN %1 is already accepted").arg(level);
    else if (timeout != 0)
        text = tr("PIN %1 rejected (code %2), locked for %3 s").arg(level).arg(code).arg(timeout);
    else if (code == 255 && level == 2)
        text = tr("PIN 2 refused (code 255): send PIN 1 first, a new connection forgets the PINs");
    else if (code == 255)
        text = tr("PIN 1 refused (code 255)");
    else
        text = tr("PIN %1 rejected (code %2)").arg(level).arg(code);
    text += tr(" [try %1, %2]").arg(tries).arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    slotLog(text, true);
    m_filesPage->dialog()->showPinResult(text);
    if (level != 1)
        return;
    // The lock countdown keeps the label while it runs; the status bar carries the result.
    if (!m_lockTimer.isActive())
        ui->lPin1Status->setText(text);
    if (!m_pinAccepted && linkOpen() && !m_restartPending)
        offerPinEntry();
}

void MainWindow::offerPinEntry()
{
    ui->gPin1->setEnabled(true);
    // The PIN is what the device waits for: the keyboard goes to it, unless the user is typing elsewhere.
    if (!qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        ui->ePin1->setFocus(Qt::OtherFocusReason);
        ui->ePin1->selectAll();
    }
}

void MainWindow::postFsCheck()
{
    DeviceProtocol* protocol = &m_protocol;
    DeviceLink* active = link();
    m_worker.post([protocol, active] {
        // Set on the worker, which reads it, rather than from this thread.
        protocol->setAuthenticated(true);
        if (active->isLiveDevice()) {
            protocol->efsStats();
            Q_EMIT protocol->uiAuth1Checked(protocol->efsStatus());
        } else {
            Q_EMIT protocol->uiAuth1Checked(0);
        }
    });
}

void MainWindow::onAuth1Checked(uint8_t efsStatus)
{
    if (!filesUsable(efsStatus)) {
        // Asked again until the files are ready, also after the window stopped waiting for them.
        m_fsRetryTimer.start();
        if (m_fsGaveUp)
            return;
        ui->lProductModel->setText(tr("loading ..."));
        m_fsWaiting = true;
        showOverlay();
        if (!m_fsGiveUpTimer.isActive())
            m_fsGiveUpTimer.start();
        return;
    }
    m_fsGiveUpTimer.stop();
    setFilesAvailable(true);
    if (efsStatus == EfsReadOnly) {
        const QString alert = tr("ERROR: file system is readonly");
        ui->label_general_alert->setText(alert);
        // The check runs again when the device confirms the PIN; one box per connection is enough.
        if (m_lastFsAlert != EfsReadOnly) {
            m_lastFsAlert = EfsReadOnly;
            showBox(tr("Error"), alert, true);
        }
    } else {
        ui->label_general_alert->clear();
    }
    startLoad();
}

void MainWindow::startLoad()
{
    ui->lAuthStatus->setText(tr("Ok"));
    ui->label_4->setEnabled(true);
    ui->label_6->setEnabled(true);
    m_fsWaiting = false;
    if (!m_loadRequested) {
        m_loadRequested = true;
        m_worker.requestFullLoad();
        showOverlay();
    }
}

void MainWindow::stopWaitingForFiles()
{
    // The settings do not need the file system: a device whose files never get ready must not keep
    // the user out of them.
    m_fsGaveUp = true;
    setFilesAvailable(false);
    ui->label_general_alert->setText(tr("File system not ready: device files unavailable"));
    startLoad();
}

bool MainWindow::filesAvailable() const
{
    return ui->tabWidget->isTabEnabled(ui->tabWidget->indexOf(ui->tabFiles));
}

void MainWindow::setFilesAvailable(bool available)
{
    if (available == filesAvailable())
        return;
    ui->tabWidget->setTabEnabled(ui->tabWidget->indexOf(ui->tabFiles), available);
    m_nav->refresh();
    // What the alert said about the files no longer holds; the status that made them ready sets its own.
    if (available)
        ui->label_general_alert->clear();
}

void MainWindow::postFlashStats()
{
    DeviceLink* active = link();
    if (!active || !active->isOpen() || !active->isLiveDevice())
        return;
    DeviceProtocol* protocol = &m_protocol;
    m_worker.post([protocol] { protocol->efsStats(); });
}

void MainWindow::showOverlay()
{
    if (!m_overlay) {
        m_overlay = new QLabel(ui->tabWidget);
        m_overlay->setObjectName(QStringLiteral("loadingOverlay"));
        m_overlay->setAlignment(Qt::AlignCenter);
        m_overlay->setAutoFillBackground(true);
        m_overlay->setStyleSheet(QString::fromLatin1(OverlayStyle));
        m_overlayBar = new QProgressBar(m_overlay);
        m_overlayBar->setTextVisible(false);
        m_overlayBar->setAccessibleName(tr("Loading variables from the device ..."));
        m_overlayBar->setFixedSize(OverlayBarWidth, OverlayBarHeight);
    }
    placeOverlay();
    updateOverlay();
    m_overlay->show();
    m_overlay->raise();
    m_overlayTimer.start();
}

void MainWindow::hideOverlay()
{
    m_fsWaiting = false;
    m_overlayTimer.stop();
    if (m_overlay)
        m_overlay->hide();
}

void MainWindow::placeOverlay()
{
    const QRect area = ui->tabWidget->rect();
    m_overlay->setGeometry(area);
    m_overlayBar->move((area.width() - OverlayBarWidth) / 2, area.height() / 2 + OverlayBarBelowCentre);
}

void MainWindow::updateOverlay()
{
    QString text = tr("Loading variables from the device ...") + QStringLiteral("\n\n");
    if (m_fsWaiting)
        text += tr("Waiting for the file system of the device to start ...");
    m_overlay->setText(text);
    if (!m_fsWaiting && m_expectedVars > 0) {
        m_overlayBar->setRange(0, m_expectedVars);
        m_overlayBar->setValue(qMin(m_protocol.loadAnswered(), m_expectedVars));
    } else {
        m_overlayBar->setRange(0, 0);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->tabWidget && event->type() == QEvent::Resize && m_overlay)
        placeOverlay();
    return QMainWindow::eventFilter(watched, event);
}

QString MainWindow::valueText(uint16_t id, bool* found) const
{
    bool exists = false;
    const VarRecord record = m_protocol.vars().snapshot(id, &exists);
    if (found)
        *found = exists;
    return exists ? m_protocol.vars().valueText(record) : QString();
}

QList<uint16_t> MainWindow::loadList() const
{
    return m_pages->loadList();
}

void MainWindow::buildPages()
{
    m_nav = new NavPanel(*ui->tabWidget, ui->centralwidget);
    static_cast<QBoxLayout*>(ui->centralwidget->layout())->insertWidget(0, m_nav);
    // Named as the pages name them, so that the order matches the sections in the language shown; the
    // fixed tabs go under the first.
    QStringList order;
    for (const QString& section : {QStringLiteral("Пристрій"), QStringLiteral("Моніторинг"),
                                   QStringLiteral("Налаштування"), QStringLiteral("Зв'язок"), QStringLiteral("Адмін")})
        order << VarsUI::pageText(section);
    m_nav->setSectionOrder(order);
    for (int i = 0; i < ui->tabWidget->count(); ++i)
        m_nav->setSection(i, order.first());
    m_nav->setSearchMatch([this](int index, const QString& text) {
        const auto* view = qobject_cast<const VarsTab*>(ui->tabWidget->widget(index));
        return view && view->matches(text);
    });

    m_pageBuilder = std::make_unique<PageBuilder>(*m_registry, *ui->tabWidget);
    m_pages = new VarsUI(this);
    m_pages->setAssembler([this](VarsUI& model) {
        m_pageBuilder->build(model);
        PlotPanel::addTo(model, m_pageBuilder->pageViews(), *m_plots);
    });
    m_pages->load();
    for (const VarsTab* view : m_pageBuilder->pageViews())
        m_nav->setSection(view->index(), view->section());
    m_nav->refresh();
    // The panel lists the same tabs in sections; the tab bar stays only as the switch it drives.
    ui->tabWidget->tabBar()->hide();
}

void MainWindow::slotVarsLoadEnd()
{
    if (m_overlay)
        updateOverlay(); // the bar ends where the load did
    hideOverlay();
    if (!linkOpen())
        return;
    ui->lSerial->setText(valueText(VarSerial));
    ui->lProductModel->setText(valueText(VarModel));
    ui->lBootloaderV->setText(valueText(VarBootloader));
    ui->lFirmwareV->setText(valueText(VarFirmware));
    ui->lAlgoV->setText(valueText(VarAlgorithm));
    bool hasCan = false;
    ui->lCAN->setText(valueText(VarCan, &hasCan));
    if (hasCan)
        ui->label_can->setEnabled(true);
    m_updates->checkDevice(valueText(VarFirmware), valueText(VarAlgorithm));
    updateMenuActions();
    m_worker.requestVarsStatus();
    setTabBarEnabled(true);
}

void MainWindow::slotVarsUpdated(const QList<int>& ids)
{
    if (ids.contains(VarStatus) || ids.contains(VarCommandState))
        updateStatusVars();
}

void MainWindow::slotOnVarsChangedPC(uint16_t var_id)
{
    // A service command and its state are the command's own business, not a changed setting.
    if (ServiceCommands::usesVariable(var_id))
        return;
    bool found = false;
    const VarRecord record = m_protocol.vars().snapshot(var_id, &found);
    QString line = tr("var %1 changed").arg(var_id);
    if (found) {
        // The row as the user knows it, and the value as that row shows it.
        const VarUiInfoPtr row = m_pages->rowInfo(var_id);
        const QString value = SettingsSnapshot::displayText(m_protocol.vars(), record, row.get());
        line += row ? QStringLiteral(": %1 = %2").arg(row->name.simplified(), value) : QStringLiteral(": ") + value;
    }
    slotLog1(line);
    if (found && (record.flags & VarFlag::Flash)) {
        setUnsaved(true);
        setSaveEnabled(true);
    }
}

void MainWindow::on_tabWidget_currentChanged(int index)
{
    VarsTab* view = qobject_cast<VarsTab*>(ui->tabWidget->widget(index));
    m_registry->setCurrentPageView(view);
    m_worker.setStatusTabActive(index == StatusTabIndex);
    m_worker.clearPolls();
    m_registry->pollPlotted();
    if (index == StatusTabIndex) {
        m_worker.requestStatusNow();
        updateStatusVars();
        m_statusTimer.start();
    } else {
        m_statusTimer.stop();
    }
    if (ui->tabWidget->widget(index) == ui->tabFiles) {
        m_filesPage->reloadList();
        postFlashStats();
    }
    if (!view)
        return;
    // Rows of hidden pages are not kept up to date; the page catches up as it appears. A page shown
    // for the first time gets its rows here at the latest, so that their ids are polled below.
    view->refreshRows();
    for (int id : m_registry->tabIds(view)) {
        if (id >= 1 && id <= 0xFFFF)
            m_worker.addFastPoll(uint16_t(id));
    }
    for (int id : m_registry->tabFurtherIds(view)) {
        if (id >= 1 && id <= 0xFFFF)
            m_worker.addSlowPoll(uint16_t(id));
    }
}

void MainWindow::updateStatusVars()
{
    bool found = false;
    const QString status = valueText(VarStatus, &found);
    if (found)
        ui->l_stat_status1->setText(QStringLiteral("%1 - %2").arg(m_pages->varName(VarStatus, false),
                                                                  m_pages->optionText(VarStatus, status.toInt())));
    const QString commandState = valueText(VarCommandState, &found);
    if (found)
        ui->l_stat_status->setText(commandState.isEmpty() ? QString()
                                                          : tr("Статус останньої команди : ") + commandState);
}

void MainWindow::slotStatusFlashUpdate()
{
    updateStatusVars();
}

void MainWindow::restart()
{
    if (!ModalBox::confirm(this, ui->bRestartOrvo->text(),
                           tr("Restart the device now? The connection drops until the device is back.")))
        return;
    m_worker.requestReboot();
    m_restartPending = true;
    handleLoss(false);
    ui->tabWidget->setCurrentIndex(0);
    setTabBarEnabled(false);
}

void MainWindow::on_bRestartOrvo_clicked()
{
    restart();
}

void MainWindow::on_bRestartOrvo_2_clicked()
{
    restart();
}

void MainWindow::on_bDateSync_clicked()
{
    const QDateTime now = QDateTime::currentDateTime();
    DeviceProtocol* protocol = &m_protocol;
    m_worker.post([protocol, now] {
        const int ret = protocol->setDateTime(now);
        QString line;
        if (ret == 0)
            line = tr("Device clock set to %1").arg(now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        else if (ret > 0)
            line = tr("The device refused to set its clock (%1)").arg(VARS::errorTextTr(ret));
        else
            line = tr("The device clock was not set (error %1)").arg(ret);
        Q_EMIT protocol->eventLog1(line);
    });
    m_worker.requestStatusNow();
    updateStatusVars();
}

void MainWindow::slotDateTime(const QDateTime& d)
{
    ui->lSystemDate->setText(d.isValid() ? d.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                         : tr("clock is not set"));
}

void MainWindow::slotFlashStatus(uint32_t flashSize, uint32_t sectorSize, uint32_t sectorFree, uint32_t sectorErased,
                                 uint8_t efsStatus)
{
    const quint64 sector = sectorSize;
    // A device reporting more free sectors than it has would otherwise show an absurd used size.
    const quint64 usedSectors = flashSize > sectorFree ? quint64(flashSize - sectorFree) : 0;
    // The files page's sizes, so the free space agrees with what its upload check quotes.
    const auto size = [sector](quint64 sectors) { return TransferDialog::sizeText(qint64(sectors * sector)); };
    ui->lStatusFlashTotal->setText(size(flashSize));
    ui->lStatusFlashSectorSize->setText(tr("%1 KB").arg(sector >> 10));
    ui->lStatusFlashFree->setText(size(sectorFree));
    ui->lStatusFlashErased->setText(size(sectorErased));
    ui->lStatusFlashUsed->setText(size(usedSectors));
    ui->lStatusFlashEfsStatus->setText(efsStatusText(efsStatus));
    m_filesPage->setFreeSpace(qint64(quint64(sectorFree) * sector));
    if (filesUsable(efsStatus))
        setFilesAvailable(true);
    updateFsAlert(efsStatus);
}

void MainWindow::updateFsAlert(uint8_t efsStatus)
{
    if (efsStatus == EfsUnknown || efsStatus == 1)
        return;
    if (efsStatus == 0) {
        ui->label_general_alert->clear();
        m_lastFsAlert = -1;
        return;
    }
    if (efsStatus == EfsReadOnly) {
        ui->label_general_alert->setText(tr("ERROR: file system is readonly"));
        return;
    }
    const QString text = QStringLiteral("%1 (%2)").arg(tr("File system status:")).arg(efsStatus);
    // Once the window stopped waiting for the files, the alert keeps saying what that means for the user.
    if (filesAvailable())
        ui->label_general_alert->setText(text);
    // A file system that is starting is no error: the loading overlay waits for it.
    if (efsStatus != EfsStarting && efsStatus != m_lastFsAlert) {
        m_lastFsAlert = efsStatus;
        showBox(tr("Error"), text, true);
    }
}

void MainWindow::startSave()
{
    m_savePending = true;
    m_worker.requestVarsSave();
    slotLog1(m_snapshots->showsFile() ? tr("Writing the settings to %1").arg(m_snapshots->fileName())
                                      : tr("Saving the settings to the device's flash"));
}

void MainWindow::on_btnSave_clicked()
{
    startSave();
}

void MainWindow::on_actionSaveVars_triggered()
{
    startSave();
    m_saveTimer.start();
}

void MainWindow::slotVarsSaveStarted(int ret)
{
    if (ret != 0) {
        m_savePending = false;
        m_closeAfterSave = false;
        information(tr("Cannot start the save, error %1").arg(ret));
        return;
    }
    setUnsaved(false);
    setSaveEnabled(false);
    m_saveTimer.start();
}

void MainWindow::slotVarsStatusUpdate()
{
    m_worker.requestVarsStatus();
}

void MainWindow::slotVarsStatus(int retCount, uint32_t count, int retSave, uint8_t save, uint8_t error)
{
    if (retCount != 0)
        information(tr("Cannot read the number of variables, error %1").arg(retCount));
    if (retSave != 0) {
        // Without the device's answer the save may or may not have completed: keep it marked unsaved.
        if (m_saveTimer.isActive()) {
            m_saveTimer.stop();
            if (m_savePending) {
                setUnsaved(true);
                setSaveEnabled(true);
            }
            m_savePending = false;
            m_closeAfterSave = false;
        }
        information(tr("Cannot read the state of the save, error %1").arg(retSave));
        return;
    }
    if (save != 0 || !m_saveTimer.isActive())
        return;
    m_saveTimer.stop();
    const bool wasPending = m_savePending;
    m_savePending = false;
    if (!wasPending)
        return;
    if (error != 0) {
        m_closeAfterSave = false;
        setUnsaved(true);
        setSaveEnabled(true);
    } else {
        m_registry->unsaved().reset();
    }
    const QString done = m_snapshots->showsFile() ? m_snapshots->savedNote() : tr("Settings saved in flash");
    if (error != 0 && !m_snapshots->showsFile()) {
        information(tr("Settings save -> fail") + QLatin1Char('\n') +
                    QString::asprintf("count=%u, save=%u, error=%u", count, unsigned(save), unsigned(error)));
    } else if (m_closeAfterSave) {
        m_closeAfterSave = false;
        slotLog1(done);
        close();
    } else {
        information(done);
    }
}

void MainWindow::on_actionReloadVars_triggered()
{
    // Values the device changed by other means (a key fob, its own logic) show without reconnecting.
    m_worker.requestFullLoad();
    showOverlay();
}

void MainWindow::on_actionPreferences_triggered()
{
    const FocusReturn focusBack;
    PreferencesDialog dialog(m_settings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_updates->setBaseUrl(UpdateChecker::baseUrlFromSettings(m_settings));
    m_updates->checkProgram(versionText().section(QLatin1Char(' '), 0, 0));
}

void MainWindow::setUnsaved(bool unsaved)
{
    m_unsaved = unsaved;
}

void MainWindow::updateMenuActions()
{
    ui->actionSaveVars->setEnabled(m_connectedView && m_protocol.vars().count() > 0);
    ui->actionRevertUnsaved->setEnabled(m_connectedView && !m_registry->unsaved().unsavedIds().isEmpty());
    ui->actionReloadVars->setEnabled(ui->actionSaveVars->isEnabled());
}

void MainWindow::setSaveEnabled(bool enabled)
{
    if (m_transferActive)
        m_deferredSave = enabled;
    else
        ui->btnSave->setEnabled(enabled);
}

void MainWindow::setTabBarEnabled(bool enabled)
{
    if (m_transferActive)
        m_deferredTabBar = enabled;
    else
        ui->tabWidget->tabBar()->setEnabled(enabled);
}

void MainWindow::slotTransferActive(bool active)
{
    if (active == m_transferActive)
        return;
    m_transferActive = active;
    if (active) {
        m_awake.hold();
        return;
    }
    m_awake.release();
    if (m_deferredSave)
        ui->btnSave->setEnabled(*m_deferredSave);
    if (m_deferredTabBar)
        ui->tabWidget->tabBar()->setEnabled(*m_deferredTabBar);
    m_deferredSave.reset();
    m_deferredTabBar.reset();
}

void MainWindow::slotWriteFailed(int id, int code)
{
    slotLog1(tr("write var %1 failed, code=%2").arg(id).arg(code));
    if (linkOpen() || m_offlineNoticeOpen)
        return;
    m_offlineNoticeOpen = true;
    information(tr("The connection is lost: the values are read only. The change was not sent."));
    m_offlineNoticeOpen = false;
}

void MainWindow::refreshUpdateButton()
{
    QStringList shortTexts;
    QStringList longTexts;
    for (const UpdateInfo& update : m_updates->results()) {
        QString word;
        switch (update.kind) {
        case UpdateChecker::Program:
            word = tr("program");
            break;
        case UpdateChecker::Firmware:
            word = tr("firmware");
            break;
        case UpdateChecker::Algorithm:
            word = tr("algorithm");
            break;
        }
        shortTexts << tr("%1 %2").arg(word, update.available);
        longTexts << tr("%1: installed %2, on the site %3").arg(word, update.installed, update.available);
    }
    m_updateAction->setVisible(!shortTexts.isEmpty());
    m_updateButton->setText(tr("Update: %1").arg(shortTexts.join(QStringLiteral(", "))));
    m_updateButton->setToolTip(longTexts.join(QLatin1Char('\n')));
}

void MainWindow::showUpdateList()
{
    QMessageBox box(QMessageBox::Information, tr("New versions"), m_updates->updateListHtml(m_updates->results()),
                    QMessageBox::Close, this);
    box.setTextFormat(Qt::RichText);
    box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    ModalBox::exec(box);
}

void MainWindow::slotLog1(const QString& log)
{
    m_log->appendLine(log);
}

void MainWindow::slotLog(const QString& log, bool statusbar)
{
    slotLog1(log);
    if (!statusbar)
        return;
    DeviceLink* active = link();
    if (active && active->isOpen() && !active->serialNumber().empty())
        m_statusLabel->setText(QString::fromStdString(active->serialNumber()) + QStringLiteral(": ") + log);
    else
        m_statusLabel->setText(log);
}

void MainWindow::information(const QString& text)
{
    qWarning("%s", qUtf8Printable(text));
    slotLog1(text);
    showBox(QStringLiteral("Orvo"), text, false);
}

void MainWindow::slotShowMessage(const QString& title, const QString& msg)
{
    showBox(title, msg, false);
}

void MainWindow::showBox(const QString& title, const QString& text, bool warning)
{
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information, title, text, QMessageBox::Ok, this);
    ModalBox::exec(box);
}

bool MainWindow::keepFileEdits()
{
    if (!m_unsaved || !m_snapshots->showsFile())
        return true;
    QMessageBox box(QMessageBox::Question, tr("Unsaved changes"),
                    tr("Save changes to %1?").arg(m_snapshots->fileName()), QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(QMessageBox::Save);
    QPushButton* discard = box.addButton(QMessageBox::Discard);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    const QAbstractButton* chosen = ModalBox::exec(box);
    if (chosen == save) {
        QString error;
        if (!m_snapshots->writeFile(&error)) {
            showBox(tr("Save to file"), error, true);
            return false;
        }
        slotLog1(m_snapshots->savedNote());
    } else if (chosen == discard) {
        m_snapshots->discardEdits();
    } else {
        return false;
    }
    setUnsaved(false);
    setSaveEnabled(false);
    return true;
}

bool MainWindow::askQuestion(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, this);
    QPushButton* again = box.addButton(tr("Start again"), QMessageBox::AcceptRole);
    box.addButton(tr("Cancel transfer"), QMessageBox::RejectRole);
    return ModalBox::exec(box) == again;
}

QStringList MainWindow::droppedFiles(const QMimeData* data) const
{
    QStringList paths;
    if (ui->tabWidget->currentWidget() != ui->tabFiles || !ui->tabFiles->isEnabled() || m_filesPage->busy() ||
        !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            paths << url.toLocalFile();
    }
    return paths;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    for (const QString& path : paths)
        m_filesPage->uploadOne(path, QFileInfo(path).fileName(), false);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The dialog shows a transfer only once it moves data; the task runs from the moment it is queued,
    // and a close before the data (list walk, create) would leave its temporary file on the device.
    if (m_transferActive || m_filesPage->busy()) {
        information(tr("A file transfer is running: abort it first."));
        event->ignore();
        return;
    }
    // A file's edits are kept by writing the file, not by a save to a device.
    if (m_snapshots->showsFile() && !keepFileEdits()) {
        event->ignore();
        return;
    }
    if (m_unsaved) {
        QMessageBox box(QMessageBox::Warning, tr("Settings are not saved"),
                        tr("The settings were changed, but they are not saved to the device. After a restart of the "
                           "device they are lost. Close the program anyway?"),
                        QMessageBox::NoButton, this);
        QPushButton* save = box.addButton(tr("Save to the device"), QMessageBox::AcceptRole);
        QPushButton* discard = box.addButton(tr("Close without saving"), QMessageBox::DestructiveRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(save);
        QAbstractButton* chosen = ModalBox::exec(box);
        if (chosen != discard) {
            if (chosen == save) {
                m_closeAfterSave = true;
                startSave();
                slotLog(tr("Saving the settings to the device; the program closes once the device confirms it"), true);
            }
            event->ignore();
            return;
        }
    }
    event->accept();
}
