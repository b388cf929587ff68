#pragma once
#include "ui/Controls.h"

struct TUpDownParams {
    RECT Bounds{};
    int Min = 0;
    int Max = 100;
    int Position = 0;
    bool ArrowKeys = true;
    bool TabStop = true;
};

// The platform's vertical up-down control: two arrow buttons, no attached edit field, no
// wrap-around. It moves its own position by one step and then raises OnClick.
class TUpDown : public TWinControl {
public:
    TUpDown(TComponent* AOwner, TWinControl* parent, const TUpDownParams& params);

    int Position() const;
    void SetPosition(int value);

    TNotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
