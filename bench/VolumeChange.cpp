// The work of one wheel notch over the tray icon: the new target, ApplyVolume with its device
// write and the tray picture it hands to the shell. A resident main window built as the program
// builds it, over the in-process test device; prints the median per notch in microseconds.
// Beside it, the floor of any tray display of the volume: one bare change of an icon's picture.
// Usage: VolumeChange [NOTCHES]
#include "audio/EndpointVolume.h"
#include "desktop/Oriel.h"
#include "ui/Application.h"
#include "ui/Styles.h"
#include "window/Main.h"

#include "Clock.h"
#include "tools/endpoint/ScopedFakeEndpoint.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double NowUs() {
    return hx::bench::NowMs() * 1000.0;
}

// Notches alternate up and down around the middle, so each one changes level and picture.
std::vector<double> TimeNotches(TMainForm& form, TApplication& application, int notches) {
    std::vector<double> us;
    us.reserve(notches);
    form.MVol = 50;
    form.ApplyVolume();
    for (int i = 0; i < notches; ++i) {
        const double start = NowUs();
        form.MVol += i % 2 ? -1 : 1;
        form.ApplyVolume();
        us.push_back(NowUs() - start);
        // What the message loop would do between two notches, outside the timed part.
        application.ProcessMessages();
    }
    return us;
}

// A hidden plain window whose one icon switches between two of the program's pictures.
std::vector<double> TimeBarePictures(HICON a, HICON b, int notches) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       nullptr, nullptr);
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = 1;
    data.uFlags = NIF_ICON;
    data.hIcon = a;
    std::vector<double> us;
    if (owner && Shell_NotifyIconW(NIM_ADD, &data))
        for (int i = 0; i < notches; ++i) {
            data.hIcon = i % 2 ? a : b;
            const double start = NowUs();
            Shell_NotifyIconW(NIM_MODIFY, &data);
            us.push_back(NowUs() - start);
        }
    Shell_NotifyIconW(NIM_DELETE, &data);
    DestroyWindow(owner);
    return us;
}

struct TTimes {
    std::vector<double> Program;
    std::vector<double> Floor;
};

// The program's own set-up of a resident copy; empty when it has no tray icon.
TTimes Measure(int notches) {
    TApplication application;
    TStyleManager::TrySetStyle(L"Windows10 Dark", true);
    application.SetTitle(L"Hushlet2");
    // The bench's own arguments are not the program's: a plain start is a resident copy.
    application.Params.clear();
    auto* form = application.CreateForm<TMainForm>();
    if (!form->TrayIcon->IconVisible())
        return {};
    TTimes times{TimeNotches(*form, application, notches), {}};
    const HICON a = form->ImageList->GetIcon(50), b = form->ImageList->GetIcon(51);
    times.Floor = TimeBarePictures(a, b, notches);
    DestroyIcon(a);
    DestroyIcon(b);
    return times;
}

void PrintMedianAndP90(const char* subject, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    std::printf("volume_change_us.%s %.3f\n", subject, us[us.size() / 2]);
    std::printf("volume_change_p90_us.%s %.3f\n", subject, us[us.size() * 9 / 10]);
}

int Run(int notches) {
    hx::endpoint::TScopedFakeEndpoint fake;
    if (FAILED(fake.Registration()) || !PrepareSettingsFolder(L"Hux", false)) {
        std::fprintf(stderr, "no test device or no settings folder\n");
        return 1;
    }
    const TTimes times = Measure(notches);
    ReleaseAudioEndpoint();
    if (times.Program.empty() || times.Floor.empty()) {
        std::fprintf(stderr, "the resident copy or the bare window has no tray icon\n");
        return 1;
    }
    PrintMedianAndP90("program", times.Program);
    PrintMedianAndP90("baseline", times.Floor);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const int notches = std::max(10, argc > 1 ? std::atoi(argv[1]) : 1000);
    const HRESULT com = CoInitialize(nullptr);
    const int result = Run(notches);
    if (SUCCEEDED(com))
        CoUninitialize();
    return result;
}
