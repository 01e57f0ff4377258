#pragma once

#include <optional>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Exit statuses of kestrova-cli; scripts rely on them.
namespace CliExit {
constexpr int Ok = 0;
constexpr int Differences = 1; // compare: the file and the device differ
constexpr int Usage = 2;
constexpr int NoDevice = 3; // no device, or the link was lost and not recovered
constexpr int PinRefused = 4;
constexpr int Refused = 5; // the device refused an operation
constexpr int LocalFile = 6;
constexpr int Partial = 7; // apply: some settings were skipped; line: some controllers failed
} // namespace CliExit

// The command line of kestrova-cli: one command with its arguments, options anywhere before "--".
class CliOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
public:
    static constexpr int DefaultWaitSeconds = 10;
    // A day: far beyond any real wait, and well inside the milliseconds a timer counts.
    static constexpr int MaxWaitSeconds = 86400;
    // The word for standard input or output in place of a file.
    static constexpr QLatin1StringView StandardStream{"-"};

    bool demo = false;
    bool json = false;
    bool english = false;
    bool help = false;
    bool version = false;
    bool yes = false;
    bool save = false;
    bool sync = false;
    bool force = false;
    std::optional<QString> pin; // "-": one line of standard input
    QString pinFile;
    QString device; // the USB controller's serial number or port; empty: the only one connected
    int waitSeconds = DefaultWaitSeconds;
    QString logPath; // line: empty for standard output
    QString logFormat = QStringLiteral("csv");
    int count = 0; // line: controllers to serve, 0 for no end

    QString command;
    QStringList args;

    // Null with error set when the line is not one the program takes.
    static std::optional<CliOptions> parse(const QStringList& arguments, QString* error);
    // Whether the line asks for JSON output, even when it parses as nothing else.
    static bool wantsJson(const QStringList& arguments);
    static QString usage();
};
