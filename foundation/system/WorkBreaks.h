// Breaks in long work for the windows of its thread.
//
// Work done on the thread that owns windows keeps them waiting: they
// neither paint nor answer the system, which after a few seconds calls
// them hung.  Such work calls workBreak() often (after each file, between
// the chunks of a large one).  While a WorkBreaks object lives on the
// thread, a call made kInterval ms or more after the last break runs the
// object's handler, which lets the windows handle what waits for them.
// Without one, workBreak() does nothing and costs next to nothing.
#pragma once

#include <cstdint>

class WorkBreaks {
public:
    using Handler = void (*)(void* context);
    static constexpr std::uint32_t kInterval = 50;  // ms

    // Breaks on this thread run handler(context) from now on; the thread's
    // earlier breaks, if any, hold again once this object is gone.
    WorkBreaks(Handler handler, void* context);
    ~WorkBreaks();
    WorkBreaks(const WorkBreaks&) = delete;
    WorkBreaks& operator=(const WorkBreaks&) = delete;

private:
    friend void workBreak();
    friend void takeWorkBreak();
    friend bool workBreaksTaken();

    void take();

    Handler handler_;
    void* context_;
    WorkBreaks* outer_;
    std::uint32_t last_;
};

// A break, when one is due.
void workBreak();
// A break now: for a wait that lasts anyway.
void takeWorkBreak();
// Whether this thread takes breaks: a call that would keep it long (the
// copy of a large file) may then run on a thread of its own while this one
// waits and takes its breaks.
bool workBreaksTaken();
