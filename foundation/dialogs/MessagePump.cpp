#include "MessagePump.h"

void handleWaitingMessages(HWND dialog)
{
    MSG msg;
    while (dialog != nullptr && IsWindow(dialog)) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            return;
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (IsDialogMessageA(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
