#include "CliOptions.h"

#include <QHash>

namespace {

// Argument counts of each command: the fewest and the most (-1: any number).
struct Arity
{
    int least;
    int most;
};

const QHash<QString, Arity>& commands()
{
    static const QHash<QString, Arity> table{
        {QStringLiteral("info"), {0, 0}},     {QStringLiteral("get"), {1, -1}},
        {QStringLiteral("set"), {1, -1}},     {QStringLiteral("save-flash"), {0, 0}},
        {QStringLiteral("dump"), {0, 0}},     {QStringLiteral("save-settings"), {1, 1}},
        {QStringLiteral("compare"), {1, 1}},  {QStringLiteral("apply"), {1, 3}},
        {QStringLiteral("ls"), {0, 0}},       {QStringLiteral("upload"), {1, 3}},
        {QStringLiteral("download"), {1, 2}}, {QStringLiteral("rm"), {1, 1}},
        {QStringLiteral("mv"), {2, 2}},       {QStringLiteral("clock"), {0, 1}},
        {QStringLiteral("command"), {1, 1}},
    };
    return table;
}

} // namespace

std::optional<CliOptions> CliOptions::parse(const QStringList& arguments, QString* error)
{
    CliOptions o;
    qsizetype i = 1;
    auto value = [&](const QString& option) -> std::optional<QString> {
        if (i + 1 >= arguments.size()) {
            *error = tr("%1 needs a value").arg(option);
            return std::nullopt;
        }
        return arguments.at(++i);
    };
    for (; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!a.startsWith(QLatin1String("--")))
            break;
        if (a == QLatin1String("--demo")) {
            o.demo = true;
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--english")) {
            o.english = true;
        } else if (a == QLatin1String("--help")) {
            o.help = true;
            return o;
        } else if (a == QLatin1String("--pin")) {
            o.pin = value(a);
            if (!o.pin)
                return std::nullopt;
        } else if (a == QLatin1String("--wait")) {
            const std::optional<QString> seconds = value(a);
            bool ok = false;
            o.waitSeconds = seconds ? seconds->toInt(&ok) : 0;
            if (!ok || o.waitSeconds < 0) {
                if (seconds)
                    *error = tr("--wait takes a number of seconds, not \"%1\"").arg(*seconds);
                return std::nullopt;
            }
        } else {
            *error = tr("unknown option %1").arg(a);
            return std::nullopt;
        }
    }
    if (i >= arguments.size()) {
        *error = tr("no command given");
        return std::nullopt;
    }
    o.command = arguments.at(i);
    o.args = arguments.mid(i + 1);
    const auto arity = commands().constFind(o.command);
    if (arity == commands().cend()) {
        *error = tr("unknown command %1").arg(o.command);
        return std::nullopt;
    }
    const int count = int(o.args.size());
    if (count < arity->least || (arity->most >= 0 && count > arity->most)) {
        *error = tr("wrong number of arguments for %1").arg(o.command);
        return std::nullopt;
    }
    return o;
}

QString CliOptions::usage()
{
    return tr("Usage: kestrova-cli [--demo] [--pin PIN] [--wait SECONDS] [--json] [--english] COMMAND [ARGS...]\n"
              "  info                          model, serial, firmware, bootloader, algorithm, PIN state\n"
              "  get ID...                     each variable: id, type, value (as the settings file writes it), "
              "page and name when a page shows it\n"
              "  set ID=VALUE...               write values (value text as the settings file writes it); each is "
              "confirmed by a read-back\n"
              "  save-flash                    store the settings in flash and wait until the device reports it "
              "done\n"
              "  dump                          every variable the pages show: page, name, id, value as the page "
              "shows it\n"
              "  save-settings FILE            a settings file of the whole device (as \"Save settings to "
              "file…\")\n"
              "  compare FILE                  the differences between FILE and the device, as the window's "
              "compare lists them\n"
              "  apply FILE [--yes] [--save]   write the differences (asks on a terminal unless --yes), then save "
              "to flash with --save\n"
              "  ls                            the device's files: name, size, flags\n"
              "  upload LOCAL [NAME] [--yes]   safe upload (temporary name, size check, rename), resumable as in "
              "the window; --yes deletes a partial file in the way that is not part of LOCAL\n"
              "  download NAME [LOCAL]         verified download; an existing LOCAL is replaced only by a complete "
              "file\n"
              "  rm NAME | mv OLD NEW          delete or rename a device file\n"
              "  clock [--sync]                show the device clock; --sync sets it from this computer\n"
              "  command TEXT                  run a service command (as the Status tab's buttons) and print its "
              "result\n"
              "\n"
              "The device: USB, waited for up to --wait seconds (10); --demo uses the built-in demo device (PIN "
              "1234).\n"
              "The PIN: --pin, else the environment variable KESTROVA_PIN, else asked on the terminal.\n"
              "Exit status: 0 success (compare: identical), 1 compare found differences, 2 usage error, 3 no "
              "device or the link was lost, 4 PIN refused or locked, 5 the device refused an operation, 6 a local "
              "file could not be read or written.\n");
}
