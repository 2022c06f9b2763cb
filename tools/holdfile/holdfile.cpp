// holdfile: holds a file open without sharing, as another program that
// has it open would, until it is told to let go.
//
//   holdfile FILE RELEASE
//
// Opens FILE (which must exist) for reading and writing with share mode 0,
// writes "held" to its output, and waits until the file RELEASE appears;
// then closes FILE, removes RELEASE (so whoever created it knows the file
// is free) and ends with exit code 0.  Gives up after ten minutes (exit
// code 1), so a harness that died leaves nothing held for long.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: holdfile FILE RELEASE\n");
        return 2;
    }
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "holdfile: cannot open %s (error %lu)\n", argv[1], GetLastError());
        return 2;
    }
    std::printf("held\n");
    std::fflush(stdout);
    const DWORD start = GetTickCount();
    while (GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start >= 600000) {
            CloseHandle(file);
            return 1;
        }
        Sleep(20);
    }
    CloseHandle(file);
    DeleteFileA(argv[2]);
    return 0;
}
