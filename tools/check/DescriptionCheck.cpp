#include "DescriptionCheck.h"

#include "Bytes.h"
#include "CheckTexts.h"

#include "app/HeaderReader.h"
#include "app/HeaderSyntax.h"
#include "app/VersionSource.h"
#include "engine/CommandParser.h"
#include "engine/CommandRecord.h"
#include "foundation/text/MbText.h"

#include <algorithm>
#include <set>

namespace {

// The number of the line that a read has just passed: the cursor stands at
// the start of the next line, or at the end of the text.
class LineNumbers {
public:
    explicit LineNumbers(const FCString& text) : start_(text.text())
    {
        for (std::int32_t i = 0; i < text.length(); ++i) {
            if (start_[i] == '\n')
                newlines_.push_back(i);
        }
    }
    int lineBefore(const char* cursor) const
    {
        std::ptrdiff_t end = cursor - start_;
        if (end > 0 && start_[end - 1] == '\n')
            --end;
        return 1 + static_cast<int>(std::lower_bound(newlines_.begin(), newlines_.end(), end) -
                                    newlines_.begin());
    }
    int lineAt(std::ptrdiff_t offset) const
    {
        return 1 + static_cast<int>(std::lower_bound(newlines_.begin(), newlines_.end(), offset) -
                                    newlines_.begin());
    }

private:
    const char* start_;
    std::vector<std::ptrdiff_t> newlines_;
};

bool isDecimalNumber(const std::string& text)
{
    std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    return i < text.size() && text.find_first_not_of("0123456789", i) == std::string::npos;
}

// A number as the unsigned conversion reads it whole: decimal, or "0x" and
// hexadecimal digits.
bool isWholeNumber(const std::string& text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos;
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool mentions(const FCString& text, const char* what)
{
    return mb::findSub(text.text(), what) != nullptr;
}

}  // namespace

bool leavesFolder(const FCString& path)
{
    const char* p = path.text();
    if (mb::codeAt(p) == '\\' || mb::codeAt(p) == '/')
        return true;
    if (*p != '\0' && mb::codeAt(mb::next(p)) == ':')
        return true;
    FCString scan(path);
    scan.rewind();
    FCString part;
    while (scan.cutToken(part, "\\/") != nullptr) {
        if (part.equals(".."))
            return true;
    }
    return false;
}

namespace {

// The header, line by line, as the program's header reader hands it out.
class HeaderWatcher : public HeaderLineHandler {
public:
    HeaderWatcher(const FCString& description, const LineNumbers& numbers,
                  DescriptionReport& report)
        : description_(description), numbers_(numbers), report_(report)
    {
    }

    void lineRead(HeaderKey key, const FCString& line) override
    {
        line_ = numbers_.lineBefore(description_.rest());
        switch (key) {
        case HeaderKey::Other:
            otherLine(line);
            break;
        case HeaderKey::Patch:
            patchLine(line);
            break;
        case HeaderKey::NewVersion:
            versionLine_ = line_;
            break;
        case HeaderKey::CommandMode:
            commandModeLine_ = line_;
            break;
        default:
            break;
        }
    }
    int installLine(RunSettings& settings, FCString& value) override
    {
        InstallLine& install = report_.install;
        install.line = line_;
        install.fields.clear();
        FCString field;
        bool emptyFieldBehind = false;
        if (header::cutField(value, field, emptyFieldBehind)) {
            install.type = field.toInt();
            // As the program reads it: 'I=4;;folder' has no check name.
            if (install.type == 4 && emptyFieldBehind)
                install.fields.emplace_back();
        }
        while (header::cutField(value, field))
            install.fields.push_back(bytesOf(field));
        settings.installFolder = checktexts::kInstallFolder;
        return 0;
    }
    void versionSourceLine(RunSettings& settings, FCString& value) override
    {
        parseVersionSource(settings, value);
        versionSourceLine_ = line_;
        bool namesFile = settings.versionSource == 1 || settings.versionSource == 4;
        if (namesFile && report_.install.line == 0)
            warn(line_, CheckCode::VersionBeforeInstall, bytesOf(settings.versionFile));
    }

    // What can only be judged once the header has been read.
    void headerEnded()
    {
        const RunSettings& settings = report_.settings;
        if (settings.newVersionGiven && !isDecimalNumber(bytesOf(settings.newVersion)))
            warn(versionLine_, CheckCode::VersionNotNumber, bytesOf(settings.newVersion));
        if (!settings.newVersionGiven && settings.versionSource != 0)
            warn(versionSourceLine_, CheckCode::EmptyVersionRecorded, "");
        if (settings.commandMode < 100)
            warn(commandModeLine_, CheckCode::NoCommandsRun, "");
        if (settings.patchEntries.size() >= 2) {
            for (const auto& [number, line] : patchLines_) {
                if (number < 0 || number >= kOfferedPatches)
                    warn(line, CheckCode::PatchNotOffered, std::to_string(number));
            }
        }
    }

    void warn(int line, CheckCode code, std::string detail)
    {
        report_.warnings.push_back({line, code, std::move(detail)});
    }

private:
    void otherLine(const FCString& line)
    {
        unsigned first = mb::codeAt(line.text());
        if (first == ';')
            return;
        bool lower = first >= 'a' && first <= 'z';
        warn(line_, lower ? CheckCode::LowercaseKey : CheckCode::UnknownKey, bytesOf(line));
    }
    // The number and the signature of an M line, cut with the header's own
    // field syntax.
    void patchLine(const FCString& text)
    {
        FCString line(text);
        header::moveToValue(line);
        FCString number, mode, checkFile, signature;
        if (!header::cutField(line, number))
            return;
        std::int32_t value = number.toInt();
        if (!seenNumbers_.insert(value).second)
            warn(line_, CheckCode::RepeatedPatchNumber, std::to_string(value));
        else
            patchLines_.emplace_back(value, line_);
        if (header::cutField(line, mode) && mode.toInt() == 0 &&
            header::cutField(line, checkFile) && header::cutField(line, signature))
            checkSignature(signature);
    }
    void checkSignature(const FCString& signature)
    {
        FCString scan(signature);
        scan.rewind();
        FCString numbers[5];
        int count = scan.splitFields(numbers, 5, " ", false, false, " ");
        bool four = count == 4;
        for (int i = 0; four && i < 4; ++i)
            four = isWholeNumber(bytesOf(numbers[i]));
        if (!four)
            warn(line_, CheckCode::SignatureNotFourNumbers, bytesOf(signature));
    }

    const FCString& description_;
    const LineNumbers& numbers_;
    DescriptionReport& report_;
    int line_ = 0;
    int versionLine_ = 0;
    int versionSourceLine_ = 0;
    int commandModeLine_ = 0;
    std::set<std::int32_t> seenNumbers_;
    std::vector<std::pair<std::int32_t, int>> patchLines_;
};

// The source roots a command section is carried out from: the patch folder,
// or each offered patch's source folder below it.
std::vector<std::string> sourceRoots(const RunSettings& settings)
{
    if (settings.patchEntries.size() < 2)
        return {""};
    std::vector<std::string> roots;
    for (std::int32_t number = 0; number < kOfferedPatches; ++number) {
        if (const PatchEntry* entry = settings.patchEntries.find(number))
            roots.push_back(bytesOf(entry->sourceFolder));
    }
    return roots;
}

// The checks of the command section's lines.
class CommandChecker {
public:
    CommandChecker(DescriptionReport& report, const PatchFolderHas& has)
        : report_(report), has_(has), roots_(sourceRoots(report.settings))
    {
    }

    void copyLine(int line, const CopyListLine& copy)
    {
        line_ = line;
        needSource(copy.source);
        staysInside(copy.source);
        staysInside(copy.destination);
        if (!copy.backupPattern.empty()) {
            staysInside(copy.backupPattern);
            if (!mentions(copy.backupPattern, "%1"))
                warn(CheckCode::BackupWithoutNumber, copy.backupPattern);
        }
    }

    void record(int line, const CMD_DATA_& record)
    {
        line_ = line;
        switch (record.type) {
        case CMD_UPDATE:
            needSource(record.param1);
            staysInside(record.param1);
            staysInside(record.param2);
            backupName(record.param3, true);
            break;
        case CMD_DELETE:
            staysInside(record.param1);
            backupName(record.param2, false);
            break;
        case CMD_BACKUP_FOLDER:
            // Written like a copy, it still makes a folder: its first
            // parameter begins with "b".
            if (!record.param2.empty())
                warn(CheckCode::CopyLineIsBackupFolder, record.param1);
            staysInside(record.param1);
            if (!mentions(record.param1, "%1"))
                warn(CheckCode::BackupWithoutNumber, record.param1);
            backupFolderMade_ = true;
            break;
        case CMD_COPY:
            staysInside(record.param1);
            backupName(record.param2, true);
            break;
        case CMD_RUN:
        case CMD_COPY_RANGE:
            needSource(record.param1);
            staysInside(record.param1);
            staysInside(record.param2);
            break;
        case CMD_MKDIR:
        case CMD_INI:
        case CMD_PATCH_BYTES:
            staysInside(record.param1);
            break;
        case CMD_RENAME:
            staysInside(record.param1);
            staysInside(record.param2);
            break;
        default:
            break;
        }
    }

private:
    void warn(CheckCode code, const FCString& detail) { warn(code, bytesOf(detail)); }
    void warn(CheckCode code, std::string detail)
    {
        report_.warnings.push_back({line_, code, std::move(detail)});
    }
    void needSource(const FCString& path)
    {
        if (path.empty())
            return;
        for (const std::string& root : roots_) {
            std::string relative = root + bytesOf(path);
            if (!has_(relative))
                warn(CheckCode::MissingSource, relative);
        }
    }
    void staysInside(const FCString& path)
    {
        if (!path.empty() && leavesFolder(path))
            warn(CheckCode::PathLeavesFolder, path);
    }
    // A backup name: "%backup%" needs a backup folder made before it; a
    // name joined to the install folder needs "%1" to keep every backup.
    void backupName(const FCString& name, bool joinedToInstall)
    {
        if (name.empty())
            return;
        if (mentions(name, "%backup%")) {
            if (!backupFolderMade_)
                warn(CheckCode::BackupBeforeFolder, name);
            return;
        }
        if (!joinedToInstall) {
            // Taken as written: relative to the working folder.
            warn(CheckCode::PathLeavesFolder, name);
            return;
        }
        staysInside(name);
        if (!mentions(name, "%1"))
            warn(CheckCode::BackupWithoutNumber, name);
    }

    DescriptionReport& report_;
    const PatchFolderHas& has_;
    std::vector<std::string> roots_;
    int line_ = 0;
    bool backupFolderMade_ = false;
};

void readCommandSection(FCString& description, const LineNumbers& numbers,
                        DescriptionReport& report, const PatchFolderHas& has)
{
    CommandFormat format = commandFormatOf(report.settings.commandMode);
    if (format == CommandFormat::None)
        return;
    CommandSectionReader section(description);
    CommandChecker checker(report, has);
    FCString line;
    int records = 0;
    while (section.nextLine(line)) {
        CheckedCommand command{numbers.lineBefore(description.rest()), kSkippedLine, {}, bytesOf(line)};
        if (format == CommandFormat::CopyList) {
            CopyListLine copy;
            parseCopyListLine(line, copy);
            command.kind = kCopyListLine;
            command.params[0] = bytesOf(copy.source);
            command.params[1] = bytesOf(copy.destination);
            command.params[2] = bytesOf(copy.backupPattern);
            checker.copyLine(command.line, copy);
        } else {
            CMD_DATA_ record;
            if (parseCommandLine(line, record)) {
                command.kind = record.type;
                command.params[0] = bytesOf(record.param1);
                command.params[1] = bytesOf(record.param2);
                command.params[2] = bytesOf(record.param3);
                checker.record(command.line, record);
                ++records;
            } else {
                report.warnings.push_back({command.line, CheckCode::SkippedCommand, command.text});
            }
        }
        report.commands.push_back(std::move(command));
    }
    if (format == CommandFormat::CommandList && records == 0)
        report.warnings.push_back({0, CheckCode::EmptyCommandList, ""});
}

// Lines with bytes that are not Shift_JIS: a lead byte without a second
// byte that can follow it, or a byte that starts no character.
void checkShiftJis(const FCString& description, const LineNumbers& numbers,
                   DescriptionReport& report)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(description.text());
    std::int32_t length = description.length();
    int lastLine = 0;
    for (std::int32_t i = 0; i < length; ++i) {
        unsigned char byte = bytes[i];
        bool valid;
        if (mb::isLead(byte)) {
            valid = i + 1 < length && mb::isTrail(bytes[i + 1]);
            if (valid)
                ++i;
        } else {
            valid = byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF);
        }
        int line = numbers.lineAt(i);
        if (!valid && line != lastLine) {
            report.warnings.push_back({line, CheckCode::NotShiftJis, ""});
            lastLine = line;
        }
    }
}

}  // namespace

DescriptionReport checkDescription(const FCString& text, const PatchFolderHas& has)
{
    DescriptionReport report;
    FCString description(text);
    description.rewind();
    LineNumbers numbers(description);
    HeaderWatcher watcher(description, numbers, report);
    HeaderResult header = readHeader(description, report.settings, watcher);
    report.headerComplete = header.end == HeaderEnd::DLine;
    watcher.headerEnded();
    if (report.headerComplete)
        readCommandSection(description, numbers, report, has);
    else
        report.warnings.push_back({0, CheckCode::NoDLine, ""});
    checkShiftJis(description, numbers, report);
    std::stable_sort(report.warnings.begin(), report.warnings.end(),
                     [](const CheckWarning& a, const CheckWarning& b) { return a.line < b.line; });
    return report;
}

const char* checkCodeName(CheckCode code)
{
    switch (code) {
    case CheckCode::UnknownKey: return "unknown-key";
    case CheckCode::LowercaseKey: return "lowercase-key";
    case CheckCode::SkippedCommand: return "skipped-command";
    case CheckCode::NoDLine: return "no-d-line";
    case CheckCode::VersionBeforeInstall: return "version-before-install";
    case CheckCode::RepeatedPatchNumber: return "repeated-patch-number";
    case CheckCode::PatchNotOffered: return "patch-not-offered";
    case CheckCode::VersionNotNumber: return "version-not-number";
    case CheckCode::EmptyVersionRecorded: return "empty-version-recorded";
    case CheckCode::NoCommandsRun: return "no-commands-run";
    case CheckCode::EmptyCommandList: return "empty-command-list";
    case CheckCode::MissingSource: return "missing-source";
    case CheckCode::BackupBeforeFolder: return "backup-before-folder";
    case CheckCode::BackupWithoutNumber: return "backup-without-number";
    case CheckCode::CopyLineIsBackupFolder: return "copy-line-is-backup-folder";
    case CheckCode::PathLeavesFolder: return "path-leaves-folder";
    case CheckCode::SignatureNotFourNumbers: return "signature-not-four-numbers";
    case CheckCode::NotShiftJis: return "not-shift-jis";
    }
    return "";
}

const char* commandKindName(int kind)
{
    switch (kind) {
    case CMD_UPDATE: return "update";
    case CMD_DELETE: return "delete";
    case CMD_MKDIR: return "mkdir";
    case CMD_BACKUP_FOLDER: return "backup-folder";
    case CMD_INI: return "ini";
    case CMD_COPY: return "copy";
    case CMD_RUN: return "run";
    case CMD_RENAME: return "rename";
    case CMD_PATCH_BYTES: return "patch-bytes";
    case CMD_COPY_RANGE: return "copy-range";
    case CMD_BUILD_ARCHIVE: return "archive";
    case CMD_END: return "end";
    case kCopyListLine: return "copy-list";
    default: return "skipped";
    }
}
