#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QStatusBar>

#include "sim/DemoTransport.h"
#include "ui/TransportBar.h"
#include "ui/UsbPanel.h"
#include "worker/DeviceStack.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QCoreApplication::translate("main", "Start on the built-in demo device."));
    parser.addOption(demo);
    parser.process(app);

    DeviceStack stack;
    stack.transports().setPanelFactory(QStringLiteral("usb"), &UsbPanel::create);
    if (parser.isSet(demo))
        installDemoTransport(stack);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kestrova"));
    new TransportBar(&window, stack.transports(), nullptr);
    QObject::connect(&stack.worker(), &DeviceThread::uiDeviceHotplug, &window, [&] {
        window.statusBar()->showMessage(stack.worker().isConnected()
                                            ? QCoreApplication::translate("main", "Device connected")
                                            : QCoreApplication::translate("main", "No device"));
    });
    window.statusBar()->showMessage(QCoreApplication::translate("main", "No device"));
    window.show();
    stack.start();

    const int ret = app.exec();
    stack.shutdown();
    return ret;
}
