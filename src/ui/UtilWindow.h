#pragma once
#include <windows.h>

#include <functional>

// An invisible top-level window (no parent, zero size, never shown) whose messages go to
// one bound procedure: the toolkit's timers, the tray icon and the timer service each own one.
class TUtilWindow {
public:
    using TWndMethod = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

    explicit TUtilWindow(TWndMethod method);
    ~TUtilWindow();
    TUtilWindow(const TUtilWindow&) = delete;
    TUtilWindow& operator=(const TUtilWindow&) = delete;

    HWND Handle() const { return FHandle; }

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    TWndMethod FMethod;
    HWND FHandle = nullptr;
};
