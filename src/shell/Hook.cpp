#include "shell/Hook.h"

HHOOK WheelHookHandle = nullptr;
HWND WheelTargetWindow = nullptr;

void InstallWheelHook(HWND target) {
    WheelTargetWindow = target;
    // A failed install stays null, so the next enter tries again.
    if (!WheelHookHandle)
        WheelHookHandle =
            SetWindowsHookExW(WH_MOUSE_LL, WheelHookProc, GetModuleHandleW(nullptr), 0);
}

void RemoveWheelHook() {
    if (!WheelHookHandle)
        return;
    UnhookWindowsHookEx(WheelHookHandle);
    WheelHookHandle = nullptr;
}

LRESULT CALLBACK WheelHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode < 0)
        return CallNextHookEx(WheelHookHandle, nCode, wParam, lParam);
    LRESULT result = CallNextHookEx(WheelHookHandle, nCode, wParam, lParam);
    // The record is only defined for an action.
    const DWORD mouseData =
        nCode == HC_ACTION ? reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->mouseData : 0;
    if (const std::uint32_t message = TrayWheelMessage(nCode, wParam, mouseData)) {
        PostMessageW(WheelTargetWindow, message, 0, 0);
        result = -1;
    }
    return result;
}
