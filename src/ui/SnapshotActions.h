#pragma once

#include <functional>

#include <QList>
#include <QObject>
#include <QString>

class DeviceStack;
class LineDialog;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class SettingsFileLink;
class SnapshotCompareDialog;
class VarsRegistry;
class VarsUI;

// The File menu's settings snapshots: saving the device's settings to a file, opening a file as the
// device, and comparing a file with the device; and what the window shows while a file is the device.
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
    // Pages a settings file cannot serve, covered by a notice, and controls disabled, while a file is the device.
    void setUnavailableForFile(const QList<QWidget*>& pages, const QList<QWidget*>& controls);

    // Asked before the settings file shown is left for another file or the device: false keeps it.
    void setLeaveCheck(std::function<bool()> check) { m_leaveCheck = std::move(check); }

    void saveToFile();
    void openFile();
    // Leaves the settings file for the transport used before it was opened.
    void backToDevice();
    // Writes the edited settings into the file shown.
    bool writeFile(QString* error);
    // Drops the edits of the file shown: it serves what the file holds again.
    void discardEdits();
    SnapshotCompareDialog* compare();
    // Opens the line that copies settings to controller after controller.
    LineDialog* copyToNext();
    static QString filter();
    // Follows the transport chosen: the badge, and the pages and controls a file cannot serve.
    void updateBadge();

    // A settings file is the device chosen.
    bool showsFile() const;
    QString openedNote() const;
    // The name of the settings file opened last.
    QString fileName() const;
    // The outcome of the last save to the device while a file is the device.
    QString savedNote() const;

Q_SIGNALS:
    void saveToDeviceRequested();
    // The transport to choose: the settings file opened, or the one used before it to leave it.
    void transportRequested(const QString& id);
    // What was done, for the session's log.
    void logLine(const QString& text);
    // The line's next controller asks for the PIN given for its first.
    void pinWanted(const QByteArray& pin);
    // The line saved its writes in the device's flash.
    void savedToFlash();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateActions();
    bool confirmIncomplete(const QList<uint16_t>& unread);
    VarsRegistry& registry();
    QString selectedTransport() const;
    void warn(const QString& title, const QString& text);

    DeviceStack& m_stack;
    QWidget* m_window;
    SettingsFileLink* m_file = nullptr; // registered with the first file opened
    const VarsUI* m_model = nullptr;
    VarsRegistry* m_registry = nullptr;
    bool m_loaded = false; // the load of the device connected last has ended
    QString m_folder;
    QAction* m_save;
    QAction* m_open;
    QAction* m_compare;
    QAction* m_copyNext;
    LineDialog* m_line = nullptr; // made on first use
    QAction* m_back;
    QString m_deviceTransport; // chosen before the first file was opened
    std::function<bool()> m_leaveCheck;
    QLabel* m_badge;
    QList<QWidget*> m_unavailablePages;
    QList<QLabel*> m_notices; // one per unavailable page
    QList<QWidget*> m_unavailableControls;
};
