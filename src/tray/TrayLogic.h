#pragma once
// Window-free arithmetic of the tray icon: text cutting, index clamping and icon cells.
#include <cstddef>
#include <string_view>

// How many units of s fit in max without splitting a surrogate pair at the cut.
std::size_t CutLength(std::wstring_view s, std::size_t max);

// An index at or past the end of a list of count images names its last image; below 0 it
// is passed on as it is.
int ClampIconIndex(int index, int count);

struct TCellPoint {
    int X;
    int Y;
};

// A client point's place inside a square cell of captionHeight - 1 pixels, counted from -1.
// A caption of 1 pixel or less leaves no positive cell; every point then lies at (-1, -1).
TCellPoint CellPos(int x, int y, int captionHeight);

// Whether a common-controls file version (major << 16 | minor, -1 without version
// information) is new enough to announce shell restarts (4.71 or later).
bool AnnouncesTaskbarCreated(int version);
