#pragma once

#include <QDialog>
#include <QList>

#include "vars/SettingsFile.h"
#include "vars/SettingsSnapshot.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class SnapshotWriter;
class VarsRegistry;
class VarsUI;

// A saved settings file against the device: the differing variables, and writing the chosen ones back.
class SnapshotCompareDialog : public QDialog
{
    Q_OBJECT
public:
    enum Column
    {
        PageColumn,
        NameColumn,
        IdColumn,
        FileColumn,
        DeviceColumn,
        ColumnCount,
    };

    SnapshotCompareDialog(const SettingsFile& file, const QString& fileName, VarsRegistry& registry,
                          const VarsUI* model, QWidget* parent = nullptr);

    // Compares again with what the store holds now.
    void refresh();
    void setFilter(const QString& text);
    void selectIds(const QList<uint16_t>& ids);
    void writeSelected();

Q_SIGNALS:
    // The user asked to keep the written settings over a restart.
    void saveToDeviceRequested();

private:
    static void fill(QTableWidget* table, const QList<SettingsSnapshot::Difference>& rows);
    void applyFilter();
    bool writable() const { return m_refusal.isEmpty(); }
    void onWritten();

    SettingsFile m_file;
    VarsRegistry& m_registry;
    const VarsUI* m_model;
    QList<SettingsSnapshot::Difference> m_differences; // those a write can set
    QList<SettingsSnapshot::Difference> m_readOnly;    // values the device measures or reports
    QString m_refusal;                                 // why nothing of the file may be written to this device
    SettingsSnapshot::WritePlan m_plan;
    SnapshotWriter* m_writer;

    QLabel* m_otherModel;
    QLineEdit* m_filter;
    QLabel* m_count;
    QLabel* m_identical;
    QTableWidget* m_table;
    QLabel* m_readOnlyLabel;
    QTableWidget* m_readOnlyTable;
    QProgressBar* m_progress;
    QPlainTextEdit* m_report;
    QPushButton* m_write;
    QPushButton* m_saveToDevice;
};
