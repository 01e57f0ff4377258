#pragma once

#include <memory>

#include <QTemporaryDir>

#include "CliRun.h"
#include "vars/SettingsFile.h"

// kestrova-cli on its demo device, whose state a test folder keeps between runs (the demo transport's
// test-only KESTROVA_DEMO_STATE), so that each run meets the device the previous one left.
class DemoCli
{
public:
    DemoCli()
    {
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KESTROVA_DEMO_STATE"), dir.filePath(QStringLiteral("device")));
        env.remove(QStringLiteral("KESTROVA_PIN"));
        QDir().mkpath(dir.filePath(QStringLiteral("device")));
    }

    // A run with the demo's PIN unless the arguments give one; input goes to its standard input.
    CliRun run(const QStringList& args, const QByteArray& input = {}) const
    {
        const bool pinGiven = std::any_of(args.cbegin(), args.cend(),
                                          [](const QString& a) { return a.startsWith(QLatin1String("--pin")); });
        return CliRun::run(
            QStringList{QStringLiteral("--demo")} +
                (pinGiven ? QStringList{} : QStringList{QStringLiteral("--pin"), QStringLiteral("1234")}) + args,
            env, 30000, input);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // The variable as the device holds it; nothing when it has no such variable.
    std::optional<SettingsFile::Entry> deviceEntry(uint16_t id) const
    {
        const std::optional<SettingsFile> device =
            SettingsFile::read(dir.filePath(QStringLiteral("device/device.kset")));
        if (!device)
            return {};
        for (const SettingsFile::Entry& e : device->entries) {
            if (e.id == id)
                return e;
        }
        return {};
    }

    // The value the device holds, as a settings file writes it; empty when it has no such variable.
    QByteArray deviceValue(uint16_t id) const
    {
        const std::optional<SettingsFile::Entry> entry = deviceEntry(id);
        return entry ? SettingsFile::valueText(*entry) : QByteArray();
    }

    // The device's own file of that name, as the demo keeps it; empty when it has none.
    QByteArray deviceFile(const QString& name) const
    {
        const QDir files(dir.filePath(QStringLiteral("device/files")));
        const QStringList found = files.entryList({QStringLiteral("*-") + name}, QDir::Files);
        return found.size() == 1 ? read(files.filePath(found.first())) : QByteArray();
    }

    static void write(const QString& name, const QByteArray& data)
    {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    static QByteArray read(const QString& name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QProcessEnvironment env;
};
