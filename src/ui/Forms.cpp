#include "ui/Forms.h"

#include "ui/Application.h"
#include "ui/FormSnap.h"
#include "ui/Styles.h"

namespace {
const DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
const int SnapDistance = 10;

HICON LoadIconResource(const std::wstring& name, int sizeMetric, int dpi) {
    const int size = MetricForDpi(sizeMetric, dpi);
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, size, size, LR_SHARED));
}
bool IsDialogKey(WPARAM key) {
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
    case VK_EXECUTE:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

// Whether the focused control wants the key for itself, as it answers the platform's query.
bool ClaimsKey(TWinControl* control, WPARAM key) {
    const LRESULT code = control->Perform(WM_GETDLGCODE, key, 0);
    if (code & DLGC_WANTALLKEYS)
        return true;
    if (key == VK_TAB)
        return code & DLGC_WANTTAB;
    return key >= VK_LEFT && key <= VK_DOWN && (code & DLGC_WANTARROWS);
}

// Every control on the form, its panels' controls too.
BOOL CALLBACK ChangeChildDpi(HWND child, LPARAM dpi) {
    if (TWinControl* control = TWinControl::FromHandle(child))
        control->ChangeDpi(int(dpi));
    return TRUE;
}

TShiftState KeyboardShiftState() {
    TShiftState state = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        state |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        state |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        state |= ssAlt;
    return state;
}

} // namespace

TForm::TForm(TComponent* AOwner, const TFormParams& params)
    : TWinControl(AOwner), FIconResource(params.IconResource), FClientWidth(params.ClientWidth),
      FClientHeight(params.ClientHeight), FScreenSnap(params.ScreenSnap) {
    // Laid out for the monitor the window opens on.
    FDpi = MonitorDpi(MonitorFromPoint({params.Left, params.Top}, MONITOR_DEFAULTTONEAREST));
    RECT bounds{params.Left, params.Top, params.Left + Scaled(FClientWidth),
                params.Top + Scaled(FClientHeight)};
    AdjustWindowRectForDpi(bounds, FormStyle, 0, FDpi);
    OffsetRect(&bounds, params.Left - bounds.left, params.Top - bounds.top);
    TCreateParams create;
    create.WinClassName = params.ClassName;
    create.Style = FormStyle;
    create.Bounds = bounds;
    create.Caption = params.Caption;
    // Owned by the application's hidden window, as every form of the program is.
    create.WndParent = Application ? Application->Handle() : nullptr;
    CreateHandle(create);
    TStyleManager::ApplyToWindow(Handle());
    SetIcons();
}

void TForm::SetIcons() {
    if (FIconResource.empty())
        return;
    Perform(WM_SETICON, ICON_BIG, LPARAM(LoadIconResource(FIconResource, SM_CXICON, FDpi)));
    Perform(WM_SETICON, ICON_SMALL, LPARAM(LoadIconResource(FIconResource, SM_CXSMICON, FDpi)));
}

void TForm::ChangeDpi(int dpi, const RECT* bounds) {
    TWinControl::ChangeDpi(dpi);
    EnumChildWindows(Handle(), ChangeChildDpi, LPARAM(dpi));
    SetIcons();
    RECT r{0, 0, Scaled(FClientWidth), Scaled(FClientHeight)};
    if (bounds) {
        r = *bounds;
    } else {
        AdjustWindowRectForDpi(r, FormStyle, 0, dpi);
        OffsetRect(&r, Left() - r.left, Top() - r.top);
    }
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    AlignControls();
}

void TForm::SetClientSize(int width, int height) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (client.right == width && client.bottom == height)
        return;
    // The frame as it is drawn, whatever density the system draws it at.
    const RECT window = WindowRect();
    SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + width - client.right,
                 window.bottom - window.top + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::FollowMonitorDpi() {
    const int dpi = MonitorDpi(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST));
    if (dpi != Dpi())
        ChangeDpi(dpi, nullptr);
}

TForm::~TForm() {
    if (OnDestroy)
        OnDestroy(this);
}

void TForm::AfterConstruction() {
    // An error ends the creation handler only: the form exists all the same.
    try {
        if (OnCreate)
            OnCreate(this);
    } catch (const std::exception& e) {
        const std::string text = e.what();
        std::wstring message(text.size(), L'\0');
        message.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()),
                                           message.data(), int(message.size())));
        ShowErrorDialog(message);
    }
}

bool TForm::PreviewKey(TWinControl* control, WPARAM key) {
    if (IsDialogKey(key) && !ClaimsKey(control, key)) {
        long result = 0;
        if (OnDialogKey)
            OnDialogKey(this, std::uint16_t(key), result);
        if (result)
            return true;
    }
    std::uint16_t code = std::uint16_t(key);
    if (OnKeyDown)
        OnKeyDown(this, code, KeyboardShiftState());
    return code == 0;
}

bool TForm::PreviewWheel(int delta) {
    FWheelDelta += delta;
    bool handled = false;
    for (; FWheelDelta >= WHEEL_DELTA; FWheelDelta -= WHEEL_DELTA)
        if (OnMouseWheelUp)
            OnMouseWheelUp(this, handled);
    for (; FWheelDelta <= -WHEEL_DELTA; FWheelDelta += WHEEL_DELTA)
        if (OnMouseWheelDown)
            OnMouseWheelDown(this, handled);
    return handled;
}

void TForm::Show() {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void TForm::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

bool TForm::Visible() const {
    return IsWindowVisible(Handle()) != FALSE;
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (!CloseQuery())
        return;
    if (Application && Application->MainForm == this)
        Application->Terminate();
    else
        Hide();
}

void TForm::SetActiveControl(TWinControl* control) {
    FActiveControl = control;
    if (control && GetActiveWindow() == Handle())
        SetFocus(control->Handle());
}

void TForm::TakeFocus() {
    SetActiveWindow(Handle());
}

void TForm::SnapWhileDragged(WINDOWPOS& pos) const {
    if (!FScreenSnap || !FDragging || (pos.flags & SWP_NOMOVE))
        return;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &info);
    const RECT& a = info.rcWork;
    const RECT w = WindowRect();
    const TSnapRect moved{pos.x, pos.y, pos.x + (w.right - w.left), pos.y + (w.bottom - w.top)};
    const TSnapRect snapped =
        SnapToWorkArea(moved, {a.left, a.top, a.right, a.bottom}, SnapDistance);
    pos.x = snapped.Left;
    pos.y = snapped.Top;
}

RECT TForm::WindowRect() const {
    RECT r{};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    // An iconic window's own rectangle is the system's parking place far off every screen; the
    // place it comes back to is its restored one, which the system keeps relative to the work
    // area of its monitor.
    if (IsIconic(Handle()) && GetWindowPlacement(Handle(), &placement)) {
        r = placement.rcNormalPosition;
        if (!(GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info);
            OffsetRect(&r, info.rcWork.left - info.rcMonitor.left,
                       info.rcWork.top - info.rcMonitor.top);
        }
        return r;
    }
    GetWindowRect(Handle(), &r);
    return r;
}

int TForm::Left() const {
    return WindowRect().left;
}
int TForm::Top() const {
    return WindowRect().top;
}
void TForm::SetLeft(int value) {
    MoveTo(value, Top());
}
void TForm::SetTop(int value) {
    MoveTo(Left(), value);
}

void TForm::MoveTo(int left, int top) {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(FActiveControl ? FActiveControl->Handle() : Handle());
            return 0;
        }
        break;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
        FDragging = msg == WM_ENTERSIZEMOVE;
        break;
    case WM_WINDOWPOSCHANGING:
        SnapWhileDragged(*reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    // A log-off or shut-down asked for may still be cancelled by another program: nothing is
    // closed until the session really ends, and then the form closes as on any other close.
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            Close();
        return 0;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SHOWWINDOW:
        if (wParam && OnShow)
            OnShow(this);
        else if (!wParam && OnHide)
            OnHide(this);
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (TStyleManager::IsCustomStyleActive() && !TWinControl::FromHandle(HWND(lParam)))
            return TStyleManager::PaintControlColors(HDC(wParam));
        break;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(HDC(wParam), &r, TStyleManager::FaceBrush());
        return 1;
    }
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}
