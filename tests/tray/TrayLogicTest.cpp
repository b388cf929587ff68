#include "tray/TrayLogic.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TrayLogic, CutLengthKeepsSurrogatePairsWhole) {
    EXPECT_EQ(CutLength(L"abc", 126), 3u);
    EXPECT_EQ(CutLength(std::wstring(200, L'x'), 126), 126u);
    std::wstring pair = std::wstring(125, L'x');
    pair += wchar_t(0xD83D);
    pair += wchar_t(0xDD0A);
    EXPECT_EQ(CutLength(pair, 126), 125u);
    EXPECT_EQ(CutLength(pair, 127), 127u);
    EXPECT_EQ(CutLength(L"ab", 0), 0u);
}

TEST(TrayLogic, IndexPastTheEndNamesTheLastImage) {
    EXPECT_EQ(ClampIconIndex(150, 102), 101);
    EXPECT_EQ(ClampIconIndex(102, 102), 101);
    EXPECT_EQ(ClampIconIndex(101, 102), 101);
    EXPECT_EQ(ClampIconIndex(-3, 102), -3);
}

TEST(TrayLogic, CellPositionCountsFromMinusOne) {
    const TCellPoint p = CellPos(30, 5, 23);
    EXPECT_EQ(p.X, 7);
    EXPECT_EQ(p.Y, 4);
    const TCellPoint negative = CellPos(-30, -1, 23);
    EXPECT_EQ(negative.X, -9);
    EXPECT_EQ(negative.Y, -2);
    for (int h : {1, 0, -4}) {
        const TCellPoint none = CellPos(30, 5, h);
        EXPECT_EQ(none.X, -1);
        EXPECT_EQ(none.Y, -1);
    }
}

TEST(TrayLogic, ShellRestartNeedsCommonControlsAbove470) {
    EXPECT_FALSE(AnnouncesTaskbarCreated(-1));
    EXPECT_FALSE(AnnouncesTaskbarCreated((4 << 16) | 70));
    EXPECT_TRUE(AnnouncesTaskbarCreated((4 << 16) | 71));
    EXPECT_TRUE(AnnouncesTaskbarCreated(6 << 16));
}

} // namespace
