#include "SnapshotActions.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include "FileChooser.h"
#include "LineDialog.h"
#include "ModalBox.h"
#include "SnapshotCompareDialog.h"
#include "vars/SettingsFileLink.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"
#include "vars/VarsRegistry.h"
#include "worker/DeviceStack.h"

namespace {
constexpr qsizetype NamedUnreadIds = 20; // a longer list goes to the box's details
const char* const NoticeStyle = "QLabel { background-color: rgba(245, 245, 245, 240); color: #444; font-size: 18px; }";
} // namespace

SnapshotActions::SnapshotActions(DeviceStack& stack, QWidget* window)
    : QObject(window), m_stack(stack), m_window(window), m_folder(QDir::homePath()),
      m_save(new QAction(tr("Save settings to file…"), this)), m_open(new QAction(tr("Open settings file…"), this)),
      m_compare(new QAction(tr("Compare with device…"), this)),
      m_copyNext(new QAction(tr("Copy settings to the next controller…"), this)),
      m_back(new QAction(tr("Back to the device"), this)), m_badge(new QLabel(window))
{
    m_back->setObjectName(QStringLiteral("actionBackToDevice"));
    m_back->setVisible(false);
    connect(m_back, &QAction::triggered, this, &SnapshotActions::backToDevice);
    m_save->setObjectName(QStringLiteral("actionSaveSettingsFile"));
    m_open->setObjectName(QStringLiteral("actionOpenSettingsFile"));
    m_compare->setObjectName(QStringLiteral("actionCompareSettings"));
    m_copyNext->setObjectName(QStringLiteral("actionCopyToNext"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_badge->setObjectName(QStringLiteral("offlineBadge"));
    m_badge->setStyleSheet(QStringLiteral("QLabel { background: #fff3b0; color: #5a4500; padding: 2px 6px; "
                                          "border-radius: 3px; font-weight: bold; }"));
    m_badge->hide();
    connect(m_save, &QAction::triggered, this, &SnapshotActions::saveToFile);
    connect(m_open, &QAction::triggered, this, &SnapshotActions::openFile);
    connect(m_compare, &QAction::triggered, this, &SnapshotActions::compare);
    connect(m_copyNext, &QAction::triggered, this, &SnapshotActions::copyToNext);
    // Every connection, and every loss, starts a new load; only its end gives whole settings.
    connect(
        &stack.worker(), &DeviceThread::uiDeviceHotplug, this,
        [this] {
            m_loaded = false;
            updateActions();
            // The bar announces a choice before the worker has it; the worker's switch is what counts.
            updateBadge();
        },
        Qt::QueuedConnection);
    connect(
        &stack.protocol(), &DeviceProtocol::uiVarsLoadEnd, this,
        [this] {
            m_loaded = true;
            updateActions();
        },
        Qt::QueuedConnection);
    updateActions();
}

SnapshotActions::~SnapshotActions() = default;

void SnapshotActions::addTo(QMenu* menu, QAction* before)
{
    menu->insertActions(before, {m_save, m_open, m_back, m_compare, m_copyNext});
    menu->insertSeparator(before);
    connect(menu, &QMenu::aboutToShow, this, &SnapshotActions::updateActions);
}

void SnapshotActions::setUnavailableForFile(const QList<QWidget*>& pages, const QList<QWidget*>& controls)
{
    m_unavailablePages = pages;
    m_unavailableControls = controls;
    for (QWidget* page : pages) {
        auto* notice = new QLabel(tr("Not available for a settings file"), page);
        notice->setObjectName(QStringLiteral("fileNotice"));
        notice->setAlignment(Qt::AlignCenter);
        notice->setAutoFillBackground(true);
        // A style sheet colour holds while the page beneath is disabled.
        notice->setStyleSheet(QString::fromLatin1(NoticeStyle));
        notice->hide();
        page->installEventFilter(this);
        m_notices.append(notice);
    }
    updateBadge();
}

bool SnapshotActions::eventFilter(QObject* watched, QEvent* event)
{
    const qsizetype i = m_unavailablePages.indexOf(static_cast<QWidget*>(watched));
    if (i >= 0 && event->type() == QEvent::Resize)
        m_notices.at(i)->setGeometry(m_unavailablePages.at(i)->rect());
    return QObject::eventFilter(watched, event);
}

void SnapshotActions::updateActions()
{
    // Only a fully loaded device gives a whole snapshot or a fair comparison.
    const bool loaded = m_stack.worker().isConnected() && m_loaded;
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

bool SnapshotActions::confirmIncomplete(const QList<uint16_t>& unread)
{
    QStringList all;
    for (const uint16_t id : unread)
        all << QString::number(id);
    QString named = all.mid(0, NamedUnreadIds).join(QStringLiteral(", "));
    if (all.size() > NamedUnreadIds)
        named += QStringLiteral(", …");
    QMessageBox box(QMessageBox::Warning, tr("Save settings to file"),
                    tr("The device did not answer for %n variable(s) while loading: %1. The file would lack them. "
                       "Save the settings anyway?",
                       nullptr, int(unread.size()))
                        .arg(named),
                    QMessageBox::Yes | QMessageBox::No, m_window);
    if (all.size() > NamedUnreadIds)
        box.setDetailedText(all.join(QStringLiteral(", ")));
    box.setDefaultButton(QMessageBox::No);
    return ModalBox::exec(box) == box.button(QMessageBox::Yes);
}

void SnapshotActions::saveToFile()
{
    const QList<uint16_t> unread = m_stack.protocol().unreadIds();
    if (!unread.isEmpty() && !confirmIncomplete(unread))
        return;
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
    if (showsFile() && m_leaveCheck && !m_leaveCheck())
        return;
    const QString path = FileChooser::openFile(m_window, tr("Open settings file"), m_folder, filter());
    if (path.isEmpty())
        return;
    m_folder = QFileInfo(path).absolutePath();
    if (!showsFile())
        m_deviceTransport = selectedTransport();
    if (!m_file) {
        m_file = &static_cast<SettingsFileLink&>(m_stack.addTransport(
            SettingsFileLink::TransportId, QStringLiteral(QT_TRANSLATE_NOOP("TransportManager", "Offline file")),
            std::make_unique<SettingsFileLink>()));
    }
    QString error;
    if (!m_file->load(path, &error)) {
        warn(tr("Open settings file"), error);
        return;
    }
    // Chosen through the window's selector, so that it shows the file and the switch is made once.
    Q_EMIT transportRequested(SettingsFileLink::TransportId);
    updateBadge();
}

void SnapshotActions::backToDevice()
{
    if (!showsFile() || (m_leaveCheck && !m_leaveCheck()))
        return;
    Q_EMIT transportRequested(m_deviceTransport);
}

bool SnapshotActions::writeFile(QString* error)
{
    return m_file && m_file->writeBack(error);
}

void SnapshotActions::discardEdits()
{
    if (m_file)
        m_file->load(m_file->path());
}

QString SnapshotActions::selectedTransport() const
{
    const TransportManager& transports = m_stack.transports();
    const DeviceLink* selected = transports.pendingLink() ? transports.pendingLink() : transports.activeLink();
    for (const TransportManager::Transport& transport : transports.transports()) {
        if (transport.link == selected)
            return transport.id;
    }
    return transports.transports().value(0).id; // the USB link, registered first
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

LineDialog* SnapshotActions::copyToNext()
{
    if (!m_model)
        return nullptr;
    if (!m_line) {
        m_line = new LineDialog(m_stack, registry(), *m_model, m_window);
        connect(m_line, &LineDialog::logLine, this, &SnapshotActions::logLine);
        connect(m_line, &LineDialog::pinWanted, this, &SnapshotActions::pinWanted);
        connect(m_line, &LineDialog::savedToFlash, this, &SnapshotActions::savedToFlash);
    }
    m_line->setFolder(m_folder);
    m_line->show();
    m_line->raise();
    m_line->activateWindow();
    return m_line;
}

bool SnapshotActions::showsFile() const
{
    const TransportManager& transports = m_stack.transports();
    const DeviceLink* selected = transports.pendingLink() ? transports.pendingLink() : transports.activeLink();
    return m_file && selected == m_file;
}

QString SnapshotActions::fileName() const
{
    return m_file ? QFileInfo(m_file->path()).fileName() : QString();
}

QString SnapshotActions::openedNote() const
{
    return tr("Opened settings file %1").arg(fileName());
}

QString SnapshotActions::savedNote() const
{
    const QString error = m_file ? m_file->saveError() : QString();
    return error.isEmpty() ? tr("Settings written to %1").arg(fileName()) : error;
}

void SnapshotActions::updateBadge()
{
    const bool file = showsFile();
    m_back->setVisible(file);
    // A file shown as the device is no controller to program.
    m_copyNext->setEnabled(!file);
    m_badge->setVisible(file);
    m_badge->setText(tr("Offline file: %1").arg(fileName()));
    for (qsizetype i = 0; i < m_unavailablePages.size(); ++i) {
        // Disabled as a whole, so that what its own code enables stays out of reach too.
        m_unavailablePages.at(i)->setEnabled(!file);
        m_notices.at(i)->setGeometry(m_unavailablePages.at(i)->rect());
        m_notices.at(i)->setVisible(file);
        m_notices.at(i)->raise();
    }
    for (QWidget* control : m_unavailableControls)
        control->setEnabled(!file);
}

VarsRegistry& SnapshotActions::registry()
{
    if (!m_registry)
        m_registry = new VarsRegistry(m_stack.protocol(), m_stack.worker(), this);
    return *m_registry;
}
