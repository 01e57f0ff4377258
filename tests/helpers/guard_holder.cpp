// Holds the USB single-instance guard for another test process: claims it, says so on standard
// output, and keeps it until "quit" arrives on standard input (or the process is killed).
#include <cstdio>
#include <iostream>
#include <string>

#include <QCoreApplication>

#include "link/InstanceGuard.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    InstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.claim()) {
        std::printf("blocked\n");
        return 1;
    }
    std::printf("claimed %lld\n", static_cast<long long>(QCoreApplication::applicationPid()));
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line) && line != "quit") {
    }
    return 0;
}
