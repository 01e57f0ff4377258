#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "platform/SleepInhibitor.h"

class DeviceLink;
class DeviceProtocol;
class DeviceStack;
class DeviceThread;
class FilesPage;
class FirstRunPanel;
class LogView;
class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class NavPanel;
class PageBuilder;
class PlotWindow;
class QLabel;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QToolBar;
class ServiceCommands;
class SnapshotActions;
class TransportManager;
class UpdateChecker;
class VarsRegistry;
class VarsUI;

namespace Ui {
class MainWindow;
}

// Periods of the window's own timers; tests shorten them instead of waiting them out.
struct MainWindowTiming
{
    int lockTickMs = 1000;
    int fsRetryMs = 500;
    int saveStatusMs = 1000;
    int statusTabMs = 1000;
    int overlayMs = 250;
    // How long the window waits for the device's file system before it loads the settings without it.
    int fsGiveUpMs = 10000;
};

// The one window of the program. It never talks to the device: it posts work to the worker and
// shows what the worker and the protocol object report.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    using Timing = MainWindowTiming;

    explicit MainWindow(DeviceStack& stack, const Timing& timing = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Wires the worker and the protocol object to the window; called once the window is shown.
    void connectDevice();

    // The program's version text; the title and the update check use its first word.
    static QString versionText();

public Q_SLOTS:
    void slot_device_hotplug();
    void slotAuthUpdate(uint8_t status);
    void slotDeviceInfo(int ret, uint8_t authStatus);
    void slotPinResult(int level, int code, uint32_t timeout, int ret);
    void postPin1(const std::string& pin);
    void onAuth1Checked(uint8_t efsStatus);
    void slotAuthUpdate1(uint8_t status, uint32_t timeout);
    void slotAuthUpdateTimer();
    void slotLog1(const QString& log);
    void slotLog(const QString& log, bool statusbar);
    void slotShowMessage(const QString& title, const QString& msg);
    void slotStatusFlashUpdate();
    void slotDateTime(const QDateTime& d);
    void updateStatusVars();
    void updateFsAlert(uint8_t efsStatus);
    void slotVarsStatusUpdate();
    void slotFlashStatus(uint32_t flashSize, uint32_t sectorSize, uint32_t sectorFree, uint32_t sectorErased,
                         uint8_t efsStatus);
    void slotVarsSaveStarted(int ret);
    void slotVarsLoadEnd();
    void slotVarsUpdated(const QList<int>& ids);
    void slotOnVarsChangedPC(uint16_t var_id);
    void slotVarsStatus(int retCount, uint32_t count, int retSave, uint8_t save, uint8_t error);
    // A write the variable registry could not complete.
    void slotWriteFailed(int id, int code);
    // The transfer dialog became active or inactive: the save button and the tab bar keep still meanwhile.
    void slotTransferActive(bool active);
    void information(const QString& text);

private Q_SLOTS:
    void on_actionReloadVars_triggered();
    void on_actionPreferences_triggered();
    void on_bPin1_clicked();
    void on_tabWidget_currentChanged(int index);
    void on_bRestartOrvo_clicked();
    void on_bRestartOrvo_2_clicked();
    void on_bDateSync_clicked();
    void on_actionSaveVars_triggered();
    void on_btnSave_clicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    DeviceLink* link() const;
    bool linkOpen() const;
    void buildStatusToolBar();
    void updatePinBadge();
    void handleLoss(bool readOnlyView);
    void showLockCountdown();
    void postFsCheck();
    void postFlashStats();
    // PIN 1 is accepted and the file system answered, or the window stopped waiting for it.
    void startLoad();
    void stopWaitingForFiles();
    bool filesAvailable() const;
    void setFilesAvailable(bool available);
    void restart();
    void startSave();
    void setUnsaved(bool unsaved);
    void updateMenuActions();
    void setSaveEnabled(bool enabled);
    void setTabBarEnabled(bool enabled);
    void showOverlay();
    void hideOverlay();
    void placeOverlay();
    void updateOverlay();
    void onTransportChanged();
    void refreshUpdateButton();
    void showUpdateList();
    void showBox(const QString& title, const QString& text, bool warning);
    bool askQuestion(const QString& title, const QString& text);
    // Dropped local files go to the Files tab while it is shown and idle.
    QStringList droppedFiles(const QMimeData* data) const;
    QString valueText(uint16_t id, bool* found = nullptr) const;
    QList<uint16_t> loadList() const;
    void buildPages();

    std::unique_ptr<Ui::MainWindow> ui;
    DeviceProtocol& m_protocol;
    DeviceThread& m_worker;
    TransportManager& m_transports;
    QSettings m_settings;

    QLabel* m_statusLabel = nullptr;
    QToolBar* m_statusToolBar = nullptr;
    QLabel* m_blockedBadge = nullptr;
    QAction* m_blockedAction = nullptr;
    QLabel* m_lostBadge = nullptr;
    QAction* m_lostAction = nullptr;
    QPushButton* m_updateButton = nullptr;
    QAction* m_updateAction = nullptr;
    QLabel* m_pinBadge = nullptr;
    QAction* m_pinAction = nullptr;
    UpdateChecker* m_updates = nullptr;
    VarsRegistry* m_registry = nullptr;
    ServiceCommands* m_commands = nullptr;
    FilesPage* m_filesPage = nullptr;
    SnapshotActions* m_snapshots = nullptr;
    LogView* m_log = nullptr;
    PlotWindow* m_plots = nullptr;
    FirstRunPanel* m_firstRun = nullptr;

    NavPanel* m_nav = nullptr;
    VarsUI* m_pages = nullptr;
    std::unique_ptr<PageBuilder> m_pageBuilder;

    QLabel* m_overlay = nullptr;
    QProgressBar* m_overlayBar = nullptr;
    QTimer m_overlayTimer;

    bool m_connectedView = false;
    bool m_pinAccepted = false;
    uint32_t m_lockSeconds = 0;
    QTimer m_lockTimer;
    bool m_restartPending = false;
    bool m_fsWaiting = false;
    QTimer m_fsRetryTimer;
    QTimer m_fsGiveUpTimer;
    bool m_fsGaveUp = false;
    bool m_loadRequested = false;
    int m_lastFsAlert = -1;
    bool m_unsaved = false;
    bool m_savePending = false;
    bool m_closeAfterSave = false; // the close dialog's save: the window closes once the device confirms it
    QTimer m_saveTimer;
    QTimer m_statusTimer;
    int m_expectedVars = 0;
    QString m_transportId = QStringLiteral("usb");
    int m_pinTries[2] = {0, 0};
    bool m_offlineNoticeOpen = false;

    bool m_transferActive = false;
    // The state the save button and the tab bar take when the running transfer ends.
    std::optional<bool> m_deferredSave;
    std::optional<bool> m_deferredTabBar;
    SleepInhibitor m_awake;
};
