#pragma once

#include "CliOptions.h"

class CliSession;

// One group of kestrova-cli's commands. prepare() checks the arguments and the local files before the device
// is looked for, so that a mistake on the command line costs neither the wait nor a PIN attempt; run() then
// works on the opened device.
class CliCommand
{
public:
    CliCommand(CliSession& session, const CliOptions& options) : m_session(session), m_options(options) {}
    virtual ~CliCommand() = default;

    virtual int prepare() { return CliExit::Ok; }
    // False for a command that works without opening a device, and so without a PIN.
    virtual bool needsDevice() const { return true; }
    virtual int run() = 0;
    // The command waits for its devices itself, rather than the one device found before it runs.
    virtual bool findsDevices() const { return false; }

protected:
    CliSession& m_session;
    const CliOptions& m_options;
};
