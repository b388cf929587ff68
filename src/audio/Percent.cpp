#include "audio/Percent.h"

#include <cmath>

int LevelToPercent(float level) {
    const double scaled = static_cast<double>(level) * 100.0;
    const double lower = std::floor(scaled);
    const double fraction = scaled - lower;
    double nearest = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        nearest = lower + 1.0;
    return static_cast<int>(nearest);
}

float PercentToLevel(int percent) {
    return static_cast<float>(percent / 100.0);
}
