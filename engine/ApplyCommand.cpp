#include "ApplyCommand.h"

#include "ArchiveSettings.h"
#include "CopyFolder.h"
#include "FreeName.h"
#include "ParameterText.h"
#include "UxArchiveIdFile.h"

#include "foundation/files/IniFile.h"
#include "foundation/files/FCFile.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/files/HeapBlock.h"
#include "foundation/system/FCPathName.h"
#include "foundation/system/UxOsVersion.h"
#include "foundation/text/MbText.h"

#include <shellapi.h>

namespace {

const char kBackupMark[] = "%backup%";
const char kTemporaryIni[] = "temp$$$.ini";

// The two roots of one record, each taken through the path class once.
struct Roots {
    Roots(const char* sourceRoot, const char* installFolder)
        : source(sourceRoot), install(installFolder)
    {
    }
    FCString fromSource(const FCString& relative) const { return joinedPath(source.text(), relative); }
    FCString inInstall(const FCString& relative) const { return joinedPath(install.text(), relative); }

    FCPathName source;
    FCPathName install;
};

bool mentionsBackup(const FCString& text)
{
    return mb::findSub(text.text(), kBackupMark) != nullptr;
}

// "%backup%" replaced by the backup folder; unchanged before the first
// backup folder was made.
FCString expanded(const FCString& text)
{
    FCString result(text);
    if (!backupFolder().empty())
        result.replace(kBackupMark, backupFolder().text());
    return result;
}

bool seek(FCFile& file, std::int32_t offset)
{
    // A negative offset fails rather than writing at the start of the file.
    return SetFilePointer(file.handle(), offset, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

CommandResult doneOrFailed(bool done)
{
    return done ? CommandResult::Done : CommandResult::WriteFailed;
}

CommandResult update(const CMD_DATA_& record, const Roots& roots)
{
    FCString source = roots.fromSource(record.param1);
    FCString destination = roots.inInstall(record.param2);
    // Without a source the file in place stays where it is: moving it to
    // its backup would leave the product without it.
    if (!FCFile::exists(source.text()))
        return CommandResult::NotDone;
    if (!record.param3.empty()) {
        FCString pattern =
            mentionsBackup(record.param3) ? expanded(record.param3) : roots.inInstall(record.param3);
        FCString backup = backupNameFor(pattern);
        // The backup's folder is made even when there is nothing to move
        // yet: later records may rely on it.
        makeBackupFolders(backup);
        // Without its backup the installed file is not overwritten.
        if (!moveToBackup(destination, backup))
            return CommandResult::WriteFailed;
    }
    return doneOrFailed(FCFileUty::copy(destination.text(), source.text(), FCFileUty::COPY_OVERWRITE));
}

CommandResult remove(const CMD_DATA_& record, const Roots& roots)
{
    // A delete that names no path would remove the whole product.
    if (record.param1.empty())
        return CommandResult::NotDone;
    FCString path = roots.inInstall(record.param1);
    bool folder = !FCPathName(path).endsWithoutSeparator();
    if (!record.param2.empty()) {
        FCString backup = backupNameFor(expanded(record.param2));
        // A folder is removed only when its backup holds every one of its
        // files; a file only when it was moved to its backup.
        bool backedUp = folder ? copyFolder(path.text(), backup.text(),
                                            kCopyFolderRecurse | kCopyFolderCreate |
                                                FCFileUty::COPY_OVERWRITE)
                               : moveToBackup(path, backup);
        if (!backedUp && FCFile::exists(path.text()))
            return CommandResult::WriteFailed;
    }
    if (!FCFile::exists(path.text()))
        return CommandResult::Done;
    return doneOrFailed(FCFileUty::remove(path.text(), 1));
}

CommandResult makeFolder(const CMD_DATA_& record, const Roots& roots)
{
    FCFile::createFolders(roots.inInstall(record.param1).text());
    return CommandResult::Done;
}

CommandResult makeBackupFolder(const CMD_DATA_& record, const Roots& roots)
{
    backupFolder() = backupNameFor(roots.inInstall(record.param1));
    FCFile::createFolders(backupFolder().text());
    return CommandResult::Done;
}

// Writes the key of fields (section, key, value) into the INI file at path;
// false when the system could not write it.
bool writeKey(const char* path, const FCString (&fields)[3])
{
    IniFile ini;
    ini.bind(path, false);
    return ini.writeText(fields[1].text(), fields[2].text(), fields[0].text());
}

// Writes the key through a copy of the file in the current folder, which
// then takes the file's place whole (asking, as a replaced file does, when
// the file is in use).  The file is never removed before its edited copy is
// in place: when the copy cannot go back, the file stays as it was and the
// key counts as not written.
bool writeThroughCopy(const FCString& file, const FCString (&fields)[3])
{
    // A read-only file's copy is read-only too; the copy must take the key.
    FCFileUty::clearAttributes(kTemporaryIni, FILE_ATTRIBUTE_READONLY);
    bool written = writeKey(kTemporaryIni, fields) &&
                   FCFileUty::copy(file.text(), kTemporaryIni, FCFileUty::COPY_OVERWRITE);
    FCFileUty::remove(kTemporaryIni, 1);
    return written;
}

CommandResult writeIni(const CMD_DATA_& record, const Roots& roots)
{
    FCString file = roots.inInstall(record.param1);
    FCString fields[3];
    splitParameter(record.param2, fields, false, nullptr);
    bool written =
        UxOsVersion().isAtLeast(-1, 0x600) && CopyFileA(file.text(), kTemporaryIni, FALSE) != FALSE
            ? writeThroughCopy(file, fields)
            : writeKey(file.text(), fields);
    return written ? CommandResult::Done : CommandResult::WriteFailed;
}

CommandResult copyWithin(const CMD_DATA_& record, const Roots& roots)
{
    FCString source = roots.inInstall(record.param1);
    FCString destination =
        mentionsBackup(record.param2) ? expanded(record.param2) : roots.inInstall(record.param2);
    if (!FCFile::exists(source.text()))
        return CommandResult::NotDone;
    return doneOrFailed(FCFileUty::copyWhole(destination.text(), source.text()));
}

CommandResult rename(const CMD_DATA_& record, const Roots& roots)
{
    FCString from = roots.inInstall(record.param1);
    if (FCFileUty::move(from.text(), roots.inInstall(record.param2).text(), true))
        return CommandResult::Done;
    return FCFile::exists(from.text()) ? CommandResult::WriteFailed : CommandResult::NotDone;
}

// The bytes of a byte patch: bare hexadecimal tokens separated by blanks,
// the missing ones 0.
void fillPatchBytes(const FCString& tokens, unsigned char* bytes, std::int32_t count)
{
    FCString rest(tokens);
    rest.rewind();
    FCString token;
    for (std::int32_t i = 0; i < count; ++i) {
        bytes[i] = 0;
        if (rest.nextField(token, " ", false) == 0)
            continue;
        token.prepend("0x");
        bytes[i] = static_cast<unsigned char>(token.toInt() & 0xFF);
    }
}

CommandResult patchBytes(const CMD_DATA_& record, const Roots& roots)
{
    FCString path = roots.inInstall(record.param1);
    // Bytes are written only into files: a folder (an empty file parameter
    // names the install folder itself) is passed over rather than prompted for.
    if (!FCFile::isFile(path.text()))
        return CommandResult::Done;
    FCFile file;
    file.openForWrite(path.text());
    FCString fields[2];
    splitParameter(record.param2, fields, true, "\t ");
    std::int32_t offset = fields[0].toInt();
    std::int32_t count = fields[1].toInt();
    if (count <= 0)
        return CommandResult::Done;
    HeapBlock buffer(static_cast<std::size_t>(count));
    if (buffer.data() == nullptr)
        return CommandResult::Done;
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.data());
    fillPatchBytes(record.param3, bytes, count);
    if (seek(file, offset))
        file.write(bytes, static_cast<std::uint32_t>(count));
    return CommandResult::Done;
}

CommandResult copyRange(const CMD_DATA_& record, const Roots& roots)
{
    FCString sourcePath = roots.fromSource(record.param1);
    FCString destinationPath = roots.inInstall(record.param2);
    if (!FCFile::isFile(sourcePath.text()) || !FCFile::isFile(destinationPath.text()))
        return CommandResult::Done;
    FCString fields[3];
    splitParameter(record.param3, fields, true, " \t");
    std::int32_t sourceOffset = fields[0].toInt();
    std::int32_t destinationOffset = fields[1].toInt();
    std::uint32_t length = fields[2].toUnsigned();

    FCFile source;
    FCFile destination;
    source.openForRead(sourcePath.text());
    destination.openForWrite(destinationPath.text());
    if (length == 0) {
        DWORD size = GetFileSize(source.handle(), nullptr);
        // A negative offset, taken unsigned, lies past the end of the file.
        if (size <= static_cast<DWORD>(sourceOffset))
            return CommandResult::Done;
        length = size - static_cast<DWORD>(sourceOffset);
    }
    if (seek(destination, destinationOffset) && seek(source, sourceOffset))
        source.copyTo(destination, length, FCFile::kCopyChunkSize);
    return CommandResult::Done;
}

// An archive that could not be written (or whose building the user
// cancelled) keeps its old groups, and the record has failed.  Otherwise the
// builder's result is its own: an index that is not there or settings that
// build nothing leave the command successful.
CommandResult buildArchive(const CMD_DATA_& record, const Roots& roots,
                           const ProgressWindow& progress)
{
    ArchiveSettings settings;
    FCString indexPath;
    readArchiveCommand(record, roots.install.text(), settings, indexPath);
    UxArchiveIdFile archive;
    archive.setProgress(progress.owner, progress.templateId, progress.textId, progress.barId);
    if (!archive.load(indexPath.text()))
        return CommandResult::Done;
    switch (archive.build(settings)) {
    case UxArchiveIdFile::kNoMemory:
    case UxArchiveIdFile::kCancelled:
    case UxArchiveIdFile::kNotWritten:
        return CommandResult::WriteFailed;
    default:
        return CommandResult::Done;
    }
}

CommandResult endHolds(const CMD_DATA_& record, const Roots& roots)
{
    bool exists = FCFile::exists(roots.inInstall(record.param2).text());
    std::int32_t condition = record.param1.toInt();
    bool holds = (condition == 0 && !exists) || (condition == 1 && exists);
    return holds ? CommandResult::Done : CommandResult::NotDone;
}

}  // namespace

FCString& backupFolder()
{
    static FCString folder;
    return folder;
}

bool applyCommand(const CMD_DATA_& record, const char* sourceRoot, const char* installFolder,
                  const ProgressWindow& progress)
{
    return carryOutCommand(record, sourceRoot, installFolder, progress) == CommandResult::Done;
}

CommandResult openProgram(const CMD_DATA_& record, const char* sourceRoot)
{
    FCString program = joinedPath(FCPathName(sourceRoot).text(), record.param1);
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", program.text(), record.param2.text(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32 ? CommandResult::Done : CommandResult::NotDone;
}

CommandResult carryOutCommand(const CMD_DATA_& record, const char* sourceRoot,
                              const char* installFolder, const ProgressWindow& progress)
{
    Roots roots(sourceRoot, installFolder);
    switch (record.type) {
    case CMD_UPDATE:
        return update(record, roots);
    case CMD_DELETE:
        return remove(record, roots);
    case CMD_MKDIR:
        return makeFolder(record, roots);
    case CMD_BACKUP_FOLDER:
        return makeBackupFolder(record, roots);
    case CMD_INI:
        return writeIni(record, roots);
    case CMD_COPY:
        return copyWithin(record, roots);
    case CMD_RUN:
        return openProgram(record, sourceRoot);
    case CMD_RENAME:
        return rename(record, roots);
    case CMD_PATCH_BYTES:
        return patchBytes(record, roots);
    case CMD_COPY_RANGE:
        return copyRange(record, roots);
    case CMD_BUILD_ARCHIVE:
        return buildArchive(record, roots, progress);
    case CMD_END:
        return endHolds(record, roots);
    default:
        return CommandResult::Done;
    }
}
