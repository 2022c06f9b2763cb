#include "FolderTree.h"

#include "Utf8.h"

#include "foundation/text/MbText.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

// The entries of one folder, sorted by name so that the walk and what it
// reports are the same on every run.
std::vector<fs::directory_entry> sortedEntries(const fs::path& folder, std::error_code& error)
{
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const fs::directory_entry& a, const fs::directory_entry& b) {
                  return a.path().filename() < b.path().filename();
              });
    return entries;
}

class TreeReader {
public:
    TreeReader(const TreeSkip& skip, FolderTree& out) : skip_(skip), out_(out) {}

    bool read(const fs::path& folder, const std::string& prefix, std::string& error)
    {
        std::error_code failure;
        std::vector<fs::directory_entry> entries = sortedEntries(folder, failure);
        if (failure) {
            error = "cannot read " + shownName(folder) + ": " + failure.message();
            return false;
        }
        for (const fs::directory_entry& entry : entries) {
            std::string name;
            if (!cp932FromUtf8(shownName(entry.path().filename()), name) ||
                name.find(';') != std::string::npos) {
                out_.unwritable.push_back(shownName(entry.path()));
                continue;
            }
            bool folderEntry = entry.is_directory(failure);
            TreeEntry item{prefix + name + (folderEntry ? "\\" : ""), "", entry.path(), 0};
            if (skip_ && skip_(item.name))
                continue;
            item.key = mb::changeCase(item.name.c_str(), false);
            if (!folderEntry)
                item.size = entry.file_size(failure);
            if (failure) {
                error = "cannot read " + shownName(entry.path()) + ": " + failure.message();
                return false;
            }
            out_.entries.push_back(item);
            if (folderEntry && !read(entry.path(), item.name, error))
                return false;
        }
        return true;
    }

private:
    const TreeSkip& skip_;
    FolderTree& out_;
};

// One entry a key: of names that differ only in case, the first in byte
// order stays, as the first one copied to Windows would.
void keepOneForEachKey(FolderTree& tree)
{
    std::stable_sort(tree.entries.begin(), tree.entries.end(),
                     [](const TreeEntry& a, const TreeEntry& b) {
                         return a.key != b.key ? a.key < b.key : a.name < b.name;
                     });
    std::vector<TreeEntry> kept;
    for (TreeEntry& entry : tree.entries) {
        if (!kept.empty() && kept.back().key == entry.key) {
            tree.caseTwins.emplace_back(kept.back().name, entry.name);
            continue;
        }
        kept.push_back(std::move(entry));
    }
    tree.entries = std::move(kept);
}

}  // namespace

bool readFileBytes(const fs::path& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return false;
    }
    return !file.bad();
}

std::string shownName(const fs::path& path)
{
#ifdef _WIN32
    const std::wstring& wide = path.native();
    if (wide.empty())
        return {};
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
    return out;
#else
    return path.native();
#endif
}

fs::path folderPath(const std::string& argument)
{
#ifdef _WIN32
    if (argument.empty())
        return {};
    int size = static_cast<int>(argument.size());
    int wide = MultiByteToWideChar(CP_ACP, 0, argument.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, argument.data(), size, text.data(), wide);
    return fs::path(text);
#else
    return fs::path(argument);
#endif
}

bool readFolderTree(const fs::path& folder, const TreeSkip& skip, FolderTree& out,
                    std::string& error)
{
    std::error_code failure;
    if (!fs::is_directory(folder, failure)) {
        error = shownName(folder) + " is not a folder";
        return false;
    }
    out = FolderTree();
    TreeReader reader(skip, out);
    if (!reader.read(folder, "", error))
        return false;
    keepOneForEachKey(out);
    return true;
}
