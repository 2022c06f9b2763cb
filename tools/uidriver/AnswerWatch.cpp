#include "AnswerWatch.h"

namespace {

const DWORD kInterval = 100;
// Far past the system's 5 s: a window that answers late is measured, not cut off.
const UINT kLimit = 60000;

double milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

}  // namespace

AnswerWatch::~AnswerWatch() {
    stop();
}

bool AnswerWatch::start(HWND window) {
    if (thread_) {
        return false;
    }
    window_ = window;
    samples_ = 0;
    longest_ = 0;
    stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, watch, this, 0, nullptr);
    return thread_ != nullptr;
}

bool AnswerWatch::stop() {
    if (!thread_) {
        return false;
    }
    SetEvent(stop_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(stop_);
    thread_ = nullptr;
    stop_ = nullptr;
    return true;
}

DWORD WINAPI AnswerWatch::watch(void* self) {
    auto* watch = static_cast<AnswerWatch*>(self);
    while (WaitForSingleObject(watch->stop_, kInterval) == WAIT_TIMEOUT && IsWindow(watch->window_)) {
        watch->sample();
    }
    return 0;
}

void AnswerWatch::sample() {
    LARGE_INTEGER sent, answered;
    QueryPerformanceCounter(&sent);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, kLimit, &result);
    QueryPerformanceCounter(&answered);
    const double took = milliseconds(sent, answered);
    ++samples_;
    if (took > longest_) {
        longest_ = took;
    }
}
