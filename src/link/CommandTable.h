#pragma once

#include <cstdint>

// Command ids of the device protocol.
namespace Cmd {
enum : uint8_t
{
    INFO = 0,
    AUTH = 2,
    RESET = 4,
    VAR_GET = 8,
    VAR_SET = 10,
    VAR_SAVE = 12,
    VAR_GET_LIST = 18,
    GET_DATETIME = 96,
    SET_DATETIME = 98,
    EFS_STATS = 100,
    EFS_FILE_FIND = 102,
    EFS_FILE_UNLINK = 104,
    EFS_FILE_CLOSE = 106,
    EFS_FILE_RENAME = 108,
    EFS_FILE_CREATE = 110,
    EFS_FILE_OPEN = 112,
    EFS_FILE_READ = 114,
    EFS_FILE_WRITE = 116,
    EFS_FILE_SEEK = 118,
    EFS_FILE_LIST = 120,
};
}

// Reply statuses; a value's meaning depends on the command that was answered.
namespace Status {
constexpr uint8_t Ok = 0;
constexpr uint8_t WrongPin = 1;  // AUTH
constexpr uint8_t NoSuchVar = 1; // VAR_GET
constexpr uint8_t AlreadyAccepted = 2;
constexpr uint8_t BadArgument = 3;
constexpr uint8_t NotFound = 4;
constexpr uint8_t AccessDenied = 5;
constexpr uint8_t NoSpace = 6;
constexpr uint8_t FileExists = 7;
constexpr uint8_t FsError = 8;
constexpr uint8_t EndOfFile = 254;
constexpr uint8_t NoSeek = 255;  // EFS_FILE_SEEK
constexpr uint8_t Refused = 255; // AUTH from a device that takes no PIN
} // namespace Status

// Bits of the INFO reply's authentication byte: the PINs the device has accepted on this connection.
namespace AuthBit {
constexpr uint8_t Pin1 = 0x04;
constexpr uint8_t Pin2 = 0x08;
} // namespace AuthBit

// Link kinds as they appear in the permission masks.
namespace LinkKind {
constexpr uint32_t Usb = 0x01;
constexpr uint32_t Batched = 0x02;
constexpr uint32_t SettingsFile = 0x08; // a saved settings file as the device: information, PIN and variables
} // namespace LinkKind

namespace CommandTable {
// Allowed when the command's row exists and its mask shares a bit with the link's kind.
bool isAllowed(uint8_t cmd, uint32_t kindMask);
// False for a command not in the table.
bool changesDevice(uint8_t cmd);
// "?" for a command not in the table.
const char* name(uint8_t cmd);
} // namespace CommandTable
