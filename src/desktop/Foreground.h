#pragma once
#include <windows.h>

// Makes a window of this process the foreground window even against the foreground lock; true
// when it is the foreground window on return. The system's lock time-out is left as it was.
bool ForceForegroundWindow(HWND window);
