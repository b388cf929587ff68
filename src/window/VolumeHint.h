#pragma once
// The volume hint beside the taskbar, on the toolkit's hint window and a toolkit timer that
// hides it 3 seconds after it was first shown.
#include "desktop/Geometry.h"
#include "ui/HintWindow.h"
#include "ui/Timer.h"

#include <string>

// Measures the text on the hint window, places it by the taskbar with the previous hint's
// size, shows it and starts the timer. A timer already counting keeps its countdown.
void ShowHintBesideTaskbarAt(THintWindow& hint, TTimer& timer, const std::wstring& text,
                             TPoint cursor, std::int32_t edge, const TRect& taskbar);
// The same with the cursor and the taskbar the system reports now.
void ShowHintBesideTaskbar(THintWindow& hint, TTimer& timer, const std::wstring& text);

// Destroys the hint's window and stops the timer; nothing when no hint is shown.
void HideHintBesideTaskbar(THintWindow& hint, TTimer& timer);
