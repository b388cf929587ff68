#pragma once
// The low-level mouse hook that turns the wheel over the tray into private messages.
#include "shell/TrayWheel.h"

#include <windows.h>

// The installed hook or null; callers test it before installing or removing.
extern HHOOK WheelHookHandle;
// Receives WM_TRAYWHEELUP / WM_TRAYWHEELDOWN; kept after a remove.
extern HWND WheelTargetWindow;

// Takes the target on every call; installs the hook only when none is installed. The hook runs on
// the calling thread, which must pump messages.
void InstallWheelHook(HWND target);
void RemoveWheelHook();
// Lets the chain see every event first, then swallows vertical wheel events.
LRESULT CALLBACK WheelHookProc(int nCode, WPARAM wParam, LPARAM lParam);
