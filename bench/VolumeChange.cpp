// The work of one wheel notch over the tray icon: the new target, ApplyVolume with its device
// write and the tray picture it hands to the shell. A resident main window built as the program
// builds it, over the in-process test device; prints the median per notch in microseconds.
// Usage: VolumeChange [NOTCHES]
#include "audio/EndpointVolume.h"
#include "desktop/Oriel.h"
#include "ui/Application.h"
#include "ui/Styles.h"
#include "window/Main.h"

#include "tools/endpoint/ScopedFakeEndpoint.h"

#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double NowUs() {
    static const double perUs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / perUs;
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

// The program's own set-up of a resident copy; empty when it has no tray icon.
std::vector<double> Measure(int notches) {
    TApplication application;
    TStyleManager::TrySetStyle(L"Windows10 Dark", true);
    application.SetTitle(L"Hushlet2");
    // The bench's own arguments are not the program's: a plain start is a resident copy.
    application.Params.clear();
    auto* form = application.CreateForm<TMainForm>();
    if (!form->TrayIcon->IconVisible())
        return {};
    return TimeNotches(*form, application, notches);
}

int Run(int notches) {
    hx::endpoint::TScopedFakeEndpoint fake;
    if (FAILED(fake.Registration()) || !PrepareSettingsFolder(L"Hux", false)) {
        std::fprintf(stderr, "no test device or no settings folder\n");
        return 1;
    }
    std::vector<double> us = Measure(notches);
    ReleaseAudioEndpoint();
    if (us.empty()) {
        std::fprintf(stderr, "the resident copy has no tray icon\n");
        return 1;
    }
    std::sort(us.begin(), us.end());
    std::printf("volume_change_us.program %.3f\n", us[us.size() / 2]);
    std::printf("volume_change_p90_us.program %.3f\n", us[us.size() * 9 / 10]);
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
