#include "window/VolumeHintLogic.h"

#include "desktop/TaskbarGeometry.h"
#include "ui/SysUtils.h"

#include <algorithm>
#include <limits>

namespace {

// Sums of screen coordinates and sizes stay on the screen's side of the integer range.
std::int32_t Saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::wstring VolumeHintText(std::int32_t volume, bool muted, const std::wstring& audioName) {
    const std::wstring level = muted ? L"ミュート" : IntToStr(volume) + L"%";
    return L"音量 " + level + L"\r\n" + audioName;
}

TPoint VolumeHintOrigin(TPoint cursor, std::int32_t edge, const TRect& taskbar,
                        std::int32_t previousWidth, std::int32_t previousHeight, std::int32_t gap) {
    const std::int64_t w = previousWidth, h = previousHeight;
    switch (edge) {
    case teTop:
        cursor.Y = Saturated(taskbar.Bottom + h + gap);
        break;
    case teBottom:
        cursor.Y = Saturated(taskbar.Top - h - gap);
        break;
    case teLeft:
        cursor.X = Saturated(taskbar.Right + w + gap);
        break;
    case teRight:
        cursor.X = Saturated(taskbar.Left - w - gap);
        break;
    }
    return cursor;
}
