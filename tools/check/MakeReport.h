// The maker's report: what the patch holds, the notes made while making
// it, the check of its description and the rehearsal's verdict; for a
// person, or as one JSON document.
#pragma once

#include "MakeProof.h"
#include "PatchPlan.h"
#include "ReportOutput.h"

#include <ostream>
#include <string>

struct MakeResult {
    bool made = false;  // false for --prove: a patch made before
    std::string patchFolder;
    PatchCounts counts;
    std::vector<MakeWarning> warnings;
    Proof proof;
};

// 0 when verified (or the rehearsal could not run) and the check has no
// warning, else 1.
int makeExitCode(const MakeResult& result);

// The differences end the report one a line, "KIND<TAB>NAME", then the
// word "verified" when there are none.
void writeMakeText(const MakeResult& result, std::ostream& out, OutputEncoding encode);

void writeMakeJson(const MakeResult& result, std::ostream& out);
