#include "desktop/Foreground.h"
#include "desktop/TestWindow.h"
#include "harness/Thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

DWORD LockTimeout() {
    DWORD value = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &value, 0);
    return value;
}

void SetLockTimeout(DWORD value) {
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<void*>(static_cast<UINT_PTR>(value)), 0);
}

// A distinctive lock time-out for the test, put back afterwards.
class ForegroundWine : public testing::Test {
protected:
    void SetUp() override {
        FSaved = LockTimeout();
        SetLockTimeout(Marker);
        ASSERT_EQ(LockTimeout(), Marker);
    }
    void TearDown() override { SetLockTimeout(FSaved); }
    static constexpr DWORD Marker = 123457;

private:
    DWORD FSaved = 0;
};

TEST_F(ForegroundWine, WindowsOfThisThread) {
    TTestWindow first(WS_OVERLAPPEDWINDOW | WS_VISIBLE), second(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetForegroundWindow(first.Handle());
    PumpFor(50);
    ASSERT_EQ(GetForegroundWindow(), first.Handle());
    EXPECT_TRUE(ForceForegroundWindow(first.Handle()));
    EXPECT_EQ(LockTimeout(), Marker);
    EXPECT_TRUE(ForceForegroundWindow(second.Handle()));
    EXPECT_EQ(GetForegroundWindow(), second.Handle());
    EXPECT_EQ(LockTimeout(), Marker);
}

TEST_F(ForegroundWine, WindowOfAnotherThreadInFront) {
    TTestWindow target(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    std::atomic<HWND> other = nullptr;
    std::atomic<bool> stop = false;
    TThread thread([&] {
        TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetForegroundWindow(window.Handle());
        other = window.Handle();
        PumpUntil([&] { return stop.load(); }, 10000);
    });
    PumpUntil([&] { return other.load() != nullptr && GetForegroundWindow() == other.load(); });
    ASSERT_EQ(GetForegroundWindow(), other.load());
    EXPECT_TRUE(ForceForegroundWindow(target.Handle()));
    EXPECT_EQ(GetForegroundWindow(), target.Handle());
    EXPECT_EQ(LockTimeout(), Marker);
    stop = true;
    thread.Join();
}

} // namespace
