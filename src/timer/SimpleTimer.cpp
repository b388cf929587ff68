#include "timer/SimpleTimer.h"

#include "ui/UtilWindow.h"

UINT_PTR(WINAPI* SimpleTimerSetTimer)(HWND, UINT_PTR, UINT, TIMERPROC) = SetTimer;

namespace {
// Released by the last timer; at program end whatever a forgotten timer kept is freed.
std::unique_ptr<TSimpleTimerHandler> Handler;
// Identifiers are counted, not addresses, and never reused within the process.
UINT_PTR LastTimerId = 0;

TSimpleTimerHandler& AcquireTimerHandler(TSimpleTimer* timer) {
    if (!Handler)
        Handler = std::make_unique<TSimpleTimerHandler>();
    Handler->AddTimer(timer);
    return *Handler;
}

void ReleaseTimerHandler(TSimpleTimer* timer) {
    if (!Handler)
        return;
    Handler->RemoveTimer(timer);
    if (Handler->RefCount == 0)
        Handler.reset();
}
} // namespace

TSimpleTimerHandler* TimerHandler() {
    return Handler.get();
}

TSimpleTimerHandler::TSimpleTimerHandler()
    : FWindow(std::make_unique<TUtilWindow>(
          [this](HWND h, UINT msg, WPARAM w, LPARAM l) { return TimerWndProc(h, msg, w, l); })) {
}

TSimpleTimerHandler::~TSimpleTimerHandler() = default;

HWND TSimpleTimerHandler::WindowHandle() const {
    return FWindow->Handle();
}

void TSimpleTimerHandler::AddTimer(TSimpleTimer* timer) {
    FTimers[timer->FId] = timer;
    ++RefCount;
}

void TSimpleTimerHandler::RemoveTimer(TSimpleTimer* timer) {
    FTimers.erase(timer->FId);
    if (RefCount > 0)
        --RefCount;
}

LRESULT TSimpleTimerHandler::TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto it = FTimers.find(wParam);
    if (it != FTimers.end())
        it->second->Tick();
    return 0;
}

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, nullptr) {
}

TSimpleTimer::TSimpleTimer(std::uint32_t AInterval, TNotifyEvent AOnTimer)
    : FId(++LastTimerId), FInterval(AInterval) {
    SetOnTimer(std::move(AOnTimer));
    AcquireTimerHandler(this);
}

TSimpleTimer::~TSimpleTimer() {
    if (FEnabled)
        Disarm(true);
    ReleaseTimerHandler(this);
}

bool TSimpleTimer::Arm() {
    if (FInterval == 0)
        return false;
    if (FEnabled)
        Disarm(true);
    // Without the shared window SetTimer would make a thread timer under another identifier,
    // one that KillTimer never finds: it would tick on for good.
    const HWND window = Handler->WindowHandle();
    if (!window || !SimpleTimerSetTimer(window, FId, FInterval, nullptr))
        return false;
    FEnabled = true;
    ++Handler->ActiveCount;
    return true;
}

bool TSimpleTimer::Disarm(bool clearEnabled) {
    if (clearEnabled)
        FEnabled = false;
    const bool killed = KillTimer(Handler->WindowHandle(), FId) != FALSE;
    if (killed && Handler->ActiveCount > 0)
        --Handler->ActiveCount;
    return killed;
}

void TSimpleTimer::SetEnabled(bool value) {
    if (value)
        Arm();
    else
        Disarm(true);
}

void TSimpleTimer::SetInterval(std::uint32_t value) {
    if (value == FInterval)
        return;
    FInterval = value;
    if (!FEnabled)
        return;
    if (value != 0)
        Arm();
    else
        Disarm(false);
}

void TSimpleTimer::SetOnTimer(TNotifyEvent value) {
    FOnTimer = std::move(value);
    if (!FOnTimer && FEnabled)
        Disarm(false);
}

void TSimpleTimer::Tick() {
    if (AutoDisable)
        Disarm(true);
    // The callback may change or free this timer, so nothing of it is touched afterwards.
    if (FOnTimer) {
        const TNotifyEvent callback = FOnTimer;
        callback(this);
    }
}
