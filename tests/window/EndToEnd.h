#pragma once
// What end-to-end tests of the window share: waiting, finding its parts, and input through the
// system's queue.
#include "harness/Processes.h"

#include <windows.h>

#include <functional>

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

inline BOOL CALLBACK FindMenu(HWND w, LPARAM p) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    if (wcscmp(name, L"#32768") == 0 && IsWindowVisible(w)) {
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
    }
    return TRUE;
}

inline HWND OpenMenu() {
    HWND menu = nullptr;
    EnumWindows(FindMenu, LPARAM(&menu));
    return menu;
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
