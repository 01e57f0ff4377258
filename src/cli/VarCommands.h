#pragma once

#include <cstdint>
#include <optional>

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include "CliCommand.h"
#include "vars/SnapshotWriter.h"

// The commands on single variables and the device's identity: info, get, set, save-flash, dump.
class VarCommands : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(VarCommands)
public:
    static bool handles(const QString& command);
    // Ids 1 to 65535; nothing (and the bad word named) when one is not.
    static std::optional<QList<uint16_t>> parseIds(const QStringList& words, QString* bad);
    // Prints each write's outcome; the exit status for them all.
    static int report(CliSession& session, const QList<SnapshotWriter::Result>& results);
    // Stores the settings in flash and waits for the device to finish: the exit status.
    static int saveFlash(CliSession& session);

    using CliCommand::CliCommand;
    int prepare() override;
    int run() override;

private:
    int info();
    int get();
    int set();
    int dump();

    QList<uint16_t> m_ids;
    QStringList m_values; // set: the value given for each id
};
