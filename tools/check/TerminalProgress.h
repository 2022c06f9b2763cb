// The comparison's progress on standard error, one line rewritten in
// place: only on a terminal, and only once the comparison has taken more
// than a second.  In a pipe or a file nothing is written.
#pragma once

#include "TreeCompare.h"

#include <chrono>

class TerminalProgress {
public:
    TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    // Ends the line, if one was written.
    ~TerminalProgress();

    void show(const CompareCount& count);

private:
    bool terminal_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point last_;
};
