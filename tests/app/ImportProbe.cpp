// What the import check must refuse: an exe that imports a function of Windows Vista and whose
// header names Vista's system version.
#include <windows.h>
#include <dwmapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const BOOL dark = TRUE;
    return int(DwmSetWindowAttribute(nullptr, 20, &dark, sizeof(dark)));
}
