#include "RehearsalReport.h"

#include "CheckTexts.h"

#include <algorithm>

namespace {

std::string endText(const RehearsedUpdate& update)
{
    switch (update.end) {
    case UpdateEnd::NoHeader: return checktexts::kNoDLine;
    case UpdateEnd::VersionGate:
        return checktexts::kVersionGate + std::to_string(update.installedVersion);
    case UpdateEnd::NoPatchOffered: return checktexts::kNoPatchOffered;
    case UpdateEnd::UnknownMode: return checktexts::kUnknownMode;
    case UpdateEnd::NotReapplied: return checktexts::kNotReapplied;
    case UpdateEnd::CheckFileGivenUp: return checktexts::kCheckFileGivenUp;
    case UpdateEnd::NoFormat: return checktexts::kNoCommandsRun;
    case UpdateEnd::EmptyList: return checktexts::kEmptyCommandList;
    case UpdateEnd::Failed: return checktexts::kFilesFailed;
    case UpdateEnd::GivenUp: return std::to_string(update.endLine) + checktexts::kGivenUp;
    case UpdateEnd::Finished: return checktexts::kFinished;
    case UpdateEnd::EndRecord:
        return std::to_string(update.endLine) + checktexts::kEndRecord + update.endMessage;
    }
    return "";
}

std::string listLine(const RehearsalLine& line)
{
    std::string text = std::string(rehearsalKindName(line.kind)) + "\t" + line.subject;
    return line.detail.empty() ? text : text + "\t" + line.detail;
}

bool recordsInRegistry(const RehearsedUpdate& update)
{
    return std::any_of(update.lines.begin(), update.lines.end(), [](const RehearsalLine& line) {
        return line.kind == RehearsalKind::Version && line.subject.rfind("registry ", 0) == 0;
    });
}

}  // namespace

void writeRehearsal(const Rehearsal& rehearsal, const std::string& installFolder,
                    std::ostream& out, OutputEncoding encode)
{
    auto line = [&](const std::string& text) { out << encode(text) << "\n"; };
    line(checktexts::kRehearsalOf + installFolder + checktexts::kRehearsalCopy);
    for (std::size_t i = 0; i < rehearsal.updates.size(); ++i) {
        const RehearsedUpdate& update = rehearsal.updates[i];
        line(checktexts::kUpdate + std::to_string(i + 1) + ": " + update.patchFolder);
        if (update.patchNumber >= 0)
            line("  " + (checktexts::kPatch + std::to_string(update.patchNumber)) + ": " +
                 update.patchLabel);
        if (update.reapplied && update.end != UpdateEnd::NotReapplied)
            line(std::string("  ") + checktexts::kReapplied);
        line("  " + endText(update));
        if (recordsInRegistry(update))
            line(std::string("  ") + checktexts::kRegistryNotWritten);
        for (const RehearsalLine& entry : update.lines)
            line(listLine(entry));
    }
    line(checktexts::kInstallChanges);
    if (rehearsal.changes.empty())
        line(std::string("  ") + checktexts::kNothing);
    for (const RehearsalLine& entry : rehearsal.changes)
        line(listLine(entry));
    if (rehearsal.working.empty())
        return;
    line(checktexts::kWorkingFiles);
    for (const RehearsalLine& entry : rehearsal.working)
        line(listLine(entry));
}
