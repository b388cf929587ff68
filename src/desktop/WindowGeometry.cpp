#include "desktop/WindowGeometry.h"

bool IsMinimisedPosition(const TRect& rect) {
    return rect.Left == MinimisedMarker && rect.Top == MinimisedMarker;
}

TBounds BoundsOfRect(const TRect& rect) {
    return {rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top};
}

TBounds PlacedBounds(const TBounds& bounds, const TRect& area, std::int32_t mode) {
    auto [x, y, w, h] = bounds;
    // Modes 10..14 measure from the origin rather than from the area's left and top; the two
    // agree for the usual area that starts at (0, 0). Halving truncates toward zero.
    switch (mode) {
    case 0:
        y = area.Top;
        h = area.Bottom - area.Top;
        break;
    case 1:
        x = area.Left;
        w = area.Right - area.Left;
        break;
    case 2:
        y = area.Top;
        break;
    case 3:
        y = area.Bottom - h;
        break;
    case 4:
        x = area.Left;
        break;
    case 5:
        x = area.Right - w;
        break;
    case 6:
        x = area.Left;
        y = area.Top;
        break;
    case 7:
        x = area.Right - w;
        y = area.Top;
        break;
    case 8:
        x = area.Left;
        y = area.Bottom - h;
        break;
    case 9:
        x = area.Right - w;
        y = area.Bottom - h;
        break;
    case 10:
        x = (area.Right - w) / 2;
        y = (area.Bottom - h) / 2;
        break;
    case 11:
        x = area.Left;
        y = area.Top;
        w = area.Right;
        h = area.Bottom / 2;
        break;
    case 12:
        x = area.Left;
        y = area.Bottom / 2;
        w = area.Right;
        h = area.Bottom / 2;
        break;
    case 13:
        x = area.Left;
        y = area.Top;
        w = area.Right / 2;
        h = area.Bottom - area.Top;
        break;
    case 14:
        x = area.Right / 2;
        y = area.Top;
        w = area.Right / 2;
        h = area.Bottom - area.Top;
        break;
    default:
        break;
    }
    return {x, y, w, h};
}

bool IsOffScreenBy(const TBounds& b, const std::function<bool(TPoint)>& onMonitor) {
    // Right and bottom are exclusive, so those points lie just past the window.
    const TPoint points[] = {{b.Left, b.Top},
                             {b.Left + b.Width, b.Top + b.Height},
                             {b.Left + b.Width, b.Top},
                             {b.Left, b.Top + b.Height},
                             {b.Left + b.Width / 2, b.Top + b.Height / 2}};
    for (const TPoint& point : points)
        if (onMonitor(point))
            return false;
    return true;
}

std::int32_t LastMatchingMonitorIndex(std::span<const void* const> monitors,
                                      const std::function<const void*()>& nearestMonitor) {
    std::int32_t result = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i)
        if (nearestMonitor() == monitors[i])
            result = static_cast<std::int32_t>(i);
    return result;
}
