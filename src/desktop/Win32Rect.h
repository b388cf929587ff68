#pragma once
#include "desktop/Geometry.h"

#include <windows.h>

inline TRect ToTRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}
