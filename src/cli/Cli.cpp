#include "Cli.h"

#include <cstdio>
#include <memory>

#include <QSettings>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "DeviceCommands.h"
#include "DevicesCommand.h"
#include "FileCommands.h"
#include "LineCommand.h"
#include "SnapshotCommands.h"
#include "VarCommands.h"
#include "platform/Diagnostics.h"
#include "platform/Platform.h"

namespace {

// Qt's and the device's diagnostics (the protocol's traces) would mix with the program's own errors on
// standard error.
void discardMessage(QtMsgType, const QMessageLogContext&, const QString&)
{}

std::unique_ptr<CliCommand> commandFor(CliSession& session, const CliOptions& options)
{
    if (VarCommands::handles(options.command))
        return std::make_unique<VarCommands>(session, options);
    if (SnapshotCommands::handles(options.command))
        return std::make_unique<SnapshotCommands>(session, options);
    if (LineCommand::handles(options.command))
        return std::make_unique<LineCommand>(session, options);
    if (DevicesCommand::handles(options.command))
        return std::make_unique<DevicesCommand>(session, options);
    if (FileCommands::handles(options.command))
        return std::make_unique<FileCommands>(session, options);
    return std::make_unique<DeviceCommands>(session, options);
}

} // namespace

int Cli::run()
{
    const QStringList arguments = m_app.arguments();
    Platform::nameProgram();
    m_catalogue.install(Catalogue::chosen(arguments, QSettings()));
    QString error;
    const std::optional<CliOptions> options = CliOptions::parse(arguments, &error);
    if (!options) {
        CliOutput out(CliOptions::wantsJson(arguments));
        out.error(tr("kestrova-cli: %1").arg(error));
        out.note(tr("Run kestrova-cli --help for the commands."));
        return out.finish(CliExit::Usage);
    }
    if (options->help || options->version) {
        const QString text = options->help
                                 ? CliOptions::usage()
                                 : QStringLiteral("kestrova-cli %1\n").arg(QCoreApplication::applicationVersion());
        std::fputs(text.toUtf8().constData(), stdout);
        return CliOutput(false).finish(CliExit::Ok);
    }
    qInstallMessageHandler(discardMessage);
    Diagnostics::setEnabled(false);
    CliOutput out(options->json);
    int status = CliExit::Ok;
    {
        // The session ends, and with it the worker, before the result is written.
        CliSession session(*options, out);
        const std::unique_ptr<CliCommand> command = commandFor(session, *options);
        // The command's own checks first: a mistake there is not worth a PIN prompt.
        status = command->prepare();
        if (status == CliExit::Ok && command->needsDevice())
            status = session.prepare();
        if (status == CliExit::Ok && command->needsDevice() && !command->findsDevices())
            status = session.open();
        if (status == CliExit::Ok)
            status = command->run();
    }
    return out.finish(status);
}
