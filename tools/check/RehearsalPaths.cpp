#include "RehearsalPaths.h"

#include "DescriptionCheck.h"

#include "engine/ArchiveSettings.h"

#include <initializer_list>

namespace {

std::string firstLeaving(std::initializer_list<const FCString*> paths)
{
    for (const FCString* path : paths) {
        if (leavesFolder(*path))
            return std::string(path->text(), static_cast<std::size_t>(path->length()));
    }
    return {};
}

// The archive command's input folder (as written: from the working folder)
// and its index file (below the install folder).
std::string archivePathLeaving(const CMD_DATA_& record, const char* installFolder)
{
    ArchiveSettings settings;
    FCString indexPath;
    readArchiveCommand(record, installFolder, settings, indexPath);
    FCString indexFile(indexPath.text() + std::char_traits<char>::length(installFolder));
    return firstLeaving({&settings.inputFolder, &indexFile});
}

}  // namespace

std::string pathLeaving(const CMD_DATA_& record, const char* installFolder)
{
    switch (record.type) {
    case CMD_UPDATE:
        return firstLeaving({&record.param1, &record.param2, &record.param3});
    case CMD_DELETE:
    case CMD_COPY:
    case CMD_RENAME:
    case CMD_COPY_RANGE:
        return firstLeaving({&record.param1, &record.param2});
    case CMD_MKDIR:
    case CMD_BACKUP_FOLDER:
    case CMD_INI:
    case CMD_PATCH_BYTES:
        return firstLeaving({&record.param1});
    case CMD_BUILD_ARCHIVE:
        return archivePathLeaving(record, installFolder);
    default:
        return {};
    }
}

std::string pathLeaving(const CopyListLine& line)
{
    return firstLeaving({&line.source, &line.destination, &line.backupPattern});
}
