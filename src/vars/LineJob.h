#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "LineRecord.h"
#include "SettingsFile.h"
#include "SettingsSnapshot.h"

class DeviceStack;
class FlashSave;
class FullLoad;
class SnapshotWriter;
class VarsRegistry;
class VarsUI;

// Programs one connected controller whose PIN was accepted with a settings file: reads its identity, refuses
// another model, loads it, writes the file's differences through the write plan, saves them in flash when
// asked, and checks by a fresh read that the controller holds them. Every step runs on the worker; the
// caller's thread never waits.
class LineJob : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        bool save = false;
        bool force = false;  // writes values beyond their rows' limits, as apply --force does
        bool loaded = false; // the store holds a full load of this controller already: the first load is skipped
    };

    LineJob(DeviceStack& stack, VarsRegistry& registry, const VarsUI& pages, QObject* parent = nullptr);

    // A second start while running is ignored.
    void start(const SettingsFile& file, const Options& options);
    bool isRunning() const { return m_running; }
    // Why a step failed when the link went.
    static QString lostReason();

Q_SIGNALS:
    void stepStarted(const QString& step, const QString& text);
    void progress(int done, int total);
    void finished(const LineRecord& record);

private:
    void enter(QLatin1StringView step, const QString& text);
    void identify();
    void load();
    void write();
    void onWritten();
    void save();
    void verify();
    void onVerifyLoaded();
    void fail(const QString& reason);
    void failLost() { fail(lostReason()); }
    void finish();
    bool linkOpen() const;
    QList<uint16_t> loadList() const;
    static QString idList(const QList<uint16_t>& ids);

    DeviceStack& m_stack;
    VarsRegistry& m_registry;
    const VarsUI& m_pages;
    FullLoad* m_load;
    FlashSave* m_flash;
    QPointer<SnapshotWriter> m_writer;
    SettingsFile m_file;
    Options m_options;
    SettingsSnapshot::WritePlan m_plan;
    LineRecord m_record;
    QString m_step;
    bool m_running = false;
    bool m_verifying = false;
    unsigned m_run = 0; // tells a late answer of an earlier run from one of this run
};
