#include "Cli.h"

#include <cstdio>

#include <QSettings>

#include "CliOptions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "DeviceCommands.h"
#include "FileCommands.h"
#include "SnapshotCommands.h"
#include "VarCommands.h"
#include "platform/Diagnostics.h"
#include "platform/Platform.h"

namespace {

// Qt's and the device's diagnostics (the protocol's traces) would mix with the program's own errors on
// standard error.
void discardMessage(QtMsgType, const QMessageLogContext&, const QString&)
{}

int dispatch(CliSession& session, const CliOptions& options)
{
    if (VarCommands::handles(options.command))
        return VarCommands(session).run(options.command, options.args);
    if (SnapshotCommands::handles(options.command))
        return SnapshotCommands(session).run(options.command, options.args);
    if (FileCommands::handles(options.command))
        return FileCommands(session).run(options.command, options.args);
    return DeviceCommands(session).run(options.command, options.args);
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
        std::fputs(qPrintable(tr("kestrova-cli: %1").arg(error) + QLatin1Char('\n') +
                              tr("Run kestrova-cli --help for the commands.") + QLatin1Char('\n')),
                   stderr);
        return CliExit::Usage;
    }
    if (options->help) {
        std::fputs(CliOptions::usage().toUtf8().constData(), stdout);
        return CliExit::Ok;
    }
    qInstallMessageHandler(discardMessage);
    Diagnostics::setEnabled(false);
    CliOutput out(options->json);
    int status = CliExit::Ok;
    {
        // The session ends, and with it the worker, before the result is written.
        CliSession session(*options, out);
        status = session.open();
        if (status == CliExit::Ok)
            status = dispatch(session, *options);
    }
    out.finish(status);
    return status;
}
