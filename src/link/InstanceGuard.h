#pragma once

#include <optional>

#include <QCoreApplication>
#include <QSharedMemory>
#include <QString>

// Makes sure only one copy of the program talks to the USB device: a small shared-memory segment
// holding the owner's process id.
class InstanceGuard
{
    Q_DECLARE_TR_FUNCTIONS(UsbLink)
public:
    static constexpr const char* DefaultKey = "OrvoUI_usb_0483_5750";
    // How long a segment without a process id is taken for a copy still claiming it, not one that died.
    static constexpr int ClaimSettleMs = 200;

    explicit InstanceGuard(const QString& key = QString::fromLatin1(DefaultKey));
    ~InstanceGuard();

    // On failure note() says which process holds the device.
    bool claim();
    void release();
    bool isClaimed() const { return m_segment.isAttached(); }
    // The process holding the key when it is a running copy of this program, else 0; creates nothing, so
    // asking never stands in the way of a copy claiming it.
    qint64 liveHolder() const;
    QString note() const { return m_note; }

private:
    bool writeOwnPid();
    // The process id recorded by the holder (0 while none is written), nothing when the segment cannot be read.
    std::optional<qint64> holderPid() const;
    // The holder's process id, given a moment to appear when the segment has none yet; 0 when there is none.
    qint64 settledHolderPid() const;

    QString m_key;
    QSharedMemory m_segment;
    QString m_note;
};
