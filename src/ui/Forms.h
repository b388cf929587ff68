#pragma once
#include "ui/Controls.h"

// Settings a form is created with; sizes at 96 dots per inch.
struct TFormParams {
    std::wstring ClassName;
    std::wstring Caption;
    int Left = 0;
    int Top = 0;
    int ClientWidth = 0;
    int ClientHeight = 0;
    std::wstring IconResource; // the window's icon, by resource name; empty: none
    bool ScreenSnap = false;   // a drag snaps to the monitor's work area within 10 pixels
};

// A top-level window of the program: fixed single border, system menu and minimise box.
class TForm : public TWinControl {
public:
    TForm(TComponent* AOwner, const TFormParams& params);
    ~TForm() override;

    // Runs OnCreate once the derived form is fully built.
    void AfterConstruction();

    void Show();
    void Hide();
    bool Visible() const;
    // Asks OnCloseQuery; when allowed the main form ends the application, others hide.
    void Close();
    virtual bool CloseQuery();

    // The control that receives the keyboard focus whenever the form is active; null: the
    // form itself. Set while the form is inactive, it takes effect at the next activation.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Makes the form the active window, which puts the focus on its active control.
    void TakeFocus();

    int Left() const;
    int Top() const;
    void SetLeft(int value);
    void SetTop(int value);

    // Lays the form and every control on it out for a density. The window takes the given
    // rectangle, or without one keeps its top-left corner and takes the size the layout needs.
    void ChangeDpi(int dpi, const RECT* bounds);
    void ChangeDpi(int dpi) override { ChangeDpi(dpi, nullptr); }
    // Follows the density of the monitor the window lies on, where it differs from the form's.
    void FollowMonitorDpi();
    // The client area's size in pixels; the window keeps its top-left corner.
    void SetClientSize(int width, int height);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseQueryEvent OnCloseQuery;
    // Offered Tab, Enter, Escape, Cancel, Execute and the arrow keys before any control sees
    // them, unless the focused control claims the key; a result other than 0 ends the key.
    TDialogKeyEvent OnDialogKey;
    // Key preview: every key-down not ended as a dialog key, before the focused control.
    // Setting Key to 0 keeps it from the control.
    TKeyEvent OnKeyDown;
    // One event per 120 units of wheel delta collected over the form and its controls.
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

protected:
    // Runs after every density change, once the controls have their designed places: a form
    // whose captions need more room than the design gives them makes it here.
    virtual void AlignControls() {}
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool PreviewKey(TWinControl* control, WPARAM key) override;
    bool PreviewWheel(int delta) override;

private:
    RECT WindowRect() const;
    void SetIcons();
    void MoveTo(int left, int top);
    void SnapWhileDragged(WINDOWPOS& pos) const;

    TWinControl* FActiveControl = nullptr;
    std::wstring FIconResource;
    int FClientWidth;
    int FClientHeight;
    bool FScreenSnap;
    bool FDragging = false;
    int FWheelDelta = 0;
};
