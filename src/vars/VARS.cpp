#include "VARS.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include <QCoreApplication>

namespace {

constexpr int MaxValue = 255;

// Device status texts, shared with the file commands.
constexpr const char* StatusTexts[] = {
    QT_TRANSLATE_NOOP("EFS", "No error"),    QT_TRANSLATE_NOOP("EFS", "FRAM error"),
    QT_TRANSLATE_NOOP("EFS", "Flash error"), QT_TRANSLATE_NOOP("EFS", "Bad argument"),
    QT_TRANSLATE_NOOP("EFS", "Not found"),   QT_TRANSLATE_NOOP("EFS", "Access denied"),
    QT_TRANSLATE_NOOP("EFS", "No space"),    QT_TRANSLATE_NOOP("EFS", "File exist"),
    QT_TRANSLATE_NOOP("EFS", "FS ERROR"),
};
constexpr const char* UnknownStatus = QT_TRANSLATE_NOOP("EFS", "Unknown error");

const char* statusText(int code)
{
    return code >= 0 && code < int(std::size(StatusTexts)) ? StatusTexts[code] : UnknownStatus;
}

uint32_t numOf(const VarRecord& record)
{
    return uint32_t(record.num[0]) | uint32_t(record.num[1]) << 8 | uint32_t(record.num[2]) << 16 |
           uint32_t(record.num[3]) << 24;
}

// The 4-byte little-endian wire form of a number.
void putU32(uint8_t* out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[i] = uint8_t(v >> (8 * i));
}

bool isContinuation(uint8_t byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

VARS::VARS(QObject* parent) : QObject(parent)
{}

VARS::~VARS() = default;

VarRecord* VARS::update(uint16_t id, uint16_t redir, uint8_t type, uint16_t flags, uint16_t maxLen, const uint8_t* data,
                        int dataLen)
{
    const uint16_t m = std::min<uint16_t>(maxLen, MaxValue);
    const int size = (type == 'T' || type == 'R') ? m : 4;
    const int n = std::clamp(dataLen, 0, size);
    VarRecord* record = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        record = m_live.value(id);
        if (record) {
            bool changed = false;
            if (record->redir != redir) {
                removeSource(record->redir, id);
                addSource(redir, id);
                record->redir = redir;
                changed = true;
            }
            if (record->type != type || record->flags != flags || record->maxLen != m) {
                record->type = type;
                record->flags = flags;
                record->maxLen = m;
                changed = true;
            }
            const bool sameValue = record->len == n && (n == 0 || std::memcmp(record->data, data, std::size_t(n)) == 0);
            record->textLimit = uint16_t(m_textLimit);
            if (sameValue && !changed && !record->localEdit)
                return record;
            if (!sameValue)
                storeValue(*record, data, n);
        } else {
            record = allocate(id);
            record->redir = redir;
            record->type = type;
            record->flags = flags;
            record->maxLen = m;
            storeValue(*record, data, n);
            record->textLimit = uint16_t(m_textLimit);
            m_live.insert(id, record);
            m_ids.insert(std::lower_bound(m_ids.begin(), m_ids.end(), id), id);
            addSource(redir, id);
        }
        record->localEdit = false;
    }
    markDirty(id);
    return record;
}

VarRecord* VARS::allocate(uint16_t id)
{
    VarRecord* record = m_retired.take(id);
    if (!record) {
        m_records.push_back(std::make_unique<VarRecord>());
        record = m_records.back().get();
    }
    *record = VarRecord();
    record->id = id;
    return record;
}

void VARS::addSource(uint16_t target, uint16_t id)
{
    if (target == 0)
        return;
    QList<uint16_t>& sources = m_sources[target];
    const auto at = std::lower_bound(sources.begin(), sources.end(), id);
    if (at == sources.end() || *at != id)
        sources.insert(at, id);
}

void VARS::removeSource(uint16_t target, uint16_t id)
{
    const auto it = m_sources.find(target);
    if (it == m_sources.end())
        return;
    it->removeOne(id);
    if (it->isEmpty())
        m_sources.erase(it);
}

void VARS::storeValue(VarRecord& record, const uint8_t* bytes, int count)
{
    record.len = uint16_t(std::clamp(count, 0, MaxValue));
    std::memset(record.data, 0, sizeof record.data);
    std::memset(record.num, 0, sizeof record.num);
    if (record.len > 0)
        std::memcpy(record.data, bytes, record.len);
    if (record.len <= 4)
        std::memcpy(record.num, record.data, record.len);
    record.localEdit = true;
}

VarRecord* VARS::find(uint16_t id)
{
    QMutexLocker lock(&m_mutex);
    return m_live.value(id);
}

VarRecord VARS::snapshot(uint16_t id, bool* found) const
{
    QMutexLocker lock(&m_mutex);
    const VarRecord* record = m_live.value(id);
    if (found)
        *found = record != nullptr;
    return record ? *record : VarRecord();
}

VarRecord VARS::snapshotAt(int index, bool* found) const
{
    QMutexLocker lock(&m_mutex);
    if (index < 0 || std::size_t(index) >= m_ids.size()) {
        if (found)
            *found = false;
        return VarRecord();
    }
    return snapshot(m_ids[std::size_t(index)], found);
}

int VARS::count() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_ids.size());
}

int VARS::indexOf(uint16_t id) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = std::lower_bound(m_ids.begin(), m_ids.end(), id);
    return it != m_ids.end() && *it == id ? int(it - m_ids.begin()) : -1;
}

QString VARS::valueText(const VarRecord& record) const
{
    QMutexLocker lock(&m_mutex);
    const uint32_t num = numOf(record);
    switch (record.type) {
    case 'U':
    case 'B':
        return QString::number(num);
    case 'I':
        return QString::number(int32_t(num));
    case 'F': {
        float value;
        std::memcpy(&value, &num, sizeof value);
        return QString::asprintf("%f", double(value));
    }
    case 'C':
        return QString(QChar(char16_t(num & 0xFFFF)));
    case 'T':
        return QString::fromUtf8(reinterpret_cast<const char*>(record.data),
                                 qsizetype(qstrnlen(reinterpret_cast<const char*>(record.data), record.len)));
    case 'R':
        return QStringLiteral("0x") +
               QString::fromLatin1(
                   QByteArray(reinterpret_cast<const char*>(record.data), record.len).toHex().toUpper());
    default:
        qInfo("unknow var(%u) type %u, try uint", unsigned(record.id), unsigned(record.type));
        return QString::number(num);
    }
}

void VARS::setValueText(VarRecord& record, const QString& text)
{
    QMutexLocker lock(&m_mutex);
    uint8_t number[4] = {};
    // Numbers keep the length the device gave them; never more than their 4-byte form.
    const int numberLen = std::min<int>(record.len, 4);
    switch (record.type) {
    case 'T': {
        const QByteArray utf8 = text.toUtf8();
        const int s = int(utf8.size());
        const int cap = std::min<int>(record.textLimit, MaxValue);
        const int limit = (record.maxLen != 0 && record.maxLen <= cap) ? record.maxLen : cap;
        int k = std::min(s, limit);
        // Never end inside a multi-byte character.
        while (k > 0 && k < s && isContinuation(uint8_t(utf8.at(k))))
            --k;
        storeValue(record, reinterpret_cast<const uint8_t*>(utf8.constData()), k);
        return;
    }
    case 'F': {
        const float value = text.toFloat();
        std::memcpy(number, &value, sizeof number);
        break;
    }
    case 'I':
        putU32(number, uint32_t(text.toInt()));
        break;
    case 'C': {
        const QByteArray utf8 = text.toUtf8();
        const uint8_t first = utf8.isEmpty() ? 0 : uint8_t(utf8.at(0));
        storeValue(record, &first, 1);
        return;
    }
    case 'R': {
        // The inverse of valueText: "0x" and two hex digits per byte; anything else leaves the value alone.
        QString hex = text.trimmed();
        if (hex.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            hex.remove(0, 2);
        const QByteArray latin = hex.toLatin1();
        const bool valid = latin.size() % 2 == 0 &&
                           std::all_of(latin.begin(), latin.end(), [](char c) { return std::isxdigit(uchar(c)); });
        if (!valid)
            return;
        const QByteArray bytes = QByteArray::fromHex(latin);
        const int room = record.maxLen != 0 ? record.maxLen : MaxValue;
        storeValue(record, reinterpret_cast<const uint8_t*>(bytes.constData()), std::min<int>(int(bytes.size()), room));
        return;
    }
    default:
        putU32(number, text.toUInt());
        break;
    }
    storeValue(record, number, numberLen);
}

void VARS::setInv(VarRecord& record, bool on)
{
    QMutexLocker lock(&m_mutex);
    if (on)
        record.flags |= VarFlag::Inverted;
    else
        record.flags &= uint16_t(~VarFlag::Inverted);
    record.localEdit = true;
}

void VARS::restoreValue(VarRecord& record, const VarRecord& saved)
{
    QMutexLocker lock(&m_mutex);
    storeValue(record, saved.data, saved.len);
    record.flags = uint16_t((record.flags & ~VarFlag::Inverted) | (saved.flags & VarFlag::Inverted));
}

bool VARS::integerRange(const VarRecord& record, qint64* min, qint64* max)
{
    // A number keeps the length the device gave it, so a wider value would lose its high bytes.
    const int bytes = record.len >= 1 && record.len < 4 ? record.len : 4;
    const int bits = 8 * bytes;
    switch (record.type) {
    case 'U':
    case 'B':
        *min = 0;
        *max = (qint64(1) << bits) - 1;
        return true;
    case 'I':
        *min = -(qint64(1) << (bits - 1));
        *max = (qint64(1) << (bits - 1)) - 1;
        return true;
    default:
        return false;
    }
}

bool VARS::setRedir(uint16_t id, uint16_t target)
{
    {
        QMutexLocker lock(&m_mutex);
        VarRecord* record = m_live.value(id);
        if (!record)
            return false;
        if (record->redir != target) {
            removeSource(record->redir, id);
            addSource(target, id);
            record->redir = target;
            record->localEdit = true;
        }
    }
    markDirty(id);
    return true;
}

void VARS::restore(const VarRecord& before)
{
    if (!setRedir(before.id, before.redir))
        return;
    {
        QMutexLocker lock(&m_mutex);
        VarRecord* record = m_live.value(before.id);
        if (!record)
            return;
        record->flags = before.flags;
        record->len = before.len;
        std::memcpy(record->data, before.data, sizeof record->data);
        std::memcpy(record->num, before.num, sizeof record->num);
        record->localEdit = before.localEdit;
    }
    markDirty(before.id);
}

QList<uint16_t> VARS::redirSources(uint16_t target) const
{
    QMutexLocker lock(&m_mutex);
    return m_sources.value(target);
}

QString VARS::typeName(const VarRecord& record)
{
    switch (record.type) {
    case 'B':
    case 'C':
    case 'F':
    case 'I':
    case 'R':
    case 'U':
        return QString(QChar(record.type));
    case 'T':
        return QStringLiteral("T%1").arg(record.maxLen);
    default:
        return QStringLiteral("UNKNOWN");
    }
}

QString VARS::flagsText(const VarRecord& record)
{
    static constexpr struct
    {
        uint16_t mask;
        const char* token;
    } Tokens[] = {
        {VarFlag::Static, "static"},
        {VarFlag::ReadOnly, "ro"},
        {VarFlag::Fram, "fram"},
        {VarFlag::Flash, "flash"},
        {VarFlag::UserNoRead, "user-nR"},
        {VarFlag::UserNoWrite, "user-nW"},
        {VarFlag::O, "O"},
        {VarFlag::R, "R"},
    };
    QStringList parts;
    for (const auto& t : Tokens) {
        if (record.flags & t.mask)
            parts.append(QLatin1String(t.token));
    }
    if (record.flags & VarFlag::Bit)
        parts.append((record.flags & VarFlag::Inverted) ? QStringLiteral("B0") : QStringLiteral("B1"));
    else if (record.flags & VarFlag::Inverted)
        parts.append(QStringLiteral("inv"));
    return parts.join(QLatin1Char(','));
}

QString VARS::errorText(int code)
{
    return QString::fromLatin1(statusText(code));
}

QString VARS::errorTextTr(int code)
{
    return QCoreApplication::translate("EFS", statusText(code));
}

void VARS::markDirty(uint16_t id)
{
    bool notify = false;
    {
        QMutexLocker lock(&m_dirtyMutex);
        m_dirty.insert(id);
        notify = !m_dirtyPending;
        m_dirtyPending = true;
    }
    if (notify)
        Q_EMIT varsDirty();
}

QSet<uint16_t> VARS::takeDirty()
{
    QMutexLocker lock(&m_dirtyMutex);
    m_dirtyPending = false;
    return std::exchange(m_dirty, {});
}

void VARS::clear()
{
    qWarning("VARS CLEAR");
    QMutexLocker lock(&m_mutex);
    for (auto it = m_live.cbegin(); it != m_live.cend(); ++it)
        m_retired.insert(it.key(), it.value());
    m_live.clear();
    m_ids.clear();
    m_sources.clear();
}

int VARS::textLimit() const
{
    QMutexLocker lock(&m_mutex);
    return m_textLimit;
}

void VARS::setTextLimit(int limit)
{
    QMutexLocker lock(&m_mutex);
    m_textLimit = limit;
}
