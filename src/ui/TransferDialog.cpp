#include "TransferDialog.h"

#include <algorithm>
#include <limits>

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

#include "PlainText.h"
#include "files/TransferOutcome.h"

namespace {

const char* const StatusStyle =
    "font-weight: bold; color: white; background: %1; border-radius: 3px; padding: 6px 10px;";
const char* const Green = "#2e9e4f";
const char* const Red = "#c0392b";
const char* const Orange = "#f28c1e";
const char* const Blue = "#3b78c4";

constexpr int PinFieldWidth = 90;
constexpr int PinMaxLength = 6;
constexpr int Pin1Length = 4;
constexpr int Pin2Length = 6;
constexpr int TickMs = 1000;
constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 KiB = 1024;
constexpr qint64 WholeKiBFrom = 10240;

int barMaximum(qint64 value)
{
    return int(std::clamp<qint64>(value, 1, std::numeric_limits<int>::max()));
}

int barValue(qint64 value, const QProgressBar* bar)
{
    return int(qMin<qint64>(value, bar->maximum()));
}

} // namespace

TransferDialog::TransferDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("File transfer"));
    resize(560, 420);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setWordWrap(true);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_fileBar = new QProgressBar(this);
    m_fileBar->setObjectName(QStringLiteral("fileBar"));
    m_fileBar->setAccessibleName(tr("Progress of the current file"));
    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("detail"));
    m_batchLabel = new QLabel(this);
    m_batchLabel->setObjectName(QStringLiteral("batchLabel"));
    m_batchBar = new QProgressBar(this);
    m_batchBar->setObjectName(QStringLiteral("batchBar"));
    m_batchBar->setAccessibleName(tr("Progress of all files"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    PlainText::set({m_title}); // a device file name or a local path

    m_pinRow = new QWidget(this);
    m_pinField = new QLineEdit(m_pinRow);
    m_pinField->setObjectName(QStringLiteral("pinField"));
    m_pinField->setAccessibleName(tr("PIN"));
    m_pinField->setEchoMode(QLineEdit::Password);
    m_pinField->setMaxLength(PinMaxLength);
    m_pinField->setFixedWidth(PinFieldWidth);
    m_pinButton = new QPushButton(m_pinRow);
    m_pinButton->setObjectName(QStringLiteral("pinButton"));
    m_pinMessage = new QLabel(m_pinRow);
    m_pinMessage->setObjectName(QStringLiteral("pinMessage"));
    auto* pinLayout = new QHBoxLayout(m_pinRow);
    pinLayout->setContentsMargins(0, 0, 0, 0);
    pinLayout->addWidget(m_pinField);
    pinLayout->addWidget(m_pinButton);
    pinLayout->addWidget(m_pinMessage, 1);
    m_pinRow->hide();

    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("log"));
    m_log->setAccessibleName(tr("Transfer log"));
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(MaxLogLines);
    m_button = new QPushButton(tr("Abort"), this);
    m_button->setObjectName(QStringLiteral("button"));
    m_button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_fileBar);
    layout->addWidget(m_detail);
    layout->addWidget(m_batchLabel);
    layout->addWidget(m_batchBar);
    layout->addWidget(m_status);
    layout->addWidget(m_pinRow);
    layout->addWidget(m_log, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_button);
    layout->addLayout(buttons);

    m_tick.setInterval(TickMs);
    connect(&m_tick, &QTimer::timeout, this, &TransferDialog::refresh);
    connect(m_button, &QPushButton::clicked, this, &TransferDialog::onButton);
    connect(m_pinButton, &QPushButton::clicked, this, &TransferDialog::sendPin);
    connect(m_pinField, &QLineEdit::returnPressed, this, &TransferDialog::sendPin);
}

QString TransferDialog::sizeText(qint64 bytes)
{
    if (bytes >= MiB)
        return tr("%1 MB").arg(double(bytes) / MiB, 0, 'f', 1);
    return tr("%1 KB").arg(double(bytes) / KiB, 0, 'f', bytes < WholeKiBFrom ? 1 : 0);
}

QString TransferDialog::durationText(qint64 seconds)
{
    if (seconds < 60)
        return tr("%1 s").arg(seconds);
    return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

void TransferDialog::startFile(const QString& label, qlonglong total)
{
    if (!m_active) {
        m_active = true;
        m_fileIndex = 0;
        m_resumes = 0;
        m_aborted = false;
        m_doneBytes = 0;
        m_fileStarted = false;
        m_batchBar->setValue(0);
        m_log->clear();
        m_pinMessage->clear();
        m_batchTimer.start();
        m_stateTimer.start();
        m_state = Transferring;
        setStatusColour(Green);
        m_pinRow->setVisible(false);
        m_button->setText(tr("Abort"));
        m_button->setEnabled(true);
        m_tick.start();
        show();
        Q_EMIT activeChanged(true);
    }
    if (!m_fileStarted) {
        m_fileIndex = 1;
        m_fileStarted = true;
    } else if (m_bytes >= m_total || label != m_label) {
        // A file started again after a recovery keeps its number; any other file is the next one.
        if (m_bytes >= m_total)
            m_doneBytes += m_total;
        ++m_fileIndex;
    }
    m_label = label;
    m_total = total;
    m_bytes = 0;
    m_rateBase = -1;
    m_fileBar->setRange(0, barMaximum(total));
    m_fileBar->setValue(0);
    updateTitle();
    appendLog(label);
    refresh();
}

void TransferDialog::setProgress(qlonglong bytes)
{
    if (!m_active)
        return;
    if (m_state != Transferring) {
        m_state = Transferring;
        setStatusColour(Green);
        m_rateBase = -1;
        m_stateTimer.start();
        m_pinRow->setVisible(false);
        refresh();
        appendLog(tr("The transfer goes on at %1 bytes").arg(bytes));
    }
    if (m_rateBase == -1) {
        m_rateBase = bytes;
        m_rateTimer.start();
    }
    m_bytes = bytes;
    m_fileBar->setValue(barValue(bytes, m_fileBar));
    m_batchBar->setValue(barValue(m_doneBytes + bytes, m_batchBar));
}

void TransferDialog::setState(int state)
{
    if (!m_active || state < DeviceLost || state > WaitingPin2 || state == m_state)
        return;
    if (state == DeviceLost)
        ++m_resumes;
    m_state = state;
    m_stateTimer.start();
    setStatusColour(state == Checking ? Blue : Orange);
    if (state == WaitingPin1 || state == WaitingPin2) {
        const int level = pinLevel();
        m_pinField->setMaxLength(level == 2 ? Pin2Length : Pin1Length);
        m_pinField->setPlaceholderText(tr("PIN %1").arg(level));
        m_pinButton->setText(tr("Send PIN %1").arg(level));
        m_pinField->clear();
        m_pinField->setEnabled(true);
        m_pinButton->setEnabled(true);
        m_pinRow->setVisible(true);
        m_pinField->setFocus();
    } else {
        m_pinRow->setVisible(false);
    }
    refresh();
}

void TransferDialog::sendPin()
{
    const int level = pinLevel();
    const int length = level == 2 ? Pin2Length : Pin1Length;
    const QString pin = m_pinField->text();
    if (pin.size() != length) {
        m_pinMessage->setText(tr("PIN %1 has %2 characters").arg(level).arg(length));
        return;
    }
    m_pinField->setEnabled(false);
    m_pinButton->setEnabled(false);
    m_pinMessage->setText(tr("PIN %1 is sent, waiting for the device ...").arg(level));
    Q_EMIT pinEntered(level, pin);
}

void TransferDialog::showPinResult(const QString& text)
{
    m_pinMessage->setText(text);
    m_pinField->clear();
    m_pinField->setEnabled(true);
    m_pinButton->setEnabled(true);
    appendLog(text);
}

void TransferDialog::appendLog(const QString& text)
{
    if (!m_active)
        return;
    m_log->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") + text);
}

void TransferDialog::setBatch(quint32 fileCount, qint64 batchBytes)
{
    m_fileCount = fileCount;
    m_batchBytes = batchBytes;
    m_batchBar->setRange(0, barMaximum(batchBytes));
    updateTitle();
    refresh();
}

void TransferDialog::finish(int result)
{
    if (!m_active)
        return;
    appendLog(tr("Transfer ended (%1), %2").arg(result).arg(durationText(m_batchTimer.elapsed() / 1000)));
    m_active = false;
    Q_EMIT activeChanged(false);
    m_tick.stop();
    // A stopped batch ends with 0 as well, yet its last file is incomplete.
    if (result == 0 && m_resumes == 0 && !m_aborted) {
        // Said before the dialog goes, so that a screen reader announces the end too.
        m_status->setText(tr("Transfer complete (resumes: %1)").arg(0));
        hide();
        return;
    }
    if (result != 0) {
        m_status->setText(tr("Transfer failed: %1").arg(TransferOutcome::text(result)));
        setStatusColour(Red);
    } else if (m_aborted) {
        m_status->setText(tr("Transfer stopped"));
        setStatusColour(Red);
    } else {
        m_status->setText(tr("Transfer complete (resumes: %1)").arg(m_resumes));
        setStatusColour(Green);
    }
    m_pinRow->setVisible(false);
    m_button->setText(tr("Close"));
    m_button->setEnabled(true);
    QApplication::alert(this);
}

void TransferDialog::onButton()
{
    if (!m_active) {
        hide();
        return;
    }
    m_button->setEnabled(false);
    m_aborted = true;
    appendLog(tr("Abort requested"));
    Q_EMIT abortRequested();
}

void TransferDialog::closeEvent(QCloseEvent* event)
{
    if (m_active)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TransferDialog::reject()
{
    // Escape must not hide a running transfer.
    if (!m_active)
        QDialog::reject();
}

void TransferDialog::refresh()
{
    const qint64 inState = m_stateTimer.isValid() ? m_stateTimer.elapsed() / 1000 : 0;
    switch (m_state) {
    case Transferring:
        m_status->setText(tr("Transferring"));
        break;
    case DeviceLost:
        m_status->setText(
            tr("The device is lost, waiting for it ... %1 (attempt %2)").arg(durationText(inState)).arg(m_resumes));
        break;
    case WaitingPin1:
        m_status->setText(tr("The device is back: enter PIN 1 to go on (%1)").arg(durationText(inState)));
        break;
    case Checking:
        m_status->setText(tr("Checking the file on the device ..."));
        break;
    case WaitingPin2:
        m_status->setText(
            tr("PIN 1 is accepted: enter PIN 2 to go on, the system files need it (%1)").arg(durationText(inState)));
        break;
    }

    QString detail = tr("%1 of %2").arg(sizeText(m_bytes), sizeText(m_total));
    const qint64 ms = m_rateTimer.isValid() ? m_rateTimer.elapsed() : 0;
    if (m_state == Transferring && m_rateBase != -1 && ms > 0) {
        const qint64 rate = (m_bytes - m_rateBase) * 1000 / ms;
        if (rate > 0) {
            detail += QStringLiteral(", ") + tr("%1/s").arg(sizeText(rate));
            if (m_total > m_bytes)
                detail += QStringLiteral(", ") + tr("%1 left").arg(durationText((m_total - m_bytes) / rate));
        }
    }
    detail += QStringLiteral(", ") + tr("elapsed %1").arg(durationText(m_batchTimer.elapsed() / 1000));
    if (m_resumes > 0)
        detail += QStringLiteral(", ") + tr("resumes: %1").arg(m_resumes);
    m_detail->setText(detail);
    m_batchLabel->setText(tr("All files: %1 of %2 (file %3 of %4)")
                              .arg(sizeText(m_doneBytes + m_bytes), sizeText(m_batchBytes))
                              .arg(m_fileIndex)
                              .arg(m_fileCount));
}

void TransferDialog::updateTitle()
{
    const bool batch = m_fileCount > 1;
    m_title->setText(
        batch ? tr("%1 (file %2 of %3)").arg(m_label, QString::number(m_fileIndex), QString::number(m_fileCount))
              : m_label);
    m_batchBar->setVisible(batch && m_batchBytes > 0);
    m_batchLabel->setVisible(batch && m_batchBytes > 0);
}

void TransferDialog::setStatusColour(const char* colour)
{
    m_status->setStyleSheet(QString::fromLatin1(StatusStyle).arg(QLatin1String(colour)));
}
