#pragma once
// Numbers as text, without the C library's formatted printing, which would add some 30 KB of
// floating-point and locale code to a program that only ever prints integers.
#include <cstdint>
#include <string>

std::wstring IntToStr(std::int64_t value);
// Upper-case hexadecimal, zero-padded to at least digits characters.
std::wstring IntToHex(std::uint32_t value, int digits);
