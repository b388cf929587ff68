#include "shell/Hook.h"
#include "desktop/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A hook installed before ours runs after it in the chain: it shows what the chain saw.
std::vector<WPARAM> ChainSaw;
HHOOK ChainHook = nullptr;

LRESULT CALLBACK ChainProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam != WM_MOUSEMOVE)
        ChainSaw.push_back(wParam);
    return CallNextHookEx(ChainHook, code, wParam, lParam);
}

void SendMouse(DWORD flags, DWORD data = 0, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    input.mi.dx = dx;
    input.mi.dy = dy;
    SendInput(1, &input, sizeof(input));
}

void SendWheel(int delta) {
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
}

class HookWine : public testing::Test {
protected:
    void SetUp() override {
        ShowWindow(FUnder.Handle(), SW_SHOW);
        SetForegroundWindow(FUnder.Handle());
        SetFocus(FUnder.Handle());
        SetCursorPos(300, 300);
        ChainSaw.clear();
        ChainHook = SetWindowsHookExW(WH_MOUSE_LL, ChainProc, GetModuleHandleW(nullptr), 0);
        PumpFor(100);
        FUnder.ResetCounts();
    }
    void TearDown() override {
        RemoveWheelHook();
        UnhookWindowsHookEx(ChainHook);
    }
    // Visible, focused and under the cursor: where an unswallowed wheel event goes.
    TTestWindow FUnder{WS_POPUP, 100, 100, 400, 400};
    TTestWindow FTarget;
};

TEST_F(HookWine, WithoutTheHookTheWindowUnderTheCursorGetsTheWheel) {
    SendWheel(WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return FUnder.Count(WM_MOUSEWHEEL) == 1; }));
    EXPECT_EQ(FTarget.Count(WM_TRAYWHEELUP), 0);
}

TEST_F(HookWine, WheelEventsBecomeOneMessageEachAndAreSwallowed) {
    InstallWheelHook(FTarget.Handle());
    ASSERT_NE(WheelHookHandle, nullptr);
    for (const int delta : {WHEEL_DELTA, 2 * WHEEL_DELTA, -WHEEL_DELTA, 0, -30})
        SendWheel(delta);
    EXPECT_TRUE(PumpUntil([&] { return ChainSaw.size() == 5; }));
    PumpFor(100);
    EXPECT_EQ(FTarget.Count(WM_TRAYWHEELUP), 2);
    EXPECT_EQ(FTarget.Count(WM_TRAYWHEELDOWN), 3);
    EXPECT_EQ(FUnder.Count(WM_MOUSEWHEEL), 0);
    // The rest of the chain saw every wheel event before it was swallowed.
    EXPECT_EQ(ChainSaw, std::vector<WPARAM>(5, WM_MOUSEWHEEL));
}

TEST_F(HookWine, HorizontalWheelMovesAndClicksPassOn) {
    InstallWheelHook(FTarget.Handle());
    SendMouse(MOUSEEVENTF_HWHEEL, WHEEL_DELTA);
    SendMouse(MOUSEEVENTF_MOVE, 0, 5, 5);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return FUnder.Count(WM_LBUTTONUP) == 1; }));
    PumpFor(100);
    EXPECT_EQ(FUnder.Count(WM_MOUSEHWHEEL), 1);
    EXPECT_GE(FUnder.Count(WM_MOUSEMOVE), 1);
    EXPECT_EQ(FTarget.Count(WM_TRAYWHEELUP) + FTarget.Count(WM_TRAYWHEELDOWN), 0);
}

TEST_F(HookWine, InstallTwiceKeepsOneHookAndTakesTheNewTarget) {
    TTestWindow first;
    InstallWheelHook(first.Handle());
    const HHOOK hook = WheelHookHandle;
    InstallWheelHook(FTarget.Handle());
    EXPECT_EQ(WheelHookHandle, hook);
    EXPECT_EQ(WheelTargetWindow, FTarget.Handle());
    SendWheel(WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return FTarget.Count(WM_TRAYWHEELUP) >= 1; }));
    PumpFor(100);
    EXPECT_EQ(FTarget.Count(WM_TRAYWHEELUP), 1);
    EXPECT_EQ(first.Count(WM_TRAYWHEELUP), 0);
}

TEST_F(HookWine, RemoveThenInstallAgainGivesAWorkingHook) {
    RemoveWheelHook();
    EXPECT_EQ(WheelHookHandle, nullptr);
    InstallWheelHook(FTarget.Handle());
    RemoveWheelHook();
    EXPECT_EQ(WheelHookHandle, nullptr);
    EXPECT_EQ(WheelTargetWindow, FTarget.Handle());
    SendWheel(WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return FUnder.Count(WM_MOUSEWHEEL) == 1; }));
    InstallWheelHook(FTarget.Handle());
    EXPECT_NE(WheelHookHandle, nullptr);
    SendWheel(-WHEEL_DELTA);
    EXPECT_TRUE(PumpUntil([&] { return FTarget.Count(WM_TRAYWHEELDOWN) == 1; }));
    EXPECT_EQ(FUnder.Count(WM_MOUSEWHEEL), 1);
}

} // namespace
