#pragma once
// Placement modes, the off-screen test and the monitor index as pure arithmetic: the platform's
// answers about monitors come in through callables.
#include "desktop/Geometry.h"

#include <cstdint>
#include <functional>
#include <span>

// Where the platform parks a minimised top-level window.
constexpr std::int32_t MinimisedMarker = -32000;

// Only both coordinates at the marker mean minimised; one alone is an ordinary position.
bool IsMinimisedPosition(const TRect& rect);

TBounds BoundsOfRect(const TRect& rect);

// The bounds after placement mode 0..14 in the area; any other mode keeps them.
TBounds PlacedBounds(const TBounds& bounds, const TRect& area, std::int32_t mode);

// The five points asked, in order: top-left, bottom-right, top-right, bottom-left, centre.
// Asking stops at the first point that lies on a monitor.
bool IsOffScreenBy(const TBounds& bounds, const std::function<bool(TPoint)>& onMonitor);

// The last index whose monitor equals the one asked afresh for that index; 0 when none does.
std::int32_t LastMatchingMonitorIndex(std::span<const void* const> monitors,
                                      const std::function<const void*()>& nearestMonitor);
