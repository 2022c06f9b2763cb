// The Windows benchmarks' own files: each benchmark works in a folder of its
// own and removes it with everything below it at the end.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// Removes folder (with its final "\\") and everything below it.
inline void removeFolder(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                removeFolder(folder + name + "\\");
            else
                DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace bench
