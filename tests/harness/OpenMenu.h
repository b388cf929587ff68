#pragma once
// The popup menu on screen, whichever process opened it.
#include <windows.h>

#include <cwchar>

namespace hx::e2e {

inline BOOL CALLBACK FindMenu(HWND w, LPARAM p) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    if (wcscmp(name, L"#32768") == 0 && IsWindowVisible(w)) {
        *reinterpret_cast<HWND*>(p) = w;
        return FALSE;
    }
    return TRUE;
}

// The visible menu window, or null.
inline HWND OpenMenu() {
    HWND menu = nullptr;
    EnumWindows(FindMenu, LPARAM(&menu));
    return menu;
}

} // namespace hx::e2e
