#pragma once

#include <QDateTime>
#include <QString>

namespace LocalTime {

// A time as ISO 8601 with its offset from UTC, in the computer's time zone; "+00:00" too, so that every time
// has the same shape.
QString iso(const QDateTime& time);

} // namespace LocalTime
