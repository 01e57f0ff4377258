#pragma once

#include <functional>
#include <optional>

#include <QCoreApplication>
#include <QList>
#include <QSharedPointer>
#include <QStringList>

#include "files/EfsFile.h"

class CliSession;

// The device file commands: ls, upload, download, rm, mv, through the window's file service and transfers.
class FileCommands
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
public:
    static bool handles(const QString& command);

    explicit FileCommands(CliSession& session) : m_session(session) {}
    int run(const QString& command, const QStringList& args);

private:
    // Waits for the device's file system to be ready: the exit status.
    int waitUntilReady();
    // The device's files, or the exit status when they could not be listed.
    int list(QList<QSharedPointer<EfsFile>>& files);
    // The listed file of that name, or the exit status with the reason told.
    int find(const QString& name, QSharedPointer<EfsFile>& file);
    // Starts a file task of the file service and waits for its end: the exit status.
    int task(const std::function<void()>& start);
    bool validName(const QString& name);

    int ls();
    int upload(const QString& local, const QString& name, bool yes);
    int download(const QString& name, const QString& local);
    int remove(const QString& name);
    int rename(const QString& from, const QString& to);

    CliSession& m_session;
};
