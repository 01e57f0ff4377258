#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "sim/OfflineDevice.h"

class DeviceStack;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class SnapshotCompareDialog;
class VarsRegistry;
class VarsUI;

// The File menu's settings snapshots: saving the device's settings to a file, opening a file as the
// offline device, and comparing a file with the device.
class SnapshotActions : public QObject
{
    Q_OBJECT
public:
    SnapshotActions(DeviceStack& stack, QWidget* window);
    ~SnapshotActions() override;

    // Puts the actions into the menu before the given action.
    void addTo(QMenu* menu, QAction* before);
    // Shown while an offline file, not a car, is the device.
    QLabel* badge() const { return m_badge; }
    // The page model names the variables; the registry runs the writes (an own one while none is given).
    void setModel(const VarsUI* model) { m_model = model; }
    void setRegistry(VarsRegistry* registry) { m_registry = registry; }

    void saveToFile();
    void openFile();
    SnapshotCompareDialog* compare();
    void updateBadge();

Q_SIGNALS:
    void saveToDeviceRequested();
    // What was done, for the session's log.
    void logLine(const QString& text);

private:
    void updateActions();
    VarsRegistry& registry();
    void warn(const QString& title, const QString& text);
    static QString filter();

    DeviceStack& m_stack;
    QWidget* m_window;
    OfflineDevice m_offline;
    const VarsUI* m_model = nullptr;
    VarsRegistry* m_registry = nullptr;
    QString m_folder;
    QAction* m_save;
    QAction* m_open;
    QAction* m_compare;
    QLabel* m_badge;
};
