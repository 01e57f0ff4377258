#pragma once

#include <cstdint>

#include <QList>
#include <QObject>
#include <QTimer>

class DeviceStack;

// A full load of the variables the pages show into the store, as the window's load after the PIN. Never
// blocks the caller's thread; ends early when the link goes.
class FullLoad : public QObject
{
    Q_OBJECT
public:
    static constexpr int ProgressMs = 200;

    explicit FullLoad(DeviceStack& stack, QObject* parent = nullptr);

    // Starts over when running.
    void start(const QList<uint16_t>& ids);
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void progress(int done, int total);
    // loaded false: the link went before the load ended.
    void finished(bool loaded);

private:
    void finish(bool loaded);
    bool linkOpen() const;

    DeviceStack& m_stack;
    QTimer m_progress;
    int m_total = 0;
    bool m_running = false;
};
