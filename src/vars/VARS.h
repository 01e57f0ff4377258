#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>

#include "VarRecord.h"

// The program's copy of every variable read from the current device. Records keep their address
// for the life of the store (also across clear() and a reload), so pages may hold pointers to them.
class VARS : public QObject
{
    Q_OBJECT
public:
    explicit VARS(QObject* parent = nullptr);
    ~VARS() override;

    // Stores what the device reported; an answer that changes nothing (and meets no local edit) stays silent.
    VarRecord* update(uint16_t id, uint16_t redir, uint8_t type, uint16_t flags, uint16_t maxLen, const uint8_t* data,
                      int dataLen);
    VarRecord* find(uint16_t id);
    VarRecord snapshot(uint16_t id, bool* found = nullptr) const;
    VarRecord snapshotAt(int index, bool* found = nullptr) const;
    int count() const;
    int indexOf(uint16_t id) const;

    QString valueText(const VarRecord& record) const;
    void setValueText(VarRecord& record, const QString& text);
    void setInv(VarRecord& record, bool on);
    // Puts back the value and inversion of an earlier device answer; the redirect goes through setRedir.
    void restoreValue(VarRecord& record, const VarRecord& saved);
    bool setRedir(uint16_t id, uint16_t target);
    // Puts a live record's value, flags and redirect back as they were before a local edit that never reached
    // the device.
    void restore(const VarRecord& before);
    // Ids redirected to target, ascending.
    QList<uint16_t> redirSources(uint16_t target) const;

    // The integers a number variable can hold as the device gave it (type and length); false for
    // types that hold no integer.
    static bool integerRange(const VarRecord& record, qint64* min, qint64* max);
    static QString typeName(const VarRecord& record);
    static QString flagsText(const VarRecord& record);
    static QString errorText(int code);
    static QString errorTextTr(int code);

    // Any number of marks between two takeDirty() calls give one varsDirty().
    void markDirty(uint16_t id);
    QSet<uint16_t> takeDirty();
    void clear();

    int textLimit() const;
    void setTextLimit(int limit);

    // The store's lock, for callers that edit a live record in place (the registry's jobs). The standard
    // recursive mutex, unlike Qt's out-of-line one, keeps the store's locking visible to the thread sanitizer.
    std::recursive_mutex& mutex() const { return m_mutex; }

Q_SIGNALS:
    void varsDirty();

private:
    VarRecord* allocate(uint16_t id);
    void addSource(uint16_t target, uint16_t id);
    void removeSource(uint16_t target, uint16_t id);
    static void storeValue(VarRecord& record, const uint8_t* bytes, int count);

    mutable std::recursive_mutex m_mutex;
    QHash<uint16_t, VarRecord*> m_live;
    QHash<uint16_t, VarRecord*> m_retired;
    std::vector<uint16_t> m_ids;
    QHash<uint16_t, QList<uint16_t>> m_sources;
    std::vector<std::unique_ptr<VarRecord>> m_records; // owns every record ever allocated
    int m_textLimit = VarRecord::DefaultTextLimit;

    QMutex m_dirtyMutex;
    QSet<uint16_t> m_dirty;
    bool m_dirtyPending = false;
};
