// The floor of the peer benchmark (bench/peer/run): the least an update of
// COUNT files with a backup of each can cost under this system, a plain loop
// that renames each installed file into the backup folder and copies the
// new one in its place.  Prints the seconds the loop took.
//
//   bench_peer_floor COUNT NEW_FOLDER INSTALL_FOLDER BACKUP_FOLDER
//
// Files are named fNNNN.dat; the folders end with "\\" and exist.
#include "BenchTiming.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_peer_floor COUNT NEW_FOLDER INSTALL_FOLDER BACKUP_FOLDER\n");
        return bench::kCannotRun;
    }
    const int count = std::atoi(argv[1]);
    const std::string source = argv[2], install = argv[3], backup = argv[4];
    double start = bench::seconds();
    for (int i = 0; i < count; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f%04d.dat", i);
        if (!MoveFileExA((install + name).c_str(), (backup + name).c_str(), 0) ||
            !CopyFileA((source + name).c_str(), (install + name).c_str(), FALSE)) {
            std::fprintf(stderr, "bench_peer_floor: %s failed (%lu)\n", name, GetLastError());
            return bench::kFailed;
        }
    }
    std::printf("%.3f\n", bench::seconds() - start);
    return bench::kPassed;
}
