#pragma once

#include <cstdint>

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "SettingsFile.h"
#include "ValueLimits.h"

class VARS;
class VarsUI;
struct VarRecord;
struct VarUiInfo;

// Saved settings against the loaded device: taking a snapshot of the store, the differences between a
// file and the device, and which of them may be written back.
class SettingsSnapshot
{
    Q_DECLARE_TR_FUNCTIONS(SettingsSnapshot)
public:
    struct Difference
    {
        uint16_t id = 0;
        QString page;
        QString name;
        QString fileText;   // as the variable's editor shows it; empty when the file lacks the variable
        QString deviceText; // the same for the device
        QString fileRaw;    // the stored value as text, whatever the editor makes of it
        QString deviceRaw;
        bool inFile = false;
        bool onDevice = false;
        // A value the device measures or reports (a voltage, a version): no file sets it.
        bool readOnly = false;
    };

    struct Skipped
    {
        uint16_t id = 0;
        QString reason;
        bool badValue = false; // the value itself is refused, not the device's state
    };

    struct WritePlan
    {
        QString refusal; // set when nothing at all may be written
        QString warning; // set when writing is allowed but risky
        bool otherFirmware = false;
        QList<SettingsFile::Entry> writes;
        QList<Skipped> skipped;
    };

    // The device's model, serial number or firmware as the store holds it; empty when it does not.
    static QString identityText(const VARS& vars, uint16_t id);
    // The variable as a settings file holds it.
    static SettingsFile::Entry entryOf(const VarRecord& record);
    // Everything the store holds after a full load, with the device's identity and the time now.
    static SettingsFile capture(const VARS& vars);
    static bool save(const VARS& vars, const QString& path, QString* error = nullptr);
    // A name for a new file: model, serial number and date.
    static QString defaultFileName(const VARS& vars);

    // Ascending by id; a file the device matches gives none. model may be null.
    static QList<Difference> compare(const SettingsFile& file, const VARS& vars, const VarsUI* model = nullptr);
    // Which of the file's variables named in ids may be written to the device as it is now, each value held
    // to limits.
    static WritePlan plan(const SettingsFile& file, const VARS& vars, const QList<uint16_t>& ids,
                          const ValueLimits& limits = ValueLimits());

    // The value as the variable's row shows it: the option's label for a select, on or off for a check box,
    // the value text otherwise.
    // info may be null.
    static QString displayText(const VARS& vars, const VarRecord& record, const VarUiInfo* info);

    // The device holds the entry's value, redirect and inversion.
    static bool holds(const VARS& vars, const SettingsFile::Entry& entry);
    // Value, redirect and inversion alike.
    static bool settingsEqual(const VarRecord& record, const SettingsFile::Entry& entry);
    static bool valueEquals(const VarRecord& record, const SettingsFile::Entry& entry);
    static bool inversionEquals(const VarRecord& record, const SettingsFile::Entry& entry);
    // The text the registry's write job turns into the entry's value.
    static QString valueText(const SettingsFile::Entry& entry);
};
