#pragma once

#include <memory>
#include <optional>

#include <QCoreApplication>

#include "CliCommand.h"
#include "vars/LineLog.h"
#include "vars/SettingsFile.h"

// "line": one settings file programmed into controller after controller, each recorded in the log.
class LineCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(LineCommand)
public:
    using CliCommand::CliCommand;

    static bool handles(const QString& command) { return command == QLatin1String("line"); }
    int prepare() override;
    int run() override;
    bool findsDevices() const override { return true; }

private:
    // Connects, sends the PIN and programs the controller now on the link.
    LineRecord serve();
    // Logs and tells the record: false when the log could not take it.
    bool record(const LineRecord& record);

    std::optional<SettingsFile> m_file;
    std::unique_ptr<LineLog> m_log;
    int m_done = 0;
    int m_failed = 0;
};
