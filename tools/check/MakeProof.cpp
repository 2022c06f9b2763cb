#include "MakeProof.h"

#include "Bytes.h"
#include "FolderTree.h"
#include "PatchFolder.h"

#include "engine/CommandRecord.h"


#ifdef _WIN32
#include "Rehearsal.h"
#else
#include "ProofUnderWine.h"
#endif

DescriptionReport checkPatchFolder(const std::string& patchFolder)
{
    PatchFolder patch(patchFolder);
    std::string bytes;
    readFileBytes(folderPath(patch.descriptionPath()), bytes);
    return checkDescription(textOf(bytes),
                            [&](const std::string& relative) { return patch.has(relative); });
}

std::vector<std::string> iniFilesOf(const DescriptionReport& check)
{
    std::vector<std::string> files;
    for (const CheckedCommand& command : check.commands) {
        if (command.kind == CMD_INI)
            files.push_back(command.params[0]);
    }
    return files;
}

#ifdef _WIN32

namespace {

// How a rehearsed update ended before its last record, as the difference
// list names it.
const char* endName(UpdateEnd end)
{
    switch (end) {
    case UpdateEnd::NoHeader: return "no-d-line";
    case UpdateEnd::VersionGate: return "version-gate";
    case UpdateEnd::NoPatchOffered: return "no-patch-offered";
    case UpdateEnd::UnknownMode: return "unknown-mode";
    case UpdateEnd::NotReapplied: return "not-reapplied";
    case UpdateEnd::CheckFileGivenUp: return "check-file-given-up";
    case UpdateEnd::NoFormat: return "no-format";
    case UpdateEnd::EmptyList: return "empty-list";
    case UpdateEnd::Failed: return "failed";
    case UpdateEnd::GivenUp: return "given-up";
    case UpdateEnd::Finished:
    case UpdateEnd::EndRecord: break;
    }
    return "";
}

// What in the rehearsal did not work: its failed and refused lines, and an
// end before the last record.
void unfinished(const Rehearsal& rehearsal, std::vector<ProofDifference>& out)
{
    for (const RehearsedUpdate& update : rehearsal.updates) {
        if (update.end != UpdateEnd::Finished && update.end != UpdateEnd::EndRecord)
            out.push_back({"ended", endName(update.end)});
        for (const RehearsalLine& line : update.lines) {
            if (line.kind == RehearsalKind::Failed || line.kind == RehearsalKind::Refused)
                out.push_back({rehearsalKindName(line.kind), line.subject});
        }
    }
}

}  // namespace

void rehearsePatch(const std::string& olderFolder, const std::string& newerFolder,
                   const std::string& patchFolder, Proof& proof)
{
    std::vector<std::string> iniFiles = iniFilesOf(proof.check);
    std::string compareError;
    bool compared = false;
    auto inspect = [&](const std::string& copy) {
        compared = resultDifferences(folderPath(copy), folderPath(newerFolder), iniFiles,
                                     proof.keepRemoved, proof.differences, compareError);
    };
    Rehearsal rehearsal;
    std::string error;
    if (!rehearse(olderFolder, {patchFolder}, RehearsalOptions(), rehearsal, error, inspect) ||
        !compared) {
        proof.outcome = RehearsalOutcome::NotRun;
        proof.reason = error.empty() ? compareError : error;
        return;
    }
    unfinished(rehearsal, proof.differences);
    proof.outcome =
        proof.differences.empty() ? RehearsalOutcome::Verified : RehearsalOutcome::Differs;
}

#else

void rehearsePatch(const std::string& olderFolder, const std::string& newerFolder,
                   const std::string& patchFolder, Proof& proof)
{
    proveUnderWine(olderFolder, newerFolder, patchFolder, proof);
}

#endif
