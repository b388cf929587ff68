#include "desktop/TaskbarGeometry.h"

#include <gtest/gtest.h>

namespace {

struct TaskbarCase {
    const char* Name;
    std::uint32_t AppBarEdge;
    TRect Taskbar;
    TRect WorkArea;
    std::int32_t Edge;
    TRect Area;
};

const TaskbarCase TaskbarCases[] = {
    {"bottom", 3, {0, 1040, 1920, 1080}, {0, 0, 1920, 1040}, teBottom, {0, 0, 1920, 1080}},
    {"top", 1, {0, 0, 1920, 40}, {0, 40, 1920, 1080}, teTop, {0, 0, 1920, 1080}},
    {"left", 0, {0, 0, 60, 1080}, {60, 0, 1920, 1080}, teLeft, {0, 0, 1920, 1080}},
    {"right", 2, {1860, 0, 1920, 1080}, {0, 0, 1860, 1080}, teRight, {0, 0, 1920, 1080}},
    // The far coordinate, not the thickness: 38 - 38, not 38 - 40.
    {"top pushed off", 1, {0, -2, 1920, 38}, {0, 38, 1920, 1080}, teTop, {0, 0, 1920, 1080}},
    {"unknown edge", 4, {5, 6, 7, 8}, {0, 0, 1000, 700}, teNone, {0, 0, 1000, 700}},
    {"huge edge", 0xFFFFFFFF, {5, 6, 7, 8}, {0, 0, 1000, 700}, teNone, {0, 0, 1000, 700}},
    // A work area that already covers the strip is still grown past the monitor.
    {"bottom covered", 3, {0, 1040, 1920, 1080}, {0, 0, 1920, 1080}, teBottom, {0, 0, 1920, 1120}},
    {"left covered", 0, {0, 0, 60, 1080}, {0, 0, 1920, 1080}, teLeft, {-60, 0, 1920, 1080}},
};

TEST(TaskbarGeometry, EdgeCodeAndPlacementAreaForEachTaskbar) {
    const TRect screen{0, 0, 1920, 1080};
    for (const TaskbarCase& c : TaskbarCases) {
        SCOPED_TRACE(c.Name);
        TRect taskbar{-1, -1, -1, -1};
        const std::int32_t edge = TaskbarEdgeFromAnswer(true, c.AppBarEdge, c.Taskbar, taskbar);
        EXPECT_EQ(edge, c.Edge);
        EXPECT_EQ(taskbar, c.Taskbar);
        EXPECT_EQ(PlacementAreaFrom(c.WorkArea, screen, taskbar, edge), c.Area);
    }
}

TEST(TaskbarGeometry, UnansweredShellMeansNoTaskbarAndAnEmptyRectangle) {
    // The zeroed record of an unanswered query says edge 0, which would read as "left".
    TRect taskbar{1, 2, 3, 4};
    EXPECT_EQ(TaskbarEdgeFromAnswer(false, 0, {0, 0, 0, 0}, taskbar), teNone);
    EXPECT_EQ(taskbar, TRect{});
    EXPECT_EQ(PlacementAreaFrom(TRect{0, 0, 1280, 760}, {0, 0, 1280, 800}, taskbar, teNone),
              (TRect{0, 0, 1280, 760}));
}

TEST(TaskbarGeometry, UnreadableWorkAreaGivesThePrimaryScreenUngrown) {
    const TRect screen{0, 0, 1280, 800};
    for (const std::int32_t edge : {teNone, teTop, teBottom, teLeft, teRight}) {
        SCOPED_TRACE(edge);
        EXPECT_EQ(PlacementAreaFrom(std::nullopt, screen, {0, 760, 1280, 800}, edge), screen);
    }
}

} // namespace
