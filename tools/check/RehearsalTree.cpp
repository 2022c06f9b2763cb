#include "RehearsalTree.h"

#include "FolderTree.h"
#include "SameContent.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {

bool isFolderName(const std::string& relative)
{
    return !relative.empty() && relative.back() == '\\';
}

void listInto(const std::string& top, const std::string& relative, std::vector<std::string>& out)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((top + relative + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = relative + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out.push_back(path + "\\");
            listInto(top, path + "\\", out);
        } else {
            out.push_back(path);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

// Whether the two files hold the same bytes.  A file that cannot be read
// differs from every other.
bool sameBytes(const std::string& a, const std::string& b)
{
    return sameContent(folderPath(a), folderPath(b), nullptr);
}

// Gives each replaced or removed file the created file that holds its old
// bytes, each created file to one of them at most.
void findBackups(std::vector<RehearsalLine>& changes, const std::string& before,
                 const std::string& after)
{
    std::vector<const RehearsalLine*> created;
    for (const RehearsalLine& line : changes) {
        if (line.kind == RehearsalKind::Created && !isFolderName(line.subject))
            created.push_back(&line);
    }
    std::set<const RehearsalLine*> taken;
    for (RehearsalLine& line : changes) {
        if (line.kind == RehearsalKind::Created || isFolderName(line.subject))
            continue;
        for (const RehearsalLine* candidate : created) {
            if (!taken.count(candidate) &&
                sameBytes(before + line.subject, after + candidate->subject)) {
                line.detail = candidate->subject;
                taken.insert(candidate);
                break;
            }
        }
    }
}

}  // namespace

std::vector<std::string> listTree(const std::string& folder)
{
    std::vector<std::string> entries;
    listInto(folder, "", entries);
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool copyTree(const std::string& from, const std::string& to)
{
    bool copied = true;
    for (const std::string& entry : listTree(from)) {
        std::string target = to + entry;
        bool done = isFolderName(entry)
                        ? CreateDirectoryA(target.c_str(), nullptr) != FALSE
                        : CopyFileA((from + entry).c_str(), target.c_str(), TRUE) != FALSE;
        copied = copied && done;
    }
    return copied;
}

void removeTree(const std::string& folder)
{
    // In reverse order every entry comes before the folder that holds it.
    std::vector<std::string> entries = listTree(folder);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        std::string path = folder + *entry;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (isFolderName(*entry))
            RemoveDirectoryA(path.c_str());
        else
            DeleteFileA(path.c_str());
    }
    RemoveDirectoryA(folder.c_str());
}

std::vector<RehearsalLine> treeChanges(const std::string& before, const std::string& after)
{
    std::vector<std::string> old = listTree(before);
    std::vector<std::string> now = listTree(after);
    std::vector<RehearsalLine> changes;
    std::vector<std::string> kept;
    std::set_intersection(old.begin(), old.end(), now.begin(), now.end(), std::back_inserter(kept));
    std::vector<std::string> gone;
    std::set_difference(old.begin(), old.end(), now.begin(), now.end(), std::back_inserter(gone));
    std::vector<std::string> added;
    std::set_difference(now.begin(), now.end(), old.begin(), old.end(), std::back_inserter(added));
    for (const std::string& path : added)
        changes.push_back({RehearsalKind::Created, path, ""});
    for (const std::string& path : gone)
        changes.push_back({RehearsalKind::Removed, path, ""});
    for (const std::string& path : kept) {
        if (!isFolderName(path) && !sameBytes(before + path, after + path))
            changes.push_back({RehearsalKind::Replaced, path, ""});
    }
    findBackups(changes, before, after);
    std::sort(changes.begin(), changes.end());
    return changes;
}
