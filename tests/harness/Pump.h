#pragma once
// Runs this thread's message loop in a test, so that real timer ticks, posted messages and
// hook calls are dispatched.
#include <windows.h>

#include <functional>

// Dispatches messages until done() answers true (then true) or ms have passed (then false).
inline bool PumpUntil(const std::function<bool()>& done, DWORD ms = 2000) {
    const ULONGLONG end = GetTickCount64() + ms;
    MSG msg;
    for (;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}
