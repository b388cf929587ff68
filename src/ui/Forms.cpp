#include "ui/Forms.h"

#include "ui/Application.h"
#include "ui/Styles.h"

namespace {
const DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}

TForm::TForm(TComponent* AOwner, const TFormParams& params) : TWinControl(AOwner) {
    RECT bounds{params.Left, params.Top, params.Left + params.ClientWidth,
                params.Top + params.ClientHeight};
    AdjustWindowRectEx(&bounds, FormStyle, FALSE, 0);
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
}

TForm::~TForm() {
    if (OnDestroy)
        OnDestroy(this);
}

void TForm::AfterConstruction() {
    if (OnCreate)
        OnCreate(this);
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

RECT TForm::WindowRect() const {
    RECT r{};
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
    case WM_QUERYENDSESSION:
        return CloseQuery() ? TRUE : FALSE;
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
