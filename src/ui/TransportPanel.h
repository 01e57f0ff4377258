#pragma once

#include <QObject>
#include <QString>

class QToolBar;
class QWidget;

// The settings controls of one transport, shown in the "Connection" tool bar.
class TransportPanel : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Adds the panel's controls to the tool bar; parent is the status tool bar.
    virtual void install(QToolBar* toolBar, QWidget* parent) = 0;
    // The panel's transport became the current one, or stopped being it.
    virtual void setActive(bool active) = 0;
    virtual bool hasControls() const = 0;

Q_SIGNALS:
    void message(QString text);
};
