#include "ResultCompare.h"

#include "FolderTree.h"
#include "IniText.h"
#include "PatchPlan.h"
#include "TreeCompare.h"

#include "foundation/text/MbText.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

bool readAllBytes(const std::filesystem::path& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

bool sameKeys(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::string first;
    std::string second;
    return readAllBytes(a, first) && readAllBytes(b, second) &&
           iniDifference(IniText(first), IniText(second)).empty();
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
                       const std::vector<std::string>& iniFiles,
                       std::vector<ProofDifference>& out, std::string& error)
{
    FolderTree made;
    FolderTree wanted;
    if (!readFolderTree(result, isUpdateBackup, made, error) ||
        !readFolderTree(newer, isUpdateBackup, wanted, error))
        return false;
    TreeDifference difference = compareTrees(made, wanted, nullptr);
    for (const ChangedFile& file : difference.changed) {
        if (!updatedByRecords(iniFiles, file.name) || !sameKeys(file.oldPath, file.newPath))
            out.push_back({"differs", file.name});
    }
    for (const ChangedFile& file : difference.added)
        out.push_back({"missing", file.name});
    for (const std::string& folder : difference.addedFolders)
        out.push_back({"missing", folder});
    for (const std::string& name : difference.removed)
        out.push_back({"extra", name});
    return true;
}
