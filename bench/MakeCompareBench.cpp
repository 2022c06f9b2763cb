// The maker's comparison of two trees (brantlewick-check --make) against
// "diff -rq OLD NEW" (GNU diffutils) on the same trees in the same run, at
// 2,000 files / 200 MB and at 20,000 files / 2 GB: the comparison must not
// be slower than diff, and the larger trees must take at most 12 times as
// long as the smaller ones.  A plain program (no Google Benchmark loop: one
// pass over 2 GB is the measurement):
//
//   build/bench/bench_make_compare [FOLDER]     default /tmp/bw-bench-make
//
// The trees are written below FOLDER and removed at the end.  Each tool
// runs once to fill the page cache, then five times; the best time counts.
// Exit code 1 when a bound is not met.
#include "tools/check/FolderTree.h"
#include "tools/check/TreeCompare.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Size {
    int files;
    std::size_t fileBytes;
};

// 100 files a folder; the newer tree differs in one file of a hundred (the
// last byte: same size, so its bytes are read), one file added and one
// removed in each folder.
void writeTrees(const fs::path& top, const Size& size)
{
    std::string bytes(size.fileBytes, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    for (int n = 0; n < size.files; ++n) {
        std::string folder = "d" + std::to_string(n / 100);
        std::string name = "f" + std::to_string(n % 100) + ".bin";
        for (const char* tree : {"old", "new"}) {
            fs::create_directories(top / tree / folder);
            bool changed = std::string(tree) == "new" && n % 100 == 7;
            bytes[0] = static_cast<char>(n);
            bytes.back() = changed ? 'x' : 'o';
            if ((n % 100 == 50 && std::string(tree) == "new") ||
                (n % 100 == 51 && std::string(tree) == "old"))
                continue;
            std::ofstream(top / tree / folder / name, std::ios::binary).write(
                bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
}

double seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double timeCompare(const fs::path& top, std::size_t& changes)
{
    auto start = std::chrono::steady_clock::now();
    FolderTree older;
    FolderTree newer;
    std::string error;
    if (!readFolderTree(top / "old", nullptr, older, error) ||
        !readFolderTree(top / "new", nullptr, newer, error)) {
        std::fprintf(stderr, "bench_make_compare: %s\n", error.c_str());
        std::exit(2);
    }
    TreeDifference difference = compareTrees(older, newer, nullptr);
    double took = seconds(start);
    changes = difference.changed.size() + difference.added.size() + difference.removed.size();
    return took;
}

double timeDiff(const fs::path& top)
{
    std::string command = "diff -rq '" + (top / "old").string() + "' '" +
                          (top / "new").string() + "' >/dev/null";
    auto start = std::chrono::steady_clock::now();
    int status = std::system(command.c_str());
    double took = seconds(start);
    if (status == -1) {
        std::fprintf(stderr, "bench_make_compare: cannot run diff\n");
        std::exit(2);
    }
    return took;
}

struct Figures {
    double ours;
    double diff;
};

Figures measure(const fs::path& top, const Size& size)
{
    writeTrees(top, size);
    // The written pages reach the disk before the clock runs: their
    // write-back would otherwise fall into the larger measurement.
    sync();
    std::size_t changes = 0;
    timeCompare(top, changes);
    timeDiff(top);
    Figures best{1e9, 1e9};
    for (int run = 0; run < 5; ++run) {
        best.ours = std::min(best.ours, timeCompare(top, changes));
        best.diff = std::min(best.diff, timeDiff(top));
    }
    double megabytes = static_cast<double>(size.files) * size.fileBytes / 1e6;
    std::printf("%6d files, %6.0f MB a tree: compare %.3f s, diff -rq %.3f s (%.2f x diff's "
                "time), %zu changes found\n",
                size.files, megabytes, best.ours, best.diff, best.ours / best.diff, changes);
    fs::remove_all(top);
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    // scripts/bench hands every host benchmark its options ("--benchmark_..."):
    // the folder is the first argument that is not one.
    fs::path top = "/tmp/bw-bench-make";
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            top = argv[i];
            break;
        }
    }
    fs::remove_all(top);
    Figures small = measure(top, {2000, 100000});
    Figures large = measure(top, {20000, 100000});
    double growth = large.ours / small.ours;
    std::printf("10 x the files: compare %.1f x the time (bound 12), diff -rq %.1f x\n", growth,
                large.diff / small.diff);
    bool fast = large.ours <= large.diff;
    bool linear = growth <= 12.0;
    if (!fast)
        std::printf("FAIL: the comparison is slower than diff -rq on 20,000 files\n");
    if (!linear)
        std::printf("FAIL: the comparison grows faster than linearly\n");
    return fast && linear ? 0 : 1;
}
