#include "desktop/TestWindow.h"

namespace {

const wchar_t* RegisterTestClass(WNDPROC proc) {
    static const wchar_t* name = [proc] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"HxTestWindow";
        RegisterClassW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

} // namespace

TTestWindow::TTestWindow(DWORD style, int left, int top, int width, int height) {
    FHandle = CreateWindowExW(0, RegisterTestClass(Proc), L"test", style, left, top, width, height,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

TTestWindow::~TTestWindow() {
    DestroyWindow(FHandle);
}

int TTestWindow::Count(UINT message) const {
    const auto found = FCounts.find(message);
    return found == FCounts.end() ? 0 : found->second;
}

LRESULT CALLBACK TTestWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    if (auto* self = reinterpret_cast<TTestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        ++self->FCounts[message];
    return DefWindowProcW(window, message, wParam, lParam);
}
