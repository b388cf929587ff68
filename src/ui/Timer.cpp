#include "ui/Timer.h"

#include "ui/UtilWindow.h"

namespace {
const UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    FWindow = std::make_unique<TUtilWindow>([this](HWND h, UINT msg, WPARAM w, LPARAM l) {
        if (msg != WM_TIMER)
            return DefWindowProcW(h, msg, w, l);
        if (w == TimerId && OnTimer)
            OnTimer(this);
        return LRESULT(0);
    });
    UpdateTimer();
}

TTimer::~TTimer() {
    KillTimer(FWindow->Handle(), TimerId);
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == FInterval)
        return;
    FInterval = ms;
    UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
    if (value == FEnabled)
        return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    KillTimer(FWindow->Handle(), TimerId);
    if (FEnabled && FInterval != 0)
        SetTimer(FWindow->Handle(), TimerId, FInterval, nullptr);
}
