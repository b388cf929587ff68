#include "ui/Controls.h"

namespace {

const wchar_t ControlProp[] = L"THushletControl";

// The child window a parent's notification is about, or null.
HWND NotifyingChild(UINT msg, WPARAM, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    default:
        return nullptr;
    }
}

} // namespace

std::wstring MenuFontName() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfMenuFont.lfFaceName;
}

TWinControl::TWinControl(TComponent* AOwner) : TComponent(AOwner) {
}

TWinControl::~TWinControl() {
    DestroyHandle();
    if (FFontHandle)
        DeleteObject(FFontHandle);
}

void TWinControl::SetFont(const TFontSpec& font) {
    FFont = font;
    LOGFONTW lf{};
    lf.lfHeight = -Scaled(font.Height);
    lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = font.Charset;
    lf.lfQuality = DEFAULT_QUALITY;
    font.Name.copy(lf.lfFaceName, LF_FACESIZE - 1);
    const HFONT old = FFontHandle;
    FFontHandle = CreateFontIndirectW(&lf);
    Perform(WM_SETFONT, WPARAM(FFontHandle), TRUE);
    if (old)
        DeleteObject(old);
}

TWinControl* TWinControl::FromHandle(HWND handle) {
    return handle ? static_cast<TWinControl*>(GetPropW(handle, ControlProp)) : nullptr;
}

LRESULT TWinControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    return WndProc(msg, wParam, lParam);
}

std::wstring TWinControl::Text() const {
    std::wstring text(GetWindowTextLengthW(FHandle) + 1, L'\0');
    text.resize(GetWindowTextW(FHandle, text.data(), static_cast<int>(text.size())));
    return text;
}

void TWinControl::SetText(const std::wstring& text) {
    SetWindowTextW(FHandle, text.c_str());
}

void TWinControl::CreateHandle(const TCreateParams& params) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!params.SystemClass) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = StdWndProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = params.WinClassName.c_str();
        RegisterClassW(&wc); // already registered by an earlier instance: fine
    }
    // Child layouts scale with their parent's density; a top-level window's place is in screen
    // pixels.
    FChild = (params.Style & WS_CHILD) != 0;
    if (const TWinControl* parent = FromHandle(params.WndParent); FChild && parent)
        FDpi = parent->FDpi;
    FDesignBounds = params.Bounds;
    const RECT r = FChild ? ScaleFrom96(params.Bounds, FDpi) : params.Bounds;
    FHandle = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                              params.Style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              params.WndParent, nullptr, instance, this);
    if (!FHandle)
        return;
    SetPropW(FHandle, ControlProp, this);
    if (params.SystemClass)
        FDefWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StdWndProc)));
    SetFont(FFont);
}

void TWinControl::ChangeDpi(int dpi) {
    FDpi = dpi;
    if (FChild)
        SetBounds(ScaleFrom96(FDesignBounds, dpi));
    SetFont(FFont);
}

void TWinControl::SetBounds(const RECT& r) {
    SetWindowPos(FHandle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE TWinControl::TextExtent(const std::wstring& text, UINT flags) const {
    const HDC dc = GetDC(FHandle);
    const HGDIOBJ old = SelectObject(dc, FFontHandle);
    RECT r{};
    DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | flags);
    SelectObject(dc, old);
    ReleaseDC(FHandle, dc);
    return {r.right, r.bottom};
}

void TWinControl::DestroyHandle() {
    if (!FHandle)
        return;
    const HWND handle = FHandle;
    RemovePropW(handle, ControlProp);
    FHandle = nullptr;
    DestroyWindow(handle);
}

bool TWinControl::PreviewKey(TWinControl*, WPARAM) {
    return false;
}

bool TWinControl::PreviewWheel(int) {
    return false;
}

LRESULT TWinControl::PreviewedInput(UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* root = FromHandle(GetAncestor(FHandle, GA_ROOT));
    if (!root)
        return DefaultHandler(msg, wParam, lParam);
    if (msg == WM_KEYDOWN)
        return root->PreviewKey(this, wParam) ? 0 : DefaultHandler(msg, wParam, lParam);
    // A wheel message nobody handled climbs the parents by default; the window has seen it.
    if (root->FWheelOffered)
        return DefaultHandler(msg, wParam, lParam);
    if (root->PreviewWheel(GET_WHEEL_DELTA_WPARAM(wParam)))
        return 0;
    root->FWheelOffered = true;
    const LRESULT result = DefaultHandler(msg, wParam, lParam);
    root->FWheelOffered = false;
    return result;
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN || msg == WM_MOUSEWHEEL)
        return PreviewedInput(msg, wParam, lParam);
    if (TWinControl* child = FromHandle(NotifyingChild(msg, wParam, lParam));
        child && child != this)
        return child->Perform(CN_BASE + msg, wParam, lParam);
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT TWinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A notification the child left alone gets the parent's default answer (brushes, mostly).
    if (msg >= CN_BASE && msg < CN_BASE + 0x400)
        return DefWindowProcW(GetParent(FHandle), msg - CN_BASE, wParam, lParam);
    return CallWindowProcW(FDefWndProc, FHandle, msg, wParam, lParam);
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (TWinControl* control = FromHandle(hwnd))
        return control->WndProc(msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
