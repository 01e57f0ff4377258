#pragma once

#include <atomic>
#include <functional>

#include <QElapsedTimer>

// Milliseconds for the stand-in device's timers. Tests use a manual clock so that a 30 s PIN lock
// or a slow flash save takes no wall time.
class SimClock
{
public:
    virtual ~SimClock() = default;
    virtual qint64 nowMs() const = 0;
};

class SteadyClock : public SimClock
{
public:
    SteadyClock() { m_timer.start(); }
    qint64 nowMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

class ManualClock : public SimClock
{
public:
    qint64 nowMs() const override { return m_now.load(); }
    void advance(qint64 ms) { m_now += ms; }

private:
    std::atomic<qint64> m_now{0};
};
