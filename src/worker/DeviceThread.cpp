#include "DeviceThread.h"

#include <algorithm>
#include <chrono>
#include <mutex>

#include <libusb.h>

#include "link/CommandRecord.h"
#include "link/CommandTable.h"
#include "link/DeviceLink.h"
#include "link/DeviceProtocol.h"
#include "link/Frame.h"
#include "link/TransportManager.h"
#include "platform/Diagnostics.h"

namespace {

constexpr qsizetype BatchStep = 24; // ids per VAR_GET_LIST on batched links
constexpr uint16_t StatusVarA = 1;
constexpr uint16_t StatusVarB = 40002;

} // namespace

DeviceThread::DeviceThread(DeviceProtocol& protocol, TransportManager& transports, const DeviceThreadTiming& timing,
                           QObject* parent)
    : QThread(parent), m_protocol(protocol), m_transports(transports), m_link(transports.activeLink()), m_timing(timing)
{
    m_transports.setChangeCallback([this] { wake(); });
    m_protocol.setLink(m_link);
    m_protocol.setStopCheck([this] { return isInterruptionRequested(); });
    m_protocol.setPump([this] { drainQueue(false); });
}

DeviceThread::~DeviceThread()
{
    stop();
    wait();
    m_transports.setChangeCallback({});
    m_protocol.setStopCheck({});
    m_protocol.setPump({});
}

bool DeviceThread::post(Callback work, Callback drop)
{
    return enqueue({std::move(work), std::move(drop), false});
}

bool DeviceThread::enqueue(Task task)
{
    {
        QMutexLocker lock(&m_queueMutex);
        if (m_connected) {
            m_queue.push_back(std::move(task));
            m_queueCondition.notify_all();
            return true;
        }
    }
    if (task.drop)
        task.drop();
    return false;
}

bool DeviceThread::postFileTask(FileTask task, bool refreshList)
{
    const uint32_t generation = m_protocol.taskGeneration();
    auto work = [this, task = std::move(task), refreshList, generation] {
        // A cancel raised after the task was posted means the user no longer wants it.
        if (m_protocol.taskGeneration() != generation) {
            Q_EMIT uiFileTaskDone(0);
            return;
        }
        m_protocol.clearCancel();
        const int ret = task();
        if (refreshList)
            m_protocol.fileUpdateList(true);
        Q_EMIT uiFileTaskDone(ret);
    };
    return enqueue({std::move(work), [this] { Q_EMIT uiFileTaskDone(LIBUSB_ERROR_NO_DEVICE); }, true});
}

void DeviceThread::requestReboot()
{
    post([this] { m_protocol.reboot(); });
}

void DeviceThread::requestVarsSave()
{
    post([this] { Q_EMIT uiVarsSaveStarted(m_protocol.varsSave(1)); });
}

bool DeviceThread::requestVarsStatus()
{
    return post([this] {
        uint8_t save = 0;
        uint8_t error = 0;
        const int ret = m_protocol.varsSave(0, &save, &error);
        // A save state lost with the device is no fault of the save: the loss says what happened.
        if (!lostWithLink(ret))
            Q_EMIT uiVarsStatus(0, 0, ret, save, error);
    });
}

void DeviceThread::setLoadList(const QList<uint16_t>& ids)
{
    QMutexLocker lock(&m_loadMutex);
    m_loadList = ids;
}

void DeviceThread::addFastPoll(uint16_t id)
{
    QMutexLocker lock(&m_pollMutex);
    if (!m_fastPoll.contains(id))
        m_fastPoll.append(id);
}

void DeviceThread::addSlowPoll(uint16_t id)
{
    QMutexLocker lock(&m_pollMutex);
    if (!m_slowPoll.contains(id))
        m_slowPoll.append(id);
    m_slowNow = true;
}

void DeviceThread::removeFastPoll(uint16_t id)
{
    QMutexLocker lock(&m_pollMutex);
    m_fastPoll.removeOne(id);
}

void DeviceThread::clearPolls()
{
    QMutexLocker lock(&m_pollMutex);
    m_fastPoll.clear();
    m_slowPoll.clear();
    ++m_pollGeneration;
}

void DeviceThread::requestStatusNow()
{
    m_statusNow = true;
    wake();
}

// The two requests wake the worker so the work starts now rather than after the idle wait, which is a
// second long on batched links.
void DeviceThread::requestFileList()
{
    m_fileListRequest = true;
    wake();
}

void DeviceThread::requestFullLoad()
{
    m_fullLoad = true;
    wake();
}

void DeviceThread::stop()
{
    requestInterruption();
    wake();
}

void DeviceThread::wake()
{
    // Taking the mutex orders the wake after a waiter's last check, so no wake-up is lost.
    QMutexLocker lock(&m_queueMutex);
    m_queueCondition.notify_all();
}

bool DeviceThread::stopping() const
{
    return isInterruptionRequested() || m_transports.pendingLink() != nullptr;
}

void DeviceThread::run()
{
    // A transport chosen before the start (the demo device) decides whether there is anything to run.
    applyTransportChange();
    if (!m_link->isReady())
        return;
    while (!isInterruptionRequested()) {
        applyTransportChange();
        if (m_link->isOpen())
            connectedStep();
        else
            connectStep();
    }
    // Nobody waits for work that will never run.
    std::deque<Task> left = takeQueue();
    dropAll(left);
}

void DeviceThread::applyTransportChange()
{
    DeviceLink* pending = m_transports.takePending();
    if (!pending)
        return;
    if (const bool reopen = m_transports.takeReopen(); pending == m_link && !reopen)
        return;
    {
        QMutexLocker lock(&m_link->commandMutex());
        m_link->close();
    }
    if (m_connected) {
        Diagnostics::print("INFO: device disconnected (transport changed)\n");
        handleLoss(false);
    }
    m_link = pending;
    m_transports.setActiveLink(pending);
    m_protocol.setLink(pending);
}

void DeviceThread::connectStep()
{
    if (m_connected) {
        Diagnostics::print("INFO: device disconnected\n");
        handleLoss(true);
    }
    if (m_link->open()) {
        m_lastNote.clear();
        {
            QMutexLocker lock(&m_queueMutex);
            m_connected = true;
        }
        Diagnostics::print("INFO: device connected\n");
        m_protocol.resetForConnect();
        Q_EMIT uiDeviceHotplug();
        m_link->sleepMs(m_timing.openSettleMs);
        return;
    }
    const QString note = m_link->blockNote();
    if (note != m_lastNote) {
        m_lastNote = note;
        if (!note.isEmpty())
            Q_EMIT uiLinkBlocked(note);
    }
    // After the note: a program that looks once tells why from it.
    Q_EMIT uiDeviceLooked();
    for (int step = 0; step < m_timing.openRetrySteps; ++step) {
        std::unique_lock lock(m_queueMutex);
        if (stopping())
            break;
        m_queueCondition.wait_for(lock, std::chrono::milliseconds(m_timing.openRetryStepMs));
    }
}

void DeviceThread::connectedStep()
{
    if (keepAlive()) {
        drainQueue();
        batchedInfo();
        statusPoll();
        variableStep();
    }
    waitForWork();
}

bool DeviceThread::keepAlive()
{
    if (!m_link->wantsKeepAlive() || !m_link->commandMutex().tryLock(1))
        return true;
    const bool answers = linkAnswers();
    m_link->commandMutex().unlock();
    if (!answers) {
        Diagnostics::print("INFO: device disconnected\n");
        handleLoss(true);
    }
    return answers;
}

bool DeviceThread::linkAnswers()
{
    uint8_t* request = m_link->requestFrame();
    Frame::setLength(request, 0);
    request[Frame::OffCmd] = Cmd::INFO;
    const LinkTimeouts t = m_link->timeouts();
    const int ret = m_link->transact(t.readTries, t.timeoutMs);
    if (ret != 0) {
        Diagnostics::print("ERROR=%d=%s\r\n", ret, libusb_strerror(ret));
        m_link->close();
        return false;
    }
    const uint8_t* reply = m_link->replyFrame();
    const int length = Frame::length(reply);
    if (length > Frame::ReplyHeader)
        m_protocol.onInfoPayload(reply + Frame::ReplyHeader, length - Frame::ReplyHeader);
    return true;
}

bool DeviceThread::lostWithLink(int ret)
{
    if (ret >= 0)
        return false;
    QMutexLocker lock(&m_link->commandMutex());
    // The loss itself is reported by the next cycle, which finds the link closed.
    return !linkAnswers();
}

void DeviceThread::batchedInfo()
{
    if (!m_link->batchedReads() || (m_infoTimer.isValid() && !m_infoTimer.hasExpired(m_timing.batchedInfoMs)))
        return;
    m_infoTimer.start();
    CommandRecord record;
    if (m_link->sendCommand(Cmd::INFO, record) == 0 && record.rxLen > 0)
        m_protocol.onInfoPayload(record.rxData, record.rxLen);
}

void DeviceThread::statusPoll()
{
    if (!m_statusTab)
        return;
    const bool now = m_statusNow.exchange(false);
    const int period = m_link->batchedReads() ? m_timing.batchedStatusPeriodMs : m_timing.statusPeriodMs;
    if (!now && m_statusTimer.isValid() && !m_statusTimer.hasExpired(period))
        return;
    m_statusTimer.start();
    if (!m_link->wantsStatusPoll())
        return;
    m_protocol.efsStats();
    QDateTime deviceTime;
    if (m_protocol.getDateTime(deviceTime) == 0)
        Q_EMIT uiDateTime(deviceTime);
    m_protocol.readVar(StatusVarA);
    m_protocol.readVar(StatusVarB);
}

void DeviceThread::variableStep()
{
    if (m_fullLoad.exchange(false)) {
        QList<uint16_t> ids;
        {
            QMutexLocker lock(&m_loadMutex);
            ids = m_loadList;
        }
        m_protocol.loadVars(ids, m_link->batchedReads());
        if (m_protocol.takeReloadRequest())
            m_fullLoad = true;
        return;
    }
    // Cleared before the run, so a request made meanwhile gets a list of its own.
    if (m_fileListRequest.exchange(false)) {
        m_protocol.fileUpdateList(true);
        return;
    }

    QList<uint16_t> fast;
    QList<uint16_t> slow;
    uint32_t generation = 0;
    {
        QMutexLocker lock(&m_pollMutex);
        fast = m_fastPoll;
        slow = m_slowPoll;
        generation = m_pollGeneration;
    }
    if (!readPollList(fast, generation))
        return;
    if (m_slowNow.exchange(false) || !m_slowTimer.isValid() || m_slowTimer.hasExpired(m_timing.slowPollMs)) {
        m_slowTimer.start();
        readPollList(slow, generation);
    }
}

bool DeviceThread::readPollList(const QList<uint16_t>& ids, uint32_t generation)
{
    const qsizetype step = m_link->batchedReads() ? BatchStep : 1;
    for (qsizetype i = 0; i < ids.size(); i += step) {
        if (stopping() || m_pollGeneration != generation)
            return false;
        const int ret = step == 1 ? m_protocol.readVar(ids.at(i)) : m_protocol.readVarBatch(ids.mid(i, step));
        // A device that stops answering would otherwise cost every remaining id its full time-out;
        // the keep-alive of the next cycle decides whether it is gone.
        if (ret != 0)
            return false;
        drainQueue();
        m_protocol.pace();
    }
    return true;
}

void DeviceThread::drainQueue(bool fileTasks)
{
    // Work queued for a device that is being switched away from is dropped by the switch instead.
    while (!stopping()) {
        Task task;
        {
            QMutexLocker lock(&m_queueMutex);
            const auto next = std::find_if(m_queue.begin(), m_queue.end(),
                                           [fileTasks](const Task& t) { return fileTasks || !t.fileTask; });
            if (next == m_queue.end())
                return;
            task = std::move(*next);
            m_queue.erase(next);
        }
        if (task.work)
            task.work();
    }
}

void DeviceThread::waitForWork()
{
    int waitMs = m_timing.idleWaitMs;
    if (m_link->batchedReads()) {
        QMutexLocker lock(&m_pollMutex);
        waitMs = m_fastPoll.isEmpty() && m_slowPoll.isEmpty() ? m_timing.batchedIdleWaitMs : m_timing.batchedBusyWaitMs;
    }
    if (m_link->pollsBusy()) {
        QElapsedTimer waited;
        waited.start();
        while (!waited.hasExpired(waitMs) && !stopping()) {
            {
                QMutexLocker lock(&m_queueMutex);
                if (!m_queue.empty())
                    return;
            }
            m_link->sleepMs(20);
        }
        return;
    }
    std::unique_lock lock(m_queueMutex);
    if (m_queue.empty() && !stopping())
        m_queueCondition.wait_for(lock, std::chrono::milliseconds(waitMs));
}

void DeviceThread::handleLoss(bool keepVars)
{
    std::deque<Task> tasks = takeQueue();
    m_protocol.onDisconnect(keepVars);
    dropAll(tasks);
    m_fullLoad = false;
    Q_EMIT uiDeviceHotplug();
}

std::deque<DeviceThread::Task> DeviceThread::takeQueue()
{
    QMutexLocker lock(&m_queueMutex);
    m_connected = false;
    return std::exchange(m_queue, {});
}

void DeviceThread::dropAll(std::deque<Task>& tasks)
{
    for (Task& task : tasks) {
        if (task.drop)
            task.drop();
    }
    tasks.clear();
}
