#pragma once
#include "ui/Component.h"
#include "ui/Dpi.h"

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

// A font as the layout states it: face, character height in pixels at 96 dots per inch.
struct TFontSpec {
    std::wstring Name = L"Tahoma";
    int Height = 12;
    bool Bold = false;
    BYTE Charset = SHIFTJIS_CHARSET;
};

// The face name of the system's current menu font.
std::wstring MenuFontName();

// How a window is made: the toolkit registers a class of its own under WinClassName, or,
// with SystemClass set, creates the system's class of that name and subclasses it.
struct TCreateParams {
    std::wstring WinClassName;
    bool SystemClass = false;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    RECT Bounds{}; // a child's at 96 dots per inch, a top-level window's in screen pixels
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

    const TFontSpec& Font() const { return FFont; }
    void SetFont(const TFontSpec& font);
    HFONT FontHandle() const { return FFontHandle; }

    // The density the control is laid out for: a child takes its parent's at creation.
    int Dpi() const { return FDpi; }
    int Scaled(int value) const { return ScaleFrom96(value, FDpi); }
    // Lays a child out again from its 96-DPI bounds and makes its font again, at that density.
    virtual void ChangeDpi(int dpi);
    // Places a child in its parent's client area, in pixels; a density change puts it back
    // where its design says.
    void SetBounds(const RECT& r);
    // The rectangle a text needs in the control's font (DrawTextW with DT_CALCRECT and flags).
    SIZE TextExtent(const std::wstring& text, UINT flags = 0) const;

protected:
    void CreateHandle(const TCreateParams& params);
    void DestroyHandle();
    // Each control class overrides this one procedure and passes what it leaves to its base.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);
    // The top-level window sees each key-down and wheel message of its controls before they
    // do; true ends the message there. The control is the one the message was sent to.
    virtual bool PreviewKey(TWinControl* control, WPARAM key);
    virtual bool PreviewWheel(int delta);

    int FDpi = DesignDpi;

private:
    LRESULT PreviewedInput(UINT msg, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
    HWND FHandle = nullptr;
    WNDPROC FDefWndProc = DefWindowProcW;
    TFontSpec FFont;
    HFONT FFontHandle = nullptr;
    RECT FDesignBounds{}; // a child's, at 96 dots per inch
    bool FChild = false;
    // Set while a control's default handling passes an unhandled wheel message up to this
    // window, which has already been offered it.
    bool FWheelOffered = false;
};
