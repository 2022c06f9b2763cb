// Watches whether a window of another program answers: every 100 ms a
// second thread sends it WM_NULL and notes how long the answer took.  The
// system itself calls a window hung when it has not answered for 5 s.
#pragma once

#include <windows.h>

#include <string>

class AnswerWatch {
public:
    AnswerWatch() = default;
    AnswerWatch(const AnswerWatch&) = delete;
    AnswerWatch& operator=(const AnswerWatch&) = delete;
    ~AnswerWatch();

    // Starts watching window; false when a watch runs already.
    bool start(HWND window);
    // Ends the watch; false when none ran.
    bool stop();

    bool running() const { return thread_ != nullptr; }
    long samples() const { return samples_; }
    // The longest answer time in milliseconds; a window that closed or
    // never answered within the limit counts with the whole wait.
    double longest() const { return longest_; }

private:
    static DWORD WINAPI watch(void* self);
    void sample();

    HWND window_ = nullptr;
    HANDLE thread_ = nullptr;
    HANDLE stop_ = nullptr;
    long samples_ = 0;
    double longest_ = 0;
};
