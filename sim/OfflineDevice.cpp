#include "OfflineDevice.h"

#include "SimDevice.h"
#include "SimLink.h"
#include "worker/DeviceStack.h"

namespace {
constexpr uint8_t SaveFailed = 1;
constexpr qint64 SaveDurationMs = 50;
constexpr qint64 ReopenGapMs = 3000;
} // namespace

OfflineDevice::OfflineDevice(DeviceStack& stack) : m_stack(stack)
{}

OfflineDevice::~OfflineDevice()
{
    if (m_device)
        m_device->setSaveHandler({});
}

bool OfflineDevice::open(const QString& path, QString* error)
{
    std::optional<SettingsFile> file = SettingsFile::read(path, error);
    if (!file)
        return false;
    if (!m_device) {
        m_device = std::make_shared<SimDevice>();
        m_device->setAcceptsAnyPin(true);
        m_device->setSaveDurationMs(SaveDurationMs);
        m_device->setSaveHandler([this](const SettingsFile& settings) { return saveBack(settings); });
        m_stack.addTransport(TransportId, QStringLiteral(QT_TRANSLATE_NOOP("TransportManager", "Offline file")),
                             std::make_unique<SimLink>(m_device));
    }
    {
        QMutexLocker lock(&m_mutex);
        m_path = path;
        m_header = *file;
        m_header.entries.clear();
    }
    DeviceLink* link = m_stack.transports().find(TransportId);
    if (m_stack.transports().activeLink() == link) {
        // A file opened over another one: off the bus long enough for the worker to notice, so that it
        // connects and loads afresh.
        m_device->unplug();
        m_device->loadProfile(*file);
        m_device->plugAfter(ReopenGapMs);
    } else {
        m_device->loadProfile(*file);
        m_device->plug();
    }
    m_stack.transports().select(TransportId);
    return true;
}

QString OfflineDevice::path() const
{
    QMutexLocker lock(&m_mutex);
    return m_path;
}

uint8_t OfflineDevice::saveBack(const SettingsFile& settings)
{
    QMutexLocker lock(&m_mutex);
    SettingsFile file = m_header;
    file.entries = settings.entries;
    file.saved = QDateTime::currentDateTimeUtc();
    QString error;
    if (!file.write(m_path, &error)) {
        qWarning("%s", qPrintable(error));
        return SaveFailed;
    }
    return 0;
}
