// The proof of a made patch, before the maker returns: the check mode on
// it, and a rehearsal of it on the older tree whose result must be the
// newer tree.
//
// The Windows build rehearses with the program's engine in its own
// process.  The Linux build has no engine; it runs the Windows build's
// rehearsal (brantlewick-check.exe --prove) under Wine when both are
// there:
//   the Windows tool  $BRANTLEWICK_CHECK_EXE, else win64/brantlewick-check.exe
//                     beside the folder of this program (build/native and
//                     build/win64 of one source tree);
//   Wine              "wine" on the PATH, with $WINEPREFIX, else
//                     $BW_WINEPREFIX, else the wineprefix folder beside the
//                     Windows tool.
// Otherwise the proof says that the rehearsal did not run.
#pragma once

#include "DescriptionCheck.h"
#include "ResultCompare.h"

#include <filesystem>
#include <string>
#include <vector>

enum class RehearsalOutcome {
    Verified,  // the result is the newer tree
    Differs,
    NotRun,    // reason says why
};

struct Proof {
    DescriptionReport check;
    RehearsalOutcome outcome = RehearsalOutcome::NotRun;
    std::string reason;  // of NotRun (UTF-8 on Linux, code page 932 on Windows)
    std::vector<ProofDifference> differences;
    bool keepRemoved = false;  // the patch keeps what the newer tree no longer has

    bool checkClean() const { return check.warnings.empty(); }
};

// The check mode on the patch folder's description.
DescriptionReport checkPatchFolder(const std::string& patchFolder);

// The INI files that the description's "i" records update.
std::vector<std::string> iniFilesOf(const DescriptionReport& check);

// The rehearsal of the patch on olderFolder, against newerFolder; the INI
// files of proof.check's "i" records are compared by their keys.
void rehearsePatch(const std::string& olderFolder, const std::string& newerFolder,
                   const std::string& patchFolder, Proof& proof);
