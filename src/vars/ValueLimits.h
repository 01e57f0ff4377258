#pragma once

#include <QCoreApplication>
#include <QString>

#include "SettingsFile.h"

class VarsUI;
struct VarRecord;

// What a value may be before it is written: a number its stored type can hold as a number (no NaN, no
// infinity) always, and the limits of every row that shows it (range, step, a drop-down's options) unless
// the write is forced. A variable no row shows is held to its stored type alone.
class ValueLimits
{
    Q_DECLARE_TR_FUNCTIONS(ValueLimits)
public:
    // pages may be null: the stored type alone.
    explicit ValueLimits(const VarsUI* pages = nullptr, bool force = false) : m_pages(pages), m_force(force) {}

    // Empty when the entry's value may be written over the record; else why not, naming what is allowed.
    QString refusal(const SettingsFile::Entry& entry, const VarRecord& record) const;

private:
    const VarsUI* m_pages;
    bool m_force;
};
