#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// kestrova-cli run as the user runs it, in English, with what it printed and its exit status.
struct CliRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;

    // The --json document; empty when the output does not parse as one.
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }

    // input, when given, is the program's whole standard input; otherwise it has none (a closed input).
    static CliRun run(const QStringList& args, const QProcessEnvironment& env, int timeoutMs = 30000,
                      const QByteArray& input = {})
    {
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(KESTROVA_CLI_EXE), QStringList{QStringLiteral("--english")} + args);
        cli.write(input);
        cli.closeWriteChannel();
        CliRun run;
        // The event loop keeps turning: an emulated USB device answers from this process.
        if (!cli.waitForStarted(5000) ||
            !QTest::qWaitFor([&cli] { return cli.state() == QProcess::NotRunning; }, timeoutMs)) {
            cli.kill();
            cli.waitForFinished(5000);
            return run;
        }
        run.status = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
        run.out = cli.readAllStandardOutput();
        run.err = cli.readAllStandardError();
        return run;
    }
};
