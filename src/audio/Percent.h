#pragma once
// Whole percents and the device's 0.0..1.0 level, without any window or device in sight.

// The device level times 100 in double precision, to the nearest integer, ties to even.
int LevelToPercent(float level);

// The 32-bit level nearest to percent / 100; it reads back through LevelToPercent as percent.
float PercentToLevel(int percent);
