#include "ResultCompare.h"

#include "FolderTree.h"
#include "IniText.h"
#include "PatchPlan.h"
#include "TreeCompare.h"

#include "foundation/text/MbText.h"

#include <algorithm>

namespace {

// Every key of the wanted file has its value in the made one.  Keys only
// the made one has stay: the user's own, and those the newer version no
// longer has, which an "i" record cannot remove (the maker notes them).
bool hasWantedKeys(const std::filesystem::path& made, const std::filesystem::path& wanted)
{
    std::string first;
    std::string second;
    return readFileBytes(made, first) && readFileBytes(wanted, second) &&
           iniDifference(IniText(first), IniText(second)).written.empty();
}

bool updatedByRecords(const std::vector<std::string>& iniFiles, const std::string& name)
{
    std::string key = mb::changeCase(name.c_str(), false);
    return std::any_of(iniFiles.begin(), iniFiles.end(), [&](const std::string& file) {
        return mb::changeCase(file.c_str(), false) == key;
    });
}

}  // namespace

bool resultDifferences(const std::filesystem::path& result, const std::filesystem::path& newer,
                       const std::vector<std::string>& iniFiles, bool keepRemoved,
                       std::vector<ProofDifference>& out, std::string& error)
{
    FolderTree made;
    FolderTree wanted;
    if (!readFolderTree(result, isUpdateBackup, made, error) ||
        !readFolderTree(newer, isUpdateBackup, wanted, error))
        return false;
    TreeDifference difference = compareTrees(made, wanted, nullptr);
    for (const ChangedFile& file : difference.changed) {
        if (!updatedByRecords(iniFiles, file.name) || !hasWantedKeys(file.oldPath, file.newPath))
            out.push_back({"differs", file.name});
    }
    for (const ChangedFile& file : difference.added)
        out.push_back({"missing", file.name});
    for (const std::string& folder : difference.addedFolders)
        out.push_back({"missing", folder});
    if (keepRemoved)
        return true;
    for (const std::string& name : difference.removed)
        out.push_back({"extra", name});
    return true;
}
