#include "ui/Dpi.h"

#include "ui/SystemLibrary.h"

#include <initializer_list>

namespace {

using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TGetSystemMetricsForDpi = int(WINAPI*)(int, UINT);
using TAdjustWindowRectExForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using TSystemParametersInfoForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

} // namespace

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}

int MonitorDpi(HMONITOR monitor) {
    static const auto query = SystemFunction<TGetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    // 0: the effective density, the one the user's scale setting gives.
    if (query && monitor && SUCCEEDED(query(monitor, 0, &x, &y)) && y > 0)
        return int(y);
    return SystemDpi();
}

int WindowDpi(HWND window) {
    static const auto query = SystemFunction<TGetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
    if (const UINT dpi = query && window ? query(window) : 0; dpi > 0)
        return int(dpi);
    return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int MetricForDpi(int index, int dpi) {
    static const auto query =
        SystemFunction<TGetSystemMetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
    if (query)
        return query(index, UINT(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust =
        SystemFunction<TAdjustWindowRectExForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&rect, style, FALSE, exStyle, UINT(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi) {
    static const auto query =
        SystemFunction<TSystemParametersInfoForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (query && query(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, UINT(dpi)))
        return metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    // The system answers for its own density.
    const int system = SystemDpi();
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont})
        font->lfHeight = MulDiv(font->lfHeight, dpi, system);
    return metrics;
}
