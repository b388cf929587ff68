#include "timer/SimpleTimer.h"
#include "harness/Pump.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Counted {
    int ticks = 0;
    TNotifyEvent Event() {
        return [this](TObject*) { ++ticks; };
    }
};

UINT_PTR WINAPI FailingSetTimer(HWND, UINT_PTR, UINT, TIMERPROC) {
    return 0;
}

int TicksWithin(Counted& c, DWORD ms) {
    const int before = c.ticks;
    PumpFor(ms);
    return c.ticks - before;
}

TEST(SimpleTimerService, FirstTimerMakesTheWindowAndTheLastDestroysIt) {
    ASSERT_EQ(TimerHandler(), nullptr);
    auto* a = new TSimpleTimer;
    ASSERT_NE(TimerHandler(), nullptr);
    const HWND first = TimerHandler()->WindowHandle();
    EXPECT_TRUE(IsWindow(first));
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_EQ(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
    auto* b = new TSimpleTimer;
    EXPECT_EQ(TimerHandler()->RefCount, 2u);
    EXPECT_NE(a->Id(), b->Id());
    delete a;
    EXPECT_EQ(TimerHandler()->RefCount, 1u);
    EXPECT_TRUE(IsWindow(first));
    delete b;
    EXPECT_EQ(TimerHandler(), nullptr);
    EXPECT_FALSE(IsWindow(first));
    TSimpleTimer c;
    ASSERT_NE(TimerHandler(), nullptr);
    EXPECT_TRUE(IsWindow(TimerHandler()->WindowHandle()));
}

TEST(SimpleTimerService, ConstructorsLeaveTheTimerIdle) {
    TSimpleTimer plain;
    EXPECT_EQ(plain.Interval(), 1000u);
    EXPECT_FALSE(plain.Enabled());
    EXPECT_FALSE(plain.AutoDisable);
    EXPECT_EQ(plain.Tag, 0);
    EXPECT_FALSE(plain.OnTimer());
    Counted c;
    TSimpleTimer ex(20, c.Event());
    EXPECT_EQ(ex.Interval(), 20u);
    EXPECT_TRUE(ex.OnTimer());
    EXPECT_FALSE(ex.Enabled());
    EXPECT_EQ(TicksWithin(c, 150), 0);
    EXPECT_EQ(TimerHandler()->ActiveCount, 0u);
}

// Each row starts from a timer of 30 ms with a counting callback, Running or Idle, applies
// its writes and then watches real ticks for a while.
struct StateRow {
    std::string name;
    bool startRunning;
    std::function<void(TSimpleTimer&, Counted&)> writes;
    bool enabled;
    bool ticking;
};

class SimpleTimerStates : public testing::TestWithParam<StateRow> {};

TEST_P(SimpleTimerStates, EnabledReadingAndTicksFollowTheStateTable) {
    const StateRow& row = GetParam();
    Counted c;
    TSimpleTimer timer(30, c.Event());
    if (row.startRunning)
        timer.SetEnabled(true);
    row.writes(timer, c);
    c.ticks = 0;
    EXPECT_EQ(timer.Enabled(), row.enabled);
    EXPECT_EQ(TicksWithin(c, 250) > 0, row.ticking);
    EXPECT_EQ(TimerHandler()->ActiveCount, row.ticking ? 1u : 0u);
    EXPECT_EQ(TimerHandler()->RefCount, 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimpleTimerStates,
    testing::Values(StateRow{"IdleEnabledWithIntervalZeroStaysIdle", false,
                             [](TSimpleTimer& t, Counted&) {
                                 t.SetInterval(0);
                                 t.SetEnabled(true);
                             },
                             false, false},
                    StateRow{"IdleStoresWritesWithoutStarting", false,
                             [](TSimpleTimer& t, Counted&) {
                                 t.SetInterval(40);
                                 t.AutoDisable = false;
                                 t.Tag = 7;
                                 t.SetEnabled(false);
                             },
                             false, false},
                    StateRow{"IdleEnabled", false,
                             [](TSimpleTimer& t, Counted&) { t.SetEnabled(true); }, true, true},
                    StateRow{"RunningDisabled", true,
                             [](TSimpleTimer& t, Counted&) { t.SetEnabled(false); }, false, false},
                    StateRow{"RunningNewInterval", true,
                             [](TSimpleTimer& t, Counted&) { t.SetInterval(40); }, true, true},
                    StateRow{"RunningIntervalZeroSuspends", true,
                             [](TSimpleTimer& t, Counted&) { t.SetInterval(0); }, true, false},
                    StateRow{"SuspendedResumesOnNonzeroInterval", true,
                             [](TSimpleTimer& t, Counted&) {
                                 t.SetInterval(0);
                                 PumpFor(100);
                                 t.SetInterval(40);
                             },
                             true, true},
                    StateRow{"SuspendedEnabledWithIntervalZeroStaysSuspended", true,
                             [](TSimpleTimer& t, Counted&) {
                                 t.SetInterval(0);
                                 t.SetEnabled(true);
                             },
                             true, false},
                    StateRow{"SuspendedDisabledIsIdle", true,
                             [](TSimpleTimer& t, Counted&) {
                                 t.SetInterval(0);
                                 t.SetEnabled(false);
                             },
                             false, false},
                    StateRow{"EmptyCallbackSuspends", true,
                             [](TSimpleTimer& t, Counted&) { t.SetOnTimer(nullptr); }, true, false},
                    StateRow{"NewCallbackDoesNotResume", true,
                             [](TSimpleTimer& t, Counted& c) {
                                 t.SetOnTimer(nullptr);
                                 t.SetOnTimer(c.Event());
                             },
                             true, false},
                    StateRow{"EnabledResumesAfterEmptyCallback", true,
                             [](TSimpleTimer& t, Counted& c) {
                                 t.SetOnTimer(nullptr);
                                 t.SetOnTimer(c.Event());
                                 t.SetEnabled(true);
                             },
                             true, true}),
    [](const testing::TestParamInfo<StateRow>& info) { return info.param.name; });

// The first tick after a write tells whether the write restarted the period.
ULONGLONG FirstTickAfterWrite(const std::function<void(TSimpleTimer&)>& write) {
    ULONGLONG tickAt = 0;
    TSimpleTimer timer(300, [&](TObject*) {
        if (!tickAt)
            tickAt = GetTickCount64();
    });
    timer.SetEnabled(true);
    PumpFor(150);
    const ULONGLONG writtenAt = GetTickCount64();
    write(timer);
    PumpUntil([&] { return tickAt != 0; }, 600);
    return tickAt - writtenAt;
}

TEST(SimpleTimerService, OnlyEnabledRestartsThePeriod) {
    EXPECT_LT(FirstTickAfterWrite([](TSimpleTimer& t) { t.SetInterval(300); }), 260u);
    EXPECT_GE(FirstTickAfterWrite([](TSimpleTimer& t) { t.SetEnabled(true); }), 280u);
}

TEST(SimpleTimerService, AutoDisableFiresOnceAndMayRearm) {
    int ticks = 0;
    bool enabledInside = true;
    TSimpleTimer timer(30, nullptr);
    timer.AutoDisable = true;
    timer.SetOnTimer([&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        enabledInside = timer.Enabled();
        if (++ticks == 1)
            timer.SetEnabled(true);
    });
    timer.SetEnabled(true);
    PumpFor(300);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(enabledInside);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(TimerHandler()->ActiveCount, 0u);
}

TEST(SimpleTimerService, CallbackMayDestroyItsOwnTimer) {
    Counted other;
    auto* keeper = new TSimpleTimer(1000, other.Event());
    int ticks = 0;
    auto* self = new TSimpleTimer(20, nullptr);
    self->SetOnTimer([&](TObject* sender) {
        ++ticks;
        delete static_cast<TSimpleTimer*>(sender);
    });
    self->SetEnabled(true);
    PumpFor(200);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(TimerHandler()->RefCount, 1u);
    EXPECT_EQ(TimerHandler()->ActiveCount, 0u);

    // The last timer too: its handler and window go while the tick is being handled.
    const HWND window = TimerHandler()->WindowHandle();
    keeper->SetOnTimer([&](TObject* sender) { delete static_cast<TSimpleTimer*>(sender); });
    keeper->SetInterval(20);
    keeper->SetEnabled(true);
    PumpUntil([] { return TimerHandler() == nullptr; }, 200);
    EXPECT_EQ(TimerHandler(), nullptr);
    EXPECT_FALSE(IsWindow(window));
}

TEST(SimpleTimerService, TicksNamingNoLiveTimerAreIgnored) {
    Counted live;
    TSimpleTimer keeper(1000, live.Event());
    UINT_PTR goneId;
    {
        Counted gone;
        TSimpleTimer stale(1000, gone.Event());
        goneId = stale.Id();
    }
    const HWND window = TimerHandler()->WindowHandle();
    PostMessageW(window, WM_TIMER, goneId, 0);
    PostMessageW(window, WM_TIMER, keeper.Id() + 1000, 0);
    PostMessageW(window, WM_TIMER, keeper.Id(), 0);
    PumpFor(100);
    EXPECT_EQ(live.ticks, 1);
}

TEST(SimpleTimerService, FailedSetTimerLeavesTheTimerIdle) {
    Counted c;
    TSimpleTimer timer(30, c.Event());
    SimpleTimerSetTimer = FailingSetTimer;
    timer.SetEnabled(true);
    SimpleTimerSetTimer = SetTimer;
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(TimerHandler()->ActiveCount, 0u);
    EXPECT_EQ(TicksWithin(c, 150), 0);

    // A running timer whose restart fails ends Idle as well.
    timer.SetEnabled(true);
    SimpleTimerSetTimer = FailingSetTimer;
    timer.SetEnabled(true);
    SimpleTimerSetTimer = SetTimer;
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(TimerHandler()->ActiveCount, 0u);
    EXPECT_EQ(TicksWithin(c, 150), 0);
}

// Refuses every window the thread would make while it is installed.
struct TNoWindows {
    static LRESULT CALLBACK Refuse(int code, WPARAM w, LPARAM l) {
        return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, w, l);
    }
    HHOOK hook = SetWindowsHookExW(WH_CBT, Refuse, nullptr, GetCurrentThreadId());
    ~TNoWindows() { UnhookWindowsHookEx(hook); }
};

int SetTimerCalls = 0;
UINT_PTR WINAPI CountedSetTimer(HWND w, UINT_PTR id, UINT ms, TIMERPROC proc) {
    ++SetTimerCalls;
    return SetTimer(w, id, ms, proc);
}

TEST(SimpleTimerService, WithoutItsWindowNoTimerIsSetOrTicks) {
    ASSERT_EQ(TimerHandler(), nullptr);
    std::unique_ptr<TSimpleTimer> timer;
    {
        TNoWindows refuse;
        ASSERT_NE(refuse.hook, nullptr);
        timer = std::make_unique<TSimpleTimer>(20, nullptr);
    }
    ASSERT_EQ(TimerHandler()->WindowHandle(), nullptr);
    Counted c;
    timer->SetOnTimer(c.Event());
    SetTimerCalls = 0;
    SimpleTimerSetTimer = CountedSetTimer;
    timer->SetEnabled(true);
    SimpleTimerSetTimer = SetTimer;
    EXPECT_EQ(SetTimerCalls, 0);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(TicksWithin(c, 100), 0);
}

TEST(SimpleTimerService, DestroyingARunningTimerKillsItsSystemTimer) {
    TSimpleTimer keeper;
    auto* running = new TSimpleTimer(30, nullptr);
    running->SetEnabled(true);
    const UINT_PTR id = running->Id();
    EXPECT_EQ(TimerHandler()->ActiveCount, 1u);
    delete running;
    EXPECT_EQ(TimerHandler()->ActiveCount, 0u);
    EXPECT_FALSE(KillTimer(TimerHandler()->WindowHandle(), id));
}

TEST(SimpleTimerService, CountersFollowLiveAndRunningTimers) {
    std::vector<std::unique_ptr<TSimpleTimer>> timers;
    for (int i = 0; i < 4; ++i)
        timers.push_back(std::make_unique<TSimpleTimer>(50, nullptr));
    timers[0]->SetEnabled(true);
    timers[1]->SetEnabled(true);
    timers[1]->SetInterval(0); // suspended
    timers[2]->SetEnabled(true);
    timers[2]->SetEnabled(true);  // restarted, still one
    timers[3]->SetEnabled(false); // never ran
    EXPECT_EQ(TimerHandler()->ActiveCount, 2u);
    EXPECT_EQ(TimerHandler()->RefCount, 4u);
    timers.erase(timers.begin());
    EXPECT_EQ(TimerHandler()->ActiveCount, 1u);
    EXPECT_EQ(TimerHandler()->RefCount, 3u);
}

} // namespace
