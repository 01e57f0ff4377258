#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QTimer>

class VarsRegistry;

// Runs one text service command: writes it to the command variable, then polls the state variable
// until its text says the command ended.
class Device40000 : public QObject
{
    Q_OBJECT
public:
    enum State
    {
        Idle = 0,
        Waiting = 1,
        Ok = 2,
        Error = 3,
        Timeout = 4,
    };
    Q_ENUM(State)

    struct Spec
    {
        int commandVar = 0;
        int stateVar = 0;
        bool clearStateFirst = false;
        int timeoutMs = 0; // 0 or less: no time-out
        std::function<State(const QString& text)> parse;
    };

    static constexpr int PollMs = 300;

    static Spec stateSpec();
    static Spec logExportSpec();

    Device40000(VarsRegistry& registry, Spec spec, QObject* parent = nullptr);

    bool start(const QString& command);
    void cancel();
    State state() const { return m_state; }

Q_SIGNALS:
    void started(QString command);
    void finished(Device40000::State state, QString status);

private Q_SLOTS:
    void onWriteDone(int id, int code);
    void onVarsUpdated(QList<int> ids);
    void onTick();
    void onTimeout();

private:
    void finish(State state, const QString& text);

    VarsRegistry& m_registry;
    Spec m_spec;
    State m_state = Idle;
    QString m_command;
    bool m_commandWritten = false;
    QTimer m_poll;
    QTimer m_timeout;
};
