#pragma once
#include "ui/Controls.h"

struct TCheckBoxParams {
    std::wstring Caption;
    RECT Bounds{};
    bool TabStop = true;
};

// A check box whose OnClick runs on every change of its tick, by the user or by code.
class TCheckBox : public TWinControl {
public:
    TCheckBox(TComponent* AOwner, TWinControl* parent, const TCheckBoxParams& params);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);

    TNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool FChecked = false;
};
