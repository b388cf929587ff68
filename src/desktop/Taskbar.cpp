#include "desktop/Taskbar.h"

#include "desktop/Win32Rect.h"

#include <windows.h>
#include <shellapi.h>

#ifdef _M_IX86
static_assert(sizeof(APPBARDATA) == 36);
#endif

std::int32_t GetTaskbarEdge(TRect& taskbar) {
    APPBARDATA data{};
    data.cbSize = sizeof(data);
    const bool answered = SHAppBarMessage(ABM_GETTASKBARPOS, &data) != 0;
    return TaskbarEdgeFromAnswer(answered, data.uEdge, ToTRect(data.rc), taskbar);
}

TRect GetPlacementArea() {
    RECT work{};
    std::optional<TRect> workArea;
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        workArea = ToTRect(work);
    TRect taskbar;
    const std::int32_t edge = GetTaskbarEdge(taskbar);
    const TRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return PlacementAreaFrom(workArea, screen, taskbar, edge);
}
