// FCCriticalSection: a critical section that lives as long as the object.
//
// The program runs on one thread and never enters one, so the class has no
// more than its lifetime: created with the object, deleted with it.
#pragma once

#include <windows.h>

class FCCriticalSection {
public:
    FCCriticalSection() { InitializeCriticalSection(&section_); }
    FCCriticalSection(const FCCriticalSection&) = delete;
    FCCriticalSection& operator=(const FCCriticalSection&) = delete;
    virtual ~FCCriticalSection() { DeleteCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
};
