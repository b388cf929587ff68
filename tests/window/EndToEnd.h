#pragma once
// What end-to-end tests of the window share: waiting, finding its parts, and input through the
// system's queue.
#include "harness/OpenMenu.h"
#include "harness/Processes.h"

#include <windows.h>

#include <functional>
#include <utility>

namespace hx::e2e {

inline bool Within(DWORD ms, const std::function<bool()>& condition) {
    const DWORD until = GetTickCount() + ms;
    while (!condition()) {
        if (GetTickCount() > until)
            return false;
        Sleep(50);
    }
    return true;
}

// The main window of a copy once it shows; null when it does not within some seconds.
inline HWND ShownMainForm(TProgram& copy) {
    const HWND form = copy.FindWindowOfClass(L"TMainForm", 10000);
    return form && Within(3000, [&] { return IsWindowVisible(form) != FALSE; }) ? form : nullptr;
}

// Where a window's top-left corner is on the screen, comparable in one expectation.
inline std::pair<long, long> TopLeft(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top};
}

// Moves a window as a drag would end, and lets the copy take the move in.
inline void PlaceWindow(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Sleep(300);
}

inline BOOL CALLBACK FindPercentLabel(HWND w, LPARAM p) {
    if (WindowText(w).ends_with(L"%")) {
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
    }
    return TRUE;
}

// The big volume label of a copy's main window, hidden or not.
inline HWND VolumeLabel(HWND form) {
    HWND label = nullptr;
    EnumChildWindows(form, FindPercentLabel, LPARAM(&label));
    return label;
}

// The cursor moved to a screen point as a mouse would move it.
inline void MoveTo(POINT p) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(200);
}

inline void Wheel(int delta) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = DWORD(delta);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    SendInput(1, &input, sizeof(INPUT));
}

inline void Key(WORD key) {
    INPUT input[2] = {};
    for (INPUT& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// A press and release at a screen point, through the system's input queue; the move first,
// so that a menu under the point tracks it.
inline void ClickAt(POINT p, DWORD down, DWORD up) {
    MoveTo(p);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(50);
    input.mi.dwFlags = up;
    SendInput(1, &input, sizeof(INPUT));
}

} // namespace hx::e2e
