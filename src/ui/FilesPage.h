#pragma once

#include <optional>

#include <QObject>
#include <QSet>
#include <QSettings>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

#include "files/EfsFile.h"

class FileService;
class QAction;
class QBoxLayout;
class QPoint;
class QPushButton;
class QTableWidget;
class QWidget;
class TransferDialog;

// The controller of the Files tab: fills the table from the device's file list, offers the file
// actions, checks names and starts the work through the file service. The window owns the widgets.
class FilesPage : public QObject
{
    Q_OBJECT
public:
    enum Column
    {
        NameColumn = 0,
        SizeColumn = 1,
        CreatedColumn = 2,
        IdColumn = 3,
        SystemColumn = 4,
    };
    // The settings keys of the folders last used; the preferences set them as the folders to start in.
    static inline const QString DownloadKey = QStringLiteral("last_download_path");
    static inline const QString UploadKey = QStringLiteral("last_upload_path");
    static inline const QString ReplaceKey = QStringLiteral("last_upload_replace_path");

    FilesPage(FileService& files, QWidget* tabPage, QTableWidget* table, QPushButton* reload, QWidget* window);

    void reloadList();
    // Buttons for the file actions at the start of that row; their keys work while the tab has the focus.
    void addButtons(QBoxLayout* row);
    void uploadOne(const QString& localPath, const QString& name, bool system);
    bool busy() const { return m_busy > 0; }
    // The free space the device reported last; nullopt while unknown, when uploads are not checked.
    void setFreeSpace(std::optional<qint64> bytes) { m_freeSpace = bytes; }
    TransferDialog* dialog() const { return m_dialog; }

    // The name itself when the device can store it, else the user's corrected one; nullopt when cancelled.
    std::optional<QString> askValidName(const QString& proposed);
    static QString suggestedName(const QString& name);

Q_SIGNALS:
    void busyChanged(bool on);
    void message(const QString& text);
    void logLine(const QString& text);
    void pinEntered(int level, const QString& pin);

public Q_SLOTS:
    void onFilesCleared();
    void onFileEntry(QSharedPointer<EfsFile> entry);
    void onTaskDone(int result);

private:
    // What a folder download does with the files of the same names already there.
    enum ExistingFiles
    {
        ReplaceExisting,
        KeepBoth,
        SkipExisting,
        CancelDownload,
    };

    struct Row
    {
        QString name;
        qint64 size = 0;
        uint16_t id = 0;
        bool system = false;
    };

    void showMenu(const QPoint& pos);
    void uploadNew();
    void replaceContent();
    void downloadOne();
    void downloadMany(bool selectedOnly);
    ExistingFiles askExisting(const QString& folder, const QStringList& names);
    void deleteOne();
    void deleteSelected();
    // The selected files, or the file under the cursor.
    void downloadChosen();
    void deleteChosen();
    void updateActions();
    void rename();

    Row row(int index) const;
    QList<int> selectedRows() const;
    bool ask(const QString& title, const QString& text, bool warning);
    void startUpload(const QString& localPath, const QString& name, bool system, qint64 size);
    // Refuses, with a message, an upload the device has no room for.
    bool fits(qint64 bytes);
    void beginBatch();
    void addToBatch(qint64 bytes);
    void raiseBusy();
    void lowerBusy();
    static QString uploadedLine(const QString& localPath, const QString& name, qint64 size);
    static QString downloadedLine(const FileDownloadItem& item);

    FileService& m_files;
    QWidget* m_tabPage;
    QTableWidget* m_table;
    QWidget* m_window;
    TransferDialog* m_dialog;
    QSettings m_settings;

    bool m_showSystemFiles = false;
    int m_busy = 0;
    QSet<QString> m_systemNames;
    quint32 m_batchFiles = 0;
    qint64 m_batchBytes = 0;
    int m_batchError = 0;
    std::optional<qint64> m_freeSpace;
    qint64 m_batchUploadBytes = 0; // uploaded in this batch, not yet in a report of the free space
    // For each task posted and not yet ended, the log lines that say what it did once it succeeds.
    QList<QStringList> m_doneLines;

    QAction* m_replaceAction;
    QAction* m_renameAction;
    QAction* m_downloadAction;
    QAction* m_deleteAction;
    QAction* m_downloadSelectedAction;
    QAction* m_deleteSelectedAction;
    QAction* m_downloadAllAction;
    QAction* m_uploadAction;
};
