#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "worker/Device40000.h"

class QAbstractButton;
class QLabel;
class VarsRegistry;

// The Status tab's service commands: the alarm and engine buttons drive the state runner, the export
// button the log-export runner, and the buttons and the result line follow what the runners report.
class ServiceCommands : public QObject
{
    Q_OBJECT
public:
    struct CommandButton
    {
        QAbstractButton* button;
        QString word;
        QString question = {}; // asked first, with the button's caption as the action, when not empty
    };

    ServiceCommands(VarsRegistry& registry, const QList<CommandButton>& commands, QAbstractButton* logExport,
                    QLabel* resultLine, QObject* parent = nullptr);

    // The device is gone: nothing that waits on it can end.
    void cancel();
    // The variable carries a service command or its state, not a setting.
    static bool usesVariable(int id);

    Device40000& stateRunner() { return *m_state; }
    Device40000& logExportRunner() { return *m_logExport; }

private:
    void setCommandsEnabled(bool enabled);
    void onCommandFinished(Device40000::State state, const QString& status);
    void onExportStarted();
    void onExportFinished(Device40000::State state);

    Device40000* m_state;
    Device40000* m_logExport;
    QList<QAbstractButton*> m_commandButtons;
    QAbstractButton* m_exportButton;
    QLabel* m_resultLine;
    QString m_exportCaption; // the button's text before the export started
};
