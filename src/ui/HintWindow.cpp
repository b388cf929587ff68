#include "ui/HintWindow.h"

#include "ui/Application.h"
#include "ui/Styles.h"

#include <algorithm>

namespace {

// The system's status-bar font is the hint font of every tooltip.
HFONT CreateHintFont(int dpi) {
    const NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(dpi);
    return metrics.lfStatusFont.lfHeight ? CreateFontIndirectW(&metrics.lfStatusFont) : nullptr;
}

// The font it replaced, to be put back.
HGDIOBJ SelectHintFont(HDC dc, HFONT font) {
    return SelectObject(dc, font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

THintLayout HintLayoutFor(int dpi) {
    if (dpi <= DesignDpi)
        return {1, 1, 2, 0, 4};
    const int frame = ScaleFrom96(1, dpi), room = frame + ScaleFrom96(1, dpi);
    return {frame, room, ScaleFrom96(2, dpi), 2 * room, ScaleFrom96(4, dpi)};
}

RECT KeepInside(RECT rect, const RECT& area) {
    const LONG width = std::min(rect.right - rect.left, area.right - area.left);
    const LONG height = std::min(rect.bottom - rect.top, area.bottom - area.top);
    const LONG left = std::clamp(rect.left, area.left, area.right - width);
    const LONG top = std::clamp(rect.top, area.top, area.bottom - height);
    return {left, top, left + width, top + height};
}

THintWindow::THintWindow(TComponent* AOwner) : TWinControl(AOwner) {
    FDpi = SystemDpi();
    FFont = CreateHintFont(FDpi);
}

void THintWindow::ChangeDpi(int dpi) {
    if (dpi == FDpi)
        return;
    FDpi = dpi;
    if (FFont)
        DeleteObject(FFont);
    FFont = CreateHintFont(dpi);
    if (HandleAllocated())
        InvalidateRect(Handle(), nullptr, TRUE);
}

THintWindow::~THintWindow() {
    ReleaseHandle();
    if (FFont)
        DeleteObject(FFont);
}

void THintWindow::HandleNeeded() {
    if (HandleAllocated())
        return;
    TCreateParams params;
    params.WinClassName = L"THushletHintWindow";
    params.Style = WS_POPUP;
    // Layered and transparent to the mouse: a hint lying over the tray icon must not take
    // the cursor away from it.
    params.ExStyle =
        WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
    params.WndParent = Application ? Application->Handle() : nullptr;
    CreateHandle(params);
    SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
}

RECT THintWindow::CalcTextRect(const std::wstring& text) {
    RECT rect{0, 0, 0, 0};
    const HDC dc = GetDC(Handle());
    const HGDIOBJ old = SelectHintFont(dc, FFont);
    DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    return rect;
}

void THintWindow::ActivateHint(RECT rect, const std::wstring& text) {
    HandleNeeded();
    FText = text;
    const THintLayout layout = HintLayoutFor(FDpi);
    rect.right += layout.GrowWidth;
    rect.bottom += layout.GrowHeight;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromPoint({rect.left, rect.top}, MONITOR_DEFAULTTONEAREST),
                        &monitor))
        rect = KeepInside(rect, monitor.rcMonitor);
    FWidth = rect.right - rect.left;
    FHeight = rect.bottom - rect.top;
    SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, FWidth, FHeight,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void THintWindow::ReleaseHandle() {
    DestroyHandle();
}

void THintWindow::Paint(HDC dc) {
    const bool styled = TStyleManager::IsCustomStyleActive();
    const COLORREF face = styled ? TStyleManager::Colors().Face : GetSysColor(COLOR_INFOBK);
    const COLORREF text = styled ? TStyleManager::Colors().Text : GetSysColor(COLOR_INFOTEXT);
    RECT client;
    GetClientRect(Handle(), &client);
    const HBRUSH background = CreateSolidBrush(face);
    FillRect(dc, &client, background);
    DeleteObject(background);
    const THintLayout layout = HintLayoutFor(FDpi);
    const HBRUSH frame = CreateSolidBrush(styled ? TStyleManager::Colors().Disabled : text);
    RECT ring = client;
    for (int i = 0; i < layout.Frame; ++i) {
        FrameRect(dc, &ring, frame);
        InflateRect(&ring, -1, -1);
    }
    DeleteObject(frame);
    RECT textRect = client;
    textRect.left += layout.TextLeft;
    textRect.top += layout.TextTop;
    const HGDIOBJ old = SelectHintFont(dc, FFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    DrawTextW(dc, FText.c_str(), -1, &textRect, DT_NOCLIP);
    SelectObject(dc, old);
}

LRESULT THintWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        Paint(BeginPaint(Handle(), &ps));
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(HDC(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}
