#pragma once

#include <cstdint>

#include <QByteArray>

// The wire frame shared by every link and by the stand-in device.
// Request: crc16 | length | type=1 | seq | cmd | payload.  Reply: crc16 | length | type | seq | cmd | status | payload.
// The CRC covers bytes 2 up to the end of the frame; all fields are little-endian.
namespace Frame {

constexpr int BufferSize = 1025; // a 1024-byte frame plus room for a terminating zero
constexpr int RequestHeader = 7;
constexpr int ReplyHeader = 8;
constexpr int OffLength = 2;
constexpr int OffType = 4;
constexpr int OffSeq = 5;
constexpr int OffCmd = 6;
constexpr int OffStatus = 7;

// CRC-16/XMODEM: polynomial 0x1021, initial 0, no reflection, no final XOR.
uint16_t crc16(const uint8_t* data, int len);

uint16_t length(const uint8_t* frame);
void setLength(uint8_t* frame, uint16_t len);

// Turns a request whose length field holds the payload length into a sendable frame.
void finalise(uint8_t* frame, uint8_t seq);

// A reply is valid when its length lies in [8, maxFrame] and its CRC matches.
bool isValidReply(const uint8_t* frame, int maxFrame);

// A complete request frame (length, type, CRC filled), for the stand-in device and tests.
QByteArray makeRequest(uint8_t seq, uint8_t cmd, const QByteArray& payload);
// A complete reply frame answering (seq, cmd) with a status and payload.
QByteArray makeReply(uint8_t seq, uint8_t cmd, uint8_t status, const QByteArray& payload);

} // namespace Frame
