#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

#include "SimClock.h"
#include "SimVariables.h"

class SimDiagnostics;
class SimFileSystem;
class SimServiceCommands;

// The stand-in device: answers request frames with reply frames as the real controller does and
// keeps real state (PIN and lock, clock, flash save, restart, variables, files). It is thread-safe: the
// worker exchanges frames while a test inspects or changes the state.
class SimDevice
{
public:
    static constexpr int PinLockSeconds = 30;
    static constexpr int WrongPinsBeforeLock = 3;

    explicit SimDevice(std::shared_ptr<SimClock> clock = std::make_shared<SteadyClock>());
    ~SimDevice();

    // One request frame in, one reply frame out (at most maxReplyFrame bytes). An empty result
    // means the device stays silent: a bad CRC, a malformed frame, or no device on the bus.
    QByteArray handleRequest(const QByteArray& frame, int maxReplyFrame);

    SimClock& clock() const { return *m_clock; }
    // The device's files; locked on their own, so a test may use them while frames are exchanged.
    SimFileSystem& files() const { return *m_files; }

    // Presence on the bus: unplugged by a test or away while restarting.
    bool isPresent() const;
    void unplug();
    void plug();
    void plugAfter(qint64 ms);

    QString model() const;
    void setModel(const QString& model);
    QString serialNumber() const;
    void setSerialNumber(const QString& serial);
    QString manufacturer() const { return QStringLiteral("Orvo"); }
    QString product() const { return QStringLiteral("Orvo security controller"); }

    void setPin(const QByteArray& pin);
    bool pinAccepted() const;
    // The device refuses every PIN outright (status 255).
    void setRefusesAuth(bool on);

    // Seconds since 2000-01-01 UTC as the device counts them; 0 while never set.
    uint32_t clockValue() const;
    // The status both clock commands answer with; 0 serves them.
    void setClockRefusal(uint8_t status);

    void setSaveDurationMs(qint64 ms);
    // The error byte the next flash save ends with (0: success).
    void setSaveError(uint8_t error);
    int savesCompleted() const;

    void setRestartDurationMs(qint64 ms);
    int restarts() const;

    // Variables, from a settings profile; model and serial number follow the profile when it names them.
    bool loadProfile(const QString& path, QString* error = nullptr);
    void loadProfile(const SettingsFile& profile);
    // Model, serial number and variables as a profile.
    SettingsFile profile() const;
    std::optional<SimVariables::Variable> variable(uint16_t id) const;
    QList<uint16_t> variableIds() const;
    void setVariable(const SimVariables::Variable& variable);
    bool setVariableValue(uint16_t id, const QByteArray& value);
    // A device whose list replies hold at most this many bytes, below what the link's frame allows
    // (-1: the whole frame).
    void setListReplyRoom(int bytes);

    // Service commands: how long one runs on the device's clock, the word every command ends with
    // instead of its own outcome (empty: the outcome), and a device that never finishes a command
    // or a log export.
    void setCommandDurationMs(qint64 ms);
    void setCommandAnswer(const QByteArray& word);
    void setCommandsHang(bool on);

    // The diagnostic values (supply voltage, backup battery, GSM level) move as in a car; off, they hold
    // the profile's values. The seed makes a run repeatable.
    void setLiveDiagnostics(bool on, uint32_t seed = 23);
    // The next count reads of the variable are refused as if the device did not have it.
    void refuseReads(uint16_t id, int count);

    // Firmware that carries out a retried frame (the same bytes, sequence number included) again
    // instead of answering it from its last reply: a lost answer then means a command ran twice.
    void setRerunsRetries(bool on);

private:
    struct Reply
    {
        uint8_t status = 0;
        QByteArray payload;
    };
    // Runs one command; maxPayload is the room left in the reply frame. Called with the device lock held.
    Reply execute(uint8_t cmd, const QByteArray& payload, int maxPayload);
    Reply variableCommand(uint8_t cmd, const QByteArray& payload, int maxPayload);
    Reply info() const;
    Reply authenticate(const QByteArray& pin);
    Reply save(const QByteArray& payload);
    void settleSave();
    uint32_t deviceSeconds() const;

    mutable QMutex m_mutex;
    std::shared_ptr<SimClock> m_clock;
    std::unique_ptr<SimFileSystem> m_files;
    QString m_model = QStringLiteral("Orvo X7");
    QString m_serial = QStringLiteral("0012345");
    bool m_plugged = true;
    qint64 m_plugAtMs = -1; // replug time of an unplugged or restarting device, -1 for none

    QByteArray m_pin = QByteArrayLiteral("1234");
    bool m_pinAccepted = false;
    bool m_refusesAuth = false;
    int m_wrongPins = 0;
    qint64 m_lockUntilMs = -1;

    uint32_t m_clockBase = 0; // device seconds at m_clockSetMs; 0 while never set
    qint64 m_clockSetMs = 0;

    qint64 m_saveDurationMs = 300;
    uint8_t m_saveError = 0;
    uint8_t m_clockRefusal = 0;
    qint64 m_saveEndsMs = -1; // -1 while no save runs
    uint8_t m_lastSaveError = 0;
    int m_savesCompleted = 0;

    qint64 m_restartDurationMs = 1500;
    int m_restarts = 0;

    SimVariables m_variables;
    std::unique_ptr<SimServiceCommands> m_commands; // works on m_variables and m_files
    std::unique_ptr<SimDiagnostics> m_diagnostics;  // works on m_variables
    QHash<uint16_t, int> m_refusedReads;
    int m_listReplyRoom = -1;

    // The last request and its reply, so that a retried frame is answered without running twice.
    QByteArray m_lastRequest;
    QByteArray m_lastReply;
    bool m_rerunsRetries = false;
};
