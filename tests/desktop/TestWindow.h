#pragma once
// A plain top-level test window that counts the messages a test asks about.
#include <windows.h>

#include <map>

class TTestWindow {
public:
    explicit TTestWindow(DWORD style = WS_POPUP, int left = 100, int top = 100, int width = 300,
                         int height = 200);
    ~TTestWindow();
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;

    HWND Handle() const { return FHandle; }
    int Count(UINT message) const;
    void ResetCounts() { FCounts.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FHandle = nullptr;
    std::map<UINT, int> FCounts;
};

// Dispatches this thread's messages for the given time, or until done() says so.
template <class TDone> bool PumpUntil(TDone done, DWORD milliseconds = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
    return true;
}

inline void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}
