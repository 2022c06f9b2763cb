#include "TerminalProgress.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

using Clock = std::chrono::steady_clock;

TerminalProgress::TerminalProgress()
    : terminal_(isatty(2) != 0), start_(Clock::now()), last_(start_)
{
}

TerminalProgress::~TerminalProgress()
{
    if (shown_)
        std::fputc('\n', stderr);
}

void TerminalProgress::show(const CompareCount& count)
{
    if (!terminal_)
        return;
    Clock::time_point now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100))
        return;
    last_ = now;
    shown_ = true;
    const double mb = 1024.0 * 1024.0;
    std::fprintf(stderr, "\rcompared %llu / %llu files, %.0f / %.0f MB   ",
                 static_cast<unsigned long long>(count.files),
                 static_cast<unsigned long long>(count.totalFiles), count.bytes / mb,
                 count.totalBytes / mb);
    std::fflush(stderr);
}
