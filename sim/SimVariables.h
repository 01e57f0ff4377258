#pragma once

#include <cstdint>

#include <QByteArray>
#include <QHash>
#include <QList>

#include "vars/SettingsFile.h"

// The stand-in device's variables and its answers to the three variable commands. Not locked:
// SimDevice holds its own lock around every call.
class SimVariables
{
public:
    // Value bytes as the device keeps them: 4 for numbers, the text without terminator, the raw bytes.
    using Variable = SettingsFile::Entry;

    void load(const QList<Variable>& variables);
    const Variable* find(uint16_t id) const;
    // Adds or replaces a variable.
    void set(const Variable& variable);
    bool setValue(uint16_t id, const QByteArray& value);
    QList<uint16_t> ids() const; // ascending
    int count() const { return int(m_vars.size()); }

    // The commands: the status byte is returned, the reply payload written to reply.
    uint8_t get(const QByteArray& request, QByteArray& reply) const;
    // As many entries as fit room bytes; the end marker only when every requested id was answered.
    uint8_t getList(const QByteArray& request, int room, QByteArray& reply) const;
    uint8_t write(const QByteArray& request);

private:
    QHash<uint16_t, Variable> m_vars;
};
