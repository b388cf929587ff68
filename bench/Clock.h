#pragma once
// The benchmark's one clock: the performance counter, in milliseconds.
#include <windows.h>

namespace hx::bench {

inline double NowMs() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / perMs;
}

} // namespace hx::bench
