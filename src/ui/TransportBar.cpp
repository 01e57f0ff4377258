#include "TransportBar.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QToolBar>

#include "TransportPanel.h"
#include "link/TransportManager.h"

namespace {

constexpr int ChoiceRole = Qt::UserRole + 1;

// The serial number follows a controller from port to port; the port is all there is without one.
QString choiceOf(const UsbController& c)
{
    return c.serial.isEmpty() ? c.port : c.serial;
}

bool sameControllers(const QList<UsbController>& a, const QList<UsbController>& b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](const UsbController& x, const UsbController& y) {
        return x.port == y.port && x.serial == y.serial;
    });
}

} // namespace

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
    m_controllers = m_manager.usbLink().controllers(UsbLink::Model::Skip);
    fill();
    connect(&m_controllerPoll, &QTimer::timeout, this, &TransportBar::pollControllers);
    m_controllerPoll.start(ControllerListMs);

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
    const int index = indexOf(id, m_shownChoice);
    if (index < 0)
        return false;
    const QScopedValueRollback keep(m_keepChoice, true);
    m_combo->setCurrentIndex(index);
    return true;
}

int TransportBar::indexOf(const QString& id, const QString& choice) const
{
    int first = -1;
    for (int i = 0; i < m_combo->count(); ++i) {
        if (m_combo->itemData(i).toString() != id)
            continue;
        if (first < 0)
            first = i;
        if (m_combo->itemData(i, ChoiceRole).toString() == choice)
            return i;
    }
    return first;
}

void TransportBar::fill()
{
    // The choice announced last; at first the transport the worker uses or is about to adopt (the demo
    // device chosen at start). The worker's own state is no guide later: it lags behind the choice.
    const DeviceLink* current = m_manager.pendingLink() ? m_manager.pendingLink() : m_manager.activeLink();
    const QSignalBlocker block(m_combo);
    m_listedPort = m_manager.usbLink().openPort();
    m_combo->clear();
    for (const TransportManager::Transport& t : m_manager.transports()) {
        if (t.link == &m_manager.usbLink() && m_controllers.size() > 1) {
            addUsbItems(t, current);
            continue;
        }
        m_combo->addItem(TransportManager::displayTitle(t), t.id);
        if (m_shownId.isEmpty() ? t.link == current : t.id == m_shownId)
            m_combo->setCurrentIndex(m_combo->count() - 1);
    }
    const bool choice = m_combo->count() >= 2;
    m_labelAction->setVisible(choice);
    m_comboAction->setVisible(choice);
}

void TransportBar::addUsbItems(const TransportManager::Transport& usb, const DeviceLink* current)
{
    int shown = m_combo->count();
    for (const UsbController& c : std::as_const(m_controllers)) {
        const int index = m_combo->count();
        m_combo->addItem(tr("USB %1").arg(choiceOf(c)), usb.id);
        m_combo->setItemData(index, choiceOf(c), ChoiceRole);
        const QString where = tr("Controller %1 on USB port %2").arg(c.serial, c.port);
        m_combo->setItemData(index, where, Qt::ToolTipRole);
        m_combo->setItemData(index, where, Qt::AccessibleDescriptionRole);
        // Before a choice: the controller the link took itself.
        if (m_shownChoice.isEmpty() ? c.port == m_listedPort : choiceOf(c) == m_shownChoice)
            shown = index;
    }
    if (m_shownId.isEmpty() ? usb.link == current : usb.id == m_shownId)
        m_combo->setCurrentIndex(shown);
}

void TransportBar::pollControllers()
{
    // One controller or none needs no list; asking each for its serial number would cost USB requests on this
    // thread every time.
    if (m_controllers.size() <= 1 && m_manager.usbLink().controllerCount() <= 1)
        return;
    const QList<UsbController> now = m_manager.usbLink().controllers(UsbLink::Model::Skip);
    // A chosen controller that left is not waited for: the link takes one of those there, as before a choice.
    if (!m_shownChoice.isEmpty() && std::none_of(now.cbegin(), now.cend(), [this](const UsbController& c) {
            return choiceOf(c) == m_shownChoice;
        })) {
        m_shownChoice.clear();
        m_manager.usbLink().setDevice({});
    }
    if (sameControllers(now, m_controllers) && m_manager.usbLink().openPort() == m_listedPort)
        return;
    m_controllers = now;
    fill();
}

void TransportBar::refresh()
{
    pollControllers();
    fill();
}

void TransportBar::onCurrentChanged()
{
    const QString id = currentId();
    const QString itemChoice = m_combo->currentData(ChoiceRole).toString();
    // Only the user's pick makes a choice; until then the link takes a controller itself.
    const bool picked = !m_shownId.isEmpty() && !m_keepChoice && !itemChoice.isEmpty();
    const bool otherController = picked && itemChoice != m_shownChoice;
    if (!m_shownId.isEmpty() && (id != m_shownId || otherController) && m_leaveCheck && !m_leaveCheck(m_shownId)) {
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(indexOf(m_shownId, m_shownChoice));
        return;
    }
    const bool reopen = otherController && id == m_shownId;
    m_shownId = id;
    if (picked) {
        m_shownChoice = itemChoice;
        m_manager.usbLink().setDevice(itemChoice);
    }
    for (const auto& [panelId, panel] : m_panels)
        panel->setActive(panelId == id);
    Q_EMIT transportChanged(id);
    m_manager.select(id, reopen);
}
