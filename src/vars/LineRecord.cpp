#include "LineRecord.h"

QString LineRecord::summary() const
{
    const QString who = serial.isEmpty() ? tr("unknown controller") : serial;
    if (done)
        return tr("Done: %1 — %2 written, %3 skipped").arg(who).arg(written).arg(skipped);
    return tr("Failed: %1 at %2: %3").arg(who, step, reason);
}

QString LineRecord::doneText(const QString& serial)
{
    return tr("Done: %1 — unplug it and connect the next").arg(serial);
}
