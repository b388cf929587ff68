#pragma once
#include "ui/Controls.h"

// A plain container in the style's face colour: no bevel, no caption.
class TPanel : public TWinControl {
public:
    TPanel(TComponent* AOwner, TWinControl* parent, const RECT& bounds);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
