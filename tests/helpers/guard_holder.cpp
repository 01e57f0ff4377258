// Holds the USB single-instance guard for another test process: claims it, says so on standard
// output, and keeps it until "quit" arrives on standard input (or the process is killed).
// With --usb it holds the guard the way the program does, by opening the USB link to the device.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include <QCoreApplication>

#include "link/InstanceGuard.h"
#include "link/UsbLink.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString key = QString::fromLocal8Bit(argv[1]);
    const bool viaLink = argc > 2 && std::string(argv[2]) == "--usb";
    std::unique_ptr<InstanceGuard> guard;
    std::unique_ptr<UsbLink> link;
    if (viaLink) {
        link = std::make_unique<UsbLink>(key);
        if (!link->open()) {
            std::printf(link->blockNote().isEmpty() ? "no device\n" : "blocked\n");
            return 1;
        }
    } else {
        guard = std::make_unique<InstanceGuard>(key);
        if (!guard->claim()) {
            std::printf("blocked\n");
            return 1;
        }
    }
    std::printf("claimed %lld\n", static_cast<long long>(QCoreApplication::applicationPid()));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line) && line != "quit") {
    }
    return 0;
}
