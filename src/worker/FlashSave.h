#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class DeviceProtocol;
class DeviceThread;

// Stores the device's settings in flash: starts the save, then asks until the device reports it over.
// Never blocks the caller's thread.
class FlashSave : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Saved,
        Refused, // the device did not start, failed or did not finish the save: the text says which
        Lost,    // the link to the device went
    };

    static constexpr int PollMs = 200;
    static constexpr int LimitMs = 60000;

    FlashSave(DeviceThread& worker, DeviceProtocol& protocol, QObject* parent = nullptr);

    // A second start while running is ignored.
    void start();
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void finished(FlashSave::Outcome outcome, const QString& text);

private:
    void poll();
    void finish(Outcome outcome, const QString& text = QString());

    DeviceThread& m_worker;
    DeviceProtocol& m_protocol;
    QElapsedTimer m_elapsed;
    bool m_running = false;
};
