#include "FileCommands.h"

#include <atomic>
#include <memory>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "LocalTarget.h"
#include "files/FileNames.h"
#include "files/FileService.h"
#include "files/TransferOutcome.h"
#include "link/DeviceLink.h"
#include "platform/Platform.h"
#include "vars/LocalTime.h"
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

FileCommands::FileCommands(CliSession& session, const CliOptions& options) : CliCommand(session, options)
{}

FileCommands::~FileCommands() = default;

int FileCommands::prepare()
{
    const QString& command = m_options.command;
    const QStringList& args = m_options.args;
    CliOutput& out = m_session.out();
    if (command == QLatin1String("upload")) {
        if (args.size() < 2 && args.first() == CliOptions::StandardStream) {
            out.error(tr("upload - needs the NAME the data gets on the device"));
            return CliExit::Usage;
        }
        if (!validName(args.value(1, QFileInfo(args.first()).fileName())))
            return CliExit::Usage;
        // Read before the device is opened: the wait and the PIN are not spent on an input that fails.
        QString error;
        if (!m_source.open(args.first(), &error)) {
            out.error(error);
            return CliExit::LocalFile;
        }
    } else if (command == QLatin1String("download")) {
        m_target = std::make_unique<LocalTarget>(args.value(1, FileNames::safeLocalName(args.first())),
                                                 FileNames::safeLocalName(args.first()));
        if (QString error; !m_target->reachable(&error)) {
            out.error(error);
            return CliExit::LocalFile;
        }
    } else if (command == QLatin1String("mv") && !validName(args.at(1))) {
        return CliExit::Usage;
    }
    return CliExit::Ok;
}

int FileCommands::run()
{
    if (const int status = waitUntilReady(); status != CliExit::Ok)
        return status;
    const QString& command = m_options.command;
    const QStringList& args = m_options.args;
    if (command == QLatin1String("ls"))
        return ls();
    if (command == QLatin1String("upload"))
        return upload(args.value(1, QFileInfo(args.first()).fileName()));
    if (command == QLatin1String("download"))
        return download(args.first());
    if (command == QLatin1String("rm"))
        return remove(args.first());
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

int FileCommands::find(const QString& name, QSharedPointer<EfsFile>& file, const QString& systemRefusal)
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
    // The window never lists system files; neither does this program reach them.
    if (file->system) {
        m_session.out().error(systemRefusal);
        return CliExit::Refused;
    }
    return CliExit::Ok;
}

int FileCommands::acceptableName(const QString& name, const QList<QSharedPointer<EfsFile>>& files)
{
    for (const QSharedPointer<EfsFile>& f : files) {
        if (f->system && f->name.compare(name, Qt::CaseInsensitive) == 0) {
            m_session.out().error(tr("A system file '%1' exists, it cannot be replaced").arg(name));
            return CliExit::Refused;
        }
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

int FileCommands::task(const std::function<void()>& start, const QString& localPath)
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
    const int errorsBefore = out.errorCount();
    start();
    // A transfer rides out a lost link as long as the program waits for the device; its result says how it ended.
    m_session.waitFor([&result] { return result.has_value(); }, -1, false);
    const int ret = result.value_or(FileResult::Dropped);
    if (ret == 0)
        return CliExit::Ok;
    const bool told = out.errorCount() > errorsBefore;
    const DeviceLink* link = m_session.stack().transports().activeLink();
    // The link's own results, and any failure while the link is down, are the link's: never a local problem.
    const bool linkFailed = FileResult::isLinkResult(ret) || ret == FileResult::DeviceGone;
    if (linkFailed || ret == FileResult::Dropped || !link || !link->isOpen()) {
        if (linkFailed && !told)
            out.error(TransferOutcome::text(ret));
        return m_session.lostLink();
    }
    if (ret == FileResult::LocalFailure) {
        if (!told)
            out.error(tr("Cannot read or write the local file %1").arg(QDir::toNativeSeparators(localPath)));
        return CliExit::LocalFile;
    }
    // The rest in the words the window uses for a transfer's end, unless the reason was told already.
    if (!told)
        out.error(TransferOutcome::text(ret));
    return CliExit::Refused;
}

int FileCommands::ls()
{
    QList<QSharedPointer<EfsFile>> files;
    if (const int status = list(files); status != CliExit::Ok)
        return status;
    m_session.out().list(QStringLiteral("files"));
    for (const QSharedPointer<EfsFile>& f : std::as_const(files)) {
        const QString flags = f->system ? QStringLiteral("system") : QString();
        const QString created = f->created.isValid() ? LocalTime::iso(f->created) : QString();
        m_session.out().row(QStringLiteral("files"), {f->name, QString::number(f->size), flags, created},
                            {{QStringLiteral("name"), f->name},
                             {QStringLiteral("size"), qint64(f->size)},
                             {QStringLiteral("system"), f->system},
                             {QStringLiteral("created"), f->created.isValid() ? QJsonValue(created) : QJsonValue()}});
    }
    return CliExit::Ok;
}

int FileCommands::upload(const QString& name)
{
    QList<QSharedPointer<EfsFile>> files;
    if (const int status = list(files); status != CliExit::Ok)
        return status;
    if (const int status = acceptableName(name, files); status != CliExit::Ok)
        return status;
    // A partial file in the way that is not part of this file is deleted only on the user's word: asked on a
    // terminal, given by --yes otherwise. Asked on the worker, so the answer without either is only noted there.
    const auto unanswered = std::make_shared<std::atomic<bool>>(false);
    m_session.stack().protocol().setQuestion(
        [yes = m_options.yes, unanswered](const QString& title, const QString& text) {
            if (yes)
                return true;
            if (!Platform::isTerminal(0)) {
                *unanswered = true;
                return false;
            }
            return CliSession::confirm(title + QStringLiteral(": ") + text);
        });
    FileService& service = m_session.stack().files();
    const QString& local = m_options.args.first();
    const int status = task([&] { service.fileUpload(m_source.path(), name, false); }, local);
    if (*unanswered)
        m_session.out().error(tr("Run the upload again with --yes to answer yes without a terminal."));
    if (status == CliExit::Ok) {
        const qint64 size = m_source.size();
        m_session.out().set(QStringLiteral("uploaded"),
                            QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("size"), size}});
        m_session.out().note(tr("Uploaded %1 as '%2' (%n byte(s))", nullptr, int(size)).arg(local, name));
    }
    return status;
}

int FileCommands::download(const QString& name)
{
    QSharedPointer<EfsFile> file;
    if (const int status = find(name, file, tr("%1 is a system file and is not downloaded").arg(name));
        status != CliExit::Ok)
        return status;
    FileService& service = m_session.stack().files();
    // A stream cannot be replaced once complete: the verified download goes to a temporary file first and only
    // a complete file reaches the stream.
    QTemporaryDir spool;
    const QString path = m_target->isStream() ? spool.filePath(FileNames::safeLocalName(name)) : m_target->path();
    if (m_target->isStream() && !spool.isValid()) {
        m_session.out().error(tr("Cannot make a temporary folder: %1").arg(spool.errorString()));
        return CliExit::LocalFile;
    }
    int status = task([&] { service.fileDownload({{file->id, file->name, file->size, path}}); }, path);
    if (status == CliExit::Ok && m_target->isStream()) {
        QFile complete(path);
        QString error;
        if (!complete.open(QIODevice::ReadOnly) || !m_target->write(complete.readAll(), &error)) {
            m_session.out().error(error.isEmpty() ? complete.errorString() : error);
            status = CliExit::LocalFile;
        }
    }
    if (status == CliExit::Ok) {
        m_session.out().set(QStringLiteral("downloaded"), QJsonObject{{QStringLiteral("name"), name},
                                                                      {QStringLiteral("file"), m_target->path()},
                                                                      {QStringLiteral("size"), qint64(file->size)}});
        m_session.out().note(
            tr("Downloaded '%1' to %2 (%n byte(s))", nullptr, int(file->size)).arg(name, m_target->path()));
    }
    return status;
}

int FileCommands::remove(const QString& name)
{
    QSharedPointer<EfsFile> file;
    if (const int status = find(name, file, tr("%1 is a system file of the device and cannot be changed").arg(name));
        status != CliExit::Ok)
        return status;
    FileService& service = m_session.stack().files();
    const int status = task([&] { service.fileDeleteMany({file->id}); }, QString());
    if (status == CliExit::Ok)
        m_session.out().note(tr("Deleted '%1' from the device").arg(name));
    return status;
}

int FileCommands::rename(const QString& from, const QString& to)
{
    QList<QSharedPointer<EfsFile>> files;
    if (const int status = list(files); status != CliExit::Ok)
        return status;
    if (const int status = acceptableName(to, files); status != CliExit::Ok)
        return status;
    QSharedPointer<EfsFile> file;
    if (const int status = find(from, file, tr("%1 is a system file of the device and cannot be changed").arg(from));
        status != CliExit::Ok)
        return status;
    FileService& service = m_session.stack().files();
    const int status = task([&] { service.fileRenameAsync(file->id, to); }, QString());
    if (status == CliExit::Ok)
        m_session.out().note(tr("Renamed '%1' to '%2' on the device").arg(from, to));
    return status;
}
