// The program's version as the About and message dialogs show it.
#pragma once

#include "foundation/text/FCString.h"

#include <cstdint>

struct FileVersion {
    std::int32_t number[4] = {0, 0, 0, 0};
};

// Reads a FileVersion text such as '2, 10, 5, 31' into version: the first
// number from the start, each further one behind the next run of commas.
// Numbers that are not there keep their values ('1.0.0.0' gives 1 only).
void parseFileVersion(const FCString& text, FileVersion& version);

// "brantlewick ver. 2.105  rev. 31": the second and third numbers stand
// side by side.
FCString versionLine(const FileVersion& version);
