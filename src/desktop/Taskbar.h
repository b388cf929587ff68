#pragma once
#include "desktop/TaskbarGeometry.h"

// The screen edge the shell's taskbar occupies (te* code), with its rectangle. When the shell
// does not answer: teNone and an empty rectangle.
std::int32_t GetTaskbarEdge(TRect& taskbar);

// The primary monitor's work area grown back over the taskbar; computed afresh at every call.
TRect GetPlacementArea();
