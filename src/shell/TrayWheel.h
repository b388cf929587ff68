#pragma once
// What one low-level mouse event means to the tray: pure, so the sign handling is tested natively.
#include <cstdint>

// Private messages to the main window, both with zero parameters.
constexpr std::uint32_t WM_TRAYWHEELUP = 1125;
constexpr std::uint32_t WM_TRAYWHEELDOWN = 1126;

// The message for a hook call (code, mouse message, the record's mouseData), or 0 when the event
// passes on untouched. Every vertical wheel event gives one message, whatever its delta.
std::uint32_t TrayWheelMessage(std::int32_t code, std::uintptr_t mouseMessage,
                               std::uint32_t mouseData);
