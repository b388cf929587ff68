#include "window/VolumeHintLogic.h"

#include "desktop/TaskbarGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(VolumeHintText, MuteOrVolumeThenTheDeviceName) {
    struct Case {
        std::int32_t Volume;
        bool Muted;
        const wchar_t* Name;
        const wchar_t* Text;
    };
    const Case cases[] = {
        {42, false, L"Speakers", L"音量 42%\r\nSpeakers"},
        {0, false, L"Speakers", L"音量 0%\r\nSpeakers"},
        {100, false, L"", L"音量 100%\r\n"},
        {42, true, L"Speakers", L"音量 ミュート\r\nSpeakers"},
        {0, true, L"", L"音量 ミュート\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VolumeHintText(c.Volume, c.Muted, c.Name), c.Text);
    // The space is a plain one, not an ideographic space.
    EXPECT_EQ(VolumeHintText(5, false, L"").substr(2, 1), L" ");
}

TEST(VolumeHintOrigin, MovesOffTheTaskbarByThePreviousSize) {
    const TPoint cursor{1800, 1060};
    struct Case {
        const char* Name;
        std::int32_t Edge;
        TRect Taskbar;
        std::int32_t Width, Height; // of the previous hint
        TPoint Origin;
        std::int32_t Gap = VolumeHintGap;
    };
    const Case cases[] = {
        // Top 1040 - 34 - 8: a hint as high as the last one ends 8 pixels above the taskbar.
        {"bottom", teBottom, {0, 1040, 1920, 1080}, 120, 34, {1800, 998}},
        // The first hint starts 8 pixels above the taskbar and reaches down over it.
        {"bottom, first hint", teBottom, {0, 1040, 1920, 1080}, 0, 0, {1800, 1032}},
        {"top", teTop, {0, 0, 1920, 40}, 120, 34, {1800, 82}},
        {"left", teLeft, {0, 0, 60, 1080}, 120, 34, {188, 1060}},
        {"right", teRight, {1860, 0, 1920, 1080}, 120, 34, {1732, 1060}},
        {"none", teNone, {}, 120, 34, {1800, 1060}},
        {"unknown code", 7, {0, 1040, 1920, 1080}, 120, 34, {1800, 1060}},
        // At 200 % the gap is twice as wide.
        {"bottom at 200 %", teBottom, {0, 1040, 1920, 1080}, 240, 68, {1800, 956}, 16},
        {"left at 200 %", teLeft, {0, 0, 60, 1080}, 240, 68, {316, 1060}, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(VolumeHintOrigin(cursor, c.Edge, c.Taskbar, c.Width, c.Height, c.Gap), c.Origin);
    }
}

TEST(VolumeHintOrigin, ExtremeAnswersDoNotWrapAround) {
    const std::int32_t low = std::numeric_limits<std::int32_t>::min();
    const std::int32_t high = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(VolumeHintOrigin({5, 5}, teBottom, {0, low + 3, 10, 0}, 0, 100, 8), (TPoint{5, low}));
    EXPECT_EQ(VolumeHintOrigin({5, 5}, teLeft, {0, 0, high - 3, 10}, 100, 0, 8), (TPoint{high, 5}));
}

} // namespace
