#include "engine/DescribeCommand.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string described(std::int32_t type, const char* p1, const char* p2 = "", const char* p3 = "")
{
    CMD_DATA_ record;
    record.set(type, FCString(p1), FCString(p2), FCString(p3));
    FCString out;
    describeCommand(record, out, "D:\\patch\\", "C:\\App\\");
    return out.text();
}

TEST(DescribeCommand, EveryKind)
{
    struct Case {
        std::int32_t type;
        const char* p1;
        const char* p2;
        std::string expected;
    } cases[] = {
        {CMD_UPDATE, "new\\a.dll", "a.dll", "new\\a.dll\n  \201\253\nC:\\App\\a.dll"},
        {CMD_DELETE, "old\\", "", "DELETE: C:\\App\\old\\"},
        {CMD_MKDIR, "data\\", "", "MKDIR: C:\\App\\data\\"},
        {CMD_BACKUP_FOLDER, "backup%1\\", "", "CreateBackupFolder..."},
        {CMD_INI, "app.ini", "Main,Version,2", "INI: C:\\App\\app.ini\n  Main,Version,2"},
        {CMD_RENAME, "a.txt", "b.txt", "RENAME: C:\\App\\a.txt"},
        {CMD_UPDATE, "%backup%\\x", "%1.dat", "%backup%\\x\n  \201\253\nC:\\App\\%1.dat"},
        {CMD_COPY, "a", "b", ""},
        {CMD_RUN, "readme.txt", "", ""},
        {CMD_PATCH_BYTES, "a", "0x10", ""},
        {CMD_COPY_RANGE, "a", "b", ""},
        {CMD_BUILD_ARCHIVE, "a", "b", ""},
        {CMD_END, "0", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(described(c.type, c.p1, c.p2), c.expected) << c.type;
}

}  // namespace
