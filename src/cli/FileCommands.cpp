#include "FileCommands.h"

#include <atomic>
#include <memory>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonObject>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "files/FileNames.h"
#include "files/FileService.h"
#include "files/TransferOutcome.h"
#include "link/DeviceLink.h"
#include "platform/Platform.h"
#include "worker/DeviceStack.h"

namespace {

constexpr int ReadyLimitMs = 10000;
constexpr int ReadyPollMs = 500;

} // namespace

bool FileCommands::handles(const QString& command)
{
    return QStringList{QStringLiteral("ls"), QStringLiteral("upload"), QStringLiteral("download"), QStringLiteral("rm"),
                       QStringLiteral("mv")}
        .contains(command);
}

int FileCommands::run(const QString& command, const QStringList& args)
{
    if (const int status = waitUntilReady(); status != CliExit::Ok)
        return status;
    if (command == QLatin1String("ls"))
        return ls();
    if (command == QLatin1String("upload")) {
        QStringList rest = args;
        const bool yes = rest.removeAll(QStringLiteral("--yes")) > 0;
        if (rest.isEmpty() || rest.size() > 2) {
            m_session.out().error(tr("upload takes LOCAL, an optional NAME and the flag --yes"));
            return CliExit::Usage;
        }
        return upload(rest.at(0), rest.value(1, QFileInfo(rest.at(0)).fileName()), yes);
    }
    if (command == QLatin1String("download"))
        return download(args.at(0), args.value(1, FileNames::safeLocalName(args.at(0))));
    if (command == QLatin1String("rm"))
        return remove(args.at(0));
    return rename(args.at(0), args.at(1));
}

int FileCommands::waitUntilReady()
{
    DeviceProtocol& protocol = m_session.stack().protocol();
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const std::optional<int> ret = m_session.run([&protocol] { return protocol.efsStats(); });
        if (!ret || *ret < 0)
            return m_session.lostLink();
        if (efsUsable(protocol.efsStatus()))
            return CliExit::Ok;
        if (waited.elapsed() >= ReadyLimitMs) {
            m_session.out().error(tr("The device's file system is not ready (status %1).").arg(protocol.efsStatus()));
            return CliExit::Refused;
        }
        m_session.waitFor([] { return false; }, ReadyPollMs);
    }
}

int FileCommands::list(QList<QSharedPointer<EfsFile>>& files)
{
    DeviceProtocol& protocol = m_session.stack().protocol();
    const std::optional<int> ret = m_session.run([&protocol, &files] {
        const int result = protocol.fileUpdateList(false);
        files = protocol.files();
        return result;
    });
    if (!ret || *ret < 0)
        return m_session.lostLink();
    if (*ret > 0)
        return CliExit::Refused;
    return CliExit::Ok;
}

int FileCommands::find(const QString& name, QSharedPointer<EfsFile>& file)
{
    QList<QSharedPointer<EfsFile>> files;
    if (const int status = list(files); status != CliExit::Ok)
        return status;
    for (const QSharedPointer<EfsFile>& f : std::as_const(files)) {
        if (f->name == name) {
            file = f;
            break;
        }
    }
    if (!file) {
        m_session.out().error(tr("The device has no file %1").arg(name));
        return CliExit::Refused;
    }
    // The window keeps system files out of reach; so does this program.
    if (file->system) {
        m_session.out().error(tr("%1 is a system file of the device and cannot be changed").arg(name));
        return CliExit::Refused;
    }
    return CliExit::Ok;
}

bool FileCommands::validName(const QString& name)
{
    if (FileNames::isValidDeviceName(name))
        return true;
    m_session.out().error(
        tr("\"%1\" is not a device file name: 1-%2 characters, Latin-1 only").arg(name).arg(EfsFile::MaxName));
    return false;
}

int FileCommands::task(const std::function<void()>& start)
{
    FileService& service = m_session.stack().files();
    CliOutput& out = m_session.out();
    std::optional<int> result;
    QString label;
    qlonglong total = 0;
    QObject context;
    QObject::connect(&service, &FileService::taskDone, &context, [this, &result](int ret) {
        result = ret;
        m_session.wake();
    });
    QObject::connect(&service, &FileService::taskFile, &context, [&label, &total](const QString& l, qlonglong t) {
        label = l;
        total = t;
    });
    const auto progress = [&](int bytes) { out.progress(tr("%1: %2 of %3 bytes").arg(label).arg(bytes).arg(total)); };
    QObject::connect(&service, &FileService::writeUpdate, &context, [&progress](uint16_t, int n) { progress(n); });
    QObject::connect(&service, &FileService::readUpdate, &context, [&progress](uint16_t, int n) { progress(n); });
    start();
    // A transfer rides out a lost link as long as the program waits for the device; its result says how it ended.
    m_session.waitFor([&result] { return result.has_value(); }, -1, false);
    if (!result)
        return m_session.lostLink();
    const int ret = *result;
    if (ret == 0)
        return CliExit::Ok;
    const DeviceLink* link = m_session.stack().transports().activeLink();
    if (ret == FileResult::Dropped || !link || !link->isOpen())
        return m_session.lostLink();
    if (ret == FileResult::LocalFailure)
        return CliExit::LocalFile;
    if (ret > 0 || ret == FileResult::Shown || ret == FileResult::Incomplete || ret == FileResult::NoSeek)
        return CliExit::Refused;
    out.error(TransferOutcome::text(ret));
    return CliExit::NoDevice;
}

int FileCommands::ls()
{
    QList<QSharedPointer<EfsFile>> files;
    if (const int status = list(files); status != CliExit::Ok)
        return status;
    for (const QSharedPointer<EfsFile>& f : std::as_const(files)) {
        const QString flags = f->system ? QStringLiteral("system") : QString();
        const QString created = f->created.toString(Qt::ISODate);
        m_session.out().row(QStringLiteral("files"), {f->name, QString::number(f->size), flags, created},
                            {{QStringLiteral("name"), f->name},
                             {QStringLiteral("size"), qint64(f->size)},
                             {QStringLiteral("system"), f->system},
                             {QStringLiteral("created"), created}});
    }
    return CliExit::Ok;
}

int FileCommands::upload(const QString& local, const QString& name, bool yes)
{
    QFile file(local);
    if (!file.open(QIODevice::ReadOnly)) {
        m_session.out().error(tr("Cannot open local file %1: %2").arg(local, file.errorString()));
        return CliExit::LocalFile;
    }
    const qint64 size = file.size();
    file.close();
    if (!validName(name))
        return CliExit::Usage;
    QList<QSharedPointer<EfsFile>> files;
    if (const int status = list(files); status != CliExit::Ok)
        return status;
    for (const QSharedPointer<EfsFile>& f : std::as_const(files)) {
        if (f->system && f->name.compare(name, Qt::CaseInsensitive) == 0) {
            m_session.out().error(tr("A system file '%1' exists, it cannot be replaced").arg(name));
            return CliExit::Refused;
        }
    }
    // A partial file in the way that is not part of this file is deleted only on the user's word: asked on a
    // terminal, given by --yes otherwise. Asked on the worker, so the answer without either is only noted there.
    const auto unanswered = std::make_shared<std::atomic<bool>>(false);
    m_session.stack().protocol().setQuestion([yes, unanswered](const QString& title, const QString& text) {
        if (yes)
            return true;
        if (!Platform::isTerminal(0)) {
            *unanswered = true;
            return false;
        }
        return CliSession::confirm(title + QStringLiteral(": ") + text);
    });
    FileService& service = m_session.stack().files();
    const int status = task([&] { service.fileUpload(local, name, false); });
    if (*unanswered)
        m_session.out().error(tr("Run the upload again with --yes to answer yes without a terminal."));
    if (status == CliExit::Ok) {
        m_session.out().set(QStringLiteral("uploaded"),
                            QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("size"), size}});
        m_session.out().line(tr("Uploaded %1 as '%2' (%n byte(s))", nullptr, int(size)).arg(local, name));
    }
    return status;
}

int FileCommands::download(const QString& name, const QString& local)
{
    QSharedPointer<EfsFile> file;
    if (const int status = find(name, file); status != CliExit::Ok)
        return status;
    const QString path = QFileInfo(local).isDir() ? QDir(local).filePath(FileNames::safeLocalName(name)) : local;
    FileService& service = m_session.stack().files();
    const int status = task([&] { service.fileDownload({{file->id, file->name, file->size, path}}); });
    if (status == CliExit::Ok) {
        m_session.out().set(QStringLiteral("downloaded"), QJsonObject{{QStringLiteral("name"), name},
                                                                      {QStringLiteral("file"), path},
                                                                      {QStringLiteral("size"), qint64(file->size)}});
        m_session.out().line(tr("Downloaded '%1' to %2 (%n byte(s))", nullptr, int(file->size)).arg(name, path));
    }
    return status;
}

int FileCommands::remove(const QString& name)
{
    QSharedPointer<EfsFile> file;
    if (const int status = find(name, file); status != CliExit::Ok)
        return status;
    FileService& service = m_session.stack().files();
    const int status = task([&] { service.fileDeleteMany({file->id}); });
    if (status == CliExit::Ok)
        m_session.out().line(tr("Deleted '%1' from the device").arg(name));
    return status;
}

int FileCommands::rename(const QString& from, const QString& to)
{
    if (!validName(to))
        return CliExit::Usage;
    QSharedPointer<EfsFile> file;
    if (const int status = find(from, file); status != CliExit::Ok)
        return status;
    FileService& service = m_session.stack().files();
    const int status = task([&] { service.fileRenameAsync(file->id, to); });
    if (status == CliExit::Ok)
        m_session.out().line(tr("Renamed '%1' to '%2' on the device").arg(from, to));
    return status;
}
