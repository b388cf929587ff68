#pragma once
// The settings file that keeps the main window's position between runs.
#include "ui/Forms.h"

#include <string>

// SettingsFolder + "Hushlet.ini".
std::wstring SettingsFileName();

// Moves the form's top edge, then its left edge, to what section "Window" holds. An edge whose
// key is missing or not an integer stays where it is. The file is only read.
void LoadWindowPosition(TForm& form, const std::wstring& fileName);

// Writes the form's top edge and then its left edge to section "Window", keeping whatever else
// the file holds. False when the file could not be saved.
bool SaveWindowPosition(const TForm& form, const std::wstring& fileName);
