#include "RehearsalRun.h"

#include "Bytes.h"
#include "DescriptionCheck.h"
#include "PatchFolder.h"
#include "RehearsalPaths.h"
#include "RehearsalVersion.h"

#include "app/AppliedCheck.h"
#include "app/HeaderReader.h"
#include "app/VersionRecord.h"
#include "app/VersionSource.h"
#include "engine/ApplyCommand.h"
#include "engine/SectionRun.h"
#include "engine/ParameterText.h"
#include "foundation/files/FCFile.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/files/FileExceptions.h"
#include "foundation/files/TextFile.h"

#include <algorithm>

namespace {

// The install folder is given, so an I line is not followed; the version
// source's files are joined to the copy, the install folder of the run.
class RehearsalHeader : public HeaderLineHandler {
public:
    int installLine(RunSettings&, FCString&) override { return 0; }
    void versionSourceLine(RunSettings& settings, FCString& value) override
    {
        parseVersionSource(settings, value);
    }
};


// The patch folder as the checker takes it: without its final "\\".
std::string withoutSeparator(const std::string& folder)
{
    return folder.substr(0, folder.size() - 1);
}

class UpdateRun {
public:
    UpdateRun(const std::string& patchFolder, const std::string& copy, RehearsedUpdate& out)
        : copy_(copy), patch_(withoutSeparator(patchFolder)), out_(out)
    {
        out_.patchFolder = patchFolder;
        settings_.installFolder = copy.c_str();
        settings_.programFolder = patchFolder.c_str();
    }

    bool readDescription(std::string& error)
    {
        FCString path(patch_.descriptionPath().c_str());
        try {
            if (FCFile::exists(path.text()) && readFile(description_, path.text()))
                return true;
        } catch (const FileGivenUpException&) {
            // Cancel in the file's box, which has said what went wrong.
        }
        error = std::string("cannot read ") + path.text();
        return false;
    }

    // The header; false when the run ends with it.
    bool readHeaderLines()
    {
        commands_ = checkDescription(description_, [this](const std::string& relative) {
                        return patch_.has(relative);
                    }).commands;
        RehearsalHeader handler;
        description_.rewind();
        readHeader(description_, settings_, handler);
        if (!versionReachable(settings_, copy_))
            add(RehearsalKind::Refused, versionFileBelow(settings_, copy_), "U");
        if (!settings_.headerComplete) {
            out_.end = UpdateEnd::NoHeader;
            return false;
        }
        return true;
    }

    // The version gate, as the program applies it before its dialog.
    bool passesGate()
    {
        if (!settings_.newVersionGiven || !versionReachable(settings_, copy_))
            return true;
        out_.installedVersion = readInstalledVersion(settings_);
        if (settings_.newVersion.toInt() > out_.installedVersion)
            return true;
        out_.end = UpdateEnd::VersionGate;
        return false;
    }

    // False, with the reason in error, when number names an entry that the
    // selection dialog does not offer.
    bool offers(std::int32_t number, std::string& error) const
    {
        if (!hasSelection() || number < 0 || offeredEntry(number))
            return true;
        error = "patch " + std::to_string(number) + " is not offered in " + out_.patchFolder;
        return false;
    }

    // The selection dialog's entry, when there is one; false when the run
    // ends there.
    bool chooseEntry(const RehearsalOptions& options)
    {
        if (!hasSelection())
            return true;
        const PatchEntry* entry = offeredEntry(options.patchNumber);
        if (!entry) {
            out_.end = UpdateEnd::NoPatchOffered;
            return false;
        }
        out_.patchNumber = entry->number;
        out_.patchLabel = bytesOf(entry->label);
        if (!mayApply(*entry, options.goOn))
            return false;
        // The source root is the entry's folder below the program's.
        sourceFolder_ = bytesOf(entry->sourceFolder);
        return true;
    }

    void runSection()
    {
        FCFileUty::setPartsFolder(copy_.c_str());
        runLines();
        // As the program does when its run ends.
        FCFileUty::removePartFolders();
        FCFileUty::setPartsFolder(nullptr);
    }

    // The program's rule: only a section carried out whole records.
    void recordVersion()
    {
        bool carriedOut = out_.end == UpdateEnd::Finished || out_.end == UpdateEnd::EndRecord;
        std::string recorded = versionRecordText(settings_, copy_);
        if (!carriedOut || recorded.empty()) {
            add(RehearsalKind::Version, "none");
            return;
        }
        recordVersionInCopy(settings_);
        add(RehearsalKind::Version, recorded);
    }

    void finish() { std::sort(out_.lines.begin(), out_.lines.end()); }

private:
    void add(RehearsalKind kind, std::string subject, std::string detail = "")
    {
        out_.lines.push_back({kind, std::move(subject), std::move(detail)});
    }
    void addAtLine(RehearsalKind kind, const CheckedCommand& command)
    {
        add(kind, command.text, std::to_string(command.line));
    }

    std::string sourceRoot() const { return bytesOf(settings_.programFolder) + sourceFolder_; }

    bool hasSelection() const { return settings_.patchEntries.size() >= 2; }

    // The selection dialog offers the entries 0 to 2; number -1 takes the
    // lowest of them.
    const PatchEntry* offeredEntry(std::int32_t number) const
    {
        for (std::int32_t n = 0; n < kOfferedPatches; ++n) {
            const PatchEntry* entry = settings_.patchEntries.find(n);
            if (entry && (number < 0 || number == n))
                return entry;
        }
        return nullptr;
    }

    bool mayApply(const PatchEntry& entry, bool goOn)
    {
        if (entry.conditionMode != 0) {
            out_.end = UpdateEnd::UnknownMode;
            return false;
        }
        try {
            out_.reapplied = isPatchApplied(entry, settings_.installFolder);
        } catch (const FileGivenUpException&) {
            out_.end = UpdateEnd::CheckFileGivenUp;
            return false;
        }
        if (out_.reapplied && !goOn) {
            out_.end = UpdateEnd::NotReapplied;
            return false;
        }
        return true;
    }

    void runLines()
    {
        RehearsalOwner owner(*this);
        SectionOutcome outcome = ::runSection(description_, commandFormatOf(settings_.commandMode),
                                              sourceRoot().c_str(), copy_.c_str(), owner);
        settings_.failureCount += outcome.failures;
        out_.end = updateEnd(outcome.end);
        if (outcome.end == SectionEnd::GivenUp || outcome.end == SectionEnd::EndRecord)
            out_.endLine = outcome.endLine < 0 ? 0 : commands_[outcome.endLine].line;
        if (outcome.end == SectionEnd::EndRecord) {
            FCString message(outcome.endMessage);
            message.replace("%1", settings_.productName.text());
            out_.endMessage = bytesOf(message);
        }
    }

    static UpdateEnd updateEnd(SectionEnd end)
    {
        switch (end) {
        case SectionEnd::NotRun: return UpdateEnd::NoFormat;
        case SectionEnd::EmptyList: return UpdateEnd::EmptyList;
        case SectionEnd::Failed: return UpdateEnd::Failed;
        case SectionEnd::GivenUp: return UpdateEnd::GivenUp;
        case SectionEnd::EndRecord: return UpdateEnd::EndRecord;
        // A rehearsal opens no program, so none fails to start.
        case SectionEnd::Stopped:
        case SectionEnd::Finished: break;
        }
        return UpdateEnd::Finished;
    }

    // The rehearsal's part in the run: lines with a path that leads out of
    // their folder are refused, programs are listed instead of opened, and
    // what each line did is listed.
    class RehearsalOwner : public SectionOwner {
    public:
        explicit RehearsalOwner(UpdateRun& run) : run_(run) {}

        bool starting(std::int32_t ordinal, const CopyListLine& line) override
        {
            return mayRun(ordinal, pathLeaving(line).empty());
        }
        bool starting(std::int32_t ordinal, const CMD_DATA_& record) override
        {
            if (!mayRun(ordinal, pathLeaving(record, run_.copy_.c_str()).empty()))
                return false;
            writesFile_ = run_.writesIntoFile(record);
            return true;
        }
        void ended(std::int32_t ordinal, const CopyListLine&, bool copied) override
        {
            if (!copied)
                run_.addAtLine(RehearsalKind::Failed, run_.commands_[ordinal]);
        }
        void ended(std::int32_t ordinal, const CMD_DATA_& record, CommandResult result) override
        {
            if (record.type == CMD_END)
                return;
            if (result != CommandResult::Done)
                run_.addAtLine(RehearsalKind::Failed, run_.commands_[ordinal]);
            else
                run_.tellDone(record, writesFile_);
        }
        // Counted as started: a rehearsal opens no program.
        CommandResult open(const CMD_DATA_& record, const char*) override
        {
            run_.add(RehearsalKind::Opened, run_.sourceFolder_ + bytesOf(record.param1),
                     bytesOf(record.param2));
            return CommandResult::Done;
        }
        bool goOnWithoutProgram(const CMD_DATA_&) override { return true; }

    private:
        bool mayRun(std::int32_t ordinal, bool staysInside)
        {
            if (!staysInside)
                run_.addAtLine(RehearsalKind::Refused, run_.commands_[ordinal]);
            return staysInside;
        }

        UpdateRun& run_;
        bool writesFile_ = false;
    };

    // Byte patches and range copies write only into files.
    bool writesIntoFile(const CMD_DATA_& record) const
    {
        if (record.type == CMD_PATCH_BYTES)
            return FCFile::isFile(joinedPath(copy_.c_str(), record.param1).text());
        if (record.type == CMD_COPY_RANGE)
            return FCFile::isFile(joinedPath(sourceRoot().c_str(), record.param1).text()) &&
                   FCFile::isFile(joinedPath(copy_.c_str(), record.param2).text());
        return false;
    }

    // What a record did that the folder's tree does not show.
    void tellDone(const CMD_DATA_& record, bool wroteFile)
    {
        switch (record.type) {
        case CMD_RENAME:
            add(RehearsalKind::Renamed, bytesOf(record.param1), bytesOf(record.param2));
            break;
        case CMD_PATCH_BYTES:
            if (wroteFile)
                add(RehearsalKind::Patched, bytesOf(record.param1));
            break;
        case CMD_COPY_RANGE:
            if (wroteFile)
                add(RehearsalKind::Patched, bytesOf(record.param2));
            break;
        case CMD_INI: {
            FCString fields[3];
            splitParameter(record.param2, fields, false, nullptr);
            add(RehearsalKind::Ini, bytesOf(record.param1) + " [" + bytesOf(fields[0]) + "] " +
                                        bytesOf(fields[1]) + " = " + bytesOf(fields[2]));
            break;
        }
        default:
            break;
        }
    }

    std::string copy_;
    PatchFolder patch_;
    RehearsedUpdate& out_;
    RunSettings settings_;
    FCString description_;
    std::vector<CheckedCommand> commands_;
    std::string sourceFolder_;  // the chosen entry's
};

}  // namespace

bool rehearseUpdate(const std::string& patchFolder, const std::string& copy,
                    const RehearsalOptions& options, RehearsedUpdate& out, std::string& error)
{
    // Every update is a run of its own, which starts without a backup folder.
    backupFolder().clear();
    UpdateRun run(patchFolder, copy, out);
    if (!run.readDescription(error))
        return false;
    bool headerRead = run.readHeaderLines();
    if (headerRead && !run.offers(options.patchNumber, error))
        return false;
    if (headerRead && run.passesGate() && run.chooseEntry(options))
        run.runSection();
    run.recordVersion();
    run.finish();
    return true;
}
