// A resident icon for looking at the notification area: it shows a number drawn at run time,
// loses its place in the area after 3 s as if the shell had restarted, hears the shell's
// announcement at 6 s and quits at 9 s. Its mouse events go to standard output, one a line.
#include "tray/TrayIcon.h"
#include "ui/Application.h"

#include <cstring>

namespace {

// Opens the record, so the demo can take the icon out of the area behind the icon's back.
class TDemoIcon : public TTrayIcon {
public:
    using TTrayIcon::TTrayIcon;
    void DropFromShell() {
        Shell_NotifyIconW(NIM_DELETE, reinterpret_cast<PNOTIFYICONDATAW>(&IconData));
    }
};

HICON NumberIcon(const wchar_t* text) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    RECT r{0, 0, 16, 16};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    const HFONT font = CreateFontW(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                   NONANTIALIASED_QUALITY, 0, L"Tahoma");
    const HGDIOBJ oldFont = SelectObject(dc, font);
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    HICON icon = nullptr;
    TTrayIcon::BitmapToIcon(bitmap, icon, RGB(255, 0, 255));
    DeleteObject(bitmap);
    return icon;
}

void Report(const char* line) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, DWORD(strlen(line)), &written, nullptr);
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "\n", 1, &written, nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TApplication app;
    auto* icon = new TDemoIcon(&app);
    const HICON picture = NumberIcon(L"42");
    icon->SetIcon(picture);
    DestroyIcon(picture);
    icon->SetHint(L"42%");
    icon->OnMouseEnter = [](TObject*) { Report("enter"); };
    icon->OnMouseExit = [](TObject*) { Report("exit"); };
    icon->OnMouseDown = [](TObject*, TMouseButton b, TShiftState, int, int) {
        Report(b == mbLeft ? "down left" : "down other");
    };
    icon->SetWantEnterExitEvents(true);
    icon->Loaded();
    icon->SetIconVisible(true);
    SetTimer(nullptr, 0, 3000, nullptr);
    int ticks = 0;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == nullptr) {
            ++ticks;
            if (ticks == 1)
                icon->DropFromShell();
            else if (ticks == 2)
                PostMessageW(HWND_BROADCAST, WM_TASKBARCREATED, 0, 0);
            else
                break;
            continue;
        }
        DispatchMessageW(&msg);
    }
    return 0;
}
