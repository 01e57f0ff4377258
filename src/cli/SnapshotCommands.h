#pragma once

#include <optional>

#include <QCoreApplication>
#include <QStringList>

#include "CliCommand.h"
#include "vars/SettingsFile.h"

// The settings-file commands: save-settings, compare and apply, on the same snapshot, compare and write plan
// as the window's File menu.
class SnapshotCommands : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(SnapshotCommands)
public:
    static bool handles(const QString& command);

    using CliCommand::CliCommand;
    int prepare() override;
    int run() override;

private:
    int saveSettings(const QString& path);
    int compare();
    int apply();

    std::optional<SettingsFile> m_file; // compare and apply: the file, read before the device is looked for
};
