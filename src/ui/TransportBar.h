#pragma once

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

Q_SIGNALS:
    void transportChanged(QString id);

private:
    void onCurrentChanged();

    TransportManager& m_manager;
    QToolBar* m_toolBar;
    QComboBox* m_combo;
    std::map<QString, TransportPanel*> m_panels;
};
