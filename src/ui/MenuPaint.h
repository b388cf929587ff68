#pragma once
// Popup-menu items drawn in the active style's colours: the system draws its menus light
// whatever the style, so a dark style draws the items itself.
#include <windows.h>

#include <string>

namespace MenuPaint {

// The size of one item at the density of the menu's monitor; a separator is a thin line with
// some air around it.
void Measure(MEASUREITEMSTRUCT& item, const std::wstring& caption, bool separator, int dpi);
void Draw(const DRAWITEMSTRUCT& item, const std::wstring& caption, bool separator, int dpi);

} // namespace MenuPaint
