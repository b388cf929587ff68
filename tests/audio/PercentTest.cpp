#include "audio/Percent.h"

#include <gtest/gtest.h>

TEST(Percent, LevelsRoundToNearestWithTiesToEven) {
    struct Case {
        float level;
        int percent;
    };
    // 0.125 and friends are exact in binary, so x 100 lands exactly on the .5 tie.
    const Case cases[] = {{0.0f, 0},    {1.0f, 100},  {0.125f, 12}, {0.375f, 38},
                          {0.625f, 62}, {0.875f, 88}, {0.5f, 50},   {0.0049f, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(LevelToPercent(c.level), c.percent) << c.level;
}

TEST(Percent, EveryPercentReadsBackAsItself) {
    // A write is never repeated for the same target only if this holds for all of 0..100.
    for (int p = 0; p <= 100; ++p)
        EXPECT_EQ(LevelToPercent(PercentToLevel(p)), p);
}

TEST(Percent, WrittenLevelIsTheFloatNearestToTheQuotient) {
    EXPECT_EQ(PercentToLevel(38), static_cast<float>(0.38));
    EXPECT_EQ(PercentToLevel(100), 1.0f);
    EXPECT_EQ(PercentToLevel(0), 0.0f);
}
