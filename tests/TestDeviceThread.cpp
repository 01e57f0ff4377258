#include <QtTest>

#include <future>

#include <libusb.h>

#include "link/CommandTable.h"
#include "link/DeviceProtocol.h"
#include "sim/SimLink.h"
#include "vars/VARS.h"
#include "worker/DeviceStack.h"

namespace {

// Every request the device sees, and a hook that runs on the sending thread while the request is on
// its way: the moment a user would act "during" an exchange.
class Wire
{
public:
    using Hook = std::function<void(uint8_t cmd, uint16_t id)>;

    void attach(SimLink& link)
    {
        {
            QMutexLocker lock(&m_mutex);
            m_log.clear();
            m_hook = {};
        }
        link.setRequestObserver([this](uint8_t cmd, const QByteArray& payload) {
            const uint16_t id = payload.size() >= 2 ? uint16_t(uint8_t(payload[0]) | uint8_t(payload[1]) << 8) : 0;
            Hook hook;
            {
                QMutexLocker lock(&m_mutex);
                m_log.append({cmd, id});
                hook = m_hook;
            }
            if (hook)
                hook(cmd, id);
        });
    }
    void setHook(Hook hook)
    {
        QMutexLocker lock(&m_mutex);
        m_hook = std::move(hook);
    }
    int count(uint8_t cmd, int id = -1) const
    {
        QMutexLocker lock(&m_mutex);
        return int(std::count_if(m_log.cbegin(), m_log.cend(),
                                 [&](const auto& r) { return r.first == cmd && (id < 0 || r.second == id); }));
    }

private:
    mutable QMutex m_mutex;
    QList<std::pair<uint8_t, uint16_t>> m_log;
    Hook m_hook;
};

// Tasks that record whether they ran or were dropped, in one shared log.
struct TaskLog
{
    QMutex mutex;
    QStringList entries;
    bool post(DeviceThread& worker, const QString& name)
    {
        const auto add = [this](const QString& entry) {
            QMutexLocker lock(&mutex);
            entries.append(entry);
        };
        return worker.post([add, name] { add(QStringLiteral("ran ") + name); }, [add, name] { add(name); });
    }
    QStringList snapshot()
    {
        QMutexLocker lock(&mutex);
        return entries;
    }
};

// The worker's and the protocol's signals as the window gets them: queued to this thread.
class WindowSide : public QObject
{
public:
    explicit WindowSide(DeviceStack& stack)
    {
        DeviceThread* worker = &stack.worker();
        connect(worker, &DeviceThread::uiDeviceHotplug, this, [this] { ++hotplugs; });
        connect(worker, &DeviceThread::uiFileTaskDone, this, [this](int ret) { fileResults.append(ret); });
    }

    int hotplugs = 0;
    QList<int> fileResults;
};

} // namespace

// The device worker over the stand-in device: what the window sees when the device comes, goes,
// is switched, or is busy.
class TestDeviceThread : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        DeviceStack::Options options;
        options.usbGuardKey = QStringLiteral("KestrovaTest_DeviceThread_%1").arg(QCoreApplication::applicationPid());
        m_stack = std::make_unique<DeviceStack>(options);
        m_a = &static_cast<SimLink&>(m_stack->addTransport(QStringLiteral("a"), QStringLiteral("A"),
                                                           std::make_unique<SimLink>(std::make_shared<SimDevice>())));
        m_b = &static_cast<SimLink&>(m_stack->addTransport(QStringLiteral("b"), QStringLiteral("B"),
                                                           std::make_unique<SimLink>(std::make_shared<SimDevice>())));
        m_wire.attach(*m_a);
        QVERIFY(m_stack->transports().select(QStringLiteral("a")));
        m_window = std::make_unique<WindowSide>(*m_stack);
    }

    void cleanup()
    {
        m_stack.reset();
        m_window.reset();
    }

    void unplugDuringPollPass()
    {
        startConnected();
        m_stack->protocol().vars().update(500, 0, 'U', 0, 4, reinterpret_cast<const uint8_t*>("\7\0\0\0"), 4);
        DeviceThread& worker = m_stack->worker();
        TaskLog log;

        // The user acts while the fifth variable is on the wire, and the cable is pulled at that moment: the pass
        // stops at that failed read, so nothing queued runs on the lost device.
        m_wire.setHook([&](uint8_t cmd, uint16_t) {
            if (cmd != Cmd::VAR_GET || m_wire.count(Cmd::VAR_GET) != 5)
                return;
            log.post(worker, QStringLiteral("first"));
            worker.postFileTask([] { return 0; }, false);
            log.post(worker, QStringLiteral("second"));
            m_a->device().unplug();
        });
        for (uint16_t id = 1; id <= 20; ++id)
            worker.addFastPoll(id);

        QTRY_COMPARE_WITH_TIMEOUT(m_window->hotplugs, 2, 5000);
        QVERIFY(!worker.isConnected());
        QCOMPARE(log.snapshot(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(m_window->fileResults, QList<int>{LIBUSB_ERROR_NO_DEVICE});
        QCOMPARE(m_stack->protocol().vars().count(), 1); // the values stay on screen while the device is away
    }

    void switchTransports()
    {
        m_b->device().unplug();
        startConnected();
        TransportManager& transports = m_stack->transports();
        DeviceThread& worker = m_stack->worker();
        m_stack->protocol().vars().update(500, 0, 'U', 0, 4, reinterpret_cast<const uint8_t*>("\7\0\0\0"), 4);
        TaskLog log;

        m_wire.setHook([&](uint8_t cmd, uint16_t) {
            if (cmd != Cmd::VAR_GET || m_wire.count(Cmd::VAR_GET) != 3)
                return;
            log.post(worker, QStringLiteral("queued"));
            transports.select(QStringLiteral("b"));
        });
        for (uint16_t id = 1; id <= 20; ++id)
            worker.addFastPoll(id);

        QTRY_COMPARE_WITH_TIMEOUT(m_window->hotplugs, 2, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(transports.activeLink(), m_b, 5000);
        QCOMPARE(log.snapshot(), QStringList{QStringLiteral("queued")});
        QVERIFY(!m_a->isOpen());
        QCOMPARE(m_stack->protocol().vars().count(), 0); // cleared at the switch, before any new device

        m_b->device().plug();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->hotplugs, 3, 5000);
        QVERIFY(m_b->isOpen());
    }

    // Another controller chosen on the same transport: the link is closed and opened again, the values and
    // PIN state of the one left behind cleared as at any switch.
    void reopenOnTheSameTransport()
    {
        startConnected();
        m_stack->protocol().vars().update(500, 0, 'U', 0, 4, reinterpret_cast<const uint8_t*>("\7\0\0\0"), 4);
        const int infos = m_wire.count(Cmd::INFO);
        QVERIFY(m_stack->transports().select(QStringLiteral("a"), true));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->hotplugs, 3, 5000);
        QVERIFY(m_stack->worker().isConnected());
        QCOMPARE(m_stack->transports().activeLink(), m_a);
        QVERIFY(m_wire.count(Cmd::INFO) > infos); // opened anew
        QCOMPARE(m_stack->protocol().vars().count(), 0);
    }

    void pollLists()
    {
        startConnected();
        DeviceThread& worker = m_stack->worker();

        // Leaving a page clears the lists while the fifth of its variables is being read.
        m_wire.setHook([&](uint8_t cmd, uint16_t) {
            if (cmd == Cmd::VAR_GET && m_wire.count(Cmd::VAR_GET) == 5)
                worker.clearPolls();
        });
        for (uint16_t id = 1; id <= 50; ++id)
            worker.addFastPoll(id);
        QTRY_COMPARE_WITH_TIMEOUT(m_wire.count(Cmd::VAR_GET), 5, 5000);
        const int cycles = m_wire.count(Cmd::INFO) + 3;
        QTRY_VERIFY_WITH_TIMEOUT(m_wire.count(Cmd::INFO) >= cycles, 5000);
        QCOMPARE(m_wire.count(Cmd::VAR_GET), 5);
    }

    void exitWhileCommandInFlight()
    {
        startConnected();
        m_a->setLatencyUs(20000);
        std::atomic<bool> onWire{false};
        std::atomic<int> lastResult{1};
        m_wire.setHook([&](uint8_t cmd, uint16_t) {
            if (cmd == Cmd::VAR_GET)
                onWire = true;
        });
        // A long job, like a transfer, that only ends when a command fails.
        DeviceProtocol& protocol = m_stack->protocol();
        QVERIFY(m_stack->worker().post([&] {
            int ret = 0;
            while ((ret = protocol.readVar(1)) == 0) {
            }
            lastResult = ret;
        }));
        QTRY_VERIFY_WITH_TIMEOUT(onWire.load(), 5000);

        auto exit = std::async(std::launch::async, [this] { m_stack->shutdown(); });
        QCOMPARE(exit.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        QVERIFY(m_stack->worker().isFinished());
        QCOMPARE(lastResult.load(), int(LIBUSB_ERROR_INTERRUPTED));
    }

private:
    void startConnected()
    {
        m_stack->start();
        QTRY_VERIFY_WITH_TIMEOUT(m_stack->worker().isConnected(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->hotplugs, 1, 5000);
    }

    Wire m_wire;
    std::unique_ptr<DeviceStack> m_stack;
    SimLink* m_a = nullptr;
    SimLink* m_b = nullptr;
    std::unique_ptr<WindowSide> m_window;
};

QTEST_GUILESS_MAIN(TestDeviceThread)
#include "TestDeviceThread.moc"
