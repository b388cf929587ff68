#pragma once
// Where a dragged window lands when it comes near an edge of its monitor's work area; window-free.

struct TSnapRect {
    int Left, Top, Right, Bottom;
};

// The window rectangle moved (not resized) so that an edge within distance pixels of the
// same edge of the work area lies on it; left and top win over right and bottom.
TSnapRect SnapToWorkArea(const TSnapRect& window, const TSnapRect& workArea, int distance);
