#include "desktop/Placement.h"

#include "desktop/Taskbar.h"
#include "desktop/Win32Rect.h"
#include "desktop/WindowGeometry.h"

#include <vector>

namespace {

constexpr std::int32_t CentreMode = 10;

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    reinterpret_cast<std::vector<const void*>*>(list)->push_back(monitor);
    return TRUE;
}

} // namespace

bool GetVisibleWindowRect(HWND window, TRect& rect) {
    RECT platformRect{};
    const bool read = GetWindowRect(window, &platformRect) != FALSE;
    rect = ToTRect(platformRect);
    return read && !IsMinimisedPosition(rect);
}

bool GetWindowBounds(HWND window, std::int32_t& left, std::int32_t& top, std::int32_t& width,
                     std::int32_t& height) {
    TRect rect;
    if (!GetVisibleWindowRect(window, rect))
        return false;
    const TBounds bounds = BoundsOfRect(rect);
    left = bounds.Left;
    top = bounds.Top;
    width = bounds.Width;
    height = bounds.Height;
    return true;
}

bool IsRectOffScreen(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return IsOffScreenBy({left, top, width, height}, [](TPoint point) {
        return MonitorFromPoint({point.X, point.Y}, MONITOR_DEFAULTTONULL) != nullptr;
    });
}

void EnsureWindowOnScreen(HWND window) {
    if (IsZoomed(window))
        return;
    TBounds b;
    if (!GetWindowBounds(window, b.Left, b.Top, b.Width, b.Height) ||
        IsRectOffScreen(b.Left, b.Top, b.Width, b.Height))
        PlaceWindow(window, CentreMode);
}

void PlaceWindow(HWND window, std::int32_t mode) {
    const TRect area = GetPlacementArea();
    TBounds b;
    if (!GetWindowBounds(window, b.Left, b.Top, b.Width, b.Height))
        return;
    b = PlacedBounds(b, area, mode);
    MoveWindow(window, b.Left, b.Top, b.Width, b.Height, TRUE);
}

BOOL(WINAPI* EnumDisplayMonitorsApi)(HDC, LPCRECT, MONITORENUMPROC, LPARAM) = EnumDisplayMonitors;

std::int32_t GetWindowMonitorIndex(HWND window) {
    std::vector<const void*> monitors;
    EnumDisplayMonitorsApi(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return LastMatchingMonitorIndex(
        monitors, [window] { return MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST); });
}
