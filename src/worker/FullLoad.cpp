#include "FullLoad.h"

#include "link/DeviceLink.h"
#include "worker/DeviceStack.h"

FullLoad::FullLoad(DeviceStack& stack, QObject* parent) : QObject(parent), m_stack(stack)
{
    constexpr auto queued = Qt::QueuedConnection;
    connect(
        &stack.protocol(), &DeviceProtocol::uiVarsLoadEnd, this, [this] { finish(true); }, queued);
    connect(
        &stack.worker(), &DeviceThread::uiDeviceHotplug, this,
        [this] {
            if (!linkOpen())
                finish(false);
        },
        queued);
    connect(&m_progress, &QTimer::timeout, this,
            [this] { Q_EMIT progress(m_stack.protocol().loadAnswered(), m_total); });
}

bool FullLoad::linkOpen() const
{
    const DeviceLink* link = m_stack.transports().activeLink();
    return link && link->isOpen() && m_stack.worker().isConnected();
}

void FullLoad::start(const QList<uint16_t>& ids)
{
    m_running = true;
    m_total = int(ids.size());
    if (!linkOpen()) {
        // Told after the caller's start returns, as every other end is.
        QTimer::singleShot(0, this, [this] { finish(false); });
        return;
    }
    m_stack.worker().setLoadList(ids);
    m_progress.start(ProgressMs);
    m_stack.worker().requestFullLoad();
}

void FullLoad::finish(bool loaded)
{
    if (!m_running)
        return;
    m_running = false;
    m_progress.stop();
    if (loaded)
        Q_EMIT progress(m_total, m_total);
    Q_EMIT finished(loaded);
}
