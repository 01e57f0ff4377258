#include "TransportBar.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>

#include "TransportPanel.h"
#include "link/TransportManager.h"

TransportBar::TransportBar(QMainWindow* window, TransportManager& manager, QToolBar* statusToolBar)
    : QObject(window), m_manager(manager)
{
    window->addToolBarBreak(Qt::TopToolBarArea);
    m_toolBar = window->addToolBar(tr("Connection"));
    m_toolBar->setObjectName(QStringLiteral("connectionToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);

    m_combo = new QComboBox(m_toolBar);
    m_combo->setObjectName(QStringLiteral("transportCombo"));
    // Start on the transport the worker uses or is about to adopt (the demo device chosen at start).
    const DeviceLink* current = manager.pendingLink() ? manager.pendingLink() : manager.activeLink();
    for (const TransportManager::Transport& t : manager.transports()) {
        m_combo->addItem(TransportManager::displayTitle(t), t.id);
        if (t.link == current)
            m_combo->setCurrentIndex(m_combo->count() - 1);
    }

    auto* label = new QLabel(tr("Transport") + QLatin1Char(' '), m_toolBar);
    label->setObjectName(QStringLiteral("transportLabel"));
    label->setBuddy(m_combo);
    m_combo->setAccessibleName(tr("Transport"));
    const bool choice = m_combo->count() >= 2;
    m_toolBar->addWidget(label)->setVisible(choice);
    m_toolBar->addWidget(m_combo)->setVisible(choice);

    for (const TransportManager::Transport& t : manager.transports()) {
        if (!t.panel)
            continue;
        TransportPanel* panel = t.panel(window);
        panel->setParent(this);
        panel->install(m_toolBar, statusToolBar);
        m_panels[t.id] = panel;
    }

    connect(m_combo, &QComboBox::currentIndexChanged, this, &TransportBar::onCurrentChanged);
    onCurrentChanged();
}

QString TransportBar::currentId() const
{
    return m_combo->currentData().toString();
}

DeviceLink* TransportBar::currentLink() const
{
    return m_manager.find(currentId());
}

TransportPanel* TransportBar::panel(const QString& id) const
{
    const auto it = m_panels.find(id);
    return it == m_panels.end() ? nullptr : it->second;
}

bool TransportBar::select(const QString& id)
{
    const int index = m_combo->findData(id);
    if (index < 0)
        return false;
    m_combo->setCurrentIndex(index);
    return true;
}

void TransportBar::onCurrentChanged()
{
    const QString id = currentId();
    for (const auto& [panelId, panel] : m_panels)
        panel->setActive(panelId == id);
    Q_EMIT transportChanged(id);
    m_manager.select(id);
}
