#include "ui/UtilWindow.h"

namespace {
const wchar_t UtilWindowClass[] = L"THushletUtilWindow";
}

TUtilWindow::TUtilWindow(TWndMethod method) : FMethod(std::move(method)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = UtilWindowClass;
    RegisterClassW(&wc); // fails harmlessly once the class exists
    FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, UtilWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, wc.hInstance, this);
}

TUtilWindow::~TUtilWindow() {
    if (FHandle) {
        SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
        DestroyWindow(FHandle);
    }
}

LRESULT CALLBACK TUtilWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self =
            static_cast<TUtilWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TUtilWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->FMethod)
        return self->FMethod(hwnd, msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
