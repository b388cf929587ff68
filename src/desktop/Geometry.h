#pragma once
// Screen geometry without the platform's headers, so the arithmetic is tested natively.
#include <cstdint>

// Left, top, right, bottom; right and bottom are exclusive (the platform's RECT layout).
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    bool operator==(const TRect&) const = default;
};

struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

// A window's place as left, top, width and height.
struct TBounds {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool operator==(const TBounds&) const = default;
};
