#include "PatchWriter.h"

#include "FolderTree.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

bool patchFolderFree(const fs::path& patchFolder, std::string& error)
{
    std::error_code failure;
    if (!fs::exists(patchFolder, failure))
        return true;
    if (fs::is_directory(patchFolder, failure) && fs::is_empty(patchFolder, failure))
        return true;
    error = "the patch folder must be empty or missing: " + shownName(patchFolder);
    return false;
}

bool writePatch(const PatchPlan& plan, const std::string& description, const fs::path& newRoot,
                const fs::path& patchFolder, std::string& error)
{
    if (!patchFolderFree(patchFolder, error))
        return false;
    std::error_code failure;
    fs::create_directories(patchFolder, failure);
    for (const ShippedFile& file : plan.shipped) {
        fs::path to = patchFolder / "files" / file.from.lexically_relative(newRoot);
        fs::create_directories(to.parent_path(), failure);
        if (failure || !fs::copy_file(file.from, to, failure)) {
            error = "cannot write " + shownName(to) + ": " + failure.message();
            return false;
        }
    }
    std::ofstream out(patchFolder / "brantlewick.dat", std::ios::binary);
    out.write(description.data(), static_cast<std::streamsize>(description.size()));
    out.close();
    if (!out) {
        error = "cannot write the description file in " + shownName(patchFolder);
        return false;
    }
    return true;
}
