#include "SettingsSnapshot.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include <QDate>
#include <QHash>
#include <QMap>
#include <QRegularExpression>

#include "DeviceVars.h"
#include "VARS.h"
#include "VarRecord.h"
#include "VarsUI.h"

namespace {

constexpr int NumberSize = 4;
constexpr uint16_t MaxCapacity = 255;
// Characters go to the device as the first byte of their UTF-8 form, so only ASCII comes back whole.
constexpr uint32_t MaxWritableChar = 0x7F;

// Held in 4 bytes by the store, whatever the device sends; also a type the program does not know.
bool isNumber(char type)
{
    return type != 'T' && type != 'R';
}

bool isInverted(uint16_t flags)
{
    return flags & VarFlag::Inverted;
}

// Value bytes in one form for both sides: numbers as at least 4 bytes, text up to its first zero.
QByteArray normalised(char type, QByteArray bytes)
{
    if (isNumber(type))
        return bytes.leftJustified(NumberSize, '\0');
    if (type == 'T' && bytes.contains('\0'))
        bytes.truncate(bytes.indexOf('\0'));
    return bytes;
}

QByteArray recordBytes(const VarRecord& record)
{
    return normalised(char(record.type), QByteArray(reinterpret_cast<const char*>(record.data), record.len));
}

bool isFloatRow(VarKind kind)
{
    return kind == VarKind::Float || kind == VarKind::Float2 || kind == VarKind::SliderF;
}

uint32_t numberOf(const QByteArray& bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < std::min<int>(int(bytes.size()), NumberSize); ++i)
        v |= uint32_t(uint8_t(bytes.at(i))) << (8 * i);
    return v;
}

VarRecord recordOf(const SettingsFile::Entry& entry)
{
    VarRecord record;
    record.id = entry.id;
    record.redir = entry.redir;
    record.type = uint8_t(entry.type);
    record.flags = entry.flags;
    record.maxLen = entry.capacity;
    const QByteArray bytes = normalised(entry.type, entry.value).left(int(sizeof record.data));
    record.len = uint16_t(bytes.size());
    std::memcpy(record.data, bytes.constData(), size_t(bytes.size()));
    if (record.len <= NumberSize)
        std::memcpy(record.num, record.data, record.len);
    return record;
}

// The settings that go with the value: a file that differs in them alone must not look the same.
QString withSettings(const QString& text, const VarRecord& record)
{
    QStringList notes;
    if (isInverted(record.flags))
        notes << SettingsSnapshot::tr("inverted");
    if (record.redir != 0)
        notes << SettingsSnapshot::tr("redirected to %1").arg(record.redir);
    return notes.isEmpty() ? text : SettingsSnapshot::tr("%1 (%2)").arg(text, notes.join(QStringLiteral(", ")));
}

// A value of a type the program does not know is only carried, so it is shown as its bytes.
QString valueOf(const VARS& vars, const VarRecord& record)
{
    if (SettingsFile::isKnownType(char(record.type)))
        return vars.valueText(record);
    return QStringLiteral("0x") + QString::fromLatin1(recordBytes(record).toHex().toUpper());
}

QString rawText(const VARS& vars, const VarRecord& record)
{
    return withSettings(valueOf(vars, record), record);
}

// The bytes the device takes for a number: as many as it reported, fewer when it names a smaller capacity.
int numberRoom(const VarRecord& record)
{
    return record.maxLen > 0 && record.maxLen < record.len ? record.maxLen : record.len;
}

// Only the first room bytes are sent; a value with more in the rest would reach the device cut.
bool fitsIn(const QByteArray& value, int room)
{
    return std::all_of(value.cbegin() + std::min<qsizetype>(room, value.size()), value.cend(),
                       [](char b) { return b == 0; });
}

QString typeName(char type)
{
    VarRecord record;
    record.type = uint8_t(type);
    return VARS::typeName(record);
}

} // namespace

QString SettingsSnapshot::displayText(const VARS& vars, const VarRecord& record, const VarUiInfo* info)
{
    const auto onOff = [](bool on) { return on ? tr("on") : tr("off"); };
    if (info && info->kind == VarKind::OnOffRedir)
        return onOff(record.redir == info->target);
    const uint32_t value = numberOf(recordBytes(record));
    const bool number = isNumber(char(record.type)) && SettingsFile::isKnownType(char(record.type));
    QString text;
    if (info && info->kind == VarKind::OnOff && number)
        text = onOff(value != 0);
    else if (info && info->kind == VarKind::Select && number)
        text = info->optionText(int(value));
    else if (info && isFloatRow(info->kind) && record.type == 'F')
        text = info->floatText(double(std::bit_cast<float>(value)));
    return text.isEmpty() ? rawText(vars, record) : withSettings(text, record);
}

QString SettingsSnapshot::identityText(const VARS& vars, uint16_t id)
{
    bool found = false;
    const VarRecord record = vars.snapshot(id, &found);
    return found ? vars.valueText(record) : QString();
}

SettingsFile::Entry SettingsSnapshot::entryOf(const VarRecord& record)
{
    SettingsFile::Entry entry;
    entry.id = record.id;
    entry.type = char(record.type);
    // The list marker is the program's own bit, not the device's.
    entry.flags = uint16_t(record.flags & ~VarFlag::FromList);
    entry.redir = record.redir;
    entry.value = recordBytes(record);
    // A file whose value outgrows its capacity could not be read back.
    entry.capacity = std::min<uint16_t>(std::max<uint16_t>(record.maxLen, uint16_t(entry.value.size())), MaxCapacity);
    return entry;
}

SettingsFile SettingsSnapshot::capture(const VARS& vars)
{
    SettingsFile file;
    file.model = identityText(vars, DeviceVar::Model);
    file.serial = identityText(vars, DeviceVar::Serial);
    file.firmware = identityText(vars, DeviceVar::Firmware);
    file.algorithm = identityText(vars, DeviceVar::Algorithm);
    file.saved = QDateTime::currentDateTimeUtc();
    const int count = vars.count();
    for (int i = 0; i < count; ++i) {
        bool found = false;
        const VarRecord record = vars.snapshotAt(i, &found);
        if (!found)
            continue;
        file.entries.append(entryOf(record));
    }
    return file;
}

bool SettingsSnapshot::save(const VARS& vars, const QString& path, QString* error)
{
    return capture(vars).write(path, error);
}

QString SettingsSnapshot::defaultFileName(const VARS& vars)
{
    QStringList parts;
    for (const QString& part : {identityText(vars, DeviceVar::Model), identityText(vars, DeviceVar::Serial)}) {
        QString clean = part.trimmed();
        clean.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]+")), QStringLiteral("-"));
        if (!clean.isEmpty())
            parts << clean;
    }
    parts << QDate::currentDate().toString(Qt::ISODate);
    return parts.join(QLatin1Char('_')) + QStringLiteral(".kset");
}

QList<SettingsSnapshot::Difference> SettingsSnapshot::compare(const SettingsFile& file, const VARS& vars,
                                                              const VarsUI* model)
{
    // A variable may sit on several pages; the first element that shows it names it.
    QHash<int, const VarUiInfo*> infos;
    if (model) {
        for (const VarUiInfoPtr& info : model->infos()) {
            const VarUiInfo*& slot = infos[info->deviceId()];
            if (!slot || (slot->noUitype && !info->noUitype))
                slot = info.get();
        }
    }
    QMap<uint16_t, const SettingsFile::Entry*> entries;
    for (const SettingsFile::Entry& entry : file.entries)
        entries.insert(entry.id, &entry);
    const int count = vars.count();
    QMap<uint16_t, VarRecord> records;
    for (int i = 0; i < count; ++i) {
        bool found = false;
        const VarRecord record = vars.snapshotAt(i, &found);
        if (found)
            records.insert(record.id, record);
    }
    QList<uint16_t> ids = entries.keys() + records.keys();
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());

    QList<Difference> out;
    for (const uint16_t id : ids) {
        const SettingsFile::Entry* entry = entries.value(id);
        const auto record = records.constFind(id);
        const bool onDevice = record != records.cend();
        if (entry && onDevice && settingsEqual(*record, *entry))
            continue;
        const VarUiInfo* info = infos.value(id);
        Difference d;
        d.id = id;
        d.inFile = entry != nullptr;
        d.onDevice = onDevice;
        d.readOnly = onDevice && (record->flags & VarFlag::ReadOnly);
        if (info) {
            d.page = info->pageTitle;
            d.name = info->name;
        }
        if (entry) {
            const VarRecord fileRecord = recordOf(*entry);
            d.fileText = displayText(vars, fileRecord, info);
            d.fileRaw = rawText(vars, fileRecord);
        }
        if (onDevice) {
            d.deviceText = displayText(vars, *record, info);
            d.deviceRaw = rawText(vars, *record);
        }
        out.append(d);
    }
    return out;
}

SettingsSnapshot::WritePlan SettingsSnapshot::plan(const SettingsFile& file, const VARS& vars,
                                                   const QList<uint16_t>& ids, const ValueLimits& limits)
{
    WritePlan plan;
    const QString deviceModel = identityText(vars, DeviceVar::Model);
    if (file.model != deviceModel) {
        plan.refusal = tr("The file holds the settings of a %1, but the device is a %2. Settings are only written to "
                          "a device of the same model.")
                           .arg(file.model.isEmpty() ? tr("device of unknown model") : file.model,
                                deviceModel.isEmpty() ? tr("device of unknown model") : deviceModel);
        return plan;
    }
    const QString deviceFirmware = identityText(vars, DeviceVar::Firmware);
    if (file.firmware != deviceFirmware) {
        plan.otherFirmware = true;
        plan.warning = tr("The file was saved from firmware %1; the device runs firmware %2. Check the written "
                          "settings on the device.")
                           .arg(file.firmware, deviceFirmware);
    }

    QHash<uint16_t, const SettingsFile::Entry*> entries;
    for (const SettingsFile::Entry& entry : file.entries)
        entries.insert(entry.id, &entry);
    for (const uint16_t id : ids) {
        auto skip = [&](const QString& reason, bool badValue = false) { plan.skipped.append({id, reason, badValue}); };
        const SettingsFile::Entry* entry = entries.value(id);
        bool found = false;
        const VarRecord record = vars.snapshot(id, &found);
        if (!entry) {
            skip(tr("not in the file"));
            continue;
        }
        if (!found) {
            skip(tr("the device has no such variable"));
            continue;
        }
        if (settingsEqual(record, *entry))
            continue;
        if (record.flags & VarFlag::ReadOnly) {
            skip(tr("read-only on the device"));
            continue;
        }
        if (!SettingsFile::isKnownType(entry->type)) {
            skip(tr("the type %1 is not known to this program; its value is kept in the file but never written")
                     .arg(QString::fromLatin1(SettingsFile::typeText(entry->type))));
            continue;
        }
        if (record.type != uint8_t(entry->type)) {
            skip(tr("the type differs (%1 in the file, %2 on the device)")
                     .arg(typeName(entry->type), VARS::typeName(record)));
            continue;
        }
        if (entry->type == 'R') {
            skip(tr("raw values are not written to the device"));
            continue;
        }
        const int room = std::min<int>(record.maxLen, record.textLimit);
        if (entry->type == 'T' && normalised('T', entry->value).size() > room) {
            skip(tr("the text is longer than the %1 bytes the device holds").arg(room), true);
            continue;
        }
        if (entry->type == 'T' && !normalised('T', entry->value).isValidUtf8()) {
            skip(tr("the text is not valid UTF-8 and cannot be written as it is"), true);
            continue;
        }
        if (isNumber(entry->type) && !fitsIn(entry->value, numberRoom(record))) {
            skip(tr("the value %1 does not fit in the %n byte(s) the device holds", nullptr, numberRoom(record))
                     .arg(valueText(*entry)),
                 true);
            continue;
        }
        if (entry->type == 'C' && numberOf(entry->value) > MaxWritableChar) {
            skip(tr("the character cannot be written to the device"), true);
            continue;
        }
        if (const QString refusal = limits.refusal(*entry, record); !refusal.isEmpty()) {
            skip(refusal, true);
            continue;
        }
        bool targetFound = false;
        vars.snapshot(entry->redir, &targetFound);
        if (entry->redir != 0 && !targetFound) {
            skip(tr("the device has no variable %1 to redirect to").arg(entry->redir));
            continue;
        }
        plan.writes.append(*entry);
    }
    return plan;
}

bool SettingsSnapshot::valueEquals(const VarRecord& record, const SettingsFile::Entry& entry)
{
    return record.type == uint8_t(entry.type) && recordBytes(record) == normalised(entry.type, entry.value);
}

bool SettingsSnapshot::inversionEquals(const VarRecord& record, const SettingsFile::Entry& entry)
{
    return isInverted(record.flags) == isInverted(entry.flags);
}

bool SettingsSnapshot::settingsEqual(const VarRecord& record, const SettingsFile::Entry& entry)
{
    return valueEquals(record, entry) && record.redir == entry.redir && inversionEquals(record, entry);
}

bool SettingsSnapshot::holds(const VARS& vars, const SettingsFile::Entry& entry)
{
    bool found = false;
    const VarRecord record = vars.snapshot(entry.id, &found);
    return found && settingsEqual(record, entry);
}

QString SettingsSnapshot::valueText(const SettingsFile::Entry& entry)
{
    const uint32_t num = numberOf(entry.value);
    switch (entry.type) {
    case 'I':
        return QString::number(int32_t(num));
    case 'F': {
        float f;
        std::memcpy(&f, &num, sizeof f);
        return QString::number(double(f), 'g', 9); // nine digits bring back the same float
    }
    case 'C':
        return QString(QChar(char16_t(num & 0xFF)));
    case 'T':
        return QString::fromUtf8(normalised('T', entry.value));
    case 'R':
        return QStringLiteral("0x") + QString::fromLatin1(entry.value.toHex().toUpper());
    default:
        return QString::number(num);
    }
}
