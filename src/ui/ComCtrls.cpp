#include "ui/ComCtrls.h"

#include <commctrl.h>

TUpDown::TUpDown(TComponent* AOwner, TWinControl* parent, const TUpDownParams& params)
    : TWinControl(AOwner) {
    const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&init);
    TCreateParams create;
    create.WinClassName = UPDOWN_CLASSW;
    create.SystemClass = true;
    create.Style = WS_CHILD | WS_VISIBLE | (params.ArrowKeys ? UDS_ARROWKEYS : 0) |
                   (params.TabStop ? WS_TABSTOP : 0);
    create.Bounds = params.Bounds;
    create.WndParent = parent->Handle();
    CreateHandle(create);
    // Some versions of the control narrow themselves to a default width on creation.
    const RECT r = ScaleFrom96(params.Bounds, Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Perform(UDM_SETRANGE32, WPARAM(params.Min), LPARAM(params.Max));
    SetPosition(params.Position);
}

int TUpDown::Position() const {
    return static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int value) {
    SendMessageW(Handle(), UDM_SETPOS32, 0, LPARAM(value));
}

LRESULT TUpDown::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CN_VSCROLL) {
        if (LOWORD(wParam) == SB_THUMBPOSITION && OnClick)
            OnClick(this);
        return 0;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}
