#include "shell/TrayWheel.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uintptr_t MouseMove = 0x200, LeftDown = 0x201, Wheel = 0x20A,
                         HorizontalWheel = 0x20E;

std::uint32_t WheelData(std::uint16_t delta) {
    // The low word carries nothing for a wheel event; noise there must not count.
    return static_cast<std::uint32_t>(delta) << 16 | 0x1234;
}

struct WheelCase {
    const char* Name;
    std::int32_t Code;
    std::uintptr_t Message;
    std::uint32_t MouseData;
    std::uint32_t Expected;
};

TEST(TrayWheel, OneMessagePerVerticalWheelEventBySignedDelta) {
    const WheelCase cases[] = {
        {"forward", 0, Wheel, WheelData(120), WM_TRAYWHEELUP},
        {"two notches", 0, Wheel, WheelData(240), WM_TRAYWHEELUP},
        {"fine", 0, Wheel, WheelData(30), WM_TRAYWHEELUP},
        {"largest forward", 0, Wheel, WheelData(32767), WM_TRAYWHEELUP},
        {"backward", 0, Wheel, WheelData(static_cast<std::uint16_t>(-120)), WM_TRAYWHEELDOWN},
        {"zero", 0, Wheel, WheelData(0), WM_TRAYWHEELDOWN},
        {"high word 32768", 0, Wheel, WheelData(32768), WM_TRAYWHEELDOWN},
        {"horizontal", 0, HorizontalWheel, WheelData(120), 0},
        {"move", 0, MouseMove, 0, 0},
        {"click", 0, LeftDown, 0, 0},
        {"code above zero", 1, Wheel, WheelData(120), 0},
        {"negative code", -1, Wheel, WheelData(120), 0},
    };
    for (const WheelCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TrayWheelMessage(c.Code, c.Message, c.MouseData), c.Expected);
    }
}

} // namespace
