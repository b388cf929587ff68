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

enum class TAlignment { LeftJustify, RightJustify };

struct TLabelParams {
    std::wstring Caption;
    RECT Bounds{};
    TAlignment Alignment = TAlignment::LeftJustify;
    bool CenterVertically = false; // one line, centred in the height
    bool ShowAccelChar = true;     // false: "&" is shown as a character
    bool AutoHeight = false;       // the height is one line of the label's font
};

// A text label drawn by the toolkit in the style's colours; it never takes the focus.
class TLabel : public TWinControl {
public:
    TLabel(TComponent* AOwner, TWinControl* parent, const TLabelParams& params);

    void SetCaption(const std::wstring& caption);

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void DoMouseDown(TMouseButton button, LPARAM lParam);
    void FitHeightTo(HFONT font);
    UINT FDrawFlags;
    bool FAutoHeight;
};
