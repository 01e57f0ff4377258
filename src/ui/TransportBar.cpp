#include "TransportBar.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QToolBar>

#include "TransportPanel.h"
#include "link/TransportManager.h"

TransportBar::TransportBar(QMainWindow* window, TransportManager& manager, QToolBar* statusToolBar)
    : QObject(window), m_manager(manager)
{
    // In one row with the status tool bar, on its left: the pages keep the height a second row would take.
    m_toolBar = new QToolBar(tr("Connection"), window);
    if (statusToolBar)
        window->insertToolBar(statusToolBar, m_toolBar);
    else
        window->addToolBar(m_toolBar);
    m_toolBar->setObjectName(QStringLiteral("connectionToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);

    m_combo = new QComboBox(m_toolBar);
    m_combo->setObjectName(QStringLiteral("transportCombo"));
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* label = new QLabel(tr("Transport") + QLatin1Char(' '), m_toolBar);
    label->setObjectName(QStringLiteral("transportLabel"));
    label->setBuddy(m_combo);
    m_combo->setAccessibleName(tr("Transport"));
    m_labelAction = m_toolBar->addWidget(label);
    m_comboAction = m_toolBar->addWidget(m_combo);
    fill();

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

void TransportBar::fill()
{
    // The choice announced last; at first the transport the worker uses or is about to adopt (the demo
    // device chosen at start). The worker's own state is no guide later: it lags behind the choice.
    const DeviceLink* current = m_manager.pendingLink() ? m_manager.pendingLink() : m_manager.activeLink();
    const QSignalBlocker block(m_combo);
    m_combo->clear();
    for (const TransportManager::Transport& t : m_manager.transports()) {
        m_combo->addItem(TransportManager::displayTitle(t), t.id);
        if (m_shownId.isEmpty() ? t.link == current : t.id == m_shownId)
            m_combo->setCurrentIndex(m_combo->count() - 1);
    }
    const bool choice = m_combo->count() >= 2;
    m_labelAction->setVisible(choice);
    m_comboAction->setVisible(choice);
}

void TransportBar::refresh()
{
    fill();
}

void TransportBar::onCurrentChanged()
{
    const QString id = currentId();
    if (!m_shownId.isEmpty() && id != m_shownId && m_leaveCheck && !m_leaveCheck(m_shownId)) {
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(m_combo->findData(m_shownId));
        return;
    }
    m_shownId = id;
    for (const auto& [panelId, panel] : m_panels)
        panel->setActive(panelId == id);
    Q_EMIT transportChanged(id);
    m_manager.select(id);
}
