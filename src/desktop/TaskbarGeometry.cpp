#include "desktop/TaskbarGeometry.h"

namespace {

// The shell numbers its edges left, top, right, bottom.
constexpr std::int32_t EdgeCodeOfAppBarEdge[] = {teLeft, teTop, teRight, teBottom};

} // namespace

std::int32_t TaskbarEdgeFromAnswer(bool answered, std::uint32_t appBarEdge, const TRect& answerRect,
                                   TRect& taskbar) {
    if (!answered) {
        taskbar = TRect{};
        return teNone;
    }
    taskbar = answerRect;
    return appBarEdge < 4 ? EdgeCodeOfAppBarEdge[appBarEdge] : teNone;
}

TRect PlacementAreaFrom(const std::optional<TRect>& workArea, const TRect& primaryScreen,
                        const TRect& taskbar, std::int32_t edge) {
    if (!workArea)
        return primaryScreen;
    TRect area = *workArea;
    // Top and left subtract the taskbar's far coordinate, not its thickness: a taskbar pushed
    // partly off the screen still gives an area that starts at the screen's edge.
    switch (edge) {
    case teTop:
        area.Top -= taskbar.Bottom;
        break;
    case teBottom:
        area.Bottom += taskbar.Bottom - taskbar.Top;
        break;
    case teLeft:
        area.Left -= taskbar.Right;
        break;
    case teRight:
        area.Right += taskbar.Right - taskbar.Left;
        break;
    default:
        break;
    }
    return area;
}
