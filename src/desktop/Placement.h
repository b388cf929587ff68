#pragma once
// Window placement on the desktop: reading bounds, the off-screen rescue, placement modes and
// the monitor index.
#include "desktop/Geometry.h"

#include <cstdint>
#include <windows.h>

// False when the rectangle cannot be read or the window is minimised; rect is zero then.
bool GetVisibleWindowRect(HWND window, TRect& rect);
// The outputs are written only when the result is true.
bool GetWindowBounds(HWND window, std::int32_t& left, std::int32_t& top, std::int32_t& width,
                     std::int32_t& height);
// True when none of the rectangle's corners, its bottom-right point or its centre is on a monitor.
bool IsRectOffScreen(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
// Centres a window that lies off every monitor; maximised and minimised windows stay put.
void EnsureWindowOnScreen(HWND window);
// Moves the window by placement mode 0..14 in the placement area; other modes repaint in place.
void PlaceWindow(HWND window, std::int32_t mode);
// The index, in enumeration order, of the monitor nearest to the window; 0 when none matches.
std::int32_t GetWindowMonitorIndex(HWND window);
// How the monitor index lists the monitors; tests put more of them in front.
extern BOOL(WINAPI* EnumDisplayMonitorsApi)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
