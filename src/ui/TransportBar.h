#pragma once

#include <functional>
#include <map>

#include <QObject>
#include <QString>

class DeviceLink;
class QAction;
class QComboBox;
class QMainWindow;
class QToolBar;
class TransportManager;
class TransportPanel;

// The "Connection" tool bar: picks the transport the worker uses. The selector only shows when
// there is something to choose from.
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
    // Lists the transports registered since, keeping the choice, without announcing a change.
    void refresh();
    // Asked before the transport with that id is left for another: false keeps it.
    void setLeaveCheck(std::function<bool(const QString& leaving)> check) { m_leaveCheck = std::move(check); }

Q_SIGNALS:
    void transportChanged(QString id);

private:
    void onCurrentChanged();
    void fill();

    TransportManager& m_manager;
    QToolBar* m_toolBar;
    QComboBox* m_combo;
    QAction* m_labelAction = nullptr;
    QAction* m_comboAction = nullptr;
    QString m_shownId; // the transport announced last
    std::function<bool(const QString&)> m_leaveCheck;
    std::map<QString, TransportPanel*> m_panels;
};
