#include "PatchFolder.h"

#ifdef _WIN32

#include <windows.h>

std::string PatchFolder::descriptionPath() const
{
    return folder_ + "\\brantlewick.dat";
}

bool PatchFolder::has(const std::string& relative) const
{
    return GetFileAttributesA((folder_ + "\\" + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

#else

#include "Utf8.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string lowered(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The entry of folder whose name equals name in ASCII letters of any case,
// as the Windows file system would find it.
bool findEntry(const fs::path& folder, const std::string& name, fs::path& found)
{
    std::error_code error;
    if (fs::exists(folder / name, error)) {
        found = folder / name;
        return true;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (lowered(entry.path().filename().string()) == lowered(name)) {
            found = entry.path();
            return true;
        }
    }
    return false;
}

}  // namespace

std::string PatchFolder::descriptionPath() const
{
    fs::path found;
    if (findEntry(folder_, "brantlewick.dat", found))
        return found.string();
    return (fs::path(folder_) / "brantlewick.dat").string();
}

// The names of a Linux folder are UTF-8; the description's are code page 932.
bool PatchFolder::has(const std::string& cp932Relative) const
{
    const std::string relative = utf8FromCp932(cp932Relative);
    fs::path path(folder_);
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = relative.size();
        std::string part = relative.substr(start, end - start);
        if (!part.empty() && !findEntry(path, part, path))
            return false;
        start = end + 1;
    }
    return true;
}

#endif
