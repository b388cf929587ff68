#include "harness/Pump.h"
#include "window/VolumeHint.h"

#include "desktop/TaskbarGeometry.h"
#include "desktop/Win32Rect.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TRect WindowRectOf(const THintWindow& hint) {
    RECT r{};
    GetWindowRect(hint.Handle(), &r);
    return ToTRect(r);
}

class VolumeHint : public testing::Test {
protected:
    VolumeHint() : Hint(nullptr), TimerHint(nullptr) {
        // As the layout has it: disabled until the first show.
        TimerHint.SetEnabled(false);
        TimerHint.OnTimer = [this](TObject*) {
            Ticks.push_back(GetTickCount());
            TimerHint.SetEnabled(false);
            HideHintBesideTaskbar(Hint, TimerHint);
        };
    }
    THintWindow Hint;
    TTimer TimerHint;
    std::vector<DWORD> Ticks;
};

const std::wstring Text = L"音量 42%\r\nSpeakers";
const TRect BottomTaskbar{0, 760, 1280, 800};

TEST_F(VolumeHint, SecondHintSitsEightPixelsAboveABottomTaskbar) {
    ShowHintBesideTaskbarAt(Hint, TimerHint, Text, {300, 780}, teBottom, BottomTaskbar);
    const TRect first = WindowRectOf(Hint);
    const std::int32_t height = first.Bottom - first.Top;
    EXPECT_EQ(first.Left, 300);
    EXPECT_EQ(first.Top, 760 - 8); // nothing known of a previous hint yet
    EXPECT_TRUE(IsWindowVisible(Hint.Handle()));
    EXPECT_TRUE(TimerHint.Enabled());
    EXPECT_EQ(TimerHint.Interval(), 3000u);

    HideHintBesideTaskbar(Hint, TimerHint);
    EXPECT_FALSE(Hint.HandleAllocated());
    EXPECT_FALSE(TimerHint.Enabled());

    ShowHintBesideTaskbarAt(Hint, TimerHint, Text, {310, 790}, teBottom, BottomTaskbar);
    EXPECT_EQ(WindowRectOf(Hint), (TRect{310, 760 - 8 - height, first.Right + 10, 760 - 8}));
}

TEST_F(VolumeHint, NearTheMonitorsRightEdgeTheHintEndsThere) {
    ShowHintBesideTaskbarAt(Hint, TimerHint, Text, {1275, 200}, teRight, {1240, 0, 1280, 800});
    const TRect r = WindowRectOf(Hint);
    EXPECT_EQ(r.Right, 1280);
    EXPECT_EQ(r.Top, 200);
}

TEST_F(VolumeHint, HidingWithoutAHintDoesNothing) {
    TimerHint.SetEnabled(true);
    HideHintBesideTaskbar(Hint, TimerHint);
    EXPECT_TRUE(TimerHint.Enabled());
}

TEST_F(VolumeHint, PlacedByWhatTheSystemReports) {
    SetCursorPos(400, 300);
    ShowHintBesideTaskbar(Hint, TimerHint, Text);
    EXPECT_EQ(WindowRectOf(Hint).Left, 400);
}

TEST_F(VolumeHint, VanishesThreeSecondsAfterTheFirstShowNotTheLatest) {
    const DWORD start = GetTickCount();
    ShowHintBesideTaskbarAt(Hint, TimerHint, Text, {300, 780}, teBottom, BottomTaskbar);
    for (int notch = 0; notch < 2; ++notch) {
        PumpFor(1000);
        ShowHintBesideTaskbarAt(Hint, TimerHint, L"音量 43%\r\nSpeakers", {300, 780}, teBottom,
                                BottomTaskbar);
    }
    PumpFor(1500);
    ASSERT_EQ(Ticks.size(), 1u);
    EXPECT_GE(Ticks[0] - start, 2900u);
    EXPECT_LT(Ticks[0] - start, 3600u);
    EXPECT_FALSE(Hint.HandleAllocated());

    // The next show starts a countdown of its own.
    const DWORD again = GetTickCount();
    ShowHintBesideTaskbarAt(Hint, TimerHint, Text, {300, 780}, teBottom, BottomTaskbar);
    PumpFor(3500);
    ASSERT_EQ(Ticks.size(), 2u);
    EXPECT_GE(Ticks[1] - again, 2900u);
}

} // namespace
