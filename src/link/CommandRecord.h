#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// One request and its reply, built zeroed on the caller's stack. Multi-byte fields are little-endian.
struct CommandRecord
{
    static constexpr std::size_t MaxTx = 1017; // largest payload of a 1024-byte request frame
    static constexpr std::size_t MaxRx = 1016; // largest payload of a 1024-byte reply frame

    uint16_t txLen = 0;
    uint8_t txData[MaxTx] = {};
    uint8_t overflow = 0;
    uint16_t rxLen = 0;
    uint16_t status = 0;
    uint8_t rxData[MaxRx] = {};
    int32_t cursor = 0;
    // How often the request reached the device. Above 1, firmware that runs a retried frame again
    // instead of repeating its answer may have carried the command out more than once.
    uint8_t sends = 0;

    // Appending never writes past txData: a record that did not fit is marked and never sent.
    void add(const void* data, std::size_t n);
    void addU8(uint8_t v) { add(&v, 1); }
    void addU16(uint16_t v);
    void addU32(uint32_t v);

    int remaining() const { return cursor < rxLen ? rxLen - cursor : 0; }
    // Readers take from rxData at the cursor; a read past rxLen yields 0 and leaves the cursor at the end.
    uint8_t takeU8();
    uint16_t takeU16();
    uint32_t takeU32();
};
