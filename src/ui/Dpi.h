#pragma once
// Display density as the system reports it. Functions newer than Vista are looked up at run
// time, once each; where they are missing the answers fall back to the one system-wide density.
#include <windows.h>

#ifndef WM_DPICHANGED
// Sent from Windows 8.1 on when a window's density changes: the new one, and the suggested
// window rectangle.
#define WM_DPICHANGED 0x02E0
#endif

// The density the layouts are designed at.
constexpr int DesignDpi = 96;

// A length designed at 96 dots per inch, at another density.
inline int ScaleFrom96(int value, int dpi) {
    return MulDiv(value, dpi, DesignDpi);
}

// A rectangle designed at 96 dots per inch: each edge scaled, so that neighbours stay neighbours.
inline RECT ScaleFrom96(const RECT& r, int dpi) {
    return {ScaleFrom96(r.left, dpi), ScaleFrom96(r.top, dpi), ScaleFrom96(r.right, dpi),
            ScaleFrom96(r.bottom, dpi)};
}

int SystemDpi();
int MonitorDpi(HMONITOR monitor);
int WindowDpi(HWND window);
// A system metric (SM_CXSMICON and the like) for a density.
int MetricForDpi(int index, int dpi);
// The window rectangle around a client rectangle, with the frame drawn at that density.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// The system's fonts (menu, status, message) for a density.
NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi);
