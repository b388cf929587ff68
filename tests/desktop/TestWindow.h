#pragma once
// A plain top-level test window that counts the messages a test asks about.
#include "desktop/Geometry.h"
#include "desktop/Placement.h"
#include "harness/Pump.h"

#include <gtest/gtest.h>

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

// The window's rectangle in screen pixels.
inline TRect RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A window placed there touches a monitor, so the off-screen rescue must not move it.
inline void ExpectLeftOnScreenWhereItIs(const TRect& place) {
    TTestWindow window(WS_POPUP, place.Left, place.Top, place.Right - place.Left,
                       place.Bottom - place.Top);
    ASSERT_EQ(RectOf(window.Handle()), place);
    EnsureWindowOnScreen(window.Handle());
    EXPECT_EQ(RectOf(window.Handle()), place);
}
