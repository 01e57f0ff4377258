#pragma once

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

    explicit InstanceGuard(const QString& key = QString::fromLatin1(DefaultKey));
    ~InstanceGuard();

    // On failure note() says which process holds the device.
    bool claim();
    void release();
    bool isClaimed() const { return m_segment.isAttached(); }
    QString note() const { return m_note; }

private:
    bool writeOwnPid();
    // The process id recorded by the holder, 0 when the segment cannot be read.
    qint64 holderPid() const;

    QString m_key;
    QSharedMemory m_segment;
    QString m_note;
};
