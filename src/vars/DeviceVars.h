#pragma once

#include <cstdint>

// Variables the program reads beside the pages: the device's state, identity and versions.
namespace DeviceVar {
constexpr uint16_t Status = 1;
constexpr uint16_t Can = 20000;
constexpr uint16_t CommandState = 40002;
constexpr uint16_t Algorithm = 64999;
constexpr uint16_t Model = 65503;
constexpr uint16_t Bootloader = 65504;
constexpr uint16_t Firmware = 65505;
constexpr uint16_t Serial = 65507;

constexpr uint16_t BesidePages[] = {Status, Can, CommandState, Algorithm, Model, Bootloader, Firmware, Serial};
} // namespace DeviceVar
