#include "ui/SysUtils.h"

#include <charconv>

std::wstring IntToStr(std::int64_t value) {
    char digits[24];
    const char* const begin = digits;
    const char* const end = std::to_chars(digits, digits + sizeof(digits), value).ptr;
    return std::wstring(begin, end);
}

std::wstring IntToHex(std::uint32_t value, int digits) {
    std::wstring hex;
    do {
        hex.insert(hex.begin(), L"0123456789ABCDEF"[value % 16]);
        value /= 16;
    } while (value != 0);
    if (hex.size() < static_cast<size_t>(digits))
        hex.insert(0, static_cast<size_t>(digits) - hex.size(), L'0');
    return hex;
}
