#pragma once

// Little-endian fields of the payloads the stand-in device reads and writes.

#include <QByteArray>
#include <QtEndian>

namespace SimBytes {

// A field past the end reads as 0: a short request must not take the device down.
template <typename T> T at(const QByteArray& bytes, qsizetype offset)
{
    if (offset < 0 || bytes.size() < offset + qsizetype(sizeof(T)))
        return 0;
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

template <typename T> void append(QByteArray& bytes, T value)
{
    char field[sizeof(T)];
    qToLittleEndian(value, field);
    bytes.append(field, qsizetype(sizeof(T)));
}

} // namespace SimBytes
