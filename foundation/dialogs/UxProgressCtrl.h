// UxProgressCtrl: the progress bar (msctls_progress32) of a dialog.
//
// Until attach the object talks to no window and every message it would
// send is dropped; getPos then reads 0.
#pragma once

#include <windows.h>

#include <cstdint>

class UxProgressCtrl {
public:
    UxProgressCtrl() = default;
    UxProgressCtrl(const UxProgressCtrl&) = delete;
    UxProgressCtrl& operator=(const UxProgressCtrl&) = delete;
    virtual ~UxProgressCtrl();

    // Takes the bar item of dialog, sets the range 0..100 and the step 1.
    void attach(HWND dialog, int itemId);
    void setRange(std::int32_t minimum, std::int32_t maximum);
    void setStep(std::int32_t step);
    void setPos(std::int32_t position);
    std::int32_t getPos() const;
    // Advances the bar by one step; true once the bar is full (it is then
    // set to its maximum, so a last partial step still shows as complete).
    bool stepIt();

    HWND dialog() const { return dialog_; }
    HWND bar() const { return bar_; }
    std::int32_t step() const { return step_; }
    std::int32_t minimum() const { return minimum_; }
    std::int32_t maximum() const { return maximum_; }

private:
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND dialog_ = nullptr;
    HWND bar_ = nullptr;
    std::int32_t step_ = 0;
    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 0;
};
