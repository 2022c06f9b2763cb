#include "ApplyCommand.h"

#include "ArchiveSettings.h"
#include "CopyFolder.h"
#include "FreeName.h"
#include "ParameterText.h"
#include "UxArchiveIdFile.h"

#include "app/resources/resource.h"
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

bool update(const CMD_DATA_& record, const Roots& roots)
{
    FCString source = roots.fromSource(record.param1);
    FCString destination = roots.inInstall(record.param2);
    // Without a source the file in place stays where it is: moving it to
    // its backup would leave the product without it.
    if (!FCFile::exists(source.text()))
        return false;
    if (!record.param3.empty()) {
        FCString pattern =
            mentionsBackup(record.param3) ? expanded(record.param3) : roots.inInstall(record.param3);
        FCString backup = backupNameFor(pattern);
        // The backup's folder is made even when there is nothing to move
        // yet: later records may rely on it.
        makeBackupFolders(backup);
        // Without its backup the installed file is not overwritten.
        if (!moveToBackup(destination, backup))
            return false;
    }
    return FCFileUty::copy(destination.text(), source.text(), FCFileUty::COPY_OVERWRITE);
}

bool remove(const CMD_DATA_& record, const Roots& roots)
{
    // A delete that names no path would remove the whole product.
    if (record.param1.empty())
        return false;
    FCString path = roots.inInstall(record.param1);
    bool folder = !FCPathName(path).endsWithoutSeparator();
    if (!record.param2.empty()) {
        FCString backup = backupNameFor(expanded(record.param2));
        if (folder) {
            copyFolder(path.text(), backup.text(),
                       kCopyFolderRecurse | kCopyFolderCreate | FCFileUty::COPY_OVERWRITE);
            // A folder whose backup could not even be made stays.
            if (FCFile::exists(path.text()) && !FCFile::exists(backup.text()))
                return false;
        } else if (!moveToBackup(path, backup)) {
            // A file that could not be moved to its backup stays.
            return false;
        }
    }
    if (!FCFile::exists(path.text()))
        return true;
    return FCFileUty::remove(path.text(), 1);
}

bool makeFolder(const CMD_DATA_& record, const Roots& roots)
{
    FCFile::createFolders(roots.inInstall(record.param1).text());
    return true;
}

bool makeBackupFolder(const CMD_DATA_& record, const Roots& roots)
{
    backupFolder() = backupNameFor(roots.inInstall(record.param1));
    FCFile::createFolders(backupFolder().text());
    return true;
}

// Writes the key of fields (section, key, value) into the INI file at path.
void writeKey(const char* path, const FCString (&fields)[3])
{
    IniFile ini;
    ini.bind(path, false);
    ini.writeText(fields[1].text(), fields[2].text(), fields[0].text());
}

// Writes the key through a copy of the file in the current folder, which
// then replaces the file.  The file is never removed before its edited
// copy is in place: when the copy cannot go back, the file stays as it was.
void writeThroughCopy(const FCString& file, const FCString (&fields)[3])
{
    // A read-only file's copy is read-only too; the copy must take the key.
    FCFileUty::clearAttributes(kTemporaryIni, FILE_ATTRIBUTE_READONLY);
    writeKey(kTemporaryIni, fields);
    if (CopyFileA(kTemporaryIni, file.text(), FALSE) == FALSE &&
        FCFileUty::clearAttributes(file.text(), FILE_ATTRIBUTE_READONLY))
        CopyFileA(kTemporaryIni, file.text(), FALSE);
    FCFileUty::remove(kTemporaryIni, 1);
}

bool writeIni(const CMD_DATA_& record, const Roots& roots)
{
    FCString file = roots.inInstall(record.param1);
    FCString fields[3];
    splitParameter(record.param2, fields, false, nullptr);
    if (UxOsVersion().isAtLeast(-1, 0x600) && CopyFileA(file.text(), kTemporaryIni, FALSE) != FALSE)
        writeThroughCopy(file, fields);
    else
        writeKey(file.text(), fields);
    return true;
}

bool copyWithin(const CMD_DATA_& record, const Roots& roots)
{
    FCString source = roots.inInstall(record.param1);
    FCString destination =
        mentionsBackup(record.param2) ? expanded(record.param2) : roots.inInstall(record.param2);
    return CopyFileA(source.text(), destination.text(), FALSE) != FALSE;
}

bool runProgram(const CMD_DATA_& record, const Roots& roots)
{
    FCString program = roots.fromSource(record.param1);
    HINSTANCE result =
        ShellExecuteA(nullptr, "open", program.text(), record.param2.text(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool rename(const CMD_DATA_& record, const Roots& roots)
{
    return FCFileUty::move(roots.inInstall(record.param1).text(), roots.inInstall(record.param2).text(),
                           true);
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

bool patchBytes(const CMD_DATA_& record, const Roots& roots)
{
    FCString path = roots.inInstall(record.param1);
    // Bytes are written only into files: a folder (an empty file parameter
    // names the install folder itself) is passed over rather than prompted for.
    if (!FCFile::isFile(path.text()))
        return true;
    FCFile file;
    file.openForWrite(path.text());
    FCString fields[2];
    splitParameter(record.param2, fields, true, "\t ");
    std::int32_t offset = fields[0].toInt();
    std::int32_t count = fields[1].toInt();
    if (count <= 0)
        return true;
    HeapBlock buffer(static_cast<std::size_t>(count));
    if (buffer.data() == nullptr)
        return true;
    auto* bytes = reinterpret_cast<unsigned char*>(buffer.data());
    fillPatchBytes(record.param3, bytes, count);
    if (seek(file, offset))
        file.write(bytes, static_cast<std::uint32_t>(count));
    return true;
}

bool copyRange(const CMD_DATA_& record, const Roots& roots)
{
    FCString sourcePath = roots.fromSource(record.param1);
    FCString destinationPath = roots.inInstall(record.param2);
    if (!FCFile::isFile(sourcePath.text()) || !FCFile::isFile(destinationPath.text()))
        return true;
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
            return true;
        length = size - static_cast<DWORD>(sourceOffset);
    }
    if (seek(destination, destinationOffset) && seek(source, sourceOffset))
        source.copyTo(destination, length, FCFile::kCopyChunkSize);
    return true;
}

// The builder's result is its own: the command always succeeds.
bool buildArchive(const CMD_DATA_& record, const Roots& roots, HWND owner)
{
    ArchiveSettings settings;
    FCString indexPath;
    readArchiveCommand(record, roots.install.text(), settings, indexPath);
    UxArchiveIdFile archive;
    archive.setProgress(owner, IDD_PROGRESS, IDC_DETAIL, IDC_PROGRESS);
    if (archive.load(indexPath.text()))
        archive.build(settings);
    return true;
}

bool endHolds(const CMD_DATA_& record, const Roots& roots)
{
    bool exists = FCFile::exists(roots.inInstall(record.param2).text());
    switch (record.param1.toInt()) {
    case 0:
        return !exists;
    case 1:
        return exists;
    default:
        return false;
    }
}

}  // namespace

FCString& backupFolder()
{
    static FCString folder;
    return folder;
}

bool applyCommand(const CMD_DATA_& record, const char* sourceRoot, const char* installFolder,
                  HWND owner)
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
        return runProgram(record, roots);
    case CMD_RENAME:
        return rename(record, roots);
    case CMD_PATCH_BYTES:
        return patchBytes(record, roots);
    case CMD_COPY_RANGE:
        return copyRange(record, roots);
    case CMD_BUILD_ARCHIVE:
        return buildArchive(record, roots, owner);
    case CMD_END:
        return endHolds(record, roots);
    default:
        return true;
    }
}
