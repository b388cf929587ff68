// The floor of the resident design: a hidden window, one notification-area icon and the two
// periodic timers the program runs (the device watch each second, the icon's 20 ms pointer
// watch), and nothing else. With "/w" it shows its window instead of adding the icon, the floor
// of the window start-up; with "/t" it quits after one second, the floor of a one-shot copy.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

const wchar_t ClassName[] = L"THushletBaseline";
constexpr UINT IconId = 1;
constexpr UINT_PTR WatchTimer = 1;
constexpr UINT_PTR PointerTimer = 2;
constexpr UINT_PTR CloseTimer = 3;

NOTIFYICONDATAW IconRecord(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = IconId;
    return data;
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_TIMER:
        if (wParam == CloseTimer)
            PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_CLOSE: {
        NOTIFYICONDATAW data = IconRecord(window);
        Shell_NotifyIconW(NIM_DELETE, &data);
        DestroyWindow(window);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// The first argument's switch letter, 0 for none.
wchar_t Mode() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    const wchar_t mode = args && count > 1 && args[1][0] == L'/' ? args[1][1] : 0;
    LocalFree(args);
    return mode;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = ClassName;
    if (!RegisterClassW(&wc))
        return 1;
    const HWND window =
        CreateWindowExW(0, ClassName, L"Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 240, 160, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    const wchar_t mode = Mode();
    if (mode == L'w') {
        ShowWindow(window, SW_SHOWNORMAL);
    } else if (mode == L't') {
        SetTimer(window, CloseTimer, 1000, nullptr);
    } else {
        NOTIFYICONDATAW data = IconRecord(window);
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = WM_APP;
        data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wcscpy(data.szTip, L"Baseline");
        Shell_NotifyIconW(NIM_ADD, &data);
    }
    SetTimer(window, WatchTimer, 1000, nullptr);
    SetTimer(window, PointerTimer, 20, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
