// The detail line (1000) of a patch dialog while its commands run.  Each
// line of the command section puts its text here, and a timer of the dialog
// shows the latest text at most every kInterval ms: a run of small records
// spends its time on the files, not on painting the line, and the line still
// shows the record at work while that record waits for the user in a box
// (the box's own message loop runs the timer too).
#pragma once

#include "foundation/text/FCString.h"

#include <windows.h>

class DetailLine {
public:
    static constexpr UINT_PTR kTimer = 1000;
    static constexpr UINT kInterval = 40;  // ms

    // Starts the timer of dialog.
    void start(HWND dialog);
    // The text of the line at work, shown at the timer's next tick.
    void put(const FCString& text);
    // The timer's tick (WM_TIMER with kTimer): the latest text into the
    // line, when it is not there yet.
    void tick();
    // Stops the timer; a text not shown yet is dropped, since the end texts
    // follow.
    void stop();

private:
    HWND dialog_ = nullptr;
    FCString text_;
    bool waiting_ = false;
};
