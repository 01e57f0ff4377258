#include "SnapshotCompareDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ModalBox.h"
#include "vars/SnapshotWriter.h"
#include "vars/VARS.h"
#include "vars/VarsRegistry.h"

SnapshotCompareDialog::SnapshotCompareDialog(const SettingsFile& file, const QString& fileName, VarsRegistry& registry,
                                             const VarsUI* model, QWidget* parent)
    : QDialog(parent), m_file(file), m_registry(registry), m_model(model), m_writer(new SnapshotWriter(registry, this)),
      m_otherModel(new QLabel(this)), m_filter(new QLineEdit(this)), m_count(new QLabel(this)),
      m_identical(new QLabel(tr("The settings are identical"), this)), m_table(new QTableWidget(this)),
      m_readOnlyLabel(new QLabel(this)), m_readOnlyTable(new QTableWidget(this)), m_progress(new QProgressBar(this)),
      m_report(new QPlainTextEdit(this)), m_write(new QPushButton(tr("Write differences…"), this)),
      m_saveToDevice(new QPushButton(tr("Save to the device"), this))
{
    setWindowTitle(tr("Compare with device: %1").arg(fileName));
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(tr("Filter"));
    m_filter->setAccessibleName(tr("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_count->setObjectName(QStringLiteral("count"));
    m_identical->setObjectName(QStringLiteral("identical"));
    m_otherModel->setObjectName(QStringLiteral("otherModel"));
    m_otherModel->setWordWrap(true);
    m_otherModel->setTextFormat(Qt::PlainText);
    m_otherModel->setStyleSheet(QStringLiteral("QLabel { color: white; background: #c0392b; font-weight: bold; "
                                               "padding: 6px 10px; border-radius: 3px; }"));
    m_table->setObjectName(QStringLiteral("differences"));
    m_table->setAccessibleName(tr("Differences"));
    m_readOnlyTable->setObjectName(QStringLiteral("readOnlyDifferences"));
    m_readOnlyTable->setAccessibleName(tr("Read-only values"));
    m_readOnlyLabel->setObjectName(QStringLiteral("readOnlyCount"));
    m_readOnlyLabel->setWordWrap(true);
    for (QTableWidget* table : {m_table, m_readOnlyTable}) {
        table->setColumnCount(ColumnCount);
        table->setHorizontalHeaderLabels(
            {tr("Page"), tr("Name"), tr("Id"), tr("Value in the file"), tr("Value in the device")});
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setStretchLastSection(true);
    }
    m_readOnlyTable->setSelectionMode(QAbstractItemView::NoSelection);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(tr("Writing"));
    m_progress->hide();
    m_report->setObjectName(QStringLiteral("report"));
    m_report->setAccessibleName(tr("Report"));
    m_report->setReadOnly(true);
    m_report->hide();
    m_write->setObjectName(QStringLiteral("write"));
    m_saveToDevice->setObjectName(QStringLiteral("saveToDevice"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_write, QDialogButtonBox::ActionRole);
    buttons->addButton(m_saveToDevice, QDialogButtonBox::ActionRole);
    m_saveToDevice->hide(); // after the box, which shows what it is given; offered once something is written
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_otherModel);
    layout->addWidget(m_filter);
    layout->addWidget(m_count);
    layout->addWidget(m_identical);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_readOnlyLabel);
    layout->addWidget(m_readOnlyTable, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_report);
    layout->addWidget(buttons);
    resize(900, 600);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_filter, &QLineEdit::textChanged, this, &SnapshotCompareDialog::applyFilter);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        m_write->setEnabled(writable() && !m_writer->isRunning() && !m_table->selectedItems().isEmpty());
    });
    connect(m_write, &QPushButton::clicked, this, &SnapshotCompareDialog::writeSelected);
    connect(m_saveToDevice, &QPushButton::clicked, this, [this] {
        m_saveToDevice->setEnabled(false);
        Q_EMIT saveToDeviceRequested();
    });
    connect(m_writer, &SnapshotWriter::progress, this, [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(m_writer, &SnapshotWriter::finished, this, &SnapshotCompareDialog::onWritten);
    refresh();
}

void SnapshotCompareDialog::refresh()
{
    // Said first: nothing listed below may be written to a device of another model.
    m_refusal = SettingsSnapshot::plan(m_file, m_registry.vars(), {}).refusal;
    m_otherModel->setText(m_refusal);
    m_otherModel->setVisible(!m_refusal.isEmpty());
    m_differences.clear();
    m_readOnly.clear();
    for (const SettingsSnapshot::Difference& d : SettingsSnapshot::compare(m_file, m_registry.vars(), m_model))
        (d.readOnly ? m_readOnly : m_differences).append(d);
    fill(m_table, m_differences);
    fill(m_readOnlyTable, m_readOnly);
    applyFilter();
}

void SnapshotCompareDialog::fill(QTableWidget* table, const QList<SettingsSnapshot::Difference>& rows)
{
    table->setRowCount(0);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const SettingsSnapshot::Difference& d = rows.at(row);
        const QString missing = tr("(none)");
        const QStringList texts{d.page, d.name, QString::number(d.id), d.inFile ? d.fileText : missing,
                                d.onDevice ? d.deviceText : missing};
        for (int column = 0; column < ColumnCount; ++column)
            table->setItem(row, column, new QTableWidgetItem(texts.at(column)));
        table->item(row, FileColumn)->setToolTip(d.fileRaw);
        table->item(row, DeviceColumn)->setToolTip(d.deviceRaw);
    }
    table->resizeColumnsToContents();
}

void SnapshotCompareDialog::setFilter(const QString& text)
{
    m_filter->setText(text);
}

void SnapshotCompareDialog::applyFilter()
{
    const QString filter = m_filter->text().trimmed();
    const auto filterTable = [&filter](QTableWidget* table) {
        int shown = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            bool match = filter.isEmpty();
            for (int column = 0; column < ColumnCount && !match; ++column)
                match = table->item(row, column)->text().contains(filter, Qt::CaseInsensitive);
            table->setRowHidden(row, !match);
            shown += match ? 1 : 0;
        }
        return shown;
    };
    const int shown = filterTable(m_table);
    filterTable(m_readOnlyTable);
    const int total = int(m_differences.size());
    m_count->setText(shown == total ? tr("%n difference(s)", nullptr, total)
                                    : tr("%1 of %n difference(s) shown", nullptr, total).arg(shown));
    m_identical->setVisible(total == 0);
    m_count->setVisible(total != 0);
    m_table->setVisible(total != 0);
    const int readOnly = int(m_readOnly.size());
    m_readOnlyLabel->setText(tr("%n read-only value(s) the device measures or reports differ; no file sets them, "
                                "so they are not counted or written:",
                                nullptr, readOnly));
    m_readOnlyLabel->setVisible(readOnly != 0);
    m_readOnlyTable->setVisible(readOnly != 0);
    m_write->setEnabled(writable() && !m_writer->isRunning() && !m_table->selectedItems().isEmpty());
    m_write->setToolTip(m_refusal);
}

void SnapshotCompareDialog::selectIds(const QList<uint16_t>& ids)
{
    m_table->clearSelection();
    m_table->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int row = 0; row < m_differences.size(); ++row) {
        if (ids.contains(m_differences.at(row).id))
            m_table->selectRow(row);
    }
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void SnapshotCompareDialog::writeSelected()
{
    QList<uint16_t> ids;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        if (!m_table->isRowHidden(index.row()))
            ids.append(m_differences.at(index.row()).id);
    }
    if (ids.isEmpty() || m_writer->isRunning())
        return;
    std::sort(ids.begin(), ids.end());
    m_plan = SettingsSnapshot::plan(m_file, m_registry.vars(), ids, ValueLimits(m_model));
    if (!m_plan.refusal.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Write differences"), m_plan.refusal, QMessageBox::Ok, this);
        ModalBox::exec(box);
        return;
    }
    if (!m_plan.writes.isEmpty()) {
        QString question = tr("Write %n value(s) to the device?", nullptr, int(m_plan.writes.size()));
        if (m_plan.otherFirmware)
            question.prepend(m_plan.warning + QLatin1Char('\n'));
        QMessageBox box(QMessageBox::Question, tr("Write differences"), question, QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setDefaultButton(m_plan.otherFirmware ? QMessageBox::No : QMessageBox::Yes);
        if (ModalBox::exec(box) != box.button(QMessageBox::Yes))
            return;
    }
    m_write->setEnabled(false);
    m_saveToDevice->hide();
    m_report->hide();
    m_progress->setRange(0, int(m_plan.writes.size()));
    m_progress->setValue(0);
    m_progress->setVisible(!m_plan.writes.isEmpty());
    m_writer->start(m_plan.writes);
}

void SnapshotCompareDialog::onWritten()
{
    QStringList lines;
    int written = 0;
    auto label = [this](uint16_t id) {
        for (const SettingsSnapshot::Difference& d : m_differences) {
            if (d.id == id && !d.name.isEmpty())
                return tr("%1 (%2)").arg(d.name).arg(id);
        }
        return tr("Variable %1").arg(id);
    };
    for (const SnapshotWriter::Result& r : m_writer->results()) {
        if (r.written) {
            ++written;
            continue;
        }
        const QString why = r.code != 0 ? VARS::errorTextTr(r.code) : tr("the device does not hold the value");
        lines << tr("%1: not written: %2").arg(label(r.id), why);
    }
    for (const SettingsSnapshot::Skipped& s : m_plan.skipped)
        lines << tr("%1: skipped: %2").arg(label(s.id), s.reason);
    lines.prepend(tr("%n setting(s) written.", nullptr, written));
    m_report->setPlainText(lines.join(QLatin1Char('\n')));
    m_report->show();
    m_saveToDevice->setVisible(written > 0);
    m_saveToDevice->setEnabled(true);
    refresh();
}
