#include "SnapshotActions.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include "FileChooser.h"
#include "ModalBox.h"
#include "SnapshotCompareDialog.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"
#include "vars/VarsRegistry.h"
#include "worker/DeviceStack.h"

SnapshotActions::SnapshotActions(DeviceStack& stack, QWidget* window)
    : QObject(window), m_stack(stack), m_window(window), m_offline(stack), m_folder(QDir::homePath()),
      m_save(new QAction(tr("Save settings to file…"), this)), m_open(new QAction(tr("Open settings file…"), this)),
      m_compare(new QAction(tr("Compare with device…"), this)), m_badge(new QLabel(window))
{
    m_save->setObjectName(QStringLiteral("actionSaveSettingsFile"));
    m_open->setObjectName(QStringLiteral("actionOpenSettingsFile"));
    m_compare->setObjectName(QStringLiteral("actionCompareSettings"));
    m_badge->setObjectName(QStringLiteral("offlineBadge"));
    m_badge->setStyleSheet(QStringLiteral("QLabel { background: #fff3b0; color: #5a4500; padding: 2px 6px; "
                                          "border-radius: 3px; font-weight: bold; }"));
    m_badge->hide();
    connect(m_save, &QAction::triggered, this, &SnapshotActions::saveToFile);
    connect(m_open, &QAction::triggered, this, &SnapshotActions::openFile);
    connect(m_compare, &QAction::triggered, this, &SnapshotActions::compare);
    updateActions();
}

SnapshotActions::~SnapshotActions() = default;

void SnapshotActions::addTo(QMenu* menu, QAction* before)
{
    menu->insertActions(before, {m_save, m_open, m_compare});
    menu->insertSeparator(before);
    connect(menu, &QMenu::aboutToShow, this, &SnapshotActions::updateActions);
}

void SnapshotActions::updateActions()
{
    // Only a fully loaded device gives a whole snapshot or a fair comparison.
    const bool loaded = m_stack.worker().isConnected() && m_stack.protocol().vars().count() > 0;
    m_save->setEnabled(loaded);
    m_compare->setEnabled(loaded);
}

QString SnapshotActions::filter()
{
    return tr("Settings files (*.kset);;All files (*)");
}

void SnapshotActions::warn(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, m_window);
    ModalBox::exec(box);
}

void SnapshotActions::saveToFile()
{
    const VARS& vars = m_stack.protocol().vars();
    const QString path =
        FileChooser::saveFile(m_window, tr("Save settings to file"),
                              QDir(m_folder).filePath(SettingsSnapshot::defaultFileName(vars)), filter());
    if (path.isEmpty())
        return;
    m_folder = QFileInfo(path).absolutePath();
    QString error;
    if (SettingsSnapshot::save(vars, path, &error))
        Q_EMIT logLine(tr("Settings saved to the file %1").arg(QDir::toNativeSeparators(path)));
    else
        warn(tr("Save settings to file"), error);
}

void SnapshotActions::openFile()
{
    const QString path = FileChooser::openFile(m_window, tr("Open settings file"), m_folder, filter());
    if (path.isEmpty())
        return;
    m_folder = QFileInfo(path).absolutePath();
    QString error;
    if (!m_offline.open(path, &error)) {
        warn(tr("Open settings file"), error);
        return;
    }
    updateBadge();
}

SnapshotCompareDialog* SnapshotActions::compare()
{
    const QString path = FileChooser::openFile(m_window, tr("Compare with device"), m_folder, filter());
    if (path.isEmpty())
        return nullptr;
    m_folder = QFileInfo(path).absolutePath();
    QString error;
    const std::optional<SettingsFile> file = SettingsFile::read(path, &error);
    if (!file) {
        warn(tr("Compare with device"), error);
        return nullptr;
    }
    auto* dialog = new SnapshotCompareDialog(*file, QFileInfo(path).fileName(), registry(), m_model, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &SnapshotCompareDialog::saveToDeviceRequested, this, &SnapshotActions::saveToDeviceRequested);
    dialog->show();
    return dialog;
}

void SnapshotActions::updateBadge()
{
    const TransportManager& transports = m_stack.transports();
    const DeviceLink* offline = transports.find(OfflineDevice::TransportId);
    const DeviceLink* selected = transports.pendingLink() ? transports.pendingLink() : transports.activeLink();
    m_badge->setVisible(offline && selected == offline);
    m_badge->setText(tr("Offline file: %1").arg(QFileInfo(m_offline.path()).fileName()));
}

VarsRegistry& SnapshotActions::registry()
{
    if (!m_registry)
        m_registry = new VarsRegistry(m_stack.protocol(), m_stack.worker(), this);
    return *m_registry;
}
