#pragma once

#include <memory>

#include <QMutex>
#include <QString>

#include "vars/SettingsFile.h"

class DeviceStack;
class SimDevice;

// A saved settings file as a device: the stand-in device loaded from the file answers the variable
// commands behind the transport "offline", so every page shows and edits the file's values. A flash save
// on it writes the settings back to the file, atomically.
class OfflineDevice
{
public:
    static inline const QString TransportId = QStringLiteral("offline");

    explicit OfflineDevice(DeviceStack& stack);
    ~OfflineDevice();

    // Reads the file and selects the transport; on a fault nothing changes and error says why.
    bool open(const QString& path, QString* error = nullptr);
    QString path() const;
    SimDevice* device() const { return m_device.get(); }

private:
    uint8_t saveBack(const SettingsFile& settings);

    DeviceStack& m_stack;
    std::shared_ptr<SimDevice> m_device;
    mutable QMutex m_mutex; // the file and its header, read by saves on the worker thread
    QString m_path;
    SettingsFile m_header;
};
