// The range-copy command moves bytes with FCFile::copyTo; it must keep up
// with the system's own file copy.  The benchmark copies the same 256 MB
// file both ways, several rounds taking turns so that neither way gets the
// warmer cache.  A single copy's time depends much on how far the system
// has got with writing earlier copies back to disk, so each way is judged
// by its best round: the rate it reaches when nothing holds it back.  The
// medians are printed beside them.  It fails when copyTo's best rate is less
// than 0.8 times that of CopyFileA.
//
// Run it by hand under Wine: cmake/wine-run build/win64/bench_copy.exe
#include "foundation/files/FCFile.h"

#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::best;
using bench::median;
using bench::seconds;

const std::uint32_t kBytes = 256u << 20;
const int kRounds = 7;
const double kRequiredRatio = 0.8;

// A source of the size, filled with bytes that no file system can compress.
bool makeSource(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<std::uint32_t> block(1u << 20);
    std::uint32_t x = 2463534242u;
    bool ok = true;
    for (std::uint32_t written = 0; ok && written < kBytes;) {
        for (std::uint32_t& word : block) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            word = x;
        }
        DWORD done = 0;
        DWORD size = static_cast<DWORD>(block.size() * sizeof block[0]);
        ok = WriteFile(file, block.data(), size, &done, nullptr) && done == size;
        written += done;
    }
    CloseHandle(file);
    return ok;
}

// Seconds for one copy of the whole source with FCFile::copyTo, opening and
// closing included, as the command does it; negative when it failed.
double copyWithCopyTo(const std::string& source, const std::string& target)
{
    double start = seconds();
    FCFile in;
    FCFile out;
    in.openForRead(source.c_str());
    out.open(target.c_str(), CREATE_ALWAYS, GENERIC_WRITE, FILE_SHARE_READ, FILE_ATTRIBUTE_NORMAL,
             false);
    std::uint32_t copied = in.copyTo(out, kBytes);
    in.close();
    out.close();
    double elapsed = seconds() - start;
    return copied == kBytes ? elapsed : -1;
}

double copyWithCopyFile(const std::string& source, const std::string& target)
{
    double start = seconds();
    BOOL ok = CopyFileA(source.c_str(), target.c_str(), FALSE);
    double elapsed = seconds() - start;
    return ok ? elapsed : -1;
}

double rate(double secondsTaken)
{
    return static_cast<double>(kBytes) / (1024.0 * 1024.0) / secondsTaken;
}

}  // namespace

int main()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "bw-copy-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string source = folder + "source.bin";
    std::string targetCopyTo = folder + "copyto.bin";
    std::string targetCopyFile = folder + "copyfile.bin";

    int status = 0;
    if (!makeSource(source)) {
        std::printf("bench_copy: cannot write the 256 MB source in %s\n", folder.c_str());
        status = 2;
    }
    std::vector<double> copyTo;
    std::vector<double> copyFile;
    for (int round = 0; status == 0 && round < kRounds; ++round) {
        DeleteFileA(targetCopyTo.c_str());
        DeleteFileA(targetCopyFile.c_str());
        // Taking turns in which way goes first keeps the order out of it.
        double a, b;
        if (round % 2 == 0) {
            a = copyWithCopyTo(source, targetCopyTo);
            b = copyWithCopyFile(source, targetCopyFile);
        } else {
            b = copyWithCopyFile(source, targetCopyFile);
            a = copyWithCopyTo(source, targetCopyTo);
        }
        if (a < 0 || b < 0) {
            std::printf("bench_copy: a copy failed in round %d\n", round + 1);
            status = 2;
            break;
        }
        copyTo.push_back(a);
        copyFile.push_back(b);
    }
    if (status == 0) {
        double copyToRate = rate(best(copyTo));
        double copyFileRate = rate(best(copyFile));
        double ratio = copyToRate / copyFileRate;
        std::printf("copy of 256 MB, %d rounds: best (median) rate\n", kRounds);
        std::printf("  FCFile::copyTo (4 MB chunks)  %7.1f MB/s (%7.1f)\n", copyToRate,
                    rate(median(copyTo)));
        std::printf("  CopyFileA                     %7.1f MB/s (%7.1f)\n", copyFileRate,
                    rate(median(copyFile)));
        std::printf("  ratio copyTo / CopyFileA      %7.2f (required: at least %.2f)\n", ratio,
                    kRequiredRatio);
        if (ratio < kRequiredRatio) {
            std::printf("bench_copy: FAILED, copyTo is too slow\n");
            status = 1;
        }
    }
    DeleteFileA(source.c_str());
    DeleteFileA(targetCopyTo.c_str());
    DeleteFileA(targetCopyFile.c_str());
    RemoveDirectoryA(folder.c_str());
    return status;
}
