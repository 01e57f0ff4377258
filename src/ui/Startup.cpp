#include "Startup.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTimer>

#include "MainWindow.h"
#include "UsbPanel.h"
#include "platform/Platform.h"
#include "sim/DemoTransport.h"
#include "vars/VARS.h"
#include "worker/DeviceStack.h"

namespace {

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&)
{}

} // namespace

Startup::Startup(QApplication& app) : m_app(app)
{}

int Startup::run()
{
    Platform::nameProgram();
    // Before the parser's texts are made, so that --help speaks the chosen language too.
    m_catalogue.install(Catalogue::chosen(m_app.arguments(), QSettings()));

    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Service tool for Orvo vehicle security controllers."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demo(QStringLiteral("demo"), tr("Start on the built-in demo device."));
    const QCommandLineOption verbose(QStringLiteral("verbose"), tr("Keep Qt's diagnostic messages on standard error."));
    const QCommandLineOption english(QStringLiteral("english"), tr("Show the program in English."));
    // For the start-up benchmark: report the peak memory once the window is up, then quit.
    QCommandLineOption exitWhenShown(QStringLiteral("exit-when-shown"));
    exitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({demo, verbose, english, exitWhenShown});
    parser.process(m_app);

    // Lets the desktop match the window with the installed ua.orvo.Kestrova.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ua.orvo.Kestrova"));

    DeviceStack stack;
    stack.transports().setPanelFactory(QStringLiteral("usb"), &UsbPanel::create);
    // Windows side by side each take a controller of their own until the user chooses one.
    stack.transports().usbLink().setPick(UsbLink::Pick::FirstFree);
    installDemoTransport(stack);
    if (parser.isSet(demo))
        stack.transports().select(TransportManager::DemoId);

    MainWindow window(stack);
    window.show();
    window.connectDevice();
    if (!parser.isSet(verbose))
        qInstallMessageHandler(discardMessage);
    stack.protocol().vars().setTextLimit(stack.transports().activeLink()->maxTextLength());
    stack.start();

    if (parser.isSet(exitWhenShown)) {
        QTimer::singleShot(0, &window, [] {
            std::printf("shown %lld\n", static_cast<long long>(Platform::peakMemoryKb()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }

    const int ret = m_app.exec();
    stack.shutdown();
    return ret;
}
