// Run by tests/desktop/run-two-monitors on a screen split into a primary monitor at (0, 0) and
// a second one at (1280, 0), without a virtual desktop.
#include "harness/Pump.h"
#include "shell/TaskBarList.h"
#include "window/MainFormFixture.h"

namespace {

BOOL CALLBACK AddMonitorRect(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<RECT>*>(list)->push_back(*rect);
    return TRUE;
}

// The enumeration index of the monitor that holds x on the top row, found independently.
int MonitorIndexAt(int x) {
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitorRect, reinterpret_cast<LPARAM>(&rects));
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (x >= rects[i].left && x < rects[i].right)
            return static_cast<int>(i);
    return -1;
}

TEST_F(MainFormTest, DraggingOntoAnotherMonitorRecreatesTheButtonOncePerChange) {
    ASSERT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    SetDevice(40, false);
    TMainForm* form = Create({L"/w"});
    form->SetLeft(100);
    form->Show();
    PumpFor(100);
    ASSERT_TRUE(TaskbarButtonAdded);

    // The button is deleted, the thread waits 100 ms and adds it again only when the nearest
    // monitor changes; a move within one monitor returns at once.
    const auto moveTo = [&](int left) {
        const DWORD start = GetTickCount();
        form->SetLeft(left);
        return GetTickCount() - start;
    };
    const int first = MonitorIndexAt(150);
    const int second = MonitorIndexAt(1400);
    ASSERT_NE(first, second);

    const DWORD across = moveTo(1400);
    EXPECT_EQ(form->MMonNo, second);
    EXPECT_EQ(across >= 100, second != 0) << across;
    EXPECT_TRUE(TaskbarButtonAdded);
    EXPECT_LT(moveTo(1500), 100u);
    EXPECT_EQ(form->MMonNo, second);

    EXPECT_GE(moveTo(150), 100u);
    EXPECT_EQ(form->MMonNo, first);
    EXPECT_TRUE(TaskbarButtonAdded);
}

} // namespace
