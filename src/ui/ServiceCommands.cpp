#include "ServiceCommands.h"

#include <QAbstractButton>
#include <QLabel>

#include "ModalBox.h"

namespace {
const char* const ExportCommand = "4";
} // namespace

ServiceCommands::ServiceCommands(VarsRegistry& registry, const QList<CommandButton>& commands,
                                 QAbstractButton* logExport, QLabel* resultLine, QObject* parent)
    : QObject(parent), m_state(new Device40000(registry, Device40000::stateSpec(), this)),
      m_logExport(new Device40000(registry, Device40000::logExportSpec(), this)), m_exportButton(logExport),
      m_resultLine(resultLine)
{
    for (const CommandButton& command : commands) {
        m_commandButtons.append(command.button);
        connect(command.button, &QAbstractButton::clicked, m_state, [this, command] {
            if (command.question.isEmpty() ||
                ModalBox::confirm(command.button->window(), command.button->text(), command.question))
                m_state->start(command.word);
        });
    }
    setCommandsEnabled(true);
    connect(m_state, &Device40000::started, this, [this] { setCommandsEnabled(false); });
    connect(m_state, &Device40000::finished, this, &ServiceCommands::onCommandFinished);

    m_exportButton->setEnabled(true);
    connect(m_exportButton, &QAbstractButton::clicked, m_logExport,
            [this] { m_logExport->start(QString::fromLatin1(ExportCommand)); });
    connect(m_logExport, &Device40000::started, this, &ServiceCommands::onExportStarted);
    connect(m_logExport, &Device40000::finished, this, &ServiceCommands::onExportFinished);
}

void ServiceCommands::cancel()
{
    m_state->cancel();
    m_logExport->cancel();
}

void ServiceCommands::setCommandsEnabled(bool enabled)
{
    for (QAbstractButton* button : std::as_const(m_commandButtons))
        button->setEnabled(enabled);
}

void ServiceCommands::onCommandFinished(Device40000::State state, const QString& status)
{
    setCommandsEnabled(true);
    if (state == Device40000::Error || state == Device40000::Timeout)
        m_resultLine->setText(tr("Статус останньої команди : ") + status);
}

void ServiceCommands::onExportStarted()
{
    m_exportCaption = m_exportButton->text();
    m_exportButton->setEnabled(false);
    m_exportButton->setText(tr("Export started ..."));
}

void ServiceCommands::onExportFinished(Device40000::State state)
{
    m_exportButton->setEnabled(true);
    if (state == Device40000::Ok)
        m_exportButton->setText(tr("Export - done"));
    else if (state == Device40000::Idle)
        m_exportButton->setText(m_exportCaption);
    else
        m_exportButton->setText(tr("Export - failed"));
}

bool ServiceCommands::usesVariable(int id)
{
    for (const Device40000::Spec& spec : {Device40000::stateSpec(), Device40000::logExportSpec()}) {
        if (id == spec.commandVar || id == spec.stateVar)
            return true;
    }
    return false;
}
