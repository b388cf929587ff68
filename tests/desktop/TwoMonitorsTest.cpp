// Run by run-two-monitors on a screen split into a primary 1280x800 monitor at (0, 0) and a
// 1024x768 one at (1280, 0), without a virtual desktop.
#include "desktop/Placement.h"
#include "desktop/Taskbar.h"
#include "desktop/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

BOOL CALLBACK AddMonitorRect(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
    return TRUE;
}

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitorRect, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

// The enumeration index of the monitor holding the point, as an oracle independent of the code.
std::int32_t IndexOfMonitorAt(int x, int y) {
    const std::vector<RECT> rects = MonitorRects();
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (x >= rects[i].left && x < rects[i].right && y >= rects[i].top && y < rects[i].bottom)
            return static_cast<std::int32_t>(i);
    return -1;
}

TEST(TwoMonitors, TheScreenHasTwoMonitors) {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    ASSERT_NE(IndexOfMonitorAt(100, 100), -1);
    ASSERT_NE(IndexOfMonitorAt(1500, 100), -1);
    EXPECT_EQ(IndexOfMonitorAt(1500, 780), -1);
}

TEST(TwoMonitors, MonitorIndexFollowsTheWindow) {
    const std::int32_t first = IndexOfMonitorAt(100, 100), second = IndexOfMonitorAt(1500, 100);
    ASSERT_NE(first, second);
    TTestWindow window(WS_POPUP, 100, 100, 300, 200);
    EXPECT_EQ(GetWindowMonitorIndex(window.Handle()), first);
    // Mostly on the second monitor: 80 pixels on the first, 220 on the second.
    MoveWindow(window.Handle(), 1200, 100, 300, 200, FALSE);
    EXPECT_EQ(GetWindowMonitorIndex(window.Handle()), second);
    MoveWindow(window.Handle(), 1300, 500, 300, 200, FALSE);
    EXPECT_EQ(GetWindowMonitorIndex(window.Handle()), second);
    MoveWindow(window.Handle(), 1000, 500, 300, 200, FALSE);
    EXPECT_EQ(GetWindowMonitorIndex(window.Handle()), first);
}

TEST(TwoMonitors, WindowsTouchingEitherMonitorStay) {
    const TRect places[] = {
        {1500, 100, 1800, 300},  // wholly on the second monitor
        {-200, -200, 3200, 900}, // only its centre, on the second monitor
        {-100, -1000, 1400, 50}, // only its bottom-right point, on the second monitor
        {2000, -400, 2400, 100}, // only its bottom-left point
    };
    for (const TRect& place : places)
        ExpectLeftOnScreenWhereItIs(place);
}

TEST(TwoMonitors, WindowInTheGapBelowTheSecondMonitorIsCentredOnThePrimary) {
    TTestWindow window(WS_POPUP, 1400, 770, 100, 20);
    ASSERT_TRUE(IsRectOffScreen(1400, 770, 100, 20));
    EnsureWindowOnScreen(window.Handle());
    const TRect area = GetPlacementArea();
    const std::int32_t left = (area.Right - 100) / 2, top = (area.Bottom - 20) / 2;
    EXPECT_EQ(RectOf(window.Handle()), (TRect{left, top, left + 100, top + 20}));
    EXPECT_EQ(IndexOfMonitorAt(left, top), IndexOfMonitorAt(100, 100));
}

} // namespace
