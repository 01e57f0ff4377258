#pragma once

#include <functional>
#include <map>

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include "link/TransportManager.h"
#include "link/UsbLink.h"

class DeviceLink;
class QAction;
class QComboBox;
class QMainWindow;
class QToolBar;
class TransportPanel;

// The "Connection" tool bar: picks the transport the worker uses, and the USB controller when several are
// connected (an item per controller, by serial number). The selector only shows when there is something to choose
// from.
class TransportBar : public QObject
{
    Q_OBJECT
public:
    TransportBar(QMainWindow* window, TransportManager& manager, QToolBar* statusToolBar);

    QString currentId() const;
    DeviceLink* currentLink() const;
    TransportPanel* panel(const QString& id) const;
    // Makes that transport the current one, as choosing it in the selector does; false for an unknown id.
    bool select(const QString& id);
    QToolBar* toolBar() const { return m_toolBar; }
    // Lists the transports registered since and the controllers connected now, keeping the choice, without
    // announcing a change.
    void refresh();
    // How often the controllers on the bus are listed again; the listing asks them nothing over their link.
    static constexpr int ControllerListMs = 1500;
    // Asked before the transport with that id is left for another: false keeps it.
    void setLeaveCheck(std::function<bool(const QString& leaving)> check) { m_leaveCheck = std::move(check); }

Q_SIGNALS:
    void transportChanged(QString id);

private:
    void onCurrentChanged();
    void fill();
    // Lists the controllers again, and the items only when they changed, so that an open list stays put.
    void pollControllers();
    void addUsbItems(const TransportManager::Transport& usb, const DeviceLink* current);
    // The item of that transport and controller choice; with no choice, its first item. -1 when there is none.
    int indexOf(const QString& id, const QString& choice) const;

    TransportManager& m_manager;
    QToolBar* m_toolBar;
    QComboBox* m_combo;
    QAction* m_labelAction = nullptr;
    QAction* m_comboAction = nullptr;
    QString m_shownId;     // the transport announced last
    QString m_shownChoice; // the USB controller chosen last; empty: the link takes one itself
    QList<UsbController> m_controllers;
    QString m_listedPort; // the port the USB link had open when the items were made
    QTimer m_controllerPoll;
    bool m_keepChoice = false; // the index is being set by the program, not chosen by the user
    std::function<bool(const QString&)> m_leaveCheck;
    std::map<QString, TransportPanel*> m_panels;
};
