// Handling the messages that wait for the thread, while work goes on.
#pragma once

#include <windows.h>

// Handles every message already waiting for this thread, the keys of
// dialog through the dialog's own keyboard handling, and returns once none
// waits or dialog is gone; it never waits.  A quit request belongs to the
// message loop further up: it is put back for that loop to see.
void handleWaitingMessages(HWND dialog);
