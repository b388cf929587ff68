#include "window/VolumeHint.h"

#include "desktop/Taskbar.h"
#include "window/VolumeHintLogic.h"

namespace {
const unsigned HintDuration = 3000;
}

void ShowHintBesideTaskbarAt(THintWindow& hint, TTimer& timer, const std::wstring& text,
                             TPoint cursor, std::int32_t edge, const TRect& taskbar) {
    // Measured in the font of the monitor the hint opens on, the one under the cursor.
    const int dpi = MonitorDpi(MonitorFromPoint({cursor.X, cursor.Y}, MONITOR_DEFAULTTONEAREST));
    hint.ChangeDpi(dpi);
    hint.HandleNeeded();
    RECT rect = hint.CalcTextRect(text);
    const TPoint origin = VolumeHintOrigin(cursor, edge, taskbar, hint.Width(), hint.Height(),
                                           ScaleFrom96(VolumeHintGap, dpi));
    OffsetRect(&rect, origin.X, origin.Y);
    hint.ActivateHint(rect, text);
    // The toolkit timer restarts only when these change, so a later show leaves the countdown
    // of the first one running.
    timer.SetInterval(HintDuration);
    timer.SetEnabled(true);
}

void ShowHintBesideTaskbar(THintWindow& hint, TTimer& timer, const std::wstring& text) {
    POINT cursor{};
    GetCursorPos(&cursor);
    TRect taskbar;
    const std::int32_t edge = GetTaskbarEdge(taskbar);
    ShowHintBesideTaskbarAt(hint, timer, text, {cursor.x, cursor.y}, edge, taskbar);
}

void HideHintBesideTaskbar(THintWindow& hint, TTimer& timer) {
    if (!hint.HandleAllocated())
        return;
    hint.ReleaseHandle();
    timer.SetEnabled(false);
}
