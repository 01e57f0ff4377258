#include <QApplication>

#include "platform/Platform.h"
#include "ui/Startup.h"

int main(int argc, char* argv[])
{
    Platform::applyPlatformOption(argc, argv);
    QApplication app(argc, argv);
    return Startup(app).run();
}
