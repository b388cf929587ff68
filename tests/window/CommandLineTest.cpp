#include "window/CommandLine.h"

#include <gtest/gtest.h>

TEST(StartMode, OnlyTheFirstArgumentCountsAndCaseMatters) {
    using V = std::vector<std::wstring>;
    EXPECT_EQ(StartModeOf(V{}), TStartMode::Resident);
    EXPECT_EQ(StartModeOf(V{L"/w"}), TStartMode::WindowOnly);
    EXPECT_EQ(StartModeOf(V{L"/w", L"50"}), TStartMode::WindowOnly);
    EXPECT_EQ(StartModeOf(V{L"/W"}), TStartMode::OneShot);
    EXPECT_EQ(StartModeOf(V{L"50", L"/w"}), TStartMode::OneShot);
    EXPECT_EQ(StartModeOf(V{L""}), TStartMode::OneShot);
    EXPECT_EQ(StartModeOf(V{L"/w "}), TStartMode::OneShot);
}

TEST(StartMode, OnlyOneShotCopiesRunBesideAnother) {
    EXPECT_FALSE(RunsBesideAnotherCopy(TStartMode::Resident));
    EXPECT_FALSE(RunsBesideAnotherCopy(TStartMode::WindowOnly));
    EXPECT_TRUE(RunsBesideAnotherCopy(TStartMode::OneShot));
}

TEST(ArgumentToInt, ConvertsWholeTextsOnly) {
    struct Case {
        const wchar_t* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {L"50", 50},
        {L"+50", 50},
        {L" 50", 50},
        {L"   -5", -5},
        {L"0", 0},
        {L"100", 100},
        {L"150", 150},
        {L"007", 7},
        {L"$FF", 255},
        {L"$ff", 255},
        {L"0x1F", 31},
        {L"0X1f", 31},
        {L"x10", 16},
        {L"X10", 16},
        {L"-$10", -16},
        {L"2147483647", 2147483647},
        {L"-2147483648", INT32_MIN},
        // Everything below does not convert and counts as -1.
        {L"50 ", -1},
        {L"abc", -1},
        {L"", -1},
        {L"   ", -1},
        {L"+", -1},
        {L"-", -1},
        {L"+-5", -1},
        {L"--5", -1},
        {L"$", -1},
        {L"0x", -1},
        {L"x", -1},
        {L"$G", -1},
        {L"2147483648", -1},
        {L"-2147483649", -1},
        {L"99999999999999999999", -1},
        {L"$100000000", -1},
        {L"/M", -1},
        {L"5 0", -1},
        {L"\t50", -1},
        {L"１２", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ArgumentToInt(c.text), c.value)
            << "text: [" << testing::PrintToString(c.text) << "]";
}
