#pragma once
// Functions that the oldest systems lack are looked up when first needed instead of imported:
// a single missing import makes the system's loader refuse the whole program before its own
// start-up message can say why.
#include <windows.h>

// The address of a system DLL's function, or null where this system has no such DLL or
// function. A DLL that is not loaded yet is loaded from the system folder and kept.
void* SystemFunctionAddress(const wchar_t* library, const char* name);

template <typename TFunction> TFunction SystemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<TFunction>(SystemFunctionAddress(library, name));
}
