#include "CliOptions.h"

#include <QHash>

#include "DeviceCommands.h"

namespace {

// Argument counts of each command: the fewest and the most (-1: any number), and the options it takes
// besides the global ones.
struct Arity
{
    int least;
    int most;
    QStringList flags = {};
};

const QHash<QString, Arity>& commands()
{
    static const QHash<QString, Arity> table{
        {QStringLiteral("devices"), {0, 0}},
        {QStringLiteral("info"), {0, 0}},
        {QStringLiteral("get"), {1, -1}},
        {QStringLiteral("set"), {1, -1, {QStringLiteral("--force")}}},
        {QStringLiteral("save-flash"), {0, 0}},
        {QStringLiteral("dump"), {0, 0}},
        {QStringLiteral("save-settings"), {1, 1}},
        {QStringLiteral("compare"), {1, 1}},
        {QStringLiteral("apply"),
         {1, 1, {QStringLiteral("--yes"), QStringLiteral("--save"), QStringLiteral("--force")}}},
        {QStringLiteral("ls"), {0, 0}},
        {QStringLiteral("upload"), {1, 2, {QStringLiteral("--yes")}}},
        {QStringLiteral("download"), {1, 2}},
        {QStringLiteral("rm"), {1, 1}},
        {QStringLiteral("mv"), {2, 2}},
        {QStringLiteral("clock"), {0, 0, {QStringLiteral("--sync")}}},
        {QStringLiteral("command"), {1, 1, {QStringLiteral("--yes")}}},
        {QStringLiteral("line"),
         {1,
          1,
          {QStringLiteral("--log"), QStringLiteral("--log-format"), QStringLiteral("--count"),
           QStringLiteral("--save")}}},
    };
    return table;
}

// The options that take a value: "--wait 5" or "--wait=5".
bool takesValue(const QString& name)
{
    static const QStringList names{QStringLiteral("--pin"), QStringLiteral("--pin-file"),   QStringLiteral("--wait"),
                                   QStringLiteral("--device"), QStringLiteral("--log"), QStringLiteral("--log-format"),
                                   QStringLiteral("--count")};
    return names.contains(name);
}

} // namespace

bool CliOptions::wantsJson(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--"))
            return false;
        if (a == QLatin1String("--json"))
            return true;
        if (takesValue(a))
            ++i;
    }
    return false;
}

std::optional<CliOptions> CliOptions::parse(const QStringList& arguments, QString* error)
{
    CliOptions o;
    QStringList words;
    QStringList flags; // the command's own options, checked once the command is known
    bool optionsEnd = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (optionsEnd || a == StandardStream || !a.startsWith(QLatin1Char('-'))) {
            words << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        QString name = a;
        std::optional<QString> value;
        if (const qsizetype eq = a.indexOf(QLatin1Char('=')); a.startsWith(QLatin1String("--")) && eq > 0) {
            name = a.left(eq);
            value = a.mid(eq + 1);
        }
        if (takesValue(name) && !value) {
            if (i + 1 >= arguments.size()) {
                *error = tr("%1 needs a value").arg(name);
                return std::nullopt;
            }
            value = arguments.at(++i);
        } else if (!takesValue(name) && value) {
            *error = tr("%1 takes no value").arg(name);
            return std::nullopt;
        }
        if (name == QLatin1String("--demo")) {
            o.demo = true;
        } else if (name == QLatin1String("--json")) {
            o.json = true;
        } else if (name == QLatin1String("--english")) {
            o.english = true;
        } else if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            o.help = true;
        } else if (name == QLatin1String("--version")) {
            o.version = true;
        } else if (name == QLatin1String("--pin")) {
            o.pin = value;
        } else if (name == QLatin1String("--pin-file")) {
            o.pinFile = *value;
        } else if (name == QLatin1String("--device")) {
            if (value->isEmpty()) {
                *error = tr("--device needs a serial number or a port");
                return std::nullopt;
            }
            o.device = *value;
        } else if (name == QLatin1String("--wait")) {
            bool ok = false;
            const uint seconds = value->toUInt(&ok);
            if (!ok || seconds > uint(MaxWaitSeconds)) {
                *error =
                    tr("--wait takes a number of seconds from 0 to %1, not \"%2\"").arg(MaxWaitSeconds).arg(*value);
                return std::nullopt;
            }
            o.waitSeconds = int(seconds);
        } else if (name == QLatin1String("--log")) {
            o.logPath = *value;
            flags << name;
        } else if (name == QLatin1String("--log-format")) {
            if (*value != QLatin1String("csv") && *value != QLatin1String("jsonl")) {
                *error = tr("--log-format takes csv or jsonl, not \"%1\"").arg(*value);
                return std::nullopt;
            }
            o.logFormat = *value;
            flags << name;
        } else if (name == QLatin1String("--count")) {
            bool ok = false;
            o.count = value->toInt(&ok);
            if (!ok || o.count < 1) {
                *error = tr("--count takes a number of controllers from 1, not \"%1\"").arg(*value);
                return std::nullopt;
            }
            flags << name;
        } else if (name == QLatin1String("--yes") || name == QLatin1String("--save") ||
                   name == QLatin1String("--sync") || name == QLatin1String("--force")) {
            flags << name;
        } else {
            *error = tr("unknown option %1").arg(a);
            return std::nullopt;
        }
    }
    if (o.help || o.version)
        return o;
    if (o.pin && !o.pinFile.isEmpty()) {
        *error = tr("give the PIN with --pin or with --pin-file, not both");
        return std::nullopt;
    }
    if (words.isEmpty()) {
        *error = tr("no command given");
        return std::nullopt;
    }
    o.command = words.takeFirst();
    o.args = words;
    const auto arity = commands().constFind(o.command);
    if (arity == commands().cend()) {
        *error = tr("unknown command \"%1\"").arg(o.command);
        return std::nullopt;
    }
    for (const QString& flag : std::as_const(flags)) {
        if (!arity->flags.contains(flag)) {
            *error = tr("%1 does not take %2").arg(o.command, flag);
            return std::nullopt;
        }
    }
    o.yes = flags.contains(QLatin1String("--yes"));
    o.save = flags.contains(QLatin1String("--save"));
    o.sync = flags.contains(QLatin1String("--sync"));
    o.force = flags.contains(QLatin1String("--force"));
    const int count = int(o.args.size());
    if (count < arity->least || (arity->most >= 0 && count > arity->most)) {
        *error = tr("wrong number of arguments for %1").arg(o.command);
        return std::nullopt;
    }
    for (const QString& arg : std::as_const(o.args)) {
        if (arg.isEmpty()) {
            *error = tr("an empty argument for %1").arg(o.command);
            return std::nullopt;
        }
    }
    // Standard input carries one thing only.
    if (o.pin == StandardStream && o.command == QLatin1String("upload") && o.args.first() == StandardStream) {
        *error = tr("--pin - and upload - both read standard input");
        return std::nullopt;
    }
    if (o.json && o.command == QLatin1String("line") && o.logPath == StandardStream) {
        *error = tr("--log - writes to standard output, where --json writes its document");
        return std::nullopt;
    }
    if (o.json && (o.command == QLatin1String("download") || o.command == QLatin1String("save-settings")) &&
        o.args.last() == StandardStream && (o.command == QLatin1String("save-settings") || o.args.size() == 2)) {
        *error = tr("%1 - writes to standard output, where --json writes its document").arg(o.command);
        return std::nullopt;
    }
    return o;
}

QString CliOptions::usage()
{
    return tr("Usage: kestrova-cli [OPTIONS] COMMAND [ARGS...]\n"
              "  devices                       the connected controllers: port, serial, model, and the process of "
              "another copy holding it; needs no PIN\n"
              "  info                          model, serial, firmware, bootloader, algorithm, PIN state\n"
              "  get ID...                     each variable: id, type, value (as the settings file writes it), "
              "page and name when a page shows it\n"
              "  set [--force] ID=VALUE...     write values (value text as the settings file writes it); each is "
              "checked against its page's limits and confirmed by a read-back\n"
              "  save-flash                    store the settings in flash and wait until the device reports it "
              "done\n"
              "  dump                          every variable the pages show: page, name, id, value as the page "
              "shows it\n"
              "  save-settings FILE|DIR|-      a settings file of the whole device (as \"Save settings to "
              "file…\")\n"
              "  compare FILE                  the differences between FILE and the device, as the window's "
              "compare lists them\n"
              "  apply FILE [--yes] [--save] [--force]\n"
              "                                write the differences (asks on a terminal unless --yes), then save "
              "to flash with --save\n"
              "  ls                            the device's files: name, size, flags, time created\n"
              "  upload LOCAL|- [NAME] [--yes] safe upload (temporary name, size check, rename), resumable as in "
              "the window; --yes deletes a partial file in the way that is not part of LOCAL\n"
              "  download NAME [LOCAL|DIR|-]   verified download; an existing LOCAL is replaced only by a complete "
              "file\n"
              "  rm NAME | mv OLD NEW          delete or rename a device file\n"
              "  clock [--sync]                show the device clock; --sync sets it from this computer\n"
              "  command [--yes] TEXT          run a service command (as the Status tab's buttons) and print its "
              "result; %1 ask on a terminal and need --yes otherwise\n"
              "  line FILE [--log LOG] [--log-format csv|jsonl] [--count N] [--save]\n"
              "                                program controller after controller with FILE: wait for one, check "
              "its model, write the differences, save to flash with --save, read them back, append a record to "
              "LOG (standard output without --log), wait for the unplug; until Ctrl-C or N controllers\n"
              "\n"
              "Options:\n"
              "  --demo                        use the built-in demo device (PIN 1234) instead of USB\n"
              "  --wait SECONDS                wait up to SECONDS for the USB device (10; 0: look once)\n"
              "  --device SERIAL|PORT          the controller to use when several are connected: its serial "
              "number or its port (such as 1-1.2), as devices lists them\n"
              "  --pin PIN | --pin -           the PIN, or one line of standard input (--pin is visible to other "
              "users in the process list: prefer KESTROVA_PIN or --pin-file)\n"
              "  --pin-file FILE               the PIN from the first line of FILE\n"
              "  --json                        one JSON document on standard output, also for errors\n"
              "  --english                     English output whatever the preferences say\n"
              "  -h, --help | --version        this help | the version\n"
              "  --                            ends the options; \"-\" is standard input or output\n"
              "\n"
              "The PIN: --pin or --pin-file, else the environment variable KESTROVA_PIN, else asked on the "
              "terminal.\n"
              "Exit status: 0 success (compare: identical), 1 compare found differences, 2 usage error, 3 no "
              "device or the link was lost, 4 PIN refused or locked, 5 the device refused an operation, 6 a local "
              "file could not be read or written, 7 apply skipped some settings, or line failed on some controllers.\n")
        .arg(DeviceCommands::guardedNames().join(QStringLiteral(", ")));
}
