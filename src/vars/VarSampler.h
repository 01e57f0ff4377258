#pragma once

#include <cstdint>

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMutex>

struct VarRecord;

// Notes, for the variables a plot watches, every read the worker makes: the value the device reported
// and when, or a gap when the read was refused, failed or the link was lost. The protocol fills it on
// the worker thread; the window takes the samples in batches.
class VarSampler
{
public:
    struct Sample
    {
        uint16_t id = 0;
        qint64 ms = 0;    // on the sampler's clock
        double value = 0; // NaN: a gap
    };

    // Keeps at most this many samples between two takes, so a window that stops taking costs no more.
    static constexpr qsizetype MaxPending = 100000;

    VarSampler();

    // Counted: a variable stays watched until every watch of it has been dropped.
    void watch(uint16_t id);
    void unwatch(uint16_t id);
    bool isWatched(uint16_t id) const;

    void noteValue(const VarRecord& record);
    void noteMissed(uint16_t id);
    void noteLinkLost();

    QList<Sample> take();
    qint64 nowMs() const { return m_clock.elapsed(); }

    // The number a numeric variable holds; NaN for text and raw values.
    static double numberOf(const VarRecord& record);

private:
    void append(uint16_t id, double value);

    QElapsedTimer m_clock;
    mutable QMutex m_mutex;
    QHash<uint16_t, int> m_watched;
    QList<Sample> m_pending;
};
