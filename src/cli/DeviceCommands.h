#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "CliCommand.h"

// The device's clock and its text service commands: clock, command.
class DeviceCommands : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(DeviceCommands)
public:
    static bool handles(const QString& command);
    // The service commands that make the car move or sound, as the help names them.
    static QStringList guardedNames();

    using CliCommand::CliCommand;
    int prepare() override;
    int run() override;

private:
    int clock(bool sync);
    int serviceCommand(const QString& text);
};
