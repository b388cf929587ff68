#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a copy of the program is, by its first command-line argument.
enum class TStartMode {
    Resident,   // no argument: tray icon, hidden window
    WindowOnly, // "/w": window, no tray icon
    OneShot,    // anything else: apply, then close after a second
};

// Only the first argument counts, compared case-sensitively as a whole.
TStartMode StartModeOf(const std::vector<std::wstring>& params);

// Whether a new copy with this start mode goes on while another copy is running.
bool RunsBesideAnotherCopy(TStartMode mode);

// The argument as a signed 32-bit integer: leading spaces, one sign, then decimal digits or
// hexadecimal digits after "$", "x" or "0x" (either case). Anything else, or an overflow, is -1.
std::int32_t ArgumentToInt(std::wstring_view text);
