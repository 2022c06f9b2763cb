// The Linux build's rehearsal: the Windows build of this tool, run under
// Wine as "brantlewick-check.exe --prove OLD NEW PATCH" (MakeProof.h says
// how both are found).
#pragma once

#include "MakeProof.h"

#include <string>

void proveUnderWine(const std::string& olderFolder, const std::string& newerFolder,
                    const std::string& patchFolder, Proof& proof);
