#pragma once
// The order of calls that forces a window into the foreground, written against a small platform
// seam (Window type; ForegroundWindow, ThreadOf, AttachInput, BringToTop, SetForeground,
// ReadLockTimeout, WriteLockTimeout) so the order is checked without a desktop.
#include <cstdint>

template <class TPlatform>
bool ForceForeground(TPlatform& platform, typename TPlatform::Window window) {
    if (platform.ForegroundWindow() == window)
        return true;
    // The target's thread joins the foreground thread's input, never the other way round.
    const std::uint32_t foregroundThread = platform.ThreadOf(platform.ForegroundWindow());
    const std::uint32_t windowThread = platform.ThreadOf(window);
    bool done = false;
    if (platform.AttachInput(windowThread, foregroundThread, true)) {
        platform.BringToTop(window);
        platform.SetForeground(window);
        platform.AttachInput(windowThread, foregroundThread, false);
        done = platform.ForegroundWindow() == window;
    }
    if (!done) {
        // The lock time-out is system-wide: it is lowered only when it can be put back exactly.
        std::uint32_t saved = 0;
        const bool known = platform.ReadLockTimeout(saved);
        if (known)
            platform.WriteLockTimeout(0);
        platform.BringToTop(window);
        platform.SetForeground(window);
        if (known)
            platform.WriteLockTimeout(saved);
    }
    return platform.ForegroundWindow() == window;
}
