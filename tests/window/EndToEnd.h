#pragma once
// What end-to-end tests of the window share: waiting, finding its parts, and input through the
// system's queue.
#include "harness/OpenMenu.h"
#include "harness/Processes.h"

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

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

struct TChildSearch {
    const wchar_t* ClassName;
    std::vector<HWND> Found;
};

inline BOOL CALLBACK CollectChild(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<TChildSearch*>(p);
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    if (_wcsicmp(name, s->ClassName) == 0)
        s->Found.push_back(w);
    return TRUE;
}

// The child windows of a window, at any depth, of one class.
inline std::vector<HWND> Children(HWND form, const wchar_t* className) {
    TChildSearch search{className, {}};
    EnumChildWindows(form, CollectChild, LPARAM(&search));
    return search.Found;
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

// The cursor moved off the tray icon while the copy's wheel hook is in place: Wine drops the
// moves another process synthesizes then, until the cursor has been set once.
inline void MoveOffHookedIcon(POINT p) {
    SetCursorPos(p.x - 1, p.y);
    MoveTo(p);
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

inline void LeftClickAt(POINT p) {
    ClickAt(p, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

inline POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The program's icon: the only one in the notification area, at the right end of the taskbar.
inline POINT TrayIconPoint() {
    RECT bar{};
    GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &bar);
    return {bar.right - 10, (bar.top + bar.bottom) / 2};
}

// A right press on the tray icon; the menu it opened, or null.
inline HWND RightPressTrayIcon() {
    ClickAt(TrayIconPoint(), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    HWND menu = nullptr;
    Within(4000, [&] { return (menu = OpenMenu()) != nullptr; });
    return menu;
}

// A right press on the tray icon and a click on the menu's first item: whether the window
// came. Under Wine a tray menu now and then answers no input at all until its process ends,
// or a press in a fresh desktop brings no menu; only a new copy helps then.
inline bool ShowFromTrayMenu(HWND form) {
    const HWND menu = RightPressTrayIcon();
    if (!menu)
        return false;
    RECT m{};
    GetWindowRect(menu, &m);
    LeftClickAt({m.left + 30, m.top + 10});
    return Within(4000, [&] { return IsWindowVisible(form) != FALSE; });
}

// Whether the volume hint is up beside the taskbar.
inline bool HintShown() {
    const HWND hint = FindWindowW(L"THushletHintWindow", nullptr);
    return hint && IsWindowVisible(hint);
}

// Whether the keyboard reaches the window: the foreground window, active in its own thread,
// with the focus on itself or one of its controls.
inline bool TakesKeys(HWND form) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetForegroundWindow() == form &&
           GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info) &&
           info.hwndActive == form && info.hwndFocus &&
           (info.hwndFocus == form || IsChild(form, info.hwndFocus));
}

inline BOOL CALLBACK SendEndSession(HWND window, LPARAM param) {
    const auto& [pid, ends] = *reinterpret_cast<std::pair<DWORD, bool>*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != pid)
        return TRUE;
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                        &answer);
    SendMessageTimeoutW(window, WM_ENDSESSION, ends, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return TRUE;
}

// What Windows sends every top-level window of a copy when a log-off is asked for and then
// cancelled by another program (ends false) or carried out (ends true).
inline void EndSession(TProgram& copy, bool ends) {
    std::pair<DWORD, bool> session{copy.Id(), ends};
    EnumWindows(SendEndSession, LPARAM(&session));
}

} // namespace hx::e2e
