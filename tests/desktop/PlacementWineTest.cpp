#include "desktop/Placement.h"
#include "desktop/Taskbar.h"
#include "desktop/TestWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(PlacementWine, TaskbarEdgeAndPlacementAreaFromTheShell) {
    TRect taskbar{-1, -1, -1, -1};
    // The shell here always reports a bottom taskbar.
    EXPECT_EQ(GetTaskbarEdge(taskbar), teBottom);
    EXPECT_EQ(taskbar.Bottom, GetSystemMetrics(SM_CYSCREEN));
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const TRect area = GetPlacementArea();
    EXPECT_EQ(area,
              (TRect{work.left, work.top, work.right, work.bottom + taskbar.Bottom - taskbar.Top}));
}

TEST(PlacementWine, MinimisedWindowHasNoBoundsAndIsNeverMoved) {
    TTestWindow window(WS_OVERLAPPEDWINDOW);
    ShowWindow(window.Handle(), SW_MINIMIZE);
    const TRect parked = RectOf(window.Handle());
    ASSERT_EQ(parked.Left, -32000);
    ASSERT_EQ(parked.Top, -32000);
    TRect rect;
    EXPECT_FALSE(GetVisibleWindowRect(window.Handle(), rect));
    std::int32_t l = 1, t = 2, w = 3, h = 4;
    EXPECT_FALSE(GetWindowBounds(window.Handle(), l, t, w, h));
    EXPECT_EQ(l + t + w + h, 10);
    window.ResetCounts();
    EnsureWindowOnScreen(window.Handle());
    PlaceWindow(window.Handle(), 10);
    EXPECT_EQ(window.Count(WM_WINDOWPOSCHANGING), 0);
    EXPECT_EQ(RectOf(window.Handle()), parked);
}

TEST(PlacementWine, OneCoordinateAtTheMarkerIsAnOrdinaryPosition) {
    TTestWindow window(WS_POPUP, -32000, 100, 300, 200);
    std::int32_t l = 0, t = 0, w = 0, h = 0;
    ASSERT_TRUE(GetWindowBounds(window.Handle(), l, t, w, h));
    EXPECT_EQ((TBounds{l, t, w, h}), (TBounds{-32000, 100, 300, 200}));
    EXPECT_FALSE(GetWindowBounds(nullptr, l, t, w, h));
}

TEST(PlacementWine, OffScreenWindowGoesToTheCentreOfThePlacementArea) {
    TTestWindow window(WS_POPUP, 5000, 5000, 300, 200);
    EXPECT_TRUE(IsRectOffScreen(5000, 5000, 300, 200));
    EnsureWindowOnScreen(window.Handle());
    const TRect area = GetPlacementArea();
    const std::int32_t left = (area.Right - 300) / 2, top = (area.Bottom - 200) / 2;
    EXPECT_EQ(RectOf(window.Handle()), (TRect{left, top, left + 300, top + 200}));
}

TEST(PlacementWine, OnePointOnTheMonitorKeepsTheWindowWhereItIs) {
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const TRect places[] = {
        {-300, -200, 0, 0},                           // only its bottom-right point
        {-1000, -1000, cx / 2 + 1000, cy / 2 + 1000}, // only its centre
    };
    for (const TRect& place : places)
        ExpectLeftOnScreenWhereItIs(place);
}

TEST(PlacementWine, MaximisedWindowIsNeverMoved) {
    TTestWindow window(WS_OVERLAPPEDWINDOW);
    ShowWindow(window.Handle(), SW_MAXIMIZE);
    SetWindowPos(window.Handle(), nullptr, 5000, 5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(IsZoomed(window.Handle()));
    const TRect before = RectOf(window.Handle());
    ASSERT_EQ(before.Left, 5000);
    EnsureWindowOnScreen(window.Handle());
    EXPECT_EQ(RectOf(window.Handle()), before);
}

TEST(PlacementWine, ModesMoveWithinTheAreaAndUndefinedModesRepaintInPlace) {
    TTestWindow window(WS_POPUP, 10, 20, 300, 200);
    const TRect area = GetPlacementArea();
    PlaceWindow(window.Handle(), 9);
    EXPECT_EQ(RectOf(window.Handle()),
              (TRect{area.Right - 300, area.Bottom - 200, area.Right, area.Bottom}));
    for (const std::int32_t mode : {15, -1}) {
        SCOPED_TRACE(mode);
        const TRect before = RectOf(window.Handle());
        window.ResetCounts();
        PlaceWindow(window.Handle(), mode);
        EXPECT_EQ(window.Count(WM_WINDOWPOSCHANGING), 1);
        EXPECT_EQ(RectOf(window.Handle()), before);
    }
}

// The desktop's monitors behind two that no window is ever on.
BOOL WINAPI TwoMonitorsFirst(HDC dc, LPCRECT clip, MONITORENUMPROC proc, LPARAM data) {
    for (const UINT_PTR stranger : {0x7001u, 0x7002u})
        proc(reinterpret_cast<HMONITOR>(stranger), dc, nullptr, data);
    return EnumDisplayMonitors(dc, clip, proc, data);
}

TEST(PlacementWine, TheMonitorIndexIsThePlaceOfTheWindowsMonitorInTheList) {
    TTestWindow window(WS_POPUP, 5000, 5000, 300, 200);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
    EXPECT_EQ(GetWindowMonitorIndex(window.Handle()), 0);
    EnumDisplayMonitorsApi = TwoMonitorsFirst;
    const std::int32_t index = GetWindowMonitorIndex(window.Handle());
    EnumDisplayMonitorsApi = EnumDisplayMonitors;
    EXPECT_EQ(index, 2) << "the nearest monitor, off-screen windows included";
}

} // namespace
