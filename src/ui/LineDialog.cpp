#include "LineDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "FileChooser.h"
#include "SnapshotActions.h"
#include "link/DeviceLink.h"
#include "vars/SettingsSnapshot.h"
#include "vars/VARS.h"
#include "worker/DeviceStack.h"

namespace {

enum Column
{
    TimeColumn,
    SerialColumn,
    ModelColumn,
    ResultColumn,
    WrittenColumn,
    SkippedColumn,
    StepColumn,
    ReasonColumn,
    ColumnCount
};

constexpr uint8_t PinAccepted = 0;
constexpr uint8_t PinAcceptedBefore = 2;

} // namespace

LineDialog::LineDialog(DeviceStack& stack, VarsRegistry& registry, const VarsUI& pages, QWidget* parent)
    : QDialog(parent), m_stack(stack), m_job(new LineJob(stack, registry, pages, this)),
      m_fromFile(new QRadioButton(tr("From a settings &file:"), this)),
      m_fromController(new QRadioButton(tr("From the &connected controller's current settings"), this)),
      m_path(new QLineEdit(this)), m_choose(new QPushButton(tr("C&hoose…"), this)),
      m_save(new QCheckBox(tr("&Save in flash after writing"), this)), m_status(new QLabel(this)),
      m_progress(new QProgressBar(this)), m_records(new QTableWidget(this)), m_counts(new QLabel(this)),
      m_start(new QPushButton(tr("S&tart"), this))
{
    setWindowTitle(tr("Copy settings to the next controller"));
    setObjectName(QStringLiteral("lineDialog"));
    m_fromFile->setObjectName(QStringLiteral("fromFile"));
    m_fromFile->setChecked(true);
    m_fromController->setObjectName(QStringLiteral("fromController"));
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setReadOnly(true);
    m_path->setAccessibleName(tr("Settings file"));
    m_path->setPlaceholderText(tr("No file chosen"));
    m_choose->setObjectName(QStringLiteral("choose"));
    m_choose->setAccessibleName(tr("Choose the settings file"));
    m_save->setObjectName(QStringLiteral("saveToFlash"));
    m_save->setChecked(true);
    m_status->setObjectName(QStringLiteral("lineStatus"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setStyleSheet(QStringLiteral("QLabel { font-size: 15px; font-weight: bold; padding: 6px; }"));
    // A screen reader announces the step as the label changes.
    m_status->setAccessibleName(tr("Line status"));
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_records->setObjectName(QStringLiteral("records"));
    m_records->setAccessibleName(tr("Controllers programmed"));
    m_records->setColumnCount(ColumnCount);
    m_records->setHorizontalHeaderLabels({tr("Time"), tr("Serial number"), tr("Model"), tr("Result"), tr("Written"),
                                          tr("Skipped"), tr("Step"), tr("Reason")});
    m_records->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_records->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_records->verticalHeader()->hide();
    m_records->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_records->horizontalHeader()->setStretchLastSection(true);
    m_counts->setObjectName(QStringLiteral("counts"));
    m_start->setObjectName(QStringLiteral("start"));

    auto* source = new QGridLayout;
    source->addWidget(m_fromFile, 0, 0);
    source->addWidget(m_path, 0, 1);
    source->addWidget(m_choose, 0, 2);
    source->addWidget(m_fromController, 1, 0, 1, 3);
    source->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_start, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(source);
    layout->addWidget(m_save);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_records, 1);
    layout->addWidget(m_counts);
    layout->addWidget(buttons);
    const QList<QWidget*> order = {m_fromFile, m_choose, m_fromController, m_save, m_records, m_start};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    resize(760, 420);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(m_choose, &QPushButton::clicked, this, &LineDialog::chooseFile);
    connect(m_fromFile, &QRadioButton::toggled, this, &LineDialog::updateControls);
    connect(m_start, &QPushButton::clicked, this, [this] { m_state == State::Idle ? start() : stop(); });
    connect(m_job, &LineJob::stepStarted, this, [this](const QString&, const QString& text) {
        m_status->setText(text);
    });
    connect(m_job, &LineJob::progress, this, [this](int done, int total) {
        m_progress->setRange(0, std::max(total, 1));
        m_progress->setValue(done);
    });
    connect(m_job, &LineJob::finished, this, &LineDialog::onFinished);
    constexpr auto queued = Qt::QueuedConnection;
    connect(&stack.worker(), &DeviceThread::uiDeviceHotplug, this, &LineDialog::onHotplug, queued);
    connect(&stack.protocol(), &DeviceProtocol::uiVarsLoadEnd, this, &LineDialog::onLoadEnd, queued);
    connect(&stack.protocol(), &DeviceProtocol::uiAuthUpdate1, this, &LineDialog::onAuth, queued);

    m_loaded = controllerConnected() && stack.protocol().vars().count() > 0;
    setState(State::Idle, tr("Choose the settings to copy, then press Start."));
}

int LineDialog::recordCount() const
{
    return m_records->rowCount();
}

bool LineDialog::controllerConnected() const
{
    const DeviceLink* link = m_stack.transports().activeLink();
    // A settings file shown as the device is no controller to program.
    return link && link->isOpen() && link->isLiveDevice();
}

void LineDialog::chooseFile()
{
    const QString path =
        FileChooser::openFile(this, tr("Settings to copy"), m_folder, SnapshotActions::filter());
    if (path.isEmpty())
        return;
    m_folder = QFileInfo(path).absolutePath();
    useFile(path);
}

bool LineDialog::useFile(const QString& path)
{
    QString error;
    std::optional<SettingsFile> file = SettingsFile::read(path, &error);
    if (file && file->model.isEmpty())
        error = tr("%1 names no controller model, so the line cannot tell which controllers it fits.")
                    .arg(QFileInfo(path).fileName());
    if (!error.isEmpty()) {
        m_file.reset();
        m_path->clear();
        m_status->setText(error);
        updateControls();
        return false;
    }
    m_file = std::move(file);
    m_path->setText(QDir::toNativeSeparators(path));
    m_fromFile->setChecked(true);
    m_status->setText(tr("Settings of %1 from %2. Press Start.").arg(m_file->model, QFileInfo(path).fileName()));
    updateControls();
    return true;
}

void LineDialog::start()
{
    if (m_state != State::Idle)
        return;
    m_stopAfter = false;
    if (m_fromController->isChecked()) {
        if (!m_loaded || !controllerConnected())
            return;
        m_file = SettingsSnapshot::capture(m_stack.protocol().vars());
        m_path->setText(tr("The settings of %1, taken at %2")
                            .arg(m_file->serial, QLocale().toString(QTime::currentTime(), QLocale::ShortFormat)));
        // The source itself is not programmed again.
        setState(State::Unplug,
                 tr("The settings of %1 are taken. Unplug it and connect the next controller.").arg(m_file->serial));
        return;
    }
    if (!m_file)
        return;
    setState(State::Waiting, tr("Connect the next controller."));
    if (m_loaded && controllerConnected())
        onLoadEnd();
}

void LineDialog::stop()
{
    if (m_state == State::Running) {
        m_stopAfter = true;
        m_start->setEnabled(false);
        m_status->setText(tr("The line stops after this controller."));
        return;
    }
    setState(State::Idle, tr("The line is stopped."));
}

void LineDialog::onLoadEnd()
{
    m_loaded = controllerConnected();
    if (m_state != State::Waiting || !m_loaded || !m_file)
        return;
    setState(State::Running, tr("Programming the controller…"));
    m_job->start(*m_file, LineJob::Options{.save = m_save->isChecked(), .loaded = true});
}

void LineDialog::onHotplug()
{
    m_loaded = false;
    m_pinSent = false;
    if (controllerConnected()) {
        updateControls();
        return;
    }
    // A controller lost while programmed is the job's to record; it tells when it has.
    if (m_state == State::Unplug)
        setState(State::Waiting, tr("Connect the next controller."));
    updateControls();
}

void LineDialog::onAuth(uint8_t status)
{
    if (status == PinAccepted || status == PinAcceptedBefore || m_state != State::Waiting || m_pinSent)
        return;
    // Controllers on a line share their PIN; the one given for the first is tried once on each next one.
    const QByteArray pin = m_stack.protocol().storedPin(1);
    if (pin.isEmpty() || !controllerConnected())
        return;
    m_pinSent = true;
    Q_EMIT pinWanted(pin);
}

void LineDialog::onFinished(const LineRecord& record)
{
    addRecord(record);
    Q_EMIT logLine(record.summary());
    if (record.done && m_save->isChecked())
        Q_EMIT savedToFlash();
    QApplication::beep();
    if (m_stopAfter) {
        setState(State::Idle, record.summary() + QLatin1Char('\n') + tr("The line is stopped."));
        return;
    }
    if (!controllerConnected()) {
        setState(State::Waiting, record.summary() + QLatin1Char('\n') + tr("Connect the next controller."));
        return;
    }
    setState(State::Unplug, record.done ? LineRecord::doneText(record.serial)
                                        : record.summary() + QLatin1Char('\n') +
                                              tr("Unplug it and connect the next controller."));
}

void LineDialog::addRecord(const LineRecord& record)
{
    const int row = m_records->rowCount();
    m_records->insertRow(row);
    const QStringList cells = {QLocale().toString(record.time.time(), QLocale::ShortFormat),
                               record.serial,
                               record.model,
                               record.done ? tr("done") : tr("failed"),
                               QString::number(record.written),
                               QString::number(record.skipped),
                               record.step,
                               record.reason};
    for (int column = 0; column < ColumnCount; ++column) {
        auto* item = new QTableWidgetItem(cells.at(column));
        item->setToolTip(cells.at(column));
        m_records->setItem(row, column, item);
    }
    m_records->scrollToBottom();
    (record.done ? m_done : m_failed)++;
    m_counts->setText(tr("Done: %1, failed: %2").arg(m_done).arg(m_failed));
}

void LineDialog::setState(State state, const QString& text)
{
    m_state = state;
    m_status->setText(text);
    m_progress->setTextVisible(state == State::Running);
    if (state != State::Running) {
        m_progress->setRange(0, 1);
        m_progress->setValue(0);
    }
    updateControls();
}

void LineDialog::updateControls()
{
    const bool idle = m_state == State::Idle;
    m_fromFile->setEnabled(idle);
    m_choose->setEnabled(idle);
    const bool fromControllerAvailable = m_loaded && controllerConnected();
    m_fromController->setEnabled(idle && fromControllerAvailable);
    // The choice stays as it was while the line runs; only an idle line falls back to a file.
    if (idle && !fromControllerAvailable && m_fromController->isChecked())
        m_fromFile->setChecked(true);
    m_save->setEnabled(idle);
    m_start->setText(idle ? tr("S&tart") : tr("S&top"));
    m_start->setEnabled(!idle || m_fromController->isChecked() || m_file.has_value());
    if (m_stopAfter && m_state == State::Running)
        m_start->setEnabled(false);
}

void LineDialog::closeEvent(QCloseEvent* event)
{
    // The controller being programmed is finished and recorded; no further one is taken.
    stop();
    QDialog::closeEvent(event);
}
