#include "ui/SysUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(SysUtils, IntToStrWritesEveryIntegerInFull) {
    EXPECT_EQ(IntToStr(0), L"0");
    EXPECT_EQ(IntToStr(100), L"100");
    EXPECT_EQ(IntToStr(-5), L"-5");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int32_t>::min()), L"-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), L"-9223372036854775808");
}

TEST(SysUtils, IntToHexPadsToTheDigitsAskedAndNeverCuts) {
    EXPECT_EQ(IntToHex(0x80004005u, 8), L"80004005");
    EXPECT_EQ(IntToHex(0xABCu, 8), L"00000ABC");
    EXPECT_EQ(IntToHex(0, 0), L"0");
    EXPECT_EQ(IntToHex(0xFFFFFFFFu, 2), L"FFFFFFFF");
}
