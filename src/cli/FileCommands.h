#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QList>
#include <QSharedPointer>
#include <QStringList>

#include "CliCommand.h"
#include "UploadSource.h"
#include "files/EfsFile.h"

class LocalTarget;

// The device file commands: ls, upload, download, rm, mv, through the window's file service and transfers.
class FileCommands : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
public:
    static bool handles(const QString& command);

    FileCommands(CliSession& session, const CliOptions& options);
    ~FileCommands() override;
    int prepare() override;
    int run() override;

private:
    // Waits for the device's file system to be ready: the exit status.
    int waitUntilReady();
    // The device's files, or the exit status when they could not be listed.
    int list(QList<QSharedPointer<EfsFile>>& files);
    // The listed file of that name that is not a system file, or the exit status with the reason told.
    int find(const QString& name, QSharedPointer<EfsFile>& file, const QString& systemRefusal);
    // A name a file may be given on the device: well formed, and not the name of a system file.
    int acceptableName(const QString& name, const QList<QSharedPointer<EfsFile>>& files);
    // Starts a file task of the file service and waits for its end: the exit status. localPath names the
    // local file in a message when the task fails on it.
    int task(const std::function<void()>& start, const QString& localPath);
    bool validName(const QString& name);

    int ls();
    int upload(const QString& name);
    int download(const QString& name);
    int remove(const QString& name);
    int rename(const QString& from, const QString& to);

    UploadSource m_source;
    std::unique_ptr<LocalTarget> m_target;
};
