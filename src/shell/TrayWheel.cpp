#include "shell/TrayWheel.h"

namespace {

constexpr std::int32_t HookAction = 0;
constexpr std::uintptr_t MouseWheelMessage = 522;

} // namespace

std::uint32_t TrayWheelMessage(std::int32_t code, std::uintptr_t mouseMessage,
                               std::uint32_t mouseData) {
    if (code != HookAction || mouseMessage != MouseWheelMessage)
        return 0;
    // The delta is the high word read as signed 16 bits: 0xFF88 is -120, not 65416.
    const auto delta = static_cast<std::int16_t>(static_cast<std::uint16_t>(mouseData >> 16));
    return delta > 0 ? WM_TRAYWHEELUP : WM_TRAYWHEELDOWN;
}
