#pragma once

#include <cstdint>

#include <QByteArray>
#include <QHash>
#include <QList>

#include "SettingsFile.h"

// Variables as a device holds them, and the device's answers to the three variable commands. The stand-in
// device and a settings file opened as the device both answer from it. Not locked: the owner holds its own
// lock around every call.
class VarTable
{
public:
    // Value bytes as the device keeps them: 4 for numbers, the text without terminator, the raw bytes.
    using Variable = SettingsFile::Entry;

    void load(const QList<Variable>& variables);
    const Variable* find(uint16_t id) const;
    // Adds or replaces a variable.
    void set(const Variable& variable);
    bool setValue(uint16_t id, const QByteArray& value);
    QList<uint16_t> ids() const;       // ascending
    QList<Variable> variables() const; // ascending by id
    int count() const { return int(m_vars.size()); }

    // The commands: the status byte is returned, the reply payload written to reply.
    uint8_t get(const QByteArray& request, QByteArray& reply) const;
    // As many entries as fit room bytes; the end marker only when every requested id was answered.
    uint8_t getList(const QByteArray& request, int room, QByteArray& reply) const;
    uint8_t write(const QByteArray& request);

private:
    QHash<uint16_t, Variable> m_vars;
};
