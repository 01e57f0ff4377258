#include "CommandTable.h"

#include <array>

namespace {

struct Row
{
    uint8_t id;
    const char* name;
    bool changesDevice;
    uint32_t mask;
};

constexpr std::array<Row, 20> Rows = {{
    {Cmd::INFO, "INFO", false, 0x0F},
    {Cmd::AUTH, "AUTH", false, 0x0F},
    {Cmd::RESET, "RESET", true, 0x07},
    {Cmd::VAR_GET, "VAR_GET", false, 0x0F},
    {Cmd::VAR_SET, "VAR_SET", true, 0x0F},
    {Cmd::VAR_SAVE, "VAR_SAVE", false, 0x0F},
    {Cmd::VAR_GET_LIST, "VAR_GET_LIST", false, 0x02},
    {Cmd::GET_DATETIME, "GET_DATETIME", false, 0x07},
    {Cmd::SET_DATETIME, "SET_DATETIME", true, 0x07},
    {Cmd::EFS_STATS, "EFS_STATS", false, 0x07},
    {Cmd::EFS_FILE_FIND, "EFS_FILE_FIND", false, 0x07},
    {Cmd::EFS_FILE_UNLINK, "EFS_FILE_UNLINK", true, 0x07},
    {Cmd::EFS_FILE_CLOSE, "EFS_FILE_CLOSE", false, 0x07},
    {Cmd::EFS_FILE_RENAME, "EFS_FILE_RENAME", true, 0x07},
    {Cmd::EFS_FILE_CREATE, "EFS_FILE_CREATE", true, 0x07},
    {Cmd::EFS_FILE_OPEN, "EFS_FILE_OPEN", false, 0x07},
    {Cmd::EFS_FILE_READ, "EFS_FILE_READ", false, 0x07},
    {Cmd::EFS_FILE_WRITE, "EFS_FILE_WRITE", true, 0x07},
    {Cmd::EFS_FILE_SEEK, "EFS_FILE_SEEK", false, 0x07},
    {Cmd::EFS_FILE_LIST, "EFS_FILE_LIST", false, 0x02},
}};

const Row* find(uint8_t cmd)
{
    for (const Row& row : Rows) {
        if (row.id == cmd)
            return &row;
    }
    return nullptr;
}

} // namespace

bool CommandTable::isAllowed(uint8_t cmd, uint32_t kindMask)
{
    const Row* row = find(cmd);
    return row && (row->mask & kindMask) != 0;
}

bool CommandTable::changesDevice(uint8_t cmd)
{
    const Row* row = find(cmd);
    return row && row->changesDevice;
}

const char* CommandTable::name(uint8_t cmd)
{
    const Row* row = find(cmd);
    return row ? row->name : "?";
}
