#include "ui/HintWindow.h"

#include "harness/Pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

// Found by argument lookup from inside the test macros: RECT lives in the global namespace.
bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}
void PrintTo(const RECT& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT PrimaryMonitor() {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcMonitor;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

TEST(HintWindow, KeepInsideMovesAndShrinksIntoTheArea) {
    const RECT area{0, 0, 1280, 800};
    struct Case {
        const char* Name;
        RECT Rect;
        RECT Result;
    };
    const Case cases[] = {
        {"inside", {10, 20, 110, 54}, {10, 20, 110, 54}},
        {"past the right edge", {1250, 100, 1350, 134}, {1180, 100, 1280, 134}},
        {"past the bottom", {50, 780, 150, 814}, {50, 766, 150, 800}},
        {"left of the area", {-40, 100, 60, 134}, {0, 100, 100, 134}},
        {"above the area", {40, -10, 140, 24}, {40, 0, 140, 34}},
        {"larger than the area", {-5, -5, 2000, 900}, {0, 0, 1280, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(KeepInside(c.Rect, area), c.Result);
    }
    // A second monitor to the right is an area of its own.
    EXPECT_EQ(KeepInside({2290, 700, 2390, 734}, {1280, 0, 2304, 768}),
              (RECT{2204, 700, 2304, 734}));
}

TEST(HintWindow, MeasuresEachLineInTheHintFont) {
    THintWindow hint(nullptr);
    EXPECT_FALSE(hint.HandleAllocated());
    hint.HandleNeeded();
    ASSERT_TRUE(hint.HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(hint.Handle()));
    const RECT one = hint.CalcTextRect(L"音量 42%");
    const RECT two = hint.CalcTextRect(L"音量 42%\r\nSpeakers with a long name");
    const RECT wide = hint.CalcTextRect(L"Speakers with a long name");
    EXPECT_EQ(one.left, 0);
    EXPECT_EQ(one.top, 0);
    EXPECT_GT(one.bottom, 0);
    EXPECT_EQ(two.bottom, 2 * one.bottom);
    EXPECT_EQ(two.right, wide.right);
    EXPECT_GT(wide.right, one.right);
}

TEST(HintWindow, ShowsTopMostWithoutActivationAndKeepsItsSizeWhenHidden) {
    const HWND focus = CreateWindowExW(0, L"STATIC", L"focus", WS_POPUP | WS_VISIBLE, 300, 300, 200,
                                       100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(focus);
    SetActiveWindow(focus);
    Pump();
    ASSERT_EQ(GetForegroundWindow(), focus);

    THintWindow hint(nullptr);
    hint.HandleNeeded();
    hint.ActivateHint({10, 20, 110, 50}, L"音量 42%\r\nSpeakers");
    Pump();
    const HWND first = hint.Handle();
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_TRUE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(WindowRectOf(first), (RECT{10, 20, 110, 54}));
    EXPECT_EQ(GetForegroundWindow(), focus);
    EXPECT_EQ(GetActiveWindow(), focus);

    // Shown again while visible: the same window, moved and resized.
    hint.ActivateHint({40, 60, 90, 80}, L"音量 ミュート\r\n");
    Pump();
    EXPECT_EQ(hint.Handle(), first);
    EXPECT_EQ(WindowRectOf(first), (RECT{40, 60, 90, 84}));
    EXPECT_EQ(GetForegroundWindow(), focus);

    hint.ReleaseHandle();
    EXPECT_FALSE(hint.HandleAllocated());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(hint.Width(), 50);
    EXPECT_EQ(hint.Height(), 24);
    DestroyWindow(focus);
}

TEST(HintWindow, StaysInsideTheNearestMonitor) {
    const RECT monitor = PrimaryMonitor();
    THintWindow hint(nullptr);
    hint.ActivateHint(
        {monitor.right - 30, monitor.bottom - 10, monitor.right + 70, monitor.bottom + 20}, L"x");
    EXPECT_EQ(WindowRectOf(hint.Handle()),
              (RECT{monitor.right - 100, monitor.bottom - 34, monitor.right, monitor.bottom}));
}

// The hint as it draws itself, pixel for pixel.
struct THintPixels {
    int Width = 0, Height = 0;
    std::vector<COLORREF> Pixels;
    COLORREF At(int x, int y) const { return Pixels[y * Width + x]; }
};

THintPixels Printed(const THintWindow& hint) {
    THintPixels shot;
    RECT client;
    GetClientRect(hint.Handle(), &client);
    shot.Width = client.right;
    shot.Height = client.bottom;
    shot.Pixels = PrintedClient(hint.Handle(), shot.Width, shot.Height);
    return shot;
}

// Above 96 DPI (where the hint is the bare text's width) the frame is whole and as thick as the
// density asks, and no stroke of the text touches it: a ring at least a pixel wide inside the
// frame shows only the background. Last glyphs with little spacing of their own ("%", "I") are
// the ones that reach the frame.
TEST(HintWindow, TheTextKeepsClearOfTheFrameAtHigherDensities) {
    for (const wchar_t* text : {L"音量 100%\r\nSpeakers", L"音量 42%\r\nHDMI Output II"})
        for (int dpi : {120, 144, 192}) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI");
            THintWindow hint(nullptr);
            hint.ChangeDpi(dpi);
            hint.HandleNeeded();
            const RECT need = hint.CalcTextRect(text);
            hint.ActivateHint(need, text);
            const THintPixels shot = Printed(hint);
            const int frame = MulDiv(1, dpi, 96);
            EXPECT_GE(shot.Width, need.right + 2 * frame);
            const COLORREF edge = shot.At(0, 0), face = shot.At(frame, frame);
            ASSERT_NE(edge, face);
            int ink = 0;
            for (int y = 0; y < shot.Height; ++y)
                for (int x = 0; x < shot.Width; ++x) {
                    const int inward = std::min({x, y, shot.Width - 1 - x, shot.Height - 1 - y});
                    const COLORREF p = shot.At(x, y);
                    if (inward < frame) {
                        ASSERT_EQ(p, edge) << x << "," << y;
                    } else if (inward == frame) {
                        ASSERT_EQ(p, face) << "text touches the frame at " << x << "," << y;
                    } else {
                        ink += p != face;
                    }
                }
            EXPECT_GT(ink, 0);
            hint.ReleaseHandle();
        }
}

} // namespace
