#pragma once
// Taskbar edge codes and the placement area, computed from what the system answered.
#include "desktop/Geometry.h"

#include <cstdint>
#include <optional>

enum : std::int32_t { teNone = -1, teTop = 0, teBottom = 1, teLeft = 2, teRight = 3 };

// The edge code for the shell's answer, which also decides the taskbar rectangle. A shell that
// did not answer leaves a record whose zero edge would read as "left": it counts as no taskbar.
std::int32_t TaskbarEdgeFromAnswer(bool answered, std::uint32_t appBarEdge, const TRect& answerRect,
                                   TRect& taskbar);

// The work area grown back over the taskbar's strip. A work area that could not be read is
// replaced by the primary screen, which already covers the taskbar, so nothing is added to it.
TRect PlacementAreaFrom(const std::optional<TRect>& workArea, const TRect& primaryScreen,
                        const TRect& taskbar, std::int32_t edge);
