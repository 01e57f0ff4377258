#pragma once

#include <atomic>

#include <QByteArray>
#include <QMutex>
#include <QString>

#include "SettingsFile.h"
#include "VarTable.h"
#include "link/DeviceLink.h"

// A saved settings file as the device. It answers only what a file can: the information and PIN commands
// from the file's header, the variable commands from its settings, and a flash save by writing the settings
// back into the file. Files, the clock, restarts and service commands are refused as on any link that does
// not carry them, so nothing can look as if it reached a car.
class SettingsFileLink : public DeviceLink
{
public:
    static inline const QString TransportId = QStringLiteral("settings-file");

    SettingsFileLink();

    // Reads the file and serves it from now on. A link that was serving another file drops its connection,
    // so that the worker connects again and loads the new settings. On a fault nothing changes.
    bool load(const QString& path, QString* error = nullptr);
    QString path() const;
    // Why the last flash save could not write the file; empty after a save that did.
    QString saveError() const;
    // Writes the settings as they are now into the file, as a flash save does, from any thread.
    bool writeBack(QString* error = nullptr);

    bool isOpen() const override;
    bool open() override;
    void close() override;
    int transact(unsigned tries, unsigned timeoutMs) override;
    int maxFrame() const override;
    int maxReplyFrame() const override;
    int maxTextLength() const override;
    uint32_t kindMask(uint8_t cmd, const CommandRecord& request) const override;
    bool isLiveDevice() const override;
    bool wantsStatusPoll() const override;

protected:
    int writeFrame(const uint8_t* frame, int size, unsigned timeoutMs) override;
    int readFrame(uint8_t* buffer, int capacity, unsigned timeoutMs) override;

private:
    struct Reply
    {
        uint8_t status = 0;
        QByteArray payload;
    };
    Reply execute(uint8_t cmd, const QByteArray& payload); // with m_mutex held
    Reply save(const QByteArray& payload);
    void writeFile(); // with m_mutex held

    std::atomic<bool> m_open{false};
    mutable QMutex m_mutex; // everything below: the file is loaded on the user interface thread
    QString m_path;
    SettingsFile m_header; // the file's identity, written back with the settings
    VarTable m_variables;
    QString m_saveError;
    QByteArray m_reply; // waiting to be read
};
