#include "VarTable.h"

#include <algorithm>

#include <QtEndian>

#include "VarRecord.h"
#include "link/CommandTable.h"

namespace {

constexpr int NumberSize = 4;
constexpr int SetHeader = 6; // id, redir, flags

bool isNumber(char type)
{
    return type != 'T' && type != 'R';
}

// A field past the end reads as 0: a short request must not take the device down.
uint16_t u16At(const QByteArray& bytes, qsizetype offset)
{
    return bytes.size() < offset + 2 ? 0 : qFromLittleEndian<uint16_t>(bytes.constData() + offset);
}

void appendU16(QByteArray& bytes, uint16_t value)
{
    char field[2];
    qToLittleEndian(value, field);
    bytes.append(field, 2);
}

// The value bytes of a VAR_GET reply; a list entry has no length field for anything but text, so
// it carries exactly 4 bytes of every other type.
QByteArray wireValue(const VarTable::Variable& v, bool inList)
{
    const bool fixed = isNumber(v.type) || (inList && v.type == 'R');
    return fixed ? v.value.leftJustified(NumberSize, '\0', true) : v.value;
}

} // namespace

void VarTable::load(const QList<Variable>& variables)
{
    m_vars.clear();
    for (const Variable& v : variables)
        set(v);
}

const VarTable::Variable* VarTable::find(uint16_t id) const
{
    const auto it = m_vars.constFind(id);
    return it == m_vars.cend() ? nullptr : &it.value();
}

void VarTable::set(const Variable& variable)
{
    Variable v = variable;
    // The list marker is the program's own bit; the device never holds it.
    v.flags &= uint16_t(~VarFlag::FromList);
    if (v.type == 'T' && v.value.contains('\0'))
        v.value.truncate(v.value.indexOf('\0'));
    m_vars.insert(v.id, v);
}

bool VarTable::setValue(uint16_t id, const QByteArray& value)
{
    const auto it = m_vars.find(id);
    if (it == m_vars.end())
        return false;
    Variable v = *it;
    v.value = value;
    set(v);
    return true;
}

QList<uint16_t> VarTable::ids() const
{
    QList<uint16_t> ids = m_vars.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QList<VarTable::Variable> VarTable::variables() const
{
    QList<Variable> out;
    for (const uint16_t id : ids())
        out.append(m_vars.value(id));
    return out;
}

uint8_t VarTable::get(const QByteArray& request, QByteArray& reply) const
{
    if (request.size() < 2)
        return Status::BadArgument;
    const Variable* v = find(u16At(request, 0));
    if (!v)
        return Status::NoSuchVar;
    appendU16(reply, v->id);
    appendU16(reply, v->redir);
    reply.append(v->type);
    appendU16(reply, v->flags);
    reply.append(char(v->capacity));
    reply.append(wireValue(*v, false));
    return Status::Ok;
}

uint8_t VarTable::getList(const QByteArray& request, int room, QByteArray& reply) const
{
    QByteArray entry;
    for (int pos = 0; pos + 2 <= request.size(); pos += 2) {
        const uint16_t id = u16At(request, pos);
        if (id == 0)
            break;
        const Variable* v = find(id);
        if (!v)
            continue;
        entry.clear();
        appendU16(entry, v->id);
        const uint16_t flags = v->redir ? uint16_t(v->flags | VarFlag::FromList) : v->flags;
        appendU16(entry, flags);
        if (v->redir)
            appendU16(entry, v->redir);
        entry.append(v->type);
        const QByteArray value = wireValue(*v, true);
        if (v->type == 'T') {
            entry.append(char(v->capacity));
            entry.append(char(value.size()));
        }
        entry.append(value);
        if (reply.size() + entry.size() > room)
            return Status::Ok; // full: the rest waits for the next request
        reply.append(entry);
    }
    if (reply.size() + 2 <= room)
        appendU16(reply, 0);
    return Status::Ok;
}

uint8_t VarTable::write(const QByteArray& request)
{
    if (request.size() < SetHeader)
        return Status::BadArgument;
    const auto it = m_vars.find(u16At(request, 0));
    if (it == m_vars.end())
        return Status::NotFound;
    const uint16_t redir = u16At(request, 2);
    const uint16_t flags = u16At(request, 4);
    if (redir == it->id || (redir != 0 && !m_vars.contains(redir)))
        return Status::BadArgument;

    const QByteArray value = request.mid(SetHeader);
    const bool withValue = !value.isEmpty();
    if (withValue) {
        if (it->flags & VarFlag::ReadOnly)
            return Status::AccessDenied;
        switch (it->type) {
        case 'T':
        case 'R':
            if (value.size() > it->capacity)
                return Status::BadArgument;
            break;
        case 'C':
            // A character edited in the program arrives as one byte.
            if (value.size() > NumberSize)
                return Status::BadArgument;
            break;
        default:
            if (value.size() != NumberSize)
                return Status::BadArgument;
            break;
        }
    }
    // The program may only turn inversion on and off; the other flags belong to the device.
    it->flags = uint16_t((it->flags & ~VarFlag::Inverted) | (flags & VarFlag::Inverted));
    it->redir = redir;
    if (withValue) {
        QByteArray stored = value;
        if (it->type == 'T' && stored.contains('\0'))
            stored.truncate(stored.indexOf('\0'));
        else if (isNumber(it->type))
            stored = stored.leftJustified(NumberSize, '\0');
        it->value = stored;
    }
    return Status::Ok;
}
