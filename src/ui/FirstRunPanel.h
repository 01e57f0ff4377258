#pragma once

#include <QFrame>

// What the pages area shows while no device is connected: how to connect one and, where the demo
// device is registered, a way to try the program on it. It covers the widget it is made on.
class FirstRunPanel : public QFrame
{
    Q_OBJECT
public:
    FirstRunPanel(bool demoAvailable, QWidget* covered);

    // The commands that install the udev rule of a program built from source, run in its folder.
    static QString udevCommands();

Q_SIGNALS:
    void demoRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
