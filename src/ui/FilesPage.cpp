#include "FilesPage.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include "ModalBox.h"
#include "TransferDialog.h"
#include "UserPrompt.h"
#include "files/FileNames.h"
#include "files/FileService.h"
#include "files/TransferOutcome.h"
#include "platform/Platform.h"

namespace {

constexpr int MaxExtension = 8;
constexpr int ManyCells = 5;

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

// Another name in the same folder when two device names came out the same or, given the folder, when a
// file there has that name already.
QString uniqueIn(const QString& name, QSet<QString>& taken, const QDir* folder = nullptr)
{
    const auto isTaken = [&](const QString& candidate) {
        return taken.contains(candidate.toLower()) || (folder && QFileInfo::exists(folder->filePath(candidate)));
    };
    QString candidate = name;
    const QFileInfo info(name);
    const QString suffix = info.completeSuffix().isEmpty() ? QString() : QLatin1Char('.') + info.completeSuffix();
    for (int n = 2; isTaken(candidate); ++n)
        candidate = info.baseName() + QStringLiteral("_%1").arg(n) + suffix;
    taken.insert(candidate.toLower());
    return candidate;
}

} // namespace

FilesPage::FilesPage(FileService& files, QWidget* tabPage, QTableWidget* table, QPushButton* reload, QWidget* window)
    : QObject(window), m_files(files), m_tabPage(tabPage), m_table(table), m_window(window),
      m_dialog(new TransferDialog(window))
{
    m_table->setColumnCount(5);
    m_table->setColumnHidden(IdColumn, true);
    m_table->setColumnHidden(SystemColumn, true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);

    m_replaceAction = new QAction(tr("Replace content"), this);
    m_renameAction = new QAction(tr("Rename"), this);
    m_downloadAction = new QAction(tr("Download"), this);
    m_deleteAction = new QAction(tr("Delete"), this);
    m_downloadSelectedAction = new QAction(tr("Download selected files"), this);
    m_deleteSelectedAction = new QAction(tr("Delete selected files"), this);
    m_downloadAllAction = new QAction(tr("Download all files"), this);
    m_uploadAction = new QAction(tr("Upload new file"), this);
    m_uploadAction->setObjectName(QStringLiteral("uploadFile"));
    m_downloadAction->setObjectName(QStringLiteral("downloadFile"));
    m_renameAction->setObjectName(QStringLiteral("renameFile"));
    m_deleteAction->setObjectName(QStringLiteral("deleteFile"));
    connect(m_replaceAction, &QAction::triggered, this, &FilesPage::replaceContent);
    connect(m_renameAction, &QAction::triggered, this, &FilesPage::rename);
    connect(m_downloadAction, &QAction::triggered, this, &FilesPage::downloadChosen);
    connect(m_deleteAction, &QAction::triggered, this, &FilesPage::deleteChosen);
    connect(m_downloadSelectedAction, &QAction::triggered, this, [this] { downloadMany(true); });
    connect(m_deleteSelectedAction, &QAction::triggered, this, &FilesPage::deleteSelected);
    connect(m_downloadAllAction, &QAction::triggered, this, [this] { downloadMany(false); });
    connect(m_uploadAction, &QAction::triggered, this, &FilesPage::uploadNew);

    m_uploadAction->setShortcut(QKeySequence(Qt::Key_Insert));
    m_downloadAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_renameAction->setShortcut(QKeySequence(Qt::Key_F2));
    m_deleteAction->setShortcut(QKeySequence(QKeySequence::Delete));
    for (QAction* action : {m_uploadAction, m_downloadAction, m_renameAction, m_deleteAction}) {
        // Only while the tab has the focus: Delete in the search field must never delete a file.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_tabPage->addAction(action);
    }
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &FilesPage::updateActions);
    updateActions();
    connect(m_table, &QWidget::customContextMenuRequested, this, &FilesPage::showMenu);
    connect(reload, &QPushButton::clicked, this, &FilesPage::reloadList);
    connect(&m_files, &FileService::filesCleared, this, &FilesPage::onFilesCleared);
    connect(&m_files, &FileService::fileEntry, this, &FilesPage::onFileEntry);
    connect(&m_files, &FileService::taskDone, this, &FilesPage::onTaskDone);
    connect(&m_files, &FileService::taskFile, m_dialog, &TransferDialog::startFile);
    connect(&m_files, &FileService::writeUpdate, m_dialog,
            [this](uint16_t, int bytes) { m_dialog->setProgress(bytes); });
    connect(&m_files, &FileService::readUpdate, m_dialog,
            [this](uint16_t, int bytes) { m_dialog->setProgress(bytes); });
    connect(&m_files, &FileService::taskState, m_dialog, &TransferDialog::setState);
    connect(&m_files, &FileService::taskLog, m_dialog, &TransferDialog::appendLog);
    connect(m_dialog, &TransferDialog::abortRequested, &m_files, &FileService::abortTransfer);
    // A stopped task reports success as well, and the tasks queued behind it do not run.
    connect(m_dialog, &TransferDialog::abortRequested, this, [this] { m_doneLines.fill({}); });
    connect(m_dialog, &TransferDialog::pinEntered, this, &FilesPage::pinEntered);
}

void FilesPage::reloadList()
{
    onFilesCleared();
    m_files.requestFileList();
}

void FilesPage::onFilesCleared()
{
    m_table->clearContents();
    m_table->setRowCount(0);
    m_table->setSortingEnabled(false);
    m_systemNames.clear();
}

void FilesPage::onFileEntry(QSharedPointer<EfsFile> entry)
{
    if (!entry) {
        m_table->resizeColumnsToContents();
        m_table->sortByColumn(NameColumn, Qt::AscendingOrder);
        m_table->setSortingEnabled(true);
        return;
    }
    if (entry->system) {
        m_systemNames.insert(entry->name.toLower());
        if (!m_showSystemFiles)
            return;
    }
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    const auto put = [this, r, &entry](int column, const QVariant& value) {
        auto* item = new QTableWidgetItem;
        item->setData(Qt::DisplayRole, value);
        if (entry->system)
            item->setBackground(Qt::yellow);
        m_table->setItem(r, column, item);
    };
    put(SystemColumn, QVariant(entry->system).toString());
    put(NameColumn, entry->name);
    put(SizeColumn, qulonglong(entry->size));
    put(CreatedColumn, entry->created.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    put(IdColumn, uint(entry->id));
}

FilesPage::Row FilesPage::row(int index) const
{
    const auto text = [this, index](int column) {
        const QTableWidgetItem* item = m_table->item(index, column);
        return item ? item->data(Qt::DisplayRole) : QVariant();
    };
    return {text(NameColumn).toString(), text(SizeColumn).toLongLong(), uint16_t(text(IdColumn).toUInt()),
            text(SystemColumn).toString() == QLatin1String("true")};
}

QList<int> FilesPage::selectedRows() const
{
    QList<int> rows;
    for (const QTableWidgetItem* item : m_table->selectedItems()) {
        if (item->column() == SizeColumn)
            rows << item->row();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FilesPage::addButtons(QBoxLayout* row)
{
    int at = 0;
    for (QAction* action : {m_uploadAction, m_downloadAction, m_renameAction, m_deleteAction}) {
        auto* button = new QPushButton(action->text(), m_tabPage);
        button->setObjectName(action->objectName() + QStringLiteral("Button"));
        button->setAccessibleName(action->text());
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(action->text(), action->shortcut().toString(QKeySequence::NativeText)));
        button->setEnabled(action->isEnabled());
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
        row->insertWidget(at++, button);
    }
}

void FilesPage::updateActions()
{
    const qsizetype chosen = selectedRows().size();
    m_downloadAction->setEnabled(chosen > 0);
    m_deleteAction->setEnabled(chosen > 0);
    m_renameAction->setEnabled(chosen == 1);
}

void FilesPage::downloadChosen()
{
    if (selectedRows().size() > 1)
        downloadMany(true);
    else if (m_table->currentRow() >= 0)
        downloadOne();
}

void FilesPage::deleteChosen()
{
    if (selectedRows().size() > 1)
        deleteSelected();
    else if (m_table->currentRow() >= 0)
        deleteOne();
}

void FilesPage::showMenu(const QPoint& pos)
{
    const bool onRow = m_table->itemAt(pos) != nullptr;
    const bool many = m_table->selectedItems().size() > ManyCells;
    qInfo() << "show context menu" << onRow << " selected " << many << "files";
    auto* menu = new QMenu(m_table);
    menu->setObjectName(QStringLiteral("filesMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (many) {
        menu->addAction(m_downloadSelectedAction);
        menu->addSeparator();
        menu->addAction(m_deleteSelectedAction);
        menu->addSeparator();
        menu->addSeparator();
    } else if (onRow) {
        menu->addActions({m_replaceAction, m_renameAction, m_downloadAction, m_deleteAction});
        menu->addSeparator();
        menu->addSeparator();
    }
    menu->addActions({m_downloadAllAction, m_uploadAction});
    menu->popup(m_table->viewport()->mapToGlobal(pos));
}

QString FilesPage::suggestedName(const QString& name)
{
    QString latin = name;
    for (QChar& c : latin) {
        if (c.unicode() > 0xFF)
            c = QLatin1Char('_');
    }
    if (latin.size() <= EfsFile::MaxName)
        return latin;
    const qsizetype dot = latin.lastIndexOf(QLatin1Char('.'));
    QString extension = dot >= 0 && dot < latin.size() - 1 ? latin.mid(dot) : QString();
    if (extension.size() > MaxExtension)
        extension.clear();
    return latin.left(EfsFile::MaxName - extension.size()) + extension;
}

std::optional<QString> FilesPage::askValidName(const QString& proposed)
{
    QString name = proposed;
    while (!FileNames::isValidDeviceName(name)) {
        const std::optional<QString> answer =
            UserPrompt::text(m_window, tr("File name is not valid"),
                             tr("Name must be 1-%1 characters, Latin-1 only.\nNew name for '%2':")
                                 .arg(QString::number(EfsFile::MaxName), name),
                             suggestedName(name));
        if (!answer)
            return std::nullopt;
        name = *answer;
    }
    return name;
}

void FilesPage::uploadOne(const QString& localPath, const QString& name, bool system)
{
    QFile local(localPath);
    if (!local.open(QIODevice::ReadOnly)) {
        Q_EMIT message(tr("Cannot open local file %1").arg(localPath));
        return;
    }
    if (!fits(local.size()))
        return;
    const std::optional<QString> checked = askValidName(name);
    if (!checked)
        return;
    if (!m_showSystemFiles && m_systemNames.contains(checked->toLower())) {
        Q_EMIT message(tr("A system file '%1' exists, it cannot be replaced").arg(*checked));
        return;
    }
    // The same name replaces the old file safely; only a corrected name may meet another file unasked.
    if (*checked != name && !m_table->findItems(*checked, Qt::MatchFixedString | Qt::MatchCaseSensitive).isEmpty()) {
        if (!ask(tr("File exists"), tr("File '%1' already exists on the device. Replace it?").arg(*checked), false))
            return;
    }
    startUpload(localPath, *checked, system, local.size());
}

void FilesPage::uploadNew()
{
    const QStringList paths = UserPrompt::openFiles(m_window, tr("Select a file to upload"),
                                                    Platform::rememberedFolder(m_settings, UploadKey));
    if (paths.isEmpty())
        return;
    m_settings.setValue(UploadKey, folderOf(paths.first()));
    for (const QString& path : paths)
        uploadOne(path, QFileInfo(path).fileName(), false);
}

void FilesPage::replaceContent()
{
    const Row target = row(m_table->currentRow());
    const QString path = UserPrompt::openFile(m_window, tr("Select a file to upload"),
                                              Platform::rememberedFolder(m_settings, ReplaceKey));
    if (path.isEmpty())
        return;
    m_settings.setValue(ReplaceKey, folderOf(path));
    QFile local(path);
    if (!local.open(QIODevice::ReadOnly)) {
        Q_EMIT message(tr("Cannot open local file %1, old file not changed").arg(path));
        return;
    }
    if (!fits(local.size()))
        return;
    startUpload(path, target.name, target.system, local.size());
}

void FilesPage::downloadOne()
{
    const Row source = row(m_table->currentRow());
    const QString start =
        QDir(Platform::rememberedFolder(m_settings, DownloadKey)).filePath(FileNames::safeLocalName(source.name));
    const QString path = UserPrompt::saveFile(m_window, tr("Select a file for %1").arg(source.name), start);
    if (path.isEmpty())
        return;
    m_settings.setValue(DownloadKey, folderOf(path));
    beginBatch();
    addToBatch(source.size);
    raiseBusy();
    const FileDownloadItem item{source.id, source.name, uint32_t(source.size), path};
    m_doneLines.append({downloadedLine(item)});
    m_files.fileDownload({item});
}

void FilesPage::downloadMany(bool selectedOnly)
{
    const QString folder = UserPrompt::folder(m_window, QString(), Platform::rememberedFolder(m_settings, DownloadKey));
    if (folder.isEmpty())
        return;
    QList<int> rows = selectedRows();
    if (!selectedOnly) {
        rows.clear();
        for (int r = 0; r < m_table->rowCount(); ++r)
            rows << r;
    }
    if (rows.isEmpty())
        return;
    const QDir dir(folder);
    QSet<QString> taken;
    QList<std::pair<Row, QString>> planned;
    QStringList existing;
    for (int r : rows) {
        const Row source = row(r);
        const QString local = uniqueIn(FileNames::safeLocalName(source.name), taken);
        if (QFileInfo::exists(dir.filePath(local)))
            existing << local;
        planned.append({source, local});
    }
    const ExistingFiles choice = existing.isEmpty() ? ReplaceExisting : askExisting(folder, existing);
    if (choice == CancelDownload)
        return;

    QList<FileDownloadItem> items;
    for (auto& [source, local] : planned) {
        if (existing.contains(local)) {
            if (choice == SkipExisting) {
                Q_EMIT logLine(tr("'%1' is in the folder already and is not downloaded").arg(local));
                continue;
            }
            if (choice == KeepBoth)
                local = uniqueIn(local, taken, &dir);
        }
        if (local != source.name)
            Q_EMIT logLine(tr("The device file '%1' is saved as '%2'").arg(source.name, local));
        items.append({source.id, source.name, uint32_t(source.size), dir.filePath(local)});
    }
    if (items.isEmpty())
        return;
    beginBatch();
    for (const FileDownloadItem& item : items)
        addToBatch(item.size);
    raiseBusy();
    QStringList done;
    for (const FileDownloadItem& item : std::as_const(items))
        done << downloadedLine(item);
    m_doneLines.append(done);
    m_files.fileDownload(items);
}

FilesPage::ExistingFiles FilesPage::askExisting(const QString& folder, const QStringList& names)
{
    QMessageBox box(QMessageBox::Question, tr("Files exist"),
                    tr("These files are in %1 already:\n%2\nReplace them, keep both (the download gets a numbered "
                       "name) or skip them?")
                        .arg(QDir::toNativeSeparators(folder), names.join(QLatin1Char('\n'))),
                    QMessageBox::NoButton, m_window);
    QPushButton* replace = box.addButton(tr("Replace"), QMessageBox::AcceptRole);
    QPushButton* keepBoth = box.addButton(tr("Keep both"), QMessageBox::AcceptRole);
    QPushButton* skip = box.addButton(tr("Skip"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(keepBoth);
    const QAbstractButton* chosen = ModalBox::exec(box);
    if (chosen == replace)
        return ReplaceExisting;
    if (chosen == keepBoth)
        return KeepBoth;
    if (chosen == skip)
        return SkipExisting;
    return CancelDownload;
}

void FilesPage::deleteOne()
{
    const Row target = row(m_table->currentRow());
    if (!ask(tr("Delete file"), tr("Delete the file %1 from the device?").arg(target.name), true))
        return;
    Q_EMIT logLine(QStringLiteral("Delete file %1 (fn=%2)").arg(target.name, QString::number(target.id)));
    raiseBusy();
    m_doneLines.append({tr("Deleted '%1' from the device").arg(target.name)});
    m_files.fileDeleteMany({target.id});
}

void FilesPage::deleteSelected()
{
    const QList<int> rows = selectedRows();
    QString names;
    for (int r : rows)
        names += row(r).name + QLatin1Char('\n');
    if (!ask(tr("Delete files"), tr("The files will be deleted, continue?\n%1").arg(names), true))
        return;
    QList<ushort> ids;
    QStringList done;
    for (int r : rows) {
        ids << row(r).id;
        done << tr("Deleted '%1' from the device").arg(row(r).name);
    }
    if (ids.isEmpty())
        return;
    raiseBusy();
    m_doneLines.append(done);
    m_files.fileDeleteMany(ids);
}

void FilesPage::rename()
{
    const Row target = row(m_table->currentRow());
    const std::optional<QString> typed =
        UserPrompt::text(nullptr, tr("Enter a new name for %1").arg(target.name), tr("New name:"), target.name);
    if (!typed || *typed == target.name)
        return;
    const std::optional<QString> name = askValidName(*typed);
    if (!name || *name == target.name)
        return;
    if (!m_showSystemFiles && m_systemNames.contains(name->toLower())) {
        Q_EMIT message(tr("A system file '%1' exists, choose another name").arg(*name));
        return;
    }
    raiseBusy();
    m_doneLines.append({tr("Renamed '%1' to '%2' on the device").arg(target.name, *name)});
    m_files.fileRenameAsync(target.id, *name);
}

void FilesPage::startUpload(const QString& localPath, const QString& name, bool system, qint64 size)
{
    beginBatch();
    addToBatch(size);
    m_batchUploadBytes += size;
    raiseBusy();
    m_doneLines.append({uploadedLine(localPath, name, size)});
    m_files.fileUpload(localPath, name, system);
}

bool FilesPage::fits(qint64 bytes)
{
    if (!m_freeSpace)
        return true;
    // Files queued in the running batch take their room before this one.
    const qint64 free = std::max<qint64>(0, *m_freeSpace - (m_busy > 0 ? m_batchUploadBytes : 0));
    if (bytes <= free)
        return true;
    QString need = TransferDialog::sizeText(bytes);
    QString left = TransferDialog::sizeText(free);
    // Rounded alike, the two would read as if the file fitted.
    if (need == left) {
        need = tr("%1 bytes").arg(bytes);
        left = tr("%1 bytes").arg(free);
    }
    Q_EMIT message(tr("Not enough space on the device: need %1, free %2").arg(need, left));
    return false;
}

bool FilesPage::ask(const QString& title, const QString& text, bool warning)
{
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question, title, text,
                    QMessageBox::Yes | QMessageBox::No, m_window);
    // A deletion is never a Return key away.
    if (warning)
        box.setDefaultButton(QMessageBox::No);
    return ModalBox::exec(box) == box.button(QMessageBox::Yes);
}

void FilesPage::beginBatch()
{
    if (m_busy > 0)
        return;
    m_batchFiles = 0;
    m_batchBytes = 0;
    m_batchError = 0;
    m_batchUploadBytes = 0;
}

void FilesPage::addToBatch(qint64 bytes)
{
    ++m_batchFiles;
    m_batchBytes += bytes;
    m_dialog->setBatch(m_batchFiles, m_batchBytes);
}

void FilesPage::raiseBusy()
{
    if (m_busy++ > 0)
        return;
    for (QPushButton* button : m_tabPage->findChildren<QPushButton*>())
        button->setEnabled(false);
    m_table->setEnabled(false);
    Q_EMIT busyChanged(true);
}

void FilesPage::lowerBusy()
{
    if (m_busy == 0 || --m_busy > 0)
        return;
    for (QPushButton* button : m_tabPage->findChildren<QPushButton*>())
        button->setEnabled(true);
    m_table->setEnabled(true);
    Q_EMIT busyChanged(false);
}

QString FilesPage::uploadedLine(const QString& localPath, const QString& name, qint64 size)
{
    return tr("Uploaded %1 to the device as '%2' (%3 bytes)")
        .arg(QDir::toNativeSeparators(localPath), name, QString::number(size));
}

QString FilesPage::downloadedLine(const FileDownloadItem& item)
{
    return tr("Downloaded '%1' (%2 bytes) to %3")
        .arg(item.name, QString::number(item.size), QDir::toNativeSeparators(item.localPath));
}

void FilesPage::onTaskDone(int result)
{
    // Tasks end in the order they were posted, each once.
    const QStringList done = m_doneLines.isEmpty() ? QStringList() : m_doneLines.takeFirst();
    if (result == 0) {
        for (const QString& line : done)
            Q_EMIT logLine(line);
    }
    if (result != 0 && m_batchError == 0)
        m_batchError = result;
    lowerBusy();
    if (m_busy == 0)
        m_dialog->finish(m_batchError);
    if (result < 0 && result != FileResult::Shown)
        Q_EMIT message(tr("File operation failed: %1").arg(TransferOutcome::text(result)));
}
