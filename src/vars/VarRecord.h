#pragma once

#include <cstdint>

// One device variable as the program holds it; copied by value for snapshots.
struct VarRecord
{
    static constexpr uint16_t DefaultTextLimit = 47;

    uint16_t id = 0;
    uint16_t redir = 0; // id of the variable this one is redirected to, 0 for none
    uint8_t type = 0;   // 'U', 'B', 'I', 'F', 'C', 'T', 'R'
    uint16_t flags = 0;
    uint16_t len = 0;    // valid value bytes, 0..255
    uint16_t maxLen = 0; // capacity reported by the device, 0..255
    uint8_t data[256] = {};
    uint8_t num[4] = {}; // first len bytes of data when len <= 4, else zero
    bool localEdit = false;
    uint16_t textLimit = DefaultTextLimit;
};

namespace VarFlag {
constexpr uint16_t ReadOnly = 0x0001;
constexpr uint16_t Static = 0x0002;
constexpr uint16_t Bit = 0x0040;
constexpr uint16_t UserNoWrite = 0x0080;
constexpr uint16_t UserNoRead = 0x0100;
constexpr uint16_t R = 0x0200;
constexpr uint16_t O = 0x0400;
constexpr uint16_t Inverted = 0x0800;
constexpr uint16_t FromList = 0x1000;
constexpr uint16_t Flash = 0x2000;
constexpr uint16_t Fram = 0x4000;
} // namespace VarFlag
