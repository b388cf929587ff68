#include "ui/FormSnap.h"

#include <cstdlib>

namespace {

// The shift that puts low or high on the matching work-area edge, or 0 when neither is near.
int SnapShift(int low, int high, int areaLow, int areaHigh, int distance) {
    if (std::abs(low - areaLow) <= distance)
        return areaLow - low;
    if (std::abs(high - areaHigh) <= distance)
        return areaHigh - high;
    return 0;
}

} // namespace

TSnapRect SnapToWorkArea(const TSnapRect& w, const TSnapRect& area, int distance) {
    const int dx = SnapShift(w.Left, w.Right, area.Left, area.Right, distance);
    const int dy = SnapShift(w.Top, w.Bottom, area.Top, area.Bottom, distance);
    return {w.Left + dx, w.Top + dy, w.Right + dx, w.Bottom + dy};
}
