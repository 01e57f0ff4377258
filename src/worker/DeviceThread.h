#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include "files/EfsFile.h"

class DeviceLink;
class DeviceProtocol;
class TransportManager;

// Periods of the worker's cycle. Tests shorten or lengthen them instead of waiting them out.
struct DeviceThreadTiming
{
    int idleWaitMs = 100;
    int batchedBusyWaitMs = 20;   // batched link with variables to poll
    int batchedIdleWaitMs = 1000; // batched link with nothing to poll
    int statusPeriodMs = 1000;
    int batchedStatusPeriodMs = 3000;
    int slowPollMs = 3000;
    int batchedInfoMs = 3000;
    int openRetrySteps = 10;
    int openRetryStepMs = 100;
    int openSettleMs = 100;
};

// The only thread that talks to the device: it opens the active link, keeps it alive, polls the
// variables of the page shown and runs the work the window posts. The window never waits for it.
class DeviceThread : public QThread
{
    Q_OBJECT
public:
    using Callback = std::function<void()>;
    using FileTask = std::function<int()>;

    DeviceThread(DeviceProtocol& protocol, TransportManager& transports, const DeviceThreadTiming& timing = {},
                 QObject* parent = nullptr);
    ~DeviceThread() override;

    // Requests from any thread; all return at once.
    bool post(Callback work, Callback drop = {});
    bool postFileTask(FileTask task, bool refreshList);
    bool fileDeleteMany(const QList<ushort>& ids);
    bool fileDownload(const QList<FileDownloadItem>& items);
    bool fileRenameAsync(ushort id, const QString& name);
    bool fileUpload(const QString& localPath, const QString& name, bool system);
    void requestReboot();
    void requestVarsSave();
    bool requestVarsStatus();
    void setLoadList(const QList<uint16_t>& ids);
    void addFastPoll(uint16_t id);
    void addSlowPoll(uint16_t id);
    void removeFastPoll(uint16_t id);
    void clearPolls();
    void requestStatusNow();
    void requestFileList();
    void requestFullLoad();
    void setStatusTabActive(bool on) { m_statusTab = on; }

    bool isConnected() const { return m_connected.load(); }
    // Asks the thread to end and wakes it; the caller sets the links' abort flags first when a
    // command may be in flight.
    void stop();

Q_SIGNALS:
    void uiDeviceHotplug();
    void uiLinkBlocked(QString note);
    // A look for the device found none (a program that looks once waits for this, not for a time); a changed
    // block note comes before it.
    void uiDeviceLooked();
    void uiVarsStatus(int retCount, uint32_t count, int retSave, uint8_t save, uint8_t error);
    void uiVarsSaveStarted(int ret);
    void uiDateTime(QDateTime d);
    void uiFileTaskDone(int ret);

protected:
    void run() override;

private:
    struct Task
    {
        Callback work;
        Callback drop;
        bool fileTask = false;
    };

    bool enqueue(Task task);
    void wake();
    bool stopping() const;
    void applyTransportChange();
    void connectStep();
    void connectedStep();
    bool keepAlive();
    // The keep-alive exchange, under the command lock; a link that does not answer it is closed.
    bool linkAnswers();
    // Whether a request that failed with ret failed because the device is gone (its link now closed).
    bool lostWithLink(int ret);
    void batchedInfo();
    void statusPoll();
    void variableStep();
    // False when the pass was cut short: lists cleared, transport changing, exit, or a failed read.
    bool readPollList(const QList<uint16_t>& ids, uint32_t generation);
    // Runs the queued work; a transfer waiting for the device serves the other work only, so the file tasks
    // behind it keep their order and run once it has ended.
    void drainQueue(bool fileTasks = true);
    void waitForWork();
    void handleLoss(bool keepVars);
    // Empties the queue and, under the same lock, marks the device gone; returns the tasks.
    std::deque<Task> takeQueue();
    static void dropAll(std::deque<Task>& tasks);

    DeviceProtocol& m_protocol;
    TransportManager& m_transports;
    DeviceLink* m_link; // worker thread only
    const DeviceThreadTiming m_timing;

    QMutex m_queueMutex;
    // The standard wait condition works with QMutex and keeps the thread sanitizer able to follow it.
    std::condition_variable_any m_queueCondition;
    std::deque<Task> m_queue;
    // Written under the queue mutex, so a task is either queued while connected or dropped.
    std::atomic<bool> m_connected{false};

    QElapsedTimer m_infoTimer;
    QString m_lastNote;

    std::atomic<bool> m_fullLoad{false};
    QMutex m_loadMutex;
    QList<uint16_t> m_loadList;
    std::atomic<bool> m_fileListRequest{false};

    QMutex m_pollMutex;
    QList<uint16_t> m_fastPoll;
    QList<uint16_t> m_slowPoll;
    std::atomic<bool> m_slowNow{false};
    QElapsedTimer m_slowTimer;
    std::atomic<uint32_t> m_pollGeneration{0};

    std::atomic<bool> m_statusTab{false};
    std::atomic<bool> m_statusNow{false};
    QElapsedTimer m_statusTimer;
};
