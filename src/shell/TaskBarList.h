#pragma once
// The main window's explicit taskbar button through the shell's taskbar list. One window, one
// added-flag for the process.
#include <windows.h>
#include <shobjidl.h>

extern ITaskbarList* ShellTaskbarList;
extern bool TaskbarButtonAdded;

// Creates (or replaces) the shell object and clears the flag; raises EOleSysError on failure,
// leaving the state as it was. Needs a COM apartment on the calling thread.
void TaskbarListInit();
void TaskbarListFree();
// Adds and activates the button once; nothing without the object or while the flag is set.
void TaskbarAddButton(HWND window);
// Deletes the button whether or not it was added; nothing without the object.
void TaskbarDeleteButton(HWND window);
