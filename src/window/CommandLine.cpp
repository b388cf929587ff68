#include "window/CommandLine.h"

TStartMode StartModeOf(const std::vector<std::wstring>& params) {
    if (params.empty())
        return TStartMode::Resident;
    return params.front() == L"/w" ? TStartMode::WindowOnly : TStartMode::OneShot;
}

bool RunsBesideAnotherCopy(TStartMode mode) {
    return mode == TStartMode::OneShot;
}

namespace {

int DigitValue(wchar_t c, int base) {
    int value = 99;
    if (c >= L'0' && c <= L'9')
        value = c - L'0';
    else if (c >= L'a' && c <= L'f')
        value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
        value = c - L'A' + 10;
    return value < base ? value : -1;
}

bool StartsWithHexMark(std::wstring_view& text) {
    for (std::wstring_view mark : {L"$", L"0x", L"0X", L"x", L"X"})
        if (text.starts_with(mark) && text.size() > mark.size()) {
            text.remove_prefix(mark.size());
            return true;
        }
    return false;
}

} // namespace

std::int32_t ArgumentToInt(std::wstring_view text) {
    while (!text.empty() && text.front() == L' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    const int base = StartsWithHexMark(text) ? 16 : 10;
    if (text.empty())
        return -1;
    // Accumulate the magnitude in 64 bits: one more than INT32_MAX is still a valid negative.
    const std::int64_t limit = negative ? std::int64_t(INT32_MAX) + 1 : INT32_MAX;
    std::int64_t magnitude = 0;
    for (wchar_t c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0)
            return -1;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return -1;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}
