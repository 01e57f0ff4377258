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

// Link kinds as they appear in the permission masks.
namespace LinkKind {
constexpr uint32_t Usb = 0x01;
constexpr uint32_t Batched = 0x02;
} // namespace LinkKind

namespace CommandTable {
// Allowed when the command's row exists and its mask shares a bit with the link's kind.
bool isAllowed(uint8_t cmd, uint32_t kindMask);
// False for a command not in the table.
bool changesDevice(uint8_t cmd);
// "?" for a command not in the table.
const char* name(uint8_t cmd);
} // namespace CommandTable
