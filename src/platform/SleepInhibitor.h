#pragma once

#include <QString>

#include <memory>

// Keeps the computer from going to sleep while held, for example while a file transfer runs:
// SetThreadExecutionState on Windows; on Linux the login manager's sleep lock or, failing that,
// the desktop's screen saver inhibition over D-Bus. Where neither exists holding does nothing.
class SleepInhibitor
{
public:
    explicit SleepInhibitor(QString reason);
    ~SleepInhibitor();
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    // Holding twice or releasing twice changes nothing.
    void hold();
    void release();
    bool isHeld() const { return m_held; }
    // True when the system actually granted the lock (false where no service is available).
    bool isEffective() const;

private:
    struct Lock;
    QString m_reason;
    bool m_held = false;
    std::unique_ptr<Lock> m_lock;
};
