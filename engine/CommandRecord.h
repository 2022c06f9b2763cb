// CMD_DATA_: one command of the command list, a kind and three parameter
// texts, as the command section's line wrote them.
#pragma once

#include "foundation/text/FCString.h"

#include <cstdint>

// The command kinds, the numbers stored in CMD_DATA_::type.
enum : std::int32_t {
    CMD_UPDATE = 0,         // u: copy from the source root, with an optional backup
    CMD_DELETE = 1,         // d: delete a file or folder, with an optional backup
    CMD_MKDIR = 2,          // m: make a folder
    CMD_BACKUP_FOLDER = 3,  // c with one parameter beginning with "b": make the backup folder
    CMD_INI = 4,            // i: write an INI key
    CMD_COPY = 5,           // c otherwise: copy within the install folder
    CMD_RUN = 6,            // e other than "end": open a file or program
    CMD_RENAME = 7,         // r
    CMD_PATCH_BYTES = 8,    // b
    CMD_COPY_RANGE = 9,     // o
    CMD_BUILD_ARCHIVE = 10, // g
    CMD_END = 11,           // end: stop the run under a condition
};

// A plain record: no virtual operations, the parameters kept as written.
struct CMD_DATA_ {
    std::int32_t type = -1;
    FCString param1;
    FCString param2;
    FCString param3;

    // Stores the kind and the three texts; an empty text clears its field
    // rather than sharing an empty representation of another block size.
    void set(std::int32_t kind, const FCString& text1, const FCString& text2, const FCString& text3)
    {
        type = kind;
        store(param1, text1);
        store(param2, text2);
        store(param3, text3);
    }

private:
    static void store(FCString& field, const FCString& text)
    {
        if (text.empty())
            field.clear();
        else
            field = text;
    }
};
