#pragma once

#include <QCoreApplication>

#include "platform/Catalogue.h"

class QApplication;

// The program's start: options, translations, the settings store's names, the device objects, the
// window, and the orderly end that stops the worker before the window goes.
class Startup
{
    Q_DECLARE_TR_FUNCTIONS(Startup)
public:
    explicit Startup(QApplication& app);

    // Runs the program and returns its exit code.
    int run();

private:
    QApplication& m_app;
    Catalogue m_catalogue;
};
