#include "CommandRecord.h"

#include <QtGlobal>

void CommandRecord::add(const void* data, std::size_t n)
{
    if (txLen + n > MaxTx) {
        overflow = 1;
        qWarning("USB_CMD_ADD_DATA overflow: tx_len=%u + %zu > %zu", unsigned(txLen), n, MaxTx);
        return;
    }
    std::memcpy(txData + txLen, data, n);
    txLen = uint16_t(txLen + n);
}

void CommandRecord::addU16(uint16_t v)
{
    const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    add(b, 2);
}

void CommandRecord::addU32(uint32_t v)
{
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    add(b, 4);
}

uint8_t CommandRecord::takeU8()
{
    if (remaining() < 1) {
        cursor = rxLen;
        return 0;
    }
    return rxData[cursor++];
}

uint16_t CommandRecord::takeU16()
{
    if (remaining() < 2) {
        cursor = rxLen;
        return 0;
    }
    const uint16_t v = uint16_t(rxData[cursor] | (rxData[cursor + 1] << 8));
    cursor += 2;
    return v;
}

uint32_t CommandRecord::takeU32()
{
    if (remaining() < 4) {
        cursor = rxLen;
        return 0;
    }
    const uint32_t v = uint32_t(rxData[cursor]) | uint32_t(rxData[cursor + 1]) << 8 |
                       uint32_t(rxData[cursor + 2]) << 16 | uint32_t(rxData[cursor + 3]) << 24;
    cursor += 4;
    return v;
}
