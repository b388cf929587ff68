#include "desktop/Foreground.h"

#include "desktop/ForegroundLogic.h"

namespace {

struct TWin32Foreground {
    using Window = HWND;
    static HWND ForegroundWindow() { return GetForegroundWindow(); }
    static std::uint32_t ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }
    static bool AttachInput(std::uint32_t attach, std::uint32_t attachTo, bool on) {
        return AttachThreadInput(attach, attachTo, on) != FALSE;
    }
    static void BringToTop(HWND window) { BringWindowToTop(window); }
    static void SetForeground(HWND window) { SetForegroundWindow(window); }
    static bool ReadLockTimeout(std::uint32_t& value) {
        DWORD timeout = 0;
        if (!SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0))
            return false;
        value = timeout;
        return true;
    }
    // The new value travels in the pointer argument; broadcast, not written to the profile.
    static void WriteLockTimeout(std::uint32_t value) {
        SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                              reinterpret_cast<void*>(static_cast<UINT_PTR>(value)),
                              SPIF_SENDCHANGE);
    }
};

} // namespace

bool ForceForegroundWindow(HWND window) {
    TWin32Foreground platform;
    return ForceForeground(platform, window);
}
