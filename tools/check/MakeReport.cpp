#include "MakeReport.h"

#include "CheckTexts.h"

namespace {

const char* noteReason(MakeNote note)
{
    switch (note) {
    case MakeNote::CaseOnly: return checktexts::kCaseOnly;
    case MakeNote::IniKeyRemoved: return checktexts::kIniKeyRemoved;
    case MakeNote::IniShippedWhole: return checktexts::kIniShippedWhole;
    }
    return "";
}

const char* outcomeName(RehearsalOutcome outcome)
{
    switch (outcome) {
    case RehearsalOutcome::Verified: return "verified";
    case RehearsalOutcome::Differs: return "differs";
    case RehearsalOutcome::NotRun: return "not-run";
    }
    return "";
}

void writeCounts(const PatchCounts& counts, std::ostream& out, OutputEncoding encode)
{
    auto line = [&](const char* label, std::uint64_t value) {
        out << encode(label + std::to_string(value)) << "\n";
    };
    line(checktexts::kFilesChanged, counts.changed);
    line(checktexts::kFilesAdded, counts.added);
    line(checktexts::kFilesRemoved, counts.removed);
    line(checktexts::kFoldersAdded, counts.foldersAdded);
    line(checktexts::kFoldersRemoved, counts.foldersRemoved);
    line(checktexts::kBytesShipped, counts.bytesShipped);
}

void writeRehearsalText(const Proof& proof, std::ostream& out, OutputEncoding encode)
{
    switch (proof.outcome) {
    case RehearsalOutcome::Verified:
        out << encode(checktexts::kRehearsalSame) << "\nverified\n";
        return;
    case RehearsalOutcome::NotRun:
        out << encode(checktexts::kRehearsalNotRun) << proof.reason << "\n";
        return;
    case RehearsalOutcome::Differs:
        out << encode(checktexts::kRehearsalDiffers + std::to_string(proof.differences.size()))
            << "\n";
        for (const ProofDifference& difference : proof.differences)
            out << difference.kind << "\t" << encode(difference.name) << "\n";
        return;
    }
}

}  // namespace

int makeExitCode(const MakeResult& result)
{
    bool differs = result.proof.outcome == RehearsalOutcome::Differs;
    return result.proof.checkClean() && !differs ? 0 : 1;
}

void writeMakeText(const MakeResult& result, std::ostream& out, OutputEncoding encode)
{
    out << encode(checktexts::kMadePatch + result.patchFolder) << "\n";
    if (result.made)
        writeCounts(result.counts, out, encode);
    if (!result.warnings.empty()) {
        out << encode(checktexts::kMakeNotes + std::to_string(result.warnings.size())) << "\n";
        for (const MakeWarning& warning : result.warnings)
            out << encode(std::string("  ") + makeNoteName(warning.note) + "  " +
                          noteReason(warning.note) + "  " + warning.detail)
                << "\n";
    }
    out << encode(checktexts::kCheckOfPatch);
    writeTextWarnings(result.proof.check, out, encode);
    writeRehearsalText(result.proof, out, encode);
}

void writeMakeJson(const MakeResult& result, std::ostream& out)
{
    const PatchCounts& c = result.counts;
    out << "{\n  \"patch\": " << jsonString(result.patchFolder) << ",\n";
    if (result.made) {
        out << "  \"files\": {\"changed\": " << c.changed << ", \"added\": " << c.added
            << ", \"removed\": " << c.removed << "},\n"
            << "  \"folders\": {\"added\": " << c.foldersAdded
            << ", \"removed\": " << c.foldersRemoved << "},\n"
            << "  \"bytesShipped\": " << c.bytesShipped << ",\n";
    }
    out << "  \"notes\": [";
    for (std::size_t i = 0; i < result.warnings.size(); ++i) {
        const MakeWarning& w = result.warnings[i];
        out << (i ? ",\n" : "\n") << "    {\"code\": \"" << makeNoteName(w.note)
            << "\", \"message\": " << jsonString(noteReason(w.note))
            << ", \"detail\": " << jsonString(w.detail) << "}";
    }
    out << (result.warnings.empty() ? "],\n" : "\n  ],\n") << "  \"warnings\": ";
    writeJsonWarnings(result.proof.check, out);
    const Proof& proof = result.proof;
    out << ",\n  \"rehearsal\": \"" << outcomeName(proof.outcome) << "\",\n";
    if (proof.outcome == RehearsalOutcome::NotRun)
        out << "  \"notRunBecause\": " << jsonString(proof.reason) << ",\n";
    out << "  \"differences\": [";
    for (std::size_t i = 0; i < proof.differences.size(); ++i) {
        out << (i ? ",\n" : "\n") << "    {\"kind\": \"" << proof.differences[i].kind
            << "\", \"name\": " << jsonString(proof.differences[i].name) << "}";
    }
    out << (proof.differences.empty() ? "],\n" : "\n  ],\n") << "  \"verified\": "
        << (proof.outcome == RehearsalOutcome::Verified && proof.checkClean() ? "true" : "false")
        << "\n}\n";
}
