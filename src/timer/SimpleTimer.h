#pragma once
// Lightweight periodic timers that all tick on one shared hidden window.
#include "ui/Classes.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>

class TUtilWindow;
class TSimpleTimer;

// Owns the shared window and knows every live timer by its identifier, so a tick that names
// no live timer (one already destroyed) is dropped instead of reaching freed memory.
class TSimpleTimerHandler : public TObject {
public:
    TSimpleTimerHandler();
    ~TSimpleTimerHandler() override;

    void AddTimer(TSimpleTimer* timer);
    void RemoveTimer(TSimpleTimer* timer);
    HWND WindowHandle() const;

    std::uint32_t RefCount = 0;
    // Timers whose system timer is set; kept for inspection, read by no decision.
    std::uint32_t ActiveCount = 0;

private:
    LRESULT TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::unique_ptr<TUtilWindow> FWindow;
    std::map<UINT_PTR, TSimpleTimer*> FTimers;
};

// The shared handler while at least one timer lives, null otherwise.
TSimpleTimerHandler* TimerHandler();

// The call that sets a system timer; tests replace it to make it fail.
extern UINT_PTR(WINAPI* SimpleTimerSetTimer)(HWND, UINT_PTR, UINT, TIMERPROC);

// A timer is Idle (not enabled), Running (enabled, system timer set) or Suspended (enabled,
// no system timer, because its interval is 0 or its callback was cleared).
class TSimpleTimer : public TObject {
public:
    TSimpleTimer();
    TSimpleTimer(std::uint32_t AInterval, TNotifyEvent AOnTimer);
    ~TSimpleTimer() override;
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    std::uint32_t Interval() const { return FInterval; }
    void SetInterval(std::uint32_t value);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent value);

    // One-shot mode: the timer disables itself at its first tick, before the callback.
    bool AutoDisable = false;
    std::int32_t Tag = 0;

    UINT_PTR Id() const { return FId; }

private:
    friend class TSimpleTimerHandler;
    bool Arm();
    bool Disarm(bool clearEnabled);
    void Tick();

    UINT_PTR FId;
    bool FEnabled = false;
    std::uint32_t FInterval;
    TNotifyEvent FOnTimer;
};
