#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

// Follows a batch of file transfers: file and batch progress, speed, time left, the recovery state
// with a PIN field for it, a log and the verdict. It refuses to close while the batch runs.
class TransferDialog : public QDialog
{
    Q_OBJECT
public:
    enum State
    {
        Transferring = 0,
        DeviceLost = 1,
        WaitingPin1 = 2,
        Checking = 3,
        WaitingPin2 = 4,
    };
    static constexpr int MaxLogLines = 500;

    explicit TransferDialog(QWidget* parent = nullptr);

    bool isActive() const { return m_active; }

    static QString sizeText(qint64 bytes);
    static QString durationText(qint64 seconds);

public Q_SLOTS:
    void startFile(const QString& label, qlonglong total);
    void setProgress(qlonglong bytes);
    void setState(int state);
    void appendLog(const QString& text);
    void setBatch(quint32 fileCount, qint64 batchBytes);
    void finish(int result);
    void showPinResult(const QString& text);

Q_SIGNALS:
    void activeChanged(bool active);
    void abortRequested();
    void pinEntered(int level, const QString& pin);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void refresh();
    void updateTitle();
    void setStatusColour(const char* colour);
    void sendPin();
    void onButton();
    int pinLevel() const { return m_state == WaitingPin2 ? 2 : 1; }

    QLabel* m_title = nullptr;
    QProgressBar* m_fileBar = nullptr;
    QLabel* m_detail = nullptr;
    QLabel* m_batchLabel = nullptr;
    QProgressBar* m_batchBar = nullptr;
    QLabel* m_status = nullptr;
    QWidget* m_pinRow = nullptr;
    QLineEdit* m_pinField = nullptr;
    QPushButton* m_pinButton = nullptr;
    QLabel* m_pinMessage = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QPushButton* m_button = nullptr;
    QTimer m_tick;

    bool m_active = false;
    int m_state = Transferring;
    int m_resumes = 0;
    bool m_aborted = false;
    quint32 m_fileCount = 0;
    qint64 m_batchBytes = 0;
    quint32 m_fileIndex = 0;
    qint64 m_doneBytes = 0;
    QString m_label;
    qint64 m_total = 0;
    qint64 m_bytes = 0;
    bool m_fileStarted = false;
    qint64 m_rateBase = -1;
    QElapsedTimer m_rateTimer;
    QElapsedTimer m_batchTimer;
    QElapsedTimer m_stateTimer;
};
