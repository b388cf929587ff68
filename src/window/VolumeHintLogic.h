#pragma once
// What the volume hint says and where it goes, from what the system answered.
#include "desktop/Geometry.h"

#include <cstdint>
#include <string>

// Two lines: "音量 ミュート" when muted, else "音量 " with the volume and "%"; then the
// output device name, which may be empty.
std::wstring VolumeHintText(std::int32_t volume, bool muted, const std::wstring& audioName);

// The gap between the taskbar and the hint at 96 DPI; it scales with the density.
constexpr std::int32_t VolumeHintGap = 8;

// The hint's top-left corner: the cursor, moved off the taskbar on the edge code's axis by the
// previous hint's size plus the gap (te* codes; teNone leaves the cursor as it is).
TPoint VolumeHintOrigin(TPoint cursor, std::int32_t edge, const TRect& taskbar,
                        std::int32_t previousWidth, std::int32_t previousHeight, std::int32_t gap);
