// The archive command builds a group by reading the numbered input files
// one after the other into the group's file.  It must keep up with a plain
// loop that appends the same files to one file, and its time must grow with
// the number of files and no faster.  The benchmark measures:
//
// 1. One group of 2,000 files of 100 KB ('00001.wav' onwards): load of the
//    index and build, without progress dialogs, as the command does it,
//    against a plain loop that appends the same files (their names known
//    beforehand) to one file with ReadFile and WriteFile in 4 MiB pieces.
//    The two take turns in which goes first.  Fails when the build's best
//    rate is less than 0.8 times the loop's best rate.
// 2. The same with 20,000 files of 100 KB.  Fails when the build's best
//    time is more than 12 times its best time with 2,000 files.
//
// A pass's time depends much on how far the system has got with writing
// earlier passes back to disk, so each way is judged by its best round: the
// rate it reaches when nothing holds it back.  Medians are printed beside.
// The input files are on the disk before the first pass, and what the
// passes wrote is removed before each pass, so both ways write into new
// files.  Every group file and every loop output is checked for its size.
//
// Run it by hand under Wine:
//   cmake/wine-run build/win64/bench_archive.exe [FOLDER]
// The files go into a folder of their own below FOLDER (default: the
// temporary folder), removed again at the end; about 6.6 GB are needed.
// Exit status: 0 when every figure is met, 1 when one is not, 2 when the
// benchmark could not run.
#include "engine/UxArchiveIdFile.h"

#include "BenchFiles.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::best;
using bench::removeFolder;
using bench::median;
using bench::seconds;
using bench::Status;
using bench::kPassed;
using bench::kFailed;
using bench::kCannotRun;

const std::uint32_t kFileBytes = 100u << 10;
const int kFewFiles = 2000;
const int kManyFiles = 20000;
const int kFewRounds = 7;
const int kManyRounds = 5;
const DWORD kPiece = 4u << 20;
const double kRequiredRatio = 0.8;
const double kAllowedGrowth = 12.0;

double megabytesPerSecond(int files, double secondsTaken)
{
    return static_cast<double>(files) * kFileBytes / (1024.0 * 1024.0) / secondsTaken;
}

// Writes the file and waits until it is on the disk: the input of a build
// has long been written when the command runs, and no pass should have to
// wait for the writing of the benchmark's own preparations.
bool writeFile(const std::string& path, const void* bytes, DWORD size)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    bool ok = WriteFile(file, bytes, size, &done, nullptr) && done == size && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

std::uint64_t sizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// One archive's places: the numbered input files, the index and group
// file, and the plain loop's output.
struct Archive {
    Archive(const std::string& root, int count)
        : files(count), input(root + "in" + std::to_string(count) + "\\"),
          output(root + "out" + std::to_string(count) + "\\"), loopOutput(output + "loop.bin")
    {
    }

    std::string name(int id) const
    {
        char text[16];
        std::snprintf(text, sizeof text, "%05d.wav", id);
        return input + text;
    }
    std::string groupFile() const { return output + "res2201.grp"; }
    std::uint64_t bytes() const { return static_cast<std::uint64_t>(files) * kFileBytes; }

    int files;
    std::string input;
    std::string output;
    std::string loopOutput;
};

// The input files, each filled with bytes no file system can compress, and
// an empty index of kind 0x22 with five name digits.
bool prepare(const Archive& a)
{
    if (!CreateDirectoryA(a.input.c_str(), nullptr) || !CreateDirectoryA(a.output.c_str(), nullptr))
        return false;
    std::vector<std::uint32_t> block(kFileBytes / sizeof(std::uint32_t));
    std::uint32_t state = 2463534242u;
    for (int id = 1; id <= a.files; ++id) {
        for (std::uint32_t& word : block) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            word = state;
        }
        if (!writeFile(a.name(id), block.data(), kFileBytes))
            return false;
    }
    const unsigned char index[16] = {'A', 'i', 'F', 'S', 0, 0, 5, 0, 0x22, 0, 0, 0, 0, 0, 0, 0};
    return writeFile(a.output + "res2200.grp", index, sizeof index);
}

// Seconds for the build of group 1 from all the input files, loading the
// index included; negative when it failed.
double byBuilder(const Archive& a)
{
    double start = seconds();
    UxArchiveIdFile archive;
    if (!archive.load((a.output + "res2200.grp").c_str()))
        return -1;
    ArchiveSettings settings;
    settings.inputFolder = a.input.c_str();
    settings.outputFolder = a.output.c_str();
    settings.resourceKind = 0x22;
    settings.nameDigits = 5;
    settings.firstId = 1;
    settings.lastId = a.files;
    settings.groupNumber = 1;
    int result = archive.build(settings);
    double elapsed = seconds() - start;
    return result == UxArchiveIdFile::kBuilt && sizeOf(a.groupFile()) == a.bytes() ? elapsed : -1;
}

// Seconds for appending the same files to one file, the plain way.
double byLoop(const Archive& a, const std::vector<std::string>& names)
{
    double start = seconds();
    std::vector<char> buffer(kPiece);
    // Made new, as the builder makes its file (the old one was removed).
    HANDLE out = CreateFileA(a.loopOutput.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = out != INVALID_HANDLE_VALUE;
    for (std::size_t i = 0; ok && i < names.size(); ++i) {
        HANDLE in = CreateFileA(names[i].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ok = in != INVALID_HANDLE_VALUE;
        DWORD got = kPiece;
        while (ok && got == kPiece) {
            DWORD put = 0;
            ok = ReadFile(in, buffer.data(), kPiece, &got, nullptr) &&
                 (got == 0 || (WriteFile(out, buffer.data(), got, &put, nullptr) && put == got));
        }
        if (in != INVALID_HANDLE_VALUE)
            CloseHandle(in);
    }
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    double elapsed = seconds() - start;
    return ok && sizeOf(a.loopOutput) == a.bytes() ? elapsed : -1;
}

struct Times {
    std::vector<double> builder;
    std::vector<double> loop;
};

// Removes what the passes wrote, so that no pass writes while the system
// still holds the other's output to be written back.
void removeOutputs(const Archive& a)
{
    DeleteFileA(a.groupFile().c_str());
    DeleteFileA(a.loopOutput.c_str());
}

// The two ways taking turns in which goes first; false when a pass failed.
bool measure(const Archive& a, int rounds, Times& times)
{
    std::vector<std::string> names;
    for (int id = 1; id <= a.files; ++id)
        names.push_back(a.name(id));
    for (int round = 0; round < rounds; ++round) {
        double b, l;
        removeOutputs(a);
        if (round % 2 == 0) {
            b = byBuilder(a);
            removeOutputs(a);
            l = byLoop(a, names);
        } else {
            l = byLoop(a, names);
            removeOutputs(a);
            b = byBuilder(a);
        }
        if (b < 0 || l < 0) {
            std::printf("bench_archive: a pass over %d files failed in round %d\n", a.files, round + 1);
            return false;
        }
        times.builder.push_back(b);
        times.loop.push_back(l);
    }
    return true;
}

void report(const Archive& a, int rounds, const Times& t)
{
    std::printf("one group of %d files of 100 KB, %d rounds: best (median)\n", a.files, rounds);
    std::printf("  load + build         %7.3f s  %7.1f MB/s (%7.1f)\n", best(t.builder),
                megabytesPerSecond(a.files, best(t.builder)), megabytesPerSecond(a.files, median(t.builder)));
    std::printf("  ReadFile/WriteFile   %7.3f s  %7.1f MB/s (%7.1f)\n", best(t.loop),
                megabytesPerSecond(a.files, best(t.loop)), megabytesPerSecond(a.files, median(t.loop)));
}

Status run(const std::string& root)
{
    Archive few(root, kFewFiles);
    Archive many(root, kManyFiles);
    if (!prepare(few) || !prepare(many)) {
        std::printf("bench_archive: cannot write the input files in %s\n", root.c_str());
        return kCannotRun;
    }
    Times fewTimes;
    Times manyTimes;
    if (!measure(few, kFewRounds, fewTimes) || !measure(many, kManyRounds, manyTimes))
        return kCannotRun;

    report(few, kFewRounds, fewTimes);
    report(many, kManyRounds, manyTimes);
    Status status = kPassed;
    double ratio = best(fewTimes.loop) / best(fewTimes.builder);
    std::printf("  rate build / loop, %d files     %6.2f (required: at least %.2f)\n", kFewFiles, ratio,
                kRequiredRatio);
    std::printf("  rate build / loop, %d files    %6.2f (not required)\n", kManyFiles,
                best(manyTimes.loop) / best(manyTimes.builder));
    if (ratio < kRequiredRatio) {
        std::printf("bench_archive: FAILED, the build is too slow\n");
        status = kFailed;
    }
    double growth = best(manyTimes.builder) / best(fewTimes.builder);
    std::printf("  build time %d / %d files     %6.2f (allowed: at most %.1f)\n", kManyFiles, kFewFiles,
                growth, kAllowedGrowth);
    if (growth > kAllowedGrowth) {
        std::printf("bench_archive: FAILED, the build grows faster than its files\n");
        status = kFailed;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string base;
    if (argc > 1) {
        base = argv[1];
        if (base.back() != '\\')
            base += '\\';
    } else {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        base = temp;
    }
    std::string root = base + "bw-archive-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    if (!CreateDirectoryA(root.c_str(), nullptr)) {
        std::printf("bench_archive: cannot make %s\n", root.c_str());
        return kCannotRun;
    }
    Status status = run(root);
    removeFolder(root);
    return status;
}
