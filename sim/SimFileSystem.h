#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMutex>

// The stand-in device's embedded file system: a flat set of files in flash with one open file at a
// time, answering the EFS commands. It has its own lock, so a test may look at and change the files
// while the worker exchanges frames with the device.
class SimFileSystem
{
public:
    static constexpr int NameField = 25;
    static constexpr uint8_t OrdinaryMark = 0xFF;
    static constexpr uint8_t Ready = 0;
    static constexpr uint8_t Starting = 2;
    static constexpr uint8_t ReadOnly = 253;
    static constexpr uint32_t SectorSize = 4096;

    struct File
    {
        uint16_t id = 0;
        QByteArray name; // Latin-1
        QByteArray data;
        uint32_t created = 0; // seconds since 2000-01-01 UTC
        uint8_t system = OrdinaryMark;
    };

    struct Reply
    {
        uint8_t status = 0;
        QByteArray payload;
    };

    SimFileSystem();

    // One EFS command. room is what the reply frame can carry; now is the device's millisecond
    // clock and seconds its calendar clock (seconds since 2000, 0 when never set).
    Reply execute(uint8_t cmd, const QByteArray& payload, int room, qint64 now, uint32_t seconds);
    // Power-up or restart: the open file is forgotten and the file system mounts for a while.
    void restart(qint64 now);
    // The host went away: whatever it had open is closed.
    void closeSession();

    // The demo content: a log, a configuration, a sound and two system files.
    void fillDemo();

    // Test access.
    QList<File> files() const; // by id
    std::optional<File> file(const QByteArray& name) const;
    // An id of 0 picks the lowest free id.
    uint16_t addFile(const QByteArray& name, const QByteArray& data, uint8_t system = OrdinaryMark, uint16_t id = 0,
                     uint32_t created = 0);
    bool removeFile(const QByteArray& name);
    // The device writing a file of its own (a log export): false while the flash is starting or
    // read-only, or when the file does not fit. A file of that name is replaced.
    bool storeOwnFile(const QByteArray& name, const QByteArray& data, qint64 now, uint32_t seconds);
    void clear();
    // EFS commands served so far (command id and request payload), oldest first; the last 1024.
    QList<std::pair<uint8_t, QByteArray>> requests() const;
    void clearRequests();

    // Knobs.
    void setShortWrites(bool on); // every write stores one byte less than it was given
    void setSeekSupported(bool on);
    void setFlashSize(uint32_t bytes);
    void setFlashFull(bool on);
    void setReadOnly(bool on);
    void setStartupMs(qint64 ms);
    void setRefusesStats(bool on); // the flash statistics are refused (status 5)
    uint8_t status(qint64 now) const;

private:
    File* byId(uint16_t id);
    File* byName(const QByteArray& name);
    uint16_t freeId() const;
    uint32_t usedSectors() const;
    uint32_t freeSectors() const;
    void eraseForUse();
    uint8_t statusLocked(qint64 now) const;

    Reply find(const QByteArray& payload) const;
    Reply list(const QByteArray& payload, int room) const;
    Reply create(const QByteArray& payload, uint32_t seconds);
    Reply open(const QByteArray& payload);
    Reply read(const QByteArray& payload, int room);
    Reply write(const QByteArray& payload);
    Reply seek(const QByteArray& payload);
    Reply rename(const QByteArray& payload);
    Reply unlink(const QByteArray& payload);
    Reply stats(qint64 now) const;

    mutable QMutex m_mutex;
    QMap<uint16_t, File> m_files;
    std::optional<uint16_t> m_open;
    uint32_t m_position = 0;

    uint32_t m_flashSize = 4 * 1024 * 1024;
    uint32_t m_dirtySectors = 0; // released by deletions and not erased yet
    uint32_t m_eraseCycles = 0;
    bool m_full = false;
    bool m_readOnly = false;
    bool m_shortWrites = false;
    bool m_seek = true;
    bool m_refusesStats = false;
    qint64 m_startupMs = 0;
    qint64 m_readyAt = 0;
    QList<std::pair<uint8_t, QByteArray>> m_requests;
};
