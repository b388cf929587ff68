#pragma once
// A property that does not hold ends the run the way a crash does, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* property) {
    if (holds)
        return;
    std::fprintf(stderr, "property does not hold: %s\n", property);
    std::abort();
}
