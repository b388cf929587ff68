#include "ui/StdCtrls.h"

#include "ui/Styles.h"

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
