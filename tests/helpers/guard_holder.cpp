// Holds the USB single-instance guard for another test process: claims it, says so on standard
// output, and keeps it until "quit" arrives on standard input (or the process is killed).
// With --usb it holds the guard the way the program does, by opening the USB link to the device; with
// --device <serial or port> as well, to that controller; with --first-free, to the first one no other copy
// holds, as the window does.
// With --record <pid> the guard then names that process instead, as a stale guard may.
// A copy that cannot claim the guard prints "blocked" and the reason.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include <QCoreApplication>
#include <QSharedMemory>

#include "link/InstanceGuard.h"
#include "link/UsbLink.h"

namespace {

void record(const QString& key, qint64 pid)
{
    QSharedMemory segment(key);
    if (!segment.attach() || !segment.lock())
        return;
    std::memcpy(segment.data(), &pid, sizeof pid);
    segment.unlock();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 2;
    const QString key = args.at(1);
    std::unique_ptr<InstanceGuard> guard;
    std::unique_ptr<UsbLink> link;
    if (args.contains(QStringLiteral("--usb"))) {
        link = std::make_unique<UsbLink>(key);
        if (const qsizetype at = args.indexOf(QStringLiteral("--device")); at > 0)
            link->setDevice(args.value(at + 1));
        if (args.contains(QStringLiteral("--first-free")))
            link->setPick(UsbLink::Pick::FirstFree);
        if (!link->open()) {
            if (link->blockNote().isEmpty())
                std::printf("no device\n");
            else
                std::printf("blocked %s\n", qPrintable(link->blockNote()));
            return 1;
        }
    } else {
        guard = std::make_unique<InstanceGuard>(key);
        if (!guard->claim()) {
            std::printf("blocked %s\n", qPrintable(guard->note()));
            return 1;
        }
    }
    if (const qsizetype at = args.indexOf(QStringLiteral("--record")); at > 0)
        record(key, args.value(at + 1).toLongLong());
    std::printf("claimed %lld\n", static_cast<long long>(QCoreApplication::applicationPid()));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line) && line != "quit") {
    }
    return 0;
}
