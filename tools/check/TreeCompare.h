// What differs between two folder trees, by content: sizes first, then the
// bytes of files of the same size.
#pragma once

#include "FolderTree.h"
#include "SameContent.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct ChangedFile {
    std::string name;  // as the newer tree writes it
    std::filesystem::path oldPath;  // empty for a file only the newer tree has
    std::filesystem::path newPath;
    std::uint64_t size = 0;  // in the newer tree
};

struct TreeDifference {
    std::vector<ChangedFile> changed;        // in both, other bytes
    std::vector<ChangedFile> added;          // files only the newer tree has
    std::vector<std::string> addedFolders;   // folders only the newer tree has
    std::vector<std::string> removed;        // files and folders only the older tree has
    // Entries of both trees whose names differ only in case: (older, newer).
    std::vector<std::pair<std::string, std::string>> caseOnly;

    bool empty() const
    {
        return changed.empty() && added.empty() && addedFolders.empty() && removed.empty();
    }
};

// How far a comparison is: files and bytes of the files whose bytes are
// compared (the files in both trees with the same size).
struct CompareCount {
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
    std::uint64_t totalFiles = 0;
    std::uint64_t totalBytes = 0;
};
using CompareProgress = std::function<void(const CompareCount& count)>;

// Every list sorted by key (the name with its letters in one case).
TreeDifference compareTrees(const FolderTree& older, const FolderTree& newer,
                            const CompareProgress& progress);
