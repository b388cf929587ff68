#include "desktop/WindowGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WindowGeometry, OnlyBothCoordinatesAtTheMarkerMeanMinimised) {
    EXPECT_TRUE(IsMinimisedPosition({-32000, -32000, -31840, -31973}));
    EXPECT_FALSE(IsMinimisedPosition({-32000, 100, 200, 300}));
    EXPECT_FALSE(IsMinimisedPosition({100, -32000, 200, 300}));
    EXPECT_EQ(BoundsOfRect({-32000, 100, -31700, 300}), (TBounds{-32000, 100, 300, 200}));
}

struct ModeCase {
    std::int32_t Mode;
    TBounds Expected;
};

TEST(WindowGeometry, PlacementModesInAnAreaThatDoesNotStartAtTheOrigin) {
    // An area off the origin tells the origin-based modes 10..14 from the others.
    const TRect area{100, 50, 1100, 851};
    const TBounds window{300, 400, 300, 200};
    const ModeCase cases[] = {
        {0, {300, 50, 300, 801}},
        {1, {100, 400, 1000, 200}},
        {2, {300, 50, 300, 200}},
        {3, {300, 651, 300, 200}},
        {4, {100, 400, 300, 200}},
        {5, {800, 400, 300, 200}},
        {6, {100, 50, 300, 200}},
        {7, {800, 50, 300, 200}},
        {8, {100, 651, 300, 200}},
        {9, {800, 651, 300, 200}},
        {10, {400, 325, 300, 200}},
        {11, {100, 50, 1100, 425}},
        {12, {100, 425, 1100, 425}},
        {13, {100, 50, 550, 801}},
        {14, {550, 50, 550, 801}},
        {15, window},
        {-1, window},
        {INT32_MIN, window},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.Mode);
        EXPECT_EQ(PlacedBounds(window, area, c.Mode), c.Expected);
    }
}

TEST(WindowGeometry, HalvingTruncatesTowardZero) {
    // A window wider than the area: (100 - 107) / 2 is -3, where flooring would give -4.
    EXPECT_EQ(PlacedBounds({0, 0, 107, 50}, {0, 0, 100, 100}, 10), (TBounds{-3, 25, 107, 50}));
    EXPECT_EQ(PlacedBounds({0, 0, 10, 10}, {0, 0, 100, 1081}, 12), (TBounds{0, 540, 100, 540}));
    EXPECT_EQ(PlacedBounds({0, 0, 10, 10}, {-200, -100, -7, -9}, 14), (TBounds{-3, -100, -3, 91}));
}

TEST(WindowGeometry, CentreOfASingleMonitorWithABottomTaskbar) {
    EXPECT_EQ(PlacedBounds({5000, 5000, 300, 200}, {0, 0, 1920, 1080}, 10),
              (TBounds{810, 440, 300, 200}));
}

// Monitors as rectangles; records every point asked.
struct MonitorSet {
    std::vector<TRect> Monitors;
    std::vector<TPoint> Asked;
    bool operator()(TPoint p) {
        Asked.push_back(p);
        for (const TRect& m : Monitors)
            if (p.X >= m.Left && p.X < m.Right && p.Y >= m.Top && p.Y < m.Bottom)
                return true;
        return false;
    }
};

TEST(WindowGeometry, OffScreenAsksTheFivePointsInOrderAndStopsAtTheFirstHit) {
    MonitorSet none{{}, {}};
    EXPECT_TRUE(IsOffScreenBy({10, 20, 7, 9}, std::ref(none)));
    const std::vector<TPoint> order{{10, 20}, {17, 29}, {17, 20}, {10, 29}, {13, 24}};
    EXPECT_EQ(none.Asked, order);

    MonitorSet single{{{0, 0, 1920, 1080}}, {}};
    EXPECT_FALSE(IsOffScreenBy({100, 100, 300, 200}, std::ref(single)));
    EXPECT_EQ(single.Asked.size(), 1u);
}

struct OffScreenCase {
    const char* Name;
    TBounds Window;
    bool OffScreen;
};

TEST(WindowGeometry, AnyOneOfTheFivePointsKeepsAWindowOnScreen) {
    const std::vector<TRect> monitors{{0, 0, 1920, 1080}};
    const OffScreenCase cases[] = {
        {"far away", {5000, 5000, 300, 200}, true},
        // The bottom-right point lies one past the window, so it reaches the monitor at 0.
        {"bottom-right point only", {-300, -200, 300, 200}, false},
        {"one short of bottom-right", {-301, -200, 300, 200}, true},
        {"top-right only", {-300, 1079, 300, 200}, false},
        {"bottom-left only", {1919, -200, 300, 200}, false},
        {"centre only", {-1000, -1000, 2100, 2100}, false},
        {"top-left only", {1919, 1079, 300, 200}, false},
        // Overlapping the monitor in a band that none of the five points falls in.
        {"overlap without a point on it", {-500, -500, 3000, 900}, true},
    };
    for (const OffScreenCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MonitorSet set{monitors, {}};
        EXPECT_EQ(IsOffScreenBy(c.Window, std::ref(set)), c.OffScreen);
    }
}

TEST(WindowGeometry, MonitorIndexKeepsTheLastMatchAndAsksAfreshEachTime) {
    int a = 0, b = 0, c = 0;
    const std::vector<const void*> monitors{&a, &b, &c};
    EXPECT_EQ(LastMatchingMonitorIndex(monitors, [&] { return &b; }), 1);
    EXPECT_EQ(LastMatchingMonitorIndex(monitors, [&] { return &c; }), 2);
    EXPECT_EQ(LastMatchingMonitorIndex(monitors, [&] { return &a; }), 0);
    EXPECT_EQ(LastMatchingMonitorIndex(monitors, [] { return nullptr; }), 0);
    EXPECT_EQ(LastMatchingMonitorIndex({}, [&] { return &a; }), 0);

    // The window moves between two asks: each index is compared with a fresh answer.
    std::vector<const void*> answers{&b, &b, &a};
    std::size_t asked = 0;
    EXPECT_EQ(LastMatchingMonitorIndex(monitors, [&] { return answers[asked++]; }), 1);
    EXPECT_EQ(asked, 3u);
}

} // namespace
