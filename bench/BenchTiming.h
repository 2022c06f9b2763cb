// The clock and the two summaries that the Windows benchmarks judge their
// rounds by: each way's best round (the rate it reaches when nothing holds
// it back) and, printed beside it, the median.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

// The exit status of a benchmark.
enum Status { kPassed = 0, kFailed = 1, kCannotRun = 2 };

// The performance counter, in seconds.
inline double seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline double best(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

}  // namespace bench
