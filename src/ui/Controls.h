#pragma once
#include "ui/Component.h"

#include <windows.h>

#include <string>

// Notifications a parent hands back to the child control they concern, so that each
// control handles its own WM_COMMAND, WM_NOTIFY, colours and scroll messages.
enum : UINT {
    CN_BASE = 0xBC00,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_NOTIFY = CN_BASE + WM_NOTIFY,
    CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN,
    CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,
    CN_VSCROLL = CN_BASE + WM_VSCROLL,
    CN_DRAWITEM = CN_BASE + WM_DRAWITEM,
};

// How a window is made: the toolkit registers a class of its own under WinClassName, or,
// with SystemClass set, creates the system's class of that name and subclasses it.
struct TCreateParams {
    std::wstring WinClassName;
    bool SystemClass = false;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    RECT Bounds{};
    std::wstring Caption;
    HWND WndParent = nullptr;
};

class TWinControl : public TComponent {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    HWND Handle() const { return FHandle; }
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    static TWinControl* FromHandle(HWND handle);

    std::wstring Text() const;
    void SetText(const std::wstring& text);

protected:
    void CreateHandle(const TCreateParams& params);
    void DestroyHandle();
    // Each control class overrides this one procedure and passes what it leaves to its base.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = DefWindowProcW;
};
