#include "Frame.h"

#include <array>

namespace {

// One byte's worth of the bitwise CRC, precomputed: the CRC runs over every frame in both directions.
constexpr std::array<uint16_t, 256> CrcTable = [] {
    std::array<uint16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        uint16_t crc = uint16_t(byte << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? uint16_t((crc << 1) ^ 0x1021) : uint16_t(crc << 1);
        table[std::size_t(byte)] = crc;
    }
    return table;
}();

} // namespace

uint16_t Frame::crc16(const uint8_t* data, int len)
{
    uint16_t crc = 0;
    for (int i = 0; i < len; ++i)
        crc = uint16_t((crc << 8) ^ CrcTable[std::size_t((crc >> 8) ^ data[i])]);
    return crc;
}

uint16_t Frame::length(const uint8_t* frame)
{
    return uint16_t(frame[OffLength] | (frame[OffLength + 1] << 8));
}

void Frame::setLength(uint8_t* frame, uint16_t len)
{
    frame[OffLength] = uint8_t(len);
    frame[OffLength + 1] = uint8_t(len >> 8);
}

void Frame::finalise(uint8_t* frame, uint8_t seq)
{
    const uint16_t len = uint16_t(length(frame) + RequestHeader);
    setLength(frame, len);
    frame[OffType] = 1;
    frame[OffSeq] = seq;
    const uint16_t crc = crc16(frame + 2, len - 2);
    frame[0] = uint8_t(crc);
    frame[1] = uint8_t(crc >> 8);
}

bool Frame::isValidReply(const uint8_t* frame, int maxFrame)
{
    const int len = length(frame);
    if (len < ReplyHeader || len > maxFrame)
        return false;
    return crc16(frame + 2, len - 2) == uint16_t(frame[0] | (frame[1] << 8));
}

namespace {

QByteArray sealed(QByteArray frame)
{
    auto* bytes = reinterpret_cast<uint8_t*>(frame.data());
    Frame::setLength(bytes, uint16_t(frame.size()));
    const uint16_t crc = Frame::crc16(bytes + 2, int(frame.size()) - 2);
    bytes[0] = uint8_t(crc);
    bytes[1] = uint8_t(crc >> 8);
    return frame;
}

} // namespace

QByteArray Frame::makeRequest(uint8_t seq, uint8_t cmd, const QByteArray& payload)
{
    QByteArray frame(RequestHeader, '\0');
    frame[OffType] = 1;
    frame[OffSeq] = char(seq);
    frame[OffCmd] = char(cmd);
    return sealed(frame + payload);
}

QByteArray Frame::makeReply(uint8_t seq, uint8_t cmd, uint8_t status, const QByteArray& payload)
{
    QByteArray frame(ReplyHeader, '\0');
    frame[OffType] = 1;
    frame[OffSeq] = char(seq);
    frame[OffCmd] = char(cmd);
    frame[OffStatus] = char(status);
    return sealed(frame + payload);
}
