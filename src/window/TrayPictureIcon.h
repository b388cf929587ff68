#pragma once
// The tray picture of one image at one size as an icon: colour pixels with a 1-bit mask.
#include "window/TrayPicture.h"

#include <windows.h>

COLORREF TrayInkColour(TTrayInk ink);
// A new icon, which the caller destroys; null when the system has no room for it.
HICON MakeTrayPictureIcon(int image, int size);
