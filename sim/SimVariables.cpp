#include "SimVariables.h"

#include <algorithm>
#include <cstring>

#include "vars/VarRecord.h"

namespace {

constexpr uint8_t StatusOk = 0;
constexpr uint8_t StatusNoSuchVar = 1; // what the device answers VAR_GET for an id it does not have
constexpr uint8_t StatusBadArgument = 3;
constexpr uint8_t StatusNotFound = 4;
constexpr uint8_t StatusAccessDenied = 5;
constexpr int NumberSize = 4;
constexpr int SetHeader = 6; // id, redir, flags

uint16_t u16At(const QByteArray& b, int offset)
{
    return uint16_t(uint8_t(b.at(offset)) | (uint8_t(b.at(offset + 1)) << 8));
}

void putU16(QByteArray& out, uint16_t v)
{
    out.append(char(v));
    out.append(char(v >> 8));
}

bool isNumber(char type)
{
    return type != 'T' && type != 'R';
}

// The value bytes of a VAR_GET reply; a list entry has no length field for anything but text, so
// it carries exactly 4 bytes of every other type.
QByteArray wireValue(const SimVariables::Variable& v, bool inList)
{
    const bool fixed = isNumber(v.type) || (inList && v.type == 'R');
    return fixed ? v.value.leftJustified(NumberSize, '\0', true) : v.value;
}

} // namespace

void SimVariables::load(const QList<Variable>& variables)
{
    m_vars.clear();
    for (const Variable& v : variables)
        set(v);
}

const SimVariables::Variable* SimVariables::find(uint16_t id) const
{
    const auto it = m_vars.constFind(id);
    return it == m_vars.cend() ? nullptr : &it.value();
}

void SimVariables::set(const Variable& variable)
{
    Variable v = variable;
    // The list marker is the program's own bit; the device never holds it.
    v.flags &= uint16_t(~VarFlag::FromList);
    if (v.type == 'T' && v.value.contains('\0'))
        v.value.truncate(v.value.indexOf('\0'));
    m_vars.insert(v.id, v);
}

bool SimVariables::setValue(uint16_t id, const QByteArray& value)
{
    const auto it = m_vars.find(id);
    if (it == m_vars.end())
        return false;
    Variable v = *it;
    v.value = value;
    set(v);
    return true;
}

QList<uint16_t> SimVariables::ids() const
{
    QList<uint16_t> ids = m_vars.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

uint8_t SimVariables::get(const QByteArray& request, QByteArray& reply) const
{
    if (request.size() < 2)
        return StatusBadArgument;
    const Variable* v = find(u16At(request, 0));
    if (!v)
        return StatusNoSuchVar;
    putU16(reply, v->id);
    putU16(reply, v->redir);
    reply.append(v->type);
    putU16(reply, v->flags);
    reply.append(char(v->capacity));
    reply.append(wireValue(*v, false));
    return StatusOk;
}

uint8_t SimVariables::getList(const QByteArray& request, int room, QByteArray& reply) const
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
        putU16(entry, v->id);
        const uint16_t flags = v->redir ? uint16_t(v->flags | VarFlag::FromList) : v->flags;
        putU16(entry, flags);
        if (v->redir)
            putU16(entry, v->redir);
        entry.append(v->type);
        const QByteArray value = wireValue(*v, true);
        if (v->type == 'T') {
            entry.append(char(v->capacity));
            entry.append(char(value.size()));
        }
        entry.append(value);
        if (reply.size() + entry.size() > room)
            return StatusOk; // full: the rest waits for the next request
        reply.append(entry);
    }
    if (reply.size() + 2 <= room)
        putU16(reply, 0);
    return StatusOk;
}

uint8_t SimVariables::write(const QByteArray& request)
{
    if (request.size() < SetHeader)
        return StatusBadArgument;
    const auto it = m_vars.find(u16At(request, 0));
    if (it == m_vars.end())
        return StatusNotFound;
    const uint16_t redir = u16At(request, 2);
    const uint16_t flags = u16At(request, 4);
    if (redir == it->id || (redir != 0 && !m_vars.contains(redir)))
        return StatusBadArgument;

    const QByteArray value = request.mid(SetHeader);
    const bool withValue = !value.isEmpty();
    if (withValue) {
        if (it->flags & VarFlag::ReadOnly)
            return StatusAccessDenied;
        switch (it->type) {
        case 'T':
        case 'R':
            if (value.size() > it->capacity)
                return StatusBadArgument;
            break;
        case 'C':
            // A character edited in the program arrives as one byte.
            if (value.size() > NumberSize)
                return StatusBadArgument;
            break;
        default:
            if (value.size() != NumberSize)
                return StatusBadArgument;
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
    return StatusOk;
}
