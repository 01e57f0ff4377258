#pragma once

#include <QCoreApplication>
#include <QStringList>

class CliSession;

// The settings-file commands: save-settings, compare and apply, on the same snapshot, compare and write plan
// as the window's File menu.
class SnapshotCommands
{
    Q_DECLARE_TR_FUNCTIONS(SnapshotCommands)
public:
    static bool handles(const QString& command);

    explicit SnapshotCommands(CliSession& session) : m_session(session) {}
    int run(const QString& command, QStringList args);

private:
    int saveSettings(const QString& path);
    int compare(const QString& path);
    int apply(const QString& path, bool yes, bool save);

    CliSession& m_session;
};
