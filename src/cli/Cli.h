#pragma once

#include <QCoreApplication>

#include "platform/Catalogue.h"

// kestrova-cli from its command line to its exit status: the options, the translations, one session with
// the device and the command run in it.
class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
public:
    explicit Cli(QCoreApplication& app) : m_app(app) {}

    int run();

private:
    QCoreApplication& m_app;
    Catalogue m_catalogue;
};
