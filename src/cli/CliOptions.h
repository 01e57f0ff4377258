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
} // namespace CliExit

// The command line of kestrova-cli: global options, then one command with its arguments.
class CliOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliOptions)
public:
    static constexpr int DefaultWaitSeconds = 10;

    bool demo = false;
    bool json = false;
    bool english = false;
    bool help = false;
    std::optional<QString> pin;
    int waitSeconds = DefaultWaitSeconds;
    QString command;
    QStringList args;

    // Null with error set when the line is not one the program takes.
    static std::optional<CliOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
};
