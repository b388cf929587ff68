#pragma once
// Runs the thread's message loop for a while, so real WM_TIMER messages are dispatched.
#include <windows.h>

#include <functional>

inline void PumpFor(DWORD ms, const std::function<bool()>& done = nullptr) {
    const ULONGLONG end = GetTickCount64() + ms;
    MSG msg;
    while (GetTickCount64() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        if (done && done())
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
