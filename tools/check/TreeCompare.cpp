#include "TreeCompare.h"

namespace {

// The files whose bytes must be compared.
CompareCount countSameSize(const FolderTree& older, const FolderTree& newer)
{
    CompareCount count;
    auto a = older.entries.begin();
    auto b = newer.entries.begin();
    while (a != older.entries.end() && b != newer.entries.end()) {
        if (a->key < b->key) {
            ++a;
        } else if (b->key < a->key) {
            ++b;
        } else {
            if (!a->isFolder() && a->size == b->size) {
                ++count.totalFiles;
                count.totalBytes += a->size;
            }
            ++a;
            ++b;
        }
    }
    return count;
}

class Comparison {
public:
    Comparison(const CompareCount& total, const CompareProgress& progress)
        : count_(total), progress_(progress)
    {
    }

    void onlyOlder(const TreeEntry& entry) { difference_.removed.push_back(entry.name); }

    void onlyNewer(const TreeEntry& entry)
    {
        if (entry.isFolder())
            difference_.addedFolders.push_back(entry.name);
        else
            difference_.added.push_back({entry.name, {}, entry.path, entry.size});
    }

    void both(const TreeEntry& older, const TreeEntry& newer)
    {
        if (older.name != newer.name)
            difference_.caseOnly.emplace_back(older.name, newer.name);
        if (newer.isFolder() || (older.size == newer.size && sameBytes(older, newer)))
            return;
        difference_.changed.push_back({newer.name, older.path, newer.path, newer.size});
    }

    TreeDifference result() { return std::move(difference_); }

private:
    bool sameBytes(const TreeEntry& older, const TreeEntry& newer)
    {
        std::uint64_t before = count_.bytes;
        bool same = sameContent(older.path, newer.path, [&](std::uint64_t bytes) {
            count_.bytes += bytes;
            report();
        });
        // A file that differs early counts whole: the total is what remains.
        count_.bytes = before + older.size;
        ++count_.files;
        report();
        return same;
    }

    void report()
    {
        if (progress_)
            progress_(count_);
    }

    TreeDifference difference_;
    CompareCount count_;
    const CompareProgress& progress_;
};

}  // namespace

TreeDifference compareTrees(const FolderTree& older, const FolderTree& newer,
                            const CompareProgress& progress)
{
    Comparison comparison(countSameSize(older, newer), progress);
    auto a = older.entries.begin();
    auto b = newer.entries.begin();
    while (a != older.entries.end() || b != newer.entries.end()) {
        if (b == newer.entries.end() || (a != older.entries.end() && a->key < b->key)) {
            comparison.onlyOlder(*a++);
        } else if (a == older.entries.end() || b->key < a->key) {
            comparison.onlyNewer(*b++);
        } else {
            comparison.both(*a++, *b++);
        }
    }
    return comparison.result();
}
