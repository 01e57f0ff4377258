#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// Help → About: the program's version, its licence and, on Linux, how to let the user open the device.
class AboutBox
{
    Q_DECLARE_TR_FUNCTIONS(AboutBox)
public:
    static QString text(const QString& version);
    static void show(QWidget* parent, const QString& version);
};
