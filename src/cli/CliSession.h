#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include "vars/SettingsFile.h"
#include "vars/SnapshotWriter.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"

class CliOptions;
class CliOutput;
class DeviceStack;
class QDeadlineTimer;
class QEventLoop;
class VARS;

// One run of kestrova-cli against one device: the device stack on the chosen transport, the wait for the
// device, its information and the PIN, and the synchronous steps the commands take on the worker.
class CliSession : public QObject
{
    Q_OBJECT
public:
    CliSession(const CliOptions& options, CliOutput& out);
    ~CliSession() override;

    // Takes the PIN from where the options say, before the device is looked for: CliExit::Ok or the status.
    int prepare();
    // Waits for the device, reads its information and sends the PIN: CliExit::Ok or the status to exit with.
    int open();
    // The steps of open() for a program that serves one device after another: the worker starts once; the
    // waits end early when stop() holds, and say whether what they waited for came.
    void start();
    bool waitForDevice(const std::function<bool()>& stop);
    // Reads the device's information: CliExit::Ok or NoDevice.
    int readInfo();
    // Sends the PIN: CliExit::Ok, PinRefused or NoDevice.
    int authenticate();
    bool waitForUnplug(const std::function<bool()>& stop);
    // Forgets the device that went, so that the next one is met as the first was.
    void forgetDevice();
    // Reads every variable the pages show, as the window's load does: CliExit::Ok or the status to exit with.
    int loadAll();
    // Reads these variables from the device into the store: CliExit::Ok or NoDevice. A variable the device
    // lacks is left out of the store, not an error.
    int read(const QList<uint16_t>& ids);
    // Runs work on the device worker and waits for its result; nullopt when the worker dropped it, the
    // device being gone.
    std::optional<int> run(std::function<int()> work);
    // Runs the event loop until done() holds (true), or timeoutMs passes (false; -1: no time limit), or the
    // link is lost (false) unless the wait rides out a loss.
    bool waitFor(const std::function<bool()>& done, int timeoutMs = -1, bool stopOnLoss = true);
    // Ends the current wait early, so that it looks at its condition again.
    void wake();
    // Says that the link was lost and gives the exit status for it.
    int lostLink();
    // A yes-or-no question on the terminal; no without one.
    static bool confirm(const QString& question);

    DeviceStack& stack() const { return *m_stack; }
    VARS& vars() const;
    const VarsUI& pages();
    VarsRegistry& registry();
    CliOutput& out() const { return m_out; }
    // The link was lost since the device was found, or is closed now (the worker may not have told yet).
    bool lost() const;

    QString infoModel() const { return m_infoModel; }
    QString infoSerial() const { return m_infoSerial; }
    // The device's answer to the PIN: 0 accepted, 2 accepted before.
    int pinCode() const { return m_pinCode; }

    // Writes the entries of a write plan through the registry, as the window's compare does, then reads each
    // written variable back: written only when the device confirmed the write and now holds the value.
    QList<SnapshotWriter::Result> write(const QList<SettingsFile::Entry>& writes);

Q_SIGNALS:
    // Emitted on the worker when a run's work has ended or was dropped.
    void workEnded();

private:
    std::optional<QString> pin() const;
    // The device was found, or the wait is over (a look was made, or the wait's grace ran out).
    bool found(const QDeadlineTimer& deadline, const QDeadlineTimer& grace) const;

    const CliOptions& m_options;
    CliOutput& m_out;
    std::unique_ptr<DeviceStack> m_stack;
    std::unique_ptr<VarsUI> m_pages;
    std::unique_ptr<VarsRegistry> m_registry; // after the stack, whose store it watches, so it goes first
    QEventLoop* m_loop = nullptr;
    QString m_pin; // never written anywhere
    bool m_connected = false;
    bool m_looked = false;
    bool m_lost = false;
    bool m_lossTold = false;
    bool m_started = false;
    QString m_blockNote;
    QString m_shownText; // the last message's text, which the log repeats
    QString m_infoModel;
    QString m_infoSerial;
    int m_pinCode = -1;
    uint32_t m_lockSeconds = 0;
};
