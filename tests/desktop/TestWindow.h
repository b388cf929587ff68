#pragma once
// A plain top-level test window that counts the messages a test asks about.
#include "harness/Pump.h"

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
