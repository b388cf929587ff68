#include "ui/StdCtrls.h"

#include "ui/Styles.h"
#include "ui/SystemLibrary.h"

#include <windowsx.h>

TCheckBox::TCheckBox(TComponent* AOwner, TWinControl* parent, const TCheckBoxParams& params)
    : TWinControl(AOwner) {
    TCreateParams create;
    create.WinClassName = L"BUTTON";
    create.SystemClass = true;
    // Not an automatic box: the tick changes in one place, SetChecked, for users and code alike.
    create.Style = WS_CHILD | WS_VISIBLE | BS_CHECKBOX | (params.TabStop ? WS_TABSTOP : 0);
    create.Bounds = params.Bounds;
    create.Caption = params.Caption;
    create.WndParent = parent->Handle();
    CreateHandle(create);
    // A themed box draws its caption in the theme's colour, unreadable on a dark face.
    // Windows 2000 has no themes, nor the library that switches them off.
    using TSetWindowTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto setWindowTheme =
        SystemFunction<TSetWindowTheme>(L"uxtheme.dll", "SetWindowTheme");
    if (TStyleManager::IsCustomStyleActive() && setWindowTheme)
        setWindowTheme(Handle(), L"", L"");
}

void TCheckBox::SetChecked(bool value) {
    if (value == FChecked)
        return;
    FChecked = value;
    Perform(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED);
    if (OnClick)
        OnClick(this);
}

LRESULT TCheckBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case CN_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            SetChecked(!FChecked);
        return 0;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
        return TStyleManager::PaintControlColors(HDC(wParam));
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}

TLabel::TLabel(TComponent* AOwner, TWinControl* parent, const TLabelParams& params)
    : TWinControl(AOwner), FAutoHeight(params.AutoHeight) {
    FDrawFlags = (params.Alignment == TAlignment::RightJustify ? DT_RIGHT : DT_LEFT) |
                 (params.CenterVertically ? DT_VCENTER | DT_SINGLELINE : 0) |
                 (params.ShowAccelChar ? 0 : DT_NOPREFIX);
    TCreateParams create;
    create.WinClassName = L"TLabel";
    create.Style = WS_CHILD | WS_VISIBLE;
    create.Bounds = params.Bounds;
    create.Caption = params.Caption;
    create.WndParent = parent->Handle();
    CreateHandle(create);
}

void TLabel::SetCaption(const std::wstring& caption) {
    if (caption == Text())
        return;
    SetText(caption);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::FitHeightTo(HFONT font) {
    const HDC dc = GetDC(Handle());
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, metrics.tmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TLabel::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(Handle(), &ps);
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, TStyleManager::FaceBrush());
    SetTextColor(dc, TStyleManager::Colors().Text);
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ oldFont = SelectObject(dc, FontHandle());
    const std::wstring text = Text();
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, FDrawFlags);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &ps);
}

void TLabel::DoMouseDown(TMouseButton button, LPARAM lParam) {
    if (!OnMouseDown)
        return;
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(Handle(), &p);
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    OnMouseDown(this, button, shift, p.x, p.y);
}

LRESULT TLabel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetCapture(Handle());
        DoMouseDown(mbLeft, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        DoMouseDown(mbRight, lParam);
        return 0;
    case WM_MBUTTONDOWN:
        DoMouseDown(mbMiddle, lParam);
        return 0;
    case WM_LBUTTONUP: {
        // A click is a press and release of the left button both on the label.
        const bool captured = GetCapture() == Handle();
        ReleaseCapture();
        RECT r;
        GetClientRect(Handle(), &r);
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (captured && PtInRect(&r, p) && OnClick)
            OnClick(this);
        return 0;
    }
    case WM_SETFONT:
        if (FAutoHeight)
            FitHeightTo(HFONT(wParam));
        InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}
