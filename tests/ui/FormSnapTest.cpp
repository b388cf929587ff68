#include "ui/FormSnap.h"

#include <gtest/gtest.h>

namespace {

TEST(FormSnap, EdgesWithinTenPixelsLandOnTheWorkArea) {
    const TSnapRect area{0, 0, 1280, 780};
    struct Case {
        TSnapRect window, want;
    };
    const Case cases[] = {
        {{10, 300, 200, 450}, {0, 300, 190, 450}},        // left, exactly 10 away
        {{11, 300, 201, 450}, {11, 300, 201, 450}},       // 11 away: stays
        {{-7, -3, 183, 147}, {0, 0, 190, 150}},           // beyond the top-left corner
        {{1085, 625, 1275, 775}, {1090, 630, 1280, 780}}, // bottom-right
        {{1100, 700, 1290, 790}, {1090, 690, 1280, 780}}, // over the bottom-right edge
    };
    for (const Case& c : cases) {
        const TSnapRect r = SnapToWorkArea(c.window, area, 10);
        EXPECT_EQ(r.Left, c.want.Left);
        EXPECT_EQ(r.Top, c.want.Top);
        EXPECT_EQ(r.Right - r.Left, c.window.Right - c.window.Left);
        EXPECT_EQ(r.Bottom - r.Top, c.window.Bottom - c.window.Top);
    }
}

} // namespace
