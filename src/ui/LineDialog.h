#pragma once

#include <optional>

#include <QDialog>

#include "vars/LineJob.h"
#include "vars/SettingsFile.h"

class DeviceStack;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class VarsRegistry;
class VarsUI;

// Copies one set of settings to controller after controller: each one the window connects and loads is
// programmed, its record shown and logged, and the next is awaited once it is unplugged.
class LineDialog : public QDialog
{
    Q_OBJECT
public:
    enum class State
    {
        Idle,     // not started
        Waiting,  // for a controller the line has not programmed yet
        Running,  // programming the controller connected
        Unplug,   // the record is made; waiting for the controller to go
    };

    LineDialog(DeviceStack& stack, VarsRegistry& registry, const VarsUI& pages, QWidget* parent = nullptr);

    // The folder the file chooser opens in, shared with the window's other settings files.
    void setFolder(const QString& folder) { m_folder = folder; }
    State state() const { return m_state; }
    int recordCount() const;

    // Programs from this file; false with a message on the dialog when it cannot serve.
    bool useFile(const QString& path);
    void start();
    // Ends the line after the controller being programmed, if any.
    void stop();

Q_SIGNALS:
    // The session log's copy of each record.
    void logLine(const QString& text);
    // The next controller asks for the PIN the line's first one was given.
    void pinWanted(const QByteArray& pin);
    // The device holds the written values in flash: nothing waits to be saved.
    void savedToFlash();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseFile();
    void onLoadEnd();
    void onHotplug();
    void onAuth(uint8_t status);
    void onFinished(const LineRecord& record);
    void addRecord(const LineRecord& record);
    void setState(State state, const QString& text);
    bool controllerConnected() const;
    void updateControls();

    DeviceStack& m_stack;
    LineJob* m_job;
    State m_state = State::Idle;
    std::optional<SettingsFile> m_file;
    QString m_folder;
    bool m_loaded = false;       // the controller connected now is loaded
    bool m_pinSent = false;      // the stored PIN went to the controller connected now
    bool m_stopAfter = false;    // Stop was pressed while a controller was being programmed
    int m_done = 0;
    int m_failed = 0;

    QRadioButton* m_fromFile;
    QRadioButton* m_fromController;
    QLineEdit* m_path;
    QPushButton* m_choose;
    QCheckBox* m_save;
    QLabel* m_status;
    QProgressBar* m_progress;
    QTableWidget* m_records;
    QLabel* m_counts;
    QPushButton* m_start;
};
