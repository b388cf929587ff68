#include "ui/ExtCtrls.h"

#include "ui/Styles.h"

TPanel::TPanel(TComponent* AOwner, TWinControl* parent, const RECT& bounds) : TWinControl(AOwner) {
    TCreateParams create;
    create.WinClassName = L"TPanel";
    create.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    create.Bounds = bounds;
    create.WndParent = parent->Handle();
    CreateHandle(create);
}

LRESULT TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(HDC(wParam), &r, TStyleManager::FaceBrush());
        return 1;
    }
    return TWinControl::WndProc(msg, wParam, lParam);
}
