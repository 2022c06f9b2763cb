#include "Rehearsal.h"

#include "RehearsalRun.h"
#include "RehearsalTree.h"

#include "foundation/files/FCFile.h"

#include <windows.h>

#include <tuple>

namespace {

// A folder as an absolute path with a final "\\": the current folder
// changes while the rehearsal runs.
std::string absoluteFolder(const std::string& folder)
{
    char buffer[MAX_PATH];
    DWORD length = GetFullPathNameA(folder.c_str(), MAX_PATH, buffer, nullptr);
    std::string path = length > 0 && length < MAX_PATH ? std::string(buffer, length) : folder;
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

// The rehearsal's two temporary folders, below one of their own in the
// temporary folder, and removed with it.
class RehearsalFolders {
public:
    RehearsalFolders() = default;
    RehearsalFolders(const RehearsalFolders&) = delete;
    RehearsalFolders& operator=(const RehearsalFolders&) = delete;
    ~RehearsalFolders()
    {
        if (!root_.empty())
            removeTree(root_);
    }

    bool make(std::string& error)
    {
        char temporary[MAX_PATH];
        DWORD length = GetTempPathA(MAX_PATH, temporary);
        if (length == 0 || length >= MAX_PATH) {
            error = "no temporary folder";
            return false;
        }
        std::string base = std::string(temporary) + "brantlewick-rehearsal-" +
                           std::to_string(GetCurrentProcessId()) + "-";
        for (int n = 0; root_.empty(); ++n) {
            std::string root = base + std::to_string(n) + "\\";
            if (CreateDirectoryA(root.c_str(), nullptr))
                root_ = root;
            else if (GetLastError() != ERROR_ALREADY_EXISTS)
                break;
        }
        if (root_.empty() || !CreateDirectoryA(copy().c_str(), nullptr) ||
            !CreateDirectoryA(work().c_str(), nullptr)) {
            error = "cannot make a folder in " + std::string(temporary);
            return false;
        }
        return true;
    }

    std::string copy() const { return root_ + "install\\"; }
    std::string work() const { return root_ + "work\\"; }

private:
    std::string root_;
};

// The working folder is the current folder while the updates run.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder)
    {
        char previous[MAX_PATH];
        DWORD length = GetCurrentDirectoryA(MAX_PATH, previous);
        if (length > 0 && length < MAX_PATH)
            previous_ = previous;
        SetCurrentDirectoryA(folder.c_str());
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder()
    {
        if (!previous_.empty())
            SetCurrentDirectoryA(previous_.c_str());
    }

private:
    std::string previous_;
};

bool runUpdates(const std::vector<std::string>& patchFolders, const RehearsalFolders& folders,
                const RehearsalOptions& options, Rehearsal& out, std::string& error)
{
    CurrentFolder current(folders.work());
    for (const std::string& patchFolder : patchFolders) {
        out.updates.emplace_back();
        if (!rehearseUpdate(patchFolder, folders.copy(), options, out.updates.back(), error))
            return false;
    }
    return true;
}

}  // namespace

const char* rehearsalKindName(RehearsalKind kind)
{
    switch (kind) {
    case RehearsalKind::Created: return "created";
    case RehearsalKind::Replaced: return "replaced";
    case RehearsalKind::Removed: return "removed";
    case RehearsalKind::Renamed: return "renamed";
    case RehearsalKind::Patched: return "patched";
    case RehearsalKind::Ini: return "ini";
    case RehearsalKind::Opened: return "opened";
    case RehearsalKind::Refused: return "refused";
    case RehearsalKind::Failed: return "failed";
    case RehearsalKind::Version: return "version";
    case RehearsalKind::Working: return "working";
    }
    return "";
}

bool RehearsalLine::operator<(const RehearsalLine& other) const
{
    return std::make_tuple(std::string(rehearsalKindName(kind)), subject, detail) <
           std::make_tuple(std::string(rehearsalKindName(other.kind)), other.subject, other.detail);
}

bool Rehearsal::clean() const
{
    for (const RehearsedUpdate& update : updates) {
        if (update.end != UpdateEnd::Finished && update.end != UpdateEnd::EndRecord)
            return false;
        for (const RehearsalLine& line : update.lines) {
            if (line.kind == RehearsalKind::Refused || line.kind == RehearsalKind::Failed)
                return false;
        }
    }
    return true;
}

bool rehearse(const std::string& installFolder, const std::vector<std::string>& patchFolders,
              const RehearsalOptions& options, Rehearsal& out, std::string& error,
              const RehearsalInspect& inspect)
{
    std::string install = absoluteFolder(installFolder);
    if (!FCFile::isFolder(install.c_str())) {
        error = "cannot read " + installFolder;
        return false;
    }
    std::vector<std::string> patches;
    for (const std::string& folder : patchFolders)
        patches.push_back(absoluteFolder(folder));
    RehearsalFolders folders;
    if (!folders.make(error))
        return false;
    if (!copyTree(install, folders.copy())) {
        error = "cannot copy " + installFolder;
        return false;
    }
    if (!runUpdates(patches, folders, options, out, error))
        return false;
    if (inspect)
        inspect(folders.copy());
    out.changes = treeChanges(install, folders.copy());
    for (const std::string& path : listTree(folders.work()))
        out.working.push_back({RehearsalKind::Working, path, ""});
    return true;
}
