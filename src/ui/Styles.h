#pragma once
#include <windows.h>

#include <string>

struct TStyleColors {
    COLORREF Face;     // window and control background
    COLORREF Text;     // text on it
    COLORREF Hot;      // highlighted items
    COLORREF Disabled; // greyed text
};

// The visual style of the whole program. Styles are carried in the exe's resources as
// RCDATA named after the style (spaces dropped, upper case), one "Name=RRGGBB" line per colour.
class TStyleManager {
public:
    // Loads and activates the named style; on failure the system look stays and, when asked,
    // the toolkit's error dialog says so.
    static bool TrySetStyle(const std::wstring& name, bool showErrorDialog = true);
    static void UseSystemLook();
    static bool IsCustomStyleActive();
    static bool IsDark();
    static const TStyleColors& Colors();
    static HBRUSH FaceBrush();
    // Sets a control's text and background colours on its device context; answers the brush.
    static LRESULT PaintControlColors(HDC dc);
    // Dark title bar and frame where the system offers them.
    static void ApplyToWindow(HWND window);
};
