#pragma once

#include <QCoreApplication>
#include <QStringList>

class CliSession;

// The device's clock and its text service commands: clock, command.
class DeviceCommands
{
    Q_DECLARE_TR_FUNCTIONS(DeviceCommands)
public:
    static bool handles(const QString& command);

    explicit DeviceCommands(CliSession& session) : m_session(session) {}
    int run(const QString& command, const QStringList& args);

private:
    int clock(bool sync);
    int serviceCommand(const QString& text);

    CliSession& m_session;
};
